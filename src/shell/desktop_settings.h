// The settings the desktop reads at start and writes back at close, kept in
// the program register and the base register.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "register/asset_record.h"
#include "shell/settings_register.h"
#include "shell/shell_state.h"

namespace zefir::shell {

// This run's two registers: the program register `#\Zefir.BAL` and the base
// register in the base folder.
struct DesktopRegisters {
  SettingsRegister program;
  SettingsRegister base;
};
DesktopRegisters& desktopRegisters();

// Settings kept as read (over their defaults) and written back at close.
struct CarriedSetting {
  RegisterKind kind;
  const char* key;
};
const std::vector<CarriedSetting>& carriedSettings();

struct DesktopSettings {
  std::map<std::string, std::string> values;  // carried values by key
  std::string dirxFolder;                     // `DirxBaza` field 1 as read
  bool hasDesktopPosition = false;
  int left = 5, top = 5, width = 0, height = 0;  // `PulpitLT`, `PulpitWH` (0: none)
};

// `DatyBOBZ` after the report dates the user last gave (the parameter fields
// `DaOd` and `DaDo`, 0 when not given): a `DaOd` on 1 January becomes the
// opening date, one on 2 January makes the day before it the opening date, a
// `DaDo` on 31 December becomes the closing date.
std::string adjustedReportDates(std::string_view datyBOBZ, DayNumber daOd, DayNumber daDo);

// Loads both registers for the state's workstation suffix and reads the base
// folder and name (`DirxBaza`, `sDirBaza`), `Dla kogo`, the window font, the
// desktop's position and the carried settings. A missing or locked register
// reads as its defaults. After a login, `loginBase` (the login file's base
// folder and name) stands in for the program register's.
void readStartSettings(DesktopRegisters& registers, ShellState& state, DesktopSettings& out,
                       const BaseLocation* loginBase = nullptr);
// Writes them back, one rewrite per register: the carried settings,
// `Dla kogo`, `DirxBaza`, `PulpitLT`, `PulpitWH`. Nothing while the suffix is empty.
void writeCloseSettings(DesktopRegisters& registers, const ShellState& state,
                        const DesktopSettings& settings, int left, int top, int width, int height);

}  // namespace zefir::shell
