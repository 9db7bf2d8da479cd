// The 10-byte extended reals of the base file.
#include "register/base_extended.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace zefir::base {
namespace {

using Bytes = std::array<unsigned char, 10>;

Bytes encoded(long double v) {
  Bytes b{};
  encodeExtended(v, b.data());
  return b;
}

TEST(ExtendedReal, KnownBitPatternsLittleEndian) {
  EXPECT_EQ(encoded(1.0L), (Bytes{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
  EXPECT_EQ(encoded(-2.0L), (Bytes{0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}));
  EXPECT_EQ(encoded(100.0L), (Bytes{0, 0, 0, 0, 0, 0, 0, 0xC8, 0x05, 0x40}));
  EXPECT_EQ(encoded(0.0L), Bytes{});
  EXPECT_EQ(encoded(-0.0L), (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}));
  EXPECT_EQ(encoded(HUGE_VALL), (Bytes{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}));
  // 0.1 has the 64-bit significand 0xCCCCCCCCCCCCCCCD when long double is 80-bit.
  if (std::numeric_limits<long double>::digits == 64) {
    EXPECT_EQ(encoded(0.1L), (Bytes{0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}));
  }
}

TEST(ExtendedReal, DecodesWhatItEncodesExactlyIncludingMoneyAndExtremes) {
  const long double values[] = {1.0L,         -1.0L,    0.01L,       12345.67L,
                                -9999999.99L, 1E-9L,    1.0L / 3.0L, 1E300L,
                                -1E-300L,     65535.0L, 0.5L,        123456789012.34L};
  for (long double v : values) {
    Bytes b = encoded(v);
    EXPECT_EQ(decodeExtended(b.data()), v) << static_cast<double>(v);
  }
  long double tiny = std::numeric_limits<long double>::denorm_min();
  Bytes b = encoded(tiny);
  EXPECT_EQ(decodeExtended(b.data()), tiny);
  EXPECT_TRUE(std::isnan(decodeExtended(encoded(std::nanl("")).data())));
  EXPECT_TRUE(std::isinf(decodeExtended(encoded(-HUGE_VALL).data())));
  EXPECT_LT(decodeExtended(encoded(-HUGE_VALL).data()), 0);
}

TEST(ExtendedReal, ReadsBytesWrittenByAnotherProgram) {
  // 1500.25 as an x87 register stores it: significand 0xBB88000000000000, exponent 0x4009.
  Bytes b{0, 0, 0, 0, 0, 0, 0x88, 0xBB, 0x09, 0x40};
  EXPECT_EQ(decodeExtended(b.data()), 1500.25L);
  // A denormal (exponent field 0): the smallest, 2^-16445.
  Bytes d{1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(decodeExtended(d.data()), std::ldexp(1.0L, -16445));
}

}  // namespace
}  // namespace zefir::base
