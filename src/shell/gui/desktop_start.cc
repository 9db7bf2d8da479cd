// The desktop's start: initialisation from the timer, settings, placing the
// windows, the workstation marker and the base load with the loading panel.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStatusBar>
#include <QThread>
#include <random>

#include "dialogs/answer_dialog.h"
#include "output/gui/font_lookup.h"
#include "output/report_settings.h"
#include "platform/file_system.h"
#include "shell/base_loading.h"
#include "shell/desktop_rules.h"
#include "shell/gui/desktop_window.h"
#include "shell/gui/menu_window.h"
#include "shell/shell_state.h"
#include "shell/temp_folder.h"
#include "shell/window_area.h"
#include "shell/window_slots.h"
#include "text/codepage.h"

namespace zefir::gui {

using shell::shellState;

namespace {

// The frame a window inside the desktop moves and hides with.
QWidget* frameOf(QWidget* window) {
  return qobject_cast<QMdiSubWindow*>(window->parentWidget()) ? window->parentWidget() : window;
}

}  // namespace

void TFPulpit::initialise() {
  shell::ShellState& s = shellState();
  statusBar()->setFixedHeight(statusBarHeight(shell::kIdleStatusBarHeight));
  s.programFolder = QDir::currentPath().toStdString();
  s.windows.clear();
  readSettings();
  if (s.tempFolder.empty()) {  // no temporary folder: the desktop closes
    needs_confirm_ = false;
    close();
    return;
  }
  requestWindow(3, 1);
  countAndMark();
  if (!marker_.held()) return;
  if (!s.start.suffix.empty()) loadWithPanel();
}

void TFPulpit::readSettings() {
  shell::ShellState& s = shellState();
  s.start = shell::startModeFrom(first_argument_.toStdString(), platform::exists("!/Login.txt"));
  readRegisters();
}

void TFPulpit::readRegisters(const shell::BaseLocation* loginBase) {
  shell::ShellState& s = shellState();
  shell::readStartSettings(shell::desktopRegisters(), s, settings_, loginBase);
  output::readReportSettings(shell::desktopRegisters().program, shell::desktopRegisters().base,
                             output::reportContext());
  output::reportContext().baseFolder = s.baseFolder;
  applyWindowFont();
  placeDesktop();
  s.tempFolder = shell::chooseTemporaryFolder(s.start.suffix).value_or("");
  // The audit file's body sections are prepared in the temporary folder,
  // named by the section and this workstation's suffix.
  if (!s.tempFolder.empty()) {
    output::reportContext().sectionPrefix = s.tempFolder + "\\";
    output::reportContext().sectionSuffix = s.start.suffix;
  }
  setWindowTitle(qtText("  Zefir " + s.organisation + " "));
}

void TFPulpit::applyWindowFont() {
  const shell::WindowFont& wf = shellState().windowFont;
  // Systems without the stored font get a fixed-pitch font with Polish letters.
  const QFont f = output::settingsFont(wf.font, wf.style, wf.size);
  setFont(f);
  statusBar()->setFixedHeight(statusBarHeight(shell::kIdleStatusBarHeight));
  if (menu_) menu_->applyFont(f, wf.compact());
  if (answer_) answer_->setFont(f);
}

void TFPulpit::placeDesktop() {
  const shell::ShellState& s = shellState();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  QRect r;
  if (s.start.mode == shell::kModeLoginStart) {
    r = QRect(screen.width() / 5, screen.height() / 5, screen.width() * 3 / 5,
              screen.height() * 3 / 5);
  } else if (s.start.mode == shell::kModeTest) {
    r = QRect(-222, 0, 222, 0);
    setWindowTitle(QStringLiteral(" Zefir - test bazy danych"));
  } else {
    if (s.windowFont.compact()) {
      const shell::Rgb c = shell::idleColour(true);
      setStatusColour(c.r, c.g, c.b);
    }
    const int left = settings_.hasDesktopPosition ? settings_.left : 5;
    const int top = settings_.hasDesktopPosition ? settings_.top : 5;
    const int width = settings_.width > 0 ? settings_.width : screen.width() - 10;
    const int height = settings_.height > 0 ? settings_.height : screen.height() - 30;
    r = QRect(left, top, width, height);
  }
  // Whatever the mode or the saved position, the whole window frame lies in
  // the screen's available area (the test start included).
  const QRect frame = frameGeometry();
  const QRect inner = geometry();
  const QMargins m(inner.left() - frame.left(), inner.top() - frame.top(),
                   frame.right() - inner.right(), frame.bottom() - inner.bottom());
  const shell::Rect fitted =
      shell::insideArea({r.left() - m.left(), r.top() - m.top(), r.width() + m.left() + m.right(),
                         r.height() + m.top() + m.bottom()},
                        {screen.left(), screen.top(), screen.width(), screen.height()});
  r = QRect(fitted.left + m.left(), fitted.top + m.top(), fitted.width - m.left() - m.right(),
            fitted.height - m.top() - m.bottom());
  setGeometry(r);
  placement_text_ = "Okno: " + std::to_string(r.left()) + "," + std::to_string(r.top()) + " " +
                    std::to_string(r.width()) + "x" + std::to_string(r.height());
}

void TFPulpit::countAndMark() {
  shell::ShellState& s = shellState();
  const auto working = shell::countWorkingWorkstations(shell::markerFolder(s.baseFolder));
  if (s.start.network) {
    if (Status st = shell::clearIdleWorkstations(shell::kWorkstationTable, working); !st.ok()) {
      stop(st.message());
      return;
    }
    show("Stanowisk pracuje: " + std::to_string(working.count), StatusKind::Information);
  }
  // Workstations waiting at the login page each hold their own marker.
  const std::string path =
      s.start.suffix.empty()
          ? shell::waitingMarkerPath(s.baseFolder, QCoreApplication::applicationPid())
          : shell::markerPath(s.baseFolder, s.start.suffix, s.start.network);
  if (marker_.create(path) == shell::StartupMarker::Result::AlreadyRunning) {
    stop(text::fromUtf8("Próbujesz uruchomić program ponownie ?"));
    return;
  }
  s.markerCreated = marker_.held();
  // With network work on, the base's reads and writes are marked in the table.
  if (s.markerCreated && s.start.network) {
    marks_ = std::make_unique<shell::TableMarks>(shell::kWorkstationTable, s.start.workstation);
    setWorkstationMarks(marks_.get());
  }
}

void TFPulpit::loadWithPanel() {
  runWithPanel(QString::fromUtf8("Proszę czekać, wczytuję bazę danych"), [this] {
    shell::loadDesktopBase([this](std::string_view caption) { setWindowTitle(qtText(caption)); });
  });
}

void TFPulpit::showRightsPanel() {
  runWithPanel(QString::fromUtf8("Obsługa tej opcji wymaga wyższych uprawnień"), [] {
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < 3777)
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
  });
}

