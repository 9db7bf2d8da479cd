// The listing generator: one frame that walks the register in symbol order,
// selects assets, computes each through the depreciation engine and lets the
// report type write its header, one row per asset, the group-end blocks of
// three grouping levels and the final block into the report buffer.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "operations/listing_layouts.h"
#include "operations/listing_selection.h"
#include "operations/listing_totals.h"
#include "output/report_buffer.h"
#include "register/asset_register.h"
#include "register/depreciation_engine.h"

namespace zefir::operations {

// What one run is asked for (texts code page 1250).
struct ListingParams {
  std::vector<std::string> masks;    // symbol masks; empty takes every asset
  std::string nameFilter;            // applies to the types that filter by name
  std::vector<std::string> places;   // masks of the places of use (MU); empty: any place
  bool listZeroValue = false;        // assets of zero gross value are listed too
  DayNumber reportDay = 0;           // the day the values are computed for
  DayNumber periodStart = 0;         // the period's first day (newly accepted assets), 0 none
  int pod1 = 0, pod3 = 0, pod7 = 0;  // grouping prefix lengths; 0 switches a level's block off
  Basis basis = Basis::Balance;
  int descriptionLine = 1;  // the description line the short listing shows (1..9, 0 the tenth)
};

// The stop request (Esc) is asked before each asset; progress is told the
// slot and the register count.
struct ListingControl {
  std::function<bool()> stopRequested;
  std::function<void(int slot, int count)> progress;
};

enum class GroupLevel { Inner, Middle, Outer };

class ListingRun;

// One report type: the frame calls these in order (header, rows and group
// ends as the walk goes, the final block).
class ListingType {
 public:
  explicit ListingType(ListingKind kind) : layout_(listingLayout(kind)) {}
  virtual ~ListingType() = default;
  const ListingLayout& layout() const { return layout_; }

  // Begin report, the columns and end headers with the run's parameter line.
  virtual void header(ListingRun& run);
  // Whether the type takes a selected asset at all (the fully depreciated,
  // the liquidated, the newly accepted ones); an asset not taken is not counted.
  virtual bool takes(const ListingRun&, const WorkingRecord&, const AssetValues&) const {
    return true;
  }
  // Whether the type's amounts are those of the period from its first day
  // (`DaOd`) rather than of the report year to the report day.
  virtual bool periodAmounts() const { return false; }
  // Whether the type lists assets of zero gross value even when not asked to.
  virtual bool listsZeroValue() const { return false; }
  virtual void row(ListingRun&, const WorkingRecord&, const AssetValues&) {}
  virtual void groupEnd(ListingRun&, GroupLevel, const GroupTotals&) {}
  virtual void finalBlock(ListingRun&, const GroupTotals&) {}

 private:
  const ListingLayout& layout_;
};

// The run's state as the report types see it.
class ListingRun {
 public:
  ListingRun(const AssetRegister& r, const ListingParams& p, output::ReportBuffer& o)
      : reg(r), params(p), out(o) {}
  const AssetRegister& reg;
  const ListingParams& params;
  output::ReportBuffer& out;
  int number = 0;  // running number of the listed assets
  int slot = 0;    // the asset's slot while its row is written

  bool blockOn(GroupLevel level) const;
  // The parameter line: the day or period, the masks and the name filter.
  std::string parameterLine(bool nameFilter) const;
};

std::unique_ptr<ListingType> makeListingType(ListingKind kind);

// Whether one of the asset's places of use (its MU holdings) matches a mask.
bool placeMatches(const WorkingRecord& wr, const SymbolMasks& places);

struct ListingResult {
  bool stopped = false;
  int taken = 0;   // assets counted
  int listed = 0;  // assets with a row
};

// Writes the report from Begin report to its final block; End report is the
// caller's (the option's runner ends every report the same way).
ListingResult runListing(const AssetRegister& reg, ListingType& type, const ListingParams& params,
                         output::ReportBuffer& out, const ListingControl& control = {});
ListingResult runListing(const AssetRegister& reg, ListingKind kind, const ListingParams& params,
                         output::ReportBuffer& out, const ListingControl& control = {});

}  // namespace zefir::operations
