// The spreadsheet import: every data row of every sheet becomes one asset
// of a new base "Nowe.PST", by the version's columns.
//
// The mappings (a user moving from such a sheet expects the sheet's own
// object number as the symbol and its description as the name):
// - Fabrika: "Obiekt" the symbol; "Opis obiektu" the name (40 characters,
//   the rest in the second name line); "Data nabycia" the purchase and the
//   acceptance day; "Gr. obiektów" the classification symbol of the first
//   rate entry, from the acceptance day.
// - UG-Wzorcowo (land parcels): the symbol "OBRĘB/NR" ("NR" alone without a
//   registration area); the name "Działka " + number; the second name line
//   the registration unit; the value column the purchase price and the value
//   at acceptance; classification "0" (land); the parcel's other columns as
//   "head: value" lines of the description.
// - UM-Wzorcowo (equipment lists): "Symbol" the symbol ("UM-" + "Poz." when
//   empty); "Nazwa składnika" the name; quantity and unit as the second name
//   line ("3 szt"); "Cena jednostkowa" the purchase price; "Wartość" the value
//   at acceptance (quantity × price when empty); the disclosure protocol's
//   number the acceptance document; remarks, the asset the item belongs to
//   and the protocol as description lines.
// Columns are found by their heads in row 1 (letter case, Polish letters and
// punctuation ignored); only a sheet without any of them is read in the
// version's order. A sheet without the column the symbols come from is left
// out whole and named in the report with the missing head; another missing
// column is named there and read as empty, as an empty cell would be (the
// new base is a separate one, looked through before it is put in force).
#include <algorithm>
#include <cmath>
#include <set>

#include "operations/import_operations.h"
#include "operations/import_values.h"
#include "platform/file_system.h"
#include "text/codepage.h"
#include "text/numbers.h"

