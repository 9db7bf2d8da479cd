// What a listing adds up: one asset's values as the depreciation engine
// leaves them, and the accumulators of the groups (8 counters, 19 sums).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "register/engine_working_record.h"

namespace zefir::operations {

// The change kinds a listing counts and sums, in the order it prints them.
enum class ListingChange { OT, PK, PT, LT, WU };
inline constexpr int kListingChanges = 5;
inline constexpr const char* kListingChangeCodes[kListingChanges] = {"OT", "PK", "PT", "LT", "WU"};

// One kind's amounts in the as-of year up to the report day: gross value,
// accumulated depreciation and the as-of month's part of the latter.
struct ChangeAmounts {
  long double gross = 0;
  long double accum = 0;
  long double month = 0;
  bool any() const { return gross != 0 || accum != 0 || month != 0; }
};

// One asset on the report day.
struct AssetValues {
  long double gross = 0;      // gross value on the day
  long double accum = 0;      // accumulated depreciation on the day
  long double month = 0;      // the as-of month's depreciation charge
  long double accumBO = 0;    // accumulated depreciation at 1 January (or the period's start)
  long double chargeYTD = 0;  // depreciation charged in the year to the day
  // OT: increases (with the acceptance itself); PK: the corrections (PK, PA)
  // added to accumulated depreciation; PT: transfers out with the
  // depreciation they took; LT: liquidations with the depreciation written
  // off; WU: an asset whose depreciation was stopped in the year, with its
  // gross value, accumulated depreciation and month charge.
  std::array<ChangeAmounts, kListingChanges> changes{};
  int liquidationMonth = 0;  // month of the last liquidation in the year, 0 none

  const ChangeAmounts& change(ListingChange c) const { return changes[static_cast<int>(c)]; }
  // A gross value that the accumulated depreciation has reached.
  bool fullyDepreciated() const;
};

// The values of the asset in `wr` (computed for the report day).
AssetValues assetValues(const WorkingRecord& wr);
// The same for a period that starts after 1 January of the report year:
// `opening` is the asset computed for the day before the period. The change
// amounts become those of the period, and the opening values those of its start.
AssetValues periodValues(const WorkingRecord& wr, const WorkingRecord& opening);

// An accumulator. Counter 0 counts listed assets, counters 1..5 the assets
// with an amount of each change kind, counter 6 the fully depreciated ones,
// counter 7 those charged in the as-of month. Sums: 0 gross, 1 accumulated,
// 2 month charge, 3 accumulated at 1 January, then three per change kind
// (gross, accumulated, month).
struct ListingTotals {
  static constexpr int kCounters = 8;
  static constexpr int kSums = 19;
  enum Counter { Listed = 0, FirstChange = 1, FullyDepreciated = 6, ChargedInMonth = 7 };
  enum Sum { Gross = 0, Accum = 1, Month = 2, AccumBO = 3, FirstChangeSum = 4 };

  std::array<std::uint16_t, kCounters> counts{};
  std::array<long double, kSums> sums{};

  // One asset: counter 0 set when it is listed, the kinds' counters where
  // their amounts are not zero.
  static ListingTotals of(const AssetValues& v, bool listed = true);
  void add(const ListingTotals& o);

  int listed() const { return counts[Listed]; }
  int changeCount(ListingChange c) const { return counts[FirstChange + static_cast<int>(c)]; }
  ChangeAmounts change(ListingChange c) const {
    const int s = FirstChangeSum + 3 * static_cast<int>(c);
    return {sums[s], sums[s + 1], sums[s + 2]};
  }
  // Gross value at 1 January: the gross value less the year's increases, plus
  // what transfers and liquidations took.
  long double grossBO() const {
    return sums[Gross] - change(ListingChange::OT).gross + change(ListingChange::PT).gross +
           change(ListingChange::LT).gross;
  }
};

// A group of one level: its key, the sums of all the assets it took (listed
// or of zero value: an asset liquidated whole in the year is not listed, but
// its liquidation and its last charges belong to the totals), the part of
// them that is of zero value, and how many assets it took.
struct GroupTotals {
  std::string key;
  ListingTotals totals;
  ListingTotals zero;
  int taken = 0;
  int zeroValue() const { return taken - totals.listed(); }
  void add(const GroupTotals& o) {
    totals.add(o.totals);
    zero.add(o.zero);
    taken += o.taken;
  }
};

}  // namespace zefir::operations
