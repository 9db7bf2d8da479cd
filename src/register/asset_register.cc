#include "register/asset_register.h"

#include <algorithm>

#include "text/codepage.h"

namespace zefir {

namespace {

const std::string kEndSymbol(1, '\xFF');

std::unique_ptr<AssetRecord> makeEndSlot() {
  auto end = std::make_unique<AssetRecord>();
  end->Symb = kEndSymbol;
  return end;
}

}  // namespace

Status Dictionary::add(DictionaryEntry e) {
  if (static_cast<int>(entries_.size()) >= kDictionaryCapacity)
    return Status::Error(text::fromUtf8("Słownik pełny: najwyżej 999 pozycji"));
  entries_.push_back(std::move(e));
  return Status::Ok();
}

const DictionaryEntry* Dictionary::find(std::string_view key) const {
  for (const auto& e : entries_)
    if (e.key == key) return &e;
  return nullptr;
}

Status ClassificationTable::add(ClassificationEntry e) {
  if (static_cast<int>(entries_.size()) >= kClassificationCapacity - 1)
    return Status::Error(text::fromUtf8("Tabela KŚT pełna: najwyżej 2499 grup"));
  entries_.push_back(std::move(e));
  return Status::Ok();
}

const ClassificationEntry* ClassificationTable::find(std::string_view symbol) const {
  for (const auto& e : entries_)
    if (e.symbol == symbol) return &e;
  return nullptr;
}

AssetRegister::AssetRegister() {
  clear();
}

const AssetRecord& AssetRegister::emptyRecord() {
  static const AssetRecord empty;
  return empty;
}

void AssetRegister::clear() {
  slots_.clear();
  slots_.push_back(std::make_unique<AssetRecord>());
  slots_.push_back(makeEndSlot());
  current_ = 0;
  minWriteDay = 65000;
  maxWriteDay = 0;
}

Status checkSymbolLength(std::string_view symb) {
  if (symb.size() <= static_cast<size_t>(kSymbMax)) return Status::Ok();
  return Status::Error(text::fromUtf8("Za długi symbol ") + std::string(symb) + ": " +
                       std::to_string(symb.size()) + text::fromUtf8(" znaków, najwyżej 15"));
}

int AssetRegister::find(std::string_view symb) {
  // Byte-wise order: std::string compares its chars as unsigned.
  auto it = std::lower_bound(slots_.begin(), slots_.end(), symb,
                             [](const std::unique_ptr<AssetRecord>& r, std::string_view s) {
                               return std::string_view(r->Symb) < s;
                             });
  current_ = static_cast<int>(it - slots_.begin());
  if (current_ > count()) current_ = count();
  return current_;
}

bool AssetRegister::exists(std::string_view symb) {
  find(symb);
  return current_ < count() && slot(current_).Symb == symb;
}

Status AssetRegister::insertAtCurrent() {
  if (assetCount() >= kMaxAssets)
    return Status::Error(text::fromUtf8("Rejestr pełny: najwyżej 29999 środków trwałych"));
  int at = std::clamp(current_, 1, count());
  slots_.insert(slots_.begin() + at, std::make_unique<AssetRecord>(emptyRecord()));
  current_ = at;
  return Status::Ok();
}

void AssetRegister::deleteAtCurrent() {
  if (current_ < 1 || current_ >= count()) return;
  slots_.erase(slots_.begin() + current_);
}

void AssetRegister::assignSorted(std::vector<std::unique_ptr<AssetRecord>> assets) {
  slots_ = std::move(assets);
  slots_.insert(slots_.begin(), std::make_unique<AssetRecord>());
  slots_.push_back(makeEndSlot());
  current_ = 0;
}

void AssetRegister::noteWriteDay(std::uint16_t day) {
  minWriteDay = std::min(minWriteDay, day);
  maxWriteDay = std::max(maxWriteDay, day);
}

}  // namespace zefir
