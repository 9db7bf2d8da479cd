// The depreciation engine over a full register: 29,999 assets with 10 to 20
// years of history and about 8 change entries each, computed as of one day,
// single-threaded. Target: under 400 ms for the whole register.
#include <benchmark/benchmark.h>

#include <random>

#include "register/asset_register.h"
#include "register/depreciation_engine.h"
#include "synthetic_assets.h"
#include "text/dates.h"

namespace {

using zefir::AssetRecord;
using zefir::AssetRegister;
using zefir::DayNumber;
using zefir::text::dayFromDate;

AssetRegister& syntheticRegister() {
  static AssetRegister reg;
  if (reg.assetCount() == 0) {
    std::mt19937 rng(20261208);
    for (int n = 1; n <= zefir::kMaxAssets; ++n) {
      AssetRecord a = zefir::bench::engineAsset(n, rng);
      // Ascending symbols: every insertion lands just before the end slot.
      reg.find(a.Symb);
      (void)reg.insertAtCurrent();
      reg.currentRecord() = std::move(a);
    }
  }
  return reg;
}

void BM_ComputeWholeRegister(benchmark::State& state) {
  const AssetRegister& reg = syntheticRegister();
  zefir::DepreciationEngine engine;
  const DayNumber asOf = dayFromDate(2025, 9, 30);
  for (auto _ : state) {
    long double total = 0;
    for (int slot = 1; slot < reg.count(); ++slot)
      total += engine.compute(reg, slot, asOf).summary.accumDay;
    benchmark::DoNotOptimize(total);
  }
  state.counters["assets"] = reg.assetCount();
  state.counters["us_per_asset"] = benchmark::Counter(
      static_cast<double>(reg.assetCount()) * 1e-6,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ComputeWholeRegister)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
