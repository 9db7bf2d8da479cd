// One record of the main base file: its check, and its conversion to and
// from the asset record. The offsets are in base_record_layout.h.
//
// Texts are Mazovia in the record and code page 1250 in the asset record;
// every text field of every kind is converted here, Symb and SKST included.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "register/asset_record.h"
#include "register/base_record_layout.h"

namespace zefir::base {

using BaseRecord = std::array<unsigned char, kRecordSize>;

enum class RecordKind : std::uint8_t {
  Deletion = 0,     // no payload; removes the asset
  Main = 1,         // Nazw, DtZa, CeZa, DdZa, DtOT, WaOT, RokP, WaBr, WaUm, MeUm
  Second = 2,       // Na2w, Dost, DdOT
  Description = 3,  // Opis lines 2s-1 and 2s, s = sub-index 1..5
  Rate = 4,         // K[i], i = sub-index 1..5
  Changes = 5,      // change entries 2s-1 and 2s, s = sub-index 1..30
};

// Why a record fails its check (it is then skipped without a message).
enum class RecordFault {
  None,
  SymbolLength,     // Symb length not 1..15
  SymbolCharacter,  // a Symb character outside blank & + - . / 0-9 A-Z and the Polish capitals
  Kind,             // kind not 0..5
  SubIndex,         // kind 3/4 sub-index not 1..5, kind 5 not 1..30
  TextLength,       // a length byte above its field's maximum
  TextCharacter,    // kind 1 Nazw/DdZa or kind 2 Na2w/Dost holds a character below blank
  Method,           // kind 1 MeUm not a zero byte, blank or A-Z
  PaddedTorn,       // the torn record of a writer that died, completed with zeros by
                    // the next append (seen from the record after it, see below)
};

// The check made before a record is replayed; characters are judged on the
// stored Mazovia bytes.
RecordFault checkRecord(const BaseRecord& record);
// Short Polish reason, e.g. for `zefir-cli check` (code page 1250).
std::string faultText(RecordFault fault);

// The write stamp every record ends with.
struct WriteStamp {
  std::uint16_t day = 0;                        // day number of the write
  std::uint16_t minutes = 0;                    // hour * 60 + minute
  std::array<char, kStampWriterSize> writer{};  // the writer's identifier
  bool operator==(const WriteStamp&) const = default;
};

// The workstation suffix of station n (1..197 and the others up to 999):
// "." and the last three digits of 1000 + n, e.g. ".005".
std::string workstationSuffix(int station);
// The three identifier characters a writer stamps: characters 3 to 5 of the
// suffix counted as a short string (length byte first), i.e. the three
// characters after the "." (".005" gives "005", ".xxx" gives "xxx").
// Missing characters are blanks.
std::array<char, kStampWriterSize> writerIdentifier(std::string_view suffix);

// The first record an append writes right after padding a torn tail with
// zeros carries this bit in its stamp minutes. The slot before it is then the
// torn record of a writer that died: half a record and zeros, which replay
// skips (RecordFault::PaddedTorn) instead of applying zero values or, when
// the tear came before the kind byte, a deletion. Records written before the
// program knew this rule never carry the bit, so nothing of theirs is skipped.
inline constexpr std::uint16_t kAfterPaddingFlag = 0x8000;
// The bits of the stamp minutes that are flags (this one and those of
// base_saves.h); the minutes of a day never reach them.
inline constexpr std::uint16_t kStampMinuteFlags = 0xE000;
bool followsPadding(const BaseRecord& record);
void markFollowsPadding(BaseRecord& record);

// Field access on a raw record.
RecordKind kindOf(const BaseRecord& record);  // only meaningful after a check
int subIndexOf(const BaseRecord& record);
WriteStamp stampOf(const BaseRecord& record);  // minutes without kStampMinuteFlags
void setStamp(BaseRecord& record, const WriteStamp& stamp);
// The record's symbol in code page 1250 (the length byte is trusted up to 15).
std::string symbolOf(const BaseRecord& record);

// Builds the record of `kind` (and sub-index, for kinds 3 to 5) from the
// asset: texts converted to Mazovia and cut to their field's maximum, the
// stamp left zero. Kind 1 stores RokP - 1900 in byte 99 when RokP is 1901 to
// 2155, else 0 (callers refuse other years before saving).
BaseRecord encodeRecord(const AssetRecord& asset, RecordKind kind, int subIndex = 0);

// Overwrites the fields of a checked record of kind 1 to 5 in the asset
// (kind 1 also sets Symb; kind 4 also clears UmPo). A kind-1 record whose
// byte 99 is 0 (or names a year outside the register's calendar) gives RokP
// 0, WaBr = WaOT and WaUm 0 whatever bytes 100 to 119 hold. A damaged amount
// (base_values.h) is read as 0.
void applyRecord(const BaseRecord& record, AssetRecord& asset);
// Asks the processor to fetch the fields of `asset` that applyRecord would
// write for `record` (a hint for the bulk load; any record is accepted).
void prefetchFields(const BaseRecord& record, const AssetRecord& asset);

}  // namespace zefir::base
