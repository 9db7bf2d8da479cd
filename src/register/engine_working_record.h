// The working record: one asset as the depreciation engine leaves it for the
// reports — the record itself, its year table, the months of the as-of year,
// the as-of summary, the classification in force, the attribute split and the
// parsed change entries.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "register/asset_record.h"
#include "register/change_documents_split.h"

namespace zefir {

inline constexpr int kMaxYears = 100;
inline constexpr int kLastComputedYear = 2039;

// The depreciation basis (setting AmBilPod): balance rates or tax rates.
enum class Basis : char { Balance = 'B', Tax = 'P' };

struct YearEntry {
  std::uint16_t year = 0;  // 0 = unused
  long double Brutt = 0;   // gross value at 1 January
  long double Zwiek = 0;   // increases less transfers out
  long double Zmnie = 0;   // decreases by liquidation
  long double UmoBO = 0;   // accumulated depreciation at 1 January
  long double UmoBi = 0;   // increase of accumulated depreciation in the year
  long double WykBi = 0;   // accumulated depreciation written off with liquidations
};

// One month of the as-of year (slot 0 = what is dated 1 January), in grosz.
struct MonthValues {
  long double charge = 0;      // the month's depreciation charge
  long double writeUp = 0;     // increase of accumulated depreciation
  long double writtenOff = 0;  // accumulated depreciation written off with liquidations
};

// The as-of year up to the as-of month.
struct AsOfSummary {
  long double grossBO = 0;         // gross value at 1 January
  long double increasesYTD = 0;    // increases less transfers out
  long double decreasesYTD = 0;    // liquidations
  long double chargeYTD = 0;       // depreciation charged in the year to date
  long double chargeMonth = 0;     // ... in the as-of month
  long double writeUpMonth = 0;    // increase of accumulated depreciation in the as-of month
  long double accumBO = 0;         // accumulated depreciation at 1 January
  long double accumDay = 0;        // ... at the as-of day
  long double correctionsYTD = 0;  // added by PK/PA corrections
  long double transferredYTD = 0;  // transferred with PT
  long double writtenOffYTD = 0;   // written off with liquidations
};

// The classification entry in force in the as-of year's first month.
struct ClassificationInForce {
  RateEntry entry;
  long double rate = 0;  // effective rate, % a year
  long double coef = 0;  // effective coefficient
};

struct WorkingRecord {
  AssetRecord asset;  // the copy (RokP filled in when the record's was 0)
  bool computed = false;

  DayNumber asOf = 0;
  int asOfYear = 0;
  int asOfMonth = 0;  // 0 for 1 January

  std::array<YearEntry, kMaxYears> years{};
  int yearCount = 0;
  std::array<MonthValues, 13> months{};
  AsOfSummary summary;
  ClassificationInForce classification;

  AttributeSplit split;
  ParsedEntries entries{};
};

}  // namespace zefir
