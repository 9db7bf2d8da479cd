// The DBF import: each row of the other program's table "Srodki" becomes an
// asset of the base in force, saved through the register's save.
//
// The fields are found by their names in row 1 (the table's field names),
// never by position: a table without a field the asset is built from (its
// symbol, name, day and value) is refused whole, naming the fields, and a
// missing other field is named in the report and read as empty. The
// mappings:
// - both layouts: `Nr_ewid` the symbol; a place change "MU:010112,<M_uzytk>"
//   and a cost-account change "KK:010112,<Rozdzial>-6050" (an item whose
//   texts say "Wyposaz" is equipment: "-4210", its quantity written as
//   "Ilość: n szt" in the description); 1 January 2012 is the day the
//   other program's data are taken as valid from.
// - layout 1: `Nazwa` the name, `Char3` the second name line; `Dat_nab` the
//   purchase day, `Dat_zal` the acceptance day (the purchase day when empty);
//   `Wart_pocz` the price and the value at acceptance; `Grupa`, `P_grupa`
//   and `Rodzaj` joined the classification symbol, `Stopa` both rates from
//   the acceptance day; `Um_nar` non-zero: opening balance of the import
//   year (`WaBr` the initial value, `WaUm` the accumulated depreciation);
//   `Likwid` other than blank or "N": liquidation "LT:" on 1 January 2012 or
//   the acceptance day if later; the other fields as description lines.
// - layout 2: `Opis` the name, `Opis1` the second name line, `Opis2` to
//   `Opis4` description lines; `Dat_rej` the purchase and acceptance day;
//   `Cena` the price, `Wartosc` the value at acceptance (price × quantity
//   when 0); `Kl_rodz` the classification symbol; `Dat_likw` a liquidation
//   "LT:" on that day; `Dat_ksil` and `Poz_ksil` a description line.
//
// Layout 1 has 19 fields; its report keeps within the report buffer's 17
// columns by joining `Uzytk`/`M_uzytk`, `Grupa`/`P_grupa`/`Rodzaj` and
// `Dat_prod`/`Dat_nab` into one column each (values joined by "/").
#include <algorithm>

#include "operations/import_operations.h"
#include "operations/import_values.h"
#include "platform/shared_file.h"
#include "register/base_values.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace zefir::operations::import {

