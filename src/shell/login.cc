#include "shell/login.h"

#include "platform/file_system.h"
#include "platform/open_retry.h"
#include "platform/paths.h"
#include "platform/status_line.h"
#include "shell/shell_state.h"
#include "shell/start_mode.h"
#include "shell/workstation_table.h"
#include "text/codepage.h"

namespace zefir::shell {

namespace {

void reportOpenLoginFile(const std::string& path) {
  static bool reported = false;
  if (reported || !platform::readableByOthers(path)) return;
  reported = true;
  showStatus(text::fromUtf8("Plik !\\Login.txt mogą czytać inni użytkownicy systemu"),
             StatusKind::Error);
}

}  // namespace

LoginOutcome checkLogin(const std::string& loginFilePath, std::string_view login,
                        std::string_view password, int failureDelayMs) {
  LoginOutcome out;
  out.message = text::fromUtf8("Błąd odczytu !\\Login.txt");
  if (!platform::exists(loginFilePath)) return out;
  platform::SharedFile file;
  if (!platform::openWithRetry(file, loginFilePath, platform::ShareMode::ReadDenyWrite,
                               platform::Creation::OpenExisting, "aZestaw:Nadzor"))
    return out;
  reportOpenLoginFile(loginFilePath);
  if (static_cast<std::uint64_t>(file.size()) > platform::kMaxWholeFileBytes) return out;
  std::string content(static_cast<std::size_t>(file.size()), '\0');
  content.resize(file.readAt(0, content.data(), content.size()));
  file.close();
  const auto entry = findLogin(content, login);
  if (!entry || !passwordMatches(entry->password, password)) {
    platform::sleepMs(failureDelayMs);
    out.message = text::fromUtf8("Zły login lub hasło");
    return out;
  }
  out.ok = true;
  out.message = text::fromUtf8("Za chwilę dalszy ciąg programu ...");
  out.entry = *entry;
  out.suffix = workstationSuffix(entry->workstation);
  if (!entry->baseFolder.empty()) out.baseFolder = entry->baseFolder + "/";
  if (!entry->baseName.empty()) out.baseName = entry->baseName;
  return out;
}

std::string loginMarkerPath(const std::string& baseFolder, const std::string& suffix) {
  return "!/" + baseFolder + "Prac-Zefir" + suffix;
}

Status enterWorkstation(const LoginOutcome& login, StartupMarker& marker) {
  if (!login.baseFolder.empty()) platform::createFolder(login.baseFolder);
  const WorkingWorkstations working = countWorkingWorkstations(markerFolder(login.baseFolder));
  if (Status s = clearIdleWorkstations(kWorkstationTable, working); !s.ok()) return s;
  showStatus("Stanowisk pracuje: " + std::to_string(working.count), StatusKind::Information);
  platform::createFolder(markerFolder(login.baseFolder));
  const std::string path = loginMarkerPath(login.baseFolder, login.suffix);
  if (platform::exists(path)) {
    // Not seen by the count: one that opens was left by a crashed workstation.
    platform::SharedFile stale;
    if (stale.open(path, platform::ShareMode::Exclusive) == platform::OpenError::None) {
      stale.close();
      platform::removeFile(path);
    }
  }
  const std::string running = text::fromUtf8("Stanowisko ") + login.suffix + " pracuje";
  switch (marker.create(path)) {
    case StartupMarker::Result::Created: {
      // A fresh record for this workstation, naming its marker.
      TableMarks marks(kWorkstationTable, login.entry.workstation);
      marks.markName('?', "");
      if (marks.markName('!', path)) return Status::Ok();
      marker.release();
      return Status::Error(text::fromUtf8("Zły login lub hasło"));
    }
    case StartupMarker::Result::AlreadyRunning:
      return Status::Error(running);
    case StartupMarker::Result::Failed:
      break;
  }
  return Status::Error(text::fromUtf8("Nie mogę założyć ") + path);
}

void applyLogin(const LoginOutcome& login, ShellState& state) {
  StartMode& m = state.start;
  m.mode = login.entry.workstation;
  m.workstation = login.entry.workstation;
  m.suffix = login.suffix;
  m.rights = login.entry.rights;
  m.network = true;
  state.baseFolder = login.baseFolder;
  state.baseName = login.baseName;
}

}  // namespace zefir::shell
