// Synthetic assets and base journals shared by the benchmarks.
#pragma once

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "register/asset_record.h"
#include "register/asset_register.h"
#include "register/base_record.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::bench {

inline std::string ddmmyy(int d, int m, int y) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d%02d%02d", d, m, y % 100);
  return buf;
}

// An asset as the engine meets it in a long-kept register: accepted 10 to 20
// years before 2025, about 8 change entries (an increase, a transfer of place,
// a correction, a stop and a restart, now and then a partial liquidation).
inline AssetRecord engineAsset(int n, std::mt19937& rng) {
  auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  AssetRecord a;
  char symb[16];
  std::snprintf(symb, sizeof symb, "S%06d", n);
  a.Symb = symb;
  a.Nazw = "Regal magazynowy " + std::to_string(pick(1, 20)) + " szt";
  const int year = 2025 - pick(10, 20);
  a.DtOT = text::dayFromDate(year, pick(1, 12), pick(1, 28));
  a.WaOT = a.WaBr = pick(1000, 500000) + pick(0, 99) / 100.0L;
  static const char kMethods[] = "LLLLDBLJ";
  a.MeUm = kMethods[pick(0, 7)];
  a.K[0] = RateEntry{0, "491", 10.0L * pick(1, 3), a.MeUm == 'D' ? 2.0L : 1.0L, 10, 1};
  if (pick(0, 3) == 0) a.K[1] = RateEntry{text::dayFromDate(year + 5, 1, 1), "492", 20, 1, 0, 0};
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

// The records a first save of `a` appends: main and second data, and the
// description, rate and change records that hold anything.
inline void appendFirstSave(const AssetRecord& a, std::vector<base::BaseRecord>& records) {
  using base::RecordKind;
  records.push_back(base::encodeRecord(a, RecordKind::Main));
  records.push_back(base::encodeRecord(a, RecordKind::Second));
  for (int s = 1; s <= base::kDescriptionRecords; ++s)
    if (!a.Opis[2 * s - 2].empty() || !a.Opis[2 * s - 1].empty())
      records.push_back(base::encodeRecord(a, RecordKind::Description, s));
  for (int i = 1; i <= kRateEntries; ++i)
    if (!(a.K[i - 1] == RateEntry{})) records.push_back(base::encodeRecord(a, RecordKind::Rate, i));
  for (int s = 1; s <= base::kChangeRecords; ++s)
    if (!a.Z[2 * s - 2].empty() || !a.Z[2 * s - 1].empty())
      records.push_back(base::encodeRecord(a, RecordKind::Changes, s));
}

// Stamps every record as workstation 001 wrote it and writes them as a base journal.
inline void writeJournal(const std::string& path, std::vector<base::BaseRecord>& records) {
  for (base::BaseRecord& r : records) base::setStamp(r, {40000, 600, {'0', '0', '1'}});
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(records.data()),
            static_cast<std::streamsize>(records.size() * sizeof(base::BaseRecord)));
}

// The listing benchmarks' base: 29,999 assets with 12 records each (about
// 46 MB), written once per run into the temporary folder.
using zefir::AssetRecord;
using zefir::base::BaseRecord;
using zefir::base::RecordKind;

constexpr int kAssets = zefir::kMaxAssets;  // 29,999

inline std::string symbolOf(int i) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%03d/%05d-%c", i % 1000, i, 'A' + i % 26);
  return buf;
}

inline AssetRecord syntheticAsset(int i) {
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

inline void stamp(BaseRecord& r) {
  zefir::base::setStamp(r, {40000, 600, {'0', '0', '1'}});
}

// The journal as workstations would have written it over the years: each
// asset's first save (7 records) in random order, then 5 later changes per
// asset scattered over the whole file. 12 records per asset.
inline std::string writeSyntheticBase() {
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
  writeJournal(path, records);
  return path;
}

}  // namespace zefir::bench
