// The twelve-month depreciation plan by group: per group of symbols the net
// value at 1 January, the depreciation of each month of the year, their sum
// and the net value at 1 January of the next year.
#pragma once

#include "operations/fixed_table_walk.h"
#include "output/report_buffer.h"
#include "register/asset_register.h"

namespace zefir::operations {

struct PlanByGroupParams {
  FixedTableSelection selection;  // the report day is made 31 December of `year`
  int year = 0;
  int keyStart = 1;   // the group key: the symbol's characters from this one (1 = first)
  int keyLength = 2;  // ... this many
};

// At most this many group lines; the assets of further groups count in the
// totals only.
inline constexpr int kMaxPlanGroups = 999;

// Writes the plan from Begin report to its totals (End report is the
// caller's). False when the user stopped the walk (headers only then).
bool runPlanByGroup(const AssetRegister& reg, const PlanByGroupParams& params,
                    output::ReportBuffer& out, const ListingControl& control = {});

// Registers `Plan12` (the key from the base's settings) and `PlAm12` (the
// key from its fields `GrOd` and `GrZn`).
void registerPlanOperations();

}  // namespace zefir::operations
