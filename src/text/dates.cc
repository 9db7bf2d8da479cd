// Day numbers and their text forms.
#include "text/dates.h"

#include <array>
#include <cmath>

#include "text/codepage.h"

namespace zefir::text {

namespace {

// Days before month MM (mod 12) beyond 30 a month, as the DDMMYY formula counts them.
constexpr std::array<int, 12> kMonthCorrection = {0, 1, 2, 0, 1, 1, 2, 2, 3, 4, 4, 5};

struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// The calendar date of a day number; every fourth year from 1920 is a leap year.
CalendarDate dateOfDay(DayNumber day) {
  int q = day % 1461;
  CalendarDate date;
  date.year = 1920 + 4 * (day / 1461);
  int february = 29;
  if (q > 365) {
    q -= 366;
    date.year += 1 + q / 365;
    q %= 365;
    february = 28;
  }
  const std::array<int, 12> lengths = {31, february, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int month = 0;
  while (q >= lengths[month]) q -= lengths[month++];
  date.month = month + 1;
  date.day = q + 1;
  return date;
}

// y counts years from 1920.
DayNumber dayFromParts(int dd, int mm, long y) {
  long day = (dd - 31) + 30L * mm + kMonthCorrection[mm % 12] + 5L * (mm / 12) + 365 * y + y / 4;
  if (y % 4 == 0 && mm < 3) --day;
  if (day < 0 || day > 0xFFFF) return 0;
  return static_cast<DayNumber>(day);
}

std::string digitsOf(std::string_view text) {
  std::string digits;
  for (char c : text)
    if (c >= '0' && c <= '9') digits += c;
  return digits;
}

int number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

bool isCentury(std::string_view two) {
  return two == "19" || two == "20";
}

}  // namespace

DayNumber dayFromShortText(std::string_view text) {
  // Only the first six digits count: a longer text (a typed date that fits no
  // shape) is converted as it comes.
  std::string digits = digitsOf(text).substr(0, 6);
  if (digits.size() < 5) return 0;
  if (digits.size() == 5) digits.insert(0, "0");
  int yy = number(digits.substr(4, 2));
  return dayFromParts(number(digits.substr(0, 2)), number(digits.substr(2, 2)),
                      yy >= 40 ? yy - 20 : yy + 80);
}

std::string typedDateDigits(std::string_view text, DayNumber today) {
  std::string digits = digitsOf(text.substr(0, 10));
  if (digits.empty()) return digits;
  if (digits.size() % 2 != 0) digits.insert(0, "0");
  if (digits.size() == 8) {
    if (isCentury(digits.substr(4, 2)))
      digits.erase(4, 2);
    else if (isCentury(digits.substr(0, 2)))
      digits = digits.substr(6, 2) + digits.substr(4, 2) + digits.substr(2, 2);
  } else if (digits.size() < 6) {
    std::string now = shortTextOfDay(today);
    if (now.size() == 6) digits += now.substr(digits.size());
  }
  return digits;
}

// An empty field stays "no date" rather than becoming today.
DayNumber dayFromTypedText(std::string_view text, DayNumber today) {
  return dayFromShortText(typedDateDigits(text, today));
}

DayNumber dayFromDate(int year, int month, int day) {
  if (year < 1920 || year > 2039 || month < 1 || month > 12 || day < 1 || day > 31) return 0;
  DayNumber result = dayFromParts(day, month, year - 1920);
  CalendarDate check = dateOfDay(result);
  return check.day == day && check.month == month ? result : 0;  // 30 February is no day
}

std::string shortTextOfDay(DayNumber day) {
  if (day == 0) return "";
  if (day > kLastTextDay) return "  ??  ";
  CalendarDate date = dateOfDay(day);
  return twoDigits(date.day) + twoDigits(date.month) + twoDigits(date.year % 100);
}

std::string mediumTextOfDay(DayNumber day) {
  if (day == 0) return std::string(8, ' ');
  CalendarDate date = dateOfDay(day);
  return twoDigits(date.day) + "-" + twoDigits(date.month) + "-" + twoDigits(date.year % 100);
}

std::string longTextOfDay(DayNumber day) {
  if (day == 0) return std::string(10, ' ');
  CalendarDate date = dateOfDay(day);
  return twoDigits(date.day) + "-" + twoDigits(date.month) + "-" + std::to_string(date.year);
}

std::string weekdayOfDay(DayNumber day) {
  static const std::array<const char*, 7> kNames = {
      "poniedziałek", "wtorek", "środa", "czwartek", "piątek", "sobota", "niedziela"};
  if (day == 0) return "";
  return fromUtf8(kNames[(day + 3) % 7]);
}

// Day 0 means "no date": its year, month and day are 0, not 1 January 1920.
int yearOfDay(DayNumber day) {
  return day == 0 ? 0 : dateOfDay(day).year;
}
int monthOfDay(DayNumber day) {
  return day == 0 ? 0 : dateOfDay(day).month;
}
int dayOfMonth(DayNumber day) {
  return day == 0 ? 0 : dateOfDay(day).day;
}

int monthOfDayJanuaryZero(DayNumber day) {
  if (day == 0) return 0;
  CalendarDate date = dateOfDay(day);
  return date.month == 1 && date.day == 1 ? 0 : date.month;
}

std::string twoDigits(int n) {
  n = ((n % 100) + 100) % 100;
  return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

}  // namespace zefir::text
