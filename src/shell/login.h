// Logging in at the login page: the login file's check, then this
// workstation's login marker and its record in the workstation table.
#pragma once

#include <string>
#include <string_view>

#include "shell/login_file.h"
#include "shell/workstations.h"

namespace zefir::shell {

// A failed login is answered only after this wait, whatever was wrong, so
// neither timing nor wording tells a wrong login from a wrong password.
inline constexpr int kLoginFailureDelayMs = 1500;

struct LoginOutcome {
  bool ok = false;
  std::string message;  // shown on the Go button
  LoginEntry entry;
  std::string suffix;      // ".007"
  std::string baseFolder;  // field 5 with its separator, or empty
  std::string baseName = "Srodki";
};

// Reads the login file (shared for reading) and checks login and password.
// Failures: "Błąd odczytu !\Login.txt" when it cannot be read, otherwise
// "Zły login lub hasło" after `failureDelayMs`. A login file others may
// read is reported once in the status line.
LoginOutcome checkLogin(const std::string& loginFilePath, std::string_view login,
                        std::string_view password, int failureDelayMs = kLoginFailureDelayMs);

// `!/` + base folder + "Prac-Zefir" + suffix: not in the marker folder.
std::string loginMarkerPath(const std::string& baseFolder, const std::string& suffix);

// After a good check: counts the working workstations (clearing the table
// records of those gone), creates `Kosz/` + base folder and takes the login
// marker into `marker`; then clears this workstation's table record ("?")
// and marks the login marker there ("!"). A marker held by a running workstation refuses with
// "Stanowisko " + suffix + " pracuje"; one left by a crash is taken over.
Status enterWorkstation(const LoginOutcome& login, StartupMarker& marker);

struct ShellState;
// The workstation the login names becomes this run's: mode and number,
// suffix, rights letter, network work on, base folder and base name.
void applyLogin(const LoginOutcome& login, ShellState& state);

}  // namespace zefir::shell
