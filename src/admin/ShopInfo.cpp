#include "admin/ShopInfo.h"

#include "data/DM1.h"
#include "data/Dataset.h"

namespace {

struct Field {
    const char* name;
    QString ShopInfo::*member;
};

constexpr Field Fields[] = {
    {"mczc", &ShopInfo::mczc},   {"mcdy", &ShopInfo::mcdy},   {"lxr", &ShopInfo::lxr},
    {"dh", &ShopInfo::dh},       {"cz", &ShopInfo::cz},       {"dz", &ShopInfo::dz},
    {"bz1", &ShopInfo::bz1},     {"bz2", &ShopInfo::bz2},     {"dybz1", &ShopInfo::dybz1},
    {"dybz2", &ShopInfo::dybz2}, {"dybz3", &ShopInfo::dybz3}, {"dybz4", &ShopInfo::dybz4},
    {"dy", &ShopInfo::dy},
};

} // namespace

const QStringList& ShopInfo::printerChoices() {
    static const QStringList choices = {
        QStringLiteral("并口小票"), QStringLiteral("普通单据"), QStringLiteral("不打印"),
        QStringLiteral("USB口小票1"), QStringLiteral("USB口小票2")};
    return choices;
}

ShopInfo ShopInfo::load(TDM1& dm) {
    Dataset& row = dm.danwei();
    if (row.isEmpty())
        throw DbError(QStringLiteral("店铺信息不存在"));
    row.first();
    ShopInfo info;
    for (const Field& f : Fields)
        info.*f.member = row.text(QString::fromLatin1(f.name));
    return info;
}

void ShopInfo::save(TDM1& dm, const ShopInfo& info) {
    Dataset& row = dm.danwei();
    if (row.isEmpty())
        throw DbError(QStringLiteral("店铺信息不存在"));
    row.first();
    row.edit();
    try {
        for (const Field& f : Fields)
            row.setText(QString::fromLatin1(f.name), info.*f.member);
        row.post();
    } catch (...) {
        row.cancel();
        throw;
    }
}
