// The balance-versus-tax differences (RBP): every asset computed on both
// bases. Their totals are kept by the type for the whole report (the group
// accumulators hold one basis), so these types close with the final block
// only.
#include <array>
#include <vector>

#include "operations/listing_types.h"
#include "text/codepage.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

// The sums of both bases: gross, then per basis accumulated depreciation,
// net value and the year's charge.
struct BothBases {
  long double gross = 0;
  long double accumB = 0, accumP = 0;
  long double chargeB = 0, chargeP = 0;
  void add(const BothBases& o) {
    gross += o.gross;
    accumB += o.accumB;
    accumP += o.accumP;
    chargeB += o.chargeB;
    chargeP += o.chargeP;
  }
};

class Differences : public ListingType {
 public:
  explicit Differences(ListingKind kind) : ListingType(kind) {}

  void row(ListingRun& run, const WorkingRecord&, const AssetValues&) override {
    const DayNumber day = run.params.reportDay;
    const WorkingRecord& b = balance_.compute(run.reg, run.slot, day);
    BothBases v;
    v.gross = b.split.gross;
    v.accumB = b.summary.accumDay;
    v.chargeB = b.summary.chargeYTD;
    const long double rateB = b.classification.rate * b.classification.coef;
    const std::string symbol = b.asset.Symb, name = b.asset.Nazw;
    const WorkingRecord& p = tax_.compute(run.reg, run.slot, day);
    v.accumP = p.summary.accumDay;
    v.chargeP = p.summary.chargeYTD;
    const long double rateP = p.classification.rate * p.classification.coef;
    total_.add(v);
    run.out.addRow(
        cells(symbol, name, v, text::plainRealText(rateB, 2), text::plainRealText(rateP, 2)));
  }

  void finalBlock(ListingRun& run, const GroupTotals&) override {
    run.out.addRule('=');
    run.out.addRow(cells(text::fromUtf8("ŚRODKI"), "RAZEM", total_, "", ""));
  }

 private:
  std::vector<std::string> cells(const std::string& symbol, const std::string& name,
                                 const BothBases& v, const std::string& rateB,
                                 const std::string& rateP) const {
    if (layout().kind == ListingKind::RBPValues)
      return {symbol,
              name,
              moneyCell(v.gross),
              moneyCell(v.accumB),
              moneyCell(v.gross - v.accumB),
              moneyCell(v.accumP),
              moneyCell(v.gross - v.accumP),
              moneyCell(v.accumP - v.accumB)};
    return {symbol,
            name,
            moneyCell(v.chargeB),
            rateB,
            moneyCell(v.chargeP),
            rateP,
            moneyCell(v.chargeP - v.chargeB),
            moneyCell(v.accumB),
            moneyCell(v.accumP),
            moneyCell(v.accumP - v.accumB)};
  }

  DepreciationEngine balance_{Basis::Balance}, tax_{Basis::Tax};
  BothBases total_;
};

}  // namespace

std::unique_ptr<ListingType> makeDifferenceListing(ListingKind kind) {
  return std::make_unique<Differences>(kind);
}

}  // namespace zefir::operations
