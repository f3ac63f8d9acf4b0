#include "members/ui/TFzp1.h"

#include "data/DM1.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/QueryDialog.h"
#include "data/ui/RowStyles.h"
#include "members/Gifts.h"
#include "members/ui/TFtjzp1.h"

#include <QPointer>

namespace {
QPointer<TFzp1> openGiftList;
} // namespace

TFzp1::TFzp1(TDM1& dm, QWidget* parent) : RecordListWindow(listDefinition(dm), parent) {
    openGiftList = this;
}

TFzp1::~TFzp1() {
    if (openGiftList == this)
        openGiftList = nullptr;
}

TFzp1* TFzp1::openWindow() { return openGiftList.data(); }

ListQuery::Definition TFzp1::queryDefinition() {
    using ListQuery::Field;
    ListQuery::Definition q;
    q.objectName = QStringLiteral("TFcxzp1");
    // The dialog asks for the code first; the lines put the name first (Gifts::query).
    q.fields = {
        Field::text(QStringLiteral("Edit1"), QStringLiteral("编码"), QStringLiteral("and txm like ?")),
        Field::text(QStringLiteral("Edit2"), QStringLiteral("赠品名称"),
                    QStringLiteral("where ppgg like ?")),
        Field::choice(QStringLiteral("ComboBox1"), QStringLiteral("库存数量"),
                      ListQuery::stockChoices(QStringLiteral("sl"))),
    };
    q.focus = QStringLiteral("Edit1");
    return q;
}

ListDefinition TFzp1::listDefinition(TDM1& dm) {
    ListDefinition d;
    d.objectName = QStringLiteral("TFzp1");
    d.title = QStringLiteral("赠品资料");
    d.dataset = dm.AQzp1;
    d.selectLine = QStringLiteral("SELECT * FROM zp");
    for (const char* f : {"txm", "ppgg", "dw", "sl", "jg", "je", "jfjs"})
        d.columns << GridColumn{QString::fromLatin1(f)};
    d.rowStyle = RowStyles::redWhenAtMostZero(QStringLiteral("sl"));
    d.legend = {{RowStyles::red(), QStringLiteral("数量＜＝0：不正常库存")}};
    d.totals = {{QStringLiteral("sl"), QStringLiteral("数量")},
                {QStringLiteral("je"), QStringLiteral("金额")}};
    d.note = QStringLiteral("默认显示全部库存");
    d.toolBar = {{QStringLiteral("导入")}, {QStringLiteral("新增")}, {QStringLiteral("修改")},
                 {QStringLiteral("删除")}, {QStringLiteral("查询")}, {QStringLiteral("打印")},
                 {QStringLiteral("导出")}, {QStringLiteral("关闭")}};
    d.popup = {{QStringLiteral("删除"), QStringLiteral("N1")}};
    d.deleteQuestion = QStringLiteral("确定要删除此赠品么？");
    TDM1* data = &dm;
    // The entry dialog writes the totals itself after each save.
    d.entry = [data](RecordListWindow& w, const QString& mode) {
        TFtjzp1 dialog(*data, &w);
        dialog.setMode(mode);
        DialogRunner::exec(dialog);
    };
    d.query = queryDefinition();
    d.queryDialog = [](RecordListWindow& w) {
        const QueryDialog* asked = nullptr;
        QueryDialog dialog(
            w.definition().query, w.definition().selectLine,
            [&](const SqlText&) {
                const ListQuery::Input in = asked->input();
                return w.runQuery(Gifts::query(in.values.value(0), in.values.value(1),
                                               in.values.value(2)));
            },
            &w);
        asked = &dialog;
        DialogRunner::exec(dialog);
    };
    d.import = {QStringLiteral("导入赠品资料"), QStringLiteral("zp"),
                QStringLiteral("数据导入模版/赠品资料.xls")};
    d.print = {QStringLiteral("TFdyzp1"), QStringLiteral("赠品库存表")};
    return d;
}
