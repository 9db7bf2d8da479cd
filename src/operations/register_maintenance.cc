#include "operations/register_maintenance.h"

#include <algorithm>
#include <cmath>

#include "operations/field_rules.h"
#include "operations/import_values.h"
#include "operations/listing_frame.h"
#include "operations/listing_totals.h"
#include "platform/file_system.h"
#include "platform/shared_file.h"
#include "register/base_files.h"
#include "register/change_entry.h"
#include "register/depreciation_engine.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"  // intFromText

namespace zefir::operations {

using import::trimmed;

namespace {

constexpr int kPatternLines = 10;

Status refusedWith(const std::string& message) {
  showStatus(message, StatusKind::Error);
  return Status::Error(message);
}

Status needsBase(const OperationRun& run) {
  if (!run.assets || !run.journal || !run.report)
    return refusedWith(text::fromUtf8("Brak bazy lub bufora raportu"));
  return Status::Ok();
}

// The new base file named by a field: refused when the name is empty or the
// file exists already (another workstation may have made it since the field
// was checked).
Status newBasePath(const OperationRun& run, const char* code, std::string* path) {
  const std::string name = trimmed(run.values.text(code));
  if (name.empty() || existingBaseFile(run.baseFolder, name))
    return refusedWith(fixHereText() + ": " + code);
  *path = baseFilePath(run.baseFolder, name);
  return Status::Ok();
}

Status writeBase(const std::string& path, const std::vector<AssetRecord>& assets,
                 const BaseJournal& journal) {
  return writeNewJournal(path, path + ".$$$", assets, journal.writeStamp());
}

// Removes the asset from the base in force through the journal's save.
Status removeAsset(OperationRun& run, const std::string& symbol) {
  if (!run.assets->exists(symbol)) return Status::Ok();  // another workstation was first
  const AssetRecord current = run.assets->currentRecord();
  return run.journal->saveAsset(*run.assets, current, AssetRegister::emptyRecord());
}

std::string countLine(const char* utf8, int n) {
  return text::fromUtf8(utf8) + std::to_string(n);
}

Status archiveZeroed(OperationRun& run) {
  if (Status s = needsBase(run); !s.ok()) return s;
  std::string path;
  if (Status s = newBasePath(run, "BaAr", &path); !s.ok()) return s;
  const DayNumber from = text::dayFromShortText(run.values.text("DaOd"));
  const DayNumber before = from > 0 ? from - 1 : run.today;
  const DayNumber later = std::max(before, run.today);
  if (Status s = run.journal->readAppended(*run.assets); !s.ok()) return s;
  std::vector<AssetRecord> zeroed;
  // Only an asset accepted before the day can have been zeroed; one not yet
  // accepted has no value either, but is still to come.
  for (int slot = 1; slot < run.assets->count(); ++slot) {
    const AssetRecord& a = run.assets->slot(slot);
    if (a.DtOT != 0 && a.DtOT <= before && zeroedOn(*run.assets, slot, before) &&
        zeroedOn(*run.assets, slot, later))
      zeroed.push_back(a);
  }
  std::vector<std::string> done;
  if (zeroed.empty()) {
    done.push_back(text::fromUtf8("Brak środków zerowych, archiwum nie założone"));
    listWhatWasDone(run, ListingKind::ZZA, {}, done);
    return Status::Ok();
  }
  // The archive is complete before the first asset leaves the base, so an
  // interruption leaves an asset in both, never in neither.
  if (Status s = writeBase(path, zeroed, *run.journal); !s.ok()) return refusedWith(s.message());
  done.push_back(text::fromUtf8("Zapisane do archiwum ") + path + ": " +
                 std::to_string(zeroed.size()));
  int removed = 0;
  Status status = Status::Ok();
  for (const AssetRecord& a : zeroed) {
    status = removeAsset(run, a.Symb.str());
    if (!status.ok()) break;
    ++removed;
  }
  done.push_back(countLine("Usunięte z bazy: ", removed));
  if (!status.ok()) done.push_back(status.message());
  listWhatWasDone(run, ListingKind::ZZA, std::move(zeroed), done);
  return status;
}

Status splitBySelection(OperationRun& run) {
  if (Status s = needsBase(run); !s.ok()) return s;
  const bool withMatching = !trimmed(run.values.text("BaZg")).empty();
  const bool withOthers = !trimmed(run.values.text("BaPo")).empty();
  if (!withMatching && !withOthers) return refusedWith(fixHereText() + ": BaPo");
  std::string matchingPath, othersPath;
  if (withMatching)
    if (Status s = newBasePath(run, "BaZg", &matchingPath); !s.ok()) return s;
  if (withOthers)
    if (Status s = newBasePath(run, "BaPo", &othersPath); !s.ok()) return s;
  if (matchingPath == othersPath) return refusedWith(fixHereText() + ": BaPo");
  if (Status s = run.journal->readAppended(*run.assets); !s.ok()) return s;
  const SymbolMasks masks(run.values.all("SroW"));
  std::vector<AssetRecord> matching, others;
  for (int slot = 1; slot < run.assets->count(); ++slot)
    (masks.matches(run.assets->symbolOf(slot)) ? matching : others)
        .push_back(run.assets->slot(slot));
  std::vector<std::string> done;
  for (auto [written, path, label] : {std::tuple{&matching, &matchingPath, "Zgodne zapisane do "},
                                      std::tuple{&others, &othersPath, "Pozostałe zapisane do "}}) {
    if (path->empty()) continue;
    if (Status s = writeBase(*path, *written, *run.journal); !s.ok())
      return refusedWith(s.message());
    done.push_back(text::fromUtf8(label) + *path + ": " + std::to_string(written->size()));
  }
  listWhatWasDone(run, ListingKind::TST, std::move(matching), done);
  return Status::Ok();
}

Status importBase(OperationRun& run) {
  if (Status s = needsBase(run); !s.ok()) return s;
  const std::string name = trimmed(run.values.text("NaIm"));
  const std::optional<std::string> file =
      name.empty() ? std::nullopt : existingBaseFile(run.baseFolder, name);
  if (!file) return refusedWith("Nie ma " + baseFilePath(run.baseFolder, name));
  const std::string path = baseFilePath(run.baseFolder, file->substr(0, file->size() - 4));
  if (path == run.journal->path()) return refusedWith(fixHereText() + ": NaIm");
  AssetRegister source;
  BaseJournal sourceJournal(path);
  if (Status s = sourceJournal.load(source); !s.ok()) return refusedWith(s.message());
  if (Status s = run.journal->readAppended(*run.assets); !s.ok()) return s;
  std::vector<AssetRecord> imported;
  int present = 0;
  Status status = Status::Ok();
  for (int slot = 1; slot < source.count() && status.ok(); ++slot) {
    const AssetRecord& asset = source.slot(slot);
    // An asset of that symbol is never overwritten by the import.
    if (run.assets->exists(asset.Symb.str())) {
      ++present;
      continue;
    }
    status = run.journal->saveAsset(*run.assets, AssetRegister::emptyRecord(), asset);
    if (status.ok()) imported.push_back(asset);
  }
  std::vector<std::string> done{
      text::fromUtf8("Zaimportowane z ") + path + ": " + std::to_string(imported.size()),
      countLine("Pominięte, bo są już w bazie: ", present)};
  if (!status.ok()) done.push_back(status.message());
  listWhatWasDone(run, ListingKind::IBS, std::move(imported), done);
  return status;
}

Status renumberGroup(OperationRun& run) {
  if (Status s = needsBase(run); !s.ok()) return s;
  if (Status s = run.journal->readAppended(*run.assets); !s.ok()) return s;
  std::vector<Renumbering> plan;
  if (Status s = planRenumbering(*run.assets, run.values, &plan); !s.ok())
    return refusedWith(s.message());
  std::vector<AssetRecord> renamed;
  Status status = Status::Ok();
  for (const Renumbering& r : plan) {
    if (!run.assets->exists(r.from)) continue;  // removed by another workstation meanwhile
    const AssetRecord old = run.assets->currentRecord();
    AssetRecord moved = old;
    moved.Symb = r.to;
    // Saved under the new symbol first, so an interruption leaves a copy,
    // never a lost asset.
    status = run.journal->saveAsset(*run.assets, AssetRegister::emptyRecord(), moved);
    if (status.ok()) status = removeAsset(run, r.from);
    if (!status.ok()) break;
    renamed.push_back(moved);
  }
  std::vector<std::string> done{countLine("Zmienione symbole: ", static_cast<int>(renamed.size()))};
  if (!status.ok()) done.push_back(status.message());
  listWhatWasDone(run, ListingKind::RGS, std::move(renamed), done);
  return status;
}

Status sortChanges(OperationRun& run) {
  if (Status s = needsBase(run); !s.ok()) return s;
  if (run.values.text("TN_N") != "T") {
    listWhatWasDone(run, ListingKind::TST, {}, {text::fromUtf8("Bez sortowania")});
    return Status::Ok();
  }
  if (Status s = run.journal->readAppended(*run.assets); !s.ok()) return s;
  std::vector<AssetRecord> sorted;
  int withReferences = 0;
  Status status = Status::Ok();
  for (int slot = 1; slot < run.assets->count() && status.ok(); ++slot) {
    const AssetRecord loaded = run.assets->slot(slot);
    AssetRecord edited = loaded;
    const SortOutcome outcome = sortChangesByDate(edited);
    if (outcome == SortOutcome::HasReferences) ++withReferences;
    if (outcome != SortOutcome::Sorted) continue;
    status = run.journal->saveAsset(*run.assets, loaded, edited);
    if (status.ok()) sorted.push_back(edited);
    // The save replays into the register; the slot holds the same asset.
    run.assets->find(loaded.Symb.str());
    slot = run.assets->current();
  }
  std::vector<std::string> done{
      countLine("Uporządkowane zmiany środków: ", static_cast<int>(sorted.size())),
      countLine("Pominięte (zmiany z odwołaniami n/): ", withReferences)};
  if (!status.ok()) done.push_back(status.message());
  listWhatWasDone(run, ListingKind::TST, std::move(sorted), done);
  return status;
}

Status savePatterns(OperationRun& run) {
  const std::string name = trimmed(run.values.text("WzoN"));
  if (name.empty()) return refusedWith(fixHereText() + ": WzoN");
  std::string folder = run.baseFolder;
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
  const std::string path = folder + name + ".WZO";
  try {
    base::writeSideFile(path, text::toMazovia(patternFileText(run.values)));
  } catch (const platform::IoError& e) {
    return refusedWith(e.message);
  }
  showStatus(text::fromUtf8("Wzorzec zapisany: ") + path, StatusKind::Notice);
  return Status::Ok();
}

}  // namespace

// The list of the assets an option concerned (in symbol order) under the
// listing's header and columns, then one line for each thing it did, and the
// end of the report. The rows are written here, not by the listing's walk,
// which leaves out assets without a value or gone before the year: exactly
// the ones an archive moves.
void listWhatWasDone(OperationRun& run, ListingKind kind, std::vector<AssetRecord> assets,
                     const std::vector<std::string>& done) {
  std::sort(assets.begin(), assets.end(),
            [](const AssetRecord& a, const AssetRecord& b) { return a.Symb.str() < b.Symb.str(); });
  ListingParams params;
  params.reportDay = run.today;
  runListing(AssetRegister(), kind, params, *run.report);
  int number = 0;
  for (const AssetRecord& a : assets)
    run.report->addRow({text::intText(++number, 5), a.Symb.str(), a.Nazw.str()});
  for (const std::string& line : done) run.report->addRow({"", "", line});
  run.report->endReport();
  for (const std::string& line : done) showStatus(line, StatusKind::Notice);
}

SortOutcome sortChangesByDate(AssetRecord& asset) {
  const std::array<ChangeEntry, kChangeEntries> parsed = parseChangeEntries(asset);
  std::vector<int> dated;
  for (int i = 0; i < kChangeEntries; ++i) {
    if (parsed[i].Z[0] != 0) return SortOutcome::HasReferences;
    if (!parsed[i].empty() && parsed[i].D != 0) dated.push_back(i);
  }
  std::vector<int> order = dated;
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return parsed[a].D < parsed[b].D; });
  if (order == dated) return SortOutcome::InOrder;
  std::vector<std::string> texts;
  for (int i : order) texts.push_back(asset.Z[i].str());
  for (std::size_t k = 0; k < dated.size(); ++k) asset.Z[dated[k]] = texts[k];
  return SortOutcome::Sorted;
}

