// The writing side of the base journal: saving one asset by appending the
// record kinds that changed.
#include <vector>

#include "platform/file_system.h"
#include "platform/open_retry.h"
#include "platform/status_line.h"
#include "platform/workstation_marks.h"
#include "register/base_journal.h"
#include "register/base_saves.h"
#include "register/base_values.h"
#include "text/codepage.h"

namespace zefir {

using base::BaseRecord;
using base::RecordKind;

namespace {

static_assert(sizeof(BaseRecord) == base::kRecordSize, "a save's records lie back to back");

constexpr const char* kAppendTag = "bZestaw:Dopisz";

bool mainFieldsDiffer(const AssetRecord& a, const AssetRecord& b) {
  return a.Symb != b.Symb || a.Nazw != b.Nazw || a.DtZa != b.DtZa || a.CeZa != b.CeZa ||
         a.DdZa != b.DdZa || a.DtOT != b.DtOT || a.WaOT != b.WaOT || a.RokP != b.RokP ||
         a.WaBr != b.WaBr || a.WaUm != b.WaUm || a.MeUm != b.MeUm || a.UmPo != b.UmPo;
}

// The records a save appends, in the order of the kinds (steps 1 to 5 of
// "aZestaw:ZapiszST"); an emptied symbol gives one kind-0 record alone.
std::vector<BaseRecord> changedRecords(const AssetRecord& loaded, const AssetRecord& edited) {
  std::vector<BaseRecord> out;
  if (mainFieldsDiffer(loaded, edited)) {
    if (edited.Symb.empty()) {
      out.push_back(base::encodeRecord(loaded, RecordKind::Deletion));
      return out;
    }
    out.push_back(base::encodeRecord(edited, RecordKind::Main));
  }
  if (loaded.Na2w != edited.Na2w || loaded.Dost != edited.Dost || loaded.DdOT != edited.DdOT)
    out.push_back(base::encodeRecord(edited, RecordKind::Second));
  for (int s = 1; s <= base::kDescriptionRecords; ++s)
    if (loaded.Opis[2 * s - 2] != edited.Opis[2 * s - 2] ||
        loaded.Opis[2 * s - 1] != edited.Opis[2 * s - 1])
      out.push_back(base::encodeRecord(edited, RecordKind::Description, s));
  for (int i = 1; i <= kRateEntries; ++i)
    if (loaded.K[i - 1] != edited.K[i - 1] || (i == 1 && loaded.UmPo != edited.UmPo))
      out.push_back(base::encodeRecord(edited, RecordKind::Rate, i));
  for (int s = 1; s <= base::kChangeRecords; ++s)
    if (loaded.Z[2 * s - 2] != edited.Z[2 * s - 2] || loaded.Z[2 * s - 1] != edited.Z[2 * s - 1])
      out.push_back(base::encodeRecord(edited, RecordKind::Changes, s));
  return out;
}

Status checkStorable(const AssetRecord& loaded, const AssetRecord& edited,
                     std::vector<BaseRecord>& records, std::string_view suffix) {
  if (!edited.Symb.empty()) {
    if (!base::isValidOpeningYear(edited.RokP))
      return Status::Error(text::fromUtf8("Rok początkowy ") + std::to_string(edited.RokP) +
                           text::fromUtf8(" poza zakresem ") +
                           std::to_string(base::kFirstOpeningYear) + "-" +
                           std::to_string(base::kLastOpeningYear));
    if (std::string field = base::unstorableValue(edited); !field.empty())
      return Status::Error(text::fromUtf8("Nie zapisano ") + edited.Symb.str() + ": " + field +
                           text::fromUtf8(" nie jest prawdziwą kwotą"));
  }
  records = changedRecords(loaded, edited);
  // A record that its own replay would skip (a lower-case symbol, a control
  // character in the name, a method that is not a letter) would be lost
  // silently on every workstation; refuse the save instead, with nothing written.
  const auto writer = base::writerIdentifier(suffix);
  for (BaseRecord& r : records) {
    base::setStamp(r, {0, 0, writer});
    if (base::RecordFault fault = base::checkRecord(r); fault != base::RecordFault::None)
      return Status::Error(text::fromUtf8("Nie zapisano ") + base::symbolOf(r) + ": " +
                           base::faultText(fault));
  }
  return Status::Ok();
}

}  // namespace

base::WriteStamp writeStampNow(std::string_view clockProbe, std::string_view suffix) {
  const platform::ClockReading clock = platform::sharedClock(clockProbe);
  return {clock.day, clock.minutes, base::writerIdentifier(suffix)};
}

Status checkNewAssetSave(const AssetRecord& asset) {
  std::vector<BaseRecord> records;
  return checkStorable(AssetRegister::emptyRecord(), asset, records, ".xxx");
}

Status writeNewJournal(const std::string& path, const std::string& workPath,
                       const std::vector<AssetRecord>& assets, const base::WriteStamp& stamp) {
  std::vector<BaseRecord> all;
  for (const AssetRecord& asset : assets) {
    std::vector<BaseRecord> records;
    if (Status s = checkStorable(AssetRegister::emptyRecord(), asset, records, ".xxx"); !s)
      return s;
    for (BaseRecord& r : records) base::setStamp(r, stamp);
    base::markSave(records.data(), records.size());
    all.insert(all.end(), records.begin(), records.end());
  }
  // The new base appears under its name only whole: a failure midway leaves
  // the working file, never a half-written base.
  const std::string_view bytes(reinterpret_cast<const char*>(all.data()),
                               all.size() * base::kRecordSize);
  if (!platform::writeWholeFile(workPath, bytes) || !platform::renameFile(workPath, path)) {
    (void)platform::removeFile(workPath);
    return Status::Error(text::fromUtf8("Nie udało się zapisać ") + path);
  }
  return Status::Ok();
}

Status BaseJournal::saveAsset(AssetRegister& reg, const AssetRecord& loaded,
                              const AssetRecord& edited) {
  if (path_.empty()) return Status::Error(text::fromUtf8("Nie wybrano bazy: nic nie zapisano"));
  std::vector<BaseRecord> records;
  if (Status s = checkStorable(loaded, edited, records, suffix_); !s) return s;
  if (!records.empty()) {
    // "bZestaw:Dopisz": read what others appended, mark, open, append.
    Status before = readAppended(reg);
    if (!before.ok()) return before;
    if (!workstationMarks().mark('#', path_))
      return Status::Error(text::fromUtf8("Nie zapisano: baza zajęta"));
    {
      UnmarkOnExit unmark;
      platform::SharedFile file;
      if (!platform::openWithRetry(file, path_, platform::ShareMode::ReadWriteDenyNone,
                                   platform::Creation::OpenOrCreate, kAppendTag)) {
        std::string text = text::fromUtf8("Bardzo mocno zajęty");
        showStatus(text, StatusKind::Error);
        return Status::Error(text);
      }
      const base::WriteStamp stamp = writeStamp();
      for (BaseRecord& r : records) base::setStamp(r, stamp);
      base::markSave(records.data(), records.size());
      // The whole save goes out in one write under the append lock, so no
      // other workstation's save can land between its records. A torn tail
      // is padded with zeros to the record size first, and the first record
      // after the padding says so (see base_journal.h).
      file.append(records.data(), records.size() * base::kRecordSize, base::kRecordSize,
                  [&records](std::size_t padding) {
                    if (padding > 0) base::markFollowsPadding(records.front());
                  });
      appended_ += static_cast<std::int64_t>(records.size());
    }
  }
  Status after = readAppended(reg);
  if (!after.ok()) return after;
  showStatus("Zapisane na dysk", StatusKind::Notice);
  return Status::Ok();
}

}  // namespace zefir
