// zefir-cli check BASE.PST (or the base folder, for its side files alone): a summary of the journal
// as replay sees it — records by kind, records skipped with the reason, torn records already
// repaired, a torn tail, damaged values, assets whose last save is not whole,
// the range of write stamps and the writing workstations — and what could not
// be read in the classification table and dictionaries of the base folder.
// Exit status 2 when there is damage to see to, so scripts can watch a base;
// a torn record that the next append has padded is repaired and alone gives 0.
#include <array>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "cli/commands.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "register/base_files.h"
#include "register/base_journal.h"
#include "register/base_record.h"
#include "register/base_saves.h"
#include "register/base_values.h"
#include "register/journal_tally.h"
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
  std::int64_t repairedTears = 0;          // torn records padded by the next append
  std::vector<std::string> damagedValues;  // "rekord 5: A/1 WaUm" (UTF-8)
  base::SaveTracker saves;
  bool anyStamp = false;
  std::uint32_t firstStamp = 0, lastStamp = 0;  // day * 1440 + minutes
  std::map<std::string, std::int64_t> writers;  // identifier -> records
  std::set<std::string> assets;                 // symbols present after replay
  base::JournalTally tally;

  void skip(const std::string& reason) {
    ++skipped[reason];
    ++skippedTotal;
  }

  // Follows replay: a record of kind 2 to 5 for an asset that does not exist
  // is refused ("Brak rekordu 1 w ").
  void add(std::int64_t index, const base::BaseRecord& r, base::RecordFault fault) {
    saves.add(index, r, fault);
    std::string reason;
    switch (tally.add(r, fault, reason)) {
      case base::JournalTally::Verdict::PaddedTorn:
        ++repairedTears;
        return;
      case base::JournalTally::Verdict::Skipped:
        return skip(text::toUtf8(reason));
      case base::JournalTally::Verdict::Applied:
        break;
    }
    const auto kind = static_cast<int>(base::kindOf(r));
    const std::string symbol = base::symbolOf(r);
    if (kind == 0) assets.erase(symbol);
    if (kind == 1) assets.insert(symbol);
    ++byKind[kind];
    for (const std::string& field : base::damagedFields(r))
      damagedValues.push_back("rekord " + std::to_string(index) + ": " + text::toUtf8(symbol) +
                              " " + field);
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

using SideDamage = std::vector<std::pair<std::string, base::ReadDamage>>;

// The classification table and the dictionaries the base folder uses, read
// as a load reads them.
SideDamage sideFileDamage(const std::string& folder) {
  AssetRegister tables;
  SideDamage damage = base::loadDictionaries(tables, folder);
  const std::string kst = base::classificationTablePath(folder);
  if (base::ReadDamage d = base::loadClassificationTable(tables.classification, kst); d.any())
    damage.insert(damage.begin(), {kst, d});
  return damage;
}

void printSideFiles(const SideDamage& files) {
  std::cout << "Nieczytelne pliki: " << files.size() << '\n';
  for (const auto& [file, d] : files) {
    std::cout << "  " << text::toUtf8(file) << ": ";
    if (d.unreadable)
      std::cout << "plik nieczytelny\n";
    else
      std::cout << "nieczytelne wiersze: " << d.lines << '\n';
  }
}

struct Findings {
  JournalScan scan;
  std::vector<base::IncompleteSave> incomplete;
  SideDamage sideFiles;
};

void print(const JournalSummary& s, const Findings& f) {
  std::cout << "Rekordów: " << f.scan.records << '\n';
  for (std::size_t k = 0; k < s.byKind.size(); ++k)
    std::cout << "  rodzaj " << kKindNames[k] << ": " << s.byKind[k] << '\n';
  std::cout << "Pominięte: " << s.skippedTotal << '\n';
  for (const auto& [reason, n] : s.skipped) std::cout << "  " << reason << ": " << n << '\n';
  std::cout << "Naprawione urwania: " << s.repairedTears << '\n';
  std::cout << "Niepełny ostatni rekord: ";
  if (f.scan.tornBytes > 0)
    std::cout << f.scan.tornBytes << " bajtów\n";
  else
    std::cout << "brak\n";
  std::cout << "Uszkodzone wartości: " << s.damagedValues.size() << '\n';
  for (const std::string& v : s.damagedValues) std::cout << "  " << v << '\n';
  std::cout << "Niepełne zapisy: " << f.incomplete.size() << '\n';
  for (const base::IncompleteSave& i : f.incomplete)
    std::cout << "  " << text::toUtf8(i.symbol) << ": rekordy " << i.firstRecord << "-"
              << i.lastRecord << '\n';
  printSideFiles(f.sideFiles);
  if (s.anyStamp)
    std::cout << "Zapisy: od " << stampText(s.firstStamp) << " do " << stampText(s.lastStamp)
              << '\n';
  std::cout << "Stanowiska:";
  for (const auto& [writer, n] : s.writers) std::cout << ' ' << writer << " (" << n << ')';
  std::cout << "\nŚrodków: " << s.assets.size() << '\n';
}

// What needs seeing to, for the exit status; "" when nothing does.
std::string damageSummary(const JournalSummary& s, const Findings& f) {
  std::vector<std::string> found;
  if (s.skippedTotal > 0) found.push_back("pominięte rekordy");
  if (f.scan.tornBytes > 0) found.push_back("urwany ostatni rekord");
  if (!s.damagedValues.empty()) found.push_back("uszkodzone wartości");
  if (!f.incomplete.empty()) found.push_back("niepełne zapisy");
  if (!f.sideFiles.empty()) found.push_back("nieczytelne pliki");
  std::string out;
  for (const std::string& x : found) out += (out.empty() ? "" : ", ") + x;
  return out;
}

}  // namespace

void addCheckCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand("check", "Podsumuj dziennik bazy i jego błędy");
  static std::string path;
  cmd->add_option("BASE", path, "Plik bazy (.PST) albo folder bazy")->required();
  cmd->callback([] {
    if (platform::isFolder(path)) {
      // A base folder: its classification table and dictionaries only.
      const std::string folder = path.ends_with('/') || path.ends_with('\\') ? path : path + "/";
      const SideDamage files = sideFileDamage(folder);
      printSideFiles(files);
      if (!files.empty()) throw CliExit{2, "Baza ma błędy: nieczytelne pliki"};
      return;
    }
    if (!platform::exists(path)) throw CliExit{2, "Nie ma pliku bazy " + path};
    JournalSummary summary;
    Findings findings;
    findings.scan =
        scanJournal(path, [&](const ScannedRecord& r) { summary.add(r.index, *r.bytes, r.fault); });
    if (!findings.scan.opened) throw CliExit{2, "Nie można otworzyć bazy " + path};
    findings.incomplete = summary.saves.incompleteLastSaves();
    findings.sideFiles = sideFileDamage(platform::folderOf(path));
    print(summary, findings);
    if (const std::string damage = damageSummary(summary, findings); !damage.empty())
      throw CliExit{2, "Baza ma błędy: " + damage};
  });
}

}  // namespace zefir::cli
