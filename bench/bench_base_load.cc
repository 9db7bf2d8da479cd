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

constexpr int kAssets = zefir::kMaxAssets;  // 29,999

std::string symbolOf(int i) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%03d/%05d-%c", i % 1000, i, 'A' + i % 26);
  return buf;
}

AssetRecord syntheticAsset(int i) {
  AssetRecord a;
  a.Symb = symbolOf(i);
  a.Nazw = zefir::text::fromUtf8("Zestaw komputerowy z drukarką nr ") + std::to_string(i);
  a.DtZa = static_cast<zefir::DayNumber>(30000 + i % 9000);
  a.CeZa = 1000 + i * 1.37L;
  a.DdZa = "FV " + std::to_string(i) + "/2020";
  a.DtOT = a.DtZa;
  a.WaOT = a.CeZa;
  a.MeUm = 'L';
  a.Na2w = "seria " + std::to_string(i * 7);
  a.Dost = zefir::text::fromUtf8("Hurtownia Świętokrzyska sp. z o.o.");
  a.DdOT = "OT " + std::to_string(i);
  a.Opis[0] = zefir::text::fromUtf8("Pokój 12, drugie piętro, budynek główny");
  a.Opis[1] = "nr fabryczny " + std::to_string(i * 31);
  for (int k = 0; k < 2; ++k) {
    a.K[k].date = a.DtOT;
    a.K[k].SKST = "491";
    a.K[k].StPo = 30;
    a.K[k].WsPo = 1;
    a.K[k].StBi = 20 + k;
    a.K[k].WsBi = 1;
  }
  for (int z = 0; z < 14; ++z)
    a.Z[z] = "MU:0101" + std::to_string(10 + z) + ",POK " + std::to_string(z) + ",NOTA " +
             std::to_string(i);
  return a;
}

void stamp(BaseRecord& r) {
  zefir::base::setStamp(r, {40000, 600, {'0', '0', '1'}});
}

// The journal as workstations would have written it over the years: each
// asset's first save (7 records) in random order, then 5 later changes per
// asset scattered over the whole file. 12 records per asset.
std::string writeSyntheticBase() {
  static std::string path;
  if (!path.empty()) return path;
  std::string dir = (std::filesystem::temp_directory_path() / "zefir-bench-base").string();
  std::filesystem::create_directories(dir);
  path = dir + "/Srodki.PST";
  std::vector<int> order(kAssets);
  for (int i = 0; i < kAssets; ++i) order[i] = i;
  std::mt19937 rng(42);
  std::shuffle(order.begin(), order.end(), rng);
  std::vector<BaseRecord> records;
  records.reserve(static_cast<std::size_t>(kAssets) * 12);
  for (int i : order) {
    AssetRecord a = syntheticAsset(i);
    for (auto [kind, sub] : {std::pair{RecordKind::Main, 0},
                             {RecordKind::Second, 0},
                             {RecordKind::Description, 1},
                             {RecordKind::Rate, 1},
                             {RecordKind::Rate, 2},
                             {RecordKind::Changes, 1},
                             {RecordKind::Changes, 2}})
      records.push_back(zefir::base::encodeRecord(a, kind, sub));
  }
  std::vector<std::pair<int, int>> later;
  for (int i = 0; i < kAssets; ++i)
    for (int s = 3; s <= 7; ++s) later.emplace_back(i, s);
  std::shuffle(later.begin(), later.end(), rng);
  for (auto [i, s] : later)
    records.push_back(zefir::base::encodeRecord(syntheticAsset(i), RecordKind::Changes, s));
  zefir::bench::writeJournal(path, records);
  return path;
}

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
