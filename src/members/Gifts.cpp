#include "members/Gifts.h"

#include "data/Database.h"
#include "data/Dataset.h"
#include "data/ListQuery.h"

namespace Gifts {

namespace {

struct Stored {
    QString ppgg, txm, dw;
    Money sl, jg, jfjs, je;
};

Stored stored(const Input& in) {
    Stored s{in.ppgg.trimmed(), code(in.txm), in.dw.trimmed(),
             in.sl.rounded(2),  in.jg.rounded(2), in.jfjs.rounded(2), {}};
    s.je = value(s.sl, s.jg);
    return s;
}

void write(Dataset& zp, const Stored& s) {
    zp.setText(QStringLiteral("ppgg"), s.ppgg);
    zp.setText(QStringLiteral("txm"), s.txm);
    zp.setText(QStringLiteral("dw"), s.dw);
    zp.setMoney(QStringLiteral("sl"), s.sl);
    zp.setMoney(QStringLiteral("jg"), s.jg);
    zp.setMoney(QStringLiteral("jfjs"), s.jfjs);
    zp.setMoney(QStringLiteral("je"), s.je);
}

} // namespace

QString code(const QString& typed) {
    const QString t = typed.trimmed();
    return t.isEmpty() ? QStringLiteral("无") : t;
}

Money value(Money sl, Money jg) { return (sl * jg).rounded(2); }

Outcome checkInput(const Input& in) {
    if (in.ppgg.trimmed().isEmpty())
        return Refusal::information(QStringLiteral("品名规格型号不可为空！"), QStringLiteral("ppgg"));
    if (in.sl.rounded(2).isZero())
        return Refusal::information(QStringLiteral("数量不可为0！"), QStringLiteral("sl"));
    return {};
}

Outcome add(Dataset& zp, const Input& in) {
    if (Outcome r = checkInput(in))
        return r;
    const Stored s = stored(in);
    if (zp.database().exists(
            QStringLiteral("select ppgg,txm,dw from zp where ppgg=? and txm=? and dw=?"),
            {s.ppgg, s.txm, s.dw}))
        return Refusal::warning(QStringLiteral("商品不可重复！"), QStringLiteral("txm"));
    if (!zp.isOpen())
        zp.open();
    zp.append();
    write(zp, s);
    zp.post();
    return {};
}

Outcome modify(Dataset& zp, const Input& in) {
    if (Outcome r = checkInput(in))
        return r;
    zp.edit();
    write(zp, stored(in));
    zp.post();
    return {};
}

Totals totals(const Dataset& zp) {
    if (!zp.isOpen())
        return {};
    return {zp.sum(QStringLiteral("sl")), zp.sum(QStringLiteral("je"))};
}

SqlText query(const QString& code, const QString& name, const QString& stockChoice) {
    SqlText q(QStringLiteral("SELECT * FROM zp"));
    q.add(QStringLiteral("where ppgg like ?"), SqlText::contains(name));
    q.add(QStringLiteral("and txm like ?"), SqlText::contains(code));
    for (const ListQuery::Choice& c : ListQuery::stockChoices(QStringLiteral("sl")))
        if (c.text == stockChoice && !c.line.isEmpty())
            q.add(c.line);
    return q;
}

} // namespace Gifts
