// Loading the base journal: a synthetic base of 29,999 assets with 12 records
// each (about 46 MB), compared with reading the same file with `cat`; reading
// 100 records another workstation appended; the memory of the loaded register.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "register/asset_register.h"
#include "register/base_journal.h"
#include "register/base_record.h"
#include "synthetic_assets.h"
#include "text/codepage.h"

namespace {

using zefir::AssetRecord;
using zefir::AssetRegister;
using zefir::BaseJournal;
using zefir::base::BaseRecord;
using zefir::base::RecordKind;

using zefir::bench::kAssets;
using zefir::bench::stamp;
using zefir::bench::syntheticAsset;
using zefir::bench::writeSyntheticBase;

long residentKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

// Memory of the loaded register: resident size after a load in a fresh
// register, and the growth the load caused.
void BM_LoadedRegisterMemory(benchmark::State& state) {
  std::string path = writeSyntheticBase();
  long before = 0, after = 0;
  for (auto _ : state) {
    auto reg = std::make_unique<AssetRegister>();
    before = residentKiB();  // the first benchmark: nothing else loaded yet
    BaseJournal journal(path);
    if (!journal.load(*reg).ok()) state.SkipWithError("load failed");
    after = residentKiB();
  }
  state.counters["rss_MB"] = after / 1024.0;
  state.counters["growth_MB"] = (after - before) / 1024.0;
}
BENCHMARK(BM_LoadedRegisterMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// The load at start-up: into an empty register.
void BM_LoadBase(benchmark::State& state) {
  std::string path = writeSyntheticBase();
  std::int64_t records = 0;
  int assets = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto reg = std::make_unique<AssetRegister>();
    BaseJournal journal(path);
    state.ResumeTiming();
    if (!journal.load(*reg).ok()) state.SkipWithError("load failed");
    state.PauseTiming();
    records = journal.readPosition();
    assets = reg->assetCount();
    reg.reset();  // freeing the register is not part of the load
    state.ResumeTiming();
  }
  state.counters["assets"] = assets;
  state.counters["MB"] = static_cast<double>(records * 128) / 1e6;
  state.SetBytesProcessed(state.iterations() * records * 128);
}
BENCHMARK(BM_LoadBase)->Unit(benchmark::kMillisecond)->MinTime(3);

// A reload when another workstation rewrote the base: the full register is
// emptied first.
void BM_ReloadBase(benchmark::State& state) {
  std::string path = writeSyntheticBase();
  BaseJournal journal(path);
  AssetRegister reg;
  for (auto _ : state) {
    reg.fileStamp = -1;  // force the full load
    if (!journal.load(reg).ok()) state.SkipWithError("load failed");
  }
}
BENCHMARK(BM_ReloadBase)->Unit(benchmark::kMillisecond)->MinTime(3);

// The yardstick: the same file read by `cat` into /dev/null (page cache warm).
void BM_CatBase(benchmark::State& state) {
  std::string command = "cat '" + writeSyntheticBase() + "' > /dev/null";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("cat failed");
}
BENCHMARK(BM_CatBase)->Unit(benchmark::kMillisecond)->MinTime(3);

// Another workstation appended 100 records (changes to existing assets);
// this one reads them from its read position.
void BM_ReadAppended100(benchmark::State& state) {
  std::string path = writeSyntheticBase() + ".append";
  std::filesystem::copy_file(writeSyntheticBase(), path,
                             std::filesystem::copy_options::overwrite_existing);
  BaseJournal reader(path);
  AssetRegister reg;
  if (!reader.load(reg).ok()) state.SkipWithError("load failed");
  std::vector<BaseRecord> batch;
  for (int i = 0; i < 100; ++i) {
    AssetRecord a = syntheticAsset(i * 300);
    a.Z[20] = "OO:010124,NOWAK " + std::to_string(i);
    batch.push_back(zefir::base::encodeRecord(a, RecordKind::Changes, 11));
    stamp(batch.back());
  }
  for (auto _ : state) {
    state.PauseTiming();
    {
      std::ofstream out(path, std::ios::binary | std::ios::app);
      out.write(reinterpret_cast<const char*>(batch.data()),
                static_cast<std::streamsize>(batch.size() * sizeof(BaseRecord)));
    }
    state.ResumeTiming();
    if (!reader.readAppended(reg).ok()) state.SkipWithError("read failed");
  }
  state.counters["records"] = 100;
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReadAppended100)->Unit(benchmark::kMicrosecond)->Iterations(200);

}  // namespace

BENCHMARK_MAIN();
