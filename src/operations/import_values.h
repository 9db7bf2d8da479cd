// Reading the import's cell texts as the asset record's values, and the
// texts fitted into its fields.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/day_number.h"

namespace zefir::operations::import {

// A date as spreadsheets and tables give it: a serial day (1900 date system,
// "43905" or "43905.5"), "YYYY-MM-DD" (a time after it ignored), "DD.MM.YYYY",
// "DD-MM-YYYY", "YYYYMMDD" or "DDMMYY". An empty text is no date (0);
// anything else, or a day outside 1920..2039, is nullopt.
std::optional<DayNumber> importDate(std::string_view text);
// A number with a decimal point or comma, blanks between thousands allowed.
// An empty text is 0; anything else that is no number is nullopt.
std::optional<long double> importNumber(std::string_view text);
// The text without leading and trailing blanks, tabs and line ends.
std::string trimmed(std::string_view text);
// The text trimmed of blanks and cut to `max` characters.
std::string fitted(std::string_view text, std::size_t max);
// An asset symbol from a source text: trimmed, upper case (code page 1250).
std::string symbolText(std::string_view text);

// A cell that cannot be read, with the reason (code page 1250); thrown by
// the readers below so that a row's import stops at its first bad cell.
struct RowError {
  std::string reason;
};
// `symbol` when it fits the register's symbol field; a longer one throws
// RowError naming it (cut, it would name another asset and overwrite it).
std::string symbolThatFits(std::string symbol);
// importDate and importNumber for the cell under `head` (UTF-8), throwing
// RowError "head: to nie jest data "..."" (or "liczba").
DayNumber dateOrThrow(std::string_view text, std::string_view head);
long double numberOrThrow(std::string_view text, std::string_view head);

}  // namespace zefir::operations::import
