// The settings the desktop reads at start and writes back at close.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "shell/shell_state.h"

namespace zefir::shell {

enum class Register { Program, Base };

// What the desktop needs of the settings registers: a value text (empty when
// absent) and writing one (a no-op while the workstation suffix is empty).
class SettingsAccess {
 public:
  virtual ~SettingsAccess() = default;
  virtual std::string read(Register reg, std::string_view key) = 0;
  virtual void write(Register reg, std::string_view key, std::string_view value) = 0;
};

// The register access in force (the settings register files).
SettingsAccess& settingsAccess();
void setSettingsAccess(SettingsAccess* access);  // nullptr restores the default

// The value's fields (up to 9, separated by ";").
std::vector<std::string> settingFields(std::string_view value);
// Field n (1..9) as an integer: its digits read as a number, 0 when none.
int settingNumber(const std::vector<std::string>& fields, int n);

// The settings kept as read and written back unchanged at close unless
// another part changed them: key and register.
struct CarriedSetting {
  Register reg;
  const char* key;
};
const std::vector<CarriedSetting>& carriedSettings();

struct DesktopSettings {
  std::map<std::string, std::string> values;  // carried values by key
  std::string dirxFolder;                     // `DirxBaza` field 1 as read
  bool hasDesktopPosition = false;
  int left = 5, top = 5, width = 0, height = 0;  // `PulpitLT`, `PulpitWH` (0: none)
};

// Reads the base folder and name (`DirxBaza`, `sDirBaza`), `Dla kogo`, the
// window font and the carried settings into `state` and `out`.
void readStartSettings(SettingsAccess& access, ShellState& state, DesktopSettings& out);
// Writes them back: the carried settings, `DirxBaza`, `PulpitLT`, `PulpitWH`.
void writeCloseSettings(SettingsAccess& access, const ShellState& state,
                        const DesktopSettings& settings, int left, int top, int width, int height);

// Reduces doubled backslashes (and slashes) to one and makes the folder end
// with its separator (empty stays empty).
std::string normalBaseFolder(std::string_view folder);

}  // namespace zefir::shell
