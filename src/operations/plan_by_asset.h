// The depreciation plans by asset. The monthly one (`Ksieg`, `Miesie`): per
// asset its rate, the net value at 1 January, the accumulated depreciation
// and the depreciation of the year to date and of the month, and its cost
// centres; closed by the posting note (PK) that charges the depreciation to
// each cost centre by its share of the asset. The yearly one (`PlanAm`, and
// `BZZPel` and `BZZAna` up to a day of a period): per asset the gross value,
// the accumulated depreciation at 1 January, the year's depreciation, the
// accumulated depreciation and the net value, by groups of symbols, each
// group closed with what corrections, transfers and liquidations moved.
#pragma once

#include <string>
#include <vector>

#include "operations/fixed_table_walk.h"
#include "output/report_buffer.h"
#include "register/asset_register.h"

namespace zefir::operations {

// What the monthly plan holds (`LABC`): the posting note alone, the assets
// alone, or both.
enum class PlanContents : char { PostingOnly = 'A', AssetsOnly = 'B', Whole = 'C' };

struct CostCentrePlanParams {
  FixedTableSelection selection;
  PlanContents contents = PlanContents::Whole;
};

// One cost centre's part of an asset: the key and its weight (the part of
// the gross value it holds).
struct CostShare {
  std::string key;
  long double weight = 0;
};

// The cost centres of an asset: its KK holdings, the KR ones when it has no
// KK holding, "bez KK" when it has neither. A liquidated asset whose
// holdings hold nothing any more is charged to its first one whole.
std::vector<CostShare> costCentres(const AttributeSplit& split);

// `amount` split by the weights, each part rounded to the grosz and the last
// part taking what rounding left, so the parts add up to the amount.
std::vector<long double> splitByWeight(long double amount, const std::vector<CostShare>& shares);

// Writes the monthly plan from Begin report to its last line (End report is
// the caller's). False when the user stopped the walk.
bool runCostCentrePlan(const AssetRegister& reg, const CostCentrePlanParams& params,
                       output::ReportBuffer& out, const ListingControl& control = {});

enum class YearPlanList {
  Plan,      // liquidated assets apart, in one block of their own
  FullList,  // every taken asset in its group
  Analytic,  // the full list with each asset's changes dated in the period
};

struct YearPlanParams {
  FixedTableSelection selection;
  YearPlanList list = YearPlanList::Plan;
  // The period's first day (0: none). From a day after 1 January of the
  // report year the accumulated depreciation is that of the day before it,
  // and the depreciation and the movements those of the period; the analytic
  // list shows the changes dated within it.
  DayNumber periodStart = 0;
  int keyLength = 1;  // a group is the symbols' first so many characters
};

// Writes the yearly plan from Begin report to its "OGÓŁEM" line (End report
// is the caller's). False when the user stopped the walk.
bool runYearPlan(const AssetRegister& reg, const YearPlanParams& params, output::ReportBuffer& out,
                 const ListingControl& control = {});

// Registers `Ksieg`, `Miesie`, `PlanAm`, `BZZPel` and `BZZAna`.
void registerPlanByAssetOperations();

}  // namespace zefir::operations
