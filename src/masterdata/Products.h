#pragma once

#include "core/Money.h"
#include "data/ListQuery.h"
#include "data/SqlText.h"

#include <QString>
#include <QStringList>

class Database;
class Dataset;

// The product table sp: saving a product as the product entry dialog does, the discount flag,
// the product query and the category filter of the product list. Refusals are returned with their
// exact texts, never shown; engine errors throw DbError.
namespace Products {

// "无": the code of a product saved without one.
QString noCode();
// "打折" / "不打折".
QString discount();
inline QString noDiscount() { return QStringLiteral("不打折"); }

// What the product entry dialog holds, box by box. Number fields are the boxes' texts.
struct Entry {
    QString lb;   // 类别
    QString ppgg; // 商品名称
    QString txm;  // 商品编码
    QString dw;   // 计量单位
    QString jj;   // 采购单价
    QString xj;   // 销售单价
    QString slt;  // 数量提成
    QString jet;  // 金额提成
    QString kcsl; // 库存数量
    QString kcjg; // 库存单价
    QString jfjs; // 积分基数
    QString ms;   // 商品描述
    QString bz;   // 备注说明

    // The seven number fields in box order: jj xj slt jet kcsl kcjg jfjs.
    static const QStringList& numberFields();
    QString& number(const QString& field);
    const QString& number(const QString& field) const;
};

// A typed number as it is stored: a value with more than two decimals is rounded to two,
// half to even, and given as "0.00" (1.006 -> "1.01", 0.125 -> "0.12"); a value with two
// decimals or fewer stays as typed ("3", "2.5"). The decision is made on the typed digits, so
// 1.00501 gives 1.01. A text that is not a number ("", ".") stands for 0 and gives "0".
QString roundTyped(const QString& text);
// Rounds the entry's seven number fields as roundTyped does.
void roundNumbers(Entry& entry);

// kcje = kcsl x kcjg from the stored values, four-decimal arithmetic, as "0.00".
QString stockValue(const QString& kcsl, const QString& kcjg);

// Why a save was refused, in the order the checks run.
enum class Refusal { None, NoCategory, NoName, NoUnit, Duplicate };
// "类别不可为空！", "品名规格型号不可为空！", "计量单位不可为空！" (information, "提示");
// "商品不可重复！" (warning, "警告"); empty for None.
QString message(Refusal refusal);
// True for the refusals shown as a warning ("警告") rather than an information ("提示").
bool isWarning(Refusal refusal);

// True when a product with exactly this name, code and unit exists (the stock key).
bool exists(Database& db, const QString& ppgg, const QString& txm, const QString& dw);

// Saves a new product through the shared product dataset (opened on every product when it is
// closed), so open windows on it show the row at once; the new row becomes current. Texts are
// trimmed and an empty code is stored as "无"; numbers are stored as given (round them first);
// kcje is computed; ztbj is "打折". Checks, in order: category, name, unit (trimmed, not empty),
// then the triple (name, code, unit) must not exist yet. Nothing is written on a refusal.
Refusal add(Dataset& sp, Entry entry);
// Writes the same fields into the dataset's current row; no duplicate test, ztbj unchanged.
Refusal modify(Dataset& sp, Entry entry);
// The current row of the dataset as an entry (mode 修改).
Entry fromCurrentRow(const Dataset& sp);

// --- discount flag (popup of the product list) ---------------------------------------------
enum class FlagResult { Changed, NotOpen, NoRows, AlreadyNoDiscount };
// "数据表未打开，请先查询！", "没有商品可修改！", "“不打折”标记，无须修改！" (warnings); empty
// for Changed.
QString message(FlagResult result);
// 改标记：不打折 / 改标记：打折 on the dataset's current row. Marking "打折" a row that already is
// "打折" writes it again without complaint.
FlagResult setDiscount(Dataset& sp, bool discountApplies);

// --- queries --------------------------------------------------------------------------------
// The list of a category tree node: "select * from sp" and, for a category, "where lb=?" bound
// to it (an empty category is every product). No order line.
SqlText categoryQuery(const QString& category = {});

// The product query dialog (按条件查询): 商品编码, 商品名称, 商品类别 and the stock choice.
ListQuery::Definition queryDefinition();
// "SELECT * FROM sp"
QString selectLine();

// Mode "kc" of the query dialog: the stock totals of the conditions (quantity, value).
struct StockTotals {
    Money quantity;
    Money value;
};
StockTotals stockTotals(Database& db, const SqlText& conditions);
// The stock value total as the stock window shows it: blank unless the operator's stock-price
// setting STkcjg is "显示价格".
QString stockValueText(Money value, const QString& STkcjg);

} // namespace Products
