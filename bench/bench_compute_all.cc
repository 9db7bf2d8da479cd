// Whole-process `zefir-cli compute-all` over a full register: a synthetic
// base of 29,999 assets with 10 to 20 years of history and about 8 change
// entries each (the assets of bench_engine), one day, output to /dev/null.
// The argument is the number of workers. Target on the 2-core machine: under
// 0.6 s with the workers it has.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "register/asset_register.h"
#include "synthetic_assets.h"

namespace {

std::string writeEngineBase() {
  static std::string path;
  if (!path.empty()) return path;
  const auto dir = std::filesystem::temp_directory_path() / "zefir-bench-compute-all";
  std::filesystem::create_directories(dir);
  path = (dir / "Srodki.PST").string();
  std::mt19937 rng(20261208);
  std::vector<zefir::base::BaseRecord> records;
  for (int n = 1; n <= zefir::kMaxAssets; ++n)
    zefir::bench::appendFirstSave(zefir::bench::engineAsset(n, rng), records);
  zefir::bench::writeJournal(path, records);
  return path;
}

void BM_ComputeAllProcess(benchmark::State& state) {
  const std::string command = std::string("'") + ZEFIR_CLI + "' compute-all '" + writeEngineBase() +
                              "' 300925 --workers " + std::to_string(state.range(0)) +
                              " > /dev/null";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("compute-all failed");
  state.counters["assets"] = zefir::kMaxAssets;
}
BENCHMARK(BM_ComputeAllProcess)
    ->ArgName("workers")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3);

}  // namespace

BENCHMARK_MAIN();
