// The statistical return's Dział 1 (SG_01), the twelve-month plan by group
// (Plan12) and the plans by asset for the year (PlanAm) and for a month with
// the cost centres (Miesie) over the synthetic base of 29,999 assets:
// `zefir-cli report` to JSON as a whole process, each under 1.5 s.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "synthetic_assets.h"

namespace {

void runReport(benchmark::State& state, const std::string& option, const std::string& fields) {
  const std::string base = zefir::bench::writeSyntheticBase();
  const std::string folder = std::filesystem::path(base).parent_path().string();
  const std::string out = folder + "/statistical.json";
  const std::string command = std::string("'") + ZEFIR_CLI + "' report " + option + " '" + folder +
                              "' " + fields + " --json '" + out + "' 2>/dev/null";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("zefir-cli report failed");
}

void BM_ReportDzi1ThousandsProcess(benchmark::State& state) {
  runReport(state, "SG_01", "--Rok4 2026 --SGRa 1 --TZGr T");
}
BENCHMARK(BM_ReportDzi1ThousandsProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_ReportPlan12Process(benchmark::State& state) {
  runReport(state, "Plan12", "--Rok4 2026");
}
BENCHMARK(BM_ReportPlan12Process)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_ReportPlanByAssetProcess(benchmark::State& state) {
  runReport(state, "PlanAm", "--Rok4 2026");
}
BENCHMARK(BM_ReportPlanByAssetProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_ReportMonthlyPlanWithCostCentresProcess(benchmark::State& state) {
  runReport(state, "Miesie", "--DaDo 310326");
}
BENCHMARK(BM_ReportMonthlyPlanWithCostCentresProcess)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3);

}  // namespace

BENCHMARK_MAIN();
