// The asset register: every asset of the organisation, in memory, sorted by
// symbol, with the dictionaries held beside it.
//
// Slots 0 .. count() are in use: slot 0 is an empty record whose symbol is the
// empty string, slot count() the end slot whose symbol is the single byte 0xFF,
// and the assets stand in slots 1 .. count() - 1 in ascending byte-wise order
// of their code page 1250 symbols. The two sentinels make every lookup land on
// a slot. The "current position" is the slot found by the last lookup; insert
// and delete work there.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "register/asset_record.h"
#include "text/status.h"

namespace zefir {

inline constexpr int kRegisterSlots = 30001;
inline constexpr int kMaxAssets = kRegisterSlots - 2;  // 29,999
inline constexpr int kDictionaryCapacity = 999;
inline constexpr int kClassificationCapacity = 2500;

// A place of use, person or account: key up to 20 characters, description up to 50.
struct DictionaryEntry {
  std::string key;
  std::string description;
};

// One of the three dictionaries (places of use, persons, accounts). Entries
// are numbered from 1; count() is the next free number (1 when empty).
class Dictionary {
 public:
  void clear() { entries_.clear(); }
  int count() const { return static_cast<int>(entries_.size()) + 1; }
  // Entry number i, 1 .. count() - 1.
  const DictionaryEntry& entry(int i) const { return entries_.at(i - 1); }
  const std::vector<DictionaryEntry>& entries() const { return entries_; }
  // Refused with a message when the dictionary already holds 999 entries.
  Status add(DictionaryEntry e);
  // The first entry whose key equals the given key, or nullptr.
  const DictionaryEntry* find(std::string_view key) const;

 private:
  std::vector<DictionaryEntry> entries_;
};

// A classification (KŚT) group: symbol up to 3 characters, name up to 93,
// and the statutory rate in hundredths of a percent (0 .. 10000).
struct ClassificationEntry {
  std::string symbol;
  std::string name;
  int rate = 0;
};

class ClassificationTable {
 public:
  void clear() { entries_.clear(); }
  // Index of the end entry; entries stand at 1 .. count() - 1.
  int count() const { return static_cast<int>(entries_.size()) + 1; }
  const ClassificationEntry& entry(int i) const { return entries_.at(i - 1); }
  const std::vector<ClassificationEntry>& entries() const { return entries_; }
  Status add(ClassificationEntry e);
  const ClassificationEntry* find(std::string_view symbol) const;

 private:
  std::vector<ClassificationEntry> entries_;
};

// Whether `symb` (code page 1250) fits the register's key: an error naming
// the symbol when it is longer than 15 characters. Every way in that takes a
// symbol from the user refuses such a symbol with this message instead of
// cutting it, since the cut symbol would name another asset.
Status checkSymbolLength(std::string_view symb);

class AssetRegister {
 public:
  AssetRegister();

  // Empties the register: slot 0, the end slot, count 1; stamps reset.
  void clear();

  // Index of the end slot; assets stand at 1 .. count() - 1.
  int count() const { return static_cast<int>(slots_.size()) - 1; }
  int assetCount() const { return count() - 1; }

  // Slot i, 0 .. count(). Slot 0 and the end slot must not be changed.
  const AssetRecord& slot(int i) const { return *slots_.at(i); }
  AssetRecord& slot(int i) { return *slots_.at(i); }
  std::string symbolOf(int i) const { return slot(i).Symb.str(); }
  std::string nameOf(int i) const { return slot(i).Nazw.str(); }

  // Binary search: the current position becomes the first slot whose symbol
  // is not below `symb`. Always lands on a slot. A symbol longer than 15
  // characters is searched as it is, never cut, so it lands after the asset
  // whose symbol it begins with and never on it.
  int find(std::string_view symb);
  // find(), then true when the slot found holds exactly that symbol (never
  // for a symbol longer than 15 characters).
  bool exists(std::string_view symb);
  int current() const { return current_; }
  AssetRecord& currentRecord() { return slot(current_); }

  // Inserts an empty record (the template) at the current position. Refused,
  // with nothing changed, when the register already holds 29,999 assets.
  Status insertAtCurrent();
  // Removes the asset at the current position (1 .. count() - 1).
  void deleteAtCurrent();

  // Replaces every asset at once by `assets`, which must be sorted by symbol,
  // unique and at most 29,999 (the full load of the base builds them aside).
  // The current position becomes 0; the stamps are kept.
  void assignSorted(std::vector<std::unique_ptr<AssetRecord>> assets);

  // The empty-record template that new slots start from.
  static const AssetRecord& emptyRecord();

  // The register's stamp: the base file's time stamp at the last load, and
  // the lowest and highest write-stamp days seen among the loaded records.
  std::int64_t fileStamp = -1;
  std::uint16_t minWriteDay = 65000;
  std::uint16_t maxWriteDay = 0;
  void noteWriteDay(std::uint16_t day);

  // Dictionaries held beside the register.
  ClassificationTable classification;
  Dictionary places;    // MiejscaU.MST
  Dictionary persons;   // Osoby.OST
  Dictionary accounts;  // Konta.KST

 private:
  // Slots by pointer, so an insertion in the middle moves pointers, not records.
  std::vector<std::unique_ptr<AssetRecord>> slots_;
  int current_ = 0;
};

}  // namespace zefir
