// The central bank's yearly archive of table A average rates
// ("archiwum_tab_a_YYYY.csv") and the rate file made from it ("KursYYYY").
//
// The archive is ";"-separated text, in code page 1250 as the bank serves it
// or in UTF-8. Its first line holds the column heads: "data", one column per
// currency headed by its unit and code ("1USD", "100HUF", in older years with
// the currency's name after the code), and one or two table-number columns
// ("nr tabeli", "pełny numer tabeli"). Data lines begin with the day as
// YYYYMMDD; every other line (the names line, "...", the footer) is skipped.
// The columns change from year to year, so they are found by their heads.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/day_number.h"

namespace zefir::net {

struct RateColumn {
  std::string head;  // as in the archive, code page 1250 ("100HUF")
  std::string code;  // "HUF"
  int unit = 1;      // 100 for "100HUF"
};

struct RateRow {
  DayNumber day = 0;
  std::string table;  // the full table number where the archive has one ("001/A/NBP/2024")
  // Per column: the rate for one unit, or nothing where the field is empty.
  std::vector<std::optional<long double>> rates;
};

struct RateArchive {
  std::vector<RateColumn> columns;
  std::vector<RateRow> rows;  // in the archive's order
};

// Reads an archive's whole text. Never fails: what it cannot read is left out.
RateArchive readRateArchive(std::string_view content);

// The rate file's text, code page 1250: for each currency one line per day
// with a rate, "DD-MM-YYYY  day  rate  table" (the rate for one unit with four
// decimals, two more for a unit of 100, four more for 10000), the currency's
// last line led by its head.
std::string rateFileText(const RateArchive& archive);

// The rate file's lines as the pick list shows them (code page 1250); empty
// when the file cannot be read.
std::vector<std::string> readRateFile(std::string_view path);

// One line of the rate file taken apart, for the pick list: its key is the
// rate, wherever the currency's head moved it.
struct RateLine {
  std::string head;  // the currency's head on its last line, else ""
  DayNumber day = 0;
  std::string rate;  // "4.2730"
  std::string table;
};
std::optional<RateLine> parseRateLine(std::string_view line);

}  // namespace zefir::net
