// The text helpers the engine and the reports call for every amount.
#include <benchmark/benchmark.h>

#include "text/dates.h"
#include "text/numbers.h"

namespace {

void BM_R(benchmark::State& state) {
  long double x = 1234.5678L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(zefir::text::R(x));
    x += 0.0137L;
  }
}
BENCHMARK(BM_R);

void BM_EqualMoney(benchmark::State& state) {
  long double x = 1234.5678L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(zefir::text::equalMoney(x, x + 0.00003L));
    x += 0.0137L;
  }
}
BENCHMARK(BM_EqualMoney);

void BM_MoneyText(benchmark::State& state) {
  long double x = 1234567.891L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(zefir::text::moneyText(x));
    x += 0.0137L;
  }
}
BENCHMARK(BM_MoneyText);

void BM_DayTexts(benchmark::State& state) {
  zefir::DayNumber day = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(zefir::text::dayFromShortText(zefir::text::shortTextOfDay(day)));
    day = static_cast<zefir::DayNumber>(day % zefir::text::kLastTextDay + 1);
  }
}
BENCHMARK(BM_DayTexts);

}  // namespace

BENCHMARK_MAIN();
