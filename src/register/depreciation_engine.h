// The depreciation engine: computes, for one asset and one day, the asset's
// history year by year and month by month into a working record. Nothing it
// computes is stored; every report asks again.
//
// One engine fills one working record: each call overwrites it, so callers
// read the results before the next call. Not thread-safe; use one engine per
// thread.
#pragma once

#include <string_view>

#include "register/asset_register.h"
#include "register/engine_working_record.h"

namespace zefir {

// Effective rate and coefficient of a classification entry: the tax pair,
// but under the balance basis the balance pair whenever its coefficient is set.
long double effectiveRate(const RateEntry& k, Basis basis);
long double effectiveCoefficient(const RateEntry& k, Basis basis);

// The entry of the rate history in force on `day`: the last of entries 2..5
// that is dated on or before it, else entry 1.
const RateEntry& rateEntryInForce(const AssetRecord& asset, DayNumber day);

class DepreciationEngine {
 public:
  explicit DepreciationEngine(Basis basis = Basis::Balance) : basis_(basis) {}

  Basis basis() const { return basis_; }
  void setBasis(Basis basis) { basis_ = basis; }

  // Computes the asset of `slot` as of `asOf`. Slot 0 gives an empty working
  // record with nothing computed. `kindFilter` (a two-letter kind or empty)
  // is passed on to the attribute split.
  const WorkingRecord& compute(const AssetRegister& reg, int slot, DayNumber asOf,
                               std::string_view kindFilter = {});
  // The same for a record held outside the register.
  const WorkingRecord& compute(const AssetRecord& asset, DayNumber asOf,
                               std::string_view kindFilter = {});

  const WorkingRecord& result() const { return wr_; }

  // Walks every month on its own instead of taking quiet years and steady
  // months as wholes: the same numbers, slower. For checking the shortcuts.
  void setMonthByMonth(bool on) { monthByMonth_ = on; }

 private:
  void setAsOf(DayNumber asOf);

  Basis basis_;
  bool monthByMonth_ = false;
  // The last as-of day and what follows from it, derived only when it changes.
  DayNumber lastAsOf_ = 0;
  int asOfYear_ = 0;
  int asOfMonth_ = 0;
  WorkingRecord wr_;
};

}  // namespace zefir
