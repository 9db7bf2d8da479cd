#include "cli/base_access.h"

#include "cli/commands.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "register/base_record.h"
#include "text/codepage.h"

namespace zefir::cli {

namespace {

BaseJournal load(const std::string& path, AssetRegister& reg, int station) {
  BaseJournal journal(path);
  if (station > 0) journal.setWorkstationSuffix(base::workstationSuffix(station));
  if (Status s = journal.load(reg); !s)
    throw CliExit{2, "Nie można wczytać bazy " + path + ": " + text::toUtf8(s.message())};
  return journal;
}

}  // namespace

BaseJournal loadExistingBase(const std::string& path, AssetRegister& reg) {
  if (!platform::exists(path) || platform::isFolder(path))
    throw CliExit{2, "Nie ma pliku bazy " + path};
  return load(path, reg, 0);
}

BaseJournal loadOrCreateBase(const std::string& path, AssetRegister& reg, int station) {
  // Without this, a missing folder would only show after every open retry.
  const std::string folder = platform::folderOf(path);
  if (!folder.empty() && !platform::isFolder(folder))
    throw CliExit{2, "Nie ma folderu bazy " + folder};
  return load(path, reg, station);
}

bool findAsset(AssetRegister& reg, const std::string& symbolUtf8) {
  return reg.exists(text::upperCase(text::fromUtf8(symbolUtf8)));
}

}  // namespace zefir::cli
