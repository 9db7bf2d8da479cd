#include "operations/rate_check_report.h"

#include <string>

#include "operations/listing_options.h"
#include "operations/listing_types.h"
#include "operations/operation_registry.h"
#include "register/depreciation_engine.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

// What the rates and values call for: none for a depreciating asset, none
// for an asset written off whole, a difference between the bases, an
// accumulated depreciation past the gross value.
std::string remark(long double balance, long double tax, const AssetValues& v) {
  std::string r;
  const auto note = [&r](const char* utf8) { r += (r.empty() ? "" : "; ") + text::fromUtf8(utf8); };
  if (balance == 0 && tax == 0 && v.gross != 0 && !v.fullyDepreciated()) note("brak stawki");
  if (!text::equalMoney(balance, tax)) note("stawki różne");
  if (v.accum > v.gross && !text::equalMoney(v.accum, v.gross)) note("umorzenie ponad wartość");
  return r;
}

}  // namespace

bool runRateCheck(const AssetRegister& reg, const FixedTableSelection& selection,
                  output::ReportBuffer& out, const ListingControl& control) {
  out.beginReport("ZKS", text::fromUtf8("Zestawienie kontrolne ztawek"), 2);
  out.addColumn('p', 5, "LP.");
  out.addColumn('l', 15, "Symbol");
  out.addColumn('l', 40, "Nazwa");
  out.addColumn('c', 10, "Data OT");
  out.addColumn('p', 15, text::fromUtf8("Wartość"), "brutto");
  out.addColumn('p', 15, "Umorzenie", text::fromUtf8("narastające"));
  out.addColumn('c', 7, "Stawka", "bilans.");
  out.addColumn('c', 7, "Stawka", "podatk.");
  out.addColumn('l', 30, "Uwagi");
  out.endHeaders(fixedTableParameterLine(selection));

  int number = 0, liquidated = 0;
  long double gross = 0, accum = 0;
  const bool finished = walkTakenAssets(reg, selection, control, [&](const TakenAsset& t) {
    const AssetValues& v = t.values;
    gross += v.gross;
    accum += v.accum;
    if (v.gross == 0 && v.accum == 0) {
      ++liquidated;
      return;
    }
    const RateEntry& k = rateEntryInForce(t.wr.asset, selection.reportDay);
    const long double balance =
        effectiveRate(k, Basis::Balance) * effectiveCoefficient(k, Basis::Balance);
    const long double tax = effectiveRate(k, Basis::Tax) * effectiveCoefficient(k, Basis::Tax);
    out.addRow({text::intText(++number, 5), std::string(std::string_view(t.wr.asset.Symb)),
                std::string(std::string_view(t.wr.asset.Nazw)),
                text::longTextOfDay(t.wr.asset.DtOT), moneyCell(v.gross), moneyCell(v.accum),
                text::plainRealText(balance, 4), text::plainRealText(tax, 4),
                remark(balance, tax, v)});
  });
  if (!finished) return false;
  if (liquidated != 0) {
    out.addRule('.');
    out.addRow({"", "", "Zlikwidowane " + std::to_string(liquidated)});
  }
  out.addRule('-');
  out.addRow({"", "", "RAZEM " + std::to_string(number + liquidated), "", moneyCell(gross),
              moneyCell(accum)});
  return true;
}

void registerRateCheckOperation() {
  registerOperation("Stawki", [](OperationRun& run) {
    return runFixedTableOption(
        run,
        [&](const AssetRegister& reg, const ListingParams&, const FixedTableSelection& selection,
            const ListingControl& control) { runRateCheck(reg, selection, *run.report, control); });
  });
}

}  // namespace zefir::operations
