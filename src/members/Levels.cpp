#include "members/Levels.h"

#include "data/Database.h"
#include "data/Dataset.h"
#include "members/Members.h"

namespace Levels {

Outcome add(Dataset& dj, const QString& level, Money discount) {
    const QString name = level.trimmed();
    if (name.isEmpty())
        return Refusal::information(QStringLiteral("等级不可为空！"), QStringLiteral("dj"));
    if (dj.database().exists(QStringLiteral("select dj from dj where dj=?"), {name}))
        return Refusal::warning(QStringLiteral("等级不可重复！"), QStringLiteral("dj"));
    if (!dj.isOpen())
        dj.open();
    dj.append();
    dj.setText(QStringLiteral("dj"), name);
    dj.setMoney(QStringLiteral("zk"), discount.rounded(2));
    dj.post();
    return {};
}

Outcome checkChoose(const Dataset& dj) {
    if (!dj.isOpen() || dj.isEmpty())
        return Refusal::warning(QStringLiteral("没有等级可选择！"));
    return {};
}

Outcome checkDelete(const Dataset& dj) {
    if (!dj.isOpen() || dj.isEmpty())
        return Refusal::warning(QStringLiteral("没有等级可删除！"));
    if (dj.text(QStringLiteral("dj")) == Members::walkIn())
        return Refusal::warning(QStringLiteral("不可删除“无卡顾客”！"));
    return {};
}

} // namespace Levels
