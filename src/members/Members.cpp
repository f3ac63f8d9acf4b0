#include "members/Members.h"

#include "core/Clock.h"
#include "data/Database.h"
#include "data/Dataset.h"

namespace Members {

namespace {

Input trimmed(const Input& in) {
    Input t = in;
    for (QString* s : {&t.bm, &t.mc, &t.xb, &t.csrq, &t.zj, &t.yb, &t.lxdh, &t.lxdz, &t.dj, &t.bz})
        *s = s->trimmed();
    t.zjf = in.zjf.rounded(2);
    t.zxf = in.zxf.rounded(2);
    return t;
}

void write(Dataset& kh, const Input& t) {
    kh.setText(QStringLiteral("bm"), t.bm);
    kh.setText(QStringLiteral("mc"), t.mc);
    kh.setText(QStringLiteral("xb"), t.xb);
    kh.setText(QStringLiteral("csrq"), t.csrq);
    kh.setText(QStringLiteral("zj"), t.zj);
    kh.setText(QStringLiteral("yb"), t.yb);
    kh.setText(QStringLiteral("lxdh"), t.lxdh);
    kh.setText(QStringLiteral("lxdz"), t.lxdz);
    kh.setMoney(QStringLiteral("zjf"), t.zjf);
    kh.setMoney(QStringLiteral("zxf"), t.zxf);
    kh.setText(QStringLiteral("dj"), t.dj);
    kh.setMoney(QStringLiteral("zk"), t.zk);
    kh.setText(QStringLiteral("bz"), t.bz);
    kh.setText(QStringLiteral("kkrq"), Clock::todayText());
}

} // namespace

Outcome checkRequired(const Input& in) {
    if (in.bm.trimmed().isEmpty())
        return Refusal::information(QStringLiteral("会员卡号不可为空！"), QStringLiteral("bm"));
    if (in.mc.trimmed().isEmpty())
        return Refusal::information(QStringLiteral("会员姓名不可为空！"), QStringLiteral("mc"));
    if (in.xb.trimmed().isEmpty())
        return Refusal::information(QStringLiteral("会员性别不可为空！"), QStringLiteral("xb"));
    if (in.dj.trimmed().isEmpty())
        return Refusal::information(QStringLiteral("会员等级不可为空！"), QStringLiteral("dj"));
    return {};
}

Outcome add(Dataset& kh, const Input& in) {
    if (Outcome r = checkRequired(in))
        return r;
    const Input t = trimmed(in);
    // The card is compared as it is stored (trimmed), so " 007" is the card "007".
    if (kh.database().exists(QStringLiteral("select bm from kh where bm=?"), {t.bm}))
        return Refusal::warning(QStringLiteral("会员卡号不可重复！"), QStringLiteral("mc"));
    if (!kh.isOpen())
        kh.open();
    kh.append();
    write(kh, t);
    kh.setText(QStringLiteral("ztbj"), usable());
    kh.post();
    return {};
}

Outcome modify(Dataset& kh, const Input& in) {
    if (Outcome r = checkRequired(in))
        return r;
    kh.edit();
    write(kh, trimmed(in));
    kh.post();
    return {};
}

Outcome checkDelete(const Dataset& kh) {
    if (kh.text(QStringLiteral("mc")) == walkIn())
        return Refusal::warning(QStringLiteral("不可删除“无卡顾客”！"));
    return {};
}

Outcome setCardState(Dataset& kh, const QString& state) {
    if (!kh.isOpen())
        return Refusal::warning(QStringLiteral("数据表未打开，请先查询！"));
    if (kh.isEmpty())
        return Refusal::warning(QStringLiteral("没有会员可修改！"));
    if (kh.text(QStringLiteral("ztbj")) == state)
        return Refusal::warning(QStringLiteral("“%1”标记，无须修改！").arg(state));
    kh.edit();
    kh.setText(QStringLiteral("ztbj"), state);
    kh.post();
    return {};
}

} // namespace Members
