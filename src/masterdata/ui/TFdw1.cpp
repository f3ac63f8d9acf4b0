#include "masterdata/ui/TFdw1.h"

#include "data/DM1.h"
#include "data/ui/DialogRunner.h"
#include "masterdata/ValueLists.h"
#include "masterdata/ui/TFtjdw1.h"

const PickerRoutes& TFdw1::callerRoutes() {
    static const PickerRoutes routes = {
        {"tjsp", "TFtjsp1", {{"dw", "Edit4"}}},
        {"tjzp", "TFtjzp1", {{"dw", "Edit3"}}},
    };
    return routes;
}

namespace {
ValueListDialog::Setup setup(TDM1& dm) {
    const ValueList& list = ValueList::units();
    ValueListDialog::Setup s;
    s.objectName = QStringLiteral("TFdw1");
    s.title = QStringLiteral("计量单位设置");
    s.dataset = dm.AQdw1;
    s.selectLine = list.selectLine();
    s.columns = {{QStringLiteral("dw"), QStringLiteral("计量单位")}};
    s.titleSorting = false;
    s.noRowsToChoose = list.noRowsToChoose;
    s.noRowsToModify = list.noRowsToModify;
    s.noRowsToDelete = list.noRowsToDelete;
    s.deleteQuestion = list.deleteQuestion;
    s.routes = TFdw1::callerRoutes();
    s.entry = [&dm](ValueListDialog& owner, const QString& mode) {
        TFtjdw1 dialog(dm, &owner);
        dialog.setMode(mode);
        DialogRunner::exec(dialog);
    };
    return s;
}
} // namespace

TFdw1::TFdw1(TDM1& dm, const QString& xzbj, QWidget* caller)
    : ValueListDialog(setup(dm), xzbj, caller) {}
