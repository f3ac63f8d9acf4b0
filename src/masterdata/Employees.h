#pragma once

#include "masterdata/Refusal.h"

#include <QString>

class Dataset;

// The employee table yg as the employee entry dialog saves it. Writes go through the shared
// dataset AQyg1, so the employee list and picker show them at once. Engine errors throw DbError.
namespace Employees {

inline QString male() { return QStringLiteral("男"); }
inline QString female() { return QStringLiteral("女"); }

// What the entry dialog holds, box by box; texts are trimmed before they are checked and stored.
struct Entry {
    QString xm;   // 姓名, required, unique on insert
    QString xb;   // 性别, required
    QString zw;   // 职务
    QString bm;   // 部门
    QString dh;   // 电话
    QString dz;   // 住址
    QString jbgz; // 基本工资 as typed; stored rounded to two decimals ("" stands for 0)
    QString sfz;  // 身份证号
    QString bz;   // 备注
};

// Name, then sex must be there ("姓名不可为空！", "性别不可为空！").
MasterData::Outcome checkRequired(const Entry& entry);

// A new employee: the required fields, then the name must be new ("员工不可重复！", compared
// trimmed). Appends the row (opening the dataset on every employee when it is closed); the new
// row becomes current. Nothing is written on a refusal.
MasterData::Outcome add(Dataset& yg, const Entry& entry);
// Writes the entry into the current row. No duplicate test: an employee may be renamed to a name
// another one has. Records that carry the old name keep it.
MasterData::Outcome modify(Dataset& yg, const Entry& entry);
// The current row as an entry (the salary in its grid form, "3.50").
Entry fromCurrentRow(const Dataset& yg);

} // namespace Employees
