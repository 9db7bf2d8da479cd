#include "operations/dictionary_editing.h"

#include <algorithm>
#include <cmath>

#include "operations/operation_registry.h"
#include "platform/file_system.h"
#include "platform/shared_file.h"
#include "platform/workstation_marks.h"
#include "register/base_files.h"
#include "text/codepage.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

std::string trimmedRight(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

// Runs `write` under the mark "#" on `path`; a refused mark (the other
// workstation's conflicting mark is in the status line) writes nothing, and
// an input/output failure comes back as the error with the old file intact.
template <typename Write>
Status writeMarked(const std::string& path, Write write) {
  if (!workstationMarks().mark('#', path))
    return Status::Error(text::fromUtf8("Nie zapisano ") + path);
  UnmarkOnExit unmark;
  try {
    write();
  } catch (const platform::IoError& e) {
    showStatus(e.message, StatusKind::Error);
    return Status::Error(e.message);
  }
  showStatus("Zapisane na dysk", StatusKind::Notice);
  return Status::Ok();
}

}  // namespace

int classificationRate(std::string_view typed) {
  long double rate = std::clamp(text::realFromText(typed), 0.0L, 100.0L);
  return static_cast<int>(std::lround(static_cast<double>(rate * 100)));
}

std::string classificationRateText(int rate) {
  std::string s = text::plainRealText(rate / 100.0L, 2);
  // Trailing zeros of the decimals add nothing to a rate.
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  return s;
}

ClassificationEntry classificationEntryFor(const ClassificationTable& table,
                                           std::string_view symbol) {
  if (const ClassificationEntry* e = table.find(symbol)) return *e;
  return ClassificationEntry{std::string(symbol), {}, 0};
}

Status applyClassificationEdit(ClassificationTable& table, const ClassificationEntry& loaded,
                               const ClassificationEntry& edited, bool* changed) {
  *changed = false;
  if (edited.symbol.size() > kClassificationSymbolMax)
    return Status::Error(text::fromUtf8("Symbol KŚT ma najwyżej 3 znaki: ") + edited.symbol);
  if (edited.symbol == loaded.symbol && edited.rate == loaded.rate && edited.name == loaded.name)
    return Status::Ok();
  std::vector<ClassificationEntry> entries = table.entries();
  if (edited.symbol != loaded.symbol)
    std::erase_if(entries, [&](const ClassificationEntry& e) { return e.symbol == loaded.symbol; });
  if (edited.symbol.empty()) {  // the group is deleted
    *changed = entries.size() != table.entries().size();
    if (!*changed) return Status::Ok();
    table.clear();
    for (ClassificationEntry& e : entries) (void)table.add(std::move(e));
    return Status::Ok();
  }
  ClassificationEntry stored = edited;
  if (stored.name.size() > kClassificationNameMax) stored.name.resize(kClassificationNameMax);
  auto at = std::find_if(entries.begin(), entries.end(),
                         [&](const ClassificationEntry& e) { return e.symbol >= stored.symbol; });
  if (at != entries.end() && at->symbol == stored.symbol)
    *at = std::move(stored);
  else if (static_cast<int>(entries.size()) >= kClassificationCapacity - 1)
    return Status::Error(text::fromUtf8("Tabela KŚT pełna: najwyżej 2499 grup"));
  else
    entries.insert(at, std::move(stored));
  table.clear();
  for (ClassificationEntry& e : entries) (void)table.add(std::move(e));
  *changed = true;
  return Status::Ok();
}

Status writeBackClassification(ClassificationTable& table, const std::string& path) {
  ClassificationTable written;
  for (const ClassificationEntry& e : table.entries())
    if (!e.symbol.empty()) (void)written.add(e);
  Status status = writeMarked(path, [&] { base::saveClassificationTable(written, path); });
  if (status.ok()) table = std::move(written);
  return status;
}

std::string classificationStep(const ClassificationTable& table, std::string_view text, int step) {
  const auto& entries = table.entries();
  if (entries.empty()) return {};
  auto it = std::find_if(entries.begin(), entries.end(),
                         [&](const ClassificationEntry& e) { return e.symbol.starts_with(text); });
  const int from = it == entries.end() ? 0 : static_cast<int>(it - entries.begin());
  const int to = std::clamp(from + step, 0, static_cast<int>(entries.size()) - 1);
  return entries[to].symbol;
}

bool dictionaryOfOption(int option, DictionaryKind* kind) {
  switch (option) {
    case 56:
      *kind = DictionaryKind::Places;
      return true;
    case 57:
      *kind = DictionaryKind::Persons;
      return true;
    case 58:
      *kind = DictionaryKind::Accounts;
      return true;
    default:
      return false;
  }
}

const char* dictionaryFileName(DictionaryKind kind) {
  switch (kind) {
    case DictionaryKind::Places:
      return base::kPlacesFile;
    case DictionaryKind::Persons:
      return base::kPersonsFile;
    case DictionaryKind::Accounts:
      break;
  }
  return base::kAccountsFile;
}

const char* dictionaryKeyCode(DictionaryKind kind) {
  return kind == DictionaryKind::Places    ? "HMUS"
         : kind == DictionaryKind::Persons ? "HOOS"
                                           : "HKoS";
}

