#include "masterdata/ui/TFyg1.h"

#include "data/DM1.h"
#include "data/ui/DialogRunner.h"
#include "masterdata/ui/TFtjyg1.h"

TFyg1::TFyg1(TDM1& dm, QWidget* parent) : RecordListWindow(listDefinition(dm), parent) {}

ListDefinition TFyg1::listDefinition(TDM1& dm) {
    ListDefinition d;
    d.objectName = QStringLiteral("TFyg1");
    d.title = QStringLiteral("员工资料");
    d.dataset = dm.AQyg1;
    d.selectLine = QStringLiteral("SELECT * FROM yg");
    for (const char* f : {"xm", "xb", "zw", "bm", "dh", "dz", "jbgz", "sfz", "bz"})
        d.columns << GridColumn{QString::fromLatin1(f)};
    d.gridEnter = DatasetView::EnterKey::MovesOn;
    d.toolBar = {{QStringLiteral("新增")}, {QStringLiteral("修改")}, {QStringLiteral("删除")},
                 {QStringLiteral("导出")}, {QStringLiteral("关闭")}};
    d.popup = {{QStringLiteral("删除")}};
    d.deleteQuestion = QStringLiteral("确定要删除此员工么？");
    TDM1* data = &dm;
    d.entry = [data](RecordListWindow& w, const QString& mode) {
        TFtjyg1 dialog(*data, &w);
        dialog.setMode(mode);
        DialogRunner::exec(dialog);
    };
    return d;
}
