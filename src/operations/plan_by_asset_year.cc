// The yearly plan by asset: groups of symbols, each closed with its totals
// and what corrections, transfers and liquidations moved, so that the
// accumulated depreciation at 1 January, the year's depreciation and those
// movements give the accumulated depreciation on the day.
#include <array>
#include <string>
#include <vector>

#include "operations/listing_types.h"
#include "operations/plan_by_asset.h"
#include "register/change_documents.h"
#include "register/depreciation_engine.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

// Gross value, accumulated depreciation at 1 January, the year's
// depreciation, accumulated depreciation and net value on the day.
constexpr int kAmounts = 5;
using YearAmounts = std::array<long double, kAmounts>;
constexpr std::size_t kFirstAmount = 5;  // the column of the gross value
constexpr std::size_t kColumns = 11;

YearAmounts amountsOf(const AssetValues& v) {
  return {v.gross, v.accumBO, v.chargeYTD, v.accum, v.gross - v.accum};
}

struct Block {
  std::string key;
  int count = 0;
  YearAmounts amounts{};
  long double corrections = 0, transferred = 0, writtenOff = 0;

  void add(const AssetValues& v) {
    const YearAmounts a = amountsOf(v);
    for (int i = 0; i < kAmounts; ++i) amounts[i] += a[i];
    corrections += v.change(ListingChange::PK).accum;
    transferred += v.change(ListingChange::PT).accum;
    writtenOff += v.change(ListingChange::LT).accum;
    ++count;
  }
};

std::vector<std::string> blankRow(const std::string& label) {
  std::vector<std::string> cells(kColumns);
  cells[3] = label;
  return cells;
}

std::vector<std::string> amountRow(std::vector<std::string> cells, const YearAmounts& a) {
  for (int i = 0; i < kAmounts; ++i) cells[kFirstAmount + (i == 0 ? 0 : i + 1)] = moneyCell(a[i]);
  return cells;
}

// The block's total line, then each movement that occurred: corrections
// under the year's depreciation, what left with transfers and liquidations
// under the accumulated depreciation.
void closeBlock(output::ReportBuffer& out, const Block& b, const std::string& label) {
  out.addRule('.');
  out.addRow(amountRow(blankRow(label), b.amounts));
  const auto movement = [&](const char* utf8, long double amount, std::size_t column) {
    if (text::R(amount) == 0) return;
    std::vector<std::string> cells = blankRow(text::fromUtf8(utf8));
    cells[column] = moneyCell(amount);
    out.addRow(cells);
  };
  movement("Doksięgowana amortyzacja (PK,PA)", b.corrections, 8);
  movement("Wyksięgowane umorzenie ( PT )", b.transferred, 9);
  movement("Wyksięgowane umorzenie ( LT )", b.writtenOff, 9);
}

// A period from a day after 1 January of the report year opens with the
// assets' values on the day before it; one reaching into an earlier year is
// taken from 1 January.
bool opensMidYear(const YearPlanParams& p) {
  const DayNumber day = p.selection.reportDay;
  return p.periodStart != 0 && p.periodStart <= day &&
         text::yearOfDay(p.periodStart) == text::yearOfDay(day) &&
         p.periodStart != text::dayFromDate(text::yearOfDay(day), 1, 1);
}

void headers(output::ReportBuffer& out, const YearPlanParams& p) {
  out.beginReport("PA", text::fromUtf8("Plan amortyzacji środków trwałych"), 4);
  out.addColumn('p', 4, "L.p.", "-0-");
  out.addColumn('l', 15, "Symbol inwent.", "  -1-");
  out.addColumn('l', 8, text::fromUtf8("KŚT"), "-2-");
  out.addColumn('l', 40, text::fromUtf8("Nazwa środka trwałego"), "  -3-");
  out.addColumn('c', 10, "Data OT", "  -4-");
  out.addColumn('p', 15, text::fromUtf8("Wartość OT"), "-5-");
  out.addColumn('c', 5, "St.am.", "-6-");
  out.addColumn('p', 15,
                opensMidYear(p) ? "Umorz.na " + text::longTextOfDay(p.periodStart).substr(0, 5)
                                : std::string("Umorz.na 1-sty"),
                "-7-");
  out.addColumn('p', 15, "Amortyzacja na", text::longTextOfDay(p.selection.reportDay));
  out.addColumn('p', 15, "Umorzenie", "-9-");
  out.addColumn('p', 15, text::fromUtf8("Wartość netto"), "-10-");
  std::string params = fixedTableParameterLine(p.selection);
  if (p.periodStart != 0) {  // "od ... do ..." as the listings of a period say it
    const std::string day = text::longTextOfDay(p.selection.reportDay);
    params = "od " + text::longTextOfDay(p.periodStart) + " do " + day +
             params.substr(text::fromUtf8("na dzień ").size() + day.size());
  }
  out.endHeaders(params);
}

