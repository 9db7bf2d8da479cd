// Small builders for the engine and change-document tests.
#pragma once

#include <initializer_list>
#include <string>

#include <gtest/gtest.h>

#include "register/asset_record.h"
#include "register/engine_working_record.h"
#include "text/dates.h"

namespace zefir::testing {

inline DayNumber day(int d, int m, int y) {
  return text::dayFromDate(y, m, d);
}

// An asset accepted on `accepted` for `value`, kept from its acceptance, with
// one rate entry of `rate` % (tax and balance alike, coefficient 1).
inline AssetRecord makeAsset(DayNumber accepted, long double value, char method, long double rate,
                             std::initializer_list<const char*> entries = {}) {
  AssetRecord a;
  a.Symb = "A1";
  a.Nazw = "Rega\xB3";  // code page 1250
  a.DtOT = accepted;
  a.WaOT = value;
  a.WaBr = value;
  a.MeUm = method;
  a.K[0].SKST = "491";
  a.K[0].StPo = rate;
  a.K[0].WsPo = 1;
  int i = 0;
  for (const char* e : entries) a.Z[i++] = e;
  return a;
}

// The year entry of `year`; a test failure when the table has none.
inline const YearEntry& yearOf(const WorkingRecord& wr, int year) {
  for (int i = 0; i < wr.yearCount; ++i)
    if (wr.years[i].year == year) return wr.years[i];
  static const YearEntry none;
  ADD_FAILURE() << "no year " << year;
  return none;
}

}  // namespace zefir::testing
