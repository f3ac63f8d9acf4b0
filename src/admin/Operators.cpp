#include "admin/Operators.h"

#include "core/PasswordHash.h"
#include "data/Database.h"
#include "data/Dataset.h"
#include "data/Schema.h"

#include <QSet>

#include <stdexcept>

namespace Operators {

QString administrator() { return QStringLiteral("系统管理员"); }

QStringList names(Database& db) {
    QStringList l;
    for (const QVariantList& row : db.rows(QStringLiteral("select yhmc from yhsz order by id")))
        l << row.value(0).toString();
    return l;
}

bool exists(Database& db, const QString& name) {
    return db.exists(QStringLiteral("select yhmc from yhsz where yhmc=?"), {name});
}

bool passwordMatches(const QString& stored, const QString& typed) {
    return PasswordHash::verify(stored, typed);
}

namespace {

Check checkRow(Dataset& operators, const QString& password) {
    if (operators.isEmpty())
        return Check::NoSuchOperator;
    return passwordMatches(operators.text(QStringLiteral("yhmm")), password) ? Check::Ok
                                                                              : Check::WrongPassword;
}

void openOperator(Dataset& operators, const QString& name) {
    operators.open(SqlText({QStringLiteral("SELECT * FROM yhsz"), QStringLiteral("where yhmc=?")},
                           {name}));
}

} // namespace

Check logIn(Dataset& operators, const QString& name, const QString& password) {
    operators.open(SqlText({QStringLiteral("select *from yhsz where yhmc=?")}, {name}));
    return checkRow(operators, password);
}

Check checkPassword(Dataset& operators, const QString& name, const QString& password) {
    openOperator(operators, name);
    return checkRow(operators, password);
}

Check changePassword(Dataset& operators, const QString& oldPassword, const QString& newPassword) {
    if (!operators.isOpen() || operators.currentRow() < 0)
        return Check::NoSuchOperator;
    const Check c = checkRow(operators, oldPassword);
    if (c != Check::Ok)
        return c;
    const QString stored = PasswordHash::hash(newPassword);
    operators.edit();
    try {
        operators.setText(QStringLiteral("yhmm"), stored);
        operators.post();
    } catch (...) {
        operators.cancel();
        throw;
    }
    return Check::Ok;
}

Check changeOwnPassword(Dataset& operators, const QString& name, const QString& oldPassword,
                        const QString& newPassword) {
    openOperator(operators, name);
    return changePassword(operators, oldPassword, newPassword);
}

AddResult add(Database& db, const QString& name, const QString& password,
              const QString& confirmation) {
    const QString n = name.trimmed();
    if (n.isEmpty())
        return AddResult::EmptyName;
    const QString p = password.trimmed();
    if (p != confirmation.trimmed())
        return AddResult::PasswordsDiffer;
    if (exists(db, n))
        return AddResult::DuplicateName;
    db.exec(QStringLiteral("insert into yhsz (yhmc,yhmm) values(?,?)"), {n, PasswordHash::hash(p)});
    return AddResult::Added;
}

RemoveResult remove(Database& db, const QString& name) {
    if (name == administrator())
        return RemoveResult::Protected;
    Transaction t(db);
    db.exec(QStringLiteral("delete from quanxian where yh=?"), {name});
    db.exec(QStringLiteral("delete from yhsz where yhmc=?"), {name});
    t.commit();
    return RemoveResult::Removed;
}

QStringList permissions(Database& db, const QString& name) {
    QSet<QString> held;
    for (const QVariantList& row :
         db.rows(QStringLiteral("select qx from quanxian where yh=(select yhmc from yhsz where "
                                "yhmc=?)"),
                 {name}))
        held.insert(row.value(0).toString());
    QStringList l;
    for (const QString& p : Schema::permissionNames())
        if (held.contains(p))
            l << p;
    return l;
}

GrantResult grant(Database& db, const QString& name, const QStringList& granted) {
    const QString n = name.trimmed();
    if (n.isEmpty())
        return GrantResult::NoOperator;
    if (n == administrator())
        return GrantResult::Protected;
    for (const QString& p : granted)
        if (!Schema::permissionNames().contains(p.trimmed()))
            throw std::invalid_argument(
                QStringLiteral("未知的权限：%1").arg(p).toStdString());
    Transaction t(db);
    db.exec(QStringLiteral("delete from quanxian where yh=?"), {n});
    for (const QString& p : Schema::permissionNames()) {
        bool ticked = false;
        for (const QString& g : granted)
            ticked = ticked || g.trimmed() == p;
        if (ticked)
            db.exec(QStringLiteral("insert into quanxian (yh,qx) values(?,?)"), {n, p});
    }
    t.commit();
    return GrantResult::Granted;
}

} // namespace Operators
