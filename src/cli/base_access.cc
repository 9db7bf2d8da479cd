#include "cli/base_access.h"

#include <ctime>
#include <filesystem>

#include "cli/commands.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "register/base_record.h"
#include "text/codepage.h"
#include "text/dates.h"

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

std::string basePath(const std::string& folder) {
  if (folder.size() > 4 && text::upperCase(folder.substr(folder.size() - 4)) == ".PST")
    return folder;
  return (std::filesystem::path(folder) / "Srodki.PST").string();
}

DayNumber today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return text::dayFromDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace zefir::cli
