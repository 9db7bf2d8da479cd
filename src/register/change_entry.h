// A change entry: the short text (at most 50 characters) that records one
// dated change of an asset, e.g. "OT:150320,FV 12/2020,1500,00zł" or
// "MU:010421,POK 12,1/". This is the program's one reader of that text: every
// placement, split and report takes the parsed fields from here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "register/asset_record.h"

namespace zefir {

inline constexpr long double kNoAmount = 1E-9L;  // W when the text gives no amount

struct ChangeEntry {
  DayNumber D = 0;      // date of the change; 0 when the text has none
  std::string C;        // kind code, upper case, e.g. "OT"
  std::string K;        // key (account, place, person, KŚT symbol, document), upper case, max 20
  long double W = kNoAmount;  // amount; kNoAmount when none is given
  bool hasAmount = false;     // the text gave an amount
  std::string J;        // unit of the amount, "zł" (code page 1250) once parsed
  std::string N;        // note, upper case, max 20
  std::array<std::uint8_t, 9> Z{};  // references to earlier entries of the same kind (1..60), 0 = none

  bool empty() const { return C.empty(); }
};

// Parses one entry. `earlierOfKind` is the number of entries of the same
// two-letter kind standing before this one in the asset's list; references
// above it (or above 60) end the reference list.
ChangeEntry parseChangeEntry(std::string_view text, int earlierOfKind);

// Parses all 60 entries of an asset, counting the earlier entries of each kind.
std::array<ChangeEntry, kChangeEntries> parseChangeEntries(const AssetRecord& asset);

// The display text of a parsed entry ("D=... C=... K=... W=..."), code page 1250.
std::string changeEntryDisplayText(const ChangeEntry& e);

}  // namespace zefir
