// A change entry: the short text (at most 50 characters) that records one
// dated change of an asset, e.g. "OT:150320,FV 12/2020,1500,00zł" or
// "MU:010421,POK 12,,1/" (an empty amount, then a reference to the first
// earlier MU entry). This is the program's one reader of that text: every
// placement, split and report takes the parsed fields from here.
//
// The reading, field by field:
// - "KK:" — two letters and a colon, else the entry is empty (C == "").
// - a date DDMMYY followed by a comma (or by the end of the text) when those
//   six digits name a real day; otherwise the entry is undated (D == 0) and
//   the digits stay in the text. A comma right after the colon is the empty
//   date field and goes with it.
// - the key, up to the next comma.
// - the amount: when "zł" follows with only a number between, everything up to
//   "zł" ("1 500,50 zł"); otherwise up to the next comma.
// - references "n/" (1 .. the count of earlier entries of the same kind).
// - the note, up to the next comma.
// A key written as an amount ("500zł", or the lone number of a PK or PA
// correction) is the amount written first: it becomes W and the key is empty.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "register/asset_record.h"

namespace zefir {

inline constexpr long double kNoAmount = 1E-9L;  // W when the text gives no amount
inline constexpr int kChangeReferences = 9;

struct ChangeEntry {
  DayNumber D = 0;  // date of the change; 0 when the text has none
  std::string C;    // kind code, upper case, e.g. "OT"
  std::string K;    // key (account, place, person, KŚT symbol, document), upper case, max 20
  long double W = kNoAmount;  // amount; kNoAmount when none is given
  bool hasAmount = false;     // the text gave an amount
  std::string J;              // unit of the amount, "zł" (code page 1250) once parsed
  std::string N;              // note, upper case, max 20
  std::array<std::uint8_t, kChangeReferences> Z{};  // references to earlier entries of the
                                                    // same kind (1..60), 0 = none

  bool empty() const { return C.empty(); }
};

// Parses one entry (code page 1250). `earlierOfKind` is the number of entries
// of the same two-letter kind standing before this one in the asset's list;
// a reference above it (or above 60) ends the reference list.
ChangeEntry parseChangeEntry(std::string_view text, int earlierOfKind);

// Parses all 60 entries of an asset, counting the earlier entries of each kind
// (empty slots and texts without the colon count for no kind).
std::array<ChangeEntry, kChangeEntries> parseChangeEntries(const AssetRecord& asset);

// The number of entries of `kind` among parsed[0 .. i-1]. References count
// entries within their kind, so entry i is number entriesOfKindBefore + 1 of
// its kind: the n that a later "n/" names it by.
int entriesOfKindBefore(const std::array<ChangeEntry, kChangeEntries>& parsed, int i,
                        std::string_view kind);

// The display text of a parsed entry ("D=... C=... K=... W=..."), code page 1250.
std::string changeEntryDisplayText(const ChangeEntry& e);

}  // namespace zefir
