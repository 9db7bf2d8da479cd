#include "shell/desktop_files.h"

#include <functional>

#include "platform/file_system.h"
#include "platform/shared_file.h"
#include "platform/status_line.h"
#include "text/codepage.h"

namespace zefir::shell {

bool fileExists(std::string_view path, int flags) {
  const bool present = platform::exists(path);
  if (!present && (flags & kSayWhenMissing))
    showStatus("Nie ma " + std::string(path), StatusKind::Error);
  if (present && (flags & kSayWhenPresent))
    showStatus("0becny " + std::string(path), StatusKind::Error);
  return present;
}

std::string backupPath(std::string_view path) {
  const std::size_t name = path.find_last_of("/\\");
  const std::size_t dot = path.find_last_of('.');
  const bool hasExtension =
      dot != std::string_view::npos && (name == std::string_view::npos || dot > name);
  return std::string(hasExtension ? path.substr(0, dot) : path) + ".BAK";
}

namespace {

// Nobody else has the file open (its sharing allows us to take it).
bool free(std::string_view path) {
  platform::SharedFile probe;
  return probe.open(path, platform::ShareMode::Exclusive) != platform::OpenError::Busy;
}

// Up to 5 attempts; `repeated` is set when one failed.
bool tryFiveTimes(const std::function<bool()>& attempt, bool& repeated) {
  for (int i = 0; i < 5; ++i) {
    if (attempt()) return true;
    repeated = true;
    platform::sleepMs(platform::randomInt(1, 99));
  }
  return false;
}

}  // namespace

bool backupByRenaming(std::string_view path) {
  const std::string backup = backupPath(path);
  bool repeated = false;
  if (platform::exists(backup) &&
      !tryFiveTimes([&] { return free(backup) && platform::removeFile(backup); }, repeated))
    return false;
  const bool renamed =
      tryFiveTimes([&] { return free(path) && platform::renameFile(path, backup); }, repeated);
  if (renamed && repeated) showStatus(text::fromUtf8("Poszło"), StatusKind::Notice);
  return renamed;
}

}  // namespace zefir::shell
