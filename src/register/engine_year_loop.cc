// The year loop of the depreciation engine. The steps of one year read best
// together, in the order their roundings happen, so they stay in one place.
//
// Money rules kept throughout:
// - a month's kept charge and write-up are whole grosze (R of the computed
//   charge); the year's charges are the sum of the kept charges;
// - the unrounded write-ups run beside the rounded ones, and December (or the
//   month the asset leaves) takes their difference, once;
// - the accumulated depreciation at the end of a month is R(at 1 January +
//   rounded write-ups).
#include "register/engine_year_loop.h"

#include <cmath>

#include "register/change_documents.h"
#include "register/depreciation_engine.h"
#include "register/engine_money.h"
#include "text/dates.h"

namespace zefir::engine {

namespace {

inline long double R(long double x) {
  return roundMoney(x);
}

constexpr long double kNudge = 1E-6L;

struct Kept {
  long double D = 0;  // charge
  long double E = 0;  // increase of accumulated depreciation
  long double H = 0;  // written off
};

class YearLoop {
 public:
  YearLoop(WorkingRecord& wr, const Preparation& prep, Basis basis)
      : wr_(wr), a_(wr.asset), prep_(prep), basis_(basis), method_(a_.MeUm) {
    gross_ = prep.openingGross;
    accum_ = prep.openingAccum;
    phase_ = method_ == 'D' ? 1 : 0;
    dated_ = datedEntries(wr.entries, a_.DtOT);
    for (int i = 1; i < kRateEntries; ++i)
      if (a_.K[i].date != 0) singleRate_ = false;
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
  void finishAsOfYear();

  WorkingRecord& wr_;
  const AssetRecord& a_;
  const Preparation& prep_;
  const Basis basis_;
  const char method_;

  // Carried from year to year.
  long double gross_ = 0;  // gross value, running
  long double accum_ = 0;  // accumulated depreciation less what was written off, at 1 January
  int phase_ = 0;          // degressive phase: 0 none, 1 degressive, 2 linear
  char state_ = 'U';

  DatedEntries dated_;
  bool singleRate_ = true;  // the rate history has no dated entry beyond the first

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
  bool left_ = false;
  bool bookedOnlyInDecember_ = false;
};

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
  if (year == wr_.asOfYear || year == prep_.yearOfAcceptance || dated_.anyIn(year)) return false;
  return method_ == 'T' || state_ == 'W' || equalMoney(gross_, accum_);
}

void YearLoop::runYear(int year, int startMonth) {
  year_ = year;
  january1_ = text::dayFromDate(year, 1, 1);
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
  left_ = false;
  base_ = gross_;
  if (isQuietYear(year)) {
    computeBase();  // a degressive asset still reaches its switch year
  } else {
    static const YearChanges kNoChanges;
    if (year == prep_.yearOfAcceptance || dated_.anyIn(year)) {
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
      const int run = steadyRun(i);
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
  accum_ = accumEnd_ - writtenOff_;
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

// A month (January to November) without changes, marks or an opening booking,
// in which nothing is charged: before the start month, stopped, method T, or
// fully depreciated with no rounding left over. Every value stays as it was.
bool YearLoop::nothingHappens(int i) const {
  if (i > 11 || ((ch_->busy >> i) & 1u)) return false;
  // 1 January without changes: after the first year the values at 1 January
  // are already rounded, so there is nothing to do.
  if (i == 0) return year_ != prep_.firstYear;
  if (year_ == prep_.firstYear && startMonth_ > 1 && i == startMonth_ - 1) return false;
  if (i < startMonth_ || state_ != 'U' || method_ == 'T') return true;
  return equalMoney(gross_, accumEnd_ - writtenOff_) && std::fabs(unrounded_ - rounded_) < 0.001L;
}

// The number of months from month i on that charge
// the same amount with nothing else happening and stay well clear of the
// remaining-value rules, so they can be booked together; 0 when month i is
// not such a month.
int YearLoop::steadyRun(int i) const {
  if (i < 1 || i < startMonth_ || state_ != 'U' || method_ == 'T' || method_ == 'N' ||
      method_ == 'J')
    return 0;
  const long double D = base_ * fraction_[i];
  if (!(R(D) > 0)) return 0;
  // How many such months leave a clear margin over the rounded grosze of each
  // month and the remaining-value rules.
  const long double room = (gross_ - (accumEnd_ - writtenOff_) - 0.01L * D - 0.1L) / (D + 0.01L);
  if (!(room >= 1)) return 0;
  const int limit = std::min(lastMonth_, i - 1 + static_cast<int>(std::min(room, 12.0L)));
  int j = i;
  while (j <= limit && !((ch_->busy >> j) & 1u) && fraction_[j] == fraction_[i]) ++j;
  return j - i;
}

void YearLoop::steadyMonths(int i, int n) {
  const long double D = base_ * fraction_[i];
  const long double kD = R(D);
  if (keepMonths_)
    for (int j = i; j < i + n; ++j) kept_[j] = Kept{kD, kD, 0};
  if (kD != 0) writeUpMonths_ |= ((1u << n) - 1) << i;
  charges_ += n * kD;
  unrounded_ += n * (D + kNudge);
  rounded_ += n * kD;
  if (i + n - 1 == 12) settle(12);  // December closes the year's rounding
  accumEnd_ = R(accumBO_ + rounded_);
}

void YearLoop::month(int i) {
  const MonthChanges& m = ch_->months[i];
  const long double v = m.increase, w = m.decrease, t = m.transfer, F = m.correction;
  if (nothingHappens(i)) {
    unrounded_ += kNudge;
    return;
  }
  const long double c = accumEnd_ - writtenOff_;
  long double D = 0, E0 = 0, G = 0, H = 0;

  // Marks dated 1 January (slot 0) act from the start of January.
  updateState(m.mark);
  if (i >= 1) {
    if (i >= startMonth_) D = base_ * fraction_[i];
    if (0.01L * D > gross_ - (c + D)) D = R(gross_ - (accumBO_ + unrounded_ - writtenOff_));
  }
  // The opening depreciation of an asset accepted during its first register
  // year is booked in the acceptance month (from January it stands at 1 January).
  if (year_ == prep_.firstYear && startMonth_ > 1 && i == startMonth_ - 1) E0 = a_.WaUm;
  if (method_ == 'N' && (prep_.rokPWasZero || v != 0)) {
    // Written off at once: in the acceptance month all that is not yet depreciated.
    D = isAcceptanceMonth(i) ? gross_ + v - w - t - (c + E0) : v - w - t;
  }
  if (method_ == 'J') D = i < startMonth_ ? 0 : gross_ - c;
  if (D < 0 || method_ == 'T' || state_ != 'U') D = 0;
  const bool chargeable = i >= 1 && i >= startMonth_ && method_ != 'T' && state_ == 'U';
  if (state_ == 'X') state_ = 'V';

  const long double E = E0 + D;  // unrounded
  if (gross_ > 0) {
    if (t != 0) G = R((c + E) * t / gross_);
    if (w != 0) H = R((c + E) * w / gross_);
  }
  const bool valueChanges = v != 0 || w != 0 || t != 0;
  increases_ += v - t;
  decreases_ += w;
  // (Rounding is idempotent: a month without changes keeps the rounded value.)
  if (i == 0 || valueChanges) gross_ = R(gross_ + v - w - t);
  Kept& k = kept_[i];
  k.D = R(D);
  k.E = E0 + k.D;
  charges_ += k.D;
  unrounded_ += E + kNudge;
  rounded_ += k.E;

  if (w + t > 0 && (gross_ <= 0 || equalMoney(gross_, 0))) {
    // The asset left: this month takes the year's rounding difference, and all
    // accumulated depreciation goes with it (a same-month correction included,
    // so nothing stays on an asset without value).
    settle(i);
    const long double remaining = R(accumBO_ + rounded_ + F - writtenOff_);
    if (t > 0)
      G = remaining - H;  // liquidated part keeps its share; the transfer takes the rest
    else
      H = remaining;
    left_ = true;
  } else if (const long double r = std::fabs(gross_ - c - E);
             chargeable && r > 0.001L && r < 0.07L) {
    // A few grosze left: charge them now rather than carry them into a month of their own.
    const long double newE = R(gross_ - c);
    const long double newD = newE - E0;
    charges_ += newD - k.D;
    rounded_ += newE - k.E;
    k.D = newD;
    k.E = newE;
    unrounded_ = rounded_;  // the year's write-ups are exact from here on
  } else if (i == 12) {
    int target = 1;
    for (int j = 12; j >= 2; --j)
      if (j == 12 ? k.E != 0 : (writeUpMonths_ >> j) & 1u) {
        target = j;
        break;
      }
    settle(target);
  }

  rounded_ += F - G;
  unrounded_ += F - G;
  accumEnd_ = R(accumBO_ + rounded_);
  writtenOff_ += H;
  k.E += F - G;
  k.H = H;
  if (k.E != 0) writeUpMonths_ |= 1u << i;
  corrections_ += F;
  transferred_ += G;
  if (i >= 1) base_ += v - w - t;
}

// The year's rounding difference (rounded against unrounded write-ups) goes
// into the charge and write-up of month `target`, once.
void YearLoop::settle(int target) {
  const long double diff = R(unrounded_) - rounded_;
  kept_[target].D += diff;
  kept_[target].E += diff;
  charges_ += diff;
  rounded_ = R(unrounded_);
  unrounded_ = rounded_;
}

void YearLoop::finishAsOfYear() {
  AsOfSummary& s = wr_.summary;
  const int am = wr_.asOfMonth;
  s.grossBO = grossBO_;
  s.increasesYTD = R(increases_);
  s.decreasesYTD = R(decreases_);
  s.chargeYTD = R(charges_);
  s.chargeMonth = kept_[am].D;
  s.writeUpMonth = kept_[am].E;
  s.accumBO = accumBO_;
  s.correctionsYTD = R(corrections_);
  s.transferredYTD = R(transferred_);
  s.writtenOffYTD = R(writtenOff_);
  if (method_ == 'B') {
    if (am < 12) {
      // Booked once a year, in December: before it the year shows no charge,
      // and a liquidation can write off only what stood at 1 January.
      bookedOnlyInDecember_ = true;
      s.chargeYTD = s.chargeMonth = s.writeUpMonth = 0;
      const long double excess = s.writtenOffYTD - s.accumBO;
      if (excess > 0) {
        s.writtenOffYTD = s.accumBO;
        kept_[am].H = std::max(0.0L, kept_[am].H - excess);
      }
      // Likewise a transfer takes along only what is booked; corrections are
      // postings of their own and count at once.
      const long double booked = s.accumBO + s.correctionsYTD - s.writtenOffYTD;
      if (s.transferredYTD > booked) s.transferredYTD = std::max(0.0L, booked);
      s.accumDay = booked - s.transferredYTD;
    }
    for (int i = 1; i <= 11; ++i) {
      kept_[12].D += kept_[i].D;
      kept_[12].E += kept_[i].E;
      kept_[12].H += kept_[i].H;
      kept_[i] = {};
    }
    if (am == 12) {
      s.chargeYTD = s.chargeMonth = kept_[12].D;
      s.writeUpMonth = kept_[12].E;
    }
  }
  for (int i = 0; i <= 12; ++i) wr_.months[i] = MonthValues{kept_[i].D, kept_[i].E, kept_[i].H};
}

}  // namespace

void runYears(WorkingRecord& wr, const Preparation& prep, Basis basis) {
  YearLoop(wr, prep, basis).run();
}

}  // namespace zefir::engine
