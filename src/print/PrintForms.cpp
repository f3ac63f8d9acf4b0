#include "print/PrintForms.h"

#include "data/DM1.h"
#include "data/Dataset.h"

#include <stdexcept>

namespace {

using A = PrintColumn::Align;

PrintColumn col(const char* field, const char* caption, double width, A align = A::Left) {
    return {QString::fromUtf8(field), QString::fromUtf8(caption), width, align, false};
}

const char* const Total = "总计";
const char* const SpacedTotal = "总　　计"; // two ideographic spaces: the statistics forms

// One row per report a form prints; a shared form has several rows with the same name.
struct FormRow {
    const char* name;
    const char* title;
    QList<PrintColumn> columns;
    const char* summary; // nullptr: no summary band
    QStringList totals;
};

QList<FormRow> makeTable() {
    const auto C = A::Center, R = A::Right;
    QList<FormRow> t;
    // Widths are millimetres of the 190 mm between the margins of A4 portrait.
    t.append({"TFdyghs1", "厂商信息表",
              {col("mc", "名称", 55), col("lxr", "联系人", 25), col("lxdh", "联系方式", 40),
               col("lxdz", "联系地址", 70)},
              nullptr, {}});
    t.append({"TFdysp1", "商品价格表",
              {col("txm", "编码", 36), col("lb", "类别", 30), col("ppgg", "商品名称", 74),
               col("dw", "单位", 20, C), col("xj", "销售单价", 30, R)},
              nullptr, {}});
    const QList<PrintColumn> stockLines = {
        col("rq", "日期", 24, C),  col("txm", "编码", 32),    col("ppgg", "商品名称", 56),
        col("dw", "单位", 16, C),  col("sl", "数量", 20, R),  col("jg", "单价", 20, R),
        col("je", "金额", 22, R)};
    for (const char* title : {"采购明细表", "其他入库明细表", "其他出库明细表", "销售明细表"})
        t.append({"TFdycgfx1", title, stockLines, Total, {"sl", "je"}});
    t.append({"TFdyxstj2", "员工提成表",
              {col("yuangong", "员工", 46), col("sltc", "销售提成额", 48, R),
               col("jetc", "金额提成额", 48, R), col("ztc", "总提成额", 48, R)},
              Total, {"sltc", "jetc", "ztc"}});
    t.append({"TFdycgtj1", "采购统计表",
              {col("ppgg", "商品名称", 70), col("dw", "单位", 20, C), col("zsl", "采购数量", 30, R),
               col("zje", "采购金额", 34, R), col("fenzu", "分组", 36)},
              SpacedTotal, {"zsl", "zje"}});
    t.append({"TFdykh1", "会员信息表",
              {col("bm", "卡号", 32), col("mc", "姓名", 34), col("xb", "性别", 16, C),
               col("dj", "等级", 34), col("zk", "折扣", 20, R), col("lxdh", "联系方式", 54)},
              nullptr, {}});
    t.append({"TFdykc1", "商品库存表",
              {col("txm", "编码", 32), col("ppgg", "商品名称", 60), col("dw", "单位", 16, C),
               col("kcsl", "库存数量", 26, R), col("kcjg", "库存单价", 26, R),
               col("kcje", "库存金额", 30, R)},
              Total, {"kcsl", "kcje"}});
    t.append({"TFdyzp1", "赠品库存表",
              {col("txm", "编码", 36), col("ppgg", "赠品名称", 74), col("dw", "单位", 20, C),
               col("sl", "库存数量", 30, R), col("jfjs", "所需积分", 30, R)},
              Total, {"sl"}});
    t.append({"TFdyzp1", "商品库存表",
              {col("txm", "编码", 36), col("ppgg", "商品名称", 74), col("dw", "单位", 20, C),
               col("kcsl", "库存数量", 30, R), col("xj", "销售单价", 30, R)},
              Total, {"kcsl"}});
    t.append({"TFdyfkfx1", "采购付款明细表",
              {col("rq", "日期", 26, C), col("dh", "单号", 40), col("ghs", "厂商", 56),
               col("je", "付款", 34, R), col("jsr", "经办人", 34)},
              Total, {"je"}});
    t.append({"TFdyfkfx1", "销售收款明细表",
              {col("rq", "日期", 26, C), col("dh", "单号", 40), col("hymc", "顾客", 56),
               col("je", "收款", 34, R), col("jsr", "经办人", 34)},
              Total, {"je"}});
    t.append({"TFdyyffx1", "采购应付明细表",
              {col("rq", "日期", 26, C), col("dh", "单号", 40), col("ghs", "厂商", 56),
               col("qk", "应付款", 34, R), col("jsr", "经办人", 34)},
              Total, {"qk"}});
    t.append({"TFdyyffx1", "销售应收明细表",
              {col("rq", "日期", 26, C), col("dh", "单号", 40), col("hymc", "顾客", 56),
               col("qk", "应收款", 34, R), col("jsr", "经办人", 34)},
              Total, {"qk"}});
    t.append({"TFdyxsgl1", "销售单据明细表",
              {col("rq", "日期", 24, C), col("dh", "单号", 40), col("hybm", "会员卡号", 30),
               col("hymc", "会员姓名", 36), col("hjsl", "合计数量", 28, R),
               col("hjje", "合计金额", 32, R)},
              Total, {"hjsl", "hjje"}});
    t.append({"TFdyszfx1", "其他收支明细表",
              {col("rq", "日期", 26, C), col("lb", "类别", 20, C), col("xm", "项目", 46),
               col("se", "收入额", 34, R), col("ze", "支出额", 34, R), col("jsr", "经办人", 30)},
              Total, {"se", "ze"}});
    t.append({"TFdydui1", "兑换赠品明细表",
              {col("rq", "日期", 24, C), col("txm", "编码", 30), col("ppgg", "赠品名称", 44),
               col("dw", "单位", 14, C), col("sl", "数量", 18, R), col("hybm", "会员卡号", 28),
               col("hymc", "会员姓名", 32)},
              Total, {"sl"}});
    t.append({"TFdyxstj1", "销售统计表",
              {col("ppgg", "商品名称", 70), col("dw", "单位", 20, C), col("zsl", "销售数量", 30, R),
               col("zje", "销售金额", 34, R), col("fenzu", "分组", 36)},
              SpacedTotal, {"zsl", "zje"}});
    return t;
}

const QList<FormRow>& table() {
    static const QList<FormRow> t = makeTable();
    return t;
}

PrintForm toForm(const FormRow& r) {
    PrintForm f;
    f.name = QString::fromUtf8(r.name);
    f.title = QString::fromUtf8(r.title);
    f.columns = r.columns;
    if (r.summary)
        f.summaryCaption = QString::fromUtf8(r.summary);
    f.totalFields = r.totals;
    return f;
}

} // namespace

