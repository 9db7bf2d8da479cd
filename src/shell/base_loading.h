// Loading the base for the desktop.
#pragma once

#include "register/asset_register.h"

namespace zefir::shell {

// The register the desktop loads the base into.
AssetRegister& desktopRegister();

// Loads the main base file of the shell state into the desktop's register
// (nothing while the start mode forbids it) and shows "Środków: " and the
// number of assets.
void loadDesktopBase();

}  // namespace zefir::shell
