// The monthly plan by asset with its cost centres and the posting note.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "operations/listing_types.h"
#include "operations/plan_by_asset.h"
#include "text/codepage.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

// Net value at 1 January, accumulated depreciation of the year and of the
// month, depreciation of the year and of the month.
constexpr int kAmounts = 5;
using PlanAmounts = std::array<long double, kAmounts>;

// At most this many cost-centre lines in the posting note; the parts of
// further centres count in its total only.
constexpr int kMaxCostCentres = 999;

PlanAmounts amountsOf(const TakenAsset& t) {
  const AsOfSummary& s = t.wr.summary;
  return {t.grossBO - s.accumBO, s.accumDay - s.accumBO, s.writeUpMonth, s.chargeYTD,
          s.chargeMonth};
}

void add(PlanAmounts& to, const PlanAmounts& a) {
  for (int i = 0; i < kAmounts; ++i) to[i] += a[i];
}

// A line without an asset: its label under the name, the amounts, and the
// cost-centre cell.
std::vector<std::string> line(const std::string& label, const PlanAmounts& a,
                              const std::string& centre = {}) {
  std::vector<std::string> cells{"", "", label, "", ""};
  for (long double v : a) cells.push_back(moneyCell(v));
  cells.push_back(centre);
  return cells;
}

void headers(output::ReportBuffer& out, const FixedTableSelection& selection) {
  out.beginReport("PA", text::fromUtf8("Plan amortyzacji "), 2);
  out.addColumn('p', 5, "Lp.");
  out.addColumn('l', 15, "Symbol");
  out.addColumn('l', 40, "Nazwa");
  out.addColumn('c', 8, text::fromUtf8("KŚT"));
  out.addColumn('c', 8, "St*Ws", "[%]");
  out.addColumn('p', 15, text::fromUtf8("Wartość OT"), "netto BO");
  out.addColumn('p', 12, "Umorzenie", text::fromUtf8("bieżące"));
  out.addColumn('p', 12, "Umorzenie", "mies.");
  out.addColumn('p', 12, "Amortyz.", text::fromUtf8("bieżąca"));
  out.addColumn('p', 12, "Amortyz.", "mies.");
  out.addColumn('p', 40, "Miejsce", text::fromUtf8("powst.kosztów"));
  out.endHeaders(fixedTableParameterLine(selection));
}

}  // namespace

std::vector<CostShare> costCentres(const AttributeSplit& split) {
  for (const char* kind : {"KK", "KR"}) {
    std::vector<CostShare> shares;
    long double weight = 0;
    for (const Holding& h : split.holdings)
      if (h.kind == kind) {
        shares.push_back({h.key.empty() ? std::string("bez KK") : h.key, h.amount});
        weight += h.amount;
      }
    if (shares.empty()) continue;
    if (weight <= 0) return {{shares.front().key, 1}};
    std::erase_if(shares, [](const CostShare& s) { return s.weight <= 0; });
    return shares;
  }
  return {{"bez KK", 1}};
}

std::vector<long double> splitByWeight(long double amount, const std::vector<CostShare>& shares) {
  long double weight = 0;
  for (const CostShare& s : shares) weight += s.weight;
  std::vector<long double> parts;
  long double given = 0;
  for (std::size_t i = 0; i < shares.size(); ++i) {
    const long double part =
        i + 1 == shares.size() ? amount - given : text::R(amount * shares[i].weight / weight);
    parts.push_back(part);
    given += part;
  }
  return parts;
}

bool runCostCentrePlan(const AssetRegister& reg, const CostCentrePlanParams& p,
                       output::ReportBuffer& out, const ListingControl& control) {
  headers(out, p.selection);
  const bool assets = p.contents != PlanContents::PostingOnly;
  const bool posting = p.contents != PlanContents::AssetsOnly;
  PlanAmounts total{}, liquidatedSum{};
  int number = 0, liquidated = 0;
  std::map<std::string, PlanAmounts, std::less<>> centres;
  PlanAmounts posted{};  // every centre's part, those past the table's limit too

  const bool finished = walkTakenAssets(reg, p.selection, control, [&](const TakenAsset& t) {
    const PlanAmounts a = amountsOf(t);
    add(total, a);
    const std::vector<CostShare> shares = costCentres(t.wr.split);
    std::vector<PlanAmounts> parts(shares.size());
    for (int i = 1; i < kAmounts; ++i) {  // what is charged, not the value
      const std::vector<long double> split = splitByWeight(a[i], shares);
      for (std::size_t s = 0; s < shares.size(); ++s) parts[s][i] = split[s];
    }
    for (std::size_t s = 0; s < shares.size(); ++s) {
      add(posted, parts[s]);
      auto it = centres.find(shares[s].key);
      if (it == centres.end() && static_cast<int>(centres.size()) < kMaxCostCentres)
        it = centres.emplace(shares[s].key, PlanAmounts{}).first;
      if (it != centres.end()) add(it->second, parts[s]);
    }
    if (t.values.gross == 0) {
      ++liquidated;
      add(liquidatedSum, a);
      return;
    }
    if (!assets) return;
    std::vector<std::string> cells{
        text::intText(++number, 5), std::string(std::string_view(t.wr.asset.Symb)),
        std::string(std::string_view(t.wr.asset.Nazw)),
        std::string(classificationOn(t.wr, p.selection.reportDay)),
        text::plainRealText(balanceRateOn(t.wr.asset, p.selection.reportDay), 2)};
    for (long double v : a) cells.push_back(moneyCell(v));
    cells.push_back(describeCostAccounts(t.wr.split, t.grossBO));
    out.addRow(cells);
  });
  if (!finished) return false;
  if (assets) {
    if (liquidated != 0) {
      out.addRule('.');
      out.addRow(line("Zlikwidowane " + std::to_string(liquidated), liquidatedSum));
    }
    out.addRule('-');
    out.addRow(line("RAZEM " + std::to_string(number + liquidated), total));
  }
  if (posting) {
    if (assets) out.addRule('=');
    out.addRow(line(text::fromUtf8("PK według miejsc powst.kosztów"), {}));
    out.addRule('.');
    for (const auto& [key, amounts] : centres) out.addRow(line("", amounts, key));
    out.addRule('-');
    out.addRow(line("Razem PK", posted));
  }
  return true;
}

}  // namespace zefir::operations
