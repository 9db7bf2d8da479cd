#include "register/base_replay.h"

#include "platform/status_line.h"
#include "register/base_values.h"
#include "text/codepage.h"

namespace zefir::base {

namespace {

class RegisterTarget : public ReplayTarget {
 public:
  explicit RegisterTarget(AssetRegister& reg) : reg_(reg) {}
  AssetRecord* find(const std::string& symb) override {
    return reg_.exists(symb) ? &reg_.currentRecord() : nullptr;
  }
  AssetRecord* create(const std::string& symb, Status& refusal) override {
    reg_.find(symb);
    Status s = reg_.insertAtCurrent();
    if (!s.ok()) {
      refusal = s;
      return nullptr;
    }
    reg_.currentRecord().Symb = symb;
    return &reg_.currentRecord();
  }
  void remove(const std::string& symb) override {
    if (reg_.exists(symb)) reg_.deleteAtCurrent();
  }
  void noteWriteDay(std::uint16_t day) override { reg_.noteWriteDay(day); }

 private:
  AssetRegister& reg_;
};

}  // namespace

ReplayOutcome replayRecord(ReplayTarget& target, const BaseRecord& record) {
  if (checkRecord(record) != RecordFault::None) return ReplayOutcome::Skipped;
  std::string symb = symbolOf(record);
  target.noteWriteDay(stampOf(record).day);
  RecordKind kind = kindOf(record);
  if (kind == RecordKind::Deletion) {
    showStatus(symb, StatusKind::Information);
    // Deleting an asset that is not there changes nothing (inserting a slot
    // only to remove it again could not fail any other way).
    target.remove(symb);
    return ReplayOutcome::Deleted;
  }
  AssetRecord* asset = target.find(symb);
  if (!asset) {
    if (kind != RecordKind::Main) {
      showStatus("Brak rekordu 1 w " + symb, StatusKind::Error);
      return ReplayOutcome::UnknownAsset;
    }
    Status refusal;
    asset = target.create(symb, refusal);
    if (!asset) {
      showStatus(refusal.message(), StatusKind::Error);
      return ReplayOutcome::RegisterFull;
    }
  }
  applyRecord(record, *asset);
  return hasDamagedValues(record) ? ReplayOutcome::Damaged : ReplayOutcome::Applied;
}

ReplayOutcome replayRecord(AssetRegister& reg, const BaseRecord& record) {
  RegisterTarget target(reg);
  return replayRecord(target, record);
}

}  // namespace zefir::base
