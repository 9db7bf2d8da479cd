// This workstation's start-up marker and the count of working workstations.
//
// A running workstation holds its marker `Kosz/` + base folder + "!Prac-ST"
// (+ the workstation suffix with network work on) open exclusively for the
// whole run. The lock goes with the process, so a marker that can be opened
// belongs to a workstation that crashed: the count deletes it.
#pragma once

#include <array>
#include <string>

#include "platform/shared_file.h"
#include "text/status.h"

namespace zefir::shell {

inline constexpr int kTableRecords = 200;
inline constexpr int kTableRecordSize = 250;
inline constexpr const char* kWorkstationTable = "!/!.!";

// "Kosz/" followed by the base folder (which ends with its separator, or is empty).
std::string markerFolder(const std::string& baseFolder);
std::string markerPath(const std::string& baseFolder, const std::string& suffix, bool network);
// The marker of a workstation waiting at the login page: its number is not
// known yet, so the name carries the process instead ("!Prac-ST.999-" and
// `process`); 999 is no workstation, so the count clears no table record
// for it, yet counts it as running.
std::string waitingMarkerPath(const std::string& baseFolder, long process);

struct WorkingWorkstations {
  int count = 0;
  std::array<bool, kTableRecords> working{};
};

// Tries every "!Prac*" marker of the folder: one that opens is closed and
// deleted; one held by a running workstation is counted, and the number in
// characters 10..12 of its name (below 200) noted as working.
WorkingWorkstations countWorkingWorkstations(const std::string& folder);

// Clears the records of the workstations not working in the table `tablePath`
// (200 records of 250 bytes; created all zero, with its folder, when missing).
// Refused with "Nie mogę założyć !\!.!" when it cannot be created.
Status clearIdleWorkstations(const std::string& tablePath, const WorkingWorkstations& working);

// The marker held for the whole run; deleted when released.
class StartupMarker {
 public:
  enum class Result { Created, AlreadyRunning, Failed };
  ~StartupMarker() { release(); }
  // Creates and holds the marker. When the first attempt fails for another
  // reason than a running holder, the folders are created and it is tried once more.
  Result create(const std::string& path);
  bool held() const { return file_.isOpen(); }
  const std::string& path() const { return path_; }
  // Closes and deletes the marker (nothing when not held).
  void release();

 private:
  platform::SharedFile file_;
  std::string path_;
};

}  // namespace zefir::shell
