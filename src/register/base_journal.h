// The main base file as a journal shared by several workstations: the full
// load, reading what others appended, and saving one asset by appending the
// record kinds that changed. The reading side is in base_reader.cc, the
// writing side in base_writer.cc.
//
// The journal is never rewritten: every save appends whole 128-byte records,
// all of one save in one write under the append lock, so another
// workstation's save comes wholly before or after it and a reader that
// replays up to the end of the file sees a consistent prefix. The records of
// a save are marked as such (base_saves.h), so a save cut short shows.
// The read position (records replayed so far) is this workstation's only link
// between its register and the file.
//
// A torn tail (the file's length is not a multiple of 128 because a writer
// died mid-write) is not corruption: replay keeps every whole record and
// leaves the torn bytes alone, and the next append first pads them with zero
// bytes to the next 128-byte boundary, so later records stay aligned and
// nothing already written is rewritten. The record written right after the
// padding carries base::kAfterPaddingFlag, so every later replay knows the
// padded slot is half a record and skips it (RecordFault::PaddedTorn) rather
// than apply its zeros. Zeros and that record go out in one write.
//
// Not thread-safe; one BaseJournal per base per workstation.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "register/asset_register.h"
#include "register/base_files.h"
#include "register/base_record.h"
#include "register/base_replay.h"
#include "text/status.h"

namespace zefir {

// A write stamp for a save written now: the file server's clock through
// `clockProbe` (platform::sharedClock; the local clock when empty or when the
// probe cannot be written) and the writer identifier of `suffix`.
base::WriteStamp writeStampNow(std::string_view clockProbe, std::string_view suffix);

class BaseJournal {
 public:
  // `pstPath`: the main base file, the base folder path + base name + ".PST"
  // (Windows or Linux form). An empty path means no base name is set: loading
  // then only empties the register and reads the dictionaries.
  explicit BaseJournal(std::string pstPath = {});

  const std::string& path() const { return path_; }
  // The base folder (the path's folder part with its separator, "" for the
  // current folder).
  std::string baseFolder() const;

  // This workstation's suffix (".005"); its characters after the "." are
  // stamped into every record written. Default ".xxx".
  void setWorkstationSuffix(std::string suffix) { suffix_ = std::move(suffix); }
  const std::string& workstationSuffix() const { return suffix_; }
  // The clock probe file (the shell passes "!\Tmp" + suffix); write stamps
  // take the file server's clock through it, else the local clock. Empty:
  // the local clock.
  void setClockProbe(std::string path) { clockProbe_ = std::move(path); }
  // The stamp a save written now carries: the clock through the probe, this
  // workstation's writer identifier.
  base::WriteStamp writeStamp() const { return writeStampNow(clockProbe_, suffix_); }

  // Called with the desktop's new caption after a full load (code page 1250):
  // "   Zorza-Zefir   Zorza-Systemy   " + path + 7 blanks + assets + " środków".
  std::function<void(std::string_view caption)> onCaption;
  // Called before a full load starts, so the desktop can process pending
  // window messages.
  std::function<void()> onBeforeLoad;

  // Full load ("aTProcH:WczytajBazeDanych"). The caller decides whether
  // start-up allows loading at all (modes above 220 do not). When the file's time stamp (and
  // size) equal those of the last load, only the classification table (once) and the
  // dictionaries are read. Otherwise empties the register and replays the
  // whole journal (creating an empty file when there is none). A file locked
  // through every retry shows "Bardzo mocno zajęty", leaves the register empty
  // and returns that error. Blocks for the reading (and up to ~11 s of retries).
  Status load(AssetRegister& reg);

  // Reads what others appended since the read position ("bZestaw:Doczytaj"),
  // under the workstation mark "+". Refused mark: nothing read, Ok. A file
  // locked through every retry: "Bardzo mocno zajęty", register unchanged.
  Status readAppended(AssetRegister& reg);

