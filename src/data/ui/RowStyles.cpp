#include "data/ui/RowStyles.h"

namespace RowStyles {

namespace {

template <typename Test> Dataset::RowStyle redWhenMoney(const QString& field, Test test) {
    return [field, test](const Dataset& ds, int row) -> Dataset::RowColors {
        const int c = ds.fieldIndex(field);
        if (c < 0 || ds.isNull(row, c) || !test(ds.money(row, c)))
            return {};
        return {red(), std::nullopt};
    };
}

} // namespace

Dataset::RowStyle redWhenText(const QString& field, const QString& value) {
    return [field, value](const Dataset& ds, int row) -> Dataset::RowColors {
        const int c = ds.fieldIndex(field);
        if (c < 0 || ds.text(row, c) != value)
            return {};
        return {red(), std::nullopt};
    };
}

Dataset::RowStyle redWhenAtMostZero(const QString& field) {
    return redWhenMoney(field, [](Money m) { return m <= Money(); });
}

Dataset::RowStyle redWhenNegative(const QString& field) {
    return redWhenMoney(field, [](Money m) { return m.isNegative(); });
}

Dataset::RowStyle redWhenPositive(const QString& field) {
    return redWhenMoney(field, [](Money m) { return m > Money(); });
}

Dataset::RowStyle redWhenAnyNegative(const QStringList& fields) {
    return [fields](const Dataset& ds, int row) -> Dataset::RowColors {
        for (const QString& f : fields) {
            const int c = ds.fieldIndex(f);
            if (c >= 0 && !ds.isNull(row, c) && ds.money(row, c).isNegative())
                return {red(), std::nullopt};
        }
        return {};
    };
}

Dataset::RowStyle greenWhenUnaudited() {
    return [](const Dataset& ds, int row) -> Dataset::RowColors {
        const int c = ds.fieldIndex(QStringLiteral("shbj"));
        if (c < 0 || ds.text(row, c) != QStringLiteral("未审核"))
            return {};
        return {std::nullopt, lightGreen()};
    };
}

Dataset::RowStyle combine(Dataset::RowStyle a, Dataset::RowStyle b) {
    return [a, b](const Dataset& ds, int row) {
        Dataset::RowColors out = a ? a(ds, row) : Dataset::RowColors{};
        if (b && (!out.text || !out.background)) {
            const Dataset::RowColors more = b(ds, row);
            if (!out.text)
                out.text = more.text;
            if (!out.background)
                out.background = more.background;
        }
        return out;
    };
}

} // namespace RowStyles
