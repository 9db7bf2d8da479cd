// The application shell's state shared by its windows: how the program was
// started, the folders, the current option and the settings the desktop
// reads at start and writes back at close.
#pragma once

#include <string>

#include "register/asset_record.h"

#include "platform/status_line.h"
#include "shell/menu_table.h"
#include "shell/start_mode.h"
#include "shell/window_slots.h"

namespace zefir::shell {

// The look of the program's windows (`KonOkien`).
struct WindowFont {
  std::string font = "c Consolas";
  std::string style = "Bold";
  int size = 11;
  bool compact() const { return style == "Bold" && size <= 10; }
};

struct ShellState {
  StartMode start;
  std::string programFolder;  // the current folder at start
  // The running program's file (set when the desktop is made): the first
  // tick's self-check looks at its name, the update downloads beside it.
  std::string programFile;
  // The base folder relative to the program folder, ending with its
  // separator, or empty for the program folder itself.
  std::string baseFolder;
  std::string rememberedBaseFolder;  // as read at start
  std::string baseName = "Srodki";
  std::string login;  // the user logged in at the login page; empty without one
  std::string mainBaseFile() const { return baseFolder + baseName + ".PST"; }
  std::string tempFolder;
  std::string organisation = "Zorza-Soft";  // `Dla kogo`
  WindowFont windowFont;
  MenuOption option;  // the option chosen last; the parameter-set dialog reads it
  // The report dates the user gave last (parameter fields `DaOd`, `DaDo`);
  // at close they adjust `DatyBOBZ`.
  DayNumber fieldDaOd = 0;
  DayNumber fieldDaDo = 0;
  int nextLeft = 0;  // suggested position of the next window (0, 0: none)
  int nextTop = 0;
  WindowTable windows;
  bool markerCreated = false;  // false while the program is still starting
  std::string lastStatusText;  // the status line's last text
  StatusKind lastStatusKind = StatusKind::Information;
};

ShellState& shellState();

// The option's window request: the option itself, or the login page while
// the login is pending (slot 1, no letters, "logowanie -").
MenuOption optionToRun(const MenuOption& chosen, int mode);

}  // namespace zefir::shell
