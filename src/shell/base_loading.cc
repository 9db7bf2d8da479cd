#include "shell/base_loading.h"

#include <string>

#include "shell/shell_state.h"
#include "shell/status_line.h"
#include "text/codepage.h"

namespace zefir::shell {

AssetRegister& desktopRegister() {
  static AssetRegister reg;
  return reg;
}

void loadDesktopBase() {
  const ShellState& s = shellState();
  if (!s.start.mayLoadBase()) return;
  AssetRegister& reg = desktopRegister();
  reg.clear();
  showStatus(text::fromUtf8("Środków: ") + std::to_string(reg.assetCount()),
             StatusKind::Information);
}

}  // namespace zefir::shell
