// The year loop of the depreciation engine: a year's opening, its base and
// fractions, and the walk through its months (the month step itself is in
// engine_month.cc).
#include "register/engine_year_loop.h"
#include "register/depreciation_engine.h"
#include "text/dates.h"

namespace zefir::engine {

void YearLoop::updateState(char mark) {
  if (mark == 'U' || mark == 'W')
    state_ = mark;
  else if (mark == 'V')
    state_ = (state_ == 'U' || state_ == 'W') ? 'X' : 'V';
}

void YearLoop::computeBase() {
  base_ = gross_;
  if (phase_ != 1) return;
  const long double c = accumEnd_ - writtenOff_;
  base_ = gross_ - (startMonth_ == 1 ? c : prep_.umPo);
  const RateEntry& k = rateEntryInForce(a_, january1_);
  const long double rate = effectiveRate(k, basis_);
  const long double fraction = rate / 1200 * effectiveCoefficient(k, basis_);
  // A year that opens without value (the acceptance year) has no degressive
  // charge to compare yet.
  if (gross_ > 0 && base_ * fraction < rate * gross_ / 1200) {
    phase_ = 2;
    // From the switch year on the linear rate applies to the initial value,
    // that very year included.
    base_ = gross_;
  }
}

// A year before the as-of year with no change and nothing to charge (method
// T, stopped, or fully depreciated) leaves every value as it stood; most of
// an old register's history is such years.
bool YearLoop::isQuietYear(int year) const {
  if (year == wr_.asOfYear || year == prep_.yearOfAcceptance || hasEntries(year)) return false;
  return method_ == 'T' || state_ == 'W' || equalMoney(gross_, accum_);
}

void YearLoop::runYear(int year, int startMonth) {
  year_ = year;
  // Every fourth year is a leap year over the whole range of day numbers.
  january1_ = year == prep_.firstYear
                  ? text::dayFromDate(year, 1, 1)
                  : static_cast<DayNumber>(january1_ + (year % 4 == 1 ? 366 : 365));
  startMonth_ = startMonth;
  const bool asOfYear = year == wr_.asOfYear;
  lastMonth_ = asOfYear ? wr_.asOfMonth : 12;
  keepMonths_ = asOfYear;
  if (keepMonths_) kept_ = {};
  writeUpMonths_ = 0;
  grossBO_ = gross_;
  accumBO_ = accumEnd_ = accum_;
  increases_ = decreases_ = charges_ = unrounded_ = rounded_ = writtenOff_ = 0;
  corrections_ = transferred_ = 0;
  base_ = gross_;
  if (shortcuts_ && isQuietYear(year)) {
    computeBase();  // a degressive asset still reaches its switch year
  } else {
    static const YearChanges kNoChanges;
    if (year == prep_.yearOfAcceptance || hasEntries(year)) {
      changes_ = YearChanges{};
      if (year == prep_.yearOfAcceptance) {
        changes_.months[prep_.acceptanceSlot].increase = a_.WaBr;
        changes_.busy |= 1u << prep_.acceptanceSlot;
      }
      placeYearChanges(dated_, year, gross_, changes_);
      ch_ = &changes_;
    } else {
      ch_ = &kNoChanges;
    }
    for (int i = 0; i <= lastMonth_;) {
      if (i == 1) {
        computeBase();
        computeFractions();
      }
      const int run = shortcuts_ ? steadyRun(i) : 0;
      if (run > 1) {
        steadyMonths(i, run);
        i += run;
      } else {
        month(i++);
      }
    }
    if (asOfYear) finishAsOfYear();
  }

  YearEntry& y = wr_.years[year - prep_.firstYear];
  y.year = static_cast<std::uint16_t>(year);
  y.Brutt = grossBO_;
  y.Zwiek = increases_ == 0 ? 0 : R(increases_);
  y.Zmnie = decreases_ == 0 ? 0 : R(decreases_);
  y.UmoBO = accumBO_;
  y.UmoBi = R(rounded_);
  y.WykBi = writtenOff_ == 0 ? 0 : R(writtenOff_);
  accum_ = R(accumEnd_ - writtenOff_);
  if (state_ == 'V' || state_ == 'X') state_ = 'U';
}

// The classification entry of each month and its monthly fraction: the
// effective rate / 1200, times the effective coefficient except in the
// degressive asset's linear phase.
void YearLoop::computeFractions() {
  // One rate entry and the same phase as last year: the same fractions.
  if (singleRate_ && phase_ == fractionsPhase_) return;
  fractionsPhase_ = phase_;
  const RateEntry* last = nullptr;
  long double fraction = 0;
  for (int i = 1; i <= 12; ++i) {
    const RateEntry& k = singleRate_ ? a_.K[0] : rateEntryInForce(a_, monthStart(i));
    if (&k != last) {
      fraction = effectiveRate(k, basis_) / 1200;
      if (phase_ != 2) fraction *= effectiveCoefficient(k, basis_);
      last = &k;
    }
    fraction_[i] = fraction;
  }
}

void runYears(WorkingRecord& wr, const Preparation& prep, Basis basis, bool shortcuts) {
  YearLoop(wr, prep, basis, shortcuts).run();
}

}  // namespace zefir::engine
