#include "register/journal_tally.h"

namespace zefir::base {

JournalTally::Verdict JournalTally::add(const BaseRecord& r, RecordFault fault,
                                        std::string& reason) {
  if (fault == RecordFault::PaddedTorn) return Verdict::PaddedTorn;
  if (fault != RecordFault::None) {
    reason = faultText(fault);
    return Verdict::Skipped;
  }
  const auto kind = static_cast<int>(kindOf(r));
  const std::string symbol = symbolOf(r);
  if (kind >= 2 && !assets_.count(symbol)) {
    reason = "Brak rekordu 1 w " + symbol;
    return Verdict::Skipped;
  }
  if (kind == 0) assets_.erase(symbol);
  if (kind == 1) assets_.insert(symbol);
  return Verdict::Applied;
}

}  // namespace zefir::base
