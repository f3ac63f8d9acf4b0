#include "masterdata/ui/TFghs1.h"

#include "data/DM1.h"
#include "data/ui/DialogRunner.h"
#include "masterdata/ui/TFtjghs1.h"

TFghs1::TFghs1(TDM1& dm, QWidget* parent) : RecordListWindow(listDefinition(dm), parent) {}

ListDefinition TFghs1::listDefinition(TDM1& dm) {
    using ListQuery::Field;
    ListDefinition d;
    d.objectName = QStringLiteral("TFghs1");
    d.title = QStringLiteral("厂商资料");
    d.dataset = dm.AQghs1;
    d.selectLine = QStringLiteral("SELECT * FROM ghs");
    d.columns = {{QStringLiteral("mc")},   {QStringLiteral("lxr")},  {QStringLiteral("lxdh")},
                 {QStringLiteral("lxcz")}, {QStringLiteral("lxdz")}, {QStringLiteral("yb")},
                 {QStringLiteral("yhmc")}, {QStringLiteral("yhzh")}, {QStringLiteral("bz")}};
    d.gridEnter = DatasetView::EnterKey::MovesOn;
    d.toolBar = {{QStringLiteral("导入")}, {QStringLiteral("新增")}, {QStringLiteral("修改")},
                 {QStringLiteral("删除")}, {QStringLiteral("查询")}, {QStringLiteral("打印")},
                 {QStringLiteral("导出")}, {QStringLiteral("关闭")}};
    d.popup = {{QStringLiteral("删除")}};
    d.addNeedsOpenDataset = true;
    d.deleteQuestion = QStringLiteral("确定要删除此厂商么？");
    TDM1* data = &dm;
    d.entry = [data](RecordListWindow& w, const QString& mode) {
        TFtjghs1 dialog(*data, &w);
        dialog.setMode(mode);
        DialogRunner::exec(dialog);
    };
    d.query.objectName = QStringLiteral("TFcxghs1");
    d.query.fields = {
        Field::text(QStringLiteral("Edit1"), QStringLiteral("名称"), QStringLiteral("where mc like?")),
        Field::text(QStringLiteral("Edit2"), QStringLiteral("联系人"),
                    QStringLiteral("and lxr like ?")),
        Field::text(QStringLiteral("Edit3"), QStringLiteral("联系方式"),
                    QStringLiteral("and lxdh  like ?")),
        Field::text(QStringLiteral("Edit4"), QStringLiteral("联系地址"),
                    QStringLiteral("and lxdz  like ?")),
    };
    d.import = {QStringLiteral("导入厂商资料"), QStringLiteral("ghs"),
                QStringLiteral("数据导入模版/厂商资料.xls")};
    d.print = {QStringLiteral("TFdyghs1"), QStringLiteral("厂商信息表")};
    return d;
}
