// The engine's money rounding: the same results as text::R and text::round4
// (two or four decimals, R with its 1E-6 nudge away from zero, no negative
// zero), computed in arithmetic instead of through a text round trip. A
// register's computation rounds some ten thousand times an asset, and the
// text round trip would be most of its time. Agreement with the text helpers
// is checked value by value in engine_money_test.cc.
#pragma once

#include <cmath>

namespace zefir::engine {

// p rounded to the nearest whole number (ties to even): adding and taking
// away 2^63 leaves no fraction bits in an 80-bit real, and is much quicker
// than nearbyint, which saves and restores the floating-point state.
inline long double nearestWhole(long double p) {
  constexpr long double kShift = 0x1p63L;
  if (!(std::fabs(p) < kShift)) return p;
  return p >= 0 ? (p + kShift) - kShift : (p - kShift) + kShift;
}

// x * scale rounded to a whole number exactly as a decimal text of the exact
// value would round it (half to even only on exact ties). The product is
// inexact near a half, so there the exact remainder (fma) decides.
inline long double roundScaled(long double x, long double scale) {
  const long double p = x * scale;
  long double k = nearestWhole(p);
  if (std::fabs(std::fabs(p - k) - 0.5L) < 1E-6L) {
    const long double d = std::fma(x, scale, -k);  // exact: x * scale - k
    if (d > 0.5L || (d == 0.5L && std::fmod(k, 2.0L) != 0))
      k += 1;
    else if (d < -0.5L || (d == -0.5L && std::fmod(k, 2.0L) != 0))
      k -= 1;
  }
  return k;
}

// R: x nudged by 1E-6 away from zero (down when x is not positive), to 2 decimals.
inline long double roundMoney(long double x) {
  const long double cents = roundScaled(x > 0 ? x + 1E-6L : x - 1E-6L, 100);
  return cents == 0 ? 0.0L : cents / 100;
}

// To 4 decimals.
inline long double round4(long double x) {
  const long double units = roundScaled(x, 10000);
  return units == 0 ? 0.0L : units / 10000;
}

// Equal when the difference rounds to 0 at 4 decimals.
inline bool equalMoney(long double a, long double b) {
  return round4(a - b) == 0;
}

}  // namespace zefir::engine