namespace zefir::operations::import {

namespace {

using text::fromUtf8;

struct SheetVersion {
  std::string name;
  std::vector<std::string> columns;  // UTF-8 heads
  // Indexes into `columns` of the symbol's column; none when the symbol may
  // come from either of two (each row without one is refused by itself).
  std::vector<std::size_t> required;
};

const std::vector<SheetVersion>& versions() {
  static const std::vector<SheetVersion> v{
      {"Fabrika", {"Obiekt", "Opis obiektu", "Data nabycia", "Gr. obiektów"}, {0}},
      {"UG-Wzorcowo",
       {"Nr działki", "Pow. [ha]", "AM", "Obręb ew.", "Jednostka ew.", "Jed. rejestrowa", "Udział",
        "Właściciele/Władający", "KW", "Klasoużytki", "MPZP", "Wartość"},
       {0}},
      {"UM-Wzorcowo",
       {"Poz.", "Symbol", "Nazwa składnika", "Jedn. miary", "Ilość", "Cena jednostkowa", "Wartość",
        "Uwagi", "Symbol środka trwałego", "Numer", "Protokół ujawnienia"},
       {}},
  };
  return v;
}

struct RowCells {
  const Sheet& sheet;
  int row;
  const std::vector<int>& columns;
  std::string_view operator[](std::size_t i) const { return sheet.cell(row, columns[i]); }
};

DayNumber dateOf(const RowCells& c, std::size_t i, const SheetVersion& v) {
  return dateOrThrow(c[i], v.columns[i]);
}

long double numberOf(const RowCells& c, std::size_t i, const SheetVersion& v) {
  return numberOrThrow(c[i], v.columns[i]);
}

void describe(AssetRecord& a, std::size_t& line, std::string_view head, std::string_view value) {
  if (value.empty() || line >= a.Opis.size()) return;
  a.Opis[line++] = fitted(std::string(head) + ": " + std::string(value), kOpisMax);
}

void nameLines(AssetRecord& a, std::string_view name) {
  a.Nazw = fitted(name, kNazwMax);
  const std::string rest = fitted(name, 255);
  if (rest.size() > a.Nazw.size()) a.Na2w = fitted(rest.substr(a.Nazw.size()), kNa2wMax);
}

AssetRecord fabrika(const RowCells& c, const SheetVersion& v) {
  AssetRecord a = AssetRegister::emptyRecord();
  a.Symb = symbolThatFits(symbolText(c[0]));
  nameLines(a, c[1]);
  a.DtZa = a.DtOT = dateOf(c, 2, v);
  a.K[0].SKST = fitted(c[3], kSKSTMax);
  a.K[0].date = a.DtOT;
  a.K[0].WsPo = a.K[0].WsBi = 1;
  return a;
}

AssetRecord parcel(const RowCells& c, const SheetVersion& v) {
  AssetRecord a = AssetRegister::emptyRecord();
  const std::string number = symbolText(c[0]), area = symbolText(c[3]);
  a.Symb = symbolThatFits(area.empty() ? number : area + "/" + number);
  a.Nazw = fitted(fromUtf8("Działka ") + std::string(c[0]), kNazwMax);
  a.Na2w = fitted(c[4], kNa2wMax);
  a.CeZa = a.WaOT = numberOf(c, 11, v);
  if (!importNumber(c[1])) numberOf(c, 1, v);  // the area must be a number
  a.K[0].SKST = "0";
  a.K[0].WsPo = a.K[0].WsBi = 1;
  std::size_t line = 0;
  for (std::size_t i : {1, 2, 3, 5, 6, 7, 8, 9, 10})
    describe(a, line, fromUtf8(v.columns[i]), c[i]);
  return a;
}

AssetRecord equipment(const RowCells& c, const SheetVersion& v) {
  AssetRecord a = AssetRegister::emptyRecord();
  a.Symb = symbolThatFits(symbolText(c[1]));
  if (a.Symb.empty() && !c[0].empty()) a.Symb = symbolThatFits("UM-" + symbolText(c[0]));
  a.Nazw = fitted(c[2], kNazwMax);
  const long double quantity = numberOf(c, 4, v);
  a.CeZa = numberOf(c, 5, v);
  a.WaOT = c[6].empty() ? text::R(quantity * a.CeZa) : numberOf(c, 6, v);
  if (quantity != 0)
    a.Na2w = fitted(text::plainRealText(quantity, 4) + " " + std::string(c[3]), kNa2wMax);
  a.DdOT = fitted(c[9], kDdOTMax);
  std::size_t line = 0;
  for (std::size_t i : {7, 8, 10}) describe(a, line, fromUtf8(v.columns[i]), c[i]);
  return a;
}

std::string headCut(const std::string& utf8) {
  std::string h = fromUtf8(utf8);
  return h.size() > 8 ? h.substr(0, 8) : h;
}

}  // namespace

const std::vector<std::string>& sheetVersions() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (const SheetVersion& v : versions()) n.push_back(v.name);
    return n;
  }();
  return names;
}

const std::vector<std::string>& sheetVersionColumns(std::string_view version) {
  static const std::vector<std::string> none;
  for (const SheetVersion& v : versions())
    if (v.name == version) return v.columns;
  return none;
}

