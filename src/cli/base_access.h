// Opening a base for the subcommands, with their exit statuses.
#pragma once

#include <string>

#include "register/asset_register.h"
#include "register/base_journal.h"

namespace zefir::cli {

// Loads an existing base into `reg`; ends with status 2 (CliExit) when the
// file is missing or cannot be read.
BaseJournal loadExistingBase(const std::string& path, AssetRegister& reg);
// Loads a base that may not exist yet (it is then created empty).
BaseJournal loadOrCreateBase(const std::string& path, AssetRegister& reg, int station);

}  // namespace zefir::cli
