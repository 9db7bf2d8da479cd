// The engine's inner parts: the preparation of a computation and the loop
// over its years, shared by the engine's own files only
// (engine_preparation.cc, engine_year_loop.cc, engine_month.cc,
// engine_as_of_summary.cc).
//
// Money rules kept throughout the year loop:
// - a month's kept charge and write-up are whole grosze (R of the computed
//   charge); the year's charges are the sum of the kept charges;
// - the unrounded write-ups run beside the rounded ones, and December (or the
//   month the asset leaves) takes their difference, once;
// - the accumulated depreciation at the end of a month is R(at 1 January +
//   rounded write-ups).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "register/change_documents.h"
#include "register/engine_working_record.h"
#include "text/rounding.h"

namespace zefir::engine {

// What the preparation fixes before the first year.
struct Preparation {
  int firstYear = 1940;
  int yearOfAcceptance = 0;  // year of DtOT; 0 when the record has no acceptance date
  int acceptanceSlot = 0;    // month slot of DtOT (0 for 1 January)
  int startMonth = 1;        // first month charged in the first year (13: none)
  bool rokPWasZero = false;  // the record kept the asset from its acceptance
  long double openingGross = 0;
  long double openingAccum = 0;
  // WaUm when the opening depreciation is booked in the acceptance month
  // rather than standing at 1 January; the degressive base deducts it.
  long double umPo = 0;
};

// Steps of the preparation on the working record's copy of the asset.
Preparation prepare(WorkingRecord& wr);

using text::equalMoney;
using text::R;
using text::round4;

// Added with each month's unrounded write-up, so the year's R of their sum
// does not fall a grosz short on sums like 12 x 8.3333.
constexpr long double kNudge = 1E-6L;

// A month's kept values, in grosze.
struct Kept {
  long double D = 0;  // charge
  long double E = 0;  // increase of accumulated depreciation
  long double H = 0;  // written off
  long double G = 0;  // transferred
  long double F = 0;  // correction
};

// One computation's walk through its years. run() is the whole of it.
class YearLoop {
 public:
  YearLoop(WorkingRecord& wr, const Preparation& prep, Basis basis, bool shortcuts)
      : wr_(wr), a_(wr.asset), prep_(prep), basis_(basis), method_(a_.MeUm), shortcuts_(shortcuts) {
    gross_ = prep.openingGross;
    accum_ = prep.openingAccum;
    phase_ = method_ == 'D' ? 1 : 0;
    dated_ = datedEntries(wr.entries, a_.DtOT);
    for (int i = 1; i < kRateEntries; ++i)
      if (a_.K[i].date != 0) singleRate_ = false;
    for (int n = 0; n < dated_.count; ++n) {
      const int y = dated_.items[n].year - prep.firstYear;
      if (y >= 0 && y < kMaxYears) yearsWithEntries_[y / 64] |= std::uint64_t{1} << (y % 64);
    }
  }

  void run() {
    int year = prep_.firstYear;
    const int lastYear = std::min(wr_.asOfYear, kLastComputedYear);
    for (int n = 0; n < kMaxYears && year <= lastYear; ++n, ++year) {
      runYear(year, n == 0 ? prep_.startMonth : 1);
      wr_.yearCount = n + 1;
    }
    if (wr_.yearCount > 0 && !bookedOnlyInDecember_) wr_.summary.accumDay = accum_;
  }

 private:
  void runYear(int year, int startMonth);
  bool isQuietYear(int year) const;
  DayNumber monthStart(int i) const {
    static constexpr int kDaysBefore[13] = {0,   0,   31,  59,  90,  120, 151,
                                            181, 212, 243, 273, 304, 334};
    return static_cast<DayNumber>(january1_ + kDaysBefore[i] + (i > 2 && year_ % 4 == 0 ? 1 : 0));
  }
  void month(int i);
  void settle(int target);
  void computeBase();
  void computeFractions();
  bool nothingHappens(int i) const;
  int steadyRun(int i) const;
  void steadyMonths(int i, int n);
  void updateState(char mark);
  bool isAcceptanceMonth(int i) const {
    return year_ == prep_.yearOfAcceptance && i == prep_.acceptanceSlot;
  }
  void finishAsOfYear();  // engine_as_of_summary.cc
  void bookBeforeDecember(AsOfSummary& s);

  WorkingRecord& wr_;
  const AssetRecord& a_;
  const Preparation& prep_;
  const Basis basis_;
  const char method_;
  // Quiet years, idle months and steady runs taken as wholes; off, every
  // month is walked on its own (the same numbers, slower).
  const bool shortcuts_;

  // Carried from year to year.
  long double gross_ = 0;  // gross value, running
  long double accum_ = 0;  // accumulated depreciation less what was written off, at 1 January
  int phase_ = 0;          // degressive phase: 0 none, 1 degressive, 2 linear
  char state_ = 'U';

  DatedEntries dated_;
  bool singleRate_ = true;  // the rate history has no dated entry beyond the first
  std::array<std::uint64_t, 2> yearsWithEntries_{};  // bit y: entries in firstYear + y
  bool hasEntries(int year) const {
    const int y = year - prep_.firstYear;
    return y >= 0 && y < kMaxYears && ((yearsWithEntries_[y / 64] >> (y % 64)) & 1u);
  }

  // The current year.
  int year_ = 0;
  DayNumber january1_ = 0;
  int startMonth_ = 1;
  int lastMonth_ = 12;
  YearChanges changes_;
  const YearChanges* ch_ = &changes_;  // changes_, or none for a year without entries
  // The months' kept values; kept in full for the as-of year only, while
  // writeUpMonths_ marks (bit i) the months of any year with a write-up.
  std::array<Kept, 13> kept_{};
  unsigned writeUpMonths_ = 0;
  bool keepMonths_ = false;
  long double grossBO_ = 0, accumBO_ = 0;
  long double base_ = 0;
  std::array<long double, 13> fraction_{};  // monthly fraction of months 1..12
  int fractionsPhase_ = -1;                 // the phase fraction_ was worked out for
  long double increases_ = 0, decreases_ = 0, charges_ = 0;
  long double unrounded_ = 0, rounded_ = 0, writtenOff_ = 0;
  long double accumEnd_ = 0;  // accumulated depreciation at the end of the last month
  long double corrections_ = 0, transferred_ = 0;
  bool bookedOnlyInDecember_ = false;
};

// Runs the years from the first year to the as-of year (not beyond 2039, at
// most 100) and fills the year table, the as-of months and the summary.
void runYears(WorkingRecord& wr, const Preparation& prep, Basis basis, bool shortcuts = true);

}  // namespace zefir::engine
