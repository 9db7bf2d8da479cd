// Money rounding: R (two decimals with a nudge of 1E-6 away from zero) and
// rounding to four decimals. The program always rounded by writing the value
// with a fixed number of decimals and reading it back; these give exactly the
// same results (no negative zero), computed in arithmetic because the engine
// rounds thousands of times for every asset. Agreement with the text round
// trip is checked value by value in the tests.
#pragma once

#include <cmath>

namespace zefir::text {

// p rounded to the nearest whole number (ties to even): adding and taking
// away 2^63 leaves no fraction bits in an 80-bit real, and is much quicker
// than nearbyint, which saves and restores the floating-point state.
inline long double nearestWhole(long double p) {
  constexpr long double kShift = 0x1p63L;
  if (!(std::fabs(p) < kShift)) return p;
  return p >= 0 ? (p + kShift) - kShift : (p - kShift) + kShift;
}

namespace detail {
// The value written with `decimals` decimals (0 to 4) and read back, on the
// exact binary value: slower, used near a half and for huge values. A value
// too large to have a fraction comes back as it is and one that is not a
// number or infinite as 0 (what its text reads back as), without writing
// them: the text of the largest reals runs to thousands of digits.
long double roundedExactly(long double x, int decimals);
// The characters written by roundedExactly so far: a measure of the work
// rounding does, for tests.
unsigned long long exactRoundingWork();
}  // namespace detail

// x rounded to `decimals` decimals (scale = 10^decimals) as writing and
// reading back would round it. Away from a half the product x * scale,
// rounded to the nearest whole number, already decides; within a hair of a
// half the product's own rounding could tip it, so the exact path decides.
inline long double roundedTo(long double x, int decimals, long double scale) {
  if (!(std::fabs(x) < 0x1p47L)) return detail::roundedExactly(x, decimals);
  const long double p = x * scale;
  const long double k = nearestWhole(p);
  if (std::fabs(std::fabs(p - k) - 0.5L) < 1E-6L) return detail::roundedExactly(x, decimals);
  return k == 0 ? 0.0L : k / scale;
}

// R: money to two decimals, x nudged by 1E-6 away from zero (down when it is not positive).
inline long double R(long double x) {
  return roundedTo(x > 0 ? x + 1E-6L : x - 1E-6L, 2, 100);
}

// To 4 decimals.
inline long double round4(long double x) {
  return roundedTo(x, 4, 10000);
}

// Equal when the difference rounds to 0 at 4 decimals.
inline bool equalMoney(long double a, long double b) {
  return round4(a - b) == 0;
}

}  // namespace zefir::text
