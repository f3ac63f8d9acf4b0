#pragma once

#include "core/Money.h"
#include "members/Refusal.h"

#include <QString>

class Dataset;

// The member levels dj and their discounts, kept through the shared dataset AQdj1. A member
// holds a copy of its level's name and discount, so deleting or adding levels never touches
// the members. Engine errors throw DbError.
namespace Levels {

using Members::Outcome;
using Members::Refusal;

// A new level: the trimmed name must be there ("等级不可为空！") and new ("等级不可重复！");
// the discount is rounded to two decimals. The new row becomes the current row.
Outcome add(Dataset& dj, const QString& level, Money discount);

// 选择 needs a level to choose ("没有等级可选择！").
Outcome checkChoose(const Dataset& dj);

// 删除 needs a level to delete and refuses the walk-in level "无卡顾客".
Outcome checkDelete(const Dataset& dj);

} // namespace Levels
