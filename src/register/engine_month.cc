// One month of the year loop, in the order its steps and roundings happen,
// and the months booked together when nothing but the charge happens.
#include <cmath>

#include "register/depreciation_engine.h"
#include "register/engine_year_loop.h"
#include "text/dates.h"

namespace zefir::engine {

// A month (January to November) without changes, marks or an opening booking,
// in which nothing is charged: before the start month, stopped, method T, or
// fully depreciated. Every value stays as it was.
bool YearLoop::nothingHappens(int i) const {
  if (i > 11 || ((ch_->busy >> i) & 1u)) return false;
  // 1 January without changes: after the first year the values at 1 January
  // are already rounded, so there is nothing to do.
  if (i == 0) return year_ != prep_.firstYear;
  if (year_ == prep_.firstYear && startMonth_ > 1 && i == startMonth_ - 1) return false;
  if (i < startMonth_ || state_ != 'U' || method_ == 'T') return true;
  // Fully depreciated: the remaining-value charge R(net - left-over rounding)
  // is 0 while that rounding is under 0.004. Depreciated beyond the value (a
  // correction) by more than the evening-out reaches: every charge is
  // negative and becomes 0.
  const long double net = gross_ - (accumEnd_ - writtenOff_);
  const long double leftOver = std::fabs(unrounded_ - rounded_);
  if (equalMoney(net, 0)) return leftOver < 0.004L;
  return net < -0.08L && leftOver < 0.01L;
}

// The number of months from month i on that charge
// the same amount with nothing else happening and stay well clear of the
// remaining-value rules, so they can be booked together; 0 when month i is
// not such a month.
int YearLoop::steadyRun(int i) const {
  if (i < 1 || i < startMonth_ || ((ch_->busy >> i) & 1u) || state_ != 'U' || method_ == 'T' ||
      method_ == 'N' || method_ == 'J')
    return 0;
  const long double D = base_ * fraction_[i];
  if (!(D > 0.01L)) return 0;  // a charge of whole grosze at least
  // How many such months leave a clear margin over the rounded grosze of each
  // month and the remaining-value rules.
  const long double room = (gross_ - (accumEnd_ - writtenOff_) - 0.01L * D - 0.1L) / (D + 0.01L);
  if (!(room >= 1)) return 0;
  const int limit = std::min(lastMonth_, i - 1 + static_cast<int>(std::min(room, 12.0L)));
  int j = i + 1;
  while (j <= limit && !((ch_->busy >> j) & 1u) && (singleRate_ || fraction_[j] == fraction_[i]))
    ++j;
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
  if (shortcuts_ && nothingHappens(i)) {
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
    if (w != 0) H = R((c + E) * w / gross_);
    if (i == 0 && w != 0 && t != 0) {
      // What is dated 1 January leaves as one change, rounded once: the
      // liquidated part keeps its share and the transfer takes the rest.
      G = R(R((c + E) * (w + t) / gross_) - H);
    } else if (t != 0) {
      G = R((c + E) * t / gross_);
    }
  }
  const bool valueChanges = v != 0 || w != 0 || t != 0;
  increases_ += v - t;
  decreases_ += w;
  // (Rounding is idempotent: a month without changes keeps the rounded value.)
  if (i == 0 || valueChanges) gross_ = R(gross_ + v - w - t);
  Kept& k = kept_[i];
  k.D = R(D);
  // Sums and differences of rounded amounts are rounded again wherever they
  // are kept: in binary they carry a residue in the last bits.
  k.E = E0 == 0 ? k.D : R(E0 + k.D);
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
      G = R(remaining - H);  // liquidated part keeps its share; the transfer takes the rest
    else
      H = remaining;
  } else if (const long double r = std::fabs(gross_ - c - E);
             chargeable && r > 0.001L && r < 0.07L) {
    // A few grosze left: charge them now rather than carry them into a month of their own.
    const long double newE = R(gross_ - c);
    const long double newD = E0 == 0 ? newE : R(newE - E0);
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
  if (F != 0 || G != 0) k.E = R(k.E + F - G);
  k.H = H;
  k.G = G;
  k.F = F;
  if (k.E != 0) writeUpMonths_ |= 1u << i;
  corrections_ += F;
  transferred_ += G;
  if (i >= 1) base_ += v - w - t;
}

// The year's rounding difference (rounded against unrounded write-ups) goes
// into the charge and write-up of month `target`, once.
void YearLoop::settle(int target) {
  const long double diff = R(unrounded_) - rounded_;
  kept_[target].D = R(kept_[target].D + diff);
  kept_[target].E = R(kept_[target].E + diff);
  charges_ += diff;
  rounded_ = R(unrounded_);
  unrounded_ = rounded_;
}

}  // namespace zefir::engine
