// The reports by key (WOO, WMU, WKS, WKK): every asset's part held by each
// responsible person, place of use or cost account on the report day (its
// holdings of the attribute split), or its whole value under its
// classification, listed key by key with a subtotal per key group.
#pragma once

#include <string>
#include <vector>

#include "operations/fixed_table_walk.h"
#include "output/report_buffer.h"
#include "register/asset_register.h"

namespace zefir::operations {

enum class ReportKey { Person, Place, Classification, CostCentre };

struct ByKeyParams {
  FixedTableSelection selection;
  ReportKey key = ReportKey::Person;
  std::vector<std::string> keyMasks;  // empty takes every key
  int depth = 0;                      // subtotals by the key's first characters, 0 the whole key
};

// Writes the report from Begin report to its "RAZEM" line (End report is the
// caller's). False when the user stopped the walk.
bool runByKeyReport(const AssetRegister& reg, const ByKeyParams& params, output::ReportBuffer& out,
                    const ListingControl& control = {});

// Registers `WgKla`, `WgOso`, `WgMie` and `WgMPK`.
void registerByKeyOperations();

}  // namespace zefir::operations
