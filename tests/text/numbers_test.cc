#include "text/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace zefir::text {
namespace {

TEST(NumberReading, Integers) {
  EXPECT_EQ(intFromText("  42"), 42);
  EXPECT_EQ(intFromText("-7"), -7);
  EXPECT_EQ(intFromText(""), 0);
  EXPECT_EQ(intFromText("abc"), 0);
  EXPECT_EQ(intFromText("12x"), 0);
  EXPECT_EQ(intFromText("1234567890"), 123456789);  // only nine characters are read
  EXPECT_EQ(int16FromText("32766"), 32766);
  EXPECT_EQ(int16FromText("-32766"), -32766);
  EXPECT_EQ(int16FromText("32767"), 0);
  EXPECT_EQ(int16FromText("-32767"), 0);
  EXPECT_EQ(positive16FromText("65534"), 65534);
  EXPECT_EQ(positive16FromText("65535"), 0);
  EXPECT_EQ(positive16FromText("0"), 0);
  EXPECT_EQ(positive16FromText("-3"), 0);
}

TEST(NumberReading, RealsWithCommaOrPoint) {
  EXPECT_EQ(realFromText("12,5"), 12.5L);
  EXPECT_EQ(realFromText("12.5"), 12.5L);
  EXPECT_EQ(realFromText("  -0,25"), -0.25L);
  EXPECT_EQ(realFromText("abc"), 0);
  EXPECT_EQ(realFromText(""), 0);
  EXPECT_EQ(realFromText("inf"), 0);
  EXPECT_EQ(realFromText("nan"), 0);
  EXPECT_EQ(realFromText("1,234,5"), 0);  // only the first comma is a decimal point
  EXPECT_EQ(realFromText("1.234.567,89"), 0);
  EXPECT_EQ(realFromText("0.1"), 0.1L);  // the nearest long double, not a double's
}

TEST(NumberTexts, Integers) {
  EXPECT_EQ(intText(0, 5), "     ");
  EXPECT_EQ(intText(0, 0), "");
  EXPECT_EQ(intText(42, 5), "   42");
  EXPECT_EQ(intText(-42, 2), "-42");
  EXPECT_EQ(intTextWithZero(0, 3), "  0");
  EXPECT_EQ(intTextWithZero(0, 0), "0");
}

TEST(NumberTexts, PlainReals) {
  EXPECT_EQ(plainRealText(12.5L, 2), "12.5");
  EXPECT_EQ(plainRealText(3, 2), "3");
  EXPECT_EQ(plainRealText(0, 2), "");
  EXPECT_EQ(plainRealText(1.23456L, 2), "1.23");
  EXPECT_EQ(plainRealText(1200, 0), "1200");
  EXPECT_EQ(plainRealText(-0.001L, 2), "0");
}

TEST(NumberTexts, Money) {
  EXPECT_EQ(moneyText(1234567.891L), "   1.234.567,89");
  EXPECT_EQ(moneyText(0), std::string(15, ' '));
  EXPECT_EQ(moneyText(0.5L), "           0,50");
  EXPECT_EQ(moneyText(123.45L), "         123,45");
  EXPECT_EQ(moneyText(-123.45L), "        -123,45");  // the minus sign is no digit
  EXPECT_EQ(moneyText(-123456.78L), "    -123.456,78");
  // A negative amount that rounds to nothing shows no sign.
  EXPECT_EQ(moneyText(-0.001L), "           0,00");
  EXPECT_EQ(quantityText(-0.00001L), "       0     ");
  EXPECT_EQ(moneyText(1000), "       1.000,00");
  // Full stops stop once the text has reached the width.
  EXPECT_EQ(moneyText(12345678901.23L), "12345678.901,23");
}

TEST(NumberTexts, Quantity) {
  EXPECT_EQ(quantityText(0.5L), "       0,5   ");
  EXPECT_EQ(quantityText(0), std::string(13, ' '));
  EXPECT_EQ(quantityText(12), "      12     ");
  EXPECT_EQ(quantityText(1.23L), "       1,23  ");
  EXPECT_EQ(quantityText(1234.5678L), "   1.234,5678");
  EXPECT_EQ(quantityText(-1000.1L), "  -1.000,1   ");
  EXPECT_EQ(quantityText(100), "     100     ");
}

TEST(Rounding, RNudgesAwayFromZero) {
  EXPECT_EQ(R(0.005L), 0.01L);
  EXPECT_EQ(R(-0.005L), -0.01L);
  EXPECT_EQ(R(0.0049L), 0);
  EXPECT_EQ(R(2.675L), 2.68L);
  EXPECT_EQ(R(-2.675L), -2.68L);
  EXPECT_EQ(R(1.125L), 1.13L);
  EXPECT_EQ(R(0.9949L), 0.99L);
  EXPECT_EQ(R(1234567.8949999L), 1234567.90L);
  EXPECT_EQ(R(100), 100);
  EXPECT_EQ(R(1.0L / 3), 0.33L);
  // R(0) is a plain zero, not a negative one that would print as "-0".
  EXPECT_EQ(R(0), 0);
  EXPECT_FALSE(std::signbit(R(0)));
  EXPECT_FALSE(std::signbit(R(-0.001L)));
}

TEST(Rounding, FourDecimalsAndEqualMoney) {
  EXPECT_EQ(round4(1.23456L), 1.2346L);
  EXPECT_EQ(round4(-1.23454L), -1.2345L);
  EXPECT_TRUE(equalMoney(0.1L + 0.2L, 0.3L));
  EXPECT_TRUE(equalMoney(1.00004L, 1));
  EXPECT_FALSE(equalMoney(1.0001L, 1));
  EXPECT_FALSE(equalMoney(1.00006L, 1));  // rounds to a difference of 0.0001
  EXPECT_TRUE(equalMoney(-5, -5.00001L));
}

// Writing with a fixed number of decimals and reading back, the way the
// program always rounded, through the C library (tests run in the C locale).
long double throughText(long double x, int decimals) {
  static char buffer[8192];
  std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, x);
  long double value = std::strtold(buffer, nullptr);
  return value == 0 ? 0.0L : value;
}

