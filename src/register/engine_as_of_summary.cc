// The as-of year's summary and month values, with the rules of method B
// (depreciation booked once a year, in December).
#include "register/depreciation_engine.h"
#include "register/engine_year_loop.h"
#include "text/dates.h"

namespace zefir::engine {

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
    long double excess = 0;
    if (am < 12) {
      // Booked once a year, in December: before it the year shows no charge,
      // and a liquidation can write off only what stood at 1 January.
      bookedOnlyInDecember_ = true;
      s.chargeYTD = s.chargeMonth = s.writeUpMonth = 0;
      // The opening depreciation of an asset accepted this year is booked in
      // its acceptance month, not with the year's charges.
      long double standing = s.accumBO;
      if (year_ == prep_.firstYear && startMonth_ > 1 && startMonth_ - 1 <= am) standing += a_.WaUm;
      excess = s.writtenOffYTD - standing;
      if (excess > 0) s.writtenOffYTD = standing;
      // Likewise a transfer takes along only what is booked; corrections are
      // postings of their own and count at once.
      const long double booked = standing + s.correctionsYTD - s.writtenOffYTD;
      if (s.transferredYTD > booked) s.transferredYTD = std::max(0.0L, booked);
      s.accumDay = booked - s.transferredYTD;
    }
    for (int i = 1; i <= 11; ++i) {
      kept_[12].D += kept_[i].D;
      kept_[12].E += kept_[i].E;
      kept_[12].H += kept_[i].H;
      kept_[i] = {};
    }
    // The months write off no more than the summary: the excess comes off
    // December, which now holds every month's written-off amount.
    if (excess > 0) {
      long double& H = kept_[am == 0 ? 0 : 12].H;
      H = std::max(0.0L, H - excess);
    }
    if (am == 12) {
      s.chargeYTD = s.chargeMonth = kept_[12].D;
      s.writeUpMonth = kept_[12].E;
    }
  }
  for (int i = 0; i <= 12; ++i) wr_.months[i] = MonthValues{kept_[i].D, kept_[i].E, kept_[i].H};
}

}  // namespace zefir::engine
