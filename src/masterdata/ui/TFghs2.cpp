#include "masterdata/ui/TFghs2.h"

#include "data/DM1.h"
#include "data/ui/PickerPanel.h"

const PickerRoutes& TFghs2::callerRoutes() {
    static const PickerRoutes routes = {
        {"tjcg", "TFtjcg1", {{"mc", "Edit1"}}},
        {"tjyffx", "TFtjyffx1", {{"mc", "Edit1"}}},
    };
    return routes;
}

namespace {
PickerDialog::Setup setup() {
    PickerDialog::Setup s;
    s.objectName = QStringLiteral("TFghs2");
    s.title = QStringLiteral("选择厂商资料");
    s.table = QStringLiteral("ghs");
    s.emptyMessage = QStringLiteral("没有厂商可选择！");
    s.routes = TFghs2::callerRoutes();
    return s;
}

PickerPanel::Search search() {
    PickerPanel::Search s;
    s.selectLine = QStringLiteral("SELECT * FROM ghs");
    s.line1 = QStringLiteral("where mc like?");
    s.line2 = QStringLiteral("and lxdz  like ?");
    s.label1 = QStringLiteral("按厂商名称名称");
    s.label2 = QStringLiteral("按联系地址查询");
    return s;
}
} // namespace

TFghs2::TFghs2(TDM1& dm, const QString& xzbj, QWidget* caller, Deliver deliver)
    : PickerDialog(dm, setup(), new PickerPanel(dm.AQghs1, search()), xzbj, caller),
      m_deliver(std::move(deliver)) {}

void TFghs2::deliver(const PickerRoute& route) {
    if (m_deliver)
        m_deliver(SupplierChoice{dataset().text(QStringLiteral("mc"))});
    else
        fillBoxes(caller(), route, dataset());
}
