// The walk of the reports that fill a fixed table rather than list assets:
// the register in symbol order, the symbol masks and the name filter of the
// listings, and an asset taken when it was accepted by the report day and
// has a value then (a positive gross value at 1 January, or a gross value or
// accumulated depreciation on the day), computed in balance mode.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "operations/listing_frame.h"
#include "operations/listing_options.h"
#include "operations/listing_totals.h"
#include "operations/operation_registry.h"
#include "register/asset_register.h"

namespace zefir::operations {

struct FixedTableSelection {
  std::vector<std::string> masks;   // empty takes every symbol
  std::string nameFilter;           // as the listings' name filter
  std::vector<std::string> places;  // masks of the places of use; empty: any place
  DayNumber reportDay = 0;
  std::string kindFilter;  // a holding kind every asset's split is to have (MU, OO, ...)
};

// What the walk hands on for one taken asset.
struct TakenAsset {
  int slot = 0;
  const WorkingRecord& wr;
  const AssetValues& values;
  long double grossBO = 0;  // gross value at 1 January of the report year
};

// Calls `take` for every taken asset; false when the user stopped the walk.
bool walkTakenAssets(const AssetRegister& reg, const FixedTableSelection& selection,
                     const ListingControl& control,
                     const std::function<void(const TakenAsset&)>& take);

// The classification (KŚT) symbol in force on the day, and its group: the
// symbol's first character when it is a digit, else -1.
std::string_view classificationOn(const WorkingRecord& wr, DayNumber day);
int classificationGroup(std::string_view kst);
// The balance rate times its coefficient (% a year) of the entry in force on
// the day, as the plans print it.
long double balanceRateOn(const AssetRecord& asset, DayNumber day);

// The asset's name and its second line, as one text.
std::string fullName(const AssetRecord& asset);

// The parameter line of these reports: "na dzień " + the day, the masks and
// the name filter.
std::string fixedTableParameterLine(const FixedTableSelection& selection);

// Runs a fixed-table option: its fields read as the listings read them
// (masks, name filter, day, places, depths, a bad one refused), the selection made of
// them, the run's stop request and the environment's progress; `write` fills
// the report, which is then ended. An option that takes a year instead of
// `DaDo` passes its `reportDay`.
using FixedTableWriter = std::function<void(const AssetRegister&, const ListingParams&,
                                            const FixedTableSelection&, const ListingControl&)>;
Status runFixedTableOption(OperationRun& run, const FixedTableWriter& write,
                           DayNumber reportDay = 0);

// The report day of the options that take a year (`Rok4`): its 31 December;
// a year the engine does not compute is refused naming the field.
Status yearEndOf(const FieldValues& values, DayNumber& day);

}  // namespace zefir::operations
