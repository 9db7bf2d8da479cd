// The asset record: one fixed asset as the register holds it in memory.
//
// Texts are code page 1250 bytes held in place (text::InlineString), each
// with the maximum length the base files can store: a longer value is cut
// there, as saving would cut it. Money, rates and coefficients are long double,
// like the 80-bit reals of the base files. Dates are day numbers (see
// text/dates.h): 0 means no date.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "text/day_number.h"
#include "text/inline_string.h"

namespace zefir {

// Maximum lengths of the text fields (characters of code page 1250).
inline constexpr int kSymbMax = 15;
inline constexpr int kNazwMax = 40;
inline constexpr int kDdZaMax = 15;
inline constexpr int kNa2wMax = 40;
inline constexpr int kDostMax = 40;
inline constexpr int kDdOTMax = 20;
inline constexpr int kOpisMax = 50;
inline constexpr int kSKSTMax = 16;
inline constexpr int kChangeEntryMax = 50;

// A text field of at most `Max` characters.
template <int Max>
using Text = text::InlineString<Max>;

inline constexpr int kOpisLines = 10;
inline constexpr int kRateEntries = 5;
inline constexpr int kChangeEntries = 60;

// One entry of the rate history. K[0] is the entry the base files store with
// sub-index 1 (and the asset card shows as "Lp" 1).
struct RateEntry {
  DayNumber date = 0;    // the day from which the entry applies ("od dnia")
  Text<kSKSTMax> SKST;   // classification (KŚT) symbol
  long double StPo = 0;  // tax rate, % a year
  long double WsPo = 0;  // tax coefficient
  long double StBi = 0;  // balance rate, % a year
  long double WsBi = 0;  // balance coefficient

  bool operator==(const RateEntry&) const = default;
};

struct AssetRecord final {
  Text<kSymbMax> Symb;     // inventory symbol, the register's key
  Text<kNazwMax> Nazw;     // name
  DayNumber DtZa = 0;      // purchase date
  long double CeZa = 0;    // purchase price
  Text<kDdZaMax> DdZa;     // purchase document
  DayNumber DtOT = 0;      // acceptance into use (OT)
  long double WaOT = 0;    // value at acceptance
  std::uint16_t RokP = 0;  // year of the opening balance; 0 = kept from acceptance
  long double WaBr = 0;    // opening gross value at 1 January of RokP
  long double WaUm = 0;    // opening accumulated depreciation at 1 January of RokP
  char MeUm = 0;           // depreciation method letter, blank or zero byte
  long double UmPo = 0;    // engine's working value; never stored in the base
  Text<kNa2wMax> Na2w;     // second line of the name
  Text<kDostMax> Dost;     // supplier
  Text<kDdOTMax> DdOT;     // acceptance document
  std::array<Text<kOpisMax>, kOpisLines> Opis;          // description lines
  std::array<RateEntry, kRateEntries> K;                // rate history, K[0] = entry 1
  std::array<Text<kChangeEntryMax>, kChangeEntries> Z;  // change entries, "" = free slot;
                                                        // Z[0] = entry 1

  bool operator==(const AssetRecord&) const = default;

  // Records on their own (the register's slots) come from blocks that are
  // kept once freed: a reload of the base finds its records' memory in
  // place instead of asking the system for every page again. Safe from any
  // thread.
  static void* operator new(std::size_t size);
  static void operator delete(void* record) noexcept;
};

}  // namespace zefir
