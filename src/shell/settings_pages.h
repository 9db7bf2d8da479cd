// The settings pages of the parameter-set dialog and the fields that keep
// their values in the settings registers: which register, key and field each
// such field reads and writes, the pages' own layouts, and storing a page.
//
// A stored value is in force at once: the register is rewritten, and the
// shell's state and the settings it writes back at close follow it, so the
// close does not put the old value back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "operations/operation_registry.h"
#include "operations/option_catalogue.h"
#include "shell/desktop_settings.h"
#include "shell/settings_register.h"
#include "shell/shell_state.h"

namespace zefir::shell {

// Where a field keeps its value: field `field` (1..9) of `key`.
struct FieldSetting {
  RegisterKind kind;
  std::string_view key;
  int field;
};

// The setting of a field code, or nullopt for a field the settings do not
// keep. `BazJ` is a setting only on the base pages (85, 86, 89).
std::optional<FieldSetting> fieldSetting(std::string_view code, int slot);

// The list key of the pick list F4 and F5 open on a settings field that has
// no catalogue entry ('F' fonts for `OkFo`, 'P' positions for `RaPo`, ...),
// -1 for a field without a list.
int settingsPickList(std::string_view code);

// True for the slots whose fields are the dialog's own settings pages.
bool isSettingsPage(int slot);
// The page's lines (empty for a slot that is no settings page).
std::vector<operations::LayoutLine> settingsPageLayout(int slot);

// The field's value as the registers hold it now (over the defaults); for
// the base name the state's base name, "" for a field without a setting.
std::string settingFieldText(const DesktopRegisters& registers, const ShellState& state,
                             std::string_view code, int slot);

// Stores every value of `values` that has a setting: one rewrite per
// register, each key's other fields kept. An empty base name stores
// "Srodki". Updates `state` (organisation, window font, base folder and
// name) and `carried` (the values written back at close; may be null).
Status storeSettingFields(const operations::FieldValues& values, int slot,
                          DesktopRegisters& registers, ShellState& state, DesktopSettings* carried);

}  // namespace zefir::shell
