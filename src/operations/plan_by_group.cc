#include "operations/plan_by_group.h"

#include <array>
#include <map>
#include <string>
#include <vector>

#include "operations/listing_options.h"
#include "operations/listing_types.h"
#include "operations/operation_registry.h"
#include "register/depreciation_engine.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

// Opening net value, the twelve months, their sum, closing net value.
constexpr int kAmounts = 15;
constexpr int kSum = 13;
constexpr int kClosing = 14;
using PlanAmounts = std::array<long double, kAmounts>;

const char* const kMonths[12] = {".Sty.", ".Lut.", ".Mar.", ".Kwi.", ".Maj.", ".Cze.",
                                 ".Lip.", ".Sie.", ".Wrz.", ".Paź.", ".Lis.", ".Gru."};

std::string groupKey(std::string_view symbol, const PlanByGroupParams& p) {
  const std::size_t start = static_cast<std::size_t>(std::max(p.keyStart, 1) - 1);
  std::string key(start < symbol.size() ? symbol.substr(start, std::max(p.keyLength, 0)) : "");
  return key.empty() ? "nic" : key;
}

std::vector<std::string> row(const std::string& label, const PlanAmounts& a) {
  std::vector<std::string> cells{label};
  for (long double v : a) cells.push_back(moneyCell(v));
  return cells;
}

void headers(output::ReportBuffer& out, const PlanByGroupParams& p) {
  out.beginReport("PA", text::fromUtf8("Plan amortyzacji środków trwałych"), 1);
  out.addColumn('l', 3, "Grupa");
  out.addColumn('p', 13, text::fromUtf8("Wartość"), "netto BO");
  for (int m = 0; m < 12; ++m)
    out.addColumn('p', 10, text::fromUtf8(kMonths[m]), "= " + std::to_string(m + 1) + " =");
  out.addColumn('p', 12, "Suma", "amortyzacji");
  out.addColumn('p', 13, text::fromUtf8("Wartość"), "netto BZ");
  out.endHeaders(fixedTableParameterLine(p.selection));
}

}  // namespace

bool runPlanByGroup(const AssetRegister& reg, const PlanByGroupParams& given,
                    output::ReportBuffer& out, const ListingControl& control) {
  PlanByGroupParams p = given;
  p.selection.reportDay = text::dayFromDate(p.year, 12, 31);
  headers(out, p);
  const DayNumber nextYear = text::dayFromDate(p.year + 1, 1, 1);
  DepreciationEngine next(Basis::Balance);
  std::vector<std::pair<std::string, PlanAmounts>> groups;
  std::map<std::string, std::size_t, std::less<>> index;
  PlanAmounts total{};

  const bool finished = walkTakenAssets(reg, p.selection, control, [&](const TakenAsset& t) {
    PlanAmounts a{};
    const AsOfSummary& s = t.wr.summary;
    a[0] = s.grossBO - s.accumBO;
    // What is dated 1 January belongs to January.
    for (int m = 0; m <= 12; ++m) a[std::max(m, 1)] += t.wr.months[m].charge;
    for (int m = 1; m <= 12; ++m) a[kSum] += a[m];
    const AsOfSummary& n = next.compute(reg, t.slot, nextYear).summary;
    a[kClosing] = n.grossBO - n.accumBO;

    for (int i = 0; i < kAmounts; ++i) total[i] += a[i];
    const std::string key = groupKey(std::string_view(t.wr.asset.Symb), p);
    auto it = index.find(key);
    if (it == index.end()) {
      if (static_cast<int>(groups.size()) >= kMaxPlanGroups) return;
      it = index.emplace(key, groups.size()).first;
      groups.emplace_back(key, PlanAmounts{});
    }
    PlanAmounts& g = groups[it->second].second;
    for (int i = 0; i < kAmounts; ++i) g[i] += a[i];
  });
  if (!finished) return false;
  for (const auto& [key, amounts] : groups) {
    bool any = false;
    for (long double v : amounts) any = any || text::R(v) != 0;
    if (any) out.addRow(row(key, amounts));
  }
  out.addRule('-');
  out.addRow(row("RAZEM", total));
  return true;
}

namespace {

Status runPlanOption(OperationRun& run, bool keyFromFields) {
  if (!run.assets || !run.report) return Status::Error("Brak bazy lub bufora raportu");
  const ListingEnvironment& env = listingEnvironment();
  PlanByGroupParams p;
  DayNumber yearEnd = 0;
  if (Status st = yearEndOf(run.values, yearEnd); !st) return st;
  p.year = text::yearOfDay(yearEnd);
  for (const std::string& m : run.values.all("SroW"))
    if (!m.empty()) p.selection.masks.push_back(m);
  p.keyStart = env.settings.planGroupStart;
  p.keyLength = env.settings.planGroupLength;
  if (keyFromFields) {
    if (const std::string s = run.values.text("GrOd"); !s.empty())
      p.keyStart = static_cast<int>(text::intFromText(s));
    if (const std::string s = run.values.text("GrZn"); !s.empty())
      p.keyLength = static_cast<int>(text::intFromText(s));
    if (p.keyStart < 1 || p.keyStart > kSymbMax || p.keyLength < 0 || p.keyLength > kSymbMax)
      return Status::Error(text::fromUtf8("Tu popraw: GrOd (znaki 1 do 15)"));
  }
  const ListingControl control{run.stopRequested, env.progress};
  runPlanByGroup(*run.assets, p, *run.report, control);
  run.report->endReport();
  return Status::Ok();
}

}  // namespace

void registerPlanOperations() {
  registerOperation("Plan12", [](OperationRun& run) { return runPlanOption(run, false); });
  registerOperation("PlAm12", [](OperationRun& run) { return runPlanOption(run, true); });
}

}  // namespace zefir::operations
