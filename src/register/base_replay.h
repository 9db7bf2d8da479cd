// Replaying one base record into the register: the same rule for the full
// load and for reading what others appended. The latest record of each kind
// and sub-index wins; fields a record does not hold stay as they were.
#pragma once

#include "register/asset_register.h"
#include "register/base_record.h"

namespace zefir::base {

enum class ReplayOutcome {
  Applied,       // kind 1 to 5 written into the asset (kind 1 may have created it)
  Damaged,       // applied, but damaged values (base_values.h) were read as 0
  Deleted,       // kind 0 removed the asset (or there was none to remove)
  Skipped,       // the record failed its check: skipped without a message
  UnknownAsset,  // kind 2 to 5 for an asset not in the register: "Brak rekordu 1 w " + symbol
  RegisterFull,  // kind 1 for a new asset while 29,999 are held: the register's message
};

// Replays `record` into `reg`: check, note the write-stamp day, show the
// symbol of a deletion (kind 2) and the refusals (kind 0) in the status line.
ReplayOutcome replayRecord(AssetRegister& reg, const BaseRecord& record);

// What replay needs from the assets it works on: the register itself, or the
// bulk load's table aside (base_reader.cc), which is sorted into the register
// once at the end instead of inserting each new asset in the middle.
class ReplayTarget {
 public:
  virtual ~ReplayTarget() = default;
  virtual AssetRecord* find(const std::string& symb) = 0;
  // A new empty asset record with symbol `symb`, or nullptr with `refusal`
  // set when the register is full.
  virtual AssetRecord* create(const std::string& symb, Status& refusal) = 0;
  virtual void remove(const std::string& symb) = 0;
  virtual void noteWriteDay(std::uint16_t day) = 0;
};
ReplayOutcome replayRecord(ReplayTarget& target, const BaseRecord& record);

}  // namespace zefir::base
