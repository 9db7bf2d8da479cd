#include "shell/workstations.h"

#include <filesystem>
#include <system_error>

#include "platform/file_system.h"
#include "platform/open_retry.h"
#include "platform/paths.h"
#include "text/codepage.h"

namespace zefir::shell {

namespace fs = std::filesystem;

std::string markerFolder(const std::string& baseFolder) {
  return "Kosz/" + baseFolder;
}

std::string markerPath(const std::string& baseFolder, const std::string& suffix, bool network) {
  return markerFolder(baseFolder) + "!Prac-ST" + (network ? suffix : std::string());
}

std::string waitingMarkerPath(const std::string& baseFolder, long process) {
  return markerFolder(baseFolder) + "!Prac-ST.999-" + std::to_string(process);
}

namespace {

// Characters 10..12 of the name read as a number (digits only, 0 when none).
int numberInName(const std::string& name) {
  int n = 0;
  for (std::size_t i = 9; i < 12 && i < name.size(); ++i)
    if (name[i] >= '0' && name[i] <= '9') n = n * 10 + (name[i] - '0');
  return n;
}

}  // namespace

WorkingWorkstations countWorkingWorkstations(const std::string& folder) {
  WorkingWorkstations result;
  std::error_code ec;
  const std::string native = platform::nativePath(folder);
  if (!fs::is_directory(native, ec)) return result;
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(native, ec))
    if (entry.path().filename().string().rfind("!Prac", 0) == 0)
      names.push_back(entry.path().filename().string());
  for (const std::string& name : names) {
    const std::string path = (fs::path(native) / name).string();
    platform::SharedFile f;
    const platform::OpenError e = f.open(path, platform::ShareMode::Exclusive);
    if (e == platform::OpenError::None) {
      f.close();
      platform::removeFile(path);  // left by a workstation that did not end properly
    } else if (e == platform::OpenError::Busy) {
      ++result.count;
      if (int n = numberInName(name); n < kTableRecords) result.working[n] = true;
    }
  }
  return result;
}

Status clearIdleWorkstations(const std::string& tablePath, const WorkingWorkstations& working) {
  const std::string cannot = text::fromUtf8("Nie mogę założyć !\\!.!");
  if (!platform::exists(tablePath)) {
    platform::createFolder(platform::folderOf(tablePath));
    if (!platform::writeWholeFile(tablePath, std::string(kTableRecords * kTableRecordSize, '\0')))
      return Status::Error(cannot);
  }
  platform::SharedFile table;
  if (!platform::openWithRetry(table, tablePath, platform::ShareMode::Exclusive,
                               platform::Creation::OpenExisting, "aTProcH:934"))
    return Status::Ok();  // locked throughout: the next count clears it
  std::string records(kTableRecords * kTableRecordSize, '\0');
  const std::size_t got = table.readAt(0, records.data(), records.size());
  for (int n = 0; n < kTableRecords; ++n) {
    if (working.working[n]) continue;
    std::fill_n(records.begin() + n * kTableRecordSize, kTableRecordSize, '\0');
  }
  (void)got;  // a short table is completed to its full length
  table.writeAt(0, records.data(), records.size());
  return Status::Ok();
}

StartupMarker::Result StartupMarker::create(const std::string& path) {
  release();
  if (platform::exists(path)) return Result::AlreadyRunning;
  auto attempt = [&] {
    return file_.open(path, platform::ShareMode::Exclusive, platform::Creation::OpenOrCreate);
  };
  platform::OpenError e = attempt();
  if (e == platform::OpenError::Busy) return Result::AlreadyRunning;
  if (e != platform::OpenError::None) {
    platform::createFolder(platform::folderOf(path));
    e = attempt();
  }
  if (e == platform::OpenError::Busy) return Result::AlreadyRunning;
  if (e != platform::OpenError::None) return Result::Failed;
  path_ = path;
  return Result::Created;
}

void StartupMarker::release() {
  if (!file_.isOpen()) return;
  file_.close();
  platform::removeFile(path_);
  path_.clear();
}

}  // namespace zefir::shell
