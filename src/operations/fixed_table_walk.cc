#include "operations/fixed_table_walk.h"

#include "register/depreciation_engine.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"
#include "text/rounding.h"

namespace zefir::operations {

bool walkTakenAssets(const AssetRegister& reg, const FixedTableSelection& selection,
                     const ListingControl& control,
                     const std::function<void(const TakenAsset&)>& take) {
  const SymbolMasks masks(selection.masks);
  const NameFilter names(selection.nameFilter);
  const SymbolMasks places(selection.places);
  DepreciationEngine engine(Basis::Balance);
  const int count = reg.count();
  for (int slot = 1; slot < count; ++slot) {
    if (control.stopRequested && control.stopRequested()) return false;
    const AssetRecord& asset = reg.slot(slot);
    if (!masks.matches(std::string_view(asset.Symb)) || !names.passes(std::string_view(asset.Nazw)))
      continue;
    if (control.progress) control.progress(slot, count);
    if (asset.DtOT == 0 || asset.DtOT > selection.reportDay) continue;
    const WorkingRecord& wr = engine.compute(reg, slot, selection.reportDay, selection.kindFilter);
    const AssetValues values = assetValues(wr);
    // The opening gross value as the year's changes leave it, so that the
    // opening value, the changes and the closing value always balance.
    const long double grossBO = values.gross - values.change(ListingChange::OT).gross +
                                values.change(ListingChange::PT).gross +
                                values.change(ListingChange::LT).gross;
    if (!(text::R(grossBO) > 0) && values.gross == 0 && values.accum == 0) continue;
    if (!places.empty() && !placeMatches(wr, places)) continue;
    take(TakenAsset{slot, wr, values, grossBO});
  }
  return true;
}

std::string_view classificationOn(const WorkingRecord& wr, DayNumber day) {
  return rateEntryInForce(wr.asset, day).SKST;
}

int classificationGroup(std::string_view kst) {
  if (kst.empty() || kst[0] < '0' || kst[0] > '9') return -1;
  return kst[0] - '0';
}

long double balanceRateOn(const AssetRecord& asset, DayNumber day) {
  const RateEntry& k = rateEntryInForce(asset, day);
  return effectiveRate(k, Basis::Balance) * effectiveCoefficient(k, Basis::Balance);
}

std::string fullName(const AssetRecord& asset) {
  std::string name(std::string_view(asset.Nazw));
  name += std::string_view(asset.Na2w);
  return name;
}

std::string fixedTableParameterLine(const FixedTableSelection& s) {
  std::string line = text::fromUtf8("na dzień ") + text::longTextOfDay(s.reportDay);
  if (!s.masks.empty()) {
    line += text::fromUtf8(", środki:");
    for (const std::string& m : s.masks) line += " " + m;
  }
  if (!s.nameFilter.empty()) line += ", filtr: " + s.nameFilter;
  return line;
}

Status runFixedTableOption(OperationRun& run, const FixedTableWriter& write, DayNumber reportDay) {
  if (!run.assets || !run.report) return Status::Error("Brak bazy lub bufora raportu");
  const ListingEnvironment& env = listingEnvironment();
  FieldTexts values = run.values.entries();
  if (reportDay != 0) values["DaDo"] = {text::shortTextOfDay(reportDay)};
  ListingParams params;
  if (Status st = listingParams(values, env.settings, params); !st) return st;
  FixedTableSelection selection;
  selection.masks = params.masks;
  selection.nameFilter = params.nameFilter;
  selection.places = params.places;
  selection.reportDay = params.reportDay;
  write(*run.assets, params, selection, ListingControl{run.stopRequested, env.progress});
  run.report->endReport();
  return Status::Ok();
}

Status yearEndOf(const FieldValues& values, DayNumber& day) {
  day = text::dayFromDate(static_cast<int>(text::intFromText(values.text("Rok4"))), 12, 31);
  if (day == 0) return Status::Error(text::fromUtf8("Tu popraw: Rok4 (Błędny rok)"));
  return Status::Ok();
}

}  // namespace zefir::operations
