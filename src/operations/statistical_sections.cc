#include "operations/statistical_sections.h"

#include <array>
#include <string>

#include "operations/listing_options.h"
#include "operations/operation_registry.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

constexpr int kGrossColumns = 6;
constexpr int kGrossRows = 12;

// Row indexes (row number − 1) of Dział 1.
constexpr int kTotalRow = 0;
// The group rows that add up to the total, in the order the rounding
// difference looks for the largest; each with its "of which" row, -1 none.
constexpr std::array<int, 7> kGroupRows = {1, 3, 5, 7, 9, 10, 11};
constexpr std::array<int, 7> kOfWhichRows = {2, 4, 6, 8, -1, -1, -1};

const char* const kGrossLabels[kGrossRows] = {
    "Ogółem (02+04+06+08+10+11+12)",
    "Grunty (grupa 0)",
    "-   w tym zasadzenia wieloletnie",
    "Budynki i lokale (grupa 1)",
    "-   w tym budynki i lokale mieszkalne (110 i 122)",
    "Obiekty inżynierii lądowej i wodnej (grupa 2)",
    "-   w tym urządzenia melioracji wodnych szcz.(226)",
    "Maszyny i urządzenia techniczne (grupy 3-6)",
    "-   w tym zespoły komputerowe (491)",
    "Środki transportu (grupa 7)",
    "Narzędzia, przyrządy, ruch.i wyposażenie (grupa 8)",
    "Inwentarz żywy (grupa 9)",
};

const char* const kSupplementaryLabels[] = {
    "Wartość dróg, mostów, wiaduktów, estakad, tuneli, przejść ... (220 i 223)",
    "Wartość urządzeń melioracji wodnych podstawowych (225)",
    "Wartość importu maszyn i urządzeń technicznych (3-6)",
    "Wartość importu środków transportu (7)",
    "Wartość importu narzędzi, przyrządów, ruchomości i wyposażenia (8)",
    "Wartość nowych budynków i lokali (1)",
    "Wartość nowych obiektów inżynierii lądowej i wodnej (2)",
    "Koszty obsługi zobowiązań w celu sfinansowania ...",
    "Pozostałe nakłady związane z realizacją inwestycji ...",
    "Wartość brutto wartości niematerialnych i prawnych",
    "-   w tym autorskie prawa majątkowe, ...",
    "-   -   w tym oprogramowanie komputerowe",
    "-   -   w tym dokumentacja i projekty...",
    "-   -   w tym koncesje i licencje bez 24",
    "-   w tym prawa do wynalazków, pat., ...",
    "-   w tym koszty zakończonych prac rozw.",
    "-   -   w tym koszty prac rozwolowych...",
    "-   w tym wartość firmy ................",
};
constexpr int kFirstSupplementaryRow = 13;
constexpr int kSupplementaryRows = 18;

// Dział 1.0: the amount columns 2 to 8 (index 0 = column 2).
constexpr int kWriteOffColumns = 7;
constexpr int kMeliorationColumn = 3;  // column 5, KŚT 226, inside column 4
// The columns that add up to "Ogółem": 2, 3, 4, 6, 7, 8.
constexpr std::array<int, 6> kWriteOffParts = {0, 1, 2, 4, 5, 6};
const char* const kWriteOffLabels[3] = {
    "Dotychczasowe odpisy am.(umorzeniowe)",
    "-   w tym całkowicie zamortyzowanych",
    "-   w tym w roku sprawozdawczum",
};

// The Dział 1 row of a group (0..9).
int grossRowOf(int group) {
  static constexpr int rows[10] = {1, 3, 5, 7, 7, 7, 7, 9, 10, 11};
  return rows[group];
}

// The Dział 1.0 column (index) of a group, -1 for a group it leaves out.
int writeOffColumnOf(int group) {
  static constexpr int columns[10] = {0, 1, 2, 4, 4, 4, 4, 5, 6, -1};
  return columns[group];
}

// The "of which" row of an asset in Dział 1, -1 none.
int ofWhichRow(int group, std::string_view kst, const AssetRecord& asset) {
  const std::string_view k = kst.substr(0, 3);
  if (group == 0) return fullName(asset).find("[ZW]") != std::string::npos ? 2 : -1;
  if (k == "110" || k == "122") return 4;
  if (k == "226") return 6;
  if (k == "491") return 8;
  return -1;
}

std::string rowNumber(int number) {
  return (number < 10 ? "0" : "") + std::to_string(number);
}

void headerLine(output::ReportBuffer& out, const StatisticalParams& p) {
  std::string line = fixedTableParameterLine(p.selection);
  if (p.unit == StatUnit::Thousands) line += text::fromUtf8(", w tys. zł");
  if (p.unit == StatUnit::Zloty) line += text::fromUtf8(", w zł");
  out.endHeaders(line);
}

void column(output::ReportBuffer& out, char align, int width, const char* h1, const char* h2 = "") {
  out.addColumn(align, width, text::fromUtf8(h1), text::fromUtf8(h2));
}

