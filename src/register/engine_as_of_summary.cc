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
    if (am < 12) bookBeforeDecember(s);
    for (int i = 1; i <= 11; ++i) {
      kept_[12].D += kept_[i].D;
      kept_[12].E += kept_[i].E;
      kept_[12].H += kept_[i].H;
      kept_[i] = {};
    }
    // The folded sums of rounded amounts, rounded again.
    kept_[12].D = R(kept_[12].D);
    kept_[12].E = R(kept_[12].E);
    kept_[12].H = R(kept_[12].H);
    if (am == 12) {
      s.chargeYTD = s.chargeMonth = kept_[12].D;
      s.writeUpMonth = kept_[12].E;
    }
  }
  for (int i = 0; i <= 12; ++i) wr_.months[i] = MonthValues{kept_[i].D, kept_[i].E, kept_[i].H};
}

// Method B before December: the depreciation is booked once a year, in
// December, so the year shows no charge yet. What stands booked on the asset
// is the depreciation at 1 January, the opening depreciation of an asset
// accepted this year from its acceptance month, and the corrections, which
// are postings of their own and count at once. Month by month, a liquidation
// writes off no more than is booked and, in all, no more than what stood at
// 1 January with the corrections booked since (an asset liquidated whole
// keeps none of a correction); a transfer takes along no more than is booked.
// Each takes its part when it happens, so a later liquidation never lowers
// what an earlier transfer took.
void YearLoop::bookBeforeDecember(AsOfSummary& s) {
  bookedOnlyInDecember_ = true;
  s.chargeYTD = s.chargeMonth = s.writeUpMonth = 0;
  const int acceptanceMonth = year_ == prep_.firstYear && startMonth_ > 1 ? startMonth_ - 1 : -1;
  long double standing = s.accumBO, booked = s.accumBO;
  long double writtenOff = 0, transferred = 0;
  for (int i = 0; i <= wr_.asOfMonth; ++i) {
    Kept& k = kept_[i];
    if (i == acceptanceMonth) {
      standing += a_.WaUm;
      booked += a_.WaUm;
    }
    standing += k.F;
    booked += k.F;
    k.H = R(std::min(k.H, std::max(0.0L, std::min(booked, standing - writtenOff))));
    writtenOff += k.H;
    booked -= k.H;
    k.G = R(std::min(k.G, std::max(0.0L, booked)));
    transferred += k.G;
    booked -= k.G;
  }
  s.writtenOffYTD = R(writtenOff);
  s.transferredYTD = R(transferred);
  s.accumDay = R(booked);
}

}  // namespace zefir::engine
