#include "text/dates.h"

#include <gtest/gtest.h>

#include "text/codepage.h"

namespace zefir::text {
namespace {

TEST(DayTexts, DayZeroIsNoDate) {
  EXPECT_EQ(shortTextOfDay(0), "");
  EXPECT_EQ(mediumTextOfDay(0), std::string(8, ' '));
  EXPECT_EQ(longTextOfDay(0), std::string(10, ' '));
  EXPECT_EQ(weekdayOfDay(0), "");
  EXPECT_EQ(yearOfDay(0), 0);
  EXPECT_EQ(monthOfDay(0), 0);
  EXPECT_EQ(monthOfDayJanuaryZero(0), 0);
}

TEST(DayTexts, KnownDaysBothWays) {
  EXPECT_EQ(dayFromShortText("290220"), 36584);  // 29 February 2020
  EXPECT_EQ(shortTextOfDay(36584), "290220");
  EXPECT_EQ(dayFromShortText("290221"), 36950);  // no such day: runs on to 1 March
  EXPECT_EQ(shortTextOfDay(36950), "010321");
  EXPECT_EQ(dayFromShortText("010100"), 29220);
  EXPECT_EQ(dayFromShortText("020120"), 36526);  // two-digit years below 40 are 20xx
  EXPECT_EQ(dayFromDate(1920, 1, 2), 1);
  EXPECT_EQ(dayFromShortText("311239"), kLastTextDay);
  EXPECT_EQ(shortTextOfDay(kLastTextDay), "311239");
  EXPECT_EQ(shortTextOfDay(kLastTextDay + 1), "  ??  ");
  EXPECT_EQ(mediumTextOfDay(36584), "29-02-20");
  EXPECT_EQ(longTextOfDay(36584), "29-02-2020");
  EXPECT_EQ(longTextOfDay(29219), "31-12-1999");
  EXPECT_EQ(longTextOfDay(29220), "01-01-2000");
}

TEST(DayTexts, EveryDayRoundTripsThroughItsTexts) {
  const int firstOf1940 = 7305;  // short texts of 1920-1939 read as 2020-2039
  for (int d = 1; d <= kLastTextDay; ++d) {
    auto day = static_cast<DayNumber>(d);
    std::string text = shortTextOfDay(day);
    if (d >= firstOf1940) {
      ASSERT_EQ(dayFromShortText(text), day) << text;
    }
    ASSERT_EQ(dayFromDate(yearOfDay(day), monthOfDay(day), dayOfMonth(day)), day) << text;
    if (d > 1) {
      ASSERT_NE(text, shortTextOfDay(static_cast<DayNumber>(d - 1)));
    }
  }
}

TEST(DayTexts, ShortTextReading) {
  EXPECT_EQ(dayFromShortText("10100"), 29220);     // five digits get a leading zero
  EXPECT_EQ(dayFromShortText("01-01-00"), 29220);  // non-digits dropped
  EXPECT_EQ(dayFromShortText("0101"), 0);          // fewer than five digits
  EXPECT_EQ(dayFromShortText(""), 0);
  EXPECT_EQ(dayFromShortText("310240"), dayFromShortText("020340"));
  EXPECT_EQ(dayFromShortText("150399"), dayFromDate(1999, 3, 15));
  EXPECT_EQ(dayFromShortText("150339"), dayFromDate(2039, 3, 15));
}

TEST(DayTexts, CalendarParts) {
  DayNumber day = dayFromShortText("150321");
  EXPECT_EQ(yearOfDay(day), 2021);
  EXPECT_EQ(monthOfDay(day), 3);
  EXPECT_EQ(dayOfMonth(day), 15);
  EXPECT_EQ(monthOfDayJanuaryZero(day), 3);
  EXPECT_EQ(monthOfDayJanuaryZero(dayFromShortText("010121")), 0);
  EXPECT_EQ(monthOfDayJanuaryZero(dayFromShortText("020121")), 1);
  EXPECT_EQ(yearOfDay(dayFromShortText("311240")), 1940);
  EXPECT_EQ(dayFromDate(2021, 2, 29), 0);
  EXPECT_EQ(dayFromDate(2040, 1, 1), 0);
  EXPECT_EQ(dayFromDate(1919, 12, 31), 0);
  EXPECT_EQ(twoDigits(7), "07");
  EXPECT_EQ(twoDigits(42), "42");
}

TEST(DayTexts, WeekdaysFromThursdayAtDayZero) {
  EXPECT_EQ(weekdayOfDay(1), fromUtf8("piątek"));  // 2 January 1920
  EXPECT_EQ(weekdayOfDay(4), fromUtf8("poniedziałek"));
  EXPECT_EQ(weekdayOfDay(dayFromShortText("080326")), fromUtf8("niedziela"));
  EXPECT_EQ(weekdayOfDay(dayFromShortText("291226")), fromUtf8("wtorek"));
  EXPECT_EQ(weekdayOfDay(dayFromShortText("010100")), fromUtf8("sobota"));
}

TEST(TypedDates, CompletedFromToday) {
  const DayNumber today = dayFromShortText("150320");
  const DayNumber ides = today;
  EXPECT_EQ(dayFromTypedText("15", today), ides);
  EXPECT_EQ(dayFromTypedText("5", today), dayFromShortText("050320"));
  EXPECT_EQ(dayFromTypedText("1503", today), ides);
  EXPECT_EQ(dayFromTypedText("2802", today), dayFromShortText("280220"));
  EXPECT_EQ(dayFromTypedText("503", today), dayFromShortText("050320"));
  EXPECT_EQ(dayFromTypedText("0104", dayFromShortText("311221")), dayFromShortText("010421"));
  EXPECT_EQ(typedDateDigits("1503", today), "150320");
  EXPECT_EQ(typedDateDigits("3102", today), "310220");  // no such day: the cell check refuses it
  EXPECT_NE(shortTextOfDay(dayFromTypedText("3102", today)), "310220");
  EXPECT_EQ(dayFromTypedText("", today), 0);
  EXPECT_EQ(dayFromTypedText("--", today), 0);
}

TEST(TypedDates, EightDigitShapes) {
  const DayNumber today = dayFromShortText("010121");
  const DayNumber ides = dayFromShortText("150320");
  EXPECT_EQ(dayFromTypedText("150320", today), ides);
  EXPECT_EQ(dayFromTypedText("15032020", today), ides);
  EXPECT_EQ(dayFromTypedText("15.03.2020", today), ides);
  EXPECT_EQ(dayFromTypedText("20200315", today), ides);
  EXPECT_EQ(dayFromTypedText("2020-03-15", today), ides);
  EXPECT_EQ(dayFromTypedText("31121999", today), dayFromShortText("311299"));
  EXPECT_EQ(dayFromTypedText("19991231", today), dayFromShortText("311299"));
  // DDMMYYYY wins when both shapes fit: the 20th of January 2019... read as 200119.
  EXPECT_EQ(dayFromTypedText("20012019", today), dayFromShortText("200119"));
  // Digits of no known shape are converted as they come.
  EXPECT_EQ(dayFromTypedText("12345678", today), dayFromShortText("123456"));
}

}  // namespace
}  // namespace zefir::text