void TFPulpit::runWithPanel(const QString& text, const std::function<void()>& work) {
  const shell::ShellState& s = shellState();
  if (s.start.mode == shell::kModeTest) {
    setWindowTitle(QStringLiteral(" Zefir - test bazy danych"));
    return;
  }
  setWindowTitle(qtText(shell::loadingCaption(s.mainBaseFile(), "", s.start.suffix, placement_text_,
                                              s.rememberedBaseFolder, s.baseFolder)));
  loading_panel_->setFont(font());
  loading_panel_->setText(text);
  loading_panel_->show();
  layOutPanels();
  loading_panel_->raise();
  loading_panel_->repaint();
  menu_enabled_ = false;
  if (menu_) menu_->setListEnabled(false);
  QElapsedTimer clock;
  clock.start();
  work();
  menu_enabled_ = true;
  if (menu_) menu_->setListEnabled(true);
  const double seconds = clock.elapsed() / 1000.0;
  if (seconds > 0.01)
    show(shell::loadTimeText(shellState().lastStatusText, seconds), StatusKind::Information);
  if (!s.markerCreated && clock.elapsed() < 777) QThread::msleep(777 - clock.elapsed());
  loading_panel_->hide();
}

void TFPulpit::openWindow(shell::WindowKind kind, int slot, int value) {
  if (kind == shell::WindowKind::Menu) {
    if (menu_) menu_->showMenu(value);
    return;
  }
  QWidget* w = windows_.at(static_cast<int>(kind));
  if (!w) return;
  // Every window the timer opens has a slot openFor(int slot, int value).
  w->setProperty("zefirSlot", slot);
  w->setProperty("zefirValue", value);
  QMetaObject::invokeMethod(w, "openFor", Q_ARG(int, slot), Q_ARG(int, value));
}

void TFPulpit::showWindow(int slot, QWidget* window) {
  QWidget* frame = frameOf(window);
  frame->show();
  window->show();
  if (frame != window) frame->adjustSize();  // the frame follows the window's own size
  frame->raise();
  if (auto* sub = qobject_cast<QMdiSubWindow*>(frame)) mdi_->setActiveSubWindow(sub);
  window->setFocus();
  shellState().windows.noteShown(slot);
}

void TFPulpit::hideWindow(int slot, QWidget* window, bool thenMenu) {
  QWidget* frame = frameOf(window);
  int left = frame->x();
  int top = frame->y();
  if (shellState().windows.noteHidden(slot, left, top)) {
    const std::string name = shell::slotName(slot);
    if (!name.empty())
      (void)shell::desktopRegisters().program.set(name + "LT",
                                                  std::to_string(left) + ";" + std::to_string(top));
  }
  frame->hide();
  if (thenMenu) requestWindow(3, 2);
}

void TFPulpit::placeWindow(const std::string& name, QWidget* window, int left, int top) {
  QWidget* frame = frameOf(window);
  static std::minstd_rand random(12345);
  const shell::SettingValue saved = shell::desktopRegisters().program.stored(name + "LT");
  const shell::Point p = shell::placeWindow({left, top}, {40, 40}, static_cast<int>(random() % 7),
                                            !saved.empty(), {saved.number(1), saved.number(2)});
  frame->move(p.x, p.y);
  const int slot = shell::slotOfName(name);
  if (slot >= 0) {
    shellState().windows[slot].left = p.x;
    shellState().windows[slot].top = p.y;
  }
}

}  // namespace zefir::gui
