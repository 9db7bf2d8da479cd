// The main base file: a workstation's full load replays it, and
// `zefir-cli check` follows its saves and tallies its records.
#include "fuzz_target.h"
#include "register/base_journal.h"
#include "register/base_saves.h"
#include "register/journal_tally.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zefir;
  static AssetRegister reg;
  const std::string path = fuzz::inputFile("Srodki.PST", fuzz::asText(data, size));
  BaseJournal journal(path);
  (void)journal.load(reg);
  base::SaveTracker saves;
  base::JournalTally tally;
  (void)scanJournal(path, [&](const ScannedRecord& r) {
    saves.add(r.index, *r.bytes, r.fault);
    std::string reason;
    (void)tally.add(*r.bytes, r.fault, reason);
  });
  (void)saves.incompleteLastSaves();
  return 0;
}
