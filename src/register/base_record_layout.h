// The 128-byte record of the main base file (".PST"): byte offsets of every
// field of every kind. The file is a plain sequence of these records with no
// header; numbers are little-endian, reals 80-bit extended (base_extended.h),
// texts short strings (length byte, then the characters) in Mazovia.
#pragma once

#include <cstddef>

namespace zefir::base {

inline constexpr std::size_t kRecordSize = 128;
// The full load reads the journal in blocks of this many records.
inline constexpr std::size_t kBlockRecords = 468;

// Every kind begins and ends alike.
inline constexpr std::size_t kSymb = 0;            // 16: Symb, max 15
inline constexpr std::size_t kKind = 16;           // 0 .. 5
inline constexpr std::size_t kSubIndex = 17;       // kinds 3, 4, 5
inline constexpr std::size_t kStampDay = 121;      // 2: day number of the write
inline constexpr std::size_t kStampMinutes = 123;  // 2: hour * 60 + minute
inline constexpr std::size_t kStampWriter = 125;   // 3: the writer's identifier
inline constexpr std::size_t kStampWriterSize = 3;
inline constexpr std::size_t kPayload = 18;  // first payload byte

// Kind 1, main data.
namespace main_data {
inline constexpr std::size_t kNazw = 18;   // 41
inline constexpr std::size_t kDtZa = 59;   // 2
inline constexpr std::size_t kCeZa = 61;   // 10
inline constexpr std::size_t kDdZa = 71;   // 16
inline constexpr std::size_t kDtOT = 87;   // 2
inline constexpr std::size_t kWaOT = 89;   // 10
inline constexpr std::size_t kRokP = 99;   // 1: RokP - 1900, 0 = none
inline constexpr std::size_t kWaBr = 100;  // 10, read only when byte 99 is not 0
inline constexpr std::size_t kWaUm = 110;  // 10, read only when byte 99 is not 0
inline constexpr std::size_t kMeUm = 120;  // 1
static_assert(kNazw + 41 == kDtZa && kDtZa + 2 == kCeZa && kCeZa + 10 == kDdZa);
static_assert(kDdZa + 16 == kDtOT && kDtOT + 2 == kWaOT && kWaOT + 10 == kRokP);
static_assert(kWaBr + 10 == kWaUm && kWaUm + 10 == kMeUm && kMeUm + 1 == kStampDay);
}  // namespace main_data

// Kind 2, second data.
namespace second_data {
inline constexpr std::size_t kNa2w = 18;   // 41
inline constexpr std::size_t kDost = 59;   // 41
inline constexpr std::size_t kDdOT = 100;  // 21
static_assert(kNa2w + 41 == kDost && kDost + 41 == kDdOT && kDdOT + 21 == kStampDay);
}  // namespace second_data

// Kind 3 (Opis lines 2s-1 and 2s) and kind 5 (change entries 2s-1 and 2s)
// hold two 51-byte texts.
namespace pair_of_texts {
inline constexpr std::size_t kFirst = 18;
inline constexpr std::size_t kSecond = 69;
inline constexpr std::size_t kFieldSize = 51;
static_assert(kFirst + kFieldSize == kSecond && kSecond + kFieldSize <= kStampDay);
}  // namespace pair_of_texts
inline constexpr int kDescriptionRecords = 5;  // kind 3, sub-index 1..5
inline constexpr int kChangeRecords = 30;      // kind 5, sub-index 1..30

// Kind 4, rate history entry K[sub-index], sub-index 1..5.
namespace rate {
inline constexpr std::size_t kSKST = 18;  // 17
inline constexpr std::size_t kDate = 35;  // 2
inline constexpr std::size_t kStPo = 37;  // 10
inline constexpr std::size_t kWsPo = 47;  // 10
inline constexpr std::size_t kZero = 57;  // 10, always zero
inline constexpr std::size_t kStBi = 67;  // 10
inline constexpr std::size_t kWsBi = 77;  // 10
static_assert(kSKST + 17 == kDate && kDate + 2 == kStPo && kStPo + 10 == kWsPo);
static_assert(kWsPo + 10 == kZero && kZero + 10 == kStBi && kStBi + 10 == kWsBi);
static_assert(kWsBi + 10 <= kStampDay);
}  // namespace rate

static_assert(kStampWriter + kStampWriterSize == kRecordSize);

// The classification table file KST: 100-byte records, no header.
namespace kst {
inline constexpr std::size_t kRecordSize = 100;
inline constexpr std::size_t kSymbol = 0;  // 4: length byte and up to 3
inline constexpr std::size_t kRate = 4;    // 2: statutory rate, hundredths of a percent
inline constexpr std::size_t kName = 6;    // 94: length byte and up to 93
static_assert(kName + 94 == kRecordSize);
}  // namespace kst

}  // namespace zefir::base