  // Saves one asset ("aZestaw:ZapiszST"): compares `edited` with `loaded` (the
  // copy taken before the edit) and appends only the record kinds that
  // changed; an emptied symbol appends one kind-0 record for `loaded.Symb`.
  // Reads what others appended before and after, so the register gets the
  // saved asset by replay; shows "Zapisane na dysk" (kind 1). Refused when the
  // workstation mark "#" is refused, when the file stays locked, when RokP
  // cannot be stored, or when a record would fail its own check on replay
  // (a symbol with lower-case letters, say), when a symbol is longer than 15
  // characters, or when an amount or the opening year would be read back as
  // damaged (base_values.h); nothing is written then. Throws platform::IoError
  // when the write fails midway.
  Status saveAsset(AssetRegister& reg, const AssetRecord& loaded, const AssetRecord& edited);

  // Records replayed so far (the next record to read).
  std::int64_t readPosition() const { return readPosition_; }
  // The temporary folder chosen at the last full load (Windows form).
  const std::string& temporaryFolder() const { return temporaryFolder_; }
  // Records appended by this journal object since it was made (for tests and
  // `zefir-cli put`).
  std::int64_t recordsAppended() const { return appended_; }

  // Damage the last load found, shown together in the status line (kind 0)
  // at its end after "Środków: " and the count: the fields of the journal's
  // records read as 0 ("A/1 WaUm", code page 1250; from the last full load),
  // and the classification table and dictionaries with what could not be
  // read in them, by path.
  const std::vector<std::string>& damagedValues() const { return damagedValues_; }
  const std::vector<std::pair<std::string, base::ReadDamage>>& sideFileDamage() const {
    return sideFileDamage_;
  }

 private:
  Status loadJournal(AssetRegister& reg);
  // Notes the damaged fields of a record whose replay read some as 0.
  void noteDamage(const base::BaseRecord& record, base::ReplayOutcome outcome);
  void reportDamage(const AssetRegister& reg) const;

  std::string path_;
  std::string suffix_ = ".xxx";
  std::string clockProbe_;
  std::string temporaryFolder_;
  std::optional<std::int64_t> loadedSize_;  // the file's size at the last full load
  std::int64_t readPosition_ = 0;
  std::int64_t appended_ = 0;
  std::vector<std::string> damagedValues_;
  std::vector<std::pair<std::string, base::ReadDamage>> sideFileDamage_;
};

// Whether a save of `asset` as a new asset would be refused, with the
// refusal saveAsset would give (symbol longer than 15 characters, opening
// year, a damaged amount, a record its replay would skip); Ok when it would
// be written.
Status checkNewAssetSave(const AssetRecord& asset);

// Writes a new base file holding `assets`, each as one save of a new asset
// stamped with `stamp` (BaseJournal::writeStamp of the base in force, so the
// new base's records carry the same clock as every other save). The file is written whole under
// `workPath` and renamed to `path` only when complete, so `path` never holds
// a half-written base; a refused asset (checkNewAssetSave) writes nothing.
// Callers check their assets first and pass unique symbols.
Status writeNewJournal(const std::string& path, const std::string& workPath,
                       const std::vector<AssetRecord>& assets, const base::WriteStamp& stamp);

// Every record of a journal file as it lies, with its check result, for
// tools that inspect a base (`zefir-cli check`, `dump`, the database
// control). No locking beyond a deny-write open, retried while another
// workstation holds the file (the status line names `callerTag`); nothing is
// replayed.
struct ScannedRecord {
  std::int64_t index = 0;  // record number from 0
  const base::BaseRecord* bytes = nullptr;
  base::RecordFault fault = base::RecordFault::None;
};
struct JournalScan {
  bool opened = false;
  std::int64_t records = 0;    // whole records
  std::int64_t tornBytes = 0;  // bytes after the last whole record
};
JournalScan scanJournal(std::string_view path,
                        const std::function<void(const ScannedRecord&)>& visit,
                        std::string_view callerTag = "zefir-cli");

}  // namespace zefir
