#include "data/MoneyFunctions.h"

#include <QString>

#include <sqlite3.h>

namespace {

std::optional<Money> moneyFromValue(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
        return Money::fromRaw(sqlite3_value_int64(v));
    case SQLITE_NULL:
        return std::nullopt;
    case SQLITE_FLOAT:
        return Money::parse(QString::number(sqlite3_value_double(v), 'f', 6));
    default:
        return Money::parse(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)),
                                              sqlite3_value_bytes(v)));
    }
}

// A NULL argument gives NULL; a value that is not a number (or out of range) is an error, never
// a silent NULL that a sum would skip.
bool argument(sqlite3_context* ctx, sqlite3_value* v, std::optional<Money>& out) {
    out = moneyFromValue(v);
    if (!out && sqlite3_value_type(v) != SQLITE_NULL) {
        sqlite3_result_error(ctx, "not a money value", -1);
        return false;
    }
    return true;
}

template <typename Op> void binary(sqlite3_context* ctx, sqlite3_value** argv, Op op) {
    std::optional<Money> a, b;
    if (!argument(ctx, argv[0], a) || !argument(ctx, argv[1], b))
        return;
    if (!a || !b) {
        sqlite3_result_null(ctx);
        return;
    }
    try {
        if (auto r = op(*a, *b))
            sqlite3_result_int64(ctx, r->raw());
        else
            sqlite3_result_null(ctx);
    } catch (const std::exception& e) {
        sqlite3_result_error(ctx, e.what(), -1);
    }
}

void mmul(sqlite3_context* ctx, int, sqlite3_value** argv) {
    binary(ctx, argv, [](Money a, Money b) -> std::optional<Money> { return a * b; });
}

void mdiv(sqlite3_context* ctx, int, sqlite3_value** argv) {
    binary(ctx, argv, [](Money a, Money b) -> std::optional<Money> {
        if (b.isZero())
            return std::nullopt;
        return a / b;
    });
}

void mround(sqlite3_context* ctx, int, sqlite3_value** argv) {
    std::optional<Money> a;
    if (!argument(ctx, argv[0], a))
        return;
    if (!a) {
        sqlite3_result_null(ctx);
        return;
    }
    const int n = sqlite3_value_int(argv[1]);
    if (n < 0 || n > 4) {
        sqlite3_result_error(ctx, "mround: decimals must be 0..4", -1);
        return;
    }
    try {
        sqlite3_result_int64(ctx, a->rounded(n).raw());
    } catch (const std::exception& e) {
        sqlite3_result_error(ctx, e.what(), -1);
    }
}

} // namespace

void registerMoneyFunctions(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "mmul", 2, flags, nullptr, mmul, nullptr, nullptr);
    sqlite3_create_function(db, "mdiv", 2, flags, nullptr, mdiv, nullptr, nullptr);
    sqlite3_create_function(db, "mround", 2, flags, nullptr, mround, nullptr, nullptr);
}

std::optional<Money> moneyFromColumn(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return Money::fromRaw(sqlite3_column_int64(stmt, column));
    case SQLITE_NULL:
        return std::nullopt;
    default:
        return moneyFromValue(sqlite3_column_value(stmt, column));
    }
}
