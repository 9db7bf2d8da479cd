// The desktop's idle watch and its ending: "Czy już koniec pracy", the
// settings written back and the marker deleted.
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include "dialogs/answer_dialog.h"
#include "shell/desktop_rules.h"
#include "shell/gui/desktop_window.h"
#include "shell/gui/menu_window.h"
#include "shell/shell_state.h"
#include "text/codepage.h"

namespace zefir::gui {

using shell::shellState;

void TFPulpit::ending() {
  show(text::fromUtf8("Zefir 1.19 - Zorza-Soft, środki trwałe"), StatusKind::Notice);
  if (ask(text::fromUtf8("Czy już koniec pracy"), 'N') == Answer::Yes) {
    needs_confirm_ = false;
    close();
    return;
  }
  ticks_.requestDue(3, 2);
  if (!in_tick_) restartTimer();
}

void TFPulpit::idleWatch() {
  shell::ShellState& s = shellState();
  if (statusBar()->height() > statusBarHeight(shell::kIdleStatusBarHeight)) {
    statusBar()->setFixedHeight(statusBar()->height() - 1);
  } else {
    const shell::Rgb c = shell::idleColour(s.windowFont.compact());
    setStatusColour(c.r, c.g, c.b);
  }
  const auto message = shell::takeAdminMessage(s.start.suffix);
  if (!message || message->empty()) return;
  show(*message, StatusKind::Error);
  if (*message == "Logout") {
    if (answer_ && answer_->answer() < 0) answer_->answerYes();
    QTimer::singleShot(0, this, [this] { close(); });
  } else if (message->find('!') != std::string::npos) {
    // Asked after the tick, so the timer keeps watching while it is open.
    QTimer::singleShot(0, this, [this] { ask(text::fromUtf8("Byłoby miło"), 'T'); });
  }
}

void TFPulpit::closeEvent(QCloseEvent* event) {
  if (needs_confirm_) {
    event->ignore();
    QTimer::singleShot(0, this, [this] { ending(); });
    return;
  }
  if (!stopping_) writeSettingsBack();
  if (marks_) {
    marks_->markName('!', "");  // this workstation no longer works on a file
    setWorkstationMarks(nullptr);
    marks_.reset();
  }
  marker_.release();
  shellState().markerCreated = false;
  closed_ = true;
  timer_.stop();
  event->accept();
  QCoreApplication::quit();
}

void TFPulpit::writeSettingsBack() {
  const shell::ShellState& s = shellState();
  if (s.start.suffix.empty()) return;  // nothing is written until a login names the workstation
  shell::writeCloseSettings(shell::desktopRegisters(), s, settings_, x(), y(), width(), height());
  // Windows still open save their positions as they hide.
  if (menu_ && menu_->isVisible()) hideWindow(3, menu_, false);
  for (int kind = 0; kind < static_cast<int>(windows_.size()); ++kind) {
    QWidget* w = windows_[kind];
    const QVariant slot = w ? w->property("zefirSlot") : QVariant();
    if (w && w->isVisible() && slot.isValid() && slot.toInt() >= 3 && slot.toInt() <= 8)
      hideWindow(slot.toInt(), w, false);
  }
}

}  // namespace zefir::gui
