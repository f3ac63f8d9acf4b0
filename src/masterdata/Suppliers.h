#pragma once

#include "masterdata/Refusal.h"

#include <QString>

#include <array>

class Dataset;

// The supplier table ghs as the supplier entry dialog saves it. Writes go through the shared
// dataset AQghs1, so the supplier list and picker show them at once. Engine errors throw DbError.
namespace Suppliers {

// The nine texts of the entry dialog, in box order; all are trimmed before they are checked
// and stored.
struct Entry {
    QString mc;   // 名称, required, unique on insert
    QString lxr;  // 联系人
    QString lxdh; // 联系方式
    QString lxdz; // 联系地址
    QString lxcz; // 传真号码
    QString yb;   // 邮政编码
    QString yhmc; // 开户银行
    QString yhzh; // 银行帐号
    QString bz;   // 备注
};

// The entry's field in ghs by name ("mc" ... "bz"), in box order.
struct Field {
    const char* name;
    QString Entry::*member;
};
const std::array<Field, 9>& fields();

// A new supplier: the name must be there ("名称不可为空！") and new ("厂商不可重复！", compared
// trimmed). Appends the row (opening the dataset on every supplier when it is closed); the new
// row becomes current. Nothing is written on a refusal.
MasterData::Outcome add(Dataset& ghs, const Entry& entry);
// Writes the entry into the current row. Only the name is checked; a name another supplier
// already has is accepted, and records that carry the old name keep it.
MasterData::Outcome modify(Dataset& ghs, const Entry& entry);
// The current row as an entry.
Entry fromCurrentRow(const Dataset& ghs);

} // namespace Suppliers
