#pragma once

#include "core/Money.h"
#include "data/SqlText.h"
#include "members/Refusal.h"

#include <QString>

class Dataset;

// The gift table zp with its small stock: saving a gift from the entry dialog, its totals and
// the query of the gift list. Writes go through the shared dataset AQzp1. Engine errors throw
// DbError.
namespace Gifts {

using Members::Outcome;
using Members::Refusal;

// What the entry dialog holds, as typed (the service trims and rounds).
struct Input {
    QString ppgg;
    QString txm;
    QString dw;
    Money sl;
    Money jg;
    Money jfjs;
};

// The stored code: the trimmed code, "无" when there is none.
QString code(const QString& typed);
// The stock value of a quantity at a unit cost, rounded to two decimals ("0.00").
Money value(Money sl, Money jg);

// The name must be there ("品名规格型号不可为空！") and the quantity, rounded to two decimals,
// must not be 0 ("数量不可为0！"). The unit may stay empty.
Outcome checkInput(const Input& in);

// A new gift: the checks above, then the triple name, code, unit must be new
// ("商品不可重复！", focus to the code). Appends the row with the trimmed texts, the numbers
// rounded to two decimals and je = sl x jg; the new row becomes the current row.
Outcome add(Dataset& zp, const Input& in);
// Changes the current gift: the same fields and je; no duplicate check.
Outcome modify(Dataset& zp, const Input& in);

// The sums of sl and je over the rows of the dataset (0 and 0 when closed or empty).
struct Totals {
    Money sl;
    Money je;
};
Totals totals(const Dataset& zp);

// The gift query: "SELECT * FROM zp", the name and code like conditions and the stock choice
// ("全部", "库存＞0", "库存＝0", "库存＜0"), without "order by id".
SqlText query(const QString& code, const QString& name, const QString& stockChoice);

} // namespace Gifts
