#include "members/ui/TFkh1.h"

#include "core/Clock.h"
#include "data/DM1.h"
#include "data/ui/Command.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/RowStyles.h"
#include "members/Members.h"
#include "members/ui/MemberDialogs.h"
#include "members/ui/TFtjkh1.h"

namespace {

void setCardState(RecordListWindow& w, const QString& state) {
    Members::Outcome refusal;
    if (!runCommand(&w, [&] { refusal = Members::setCardState(w.dataset(), state); }))
        return;
    if (refusal)
        MemberDialogs::show(&w, *refusal);
}

// "%" + the month and day k days from today: birth dates yyyymmdd end with them.
ListQuery::Choice birthday(const QString& text, int days) {
    return {text, QStringLiteral("and csrq like ?"), [days] {
                return QVariantList{u'%' + Clock::today().addDays(days).toString(QStringLiteral("MMdd"))};
            }};
}

} // namespace

TFkh1::TFkh1(TDM1& dm, QWidget* parent) : RecordListWindow(listDefinition(dm), parent) {}

ListQuery::Definition TFkh1::queryDefinition() {
    using ListQuery::Choice;
    using ListQuery::Field;
    ListQuery::Definition q;
    q.objectName = QStringLiteral("TFcxkh1");
    ListQuery::DateRange range;
    range.line = QStringLiteral("and kkrq>=? and kkrq<=?");
    q.dateRange = range;
    q.fields = {
        Field::text(QStringLiteral("Edit1"), QStringLiteral("卡号"), QStringLiteral("where bm like ?")),
        Field::text(QStringLiteral("Edit2"), QStringLiteral("姓名"), QStringLiteral("and mc like ?")),
        Field::choice(QStringLiteral("ComboBox1"), QStringLiteral("生日"),
                      {Choice{QStringLiteral("全部"), {}}, birthday(QStringLiteral("今天"), 0),
                       birthday(QStringLiteral("明天"), 1), birthday(QStringLiteral("后天"), 2)}),
        Field::choice(QStringLiteral("ComboBox2"), QStringLiteral("状态"),
                      {Choice{QStringLiteral("全部"), {}},
                       Choice{QStringLiteral("可用"), QStringLiteral("and ztbj='可用'")},
                       Choice{QStringLiteral("不可用"), QStringLiteral("and ztbj='不可用'")}}),
        Field::text(QStringLiteral("Edit3"), QStringLiteral("电话"), QStringLiteral("and lxdh like ?"),
                    true),
        Field::text(QStringLiteral("Edit4"), QStringLiteral("地址"), QStringLiteral("and lxdz like ?"),
                    true),
    };
    q.focus = QStringLiteral("Edit1");
    return q;
}

ListDefinition TFkh1::listDefinition(TDM1& dm) {
    ListDefinition d;
    d.objectName = QStringLiteral("TFkh1");
    d.title = QStringLiteral("会员资料");
    d.dataset = dm.AQkh1;
    d.selectLine = QStringLiteral("SELECT * FROM kh");
    for (const char* f : {"bm", "mc", "xb", "dj", "zk", "zjf", "zxf", "zj", "yb", "csrq", "lxdh",
                          "lxdz", "bz", "kkrq", "ztbj"})
        d.columns << GridColumn{QString::fromLatin1(f)};
    d.rowStyle = RowStyles::redWhenText(QStringLiteral("ztbj"), Members::blocked());
    d.legend = {{RowStyles::red(), QStringLiteral("不可用会员")}};
    d.toolBar = {{QStringLiteral("导入")}, {QStringLiteral("新增")}, {QStringLiteral("修改")},
                 {QStringLiteral("删除")}, {QStringLiteral("查询")}, {QStringLiteral("打印")},
                 {QStringLiteral("导出")}, {QStringLiteral("关闭")}};
    d.popup = {{QStringLiteral("删除"), QStringLiteral("N1")},
               {QStringLiteral("改标记：不可用"), QStringLiteral("N2"), {},
                [](RecordListWindow& w) { setCardState(w, Members::blocked()); }},
               {QStringLiteral("改标记：可用"), QStringLiteral("N3"), {},
                [](RecordListWindow& w) { setCardState(w, Members::usable()); }}};
    d.deleteQuestion = QStringLiteral("确定要删除此会员么？");
    d.canDelete = [](RecordListWindow& w) {
        if (const Members::Outcome refusal = Members::checkDelete(w.dataset())) {
            MemberDialogs::show(&w, *refusal);
            return false;
        }
        return true;
    };
    TDM1* data = &dm;
    d.entry = [data](RecordListWindow& w, const QString& mode) {
        TFtjkh1 dialog(*data, &w);
        dialog.setMode(mode);
        DialogRunner::exec(dialog);
    };
    d.query = queryDefinition();
    d.import = {QStringLiteral("导入会员资料"), QStringLiteral("kh"),
                QStringLiteral("数据导入模版/会员资料.xls")};
    d.print = {QStringLiteral("TFdykh1"), QStringLiteral("会员信息表")};
    return d;
}