bool zeroedOn(const AssetRegister& reg, int slot, DayNumber day) {
  DepreciationEngine engine;
  const AssetValues v = assetValues(engine.compute(reg, slot, day));
  return std::fabs(v.gross) < 0.005L && std::fabs(v.accum) < 0.005L;
}

Status planRenumbering(AssetRegister& reg, const FieldValues& values,
                       std::vector<Renumbering>* plan) {
  plan->clear();
  const std::string group = trimmed(values.text("GrST"));
  const std::string beginning = trimmed(values.text("GrNo"));
  const long digits = text::intFromText(trimmed(values.text("RCyf")));
  const long first = text::intFromText(trimmed(values.text("RBeg")));
  const long last = text::intFromText(trimmed(values.text("REnd")));
  if (group.empty()) return Status::Error(fixHereText() + ": GrST");
  if (beginning.empty()) return Status::Error(fixHereText() + ": GrNo");
  if (digits < 1 || digits > 9) return Status::Error(fixHereText() + ": RCyf");
  if (first < 0 || last < first) return Status::Error(fixHereText() + ": REnd");
  std::vector<Renumbering> planned;
  long number = first;
  for (int slot = 1; slot < reg.count() && number <= last; ++slot) {
    const std::string symbol = reg.symbolOf(slot);
    if (!symbol.starts_with(group)) continue;
    std::string digitsText = std::to_string(number);
    if (static_cast<long>(digitsText.size()) < digits)
      digitsText.insert(0, static_cast<std::size_t>(digits) - digitsText.size(), '0');
    if (static_cast<long>(digitsText.size()) > digits)
      return Status::Error(fixHereText() + ": RCyf");
    const std::string to = beginning + digitsText;
    if (Status s = checkSymbolLength(to); !s.ok()) return s;
    ++number;
    if (to == symbol) continue;
    if (reg.exists(to)) return Status::Error(text::fromUtf8("Istnieje indeks ") + to);
    planned.push_back({symbol, to});
  }
  if (planned.empty()) return Status::Error(text::fromUtf8("Nie ma czego przenumerować"));
  *plan = std::move(planned);
  return Status::Ok();
}

std::string patternFileText(const FieldValues& values) {
  std::string out;
  const std::vector<std::string>& patterns = values.all("WzoA");
  for (int i = 0; i < kPatternLines; ++i)
    out += (i < static_cast<int>(patterns.size()) ? trimmed(patterns[i]) : std::string()) + "\r\n";
  return out;
}

void registerMaintenanceOperations() {
  registerOperation("Sorto", sortChanges);
  registerOperation("EdiWZ", savePatterns);
  registerOperation("ZrzuZ", archiveZeroed);
  registerOperation("WybST", splitBySelection);
  registerOperation("Impor", importBase);
  registerOperation("Renum", renumberGroup);
}

}  // namespace zefir::operations