Status importSheets(const Workbook& book, std::string_view version, std::string_view fileName,
                    std::string_view baseFolder, const base::WriteStamp& stamp,
                    output::ReportBuffer& report) {
  const auto v = std::find_if(versions().begin(), versions().end(),
                              [&](const SheetVersion& s) { return s.name == version; });
  if (v == versions().end())
    return Status::Error(fromUtf8("Nieznana wersja importu ") + std::string(version));
  report.beginReport("XU", "Import z pliku " + std::string(fileName) + ".XLS", 1);
  report.addColumn('p', 5, "Lp");
  report.addColumn('l', 30, fromUtf8("Symbol środka"));
  for (const std::string& head : v->columns) report.addColumn('l', 10, headCut(head));
  report.endHeaders(std::string(fileName) + " " + v->name);

  std::vector<AssetRecord> assets;
  std::set<std::string> symbols;
  int lp = 0, refused = 0, sheetsRead = 0;
  std::string sheetsLeft;
  for (const Sheet& sheet : book.sheets) {
    const int rows = sheet.usedRows();
    if (rows < 2) continue;  // no data rows
    const ColumnPlaces places = columnsByHead(sheet, v->columns);
    const std::vector<int>& columns = places.columns;
    const std::string arkusz = "Arkusz " + sheet.name;
    if (const std::string lacking = places.lacking(v->columns, v->required); !lacking.empty()) {
      refused += rows - 1;
      sheetsLeft += (sheetsLeft.empty() ? "" : "; ") + arkusz + ": " + lacking;
      report.addRow(
          {"", fromUtf8("BŁĄD: ") + arkusz + ": " + lacking + fromUtf8(", arkusz pominięty")});
      continue;
    }
    ++sheetsRead;
    if (places.byPosition)
      report.addRow({"", arkusz + fromUtf8(": bez nagłówków, kolumny wg kolejności wersji")});
    if (const std::string lacking = places.lacking(v->columns); !lacking.empty())
      report.addRow({"", arkusz + ": " + lacking + fromUtf8(" (czytane jako puste)")});
    for (int r = 2; r <= rows; ++r) {
      const RowCells cells{sheet, r, columns};
      std::vector<std::string> line{"", ""};
      for (std::size_t i = 0; i < columns.size(); ++i) line.emplace_back(cells[i]);
      try {
        AssetRecord a = v->name == "Fabrika"       ? fabrika(cells, *v)
                        : v->name == "UG-Wzorcowo" ? parcel(cells, *v)
                                                   : equipment(cells, *v);
        if (a.Symb.empty()) throw RowError{fromUtf8("brak symbolu")};
        if (Status s = checkNewAssetSave(a); !s) throw RowError{s.message()};
        if (!symbols.insert(a.Symb).second)
          throw RowError{fromUtf8("symbol ") + a.Symb.str() + fromUtf8(" powtórzony")};
        line[0] = std::to_string(++lp);
        line[1] = a.Symb;
        assets.push_back(std::move(a));
      } catch (const RowError& e) {
        ++refused;
        line[0] = "";
        line[1] = fromUtf8("BŁĄD: ") + sheet.name + " w. " + std::to_string(r) + ": " + e.reason;
      }
      report.addRow(std::span<const std::string>(line));
    }
  }
  // Nothing could be read, or no row gave an asset: the earlier new base (if
  // any) stays as it was rather than being replaced by an empty one.
  const bool noSheet = sheetsRead == 0 && !sheetsLeft.empty();
  if (noSheet || assets.empty()) {
    report.addRule('-');
    report.addRow({"", fromUtf8("Nic nie zapisano do ") + kNewBaseName});
    report.endReport();
    return Status::Error(noSheet ? sheetsLeft
                                 : fromUtf8("Żaden wiersz nie dał środka trwałego, ") +
                                       kNewBaseName + fromUtf8(" bez zmian"));
  }
  std::sort(assets.begin(), assets.end(),
            [](const AssetRecord& a, const AssetRecord& b) { return a.Symb < b.Symb; });
  std::string folder(baseFolder);
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  Status written = writeNewJournal(folder + kNewBaseName, folder + kNewBaseWorkName, assets, stamp);
  report.addRule('-');
  report.addRow({"", fromUtf8("Zapisano ") + std::to_string(assets.size()) +
                         fromUtf8(" środków do ") + kNewBaseName +
                         fromUtf8(", pominięto wierszy: ") + std::to_string(refused)});
  if (!written) report.addRow({"", written.message()});
  report.endReport();
  return written;
}

}  // namespace zefir::operations::import
