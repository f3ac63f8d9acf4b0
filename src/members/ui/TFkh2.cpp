#include "members/ui/TFkh2.h"

#include "data/DM1.h"
#include "data/ui/PickerPanel.h"
#include "data/ui/RowStyles.h"

const PickerRoutes& TFkh2::callerRoutes() {
    static const PickerRoutes routes = {
        {"tjdui", "TFtjdui1", {{"bm", "Edit1"}}},
        {"tjxs", "TFtjxsd1", {{"bm", "hybm"}}},
        {"tjysfx", "TFtjysfx1", {{"bm", "Edit1"}}},
    };
    return routes;
}

namespace {
PickerDialog::Setup setup() {
    PickerDialog::Setup s;
    s.objectName = QStringLiteral("TFkh2");
    s.title = QStringLiteral("选择会员资料");
    s.table = QStringLiteral("kh");
    s.emptyMessage = QStringLiteral("没有会员可选择！");
    s.routes = TFkh2::callerRoutes();
    s.size = {860, 460};
    return s;
}

PickerPanel::Search search() {
    PickerPanel::Search s;
    s.selectLine = QStringLiteral("SELECT * FROM kh");
    s.line1 = QStringLiteral("where bm like?");
    s.line2 = QStringLiteral("and mc  like ?");
    s.label1 = QStringLiteral("按会员卡号查询");
    s.label2 = QStringLiteral("按会员姓名查询");
    return s;
}
} // namespace

TFkh2::TFkh2(TDM1& dm, const QString& xzbj, QWidget* caller, Deliver deliver)
    : PickerDialog(dm, setup(), new PickerPanel(dm.AQkh1, search()), xzbj, caller),
      m_deliver(std::move(deliver)) {
    // The member list colours the same rows the same way.
    dm.AQkh1->setRowStyle(RowStyles::redWhenText(QStringLiteral("ztbj"), QStringLiteral("不可用")));
}

void TFkh2::deliver(const PickerRoute& route) {
    if (m_deliver)
        m_deliver(MemberChoice{dataset().text(QStringLiteral("bm"))});
    else
        fillBoxes(caller(), route, dataset());
}
