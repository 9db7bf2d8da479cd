// zefir-cli check BASE.PST: a summary of the journal as replay sees it —
// records by kind, records skipped with the reason, a torn tail, the range of
// write stamps and the writing workstations. Exit status 2 when anything was
// skipped (a torn tail included), so scripts can watch a base.
#include <array>
#include <iostream>
#include <map>
#include <set>

#include "cli/commands.h"
#include "platform/file_system.h"
#include "register/base_journal.h"
#include "register/base_record.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace zefir::cli {

namespace {

constexpr std::array<const char*, 6> kKindNames = {
    "0 usunięcie", "1 dane główne", "2 dane dodatkowe", "3 opis", "4 stawki", "5 zmiany"};

struct JournalSummary {
  std::array<std::int64_t, 6> byKind{};
  std::map<std::string, std::int64_t> skipped;  // reason (UTF-8) -> records
  std::int64_t skippedTotal = 0;
  bool anyStamp = false;
  std::uint32_t firstStamp = 0, lastStamp = 0;  // day * 1440 + minutes
  std::map<std::string, std::int64_t> writers;  // identifier -> records
  std::set<std::string> assets;                 // symbols present after replay

  void skip(const std::string& reason) {
    ++skipped[reason];
    ++skippedTotal;
  }

  // Follows replay: a record of kind 2 to 5 for an asset that does not exist
  // is refused ("Brak rekordu 1 w ").
  void add(const base::BaseRecord& r, base::RecordFault fault) {
    if (fault != base::RecordFault::None) return skip(text::toUtf8(base::faultText(fault)));
    const auto kind = static_cast<int>(base::kindOf(r));
    const std::string symbol = base::symbolOf(r);
    if (kind >= 2 && !assets.count(symbol)) return skip("Brak rekordu 1 w " + text::toUtf8(symbol));
    if (kind == 0) assets.erase(symbol);
    if (kind == 1) assets.insert(symbol);
    ++byKind[kind];
    const auto stamp = base::stampOf(r);
    const std::uint32_t at = stamp.day * 1440u + stamp.minutes;
    if (!anyStamp || at < firstStamp) firstStamp = at;
    if (!anyStamp || at > lastStamp) lastStamp = at;
    anyStamp = true;
    ++writers[text::toUtf8(std::string(stamp.writer.begin(), stamp.writer.end()))];
  }
};

std::string stampText(std::uint32_t at) {
  const auto day = static_cast<DayNumber>(at / 1440);
  const int minutes = static_cast<int>(at % 1440);
  return text::toUtf8(text::longTextOfDay(day)) + " " + text::twoDigits(minutes / 60) + ":" +
         text::twoDigits(minutes % 60);
}

void print(const JournalSummary& s, const JournalScan& scan) {
  std::cout << "Rekordów: " << scan.records << '\n';
  for (std::size_t k = 0; k < s.byKind.size(); ++k)
    std::cout << "  rodzaj " << kKindNames[k] << ": " << s.byKind[k] << '\n';
  std::cout << "Pominięte: " << s.skippedTotal << '\n';
  for (const auto& [reason, n] : s.skipped) std::cout << "  " << reason << ": " << n << '\n';
  std::cout << "Niepełny ostatni rekord: ";
  if (scan.tornBytes > 0)
    std::cout << scan.tornBytes << " bajtów\n";
  else
    std::cout << "brak\n";
  if (s.anyStamp)
    std::cout << "Zapisy: od " << stampText(s.firstStamp) << " do " << stampText(s.lastStamp)
              << '\n';
  std::cout << "Stanowiska:";
  for (const auto& [writer, n] : s.writers) std::cout << ' ' << writer << " (" << n << ')';
  std::cout << "\nŚrodków: " << s.assets.size() << '\n';
}

}  // namespace

void addCheckCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand("check", "Podsumuj dziennik bazy i jego błędy");
  static std::string path;
  cmd->add_option("BASE", path, "Plik bazy (.PST)")->required();
  cmd->callback([] {
    if (!platform::exists(path) || platform::isFolder(path))
      throw CliExit{2, "Nie ma pliku bazy " + path};
    JournalSummary summary;
    const JournalScan scan =
        scanJournal(path, [&](const ScannedRecord& r) { summary.add(*r.bytes, r.fault); });
    if (!scan.opened) throw CliExit{2, "Nie można otworzyć bazy " + path};
    print(summary, scan);
    if (summary.skippedTotal > 0 || scan.tornBytes > 0)
      throw CliExit{2, "Dziennik bazy ma pominięte rekordy"};
  });
}

}  // namespace zefir::cli
