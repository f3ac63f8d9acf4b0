#include "masterdata/Products.h"

#include "data/Database.h"
#include "data/Dataset.h"

#include <stdexcept>

namespace Products {

QString noCode() { return QStringLiteral("无"); }
QString discount() { return QStringLiteral("打折"); }

const QStringList& Entry::numberFields() {
    static const QStringList fields = {
        QStringLiteral("jj"),   QStringLiteral("xj"),   QStringLiteral("slt"),
        QStringLiteral("jet"),  QStringLiteral("kcsl"), QStringLiteral("kcjg"),
        QStringLiteral("jfjs"),
    };
    return fields;
}

QString& Entry::number(const QString& field) {
    return const_cast<QString&>(static_cast<const Entry*>(this)->number(field));
}

const QString& Entry::number(const QString& field) const {
    if (field == QLatin1String("jj"))
        return jj;
    if (field == QLatin1String("xj"))
        return xj;
    if (field == QLatin1String("slt"))
        return slt;
    if (field == QLatin1String("jet"))
        return jet;
    if (field == QLatin1String("kcsl"))
        return kcsl;
    if (field == QLatin1String("kcjg"))
        return kcjg;
    if (field == QLatin1String("jfjs"))
        return jfjs;
    throw std::invalid_argument("not a number field of sp");
}

QString roundTyped(const QString& text) {
    const QString t = text.trimmed();
    if (!Money::parse(t))
        return QStringLiteral("0");
    const qsizetype point = t.indexOf(u'.');
    if (point < 0 || t.size() - point - 1 <= 2)
        return text;
    // Round on the typed digits: parsing first would round to four places and then to two,
    // which turns 1.00501 into 1.00.
    const QString head = t.left(point + 3);
    const QString rest = t.mid(point + 3);
    Money value = Money::parse(head).value_or(Money());
    bool beyondHalf = false;
    for (qsizetype i = 1; i < rest.size(); ++i)
        beyondHalf = beyondHalf || rest[i] != u'0';
    const QChar first = rest[0];
    const bool lastOdd = (head.back().unicode() - u'0') % 2 != 0;
    const bool up = first > u'5' || (first == u'5' && (beyondHalf || lastOdd));
    if (up) {
        const Money cent = Money::fromRaw(Money::Scale / 100);
        value = t.startsWith(u'-') ? value - cent : value + cent;
    }
    return value.toFixed2();
}

void roundNumbers(Entry& entry) {
    for (const QString& f : Entry::numberFields())
        entry.number(f) = roundTyped(entry.number(f));
}

QString stockValue(const QString& kcsl, const QString& kcjg) {
    const Money quantity = Money::parse(kcsl).value_or(Money());
    const Money cost = Money::parse(kcjg).value_or(Money());
    return (quantity * cost).toFixed2();
}

QString message(Refusal refusal) {
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::NoCategory:
        return QStringLiteral("类别不可为空！");
    case Refusal::NoName:
        return QStringLiteral("品名规格型号不可为空！");
    case Refusal::NoUnit:
        return QStringLiteral("计量单位不可为空！");
    case Refusal::Duplicate:
        return QStringLiteral("商品不可重复！");
    }
    return {};
}

bool isWarning(Refusal refusal) { return refusal == Refusal::Duplicate; }

bool exists(Database& db, const QString& ppgg, const QString& txm, const QString& dw) {
    return db.exists(QStringLiteral("select ppgg,txm,dw from sp where ppgg=? and txm=? and dw=?"),
                     {ppgg, txm, dw});
}

namespace {

void trim(Entry& e) {
    for (QString* s : {&e.lb, &e.ppgg, &e.txm, &e.dw, &e.ms, &e.bz})
        *s = s->trimmed();
    if (e.txm.isEmpty())
        e.txm = noCode();
}

Refusal checkRequired(const Entry& e) {
    if (e.lb.isEmpty())
        return Refusal::NoCategory;
    if (e.ppgg.isEmpty())
        return Refusal::NoName;
    if (e.dw.isEmpty())
        return Refusal::NoUnit;
    return Refusal::None;
}

// The fields of a save, in the order they are written; kcje from the stored quantity and cost.
void writeFields(Dataset& sp, const Entry& e) {
    sp.setText(QStringLiteral("lb"), e.lb);
    sp.setText(QStringLiteral("ppgg"), e.ppgg);
    sp.setText(QStringLiteral("txm"), e.txm);
    sp.setText(QStringLiteral("dw"), e.dw);
    for (const QString& f : {QStringLiteral("jj"), QStringLiteral("xj"), QStringLiteral("slt"),
                             QStringLiteral("jet"), QStringLiteral("kcsl"), QStringLiteral("kcjg")})
        sp.setText(f, roundTyped(e.number(f)));
    sp.setText(QStringLiteral("kcje"), stockValue(roundTyped(e.kcsl), roundTyped(e.kcjg)));
    sp.setText(QStringLiteral("jfjs"), roundTyped(e.jfjs));
    sp.setText(QStringLiteral("ms"), e.ms);
    sp.setText(QStringLiteral("bz"), e.bz);
}

// Runs the writes of one row; a failure leaves the dataset browsing and throws on.
template <typename F> void writing(Dataset& sp, F&& steps) {
    try {
        steps();
    } catch (...) {
        sp.cancel();
        throw;
    }
}

} // namespace

