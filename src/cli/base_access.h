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

// Finds the asset of a symbol given on the command line (UTF-8) and makes it
// the register's current one. The symbol is taken in upper case, as the
// program's symbol fields take it ("śr-1" finds "ŚR-1").
bool findAsset(AssetRegister& reg, const std::string& symbolUtf8);

// The base file of a folder given on the command line (or the .PST file itself).
std::string basePath(const std::string& folder);

// Today as the computer's clock has it.
DayNumber today();

}  // namespace zefir::cli