namespace {

using text::fromUtf8;

struct TableLayout {
  std::vector<std::string> fields, types;
  std::vector<std::vector<int>> reportColumns;  // field indexes shown in each column
  std::vector<std::size_t> required;            // fields no asset can be built without
};

const TableLayout& layout1() {
  static const TableLayout l{
      {"Nr_ewid", "Uzytk", "M_uzytk", "Rozdzial", "Zadanie", "Grupa", "P_grupa", "Rodzaj", "Nazwa",
       "Char3", "Dat_prod", "Dat_nab", "Likwid", "Dat_zal", "Stopa", "Wart_pocz", "Um_nar",
       "Wart_inw", "Wart_um"},
      {"C32", "C5", "C5", "C5", "C3", "N1", "N1", "N1", "C32", "C32", "D8", "D8", "C1", "D8",
       "N6.2", "N15.2", "N15.2", "N15.2", "N15.2"},
      {{0},
       {1, 2},
       {3},
       {4},
       {5, 6, 7},
       {8},
       {9},
       {10, 11},
       {12},
       {13},
       {14},
       {15},
       {16},
       {17},
       {18}},
      {0, 8, 11, 15}};
  return l;
}

const TableLayout& layout2() {
  static const TableLayout l{
      {"Nr_ewid", "M_uzytk", "Rozdzial", "Dat_rej", "Opis", "Opis1", "Opis2", "Opis3", "Opis4",
       "Cena", "Wartosc", "Dat_likw", "Ilosc", "Kl_rodz", "Dat_ksil", "Poz_ksil"},
      {"C32", "C5", "C5", "D8", "C32", "C32", "C32", "C32", "C32", "N6.2", "N6.2", "D8", "N6.2",
       "C3", "D8", "C10"},
      {{0}, {1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}, {9}, {10}, {11}, {12}, {13}, {14}, {15}},
      {0, 3, 4, 9}};
  return l;
}

constexpr const char* kValidFrom = "010112";

struct Row {
  const Sheet& sheet;
  int row;
  const std::vector<int>& columns;
  const TableLayout& layout;
  std::string_view operator[](std::size_t i) const { return sheet.cell(row, columns[i]); }
  DayNumber date(std::size_t i) const { return dateOrThrow((*this)[i], layout.fields[i]); }
  long double number(std::size_t i) const { return numberOrThrow((*this)[i], layout.fields[i]); }
  bool equipment() const {
    for (std::size_t i = 0; i < columns.size(); ++i)
      if (text::upperCase(text::plainLetters((*this)[i])).find("WYPOSAZ") != std::string::npos)
        return true;
    return false;
  }
};

void addLine(AssetRecord& a, std::size_t& line, std::string_view text) {
  if (!text.empty() && line < a.Opis.size()) a.Opis[line++] = fitted(text, kOpisMax);
}

std::string headed(std::string_view head, std::string_view value) {
  return value.empty() ? std::string() : std::string(head) + ": " + std::string(value);
}

// The place and account entries both layouts carry.
void placeAndAccount(AssetRecord& a, const Row& r, std::size_t place, std::size_t section,
                     long double quantity, std::size_t& line) {
  int z = 0;
  if (!r[place].empty())
    a.Z[z++] =
        fitted(std::string("MU:") + kValidFrom + "," + std::string(r[place]), kChangeEntryMax);
  const bool equipment = r.equipment();
  a.Z[z] = fitted(std::string("KK:") + kValidFrom + "," + symbolText(r[section]) +
                      (equipment ? "-4210" : "-6050"),
                  kChangeEntryMax);
  if (equipment)
    addLine(a, line,
            fromUtf8("Ilość: ") + text::plainRealText(quantity == 0 ? 1 : quantity, 4) + " szt");
}

void liquidation(AssetRecord& a, DayNumber day) {
  for (auto& z : a.Z)
    if (z.empty()) {
      z = "LT:" + text::shortTextOfDay(day);
      return;
    }
}

AssetRecord fromLayout1(const Row& r, DayNumber today) {
  AssetRecord a = AssetRegister::emptyRecord();
  a.Symb = symbolThatFits(symbolText(r[0]));
  a.Nazw = fitted(r[8], kNazwMax);
  a.Na2w = fitted(r[9], kNa2wMax);
  a.DtZa = r.date(11);
  a.DtOT = r[13].empty() ? a.DtZa : r.date(13);
  a.CeZa = a.WaOT = r.number(15);
  const long double depreciated = r.number(16);
  if (depreciated != 0) {
    a.RokP = static_cast<std::uint16_t>(text::yearOfDay(today));
    a.WaBr = a.WaOT;
    a.WaUm = depreciated;
  }
  RateEntry& k = a.K[0];
  k.SKST = fitted(symbolText(std::string(r[5]) + std::string(r[6]) + std::string(r[7])), kSKSTMax);
  k.date = a.DtOT;
  k.StPo = k.StBi = r.number(14);
  k.WsPo = k.WsBi = 1;
  std::size_t line = 0;
  addLine(a, line, headed(fromUtf8("Użytkownik"), r[1]));
  addLine(a, line, headed(fromUtf8("Rozdział"), r[3]));
  addLine(a, line, headed("Zadanie", r[4]));
  if (const DayNumber made = r.date(10); made != 0)
    addLine(a, line, fromUtf8("Data produkcji: ") + text::longTextOfDay(made));
  if (!r[17].empty() || !r[18].empty())
    addLine(a, line,
            fromUtf8("Wartość inwentarzowa: ") + text::plainRealText(r.number(17), 2) +
                ", umorzenie: " + text::plainRealText(r.number(18), 2));
  placeAndAccount(a, r, 2, 3, 1, line);
  const std::string liquidated = symbolText(r[12]);
  if (!liquidated.empty() && liquidated != "N")
    liquidation(a, std::max(text::dayFromShortText(kValidFrom), a.DtOT));
  return a;
}

AssetRecord fromLayout2(const Row& r) {
  AssetRecord a = AssetRegister::emptyRecord();
  a.Symb = symbolThatFits(symbolText(r[0]));
  a.Nazw = fitted(r[4], kNazwMax);
  a.Na2w = fitted(r[5], kNa2wMax);
  a.DtZa = a.DtOT = r.date(3);
  const long double quantity = r.number(12);
  a.CeZa = r.number(9);
  a.WaOT = r.number(10);
  if (a.WaOT == 0) a.WaOT = text::R(a.CeZa * (quantity == 0 ? 1 : quantity));
  a.K[0].SKST = fitted(symbolText(r[13]), kSKSTMax);
  a.K[0].date = a.DtOT;
  a.K[0].WsPo = a.K[0].WsBi = 1;
  std::size_t line = 0;
  for (std::size_t i : {6, 7, 8}) addLine(a, line, r[i]);
  const DayNumber booked = r.date(14);
  if (booked != 0 || !r[15].empty())
    addLine(a, line,
            fromUtf8("Księga inwentarzowa: poz. ") + std::string(r[15]) +
                (booked ? " z " + text::longTextOfDay(booked) : std::string()));
  placeAndAccount(a, r, 1, 2, quantity, line);
  if (const DayNumber gone = r.date(11); gone != 0) liquidation(a, gone);
  return a;
}

void reportHeaders(const TableLayout& l, output::ReportBuffer& report) {
  report.addColumn('p', 5, "Lp");
  for (const std::vector<int>& group : l.reportColumns) {
    std::string h1, h2;
    int width = 0;
    for (int f : group) {
      h1 += (h1.empty() ? "" : "/") + l.fields[f];
      h2 += (h2.empty() ? "" : "/") + l.types[f];
      width += std::atoi(l.types[f].c_str() + 1) + 1;
    }
    const char type = l.types[group.front()][0];
    report.addColumn(type == 'N' ? 'p' : 'l', std::min(std::max(width, 8), 32), h1, h2);
  }
}

std::vector<std::string> rowCells(const Row& r, int lp) {
  std::vector<std::string> cells{lp ? std::to_string(lp) : std::string()};
  for (const std::vector<int>& group : r.layout.reportColumns) {
    std::string cell;
    for (std::size_t i = 0; i < group.size(); ++i)
      cell += (i ? "/" : "") + std::string(r[group[i]]);
    cells.push_back(cell);
  }
  return cells;
}

std::string rowsText(const std::vector<int>& rows) {
  std::string out;
  for (std::size_t i = 0; i < rows.size() && out.size() < 80; ++i)
    out += (i ? ", " : "") + std::to_string(rows[i]);
  if (out.size() >= 80) out += " ...";
  return out.empty() ? "-" : out;
}

const TableLayout& layoutOf(std::string_view program) {
  return text::upperCase(program) == text::upperCase(kFirstLayoutProgram) ? layout1() : layout2();
}

}  // namespace

