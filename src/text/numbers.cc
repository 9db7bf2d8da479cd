// The program's number and money texts (rounding itself is in rounding.h).
//
// The conversions here are exact: the binary value's decimal digits rounded
// half to even, as printf("%.2Lf") and strtold do, but independent of the C
// locale (Qt sets it from the environment). Amounts below 2^47 take a path of
// exact integer arithmetic; larger ones go through std::to_chars/from_chars.
#include "text/numbers.h"

#include <atomic>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>
#include <vector>

namespace zefir::text {

namespace {

std::string_view trimmedBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
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

constexpr unsigned long long kPowersOfTen[] = {1, 10, 100, 1000, 10000};

// |x| x 10^decimals rounded to a whole number exactly as a decimal text with
// that many decimals rounds it (the exact binary value, halves to even), for
// 0 to 4 decimals and |x| below 2^47 (about 1.4 x 10^14). False when out of
// that range; the caller then goes through the text form.
bool scaledWhole(long double x, int decimals, unsigned long long* whole) {
  if (std::numeric_limits<long double>::digits > 64) return false;
  if (decimals < 0 || decimals > 4 || !std::isfinite(x)) return false;
  if (x == 0) {
    *whole = 0;
    return true;
  }
  int exponent = 0;
  long double fraction = std::frexp(std::fabs(x), &exponent);  // |x| = fraction x 2^exponent
  auto mantissa = static_cast<unsigned long long>(std::ldexp(fraction, 64));  // exact
  int shift = 64 - exponent;  // |x| = mantissa / 2^shift
  if (exponent > 47) return false;
  unsigned __int128 scaled = static_cast<unsigned __int128>(mantissa) * kPowersOfTen[decimals];
  if (shift >= 100) {  // scaled < 2^78: far below one half
    *whole = 0;
    return true;
  }
  unsigned __int128 result = scaled >> shift;
  unsigned __int128 rest = scaled - (result << shift);
  unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
  if (rest > half || (rest == half && (result & 1) != 0)) ++result;
  *whole = static_cast<unsigned long long>(result);
  return true;
}

// The value with exactly `decimals` decimals and a decimal point.
std::string fixedText(long double value, int decimals) {
  unsigned long long whole = 0;
  if (scaledWhole(value, decimals, &whole)) {
    unsigned long long scale = kPowersOfTen[decimals];
    std::string text = std::signbit(value) ? "-" : "";
    text += std::to_string(whole / scale);
    if (decimals > 0) {
      std::string part = std::to_string(whole % scale);
      text += '.' + std::string(static_cast<size_t>(decimals) - part.size(), '0') + part;
    }
    return text;
  }
  std::vector<char> buffer(128);
  for (;;) {
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, decimals);
    if (ec == std::errc()) return std::string(buffer.data(), end);
    if (buffer.size() > 8192) return "0";
    buffer.resize(buffer.size() * 8);
  }
}

}  // namespace

namespace {
std::atomic<unsigned long long> exactWork{0};
}  // namespace

unsigned long long detail::exactRoundingWork() {
  return exactWork.load(std::memory_order_relaxed);
}

long double detail::roundedExactly(long double value, int decimals) {
  if (!std::isfinite(value)) return 0;
  // From 2^63 on an 80-bit real is a whole number (wider ones at 2^113).
  constexpr long double kWholeFrom =
      std::numeric_limits<long double>::digits > 64 ? 0x1p113L : 0x1p63L;
  if (std::fabs(value) >= kWholeFrom) return value;
  unsigned long long whole = 0;
  if (scaledWhole(value, decimals, &whole)) {
    // One correctly rounded division gives the long double nearest the
    // decimal, as reading the text would.
    long double result =
        static_cast<long double>(whole) / static_cast<long double>(kPowersOfTen[decimals]);
    return result == 0 ? 0.0L : std::signbit(value) ? -result : result;
  }
  const std::string text = fixedText(value, decimals);
  exactWork.fetch_add(text.size(), std::memory_order_relaxed);
  long double result = readBack(text);
  return result == 0 ? 0.0L : result;
}

namespace {

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

namespace {

// A tiny negative amount written with few decimals reads "-0.00"; the
// accountant sees no sign on a zero.
std::string withoutMinusOnZero(std::string text) {
  if (!text.empty() && text.front() == '-' && text.find_first_not_of("0.", 1) == std::string::npos)
    text.erase(0, 1);
  return text;
}

}  // namespace

std::string moneyText(long double value) {
  constexpr size_t kWidth = 15;
  if (value == 0) return std::string(kWidth, ' ');
  std::string text = withoutMinusOnZero(fixedText(round4(value), 2));
  size_t point = text.find('.');
  text[point] = ',';
  insertThousands(text, point, kWidth);
  return padLeft(std::move(text), kWidth);
}

std::string quantityText(long double value) {
  constexpr size_t kWidth = 13;
  if (value == 0) return std::string(kWidth, ' ');
  std::string text = withoutMinusOnZero(fixedText(value, 4));
  size_t point = text.find('.');
  text[point] = ',';
  insertThousands(text, point, kWidth);
  // Trailing zeros of the decimals, and then a bare comma, become blanks.
  size_t last = text.size();
  while (last > 0 && text[last - 1] == '0' && text.find(',') < last - 1) text[--last] = ' ';
  if (last > 0 && text[last - 1] == ',') text[last - 1] = ' ';
  return padLeft(std::move(text), kWidth);
}

}  // namespace zefir::text
