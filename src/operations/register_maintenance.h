// The register-maintenance options: the archive of zeroed assets (`ZrzuZ`),
// the split of the base by a selection (`WybST`), the import of another base
// (`Impor`), the renumbering of a group (`Renum`), the sorting of the
// changes by date (`Sorto`) and the index-pattern editor (`EdiWZ`).
//
// Whatever they change in the base in force they change through the
// journal's save, asset by asset, so the other workstations see it as any
// other save; new base files are written whole and renamed into place. Each
// report option lists the assets it concerned and ends with the lines
// saying what it did; a refusal before anything is written changes nothing.
#pragma once

#include <string>
#include <vector>

#include "operations/listing_layouts.h"
#include "operations/operation_registry.h"
#include "register/asset_register.h"
#include "text/status.h"

namespace zefir::operations {

// One asset of the renumbering: its symbol now and the one it gets.
struct Renumbering {
  std::string from;
  std::string to;
};

// The renumbering of `GrST`: the assets whose symbols begin with it, in
// symbol order, get `GrNo` followed by the numbers from `RBeg` on, written
// with `RCyf` digits (leading zeros), up to `REnd`; the assets past `REnd`
// keep their symbols. Refused, with nothing planned, for an empty group or
// new beginning, `RCyf` outside 1..9, `REnd` below `RBeg`, a number wider
// than `RCyf` digits, a new symbol over 15 characters, and a new symbol that
// already names an asset (other than the asset itself, which then keeps it):
// renaming onto it would overwrite that asset.
Status planRenumbering(AssetRegister& reg, const FieldValues& values,
                       std::vector<Renumbering>* plan);

// Sorting an asset's change entries by date (`Sorto`): the dated entries
// take their slots in date order (equal dates keep their order); empty and
// undated entries stay where they are. An asset with a reference "n/" in any
// entry is left alone: references name earlier entries by their place, so a
// reordering would point them at other changes.
enum class SortOutcome { InOrder, Sorted, HasReferences };
SortOutcome sortChangesByDate(AssetRecord& asset);

// Whether the asset is zeroed on `day`: no gross value and no accumulated
// depreciation left. `ZrzuZ` archives the assets accepted before `DaOd` that
// are zeroed the day before it and still are today.
bool zeroedOn(const AssetRegister& reg, int slot, DayNumber day);

// The lines of an index-pattern file: the ten `WzoA` values, blanks trimmed.
std::string patternFileText(const FieldValues& values);

// Ends a maintenance option's report: the listing's header and columns of
// `kind`, one row for each asset (number, symbol, name; in symbol order),
// then each line of `done`, which the status line shows too.
void listWhatWasDone(OperationRun& run, ListingKind kind, std::vector<AssetRecord> assets,
                     const std::vector<std::string>& done);

// Registers options 19 and 22 to 26 with the catalogue (18, the switch of the base
// in force, belongs to the shell).
void registerMaintenanceOperations();

}  // namespace zefir::operations
