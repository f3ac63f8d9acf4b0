#include "masterdata/ui/TFcxsp1.h"

#include "app/TFmain1.h"
#include "data/Database.h"
#include "data/ui/Command.h"
#include "data/ui/RecordListWindow.h"
#include "masterdata/Products.h"

#include <QLabel>

TFcxsp1::TFcxsp1(RecordListWindow& list, const QString& mode)
    : QueryDialog(Products::queryDefinition(), Products::selectLine(),
                  [this](const SqlText& conditions) { return run(conditions); }, &list),
      m_list(list), m_mode(mode) {}

QString TFcxsp1::stockPriceSetting() {
    if (TFmain1* main = TFmain1::instance())
        return main->STkcjg();
    return QStringLiteral("显示价格");
}

bool TFcxsp1::run(const SqlText& conditions) {
    if (m_mode == stockMode())
        return runStock(conditions);
    return m_list.runQuery(conditions);
}

bool TFcxsp1::runStock(const SqlText& conditions) {
    return runCommand(this, [&] {
        Dataset& ds = m_list.dataset();
        const Products::StockTotals totals = Products::stockTotals(ds.database(), conditions);
        if (QLabel* quantity = m_list.panel(2))
            quantity->setText(totals.quantity.toShortString());
        if (QLabel* value = m_list.panel(4))
            value->setText(Products::stockValueText(totals.value, stockPriceSetting()));
        SqlText rows = conditions;
        rows.add(QStringLiteral("order by id"));
        ds.open(rows);
    });
}
