// The reading side of the base journal: the full load, reading what others
// appended, and the raw scan for tools.
#include <algorithm>
#include <vector>

#include "platform/file_system.h"
#include "platform/open_retry.h"
#include "platform/paths.h"
#include "platform/status_line.h"
#include "platform/workstation_marks.h"
#include "register/base_bulk_load.h"
#include "register/base_files.h"
#include "register/base_journal.h"
#include "register/base_replay.h"
#include "register/base_values.h"
#include "text/codepage.h"

namespace zefir {

using base::BaseRecord;
using base::kBlockRecords;
using base::kRecordSize;

namespace {

constexpr const char* kLoadTag = "aTProcH:WczytajBazeDanych";
constexpr const char* kReadAppendedTag = "bZestaw:Doczytaj";

// Calls visit(index, record, next) for every whole record from record number
// `from` on, reading blocks of 468 records; `next` is the record after it, or
// nullptr for the last one. Each block, once read, is first shown to
// onBlock(records, count). Returns the number of whole records in the file.
template <typename Visit, typename OnBlock>
std::int64_t forEachRecord(const platform::SharedFile& file, std::int64_t from, Visit visit,
                           OnBlock onBlock) {
  std::int64_t records = file.size() / static_cast<std::int64_t>(kRecordSize);
  std::vector<BaseRecord> block(kBlockRecords);
  BaseRecord pending;  // the last record of the previous block
  bool hasPending = false;
  std::int64_t at = from;
  while (at < records) {
    std::int64_t n = std::min<std::int64_t>(kBlockRecords, records - at);
    std::size_t got = file.readAt(at * static_cast<std::int64_t>(kRecordSize), block.data(),
                                  static_cast<std::size_t>(n) * kRecordSize);
    n = static_cast<std::int64_t>(got / kRecordSize);
    if (n == 0) break;  // the file shrank under us: nothing more to read
    onBlock(block.data(), static_cast<std::size_t>(n));
    if (hasPending) visit(at - 1, pending, &block[0]);
    for (std::int64_t i = 1; i < n; ++i) visit(at + i - 1, block[i - 1], &block[i]);
    pending = block[n - 1];
    hasPending = true;
    at += n;
  }
  if (hasPending) visit(at - 1, pending, static_cast<const BaseRecord*>(nullptr));
  return records;
}

template <typename Visit>
std::int64_t forEachRecord(const platform::SharedFile& file, std::int64_t from, Visit visit) {
  return forEachRecord(file, from, visit, [](const BaseRecord*, std::size_t) {});
}

// The torn record of a writer that died, padded by the append that follows
// it (see base::kAfterPaddingFlag): skipped like a record that fails its check.
bool isPaddedTorn(const BaseRecord* next) {
  return next && base::followsPadding(*next);
}

// The first few items joined by ", ", and how many more there are.
std::string listed(const std::vector<std::string>& items) {
  constexpr std::size_t kNamed = 3;
  std::string out;
  for (std::size_t i = 0; i < items.size() && i < kNamed; ++i) out += (i ? ", " : "") + items[i];
  if (items.size() > kNamed)
    out +=
        text::fromUtf8(" i ") + std::to_string(items.size() - kNamed) + text::fromUtf8(" więcej");
  return out;
}

Status veryBusy() {
  std::string text = text::fromUtf8("Bardzo mocno zajęty");
  showStatus(text, StatusKind::Error);
  return Status::Error(text);
}

}  // namespace

BaseJournal::BaseJournal(std::string pstPath) : path_(std::move(pstPath)) {}

std::string BaseJournal::baseFolder() const {
  return platform::folderOf(path_);
}

Status BaseJournal::load(AssetRegister& reg) {
  Status result;
  // The size is compared too: two appends within one tick of the file
  // system's clock leave the same time stamp.
  std::optional<std::int64_t> stamp = platform::fileStamp(path_);
  std::optional<std::int64_t> size = platform::fileSize(path_);
  if (path_.empty() || !stamp || *stamp != reg.fileStamp || size != loadedSize_) {
    if (onBeforeLoad) onBeforeLoad();
    temporaryFolder_ = base::chooseTemporaryFolder(suffix_);
    reg.clear();
    readPosition_ = 0;
    damagedValues_.clear();
    if (!path_.empty()) result = loadJournal(reg);
  }
  sideFileDamage_.clear();
  if (reg.classification.count() == 1) {
    const std::string kst = base::classificationTablePath(baseFolder());
    if (base::ReadDamage d = base::loadClassificationTable(reg.classification, kst); d.any())
      sideFileDamage_.emplace_back(kst, d);
  }
  for (auto& d : base::loadDictionaries(reg, baseFolder())) sideFileDamage_.push_back(std::move(d));
  if (result.ok()) reportDamage(reg);
  return result;
}

void BaseJournal::noteDamage(const BaseRecord& r, base::ReplayOutcome outcome) {
  if (outcome != base::ReplayOutcome::Damaged) return;
  for (const std::string& field : base::damagedFields(r))
    damagedValues_.push_back(base::symbolOf(r) + " " + field);
}

void BaseJournal::reportDamage(const AssetRegister& reg) const {
  if (damagedValues_.empty() && sideFileDamage_.empty()) return;
  std::string text = text::fromUtf8("Środków: ") + std::to_string(reg.assetCount());
  if (!damagedValues_.empty()) {
    text += text::fromUtf8(". Uszkodzone wartości, przyjęto 0: ") + listed(damagedValues_);
  }
  if (!sideFileDamage_.empty()) text += ". Nieczytelne: " + base::readDamageText(sideFileDamage_);
  showStatus(text, StatusKind::Error);
}

Status BaseJournal::loadJournal(AssetRegister& reg) {
  platform::SharedFile file;
  if (!platform::exists(path_)) {
    platform::createFolder(baseFolder());
    (void)file.open(path_, platform::ShareMode::ReadWriteDenyNone,
                    platform::Creation::OpenOrCreate);
    file.close();
  }
  reg.fileStamp = platform::fileStamp(path_).value_or(-1);
  loadedSize_ = platform::fileSize(path_);
  if (!platform::openWithRetry(file, path_, platform::ShareMode::ReadDenyWrite,
                               platform::Creation::OpenExisting, kLoadTag))
    return veryBusy();
  base::BulkLoadTarget target(reg);
  readPosition_ = forEachRecord(
      file, 0,
      [&](std::int64_t at, const BaseRecord& r, const BaseRecord* next) {
        if (!isPaddedTorn(next)) noteDamage(r, base::replayRecord(target, r));
        if ((at + 1) % static_cast<std::int64_t>(kBlockRecords) == 0 || !next)
          showStatus(base::symbolOf(r), StatusKind::Information);
      },
      [&](const BaseRecord* records, std::size_t n) { target.prefetch(records, n); });
  file.close();
  target.finish();
  std::string assets = std::to_string(reg.assetCount());
  if (onCaption)
    onCaption("   Zorza-Zefir   Zorza-Systemy   " + path_ + "       " + assets +
              text::fromUtf8(" środków"));
  showStatus(text::fromUtf8("Środków: ") + assets, StatusKind::Information);
  return Status::Ok();
}

Status BaseJournal::readAppended(AssetRegister& reg) {
  if (path_.empty() || !workstationMarks().mark('+', path_)) return Status::Ok();
  platform::SharedFile file;
  Status result;
  if (platform::openWithRetry(file, path_, platform::ShareMode::ReadDenyWrite,
                              platform::Creation::OpenExisting, kReadAppendedTag)) {
    const std::size_t damagedBefore = damagedValues_.size();
    forEachRecord(file, readPosition_,
                  [&](std::int64_t, const BaseRecord& r, const BaseRecord* next) {
                    if (!isPaddedTorn(next)) noteDamage(r, base::replayRecord(reg, r));
                    ++readPosition_;
                  });
    file.close();
    if (damagedValues_.size() > damagedBefore)
      showStatus(text::fromUtf8("Uszkodzone wartości, przyjęto 0: ") +
                     listed({damagedValues_.begin() + static_cast<std::ptrdiff_t>(damagedBefore),
                             damagedValues_.end()}),
                 StatusKind::Error);
  } else {
    result = veryBusy();
  }
  unmarkUntilDone();
  return result;
}

JournalScan scanJournal(std::string_view path,
                        const std::function<void(const ScannedRecord&)>& visit,
                        std::string_view callerTag) {
  JournalScan scan;
  platform::SharedFile file;
  if (!platform::openWithRetry(file, path, platform::ShareMode::ReadDenyWrite,
                               platform::Creation::OpenExisting, callerTag))
    return scan;
  scan.opened = true;
  scan.records =
      forEachRecord(file, 0, [&](std::int64_t at, const BaseRecord& r, const BaseRecord* next) {
        ScannedRecord scanned;
        scanned.index = at;
        scanned.bytes = &r;
        scanned.fault = isPaddedTorn(next) ? base::RecordFault::PaddedTorn : base::checkRecord(r);
        visit(scanned);
      });
  scan.tornBytes = file.size() - scan.records * static_cast<std::int64_t>(kRecordSize);
  return scan;
}

}  // namespace zefir
