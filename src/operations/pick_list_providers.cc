// The providers of the computed pick lists: dates, screen heights, assets
// with their free numbers, an asset's documents, the classification table,
// the dictionaries (with sample rows while they are empty), import versions
// and the file, folder and text-line lists.
#include <algorithm>

#include "operations/import_operations.h"
#include "operations/pick_list.h"
#include "operations/pick_list_fixed.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "register/asset_register.h"
#include "register/change_entry.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

constexpr std::string_view kSep = " \xD7 ";
constexpr int kDictionaryKeyWidth = 20;
constexpr int kAssetKeyWidth = 18;
constexpr DayNumber kFirstListDay = 32873;  // 1 January 2010
constexpr DayNumber kLastListDay = 37620;   // 31 December 2022

std::string padded(std::string s, std::size_t width) {
  s.resize(std::max(s.size(), width), ' ');
  return s;
}

std::string fitted(std::string s, std::size_t width) {
  s.resize(width, ' ');
  return s;
}

std::string upperExtension(std::string_view name) {
  const auto dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : text::upperCase(name.substr(dot + 1));
}

void addDates(PickList& list) {
  list.kind = "Daty (liczba dni od 1-1-1920)";
  list.header = text::fromUtf8("L.dni ×   Data     dzień tygodnia");
  list.calendar = true;
  list.sorted = false;
  for (int d = kFirstListDay; d <= kLastListDay; ++d) {
    const auto day = static_cast<DayNumber>(d);
    list.add(std::to_string(d) + std::string(kSep) + text::longTextOfDay(day) + ' ' +
             text::weekdayOfDay(day));
  }
}

void addHeights(PickList& list, int height, int less) {
  list.kind = text::fromUtf8("Wysokość okna");
  list.header = text::fromUtf8("Wybrane wysokości");
  list.sorted = false;
  for (int h = 50; h <= height; h += 50) list.add(text::intText(h, 4) + std::string(kSep));
  list.add(text::intText(height - less, 4) + std::string(kSep));
}

std::string assetRow(std::string_view symbol, std::string_view description) {
  return fitted(std::string(symbol) + std::string(kSep), kAssetKeyWidth) + std::string(description);
}

void addDemoRow(PickList& list, const char* entry) {
  list.add("DEMO  \xD7  w opcji " + std::string(entry) +
           text::fromUtf8(" można wprowadzić rzeczywiste dane."));
}

void addAssets(PickList& list, const AssetRegister* reg) {
  list.kind = text::fromUtf8("Wybierz symbol środka trwałego");
  list.header = text::fromUtf8("Symbol × opis środka");
  list.sorted = false;  // register order is symbol order, free numbers in between
  if (!reg || reg->assetCount() == 0) {
    list.add(assetRow("1-001", text::fromUtf8("Budynek biurowy, Warszawa")));
    list.add(assetRow("4-001", text::fromUtf8("Zestaw komputerowy, księgowość")));
    list.add(assetRow("7-001", text::fromUtf8("Samochód osobowy, dział handlowy")));
    addDemoRow(list, "A");
    return;
  }
  for (int i = 1; i < reg->count(); ++i) {
    const AssetRecord& a = reg->slot(i);
    list.add(assetRow(a.Symb, a.Nazw.str() + ", " + a.Na2w.str()));
    const std::string next = nextSymbol(a.Symb);
    if (next > a.Symb && next < reg->slot(i + 1).Symb) list.add(assetRow(next, "wolne"));
  }
}

void addDocuments(PickList& list, const PickListSources& s) {
  list.kind = text::fromUtf8("Wybierz dokument dla ") + s.documentKind;
  list.header = text::fromUtf8("     z dnia       na kwotę  dowód");
  list.sorted = false;
  if (!s.asset) return;
  const auto parsed = parseChangeEntries(*s.asset);
  char letter = 'A';
  for (const ChangeEntry& e : parsed) {
    if (e.C != s.documentKind) continue;
    std::string row = std::string(1, letter) + std::string(kSep) + "z dnia " +
                      text::longTextOfDay(e.D) + text::fromUtf8(" na kwotę ");
    row += e.C == "LT" && !e.hasAmount ? text::fromUtf8("      w całości") : text::moneyText(e.W);
    row += text::fromUtf8("  dowód ") + e.K;
    list.add(row);
    if (letter < 'Z') ++letter;
  }
}

