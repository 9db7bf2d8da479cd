// The net-value recalculation (PWN): per asset, or per group of symbols with
// the group's name, the gross value, the month's depreciation, the
// accumulated depreciation at 1 January, of the year and in all, and the
// net value on the report day.
#pragma once

#include "operations/fixed_table_walk.h"
#include "output/report_buffer.h"
#include "register/asset_register.h"

namespace zefir::operations {

struct NetValueParams {
  FixedTableSelection selection;
  bool byGroup = false;
  int keyLength = 1;  // the group key: the symbol's first characters (`Pod1`)
};

// Writes the report from Begin report to its "RAZEM" line (End report is the
// caller's). False when the user stopped the walk.
bool runNetValueReport(const AssetRegister& reg, const NetValueParams& params,
                       output::ReportBuffer& out, const ListingControl& control = {});

// The name of a group of assets by the first digit of its key.
std::string groupName(std::string_view key);

// Registers `WarNet` (by asset) and `GrOpis` (by group).
void registerNetValueOperations();

}  // namespace zefir::operations