int PrintForm::columnIndex(const QString& field) const {
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].field == field)
            return i;
    return -1;
}

void PrintForm::setCaption(const QString& field, const QString& caption) {
    const int i = columnIndex(field);
    if (i >= 0)
        columns[i].caption = caption;
}

void PrintForm::setBlank(const QString& field, bool blank) {
    const int i = columnIndex(field);
    if (i >= 0)
        columns[i].blank = blank;
}

Report Report::fromDataset(const PrintForm& form, const Dataset& data, const QString& heading,
                           const QStringList& totals) {
    Report r;
    r.form = form;
    r.heading = heading;
    r.totals = totals;
    if (!data.isOpen())
        return r;
    // Blank columns print nothing, so their field need not be in the dataset.
    QList<int> source;
    for (const PrintColumn& c : form.columns) {
        int index = -1;
        if (!c.blank) {
            index = data.fieldIndex(c.field);
            if (index < 0)
                throw DbError(QStringLiteral("数据集 %1 中没有字段 %2").arg(data.name(), c.field));
        }
        source.append(index);
    }
    const int n = data.count();
    r.rows.reserve(n);
    for (int row = 0; row < n; ++row) {
        QStringList texts;
        texts.reserve(source.size());
        for (int index : source)
            texts.append(index < 0 ? QString() : data.text(row, index));
        r.rows.append(std::move(texts));
    }
    return r;
}

namespace PrintForms {

std::optional<PrintForm> find(const QString& formName, const QString& title) {
    for (const FormRow& r : table())
        if (formName == QLatin1String(r.name) && (title.isEmpty() || title == QString::fromUtf8(r.title)))
            return toForm(r);
    return std::nullopt;
}

PrintForm form(const QString& formName, const QString& title) {
    if (auto f = find(formName, title))
        return *f;
    throw std::invalid_argument(
        QStringLiteral("没有打印格式 %1 %2").arg(formName, title).trimmed().toStdString());
}

QStringList names() {
    QStringList n;
    for (const FormRow& r : table()) {
        const QString name = QString::fromUtf8(r.name);
        if (!n.contains(name))
            n.append(name);
    }
    return n;
}

QStringList titles(const QString& formName) {
    QStringList t;
    for (const FormRow& r : table())
        if (formName == QLatin1String(r.name))
            t.append(QString::fromUtf8(r.title));
    return t;
}

QString heading(const QString& printHeading, const QString& title) { return printHeading + title; }

QString heading(TDM1& dm, const QString& title) {
    return heading(dm.danwei().text(QStringLiteral("mcdy")), title);
}

} // namespace PrintForms
