// How replay treats each record of a scanned journal, for the tools that
// report on a base (zefir-cli check, the database control report): applied,
// skipped with its reason, or the padded torn record of a writer that died.
#pragma once

#include <set>
#include <string>

#include "register/base_record.h"

namespace zefir::base {

class JournalTally {
 public:
  enum class Verdict { Applied, Skipped, PaddedTorn };
  // The record's verdict in journal order; `reason` gets the skip's Polish
  // reason (code page 1250). A record of kind 2 to 5 for an asset that does
  // not exist is refused as replay refuses it.
  Verdict add(const BaseRecord& record, RecordFault fault, std::string& reason);

 private:
  std::set<std::string> assets_;  // symbols present so far
};

}  // namespace zefir::base
