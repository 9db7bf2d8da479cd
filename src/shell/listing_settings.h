// The base register's settings that the listing reports read: the report
// dates `DatyBOBZ`, the summary depths `GlebPods`, whether zero-value
// (liquidated) assets are shown `PokZlikw`, the depreciation basis
// `AmBilPod`, the plan's group key `PlAmOdZn` and the monthly plan's
// contents `sAmBezCa`.
#pragma once

#include "operations/listing_options.h"
#include "shell/settings_register.h"

namespace zefir::shell {

// Each value over its default; an unreadable date stays 0.
operations::ListingSettings listingSettingsFrom(const SettingsRegister& base);

}  // namespace zefir::shell
