#include "shell/shell_state.h"

namespace zefir::shell {

ShellState& shellState() {
  static ShellState state;
  return state;
}

MenuOption optionToRun(const MenuOption& chosen, int mode) {
  if (mode != kModeLoginPending) return chosen;
  MenuOption login;
  login.slot = 1;
  login.code = "LHa";
  login.title = "logowanie -";
  return login;
}

}  // namespace zefir::shell
