// The asset the desktop's document tests print: ST/9, a press accepted on
// 15 June 2025 for 4,321.00, straight-line at 20%.
#pragma once

#include "register/asset_record.h"
#include "text/dates.h"

inline void fillPress(zefir::AssetRecord& a) {
  a.Symb = "ST/9";
  a.Nazw = "Prasa";
  a.DtOT = zefir::text::dayFromDate(2025, 6, 15);
  a.WaOT = a.WaBr = 4321;
  a.MeUm = 'L';
  a.K[0].StPo = 20;
  a.K[0].WsPo = 1;
}
