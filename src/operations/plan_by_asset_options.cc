// The options of the plans by asset: their fields as the listings read them,
// the monthly plan's contents from `LABC` (else the base's setting), the
// year from `Rok4`, the period from `DaOd` and `DaDo`.
#include <cctype>

#include "operations/listing_options.h"
#include "operations/operation_registry.h"
#include "operations/plan_by_asset.h"

namespace zefir::operations {

namespace {

PlanContents contentsOf(const FieldValues& values, char setting) {
  const std::string& field = values.text("LABC");
  const char letter = field.empty()
                          ? setting
                          : static_cast<char>(std::toupper(static_cast<unsigned char>(field[0])));
  if (letter == 'A') return PlanContents::PostingOnly;
  if (letter == 'B') return PlanContents::AssetsOnly;
  return PlanContents::Whole;
}

Status runCostCentreOption(OperationRun& run) {
  return runFixedTableOption(
      run, [&](const AssetRegister& reg, const ListingParams&, const FixedTableSelection& selection,
               const ListingControl& control) {
        const CostCentrePlanParams p{
            selection, contentsOf(run.values, listingEnvironment().settings.planContents)};
        runCostCentrePlan(reg, p, *run.report, control);
      });
}

Status runYearOption(OperationRun& run, YearPlanList list) {
  DayNumber yearEnd = 0;
  if (list == YearPlanList::Plan)
    if (Status st = yearEndOf(run.values, yearEnd); !st) return st;
  return runFixedTableOption(
      run,
      [&](const AssetRegister& reg, const ListingParams& lp, const FixedTableSelection& selection,
          const ListingControl& control) {
        YearPlanParams p{selection, list, 0, lp.pod1 != 0 ? lp.pod1 : 1};
        if (list != YearPlanList::Plan) p.periodStart = lp.periodStart;
        runYearPlan(reg, p, *run.report, control);
      },
      yearEnd);
}

}  // namespace

void registerPlanByAssetOperations() {
  registerOperation("Ksieg", runCostCentreOption);
  registerOperation("Miesie", runCostCentreOption);
  registerOperation("PlanAm",
                    [](OperationRun& run) { return runYearOption(run, YearPlanList::Plan); });
  registerOperation("BZZPel",
                    [](OperationRun& run) { return runYearOption(run, YearPlanList::FullList); });
  registerOperation("BZZAna",
                    [](OperationRun& run) { return runYearOption(run, YearPlanList::Analytic); });
}

}  // namespace zefir::operations
