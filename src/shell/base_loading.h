// Loading the base for the desktop: this workstation's register and the
// journal of its main base file.
#pragma once

#include <functional>
#include <string_view>

#include "register/asset_register.h"
#include "register/base_journal.h"

namespace zefir::shell {

// The register the desktop loads the base into, and its journal.
AssetRegister& desktopRegister();
BaseJournal& desktopJournal();

// Loads the shell state's main base file into the desktop's register (nothing
// while the start mode forbids it). The journal shows "Środków: " and the
// number of assets; `onCaption` receives the desktop's new caption. It is
// taken by value: a caller may pass the journal's own handler, and the
// journal of another base file replaces that journal.
void loadDesktopBase(std::function<void(std::string_view)> onCaption = {});

}  // namespace zefir::shell
