// The desktop's access to the settings register files.
#include "shell/desktop_settings.h"

namespace zefir::shell {

namespace {

// Until the register files are read, every setting reads as absent and
// nothing is written.
class NoSettings : public SettingsAccess {
 public:
  std::string read(Register, std::string_view) override { return {}; }
  void write(Register, std::string_view, std::string_view) override {}
};

NoSettings no_settings;
SettingsAccess* current_access = &no_settings;

}  // namespace

SettingsAccess& settingsAccess() { return *current_access; }
void setSettingsAccess(SettingsAccess* access) {
  current_access = access ? access : &no_settings;
}

}  // namespace zefir::shell