// The changes of value and of depreciation dated within the period, one line
// each: kind, document and note, date and amount.
void changeLines(output::ReportBuffer& out, const WorkingRecord& wr, DayNumber from, DayNumber to) {
  for (const ChangeEntry& e : wr.entries) {
    const ChangeFamily family = changeFamily(e.C);
    if (family == ChangeFamily::None || family == ChangeFamily::Attribute) continue;
    const DayNumber d = placementDate(e, wr.asset.DtOT);
    if (d < from || d > to) continue;
    std::vector<std::string> cells(kColumns);
    cells[2] = e.C;
    cells[3] = e.N.empty() ? e.K : e.K + " " + e.N;
    cells[4] = text::longTextOfDay(d);
    if (e.hasAmount) cells[kFirstAmount] = moneyCell(e.W);
    out.addRow(cells);
  }
}

}  // namespace

bool runYearPlan(const AssetRegister& reg, const YearPlanParams& p, output::ReportBuffer& out,
                 const ListingControl& control) {
  headers(out, p);
  const DayNumber day = p.selection.reportDay;
  const DayNumber from =
      p.periodStart != 0 ? p.periodStart : text::dayFromDate(text::yearOfDay(day), 1, 1);
  const bool apart = p.list == YearPlanList::Plan;
  const bool midYear = opensMidYear(p);
  DepreciationEngine opening(Basis::Balance);
  Block group, liquidated, all;
  bool open = false;
  int number = 0;

  const bool finished = walkTakenAssets(reg, p.selection, control, [&](const TakenAsset& t) {
    AssetValues v = t.values;
    if (midYear) {
      const WorkingRecord& before = opening.compute(reg, t.slot, p.periodStart - 1);
      const long double chargedBefore = before.summary.chargeYTD;
      v = periodValues(t.wr, before);
      v.chargeYTD -= chargedBefore;
    }
    all.add(v);
    if (apart && v.gross == 0) {
      liquidated.add(v);
      return;
    }
    const std::string_view symbol(t.wr.asset.Symb);
    const std::string key(symbol.substr(0, static_cast<std::size_t>(std::max(p.keyLength, 1))));
    if (!open || key != group.key) {
      if (open) closeBlock(out, group, "Razem grupa " + group.key);
      group = Block{key};
      open = true;
    }
    group.add(v);
    std::vector<std::string> cells{text::intText(++number, 4),
                                   std::string(symbol),
                                   std::string(classificationOn(t.wr, day)),
                                   std::string(std::string_view(t.wr.asset.Nazw)),
                                   text::longTextOfDay(t.wr.asset.DtOT),
                                   "",
                                   text::plainRealText(balanceRateOn(t.wr.asset, day), 2),
                                   "",
                                   "",
                                   "",
                                   ""};
    out.addRow(amountRow(cells, amountsOf(v)));
    if (p.list == YearPlanList::Analytic) changeLines(out, t.wr, from, day);
  });
  if (!finished) return false;
  if (open) closeBlock(out, group, "Razem grupa " + group.key);
  if (liquidated.count != 0)
    closeBlock(out, liquidated, "Zlikwidowane " + std::to_string(liquidated.count));
  out.addRule('=');
  out.addRow(amountRow(blankRow(text::fromUtf8("OGÓŁEM ( ") + std::to_string(all.count) + " )"),
                       all.amounts));
  return true;
}

}  // namespace zefir::operations