// Dział 1: per asset, column 1 the gross value at 1 January, 2 the year's
// increases (the acceptance included), 3 the liquidations, 5 what transfers
// took away, 6 the gross value on the report day; column 4 (sales) has no
// source in the register and stays 0. So 1 + 2 − 3 − 4 − 5 = 6 on every row.
class GrossValues {
 public:
  void take(const TakenAsset& t, std::string_view kst, int group) {
    if (group < 0) return;
    const AssetValues& v = t.values;
    const std::array<long double, kGrossColumns> amounts = {
        t.grossBO, v.change(ListingChange::OT).gross, v.change(ListingChange::LT).gross,
        0,         v.change(ListingChange::PT).gross, v.gross};
    for (int row : {kTotalRow, grossRowOf(group), ofWhichRow(group, kst, t.wr.asset)})
      if (row >= 0)
        for (int c = 0; c < kGrossColumns; ++c) rows_[row][c] += amounts[c];
  }

  void write(output::ReportBuffer& out, StatUnit unit) const {
    std::array<std::array<long double, kGrossColumns>, kGrossRows> printed{};
    for (int c = 0; c < kGrossColumns; ++c) {
      std::array<long double, kGroupRows.size()> parts{};
      for (std::size_t i = 0; i < kGroupRows.size(); ++i) parts[i] = rows_[kGroupRows[i]][c];
      const UnitRounding r = roundInUnit(rows_[kTotalRow][c], parts, unit);
      printed[kTotalRow][c] = r.total;
      for (std::size_t i = 0; i < kGroupRows.size(); ++i) {
        printed[kGroupRows[i]][c] = r.parts[i];
        const int of = kOfWhichRows[i];
        if (of < 0) continue;
        // An "of which" row as large as its group row moves with it.
        printed[of][c] = inUnit(rows_[of][c], unit);
        if (static_cast<int>(i) == r.largest &&
            text::equalMoney(rows_[of][c], rows_[kGroupRows[i]][c]))
          printed[of][c] = r.parts[i];
      }
    }
    for (int row = 0; row < kGrossRows; ++row) {
      std::array<std::string, 2 + kGrossColumns> cells;
      cells[0] = text::fromUtf8(kGrossLabels[row]);
      cells[1] = rowNumber(row + 1);
      for (int c = 0; c < kGrossColumns; ++c) cells[2 + c] = unitText(printed[row][c], unit);
      out.addRow(cells);
      if (row + 1 < kGrossRows) out.addRule('.');
    }
  }

 private:
  std::array<std::array<long double, kGrossColumns>, kGrossRows> rows_{};
};

// Supplementary data: row 13 the gross value on the day of group 2 assets
// of KŚT 220 or 223; rows 18 and 19 the value accepted in the year (the
// acceptance and the later increases) of group 1 and group 2 assets.
class Supplementary {
 public:
  void take(const TakenAsset& t, std::string_view kst, int group) {
    const std::string_view k = kst.substr(0, 3);
    if (group == 2 && (k == "220" || k == "223")) rows_[0] += t.values.gross;
    const long double accepted = t.values.change(ListingChange::OT).gross;
    if (group == 1) rows_[18 - kFirstSupplementaryRow] += accepted;
    if (group == 2) rows_[19 - kFirstSupplementaryRow] += accepted;
  }

  void write(output::ReportBuffer& out, StatUnit unit) const {
    for (int i = 0; i < kSupplementaryRows; ++i) {
      out.addRow({text::fromUtf8(kSupplementaryLabels[i]), rowNumber(kFirstSupplementaryRow + i),
                  unitText(inUnit(rows_[i], unit), unit)});
      if (i + 1 < kSupplementaryRows) out.addRule('.');
    }
  }

 private:
  std::array<long double, kSupplementaryRows> rows_{};
};

// Dział 1.0: row 1 the accumulated depreciation on the report day, row 2 the
// same of the fully depreciated assets, row 3 the depreciation charged in
// the report year up to the day.
class WriteOffs {
 public:
  void take(const TakenAsset& t, std::string_view kst, int group) {
    if (group < 0) return;
    const int col = writeOffColumnOf(group);
    if (col < 0) return;
    const AssetValues& v = t.values;
    const long double amounts[3] = {v.accum, v.fullyDepreciated() ? v.accum : 0, v.chargeYTD};
    const bool melioration = kst.substr(0, 3) == "226";
    for (int row = 0; row < 3; ++row) {
      rows_[row][col] += amounts[row];
      if (melioration) rows_[row][kMeliorationColumn] += amounts[row];
    }
  }

