// Change documents: what each kind of change entry does to an asset.
//
// The entries are always taken in their parsed form (register/change_entry.h):
// the date, kind, key, amount and references come from the one parser, so a
// placement, a split and a report can never read one entry two ways. Callers
// parse an asset's 60 entries once (parseChangeEntries) and pass the array to
// every function here.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "register/asset_record.h"
#include "register/change_entry.h"

namespace zefir {

using ParsedEntries = std::array<ChangeEntry, kChangeEntries>;

// The families of change kinds, as the program lists them.
inline constexpr std::string_view kValueKinds = ".OT.OZ.LN.LS.LT.LZ.PT.";
inline constexpr std::string_view kStopResumeKinds = ".WU.UU.";
inline constexpr std::string_view kCorrectionKinds = ".PA.PK.";

enum class ChangeFamily {
  None,        // not a known kind
  Increase,    // OT, OZ
  Decrease,    // LN, LS, LT, LZ (liquidation)
  Transfer,    // PT
  StopResume,  // WU, UU
  Correction,  // PA, PK
  Attribute,   // MU, OO, KK, KN, KP, KR, KS, KU, UD
};

ChangeFamily changeFamily(std::string_view kind);

// The value changes and marks of one month slot of a year. Slot 0 holds what
// is dated 1 January and acts before January's charge.
struct MonthChanges {
  long double increase = 0;    // OT/OZ amounts
  long double decrease = 0;    // LN/LS/LT/LZ amounts
  long double transfer = 0;    // PT amounts
  long double correction = 0;  // PK/PA amount added to accumulated depreciation
  char mark = ' ';             // 'U' resume, 'W' stop, 'V' bonus (no regular charge), ' ' none
};

struct YearChanges {
  std::array<MonthChanges, 13> months{};
  unsigned busy = 0;                // bit i set: slot i holds a change or a mark
  int leavingMonth = -1;            // last month slot with a decrease or transfer; -1 none
  std::string liquidationDocument;  // key of the last decrease placed, up to 25 characters
};

// The date a placement uses: the entry's own, or the acceptance date when it has none.
DayNumber placementDate(const ChangeEntry& e, DayNumber DtOT);

// The entries that place values or marks, each with the year and month slot
// of its date, worked out once for all the years of a computation.
struct DatedEntry {
  const ChangeEntry* entry = nullptr;
  ChangeFamily family = ChangeFamily::None;
  int year = 0;
  int slot = 0;  // 0 for 1 January, else the month
};
struct DatedEntries {
  std::array<DatedEntry, kChangeEntries> items{};
  int count = 0;
};
DatedEntries datedEntries(const ParsedEntries& entries, DayNumber DtOT);

// Adds every entry dated within `year` to `out`, whose slots may already hold
// the acceptance (the engine puts WaBr there first). `grossAtJanuary1` is the
// gross value at 1 January, which a decrease or transfer without an amount
// needs to find the whole current value.
void placeYearChanges(const DatedEntries& entries, int year, long double grossAtJanuary1,
                      YearChanges& out);
void placeYearChanges(const ParsedEntries& entries, DayNumber DtOT, int year,
                      long double grossAtJanuary1, YearChanges& out);

// The n-th entry (n from 1) whose kind is `kind` (OT, LT or PT), as its text
// from the fourth character; `ordinal` receives its slot number 1..60, or 255
// when there is none (and the text is empty).
std::string nthDocument(const AssetRecord& asset, std::string_view kind, int n, int* ordinal);

// The description of an asset's first OT, built from the record: acceptance
// date, supplier, acceptance value, OT document, purchase document and date.
std::string firstOtDescription(const AssetRecord& asset);

}  // namespace zefir
