// How this run was started: the mode code, the workstation suffix and the
// rights letter, worked out from the first program argument and whether the
// login file exists.
#pragma once

#include <string>
#include <string_view>

namespace zefir::shell {

// Mode codes besides the workstation numbers 1..197.
inline constexpr int kModeNoLogin = 220;       // no argument, no login file
inline constexpr int kModeLoginPending = 221;  // the login page is open
inline constexpr int kModeLoginStart = 222;    // no argument, the login file exists
inline constexpr int kModeTest = 223;          // "-o": the base-test start

struct StartMode {
  int mode = kModeLoginStart;
  // "." and three digits, ".xxx", or empty while a login is awaited. While it
  // is empty no setting is written and the base is not loaded.
  std::string suffix;
  char rights = 'A';
  bool network = false;       // workstation marker and table carry the number
  bool showProgress = false;  // "00": every progress message in the status line
  int workstation = 0;        // 1..197 when given, else 0

  // Loading the base is skipped in modes 221, 222 and 223.
  bool mayLoadBase() const { return mode <= kModeNoLogin && !suffix.empty(); }
  // The parameter-set dialog and the other windows open only for these letters.
  bool mayOpenOptions() const {
    return rights == 'A' || rights == 'K' || rights == 'F' || rights == 'O';
  }
};

// "." and the last three digits of 1000 + n (workstation 5 gives ".005").
std::string workstationSuffix(int workstation);

// The mode from the first argument ("" when there is none).
StartMode startModeFrom(std::string_view firstArgument, bool loginFileExists);

}  // namespace zefir::shell
