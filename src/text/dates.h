// Day numbers and their text forms.
//
// A day number counts days from 1 January 1920 (day 0, a Thursday); 0 also
// means "no date". The text forms accept days up to 31 December 2039 (day
// 43,829). Two-digit years 40-99 are 1940-1999, 00-39 are 2000-2039.
#pragma once

#include <string>
#include <string_view>

#include "text/day_number.h"

namespace zefir::text {

inline constexpr DayNumber kLastTextDay = 43829;  // 31 December 2039

// DDMMYY (non-digits dropped, the first 6 digits used; fewer than 5 digits give
// 0, 5 digits get a leading "0"). Out-of-range results give 0. Impossible days
// run on ("310220" is 2 March 2020).
DayNumber dayFromShortText(std::string_view text);
// What the user typed (up to 10 characters): DDMMYYYY, YYYYMMDD and shorter
// texts completed from `today`'s DDMMYY. An empty text (no digits) gives 0.
DayNumber dayFromTypedText(std::string_view text, DayNumber today);
// The digits dayFromTypedText converts: non-digits dropped, a leading "0"
// for an odd count, DDMMYYYY and YYYYMMDD made DDMMYY, a shorter text
// completed from today's DDMMYY ("" for a text without digits).
std::string typedDateDigits(std::string_view text, DayNumber today);
// Day from a calendar date (full year); 0 when outside 1920..2039 or no such day.
DayNumber dayFromDate(int year, int month, int day);

std::string shortTextOfDay(DayNumber day);   // "DDMMYY", "" for 0, "  ??  " after 2039
std::string mediumTextOfDay(DayNumber day);  // "DD-MM-YY", eight blanks for 0
std::string longTextOfDay(DayNumber day);    // "DD-MM-YYYY", ten blanks for 0
std::string weekdayOfDay(DayNumber day);     // "poniedziałek" ... (code page 1250), "" for 0

// For day 0 ("no date") year, month and day are 0.
int yearOfDay(DayNumber day);              // four-digit year
int monthOfDay(DayNumber day);             // 1..12
int monthOfDayJanuaryZero(DayNumber day);  // as monthOfDay, but 0 for 1 January
int dayOfMonth(DayNumber day);             // 1..31
std::string twoDigits(int n);              // 0..99 with a leading zero

}  // namespace zefir::text
