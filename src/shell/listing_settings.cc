#include "shell/listing_settings.h"

#include "text/dates.h"

namespace zefir::shell {

operations::ListingSettings listingSettingsFrom(const SettingsRegister& base) {
  operations::ListingSettings s;
  const SettingValue dates = base.value("DatyBOBZ");
  s.openingDay = text::dayFromShortText(dates.field(1));
  s.closingDay = text::dayFromShortText(dates.field(2));
  const SettingValue depths = base.value("GlebPods");
  for (int i = 0; i < 3; ++i) s.depths[i] = std::max(depths.number(i + 1), 0);
  s.showZeroValue = base.value("PokZlikw").yes(1);
  s.basis = base.letter("AmBilPod") == 'P' ? Basis::Tax : Basis::Balance;
  const SettingValue plan = base.value("PlAmOdZn");
  s.planGroupStart = std::max(plan.number(1), 1);
  s.planGroupLength = std::max(plan.number(2), 0);
  s.planContents = base.letter("sAmBezCa");
  return s;
}

}  // namespace zefir::shell
