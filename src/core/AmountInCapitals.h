#pragma once

#include "core/Money.h"

#include <QString>

// A non-negative money amount in Chinese financial capitals (大写), as printed beside the amount in
// figures: 1.05 -> 壹圆零伍分, 0.50 -> 伍角整, 100000000 -> 壹亿圆整, 0 -> 零. The amount is first
// rounded to two decimals, an exact half away from zero.
//
// Two cases have no rendering of their own:
// - an amount above zero that rounds to 0.00 (0.004) gives "零", like zero itself;
// - an amount whose rounded form is 10^13 or more (beyond 万亿) gives an empty string, and so does
//   a negative amount: callers pass the absolute value and add their own sign word, and treat an
//   empty result as "cannot be written".
QString AmountInCapitals(const Money& amount);
