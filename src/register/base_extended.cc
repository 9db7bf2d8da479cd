#include "register/base_extended.h"

#include <array>
#include <cmath>
#include <cstring>

namespace zefir::base {

namespace {

constexpr int kBias = 16383;
constexpr int kMaxExponent = 0x7FFF;

void putSignificand(std::uint64_t m, unsigned char* out) {
  for (int i = 0; i < 8; ++i) out[i] = static_cast<unsigned char>(m >> (8 * i));
}

// x * 2^scale. Money, rates and dates keep the scale within a small window,
// where a multiplication by a power of two from a table (exact) is much
// cheaper than ldexp; outside it, ldexp.
long double scaled(long double x, int scale) {
  constexpr int kLow = -192, kHigh = 64;
  static const auto powers = [] {
    std::array<long double, kHigh - kLow + 1> p{};
    for (int e = kLow; e <= kHigh; ++e) p[e - kLow] = std::ldexp(1.0L, e);
    return p;
  }();
  if (scale >= kLow && scale <= kHigh) return x * powers[scale - kLow];
  return std::ldexp(x, scale);
}

}  // namespace

void encodeExtended(long double value, unsigned char* out) {
  std::memset(out, 0, 10);
  bool negative = std::signbit(value);
  int exponent = 0;
  std::uint64_t significand = 0;
  if (std::isnan(value)) {
    exponent = kMaxExponent;
    significand = 0xC000000000000000ULL;  // the quiet NaN
  } else if (std::isinf(value)) {
    exponent = kMaxExponent;
    significand = 0x8000000000000000ULL;
  } else if (value != 0) {
    int e = 0;
    long double m = std::frexp(std::fabs(value), &e);  // value = m * 2^e, 0.5 <= m < 1
    exponent = e - 1 + kBias;                          // the integer bit stands for 2^(e-1)
    int shift = 64;
    if (exponent <= 0) {  // below the normal range: a denormal with exponent field 0
      shift += exponent - 1;
      exponent = 0;
    }
    if (exponent >= kMaxExponent) {  // beyond the format's range (wider long doubles only)
      exponent = kMaxExponent;
      significand = 0x8000000000000000ULL;
    } else if (shift > 0) {
      // Wider significands are truncated to 64 bits: the scaled value is below 2^64.
      significand = static_cast<std::uint64_t>(std::ldexp(m, shift));
    }
  }
  putSignificand(significand, out);
  out[8] = static_cast<unsigned char>(exponent & 0xFF);
  out[9] = static_cast<unsigned char>(((exponent >> 8) & 0x7F) | (negative ? 0x80 : 0));
}

long double decodeExtended(const unsigned char* in) {
  std::uint64_t significand = 0;
  for (int i = 7; i >= 0; --i) significand = (significand << 8) | in[i];
  int exponent = in[8] | ((in[9] & 0x7F) << 8);
  bool negative = (in[9] & 0x80) != 0;
  long double value;
  if (exponent == kMaxExponent) {
    value = (significand << 1) == 0 ? HUGE_VALL : std::nanl("");
  } else {
    // Exponent 0 holds denormals, which scale like exponent 1. The integer bit
    // is explicit, so significand * 2^(exponent - bias - 63) is the value.
    int scale = (exponent == 0 ? 1 : exponent) - kBias - 63;
    // Split the 64-bit significand so no bit is lost converting to long double
    // where it has 64 bits, and rounding happens once where it has fewer.
    long double high = static_cast<long double>(significand >> 32);
    long double low = static_cast<long double>(significand & 0xFFFFFFFFULL);
    value = scaled(high * 4294967296.0L + low, scale);
  }
  return negative ? -value : value;
}

}  // namespace zefir::base
