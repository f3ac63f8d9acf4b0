#pragma once

#include "core/Money.h"
#include "members/Refusal.h"

#include <QString>

class Dataset;

// The member table kh: saving a member from the entry dialog, the walk-in customer's protection
// and the card state. Writes go through the shared dataset AQkh1, so open lists show them at
// once. Engine errors throw DbError.
namespace Members {

// The walk-in customer: member name and level of the sales without a card.
inline QString walkIn() { return QStringLiteral("无卡顾客"); }
inline QString usable() { return QStringLiteral("可用"); }
inline QString blocked() { return QStringLiteral("不可用"); }

// What the entry dialog holds, as typed (the service trims and rounds).
struct Input {
    QString bm;
    QString mc;
    QString xb;
    QString csrq;
    QString zj;
    QString yb;
    QString lxdh;
    QString lxdz;
    QString dj;
    Money zk = Money(1);
    Money zjf;
    Money zxf;
    QString bz;
};

// Card, name, sex and level must be there (in that order, "提示").
Outcome checkRequired(const Input& in);

// A new member: the required fields, then the card number must be new ("会员卡号不可重复！",
// focus to the name). Appends the row with the trimmed texts, 总积分 and 总消费 rounded to two
// decimals, kkrq = today and ztbj = "可用"; the new row becomes the current row.
Outcome add(Dataset& kh, const Input& in);
// Changes the current member: the same fields and kkrq = today; the card state stays and the
// card number is not checked against the others.
Outcome modify(Dataset& kh, const Input& in);

// 删除 refuses the walk-in customer.
Outcome checkDelete(const Dataset& kh);

// 改标记：可用 / 改标记：不可用 on the current member: refuses a closed or empty list and a
// card that already is in that state.
Outcome setCardState(Dataset& kh, const QString& state);

} // namespace Members
