#include "shell/base_loading.h"

#include <memory>
#include <utility>

#include "shell/desktop_services.h"
#include "shell/shell_state.h"

namespace zefir::shell {

namespace {

std::unique_ptr<BaseJournal>& journalSlot() {
  static std::unique_ptr<BaseJournal> journal = std::make_unique<BaseJournal>();
  return journal;
}

}  // namespace

AssetRegister& desktopRegister() {
  static AssetRegister reg;
  return reg;
}

BaseJournal& desktopJournal() {
  return *journalSlot();
}

void loadDesktopBase(std::function<void(std::string_view)> onCaption) {
  const ShellState& s = shellState();
  if (!s.start.mayLoadBase()) return;
  // A journal per base file: its read position belongs to that file.
  if (journalSlot()->path() != s.mainBaseFile())
    journalSlot() = std::make_unique<BaseJournal>(s.mainBaseFile());
  BaseJournal& journal = *journalSlot();
  journal.setWorkstationSuffix(s.start.suffix);
  journal.setClockProbe("!\\Tmp" + s.start.suffix);
  journal.onBeforeLoad = [path = s.mainBaseFile()] { progressMessage(path); };
  journal.onCaption = std::move(onCaption);
  (void)journal.load(desktopRegister());  // a locked base has shown its message
}

}  // namespace zefir::shell
