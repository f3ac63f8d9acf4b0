#include "masterdata/Employees.h"

#include "core/Money.h"
#include "data/Database.h"
#include "data/Dataset.h"
#include "masterdata/Products.h"

#include <stdexcept>

namespace Employees {

namespace {

// The typed salary as stored: nothing typed is 0; more than two decimals are rounded to two.
// A number the box cannot hold is an error, never a silent 0.
Money salary(const QString& typed) {
    const QString t = typed.trimmed();
    if (t.isEmpty() || t == QStringLiteral("."))
        return {};
    QString error;
    if (!Money::parse(t, &error))
        throw std::invalid_argument(error.toStdString());
    return Money::fromString(Products::roundTyped(t));
}

void write(Dataset& yg, const Entry& e, Money jbgz) {
    yg.setText(QStringLiteral("xm"), e.xm.trimmed());
    yg.setText(QStringLiteral("xb"), e.xb.trimmed());
    yg.setText(QStringLiteral("zw"), e.zw.trimmed());
    yg.setText(QStringLiteral("bm"), e.bm.trimmed());
    yg.setText(QStringLiteral("dh"), e.dh.trimmed());
    yg.setText(QStringLiteral("dz"), e.dz.trimmed());
    yg.setMoney(QStringLiteral("jbgz"), jbgz);
    yg.setText(QStringLiteral("sfz"), e.sfz.trimmed());
    yg.setText(QStringLiteral("bz"), e.bz.trimmed());
}

// A failed write leaves the dataset browsing the rows as they were.
void post(Dataset& ds) {
    try {
        ds.post();
    } catch (...) {
        ds.cancel();
        throw;
    }
}

} // namespace

MasterData::Outcome checkRequired(const Entry& e) {
    if (e.xm.trimmed().isEmpty())
        return MasterData::Refusal::information(QStringLiteral("姓名不可为空！"),
                                                QStringLiteral("xm"));
    if (e.xb.trimmed().isEmpty())
        return MasterData::Refusal::information(QStringLiteral("性别不可为空！"),
                                                QStringLiteral("xb"));
    return {};
}

MasterData::Outcome add(Dataset& yg, const Entry& entry) {
    if (MasterData::Outcome r = checkRequired(entry))
        return r;
    if (yg.database().exists(QStringLiteral("select xm from yg where xm=?"), {entry.xm.trimmed()}))
        return MasterData::Refusal::warning(QStringLiteral("员工不可重复！"), QStringLiteral("xm"));
    const Money jbgz = salary(entry.jbgz);
    if (!yg.isOpen())
        yg.open();
    yg.append();
    write(yg, entry, jbgz);
    post(yg);
    return {};
}

MasterData::Outcome modify(Dataset& yg, const Entry& entry) {
    if (MasterData::Outcome r = checkRequired(entry))
        return r;
    const Money jbgz = salary(entry.jbgz);
    yg.edit();
    write(yg, entry, jbgz);
    post(yg);
    return {};
}

Entry fromCurrentRow(const Dataset& yg) {
    const auto text = [&](const char* field) { return yg.text(QString::fromLatin1(field)); };
    Entry e;
    e.xm = text("xm");
    e.xb = text("xb");
    e.zw = text("zw");
    e.bm = text("bm");
    e.dh = text("dh");
    e.dz = text("dz");
    e.jbgz = text("jbgz");
    e.sfz = text("sfz");
    e.bz = text("bz");
    return e;
}

} // namespace Employees
