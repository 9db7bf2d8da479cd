// The program's number and money texts, and its rounding.
#pragma once

#include <string>
#include <string_view>

#include "text/rounding.h"  // R, round4, equalMoney

namespace zefir::text {

// Integer from a text of up to 9 characters; leading blanks dropped; not a number gives 0.
long intFromText(std::string_view text);
// The integer when between -32,766 and 32,766, else 0.
int int16FromText(std::string_view text);
// The integer when between 1 and 65,534, else 0.
int positive16FromText(std::string_view text);
// Real from a text of up to 25 characters; the first comma reads as a decimal point.
long double realFromText(std::string_view text);

// Right-aligned in `width`; 0 gives blanks (the empty text for width 0).
std::string intText(long value, int width);
// As intText, but 0 gives "0".
std::string intTextWithZero(long value, int width);
// With `decimals` decimals, trailing zeros and a trailing point removed; 0 gives "".
std::string plainRealText(long double value, int decimals);
// Width 15, two decimals, decimal comma, full stops between thousands; 0 gives 15 blanks.
std::string moneyText(long double value);
// Width 13, up to 4 decimals (trailing zeros blanked); 0 gives 13 blanks.
std::string quantityText(long double value);

}  // namespace zefir::text
