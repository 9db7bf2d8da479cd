// The report types with one row per group and none per asset: the group
// layout (key and name, number of assets, gross value, accumulated
// depreciation) and the statement of opening balance, increases and
// decreases (BZZ).
#include <vector>

#include "operations/listing_types.h"
#include "register/classification_groups.h"
#include "text/codepage.h"

namespace zefir::operations {

namespace {

using Cells = std::vector<std::string>;

class GroupListing : public ListingType {
 public:
  using ListingType::ListingType;

  void groupEnd(ListingRun& run, GroupLevel level, const GroupTotals& g) override {
    const bool innerOn = run.blockOn(GroupLevel::Inner);
    if (level == GroupLevel::Middle && innerOn) run.out.addRule('.');
    if (level == GroupLevel::Outer && innerOn && !run.blockOn(GroupLevel::Middle))
      run.out.addRule('-');
    run.out.addRow(cells(label(run, level, g.key), g.totals));
    if (level == GroupLevel::Middle) run.out.addRule('-');
    if (level == GroupLevel::Outer) run.out.addRule('=');
  }

  void finalBlock(ListingRun& run, const GroupTotals& g) override {
    run.out.addRow(cells("RAZEM", g.totals));
  }

 protected:
  virtual std::string label(const ListingRun& run, GroupLevel, const std::string& key) const {
    return key + groupName(run.reg, key);
  }
  virtual Cells cells(const std::string& label, const ListingTotals& t) const {
    return {label, countCell(t.listed()), moneyCell(t.sums[ListingTotals::Gross]),
            moneyCell(t.sums[ListingTotals::Accum])};
  }
};

// BZZ: per group the gross value and the accumulated depreciation at the
// period's start, their increases and decreases in the period and their values on
// the report day, and the net value. The increases of depreciation are what
// makes the opening and the closing values agree: the closing value less the
// opening one, plus what transfers and liquidations took.
class OpeningIncreasesDecreases : public GroupListing {
 public:
  OpeningIncreasesDecreases() : GroupListing(ListingKind::BZZ) {}
  bool periodAmounts() const override { return true; }

 protected:
  std::string label(const ListingRun& run, GroupLevel level,
                    const std::string& key) const override {
    std::string word;
    if (level == GroupLevel::Middle) word = "SYNT. ";
    if (level == GroupLevel::Outer) word = "GRUPA  ";
    return word + key + groupName(run.reg, key);
  }
  Cells cells(const std::string& label, const ListingTotals& t) const override {
    const ChangeAmounts pt = t.change(ListingChange::PT), lt = t.change(ListingChange::LT);
    const long double gross = t.sums[ListingTotals::Gross];
    const long double accum = t.sums[ListingTotals::Accum];
    const long double accumBO = t.sums[ListingTotals::AccumBO];
    const long double accumDown = pt.accum + lt.accum;
    return {label,
            moneyCell(t.grossBO()),
            moneyCell(t.change(ListingChange::OT).gross),
            moneyCell(pt.gross + lt.gross),
            moneyCell(gross),
            moneyCell(accumBO),
            moneyCell(accum - accumBO + accumDown),
            moneyCell(accumDown),
            moneyCell(accum),
            moneyCell(gross - accum)};
  }
};

}  // namespace

std::unique_ptr<ListingType> makeGroupListing(ListingKind kind) {
  if (kind == ListingKind::BZZ) return std::make_unique<OpeningIncreasesDecreases>();
  return std::make_unique<GroupListing>(kind);
}

}  // namespace zefir::operations
