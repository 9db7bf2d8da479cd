#include "register/base_bulk_load.h"

#include <algorithm>
#include <cstring>

#include "text/codepage.h"

namespace zefir::base {

namespace {

constexpr std::size_t kInitialSlots = 1 << 16;  // twice the register's capacity

std::uint64_t word(const std::array<unsigned char, 16>& key, int half) {
  std::uint64_t w;
  std::memcpy(&w, key.data() + 8 * half, sizeof w);
  return w;
}

std::uint64_t bigEndian(const std::array<unsigned char, 16>& bytes, int half) {
  std::uint64_t w = 0;
  for (int i = 0; i < 8; ++i) w = (w << 8) | bytes[8 * half + i];
  return w;
}

std::size_t hashOf(const std::array<unsigned char, 16>& key) {
  std::uint64_t h = word(key, 0) * 0x9E3779B97F4A7C15ULL ^ word(key, 1);
  h *= 0xC2B2AE3D27D4EB4FULL;
  return static_cast<std::size_t>(h ^ (h >> 29));
}

}  // namespace

BulkLoadTarget::BulkLoadTarget(AssetRegister& reg) : reg_(reg), slots_(kInitialSlots) {}

BulkLoadTarget::Key BulkLoadTarget::keyOf(const std::string& symb) {
  Key key{};
  std::size_t n = std::min<std::size_t>(symb.size(), 15);
  key[0] = static_cast<unsigned char>(n);
  std::memcpy(key.data() + 1, symb.data(), n);
  return key;
}

BulkLoadTarget::Slot& BulkLoadTarget::slotFor(const Key& key) {
  std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hashOf(key) & mask;; i = (i + 1) & mask) {
    Slot& s = slots_[i];
    if (s.key[0] == 0 || (word(s.key, 0) == word(key, 0) && word(s.key, 1) == word(key, 1)))
      return s;
  }
}

AssetRecord* BulkLoadTarget::find(const std::string& symb) {
  Key key = keyOf(symb);
  if (last_ && word(key, 0) == word(lastKey_, 0) && word(key, 1) == word(lastKey_, 1)) return last_;
  Slot& s = slotFor(key);
  if (!s.record) return nullptr;
  lastKey_ = key;
  last_ = s.record.get();
  return last_;
}

AssetRecord* BulkLoadTarget::create(const std::string& symb, Status& refusal) {
  if (live_ >= static_cast<std::size_t>(kMaxAssets)) {
    // The register's own refusal (AssetRegister::insertAtCurrent).
    refusal = Status::Error(text::fromUtf8("Rejestr pełny: najwyżej 29999 środków trwałych"));
    return nullptr;
  }
  if (2 * (used_ + 1) > slots_.size()) grow();
  Key key = keyOf(symb);
  Slot& s = slotFor(key);
  if (s.key[0] == 0) ++used_;
  s.key = key;
  // A new asset starts as the register's empty template (a default record).
  s.record = std::make_unique<AssetRecord>();
  s.record->Symb = symb;
  ++live_;
  lastKey_ = key;
  last_ = s.record.get();
  return last_;
}

void BulkLoadTarget::remove(const std::string& symb) {
  Slot& s = slotFor(keyOf(symb));
  if (s.record) {
    s.record.reset();  // the key stays: later keys may have probed past it
    --live_;
  }
  last_ = nullptr;
}

void BulkLoadTarget::prefetch(const BaseRecord* records, std::size_t n) {
  ahead_.resize(n);
  std::size_t mask = slots_.size() - 1;
  for (std::size_t i = 0; i < n; ++i) {
    ahead_[i] = keyOf(symbolOf(records[i]));
    __builtin_prefetch(&slots_[hashOf(ahead_[i]) & mask]);
  }
  for (std::size_t i = 0; i < n; ++i)
    if (const AssetRecord* asset = slotFor(ahead_[i]).record.get())
      prefetchFields(records[i], *asset);
}

void BulkLoadTarget::grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_ = std::vector<Slot>(old.size() * 2);
  used_ = 0;
  for (Slot& s : old)
    if (s.record) {
      Slot& to = slotFor(s.key);
      to.key = s.key;
      to.record = std::move(s.record);
      ++used_;
    }
  last_ = nullptr;
}

void BulkLoadTarget::finish() {
  // Sorted by the keys at hand rather than by the symbols in the assets, which
  // would fetch every asset from memory again. The symbol's bytes zero-padded,
  // read as two big-endian words, order like the symbols themselves: a symbol
  // holds no zero byte, so a shorter one sorts before any longer one it begins.
  struct Sortable {
    std::uint64_t high, low;
    Slot* slot;
  };
  std::vector<Sortable> order;
  order.reserve(live_);
  for (Slot& s : slots_)
    if (s.record) {
      Key bytes{};
      std::memcpy(bytes.data(), s.key.data() + 1, s.key[0]);
      order.push_back({bigEndian(bytes, 0), bigEndian(bytes, 1), &s});
    }
  std::sort(order.begin(), order.end(), [](const Sortable& a, const Sortable& b) {
    return a.high != b.high ? a.high < b.high : a.low < b.low;
  });
  std::vector<std::unique_ptr<AssetRecord>> sorted;
  sorted.reserve(order.size());
  for (const Sortable& s : order) sorted.push_back(std::move(s.slot->record));
  slots_.clear();
  last_ = nullptr;
  reg_.assignSorted(std::move(sorted));
}

}  // namespace zefir::base
