#include "masterdata/ui/TFlb1.h"

#include "data/DM1.h"
#include "data/ui/DialogRunner.h"
#include "masterdata/ValueLists.h"
#include "masterdata/ui/TFtjlb1.h"

const PickerRoutes& TFlb1::callerRoutes() {
    static const PickerRoutes routes = {{"tjsp", "TFtjsp1", {{"lb", "Edit1"}}}};
    return routes;
}

namespace {
ValueListDialog::Setup setup(TDM1& dm) {
    const ValueList& list = ValueList::categories();
    ValueListDialog::Setup s;
    s.objectName = QStringLiteral("TFlb1");
    s.title = QStringLiteral("商品类别设置");
    s.dataset = dm.AQlb1;
    s.selectLine = list.selectLine();
    s.columns = {{QStringLiteral("lb"), QStringLiteral("类别")}};
    s.noRowsToChoose = list.noRowsToChoose;
    s.noRowsToModify = list.noRowsToModify;
    s.noRowsToDelete = list.noRowsToDelete;
    s.deleteQuestion = list.deleteQuestion;
    s.routes = TFlb1::callerRoutes();
    s.entry = [&dm](ValueListDialog& owner, const QString& mode) {
        TFtjlb1 dialog(dm, &owner);
        dialog.setMode(mode);
        DialogRunner::exec(dialog);
    };
    return s;
}
} // namespace

// The category list has a single caller, the product entry dialog.
TFlb1::TFlb1(TDM1& dm, QWidget* caller)
    : ValueListDialog(setup(dm), QStringLiteral("tjsp"), caller) {}
