#pragma once

#include "data/ui/QueryDialog.h"

class RecordListWindow;

// 按条件查询 of products: 商品编码 (Edit1), 商品名称 (Edit2), 商品类别 (Edit3) and the stock
// choice 全部 / 库存＞0 / 库存＝0 / 库存＜0 (ComboBox1); buttons 查询 and 关闭.
//
// The opener writes the mode text: "sp" for the product list (the rows and the row count of
// that list), "kc" for the stock detail window (the quantity and value totals of the same
// conditions into panels 2 and 4 of its status bar, then the rows). In mode "kc" the value total
// stays blank unless the current operator's stock-price setting is "显示价格".
class TFcxsp1 : public QueryDialog {
    Q_OBJECT
public:
    explicit TFcxsp1(RecordListWindow& list, const QString& mode = productsMode());

    static QString productsMode() { return QStringLiteral("sp"); }
    static QString stockMode() { return QStringLiteral("kc"); }

    void setMode(const QString& mode) { m_mode = mode; }
    QString mode() const { return m_mode; }

    // The current operator's stock-price setting: the main window's STkcjg, or "显示价格" when
    // there is no main window.
    static QString stockPriceSetting();

private:
    bool run(const SqlText& conditions);
    bool runStock(const SqlText& conditions);

    RecordListWindow& m_list;
    QString m_mode;
};