  void write(output::ReportBuffer& out, StatUnit unit) const {
    for (int row = 0; row < 3; ++row) {
      const std::array<long double, kWriteOffColumns>& r = rows_[row];
      std::array<long double, kWriteOffParts.size()> parts{};
      long double total = 0;
      for (std::size_t i = 0; i < parts.size(); ++i) total += parts[i] = r[kWriteOffParts[i]];
      const UnitRounding u = roundInUnit(total, parts, unit);
      std::array<long double, kWriteOffColumns> printed{};
      for (std::size_t i = 0; i < parts.size(); ++i) printed[kWriteOffParts[i]] = u.parts[i];
      printed[kMeliorationColumn] = inUnit(r[kMeliorationColumn], unit);
      // Column 5 is part of column 4: equal to it, it takes its difference too.
      if (u.largest >= 0 && kWriteOffParts[u.largest] == kMeliorationColumn - 1 &&
          text::equalMoney(r[kMeliorationColumn], r[kMeliorationColumn - 1]))
        printed[kMeliorationColumn] = printed[kMeliorationColumn - 1];
      std::array<std::string, 2 + kWriteOffColumns> cells;
      cells[0] = text::fromUtf8(kWriteOffLabels[row]);
      cells[1] = unitText(u.total, unit);
      for (int c = 0; c < kWriteOffColumns; ++c) cells[2 + c] = unitText(printed[c], unit);
      out.addRow(cells);
      if (row < 2) out.addRule('.');
    }
  }

 private:
  std::array<std::array<long double, kWriteOffColumns>, 3> rows_{};
};

void headers(output::ReportBuffer& out, const StatisticalParams& p) {
  switch (p.frame) {
    case StatFrame::GrossValues:
      out.beginReport("DZI1", text::fromUtf8("Dział 1. Wartość brutto środków trwałych"), 1);
      column(out, 'l', 50, "Nazwa i symbol według KŚT", "0");
      column(out, 'c', 2, "");
      column(out, 'p', 15, "stan pocz.roku", "- 1 -");
      column(out, 'p', 15, "wzrost wart.OT", "- [OZ] - 2 -");
      column(out, 'p', 15, "zmn.wart.OT", "- [LT] - 3 -");
      column(out, 'p', 15, "zmn.wart.OT", "- [LS] - 4 -");
      column(out, 'p', 15, "zmn.wart.OT", "- [LZ] - 5 -");
      column(out, 'p', 15, "stan koniec roku", "- 6 -");
      break;
    case StatFrame::Supplementary:
      out.beginReport("DAUZ", text::fromUtf8("Dane uzupełniające do działu 1"), 1);
      column(out, 'c', 80, "Wyszczególnienie");
      column(out, 'c', 2, "");
      column(out, 'p', 15, "Wartość");
      break;
    case StatFrame::WriteOffs:
      out.beginReport("ODPI", text::fromUtf8("Dział 1.0. Odpisy amortyzacyjne (umorzeniowe)"), 1);
      column(out, 'l', 40, "Wyszczególnienie", "0");
      column(out, 'p', 12, "Ogółem", "(2+3+4+6+7+8) - 1");
      column(out, 'p', 12, "Grunty", "(grupa 0) - 2");
      column(out, 'p', 12, "Budynki i lok.", "(grupa 1) - 3");
      column(out, 'b', 12, "Obiekty inż.ląd.i wod. (gr.2)", "ogółem - 4");
      column(out, 'd', 12, "", "(KŚT 226) - 5");
      column(out, 'p', 12, "Masz.urz.tech.", "(gr. 3-6) - 6");
      column(out, 'p', 12, "Środki transp.", "(grupa 7) - 7");
      column(out, 'p', 12, "Narz.Prz.Ruch.", "(grupa 8) - 8");
      break;
  }
  headerLine(out, p);
}

}  // namespace

bool runStatisticalSection(const AssetRegister& reg, const StatisticalParams& p,
                           output::ReportBuffer& out, const ListingControl& control) {
  headers(out, p);
  GrossValues gross;
  Supplementary supplementary;
  WriteOffs writeOffs;
  const DayNumber day = p.selection.reportDay;
  const bool finished = walkTakenAssets(reg, p.selection, control, [&](const TakenAsset& t) {
    const std::string_view kst = classificationOn(t.wr, day);
    const int group = classificationGroup(kst);
    gross.take(t, kst, group);
    supplementary.take(t, kst, group);
    writeOffs.take(t, kst, group);
  });
  if (!finished) return false;
  switch (p.frame) {
    case StatFrame::GrossValues:
      gross.write(out, p.unit);
      break;
    case StatFrame::Supplementary:
      supplementary.write(out, p.unit);
      break;
    case StatFrame::WriteOffs:
      writeOffs.write(out, p.unit);
      break;
  }
  return true;
}

void registerStatisticalOperations() {
  registerOperation("SG_01", [](OperationRun& run) {
    if (!run.assets || !run.report) return Status::Error("Brak bazy lub bufora raportu");
    StatisticalParams p;
    if (Status st = yearEndOf(run.values, p.selection.reportDay); !st) return st;
    for (const std::string& m : run.values.all("SroW"))
      if (!m.empty()) p.selection.masks.push_back(m);
    p.selection.nameFilter = run.values.text("SroF");
    const long frame = text::intFromText(run.values.text("SGRa"));
    p.frame = frame == 1   ? StatFrame::GrossValues
              : frame == 2 ? StatFrame::Supplementary
                           : StatFrame::WriteOffs;
    p.unit = statUnitOf(run.values.text("TZGr"));
    const ListingControl control{run.stopRequested, listingEnvironment().progress};
    runStatisticalSection(*run.assets, p, *run.report, control);
    run.report->endReport();
    return Status::Ok();
  });
}

}  // namespace zefir::operations
