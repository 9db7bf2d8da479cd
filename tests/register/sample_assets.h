// Small assets for tests that need a register to work on, without a test
// framework of their own (the Qt tests include it too).
#pragma once

#include "register/asset_record.h"
#include "text/dates.h"

namespace zefir::testing {

// A machine accepted on 15 June 2025 for 1,200, depreciated on a straight
// line at 10 % a year (classification 491), held since 2025.
inline AssetRecord linearMachine(const char* symb, const char* name) {
  AssetRecord a;
  a.Symb = symb;
  a.Nazw = name;
  a.DtOT = text::dayFromDate(2025, 6, 15);
  a.WaOT = a.WaBr = 1200;
  a.RokP = 2025;
  a.MeUm = 'L';
  a.K[0] = RateEntry{0, "491", 10, 1, 10, 1};
  return a;
}

}  // namespace zefir::testing