Refusal add(Dataset& sp, Entry entry) {
    trim(entry);
    if (const Refusal r = checkRequired(entry); r != Refusal::None)
        return r;
    if (exists(sp.database(), entry.ppgg, entry.txm, entry.dw))
        return Refusal::Duplicate;
    if (!sp.isOpen())
        sp.open(SqlText(selectLine()).add(QStringLiteral("order by id")));
    writing(sp, [&] {
        sp.append();
        writeFields(sp, entry);
        sp.setText(QStringLiteral("ztbj"), discount());
        sp.post();
    });
    return Refusal::None;
}

Refusal modify(Dataset& sp, Entry entry) {
    trim(entry);
    if (const Refusal r = checkRequired(entry); r != Refusal::None)
        return r;
    writing(sp, [&] {
        sp.edit();
        writeFields(sp, entry);
        sp.post();
    });
    return Refusal::None;
}

Entry fromCurrentRow(const Dataset& sp) {
    auto t = [&](const char* field) { return sp.text(QString::fromLatin1(field)); };
    Entry e;
    e.lb = t("lb");
    e.ppgg = t("ppgg");
    e.txm = t("txm");
    e.dw = t("dw");
    e.jj = t("jj");
    e.xj = t("xj");
    e.slt = t("slt");
    e.jet = t("jet");
    e.kcsl = t("kcsl");
    e.kcjg = t("kcjg");
    e.jfjs = t("jfjs");
    e.ms = t("ms");
    e.bz = t("bz");
    return e;
}

QString message(FlagResult result) {
    switch (result) {
    case FlagResult::Changed:
        return {};
    case FlagResult::NotOpen:
        return QStringLiteral("数据表未打开，请先查询！");
    case FlagResult::NoRows:
        return QStringLiteral("没有商品可修改！");
    case FlagResult::AlreadyNoDiscount:
        return QStringLiteral("“不打折”标记，无须修改！");
    }
    return {};
}

FlagResult setDiscount(Dataset& sp, bool discountApplies) {
    if (!sp.isOpen())
        return FlagResult::NotOpen;
    if (sp.isEmpty())
        return FlagResult::NoRows;
    if (!discountApplies && sp.text(QStringLiteral("ztbj")) == noDiscount())
        return FlagResult::AlreadyNoDiscount;
    writing(sp, [&] {
        sp.edit();
        sp.setText(QStringLiteral("ztbj"), discountApplies ? discount() : noDiscount());
        sp.post();
    });
    return FlagResult::Changed;
}

SqlText categoryQuery(const QString& category) {
    SqlText q(QStringLiteral("select * from sp"));
    if (!category.isEmpty())
        q.add(QStringLiteral("where lb=?"), category);
    return q;
}

QString selectLine() { return QStringLiteral("SELECT * FROM sp"); }

ListQuery::Definition queryDefinition() {
    using ListQuery::Field;
    ListQuery::Definition d;
    d.objectName = QStringLiteral("TFcxsp1");
    d.fields = {
        Field::text(QStringLiteral("Edit1"), QStringLiteral("商品编码"),
                    QStringLiteral("where txm like ?")),
        Field::text(QStringLiteral("Edit2"), QStringLiteral("商品名称"),
                    QStringLiteral("and ppgg like ?")),
        Field::text(QStringLiteral("Edit3"), QStringLiteral("商品类别"),
                    QStringLiteral("and lb like ?")),
        Field::choice(QStringLiteral("ComboBox1"), QStringLiteral("库存数量"),
                      ListQuery::stockChoices(QStringLiteral("kcsl"))),
    };
    d.focus = QStringLiteral("Edit1");
    return d;
}

StockTotals stockTotals(Database& db, const SqlText& conditions) {
    const QList<Money> sums =
        db.sums(conditions.withSelect(QStringLiteral("SELECT sum(kcsl),sum(kcje) FROM sp")));
    return {sums.value(0), sums.value(1)};
}

QString stockValueText(Money value, const QString& STkcjg) {
    return STkcjg == QStringLiteral("显示价格") ? value.toShortString() : QString();
}

} // namespace Products
