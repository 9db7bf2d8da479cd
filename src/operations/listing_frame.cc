#include "operations/listing_frame.h"

#include <algorithm>
#include <array>

#include "operations/listing_types.h"
#include "register/change_documents.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::operations {

namespace {

// The key a level starts with: no symbol begins with it, so the first asset
// opens a group at every level without closing a non-empty one.
const std::string kNoKey(1, '\x01');

struct Level {
  int length = 1;
  GroupTotals group;
};

// The day the asset last lost value by a liquidation or a transfer, 0 none.
DayNumber lastLeavingDay(const WorkingRecord& wr) {
  DayNumber last = 0;
  for (const ChangeEntry& e : wr.entries) {
    const ChangeFamily f = changeFamily(e.C);
    if (f == ChangeFamily::Decrease || f == ChangeFamily::Transfer)
      last = std::max(last, placementDate(e, wr.asset.DtOT));
  }
  return last;
}

}  // namespace

bool placeMatches(const WorkingRecord& wr, const SymbolMasks& places) {
  for (const Holding& h : wr.split.holdings)
    if (h.kind == "MU" && places.matches(h.key)) return true;
  return false;
}

void ListingType::header(ListingRun& run) {
  const ListingLayout& l = layout();
  run.out.beginReport(l.code, text::fromUtf8(l.title), l.stretch);
  for (const ListingColumnDef& c : l.columns)
    run.out.addColumn(c.align, c.width, text::fromUtf8(c.header1), text::fromUtf8(c.header2));
  run.out.endHeaders(run.parameterLine(l.nameFilter));
}

bool ListingRun::blockOn(GroupLevel level) const {
  switch (level) {
    case GroupLevel::Inner:
      return params.pod7 != 0;
    case GroupLevel::Middle:
      return params.pod3 != 0;
    case GroupLevel::Outer:
      return params.pod1 != 0;
  }
  return false;
}

std::string ListingRun::parameterLine(bool nameFilter) const {
  std::string line;
  if (params.periodStart != 0)
    line = "od " + text::longTextOfDay(params.periodStart) + " do " +
           text::longTextOfDay(params.reportDay);
  else
    line = text::fromUtf8("na dzień ") + text::longTextOfDay(params.reportDay);
  if (!params.masks.empty()) {
    line += text::fromUtf8(", środki:");
    for (const std::string& m : params.masks) line += " " + m;
  }
  if (nameFilter && !params.nameFilter.empty()) line += ", filtr: " + params.nameFilter;
  return line;
}

namespace {

// The three levels' groups and the grand total of one run.
class GroupLevels {
 public:
  explicit GroupLevels(const ListingParams& p) {
    // Outer, middle and inner lengths, each falling back on the one before.
    levels_[2].length = p.pod1 != 0 ? p.pod1 : 1;
    levels_[1].length = p.pod3 != 0 ? p.pod3 : levels_[2].length;
    levels_[0].length = p.pod7 != 0 ? p.pod7 : levels_[1].length;
    for (Level& l : levels_) l.group.key = kNoKey;
    total_.key = "\xFF";
  }

  // Inner level first: a group whose key the symbol changes is closed (its
  // block when the level's is on) and rolled into the next level.
  void change(std::string_view symbol, ListingRun& run, ListingType& type) {
    for (int l = 0; l < 3; ++l) {
      Level& level = levels_[l];
      const std::string_view key = symbol.substr(0, level.length);
      if (key == level.group.key) continue;
      const GroupLevel g = static_cast<GroupLevel>(l);
      if (run.blockOn(g) && level.group.taken != 0) type.groupEnd(run, g, level.group);
      (l < 2 ? levels_[l + 1].group : total_).add(level.group);
      level.group = GroupTotals{std::string(key), {}, {}, 0};
    }
  }

  // A taken asset joins the inner group.
  void take(const AssetValues& values, bool listed) {
    GroupTotals& inner = levels_[0].group;
    const ListingTotals one = ListingTotals::of(values, listed);
    ++inner.taken;
    inner.totals.add(one);
    if (!listed) inner.zero.add(one);
  }

