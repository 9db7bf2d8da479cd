// The rate check (ZKS): every asset with its gross value, accumulated
// depreciation and its balance and tax rates (rate times coefficient) in
// force on the report day, with a remark where they call for a look.
#pragma once

#include "operations/fixed_table_walk.h"
#include "output/report_buffer.h"
#include "register/asset_register.h"

namespace zefir::operations {

// Writes the report from Begin report to its "RAZEM" line (End report is the
// caller's). False when the user stopped the walk.
bool runRateCheck(const AssetRegister& reg, const FixedTableSelection& selection,
                  output::ReportBuffer& out, const ListingControl& control = {});

// Registers `Stawki`.
void registerRateCheckOperation();

}  // namespace zefir::operations