const char* dictionaryDescriptionCode(DictionaryKind kind) {
  return kind == DictionaryKind::Places    ? "HMUO"
         : kind == DictionaryKind::Persons ? "HOOO"
                                           : "HKoO";
}

Dictionary& dictionaryIn(AssetRegister& reg, DictionaryKind kind) {
  return kind == DictionaryKind::Places    ? reg.places
         : kind == DictionaryKind::Persons ? reg.persons
                                           : reg.accounts;
}

void DictionaryGrid::load(const Dictionary& dict, DictionaryKind kind) {
  slots_.fill({});
  std::copy(dict.entries().begin(), dict.entries().end(), slots_.begin());
  kind_ = kind;
  top_ = 1;
  loaded_ = true;
}

void DictionaryGrid::setKey(int i, std::string_view key) {
  slots_.at(i - 1).key = trimmedRight(key.substr(0, kDictionaryKeyMax));
}

void DictionaryGrid::setDescription(int i, std::string_view description) {
  slots_.at(i - 1).description = std::string(description.substr(0, kDictionaryDescriptionMax));
}

bool DictionaryGrid::scroll(int step) {
  const int to = std::clamp(top_ + step, 1, kDictionaryCapacity - kGridWindowRows + 1);
  if (to == top_) return false;
  top_ = to;
  return true;
}

void DictionaryGrid::setWindow(const std::vector<std::string>& keys,
                               const std::vector<std::string>& descriptions) {
  for (int r = 1; r <= kGridWindowRows; ++r) {
    const auto i = static_cast<std::size_t>(r - 1);
    if (i < keys.size()) setKey(slotOfRow(r), keys[i]);
    if (i < descriptions.size()) setDescription(slotOfRow(r), descriptions[i]);
  }
}

Status DictionaryGrid::writeBack(Dictionary& dict, const std::string& path) {
  Dictionary written;
  for (const DictionaryEntry& e : slots_)
    if (!e.key.empty()) (void)written.add(e);
  Status status = writeMarked(path, [&] { base::saveDictionary(written, path); });
  if (!status.ok()) return status;
  slots_.fill({});
  std::copy(written.entries().begin(), written.entries().end(), slots_.begin());
  dict = std::move(written);
  return status;
}

DictionaryGrid& dictionaryGrid() {
  static DictionaryGrid grid;
  return grid;
}

namespace {

Status writeClassificationOption(OperationRun& run) {
  if (!run.assets) return Status::Error(text::fromUtf8("Brak rejestru"));
  ClassificationTable& table = run.assets->classification;
  const std::string& symbol = run.values.text("HKSE");
  const ClassificationEntry loaded = classificationEntryFor(table, symbol);
  ClassificationEntry edited;
  const std::string& renamed = run.values.text("HKSX");
  edited.symbol = trimmedRight(renamed.empty() ? symbol : renamed);
  edited.rate = classificationRate(run.values.text("HKSS"));
  edited.name = run.values.text("HKSO");
  // An emptied name deletes the group, after the question (default no, so a
  // name cleared by mistake drops nothing).
  const bool deleting = trimmedRight(edited.name).empty() && table.find(symbol);
  if (deleting) {
    showStatus(text::fromUtf8("Co zrobić z grupą KŚT ") + symbol + " ?", StatusKind::Notice);
    if (run.choose(text::fromUtf8("Skasować go "), 'N') != 'T') {
      const std::string cancelled = text::fromUtf8("Zaniechane");
      showStatus(cancelled, StatusKind::Notice);
      return Status::Error(cancelled);
    }
    edited.symbol.clear();
  }
  bool changed = false;
  Status status = applyClassificationEdit(table, loaded, edited, &changed);
  if (!status.ok()) {
    showStatus(status.message(), StatusKind::Error);
    return status;
  }
  if (!changed) return status;
  status = writeBackClassification(table, base::classificationTablePath(run.baseFolder));
  if (status.ok() && deleting)
    showStatus(text::fromUtf8("Grupa KŚT skasowana: ") + symbol, StatusKind::Notice);
  return status;
}

Status writeDictionaryOption(OperationRun& run) {
  DictionaryKind kind;
  if (!run.assets || !dictionaryOfOption(run.option.number, &kind))
    return Status::Error(text::fromUtf8("Brak rejestru"));
  Dictionary& dict = dictionaryIn(*run.assets, kind);
  DictionaryGrid& grid = dictionaryGrid();
  if (!grid.loaded() || grid.kind() != kind) grid.load(dict, kind);
  grid.setWindow(run.values.all(dictionaryKeyCode(kind)),
                 run.values.all(dictionaryDescriptionCode(kind)));
  std::string path = base::findBaseSideFile(run.baseFolder, dictionaryFileName(kind));
  // A dictionary found nowhere is created in the base folder.
  if (!platform::exists(path)) path = run.baseFolder + dictionaryFileName(kind);
  return grid.writeBack(dict, path);
}

}  // namespace

void registerDictionaryOperations() {
  registerOperation(55, writeClassificationOption);
  for (int option : {56, 57, 58}) registerOperation(option, writeDictionaryOption);
}

}  // namespace zefir::operations
