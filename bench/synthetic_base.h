// The synthetic base of the benchmarks: 29,999 assets with 12 records each
// (about 46 MB), written once per run into the temporary folder.
#pragma once

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "register/asset_register.h"
#include "register/base_record.h"
#include "text/codepage.h"

namespace zefir::bench {

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
  for (BaseRecord& r : records) stamp(r);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(records.data()),
            static_cast<std::streamsize>(records.size() * sizeof(BaseRecord)));
  return path;
}

}  // namespace zefir::bench
