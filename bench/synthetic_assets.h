// Synthetic assets and base journals shared by the benchmarks.
#pragma once

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "register/asset_record.h"
#include "register/base_record.h"
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

}  // namespace zefir::bench