const std::vector<std::string>& tableLayoutFields(std::string_view program) {
  return layoutOf(program).fields;
}

Status importTable(const Workbook& book, std::string_view program, AssetRegister& reg,
                   BaseJournal& journal, output::ReportBuffer& report,
                   const std::function<bool()>& stop, DayNumber today) {
  const TableLayout& layout = layoutOf(program);
  report.beginReport("TST", fromUtf8("Tabliczka środków trwałych"), 1);
  reportHeaders(layout, report);
  report.endHeaders(std::string(program));
  // A table is one sheet.
  const Sheet* sheet = book.sheets.empty() ? nullptr : &book.sheets.front();
  std::vector<int> saved, unchanged, refused, notReached;
  std::vector<std::size_t> longest(layout.reportColumns.size() + 1, 0);
  Status result;
  const ColumnPlaces places = sheet ? columnsByHead(*sheet, layout.fields, false) : ColumnPlaces{};
  if (sheet) {
    if (std::string lacking = places.lacking(layout.fields, layout.required); !lacking.empty()) {
      report.addRow({"", fromUtf8("BŁĄD: ") + lacking + fromUtf8(", nic nie zapisano")});
      result = Status::Error(fromUtf8("Nic nie zapisano: ") + lacking);
      for (int n = 2; n <= sheet->usedRows(); ++n) refused.push_back(n);
    } else if (lacking = places.lacking(layout.fields); !lacking.empty()) {
      report.addRow({"", lacking + fromUtf8(" (czytane jako puste)")});
    }
  }
  if (sheet && result) {
    const std::vector<int>& columns = places.columns;
    const int rows = sheet->usedRows();
    int lp = 0;
    for (int n = 2; n <= rows; ++n) {
      if (!result || stop()) {
        notReached.push_back(n);
        continue;
      }
      const Row r{*sheet, n, columns, layout};
      const std::vector<std::string> cells = rowCells(r, ++lp);
      for (std::size_t c = 1; c < cells.size(); ++c)
        longest[c] = std::max(longest[c], cells[c].size());
      report.addRow(std::span<const std::string>(cells));
      std::string failure;
      try {
        AssetRecord edited = &layout == &layout1() ? fromLayout1(r, today) : fromLayout2(r);
        if (edited.Symb.empty()) throw RowError{fromUtf8("brak symbolu")};
        base::asTheBaseKeepsIt(edited);
        // The symbol step: an asset already there (an earlier run) is the
        // loaded copy, so only what differs is appended.
        const AssetRecord loaded =
            reg.exists(edited.Symb) ? reg.currentRecord() : AssetRegister::emptyRecord();
        const std::int64_t before = journal.recordsAppended();
        if (Status s = journal.saveAsset(reg, loaded, edited); !s) throw RowError{s.message()};
        (journal.recordsAppended() == before ? unchanged : saved).push_back(n);
      } catch (const RowError& e) {
        failure = e.reason;
      } catch (const platform::IoError& e) {
        failure = fromUtf8("błąd zapisu");
        result =
            Status::Error(fromUtf8("Import przerwany: błąd zapisu w wierszu ") + std::to_string(n));
      }
      if (!failure.empty()) {
        refused.push_back(n);
        report.addRow({"", fromUtf8("BŁĄD w. ") + std::to_string(n) + ": " + failure});
      }
    }
  }
  report.addRule('-');
  std::vector<std::string> max{"max"};
  for (std::size_t c = 1; c < longest.size(); ++c) max.push_back(std::to_string(longest[c]));
  report.addRow(std::span<const std::string>(max));
  report.addRule('.');
  report.addRow({"", fromUtf8("Zapisane wiersze: ") + rowsText(saved)});
  report.addRow({"", fromUtf8("Bez zmian (już w bazie): ") + rowsText(unchanged)});
  report.addRow({"", fromUtf8("Niezapisane wiersze: ") + rowsText(refused)});
  if (!notReached.empty())
    report.addRow({"", fromUtf8("Przerwano; nie czytane wiersze: ") + rowsText(notReached)});
  report.endReport();
  if (result && !notReached.empty()) result = Status::Error(fromUtf8("Import przerwany"));
  return result;
}

}  // namespace zefir::operations::import
