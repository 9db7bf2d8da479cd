// The quantity card (KIS): the assets counted and summed by groups of their
// symbols' first characters, with the liquidated ones counted apart.
#pragma once

#include "operations/fixed_table_walk.h"
#include "output/report_buffer.h"
#include "register/asset_register.h"

namespace zefir::operations {

struct QuantityCardParams {
  FixedTableSelection selection;
  int keyLength = 3;  // the group key: this many first characters of the symbol (`Pod7`)
};

// Writes the card from Begin report to its "RAZEM" line (End report is the
// caller's). False when the user stopped the walk.
bool runQuantityCard(const AssetRegister& reg, const QuantityCardParams& params,
                     output::ReportBuffer& out, const ListingControl& control = {});

// Registers `Ilosc`: `SroW`, `DaDo`, `MieW` and `Pod7`.
void registerQuantityCardOperation();

}  // namespace zefir::operations