void addClassification(PickList& list, const AssetRegister* reg) {
  list.kind = text::fromUtf8("Klasyfikacja Środków Trwałych");
  list.header = text::fromUtf8("TCS × dokłdniejszy opis każdej pozycji KŚT");
  if (!reg || reg->classification.count() <= 1) {
    list.sorted = false;
    list.add(text::fromUtf8("010 ×  Budynki mieszkalne                       1.5"));
    list.add(text::fromUtf8("101 ×  Budynki biurowe                          2.5"));
    list.add(text::fromUtf8("491 ×  Komputery                               30.0"));
    list.add(text::fromUtf8("741 ×  Samochody osobowe                       20.0"));
    list.add(text::fromUtf8("~~1 ×  Tu są tylko przykładowe grupy KŚT,"));
    list.add(text::fromUtf8("~~2 ×  do pracy potrzebny jest pełny plik klasyfikacji"));
    list.add(text::fromUtf8("~~3 ×  liczący prawie 2000 pozycji."));
    addDemoRow(list, "H.A");
    return;
  }
  const auto& entries = reg->classification.entries();
  for (const ClassificationEntry& e : entries) {
    // The name carries the statutory rate at its end; it is shown as it is kept.
    list.add(fitted(e.symbol, 3) + std::string(kSep) + e.name);
  }
}

void addDictionary(PickList& list, const Dictionary* dict, const PickListSources& s,
                   const char* fileName, const char* entry,
                   std::initializer_list<std::pair<const char*, const char*>> samples) {
  if (!dict || dict->count() <= 1) {
    list.sorted = false;  // the DEMO row stays last
    for (const auto& [key, description] : samples)
      list.add(padded(key, kDictionaryKeyWidth) + std::string(kSep) + text::fromUtf8(description));
    addDemoRow(list, entry);
    return;
  }
  for (const DictionaryEntry& e : dict->entries())
    if (!e.key.empty())
      list.add(padded(e.key, kDictionaryKeyWidth) + std::string(kSep) + e.description);
  if (list.size() == 0 && list.filter().empty())
    list.add("Pusty plik podpowiedzi \"" + s.baseFolder + fileName + "\"");
}

// The import's layouts: each row names a version (`i`) or program (`j`) and
// the columns the import reads by it, taken from the import itself so the
// list never offers what the import would not read. "Analiza" comes first.
void addVersions(PickList& list, int key) {
  const auto row = [](std::string_view name, const std::vector<std::string>& columns) {
    std::string heads;
    for (std::size_t i = 0; i < columns.size(); ++i) heads += (i ? ", " : "") + columns[i];
    return std::string(name) + std::string(kSep) + text::fromUtf8(heads);
  };
  list.header = text::fromUtf8("Wersja × i co z tego wynika");
  list.sorted = false;
  if (key == 'i') {
    list.kind = text::fromUtf8("Wybierz wersję plików XLS");
    list.add(text::fromUtf8("Analiza × Analiza statystyczna pliku XLS"));
    for (const std::string& version : import::sheetVersions())
      list.add(row(version, import::sheetVersionColumns(version)));
  } else {
    list.kind = text::fromUtf8("Wybierz wersję plików SRODKI.DBF");
    list.add(text::fromUtf8("Analiza × Analiza statystyczna pliku SRODKI.DBF"));
    list.add(
        row(import::kFirstLayoutProgram, import::tableLayoutFields(import::kFirstLayoutProgram)));
    list.add(text::fromUtf8("Nie ma  × Nie ma jeszcze dobrej bazy do przeciągania"));
  }
}

bool holdsBase(const std::string& folder) {
  for (const platform::FolderEntry& e : platform::listFolder(folder))
    if (!e.folder && upperExtension(e.name) == "PST") return true;
  return false;
}

void addFolders(PickList& list, const PickListSources& s) {
  list.kind = text::fromUtf8("katalogów z bazą ");
  list.header = "Podkatalogi ";
  for (const platform::FolderEntry& e : platform::listFolder(s.programFolder))
    if (e.folder && holdsBase(s.programFolder + "/" + e.name)) list.add(e.name + std::string(kSep));
  if (list.size() == 0)
    list.add(std::string(kSep) + text::fromUtf8("Nie widzę podkatalogów z danymi."));
}

std::string fileRow(const platform::FolderEntry& e, std::size_t nameWidth) {
  return padded(e.name, nameWidth) + std::string(kSep) + text::longTextOfDay(e.modified.day) + ' ' +
         text::twoDigits(e.modified.minutes / 60) + ':' + text::twoDigits(e.modified.minutes % 60) +
         text::intText(static_cast<long>(e.size), 14);
}

// The files of `folder` with one of `extensions` (any letter case); the
// first extension names what is missing when there is none.
void addFiles(PickList& list, const std::string& folder, const std::vector<std::string>& extensions,
              std::size_t nameWidth) {
  list.header = text::fromUtf8("Zbiór         z dnia i godziny         wielkość");
  for (const platform::FolderEntry& e : platform::listFolder(folder))
    if (!e.folder)
      for (const std::string& extension : extensions)
        if (upperExtension(e.name) == text::upperCase(extension)) list.add(fileRow(e, nameWidth));
  if (list.size() == 0)
    list.add(std::string(kSep) + text::fromUtf8("Nie widzę zbiorów ") + extensions.front());
}

