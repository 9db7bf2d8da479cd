// The login page's Go on the desktop's side: the login marker replaces the
// marker of the wait, the workstation's settings are read and the base loaded.
#include <QTimer>

#include "shell/gui/desktop_window.h"
#include "shell/login.h"
#include "shell/shell_state.h"

namespace zefir::gui {

using shell::shellState;

bool TFPulpit::logIn(std::string_view login, std::string_view password, std::string* message) {
  shell::ShellState& s = shellState();
  s.start.mode = shell::kModeLoginPending;
  s.baseFolder.clear();
  s.baseName = "Srodki";
  const shell::LoginOutcome outcome = shell::checkLogin(shell::kLoginFile, login, password);
  *message = outcome.message;
  if (!outcome.ok) return false;
  const std::string waiting = marker_.path();
  marker_.release();
  if (Status entered = shell::enterWorkstation(outcome, marker_); !entered.ok()) {
    *message = entered.message();
    if (!waiting.empty()) (void)marker_.create(waiting);  // still waiting at the login page
    return false;
  }
  shell::applyLogin(outcome, s);
  s.markerCreated = true;
  marks_ = std::make_unique<shell::TableMarks>(shell::kWorkstationTable, s.start.workstation);
  setWorkstationMarks(marks_.get());
  const shell::BaseLocation base{outcome.baseFolder, outcome.baseName, {}};
  QTimer::singleShot(0, this, [this, base] { afterLogin(base); });
  return true;
}

void TFPulpit::afterLogin(const shell::BaseLocation& base) {
  readRegisters(&base);
  // The table shows which base this workstation works on.
  if (marks_) marks_->markName('!', shellState().mainBaseFile());
  loadWithPanel();
  requestWindow(3, 1);
}

}  // namespace zefir::gui
