#include "register/base_saves.h"

#include <algorithm>

namespace zefir::base {

namespace {

constexpr std::size_t kMinutesAt = kStampMinutes;
// Unmarked saves of one asset that a record may still continue: two
// workstations saving one asset at once give two, a few more is plenty.
constexpr std::size_t kLegacyCandidates = 4;

std::uint16_t minutesField(const BaseRecord& r) {
  return static_cast<std::uint16_t>(r[kMinutesAt] | (r[kMinutesAt + 1] << 8));
}

void orMinutes(BaseRecord& r, std::uint16_t flag) {
  const auto v = static_cast<std::uint16_t>(minutesField(r) | flag);
  r[kMinutesAt] = static_cast<unsigned char>(v & 0xFF);
  r[kMinutesAt + 1] = static_cast<unsigned char>(v >> 8);
}

// Kinds and sub-indexes in the order a save writes them.
int orderOf(const BaseRecord& r) {
  return static_cast<int>(kindOf(r)) * 64 + subIndexOf(r);
}

}  // namespace

bool opensSave(const BaseRecord& r) {
  return (minutesField(r) & kFirstOfSaveFlag) != 0;
}

bool closesSave(const BaseRecord& r) {
  return (minutesField(r) & kLastOfSaveFlag) != 0;
}

void markSave(BaseRecord* records, std::size_t n) {
  if (n == 0) return;
  orMinutes(records[0], kFirstOfSaveFlag);
  orMinutes(records[n - 1], kLastOfSaveFlag);
}

std::size_t SaveTracker::newSave(const std::string& symbol, std::int64_t index,
                                 const BaseRecord& r) {
  saves_.push_back(Save{symbol, index, index, stampOf(r), orderOf(r), false});
  return saves_.size() - 1;
}

void SaveTracker::endOpenSave(bool incomplete) {
  if (!open_) return;
  if (incomplete) saves_[*open_].incomplete = true;
  open_.reset();
}

std::size_t SaveTracker::legacySave(const std::string& symbol, std::int64_t index,
                                    const BaseRecord& r) {
  std::vector<std::size_t>& candidates = legacyOpen_[symbol];
  const WriteStamp stamp = stampOf(r);
  const int order = orderOf(r);
  for (auto it = candidates.rbegin(); it != candidates.rend(); ++it) {
    Save& s = saves_[*it];
    if (!(s.stamp == stamp)) continue;
    if (s.order >= order) break;  // the same writer's next save of the asset
    // A record of another save of this asset came since this save's last
    // one: the two are mixed.
    if (auto latest = latestSave_.find(symbol);
        latest != latestSave_.end() && latest->second != *it) {
      s.incomplete = true;
      saves_[latest->second].incomplete = true;
    }
    s.last = index;
    s.order = order;
    return *it;
  }
  const std::size_t id = newSave(symbol, index, r);
  candidates.push_back(id);
  if (candidates.size() > kLegacyCandidates) candidates.erase(candidates.begin());
  return id;
}

void SaveTracker::add(std::int64_t index, const BaseRecord& r, RecordFault fault) {
  if (fault == RecordFault::PaddedTorn) return endOpenSave(true);
  if (fault != RecordFault::None) {
    // Replay skips it: a save it belongs to did not get into the register whole.
    if (open_) saves_[*open_].incomplete = true;
    if (closesSave(r)) endOpenSave(false);
    return;
  }
  const std::string symbol = symbolOf(r);
  std::size_t id;
  if (opensSave(r)) {
    endOpenSave(true);  // a save that never got its last record
    id = newSave(symbol, index, r);
    open_ = id;
  } else if (open_ && saves_[*open_].symbol == symbol) {
    id = *open_;
    saves_[id].last = index;
  } else {
    endOpenSave(true);  // an unmarked record cannot stand inside a save
    id = legacySave(symbol, index, r);
  }
  latestSave_[symbol] = id;
  if (closesSave(r)) endOpenSave(false);
  if (kindOf(r) == RecordKind::Deletion) {
    latestSave_.erase(symbol);
    legacyOpen_.erase(symbol);
  }
}

std::vector<IncompleteSave> SaveTracker::incompleteLastSaves() const {
  std::vector<IncompleteSave> out;
  for (const auto& [symbol, id] : latestSave_) {
    const Save& s = saves_[id];
    if (s.incomplete || (open_ && *open_ == id)) out.push_back({symbol, s.first, s.last});
  }
  std::sort(out.begin(), out.end(),
            [](const IncompleteSave& a, const IncompleteSave& b) { return a.symbol < b.symbol; });
  return out;
}

}  // namespace zefir::base
