// The depreciation engine over a full register: 29,999 assets with 10 to 20
// years of history and about 8 change entries each, computed as of one day,
// single-threaded. Target: under 400 ms for the whole register.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

#include "register/asset_register.h"
#include "register/depreciation_engine.h"
#include "text/dates.h"

namespace {

using zefir::AssetRecord;
using zefir::AssetRegister;
using zefir::DayNumber;
using zefir::text::dayFromDate;

std::string ddmmyy(int d, int m, int y) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d%02d%02d", d, m, y % 100);
  return buf;
}

AssetRecord syntheticAsset(int n, std::mt19937& rng) {
  auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  AssetRecord a;
  char symb[16];
  std::snprintf(symb, sizeof symb, "S%06d", n);
  a.Symb = symb;
  a.Nazw = "Regal magazynowy " + std::to_string(pick(1, 20)) + " szt";
  const int year = 2025 - pick(10, 20);
  a.DtOT = dayFromDate(year, pick(1, 12), pick(1, 28));
  a.WaOT = a.WaBr = pick(1000, 500000) + pick(0, 99) / 100.0L;
  static const char kMethods[] = "LLLLDBLJ";
  a.MeUm = kMethods[pick(0, 7)];
  a.K[0] = zefir::RateEntry{0, "491", 10.0L * pick(1, 3), a.MeUm == 'D' ? 2.0L : 1.0L, 10, 1};
  if (pick(0, 3) == 0) a.K[1] = zefir::RateEntry{dayFromDate(year + 5, 1, 1), "492", 20, 1, 0, 0};
  auto at = [&](int offsetYears) { return ddmmyy(pick(1, 28), pick(1, 12), year + offsetYears); };
  int z = 0;
  a.Z[z++] = "MU:" + ddmmyy(1, 1, year) + ",MAGAZYN";
  a.Z[z++] = "OO:" + ddmmyy(1, 1, year) + ",KOWALSKI";
  a.Z[z++] = "KS:" + ddmmyy(1, 1, year) + ",011";
  a.Z[z++] = "OZ:" + at(2) + ",MODERNIZACJA," + std::to_string(pick(100, 5000));
  a.Z[z++] = "MU:" + at(4) + ",BIURO," + std::to_string(pick(10, 500));
  a.Z[z++] = "PK:" + at(5) + ",KOREKTA," + std::to_string(pick(1, 50));
  a.Z[z++] = "WU:" + at(6);
  a.Z[z++] = "UU:" + at(7);
  if (pick(0, 4) == 0) a.Z[z++] = "LN:" + at(8) + ",LN 1," + std::to_string(pick(100, 900));
  return a;
}

AssetRegister& syntheticRegister() {
  static AssetRegister reg;
  if (reg.assetCount() == 0) {
    std::mt19937 rng(20261208);
    for (int n = 1; n <= zefir::kMaxAssets; ++n) {
      AssetRecord a = syntheticAsset(n, rng);
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
