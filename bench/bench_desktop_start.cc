// The desktop's start without the base load (bench_base_load measures that):
// reading the settings from registers that 197 workstations share, counting
// the working workstations among 197 markers, clearing the workstation table,
// and writing the settings back at close. Together they must leave the
// start well inside a second.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/shared_file.h"
#include "shell/desktop_settings.h"
#include "shell/start_mode.h"
#include "shell/workstations.h"

namespace {

namespace fs = std::filesystem;
using namespace zefir::shell;

// A program folder whose registers hold every key of 197 workstations.
class SharedFolder {
 public:
  SharedFolder() {
    char pattern[] = "/tmp/zefir-bench-XXXXXX";
    path_ = ::mkdtemp(pattern);
    old_ = fs::current_path();
    fs::current_path(path_);
    fs::create_directories("#");
    std::ofstream program("#/Zefir.BAL", std::ios::binary), base("Zefir.BAL", std::ios::binary);
    program << "\r\n  Rejestr.#\\Zefir.BAL";
    base << "\r\n  Rejestr.Zefir.BAL";
    for (int n = 1; n <= 197; ++n) {
      const std::string s = workstationSuffix(n);
      for (const char* key : {"KonOkien", "KonRapE0", "KonRapE1", "KonPrint", "DirxBaza",
                              "PulpitLT", "PulpitWH", "MenLT", "RapLT", "EdiSTLT", "WykaSLT"})
        program << "\r\n " << key << s << " = c Consolas;Bold;11;9;6;6;4;3;2";
      for (const CarriedSetting& c : carriedSettings())
        if (c.kind == RegisterKind::Base) base << "\r\n " << c.key << s << " = 3;0;0;3";
    }
  }
  ~SharedFolder() {
    fs::current_path(old_);
    std::error_code ec;
    fs::remove_all(path_, ec);
  }

 private:
  fs::path path_, old_;
};

void BM_ReadStartSettings(benchmark::State& state) {
  SharedFolder folder;
  for (auto _ : state) {
    ShellState shell;
    shell.start = startModeFrom("100", false);
    DesktopRegisters registers;
    DesktopSettings settings;
    readStartSettings(registers, shell, settings);
    benchmark::DoNotOptimize(settings.values.size());
  }
}
BENCHMARK(BM_ReadStartSettings)->Unit(benchmark::kMillisecond);

void BM_WriteCloseSettingsOneChanged(benchmark::State& state) {
  SharedFolder folder;
  ShellState shell;
  shell.start = startModeFrom("100", false);
  DesktopRegisters registers;
  DesktopSettings settings;
  readStartSettings(registers, shell, settings);
  int left = 0;
  for (auto _ : state) writeCloseSettings(registers, shell, settings, ++left % 50, 5, 800, 600);
}
BENCHMARK(BM_WriteCloseSettingsOneChanged)->Unit(benchmark::kMillisecond);

void BM_CountWorkstationsAndClearTable(benchmark::State& state) {
  SharedFolder folder;
  std::vector<zefir::platform::SharedFile> held(198);
  for (int n = 1; n <= 197; n += 2) {
    const std::string path = markerPath("", workstationSuffix(n), true);
    fs::create_directories("Kosz");
    (void)held[n].open(path, zefir::platform::ShareMode::Exclusive,
                       zefir::platform::Creation::OpenOrCreate);
  }
  for (auto _ : state) {
    state.PauseTiming();  // the crashed workstations' markers come back every round
    for (int n = 2; n <= 197; n += 2)
      std::ofstream(markerPath("", workstationSuffix(n), true), std::ios::binary);
    state.ResumeTiming();
    WorkingWorkstations w = countWorkingWorkstations("Kosz/");
    (void)clearIdleWorkstations(kWorkstationTable, w);
    benchmark::DoNotOptimize(w.count);
  }
}
BENCHMARK(BM_CountWorkstationsAndClearTable)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