TEST(Rounding, AgreesWithWritingAndReadingBackAtEveryEdge) {
  std::mt19937_64 random(20261208);
  std::vector<long double> values = {0.125L,       0.375L,   2.5L,           0.005L,
                                     1.005L,       0.015L,   2.675L,         1e-7L,
                                     5e-5L,        1.00005L, 123456789.125L, 1e13L + 0.125L,
                                     1e15L + 0.5L, 1e20L,    1e300L,         4.9999999e-3L};
  // Exact halves at four decimals are odd multiples of 1/32 (0.03125 is 312.5
  // ten-thousandths); they go to the even neighbour.
  for (int k = 1; k < 4000; k += 2) values.push_back(k / 32.0L + (k % 7) * 1000);
  for (int i = 0; i < 200000; ++i) {
    // Amounts in grosze and their halves, quarters and near misses, over many magnitudes.
    long double cents = static_cast<long double>(random() % 100000000000ULL) / 8;
    long double x = cents / std::pow(10.0L, static_cast<int>(random() % 6));
    if (random() % 3 == 0)
      x += static_cast<long double>(static_cast<int>(random() % 21) - 10) * 1e-9L;
    values.push_back(random() % 2 ? x : -x);
  }
  for (long double x : values) {
    long double nudged = x > 0 ? x + 1E-6L : x - 1E-6L;
    ASSERT_EQ(R(x), throughText(nudged, 2)) << static_cast<double>(x);
    ASSERT_EQ(round4(x), throughText(x, 4)) << static_cast<double>(x);
  }
}

TEST(NumberTexts, HugeAndOddValuesDoNotBreakTheTexts) {
  EXPECT_EQ(moneyText(1e300L).size(), 15u);
  EXPECT_EQ(R(1e300L), 1e300L);
  EXPECT_EQ(quantityText(-1e20L).size(), 13u);
  EXPECT_EQ(plainRealText(1e25L, 2), "10000000000000000000000000");
}

}  // namespace
}  // namespace zefir::text
