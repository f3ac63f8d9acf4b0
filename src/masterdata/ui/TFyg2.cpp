#include "masterdata/ui/TFyg2.h"

#include "data/DM1.h"
#include "data/ui/PickerPanel.h"

const PickerRoutes& TFyg2::callerRoutes() {
    static const PickerRoutes routes = {
        {"tjdui", "TFtjdui1", {{"xm", "Edit3"}}},   {"tjcg", "TFtjcg1", {{"xm", "Edit2"}}},
        {"tjxs", "TFtjxsd1", {{"xm", "jsr"}}},      {"tjrk", "TFtjrk1", {{"xm", "Edit2"}}},
        {"tjck", "TFtjck1", {{"xm", "Edit2"}}},     {"tjyffx", "TFtjyffx1", {{"xm", "Edit3"}}},
        {"tjysfx", "TFtjysfx1", {{"xm", "Edit3"}}}, {"tjfkfx", "TFtjfkfx1", {{"xm", "Edit5"}}},
        {"tjskfx", "TFtjskfx1", {{"xm", "Edit5"}}}, {"tjszfx", "TFtjszfx1", {{"xm", "Edit1"}}},
    };
    return routes;
}

namespace {
PickerDialog::Setup setup() {
    PickerDialog::Setup s;
    s.objectName = QStringLiteral("TFyg2");
    s.title = QStringLiteral("选择员工资料");
    s.table = QStringLiteral("yg");
    s.emptyMessage = QStringLiteral("没有员工可选择！");
    s.routes = TFyg2::callerRoutes();
    return s;
}

PickerPanel::Search search() {
    PickerPanel::Search s;
    s.selectLine = QStringLiteral("SELECT * FROM yg");
    s.line1 = QStringLiteral("where xm like?");
    s.line2 = QStringLiteral("and bm like ?");
    s.label1 = QStringLiteral("按姓名查询");
    s.label2 = QStringLiteral("按部门查询");
    return s;
}
} // namespace

TFyg2::TFyg2(TDM1& dm, const QString& xzbj, QWidget* caller, Deliver deliver)
    : PickerDialog(dm, setup(), new PickerPanel(dm.AQyg1, search()), xzbj, caller),
      m_deliver(std::move(deliver)) {}

void TFyg2::deliver(const PickerRoute& route) {
    if (m_deliver)
        m_deliver(EmployeeChoice{dataset().text(QStringLiteral("xm"))});
    else
        fillBoxes(caller(), route, dataset());
}
