#include "members/ui/TFzp2.h"

#include "data/DM1.h"
#include "data/ui/DatasetView.h"
#include "data/ui/PickerPanel.h"

const PickerRoutes& TFzp2::callerRoutes() {
    static const PickerRoutes routes = {
        {"tjdui", "TFtjdui1",
         {{"txm", "Edit4"}, {"ppgg", "Edit5"}, {"dw", "Edit6"}, {"jfjs", "Edit7"}},
         "SAO"},
    };
    return routes;
}

namespace {
PickerDialog::Setup setup() {
    PickerDialog::Setup s;
    s.objectName = QStringLiteral("TFzp2");
    s.title = QStringLiteral("选择赠品资料");
    s.table = QStringLiteral("zp");
    s.emptyMessage = QStringLiteral("没有增品可选择！");
    s.routes = TFzp2::callerRoutes();
    s.size = {640, 440};
    return s;
}

PickerPanel::Search search() {
    PickerPanel::Search s;
    s.selectLine = QStringLiteral("SELECT * FROM zp");
    s.line1 = QStringLiteral("where txm like ?");
    s.line2 = QStringLiteral("and ppgg like ?");
    s.label1 = QStringLiteral("按增品编码查询");
    s.label2 = QStringLiteral("按商品名称查询");
    return s;
}
} // namespace

TFzp2::TFzp2(TDM1& dm, const QString& xzbj, QWidget* caller, Deliver deliver)
    : PickerDialog(dm, setup(), new PickerPanel(dm.AQzp1, search()), xzbj, caller),
      m_deliver(std::move(deliver)) {
    panel()->grid()->setColumns({{QStringLiteral("txm")},
                                 {QStringLiteral("ppgg")},
                                 {QStringLiteral("dw")},
                                 {QStringLiteral("sl")},
                                 {QStringLiteral("jfjs")}});
}

void TFzp2::deliver(const PickerRoute& route) {
    if (!m_deliver) {
        fillBoxes(caller(), route, dataset());
        return;
    }
    const Dataset& ds = dataset();
    m_deliver(GiftChoice{ds.text(QStringLiteral("txm")), ds.text(QStringLiteral("ppgg")),
                         ds.text(QStringLiteral("dw")), ds.money(QStringLiteral("jfjs"))});
}
