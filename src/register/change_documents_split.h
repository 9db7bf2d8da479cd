// The attribute split: how an asset's gross value is shared, as of a day,
// among its places of use (MU), persons (OO), accounts (the K kinds) and its
// subsidised part (UD); plus the quantity and unit split off its name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "register/change_documents.h"

namespace zefir {

inline constexpr int kMaxHoldings = 40;
inline constexpr std::size_t kHoldingKeyMax = 30;

struct Holding {
  std::string kind;               // MU, OO, KK, KN, KP, KR, KS, KU or UD
  std::string key;                // place, person or account, up to 30 characters
  std::uint8_t origin = 0;        // the entry that created it, numbered within its kind
                                  // (the second MU entry is 2), as references name it; 0 = none
  long double amount = 0;         // part of the gross value held
  long double quantityShare = 1;  // part of the quantity belonging to it
};

struct QuantityFromName {
  long double quantity = 0;  // 0 when the name carries none
  long double precision = 0.0001L;
  std::string unit;  // "szt", "kpl", "m", "m2", "kg" or ""
  std::string name;  // the name without the quantity and unit
};

// Splits a trailing quantity and unit off a name ("Krzesło 12 szt").
QuantityFromName quantityFromName(std::string_view name);

struct AttributeSplit {
  std::vector<Holding> holdings;  // at most 40, in holding order
  long double gross = 0;          // current gross value on the day
  QuantityFromName quantity;      // the quantity as the decreases left it
  std::string lastDecreaseKind;   // kind of the last decrease or transfer
  std::string lastDecreaseNote;   // its key, up to 25 characters
};

// The split of `asset` as of `asOf` (whose month, 0 for 1 January, is
// `asOfMonth`). `kindFilter` (empty for none) makes sure a holding of that kind
// exists: one keyed "bez " and the kind when the entries gave none.
AttributeSplit splitAttributes(const AssetRecord& asset, const ParsedEntries& entries,
                               DayNumber asOf, std::string_view kindFilter = {});

// Descriptions for cards and listings. `grossBO` is the gross value at
// 1 January of the as-of year; amounts equal to it or to the current gross
// value are not repeated in the text.
std::string describeHoldings(const AttributeSplit& split, std::string_view kind,
                             long double grossBO);
// KK holdings, or the KR ones when there is no KK holding.
std::string describeCostAccounts(const AttributeSplit& split, long double grossBO);
// KS, KU and KK/KR texts joined with " /".
std::string describeAccounts(const AttributeSplit& split, long double grossBO);

}  // namespace zefir