  const GroupTotals& total() const { return total_; }

 private:
  std::array<Level, 3> levels_;  // by GroupLevel: inner, middle, outer
  GroupTotals total_;
};

// Present on the report day: accepted by then (checked before computing), and
// not gone before the report year (an asset liquidated or transferred away
// whole in an earlier year is neither listed nor counted).
bool goneBeforeTheYear(const WorkingRecord& wr, const AssetValues& values) {
  if (values.gross != 0) return false;
  const DayNumber left = lastLeavingDay(wr);
  return left != 0 && left < text::dayFromDate(wr.asOfYear, 1, 1);
}

}  // namespace

ListingResult runListing(const AssetRegister& reg, ListingType& type, const ListingParams& p,
                         output::ReportBuffer& out, const ListingControl& control) {
  ListingRun run(reg, p, out);
  ListingResult result;
  type.header(run);
  GroupLevels groups(p);
  const SymbolMasks masks(p.masks);
  const NameFilter names(type.layout().nameFilter ? p.nameFilter : std::string());
  const SymbolMasks places(p.places);
  DepreciationEngine engine(p.basis);
  // A period from a day after 1 January of the report year is opened by the
  // assets' values on the day before it; a period reaching into an earlier
  // year is taken from 1 January.
  DepreciationEngine openingEngine(p.basis);
  const bool fromPeriodStart =
      type.periodAmounts() && p.periodStart != 0 && p.periodStart <= p.reportDay &&
      text::yearOfDay(p.periodStart) == text::yearOfDay(p.reportDay) &&
      p.periodStart != text::dayFromDate(text::yearOfDay(p.reportDay), 1, 1);

  // The end slot passes the selection and changes every key: the last
  // groups close before the final block.
  const int count = reg.count();
  for (int slot = 1; slot <= count; ++slot) {
    if (control.stopRequested && control.stopRequested()) {
      result.stopped = true;
      break;
    }
    const AssetRecord& asset = reg.slot(slot);
    const bool endSlot = slot == count;
    if (!endSlot && (!masks.matches(asset.Symb) || !names.passes(asset.Nazw))) continue;
    if (control.progress) control.progress(slot, count);
    groups.change(asset.Symb, run, type);
    if (endSlot || asset.DtOT == 0 || asset.DtOT > p.reportDay) continue;

    const WorkingRecord& wr = engine.compute(reg, slot, p.reportDay);
    const AssetValues values =
        fromPeriodStart ? periodValues(wr, openingEngine.compute(reg, slot, p.periodStart - 1))
                        : assetValues(wr);
    if (goneBeforeTheYear(wr, values)) continue;
    if (!places.empty() && !placeMatches(wr, places)) continue;
    if (!type.takes(run, wr, values)) continue;
    ++result.taken;
    const bool listed = values.gross != 0 || p.listZeroValue || type.listsZeroValue();
    if (listed) {
      ++run.number;
      ++result.listed;
      run.slot = slot;
      type.row(run, wr, values);
    }
    groups.take(values, listed);
  }
  if (!result.stopped && groups.total().taken != 0) type.finalBlock(run, groups.total());
  return result;
}

std::unique_ptr<ListingType> makeListingType(ListingKind kind) {
  switch (kind) {
    case ListingKind::RBPValues:
    case ListingKind::RBPDepreciation:
      return makeDifferenceListing(kind);
    default:
      return listingLayout(kind).groupLayout ? makeGroupListing(kind) : makeAssetListing(kind);
  }
}

ListingResult runListing(const AssetRegister& reg, ListingKind kind, const ListingParams& params,
                         output::ReportBuffer& out, const ListingControl& control) {
  std::unique_ptr<ListingType> type = makeListingType(kind);
  return runListing(reg, *type, params, out, control);
}

}  // namespace zefir::operations
