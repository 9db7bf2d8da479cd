// The program's number and money texts, and its rounding.
//
// Rounding is done the way the program always did it: the value is written
// with a fixed number of decimals and read back. The conversions here are
// exact decimal conversions of the long double (std::to_chars/from_chars),
// independent of the C locale, so results agree at the halfway edges on every
// workstation.
#include "text/numbers.h"

#include <charconv>
#include <climits>
#include <system_error>

namespace zefir::text {

namespace {

std::string_view trimmedBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The value with exactly `decimals` decimals and a decimal point.
std::string fixedText(long double value, int decimals) {
  char buffer[128];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

// A decimal number: optional sign, digits with at most one point, optional exponent.
bool readReal(std::string_view text, long double* value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  for (char c : text) {
    bool allowed =
        (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
    if (!allowed) return false;  // no "inf", "nan" or hexadecimal forms
  }
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return ec == std::errc() && end == text.data() + text.size();
}

long double readBack(const std::string& text) {
  long double value = 0;
  if (!readReal(text, &value)) return 0;
  return value == 0 ? 0.0L : value;  // no negative zero ("-0.00")
}

// Full stops between thousands of the integer part ending at `point`, while
// the text stays shorter than `width`.
void insertThousands(std::string& text, size_t point, size_t width) {
  size_t firstDigit = !text.empty() && text.front() == '-' ? 1 : 0;
  for (size_t at = point; at >= firstDigit + 4 && text.size() < width; at -= 3)
    text.insert(at - 3, 1, '.');
}

std::string padLeft(std::string text, size_t width) {
  if (text.size() > width) text.resize(width);
  return std::string(width - text.size(), ' ') + text;
}

}  // namespace

long intFromText(std::string_view text) {
  text = trimmedBlanks(text.substr(0, 9));
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

int int16FromText(std::string_view text) {
  long value = intFromText(text);
  return value >= -32766 && value <= 32766 ? static_cast<int>(value) : 0;
}

int positive16FromText(std::string_view text) {
  long value = intFromText(text);
  return value >= 1 && value <= 65534 ? static_cast<int>(value) : 0;
}

long double realFromText(std::string_view text) {
  std::string s(trimmedBlanks(text.substr(0, 25)));
  if (size_t comma = s.find(','); comma != std::string::npos) s[comma] = '.';
  return readBack(s);
}

std::string intText(long value, int width) {
  if (value == 0) return std::string(width > 0 ? width : 0, ' ');
  return intTextWithZero(value, width);
}

std::string intTextWithZero(long value, int width) {
  std::string text = std::to_string(value);
  if (width > 0 && text.size() < static_cast<size_t>(width))
    text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
  return text;
}

std::string plainRealText(long double value, int decimals) {
  if (value == 0) return "";
  std::string text = fixedText(value, decimals < 0 ? 0 : decimals);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

std::string moneyText(long double value) {
  constexpr size_t kWidth = 15;
  if (value == 0) return std::string(kWidth, ' ');
  std::string text = fixedText(round4(value), 2);
  size_t point = text.find('.');
  text[point] = ',';
  insertThousands(text, point, kWidth);
  return padLeft(std::move(text), kWidth);
}

std::string quantityText(long double value) {
  constexpr size_t kWidth = 13;
  if (value == 0) return std::string(kWidth, ' ');
  std::string text = fixedText(value, 4);
  size_t point = text.find('.');
  text[point] = ',';
  insertThousands(text, point, kWidth);
  // Trailing zeros of the decimals, and then a bare comma, become blanks.
  size_t last = text.size();
  while (last > 0 && text[last - 1] == '0' && text.find(',') < last - 1) text[--last] = ' ';
  if (last > 0 && text[last - 1] == ',') text[last - 1] = ' ';
  return padLeft(std::move(text), kWidth);
}

long double R(long double x) {
  long double nudged = x > 0 ? x + 1E-6L : x - 1E-6L;
  return readBack(fixedText(nudged, 2));
}

long double round4(long double x) {
  return readBack(fixedText(x, 4));
}

bool equalMoney(long double a, long double b) {
  return round4(a - b) == 0;
}

}  // namespace zefir::text
