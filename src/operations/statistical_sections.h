// The statistical sections of the annual fixed-asset return: "Dział 1."
// gross values (DZI1), its supplementary data (DAUZ) and "Dział 1.0."
// write-offs (ODPI), each one pass over the taken assets into a fixed table.
#pragma once

#include "operations/fixed_table_walk.h"
#include "operations/statistical_units.h"
#include "output/report_buffer.h"
#include "register/asset_register.h"
#include "text/status.h"

namespace zefir::operations {

enum class StatFrame { GrossValues = 1, Supplementary = 2, WriteOffs = 3 };

struct StatisticalParams {
  FixedTableSelection selection;
  StatFrame frame = StatFrame::WriteOffs;
  StatUnit unit = StatUnit::Thousands;
};

// Writes the section from Begin report to its last row (End report is the
// caller's). False when the user stopped the walk: the table is then not
// printed, only its headers.
bool runStatisticalSection(const AssetRegister& reg, const StatisticalParams& params,
                           output::ReportBuffer& out, const ListingControl& control = {});

// Registers `SG_01`: `Rok4` the year (report day 31 December), `SroF` the
// name filter, `SroW` the masks, `SGRa` the frame, `TZGr` the unit.
void registerStatisticalOperations();

}  // namespace zefir::operations
