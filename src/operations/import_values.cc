// The import's readers of dates and numbers.
#include "operations/import_values.h"

#include "register/asset_register.h"

#include <cmath>
#include <cstdlib>

#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::operations::import {

namespace {

// Serial day 7306 of the 1900 date system is 1 January 1920, day 0 here.
constexpr long kSerialOfDayZero = 7306;

bool allDigits(std::string_view t) {
  return !t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos;
}

int digitsOf(std::string_view t) {
  return std::atoi(std::string(t).c_str());
}

std::optional<DayNumber> checkedDay(int y, int m, int d) {
  const DayNumber day = text::dayFromDate(y, m, d);
  if (day == 0) return std::nullopt;
  return day;
}

}  // namespace

std::string trimmed(std::string_view t) {
  const std::size_t a = t.find_first_not_of(" \t\r\n");
  if (a == std::string_view::npos) return {};
  return std::string(t.substr(a, t.find_last_not_of(" \t\r\n") - a + 1));
}

std::optional<DayNumber> importDate(std::string_view raw) {
  std::string t = trimmed(raw);
  if (t.empty()) return DayNumber{0};
  // "2020-03-15 00:00:00" and "2020-03-15T00:00:00": the day alone.
  if (t.size() > 10 && (t[10] == ' ' || t[10] == 'T')) t.resize(10);
  if (t.size() == 10 && t[4] == '-' && t[7] == '-' && allDigits(t.substr(0, 4)) &&
      allDigits(t.substr(5, 2)) && allDigits(t.substr(8, 2)))
    return checkedDay(digitsOf(t.substr(0, 4)), digitsOf(t.substr(5, 2)), digitsOf(t.substr(8, 2)));
  if (t.size() == 10 && (t[2] == '.' || t[2] == '-') && t[5] == t[2] && allDigits(t.substr(0, 2)) &&
      allDigits(t.substr(3, 2)) && allDigits(t.substr(6, 4)))
    return checkedDay(digitsOf(t.substr(6, 4)), digitsOf(t.substr(3, 2)), digitsOf(t.substr(0, 2)));
  if (t.size() == 8 && allDigits(t))
    return checkedDay(digitsOf(t.substr(0, 4)), digitsOf(t.substr(4, 2)), digitsOf(t.substr(6, 2)));
  if (t.size() == 6 && allDigits(t)) {
    const int yy = digitsOf(t.substr(4, 2));
    return checkedDay(yy >= 40 ? 1900 + yy : 2000 + yy, digitsOf(t.substr(2, 2)),
                      digitsOf(t.substr(0, 2)));
  }
  const std::optional<long double> serial = importNumber(t);
  if (!serial || *serial < kSerialOfDayZero || t.size() > 12) return std::nullopt;
  const long day = static_cast<long>(std::floor(*serial)) - kSerialOfDayZero;
  if (day < 1 || day > text::kLastTextDay) return std::nullopt;
  return static_cast<DayNumber>(day);
}

std::optional<long double> importNumber(std::string_view raw) {
  std::string t;
  for (char c : trimmed(raw))
    if (c != ' ' && c != '\xA0') t += c == ',' ? '.' : c;
  if (t.empty()) return 0.0L;
  if (t.size() > 40) return std::nullopt;
  char* end = nullptr;
  const long double v = std::strtold(t.c_str(), &end);
  if (*end || !std::isfinite(v) || t.find_first_of("xXpPnN") != std::string::npos)
    return std::nullopt;
  return v;
}

DayNumber dateOrThrow(std::string_view text, std::string_view head) {
  const std::optional<DayNumber> d = importDate(text);
  if (!d)
    throw RowError{text::fromUtf8(head) + text::fromUtf8(": to nie jest data \"") +
                   std::string(text) + "\""};
  return *d;
}

long double numberOrThrow(std::string_view text, std::string_view head) {
  const std::optional<long double> n = importNumber(text);
  if (!n)
    throw RowError{text::fromUtf8(head) + text::fromUtf8(": to nie jest liczba \"") +
                   std::string(text) + "\""};
  return *n;
}

std::string fitted(std::string_view text, std::size_t max) {
  std::string t = trimmed(text);
  if (t.size() > max) t.resize(max);
  return t;
}

std::string symbolText(std::string_view text) {
  return text::upperCase(trimmed(text));
}

std::string symbolThatFits(std::string symbol) {
  if (Status s = checkSymbolLength(symbol); !s) throw RowError{s.message()};
  return symbol;
}

}  // namespace zefir::operations::import
