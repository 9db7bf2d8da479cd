// The engine's inner parts: the preparation of a computation and the loop
// over its years. Used by depreciation_engine.cc only.
#pragma once

#include "register/engine_working_record.h"

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

// Runs the years from the first year to the as-of year (not beyond 2039, at
// most 100) and fills the year table, the as-of months and the summary.
void runYears(WorkingRecord& wr, const Preparation& prep, Basis basis);

}  // namespace zefir::engine
