// The preparation of a computation: what the working copy of the record and
// the first year start from.
#include "register/engine_year_loop.h"
#include "text/dates.h"

namespace zefir::engine {

Preparation prepare(WorkingRecord& wr) {
  AssetRecord& a = wr.asset;
  Preparation p;
  p.yearOfAcceptance = a.DtOT != 0 ? text::yearOfDay(a.DtOT) : 0;
  p.acceptanceSlot = a.DtOT != 0 ? text::monthOfDayJanuaryZero(a.DtOT) : 0;
  p.rokPWasZero = a.RokP == 0;
  if (a.RokP == 0) a.RokP = static_cast<std::uint16_t>(p.yearOfAcceptance);
  if (a.DtOT != 0 && p.yearOfAcceptance == a.RokP) p.startMonth = p.acceptanceSlot + 1;
  p.firstYear = a.RokP != 0 ? a.RokP : 1940;
  p.openingGross = (p.yearOfAcceptance < a.RokP) ? a.WaBr : 0.0L;
  // The opening depreciation enters once: at 1 January when the first year is
  // charged from January, else in the acceptance month (the year loop).
  p.openingAccum = p.startMonth == 1 ? a.WaUm : 0.0L;
  p.umPo = p.startMonth == 1 ? 0.0L : a.WaUm;
  a.UmPo = p.umPo;
  return p;
}

}  // namespace zefir::engine
