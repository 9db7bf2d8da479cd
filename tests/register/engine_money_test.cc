// The engine's arithmetic rounding must agree with the text helpers exactly.
#include "register/engine_money.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "text/numbers.h"

namespace zefir {
namespace {

TEST(EngineMoney, AgreesWithTheTextHelpers) {
  std::mt19937_64 rng(7);
  std::uniform_int_distribution<long> cents(-10'000'000'000L, 10'000'000'000L);
  std::uniform_int_distribution<int> part(0, 9999);
  auto check = [](long double x) {
    ASSERT_EQ(engine::roundMoney(x), text::R(x)) << static_cast<double>(x);
    ASSERT_EQ(engine::round4(x), text::round4(x)) << static_cast<double>(x);
    ASSERT_FALSE(std::signbit(engine::roundMoney(x)) && engine::roundMoney(x) == 0);
  };
  for (int i = 0; i < 40000; ++i) {
    const long double c = cents(rng) / 100.0L;
    check(c);                             // whole grosze
    check(c + part(rng) / 1'000'000.0L);  // with a remainder
    check(c + 0.005L);                    // half a grosz
    check(c / 12 * 0.2L);                 // a month's charge
  }
  for (long double x : {0.0L, -0.0L, 1E-9L, -1E-9L, 0.004999L, 0.005L, -0.005L, 0.03125L, -0.03125L,
                        1E-6L, 99.995L, 1234567.891L})
    check(x);
}

}  // namespace
}  // namespace zefir
