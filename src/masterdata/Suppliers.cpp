#include "masterdata/Suppliers.h"

#include "data/Database.h"
#include "data/Dataset.h"

namespace Suppliers {

namespace {

MasterData::Outcome checkName(const Entry& e) {
    if (e.mc.trimmed().isEmpty())
        return MasterData::Refusal::information(QStringLiteral("名称不可为空！"),
                                                QStringLiteral("mc"));
    return {};
}

void write(Dataset& ghs, const Entry& e) {
    for (const Field& f : fields())
        ghs.setText(QString::fromLatin1(f.name), (e.*f.member).trimmed());
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

const std::array<Field, 9>& fields() {
    static const std::array<Field, 9> all = {{{"mc", &Entry::mc},     {"lxr", &Entry::lxr},
                                 {"lxdh", &Entry::lxdh}, {"lxdz", &Entry::lxdz},
                                 {"lxcz", &Entry::lxcz}, {"yb", &Entry::yb},
                                 {"yhmc", &Entry::yhmc}, {"yhzh", &Entry::yhzh},
                                 {"bz", &Entry::bz}}};
    return all;
}

MasterData::Outcome add(Dataset& ghs, const Entry& entry) {
    if (MasterData::Outcome r = checkName(entry))
        return r;
    if (ghs.database().exists(QStringLiteral("select mc from ghs where mc=?"),
                              {entry.mc.trimmed()}))
        return MasterData::Refusal::warning(QStringLiteral("厂商不可重复！"), QStringLiteral("mc"));
    if (!ghs.isOpen())
        ghs.open();
    ghs.append();
    write(ghs, entry);
    post(ghs);
    return {};
}

MasterData::Outcome modify(Dataset& ghs, const Entry& entry) {
    if (MasterData::Outcome r = checkName(entry))
        return r;
    ghs.edit();
    write(ghs, entry);
    post(ghs);
    return {};
}

Entry fromCurrentRow(const Dataset& ghs) {
    Entry e;
    for (const Field& f : fields())
        e.*f.member = ghs.text(QString::fromLatin1(f.name));
    return e;
}

} // namespace Suppliers
