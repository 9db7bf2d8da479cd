// The full load's table aside: replay writes into it, and it is sorted into
// the register once at the end. Inserting every new asset in the middle of
// the register would move half the register each time; here a new asset is
// one slot of an open-addressing hash table keyed by the symbol. The outcome
// is the same as replaying into the register record by record.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "register/asset_register.h"
#include "register/base_replay.h"

namespace zefir::base {

class BulkLoadTarget : public ReplayTarget {
 public:
  explicit BulkLoadTarget(AssetRegister& reg);

  AssetRecord* find(const std::string& symb) override;
  AssetRecord* create(const std::string& symb, Status& refusal) override;
  void remove(const std::string& symb) override;
  void noteWriteDay(std::uint16_t day) override { reg_.noteWriteDay(day); }

  // Asks the processor ahead of time for the table slots and asset fields the
  // next `n` records will be replayed into. The assets lie all over memory and
  // later changes come in no order, so without it nearly every record waits
  // for memory twice. Only a hint: it changes nothing.
  void prefetch(const BaseRecord* records, std::size_t n);

  // Moves the assets into the register in symbol order.
  void finish();

 private:
  // A symbol of at most 15 characters, length first, zero-padded: compared
  // and hashed as two 64-bit words.
  using Key = std::array<unsigned char, 16>;
  struct Slot {
    Key key{};                            // all zero: never used
    std::unique_ptr<AssetRecord> record;  // null with a key: a removed asset
  };
  static Key keyOf(const std::string& symb);
  // The slot holding `key`, or the free slot where it would go.
  Slot& slotFor(const Key& key);
  void grow();

  AssetRegister& reg_;
  std::vector<Slot> slots_;
  std::vector<Key> ahead_;  // prefetch's keys, kept to reuse their memory
  std::size_t used_ = 0;    // slots with a key (live or removed)
  std::size_t live_ = 0;
  Key lastKey_{};
  AssetRecord* last_ = nullptr;  // records of one asset mostly come together
};

}  // namespace zefir::base