void addLogoFiles(PickList& list, const PickListSources& s) {
  list.kind = text::fromUtf8("plików zawierających LOGO");
  list.header = text::fromUtf8("Zbiór");
  for (const platform::FolderEntry& e : platform::listFolder(s.baseFolder))
    if (!e.folder && upperExtension(e.name) == "JPG") list.add(e.name + std::string(kSep));
  if (list.size() == 0) list.add(std::string(kSep) + text::fromUtf8("Nie widzę plików z  JPG."));
}

void addLines(PickList& list, const std::string& file) {
  list.kind = platform::fileNameOf(file);
  list.sorted = false;
  const auto content = platform::readWholeFile(file);
  std::size_t start = 0;
  const std::string all = content.value_or(std::string());
  while (start < all.size()) {
    auto end = all.find('\n', start);
    if (end == std::string::npos) end = all.size();
    std::string line = all.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    list.add(line);
    start = end + 1;
  }
  if (list.size() == 0 && list.filter().empty())
    list.add(std::string(kSep) + text::fromUtf8("Pusty zbiór ") + list.kind);
}

void addRates(PickList& list, const PickListSources& s) {
  list.kind = "  Tabele A NBP";
  list.header = text::fromUtf8("dzień  Data kursu   Kurs   Tabela NBP");
  if (!platform::exists(s.rateFile)) {
    list.add(std::string(kSep) + text::fromUtf8("Nie widzę archiwum kursów ") + s.rateFile);
    return;
  }
  addLines(list, s.rateFile);
  list.kind = "  Tabele A NBP";
  // The file's order: a currency's days follow each other, its head on the
  // last of them; sorted by their date texts the currencies would mix and
  // no row would say whose rate it is.
  list.sorted = false;
}

}  // namespace

PickList buildPickList(int listKey, const PickListSources& s, std::string_view filter,
                       std::string_view extension) {
  PickList list;
  list.listKey = listKey;
  list.setFilter(filter);
  const AssetRegister* reg = s.reg;
  if (addFixedList(listKey, list)) {
  } else if (listKey == 'D') {
    addDates(list);
  } else if (listKey == 'O') {
    addHeights(list, s.secondScreenHeight > 0 ? s.secondScreenHeight : 1600, 2);
  } else if (listKey == 'Q') {
    addHeights(list, s.screenHeight, 3);
  } else if (listKey == 's' || listKey == kAssetListEditable || listKey == kAssetListVariant) {
    addAssets(list, reg);
  } else if (listKey == 'd') {
    addDocuments(list, s);
  } else if (listKey == 'q') {
    addClassification(list, reg);
  } else if (listKey == 'k') {
    list.kind = text::fromUtf8("Wybierz konto księgowe");
    list.header = text::fromUtf8("Symbol × opis konta");
    addDictionary(list, reg ? &reg->accounts : nullptr, s, "Konta.KST", "H.D",
                  {{"011-01", "Środki trwałe - budynki"},
                   {"011-04", "Środki trwałe - maszyny i urządzenia"},
                   {"071-01", "Umorzenie środków trwałych"},
                   {"400-01", "Amortyzacja"}});
  } else if (listKey == 'm') {
    list.kind = text::fromUtf8("Wybierz miejsce użytkowania środka trwałego");
    list.header = text::fromUtf8("Symbol × opis miejsca użytkowania");
    addDictionary(list, reg ? &reg->places : nullptr, s, "MiejscaU.MST", "H.C",
                  {{"BIURO", "Biuro zarządu"},
                   {"MAGAZYN", "Magazyn główny"},
                   {"WARSZTAT", "Warsztat naprawczy"}});
  } else if (listKey == 'o') {
    list.kind = text::fromUtf8("Wybierz osobę odpowiedzialną za środek trwały");
    list.header = text::fromUtf8("Symbol × Imię i nazwisko");
    addDictionary(list, reg ? &reg->persons : nullptr, s, "Osoby.OST", "H.B",
                  {{"AK", "Anna Kowalska"}, {"JN", "Jan Nowak"}, {"PW", "Piotr Wiśniewski"}});
  } else if (listKey == 'i' || listKey == 'j') {
    addVersions(list, listKey);
  } else if (listKey == 'K') {
    addFolders(list, s);
  } else if (listKey == 'L') {
    addLogoFiles(list, s);
  } else if (listKey == 'Z' || listKey == kPatternFiles) {
    const std::string ext =
        extension.empty() ? (listKey == 'Z' ? "PST" : "WZO") : std::string(extension);
    list.kind = ext;
    addFiles(list, s.baseFolder, {ext}, 12);
  } else if (listKey == kSpreadsheetFiles) {
    // The spreadsheet import's sources: every kind it reads, in its folder.
    list.kind = ".XLS";
    std::vector<std::string> extensions;
    for (const std::string& e : import::sheetExtensions())
      extensions.push_back(text::upperCase(e.substr(1)));
    addFiles(list, import::sourceFolder(s.baseFolder), extensions, 25);
  } else if (listKey == ' ' || listKey == 'Y') {
    addLines(list, s.textFile);
  } else if (listKey == 'A') {
    addRates(list, s);
  }
  list.finish();
  return list;
}

}  // namespace zefir::operations
