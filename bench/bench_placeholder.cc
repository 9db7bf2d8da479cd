#include <benchmark/benchmark.h>

#include "register/asset_register.h"

static void BM_RegisterFind(benchmark::State& state) {
  zefir::AssetRegister reg;
  for (auto _ : state) benchmark::DoNotOptimize(reg.find("X"));
}
BENCHMARK(BM_RegisterFind);
BENCHMARK_MAIN();
