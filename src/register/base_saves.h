// The saves in a journal: which records one save wrote, and whether the last
// save of every asset got into the file whole.
//
// A save writes all its records in one write, and marks them in the stamp
// minutes: the first record carries kFirstOfSaveFlag and the last one
// kLastOfSaveFlag (one record both). A save whose write was cut short (the
// machine or the connection to the file server went down midway) shows as a
// first record without a last one before the next save, a torn record or the
// end of the file.
//
// Records written before saves were marked carry neither flag, and a save of
// those times was appended record by record, so another workstation's records
// may stand between them. Such a save is recognised by its records: one
// asset, one writer, one write stamp, kinds and sub-indexes ascending (the
// order a save writes them in; the next save of the same asset by the same
// writer in the same minute starts again from a lower one). An asset whose
// last such save had a record of another save of the same asset in its midst
// holds a mix of two saves, and counts as incompletely saved. A save of those
// times cut short by a crash leaves nothing to tell it by.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "register/base_record.h"

namespace zefir::base {

inline constexpr std::uint16_t kFirstOfSaveFlag = 0x4000;
inline constexpr std::uint16_t kLastOfSaveFlag = 0x2000;
static_assert(((kFirstOfSaveFlag | kLastOfSaveFlag | kAfterPaddingFlag) & ~kStampMinuteFlags) == 0);

bool opensSave(const BaseRecord& record);
bool closesSave(const BaseRecord& record);
// Marks records[0] as the first of a save and records[n - 1] as its last.
void markSave(BaseRecord* records, std::size_t n);

// An asset whose last save is not whole in the journal.
struct IncompleteSave {
  std::string symbol;        // code page 1250
  std::int64_t firstRecord;  // record numbers from 0
  std::int64_t lastRecord;
};

// Follows the saves of a journal record by record, in file order.
class SaveTracker {
 public:
  // `fault` as the scan found it (RecordFault::PaddedTorn for a padded tear).
  void add(std::int64_t index, const BaseRecord& record, RecordFault fault);
  // After the last record: the assets still in the register whose last save
  // is incomplete, in symbol order.
  std::vector<IncompleteSave> incompleteLastSaves() const;

 private:
  struct Save {
    std::string symbol;
    std::int64_t first = 0, last = 0;
    WriteStamp stamp;
    int order = 0;  // kind and sub-index of its last record
    bool incomplete = false;
  };
  std::size_t newSave(const std::string& symbol, std::int64_t index, const BaseRecord& record);
  std::size_t legacySave(const std::string& symbol, std::int64_t index, const BaseRecord& record);
  void endOpenSave(bool incomplete);

  std::vector<Save> saves_;
  std::optional<std::size_t> open_;                          // a marked save not yet closed
  std::unordered_map<std::string, std::size_t> latestSave_;  // asset -> save of its latest record
  // asset -> its latest unmarked saves (a few; older ones cannot continue)
  std::unordered_map<std::string, std::vector<std::size_t>> legacyOpen_;
};

}  // namespace zefir::base
