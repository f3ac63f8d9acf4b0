#pragma once

#include "core/Money.h"

#include <optional>

struct sqlite3;
struct sqlite3_stmt;

// SQL functions over money columns (INTEGER ten-thousandths), rounding exactly as Money does:
//   mmul(a,b)   a*b rounded to four places, half to even
//   mdiv(a,b)   a/b rounded to four places, half to even (NULL when b is 0)
//   mround(a,n) a rounded to n decimals (0..4), half to even
// SQL never multiplies two money fields with a bare "*": the scale would be squared.
void registerMoneyFunctions(sqlite3* db);

// A result column read as money: INTEGER as ten-thousandths, REAL and TEXT converted, NULL as
// nullopt.
std::optional<Money> moneyFromColumn(sqlite3_stmt* stmt, int column);
