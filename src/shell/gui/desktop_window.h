// The desktop window (TFPulpit): the program's main window and scheduler. It
// holds the status bar with the status line, the clock label and the close
// button, the loading panel and the field-key popup, owns the one timer of
// the program and is the frame the other windows live in.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "output/gui/qt_text.h"
#include "platform/status_line.h"
#include "shell/desktop_services.h"
#include "shell/desktop_settings.h"
#include "shell/desktop_timer.h"
#include "shell/workstation_table.h"
#include "shell/workstations.h"

class QLabel;
class QListWidget;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QFrame;
class QPushButton;

namespace zefir::gui {

class TFOdpowi;
class TFMen;

class TFPulpit : public QMainWindow,
                 public shell::DesktopHost,
                 public StatusLine,
                 public DesktopServices {
  Q_OBJECT

 public:
  // `firstArgument` is the program's first argument ("" when none).
  explicit TFPulpit(const QString& firstArgument, QWidget* parent = nullptr);
  ~TFPulpit() override;

  // Windows the timer opens, set by the main program as it creates them.
  void setAnswerDialog(TFOdpowi* dialog) { answer_ = dialog; }
  void setMenuWindow(TFMen* menu) { menu_ = menu; }
  void setWindow(shell::WindowKind kind, QWidget* window);
  // Puts a window inside the desktop (hidden); returns its frame.
  QMdiSubWindow* addWindow(QWidget* window);

  // Window requests, showing, hiding and placing windows.
  void requestWindow(int slot, int value) override;
  void showWindow(int slot, QWidget* window);
  void hideWindow(int slot, QWidget* window, bool thenMenu);
  void placeWindow(const std::string& name, QWidget* window, int left, int top);

  // "Czy już koniec pracy": yes closes the desktop, no brings the menu back.
  void ending();
  // Closes without the question (settings written back unless the start was
  // refused, the marker released), then starts `program` with this program's
  // arguments: an update hands over to the new program file this way.
  void endForProgram(const QString& program);
  void clearStatus();
  // The loading panel saying "Obsługa tej opcji wymaga wyższych uprawnień"
  // for 3777 ms while the windows keep painting.
  void showRightsPanel();
  // The menu's activation: this workstation's user name is cleared in the table.
  void menuActivated() {
    if (marks_) marks_->markName('$', "");
  }

  const shell::DesktopTimer& timerState() const { return ticks_; }
  int timerInterval() const { return ticks_.interval(); }
  bool menuEnabled() const { return menu_enabled_; }
  QLabel* statusPanel() const { return status_panel_; }
  QLabel* clockLabel() const { return clock_; }
  QLabel* loadingPanel() const { return loading_panel_; }
  QMenu* fieldKeysMenu() const { return field_keys_; }
  QListWidget* errorReportList() const { return report_list_; }
  TFOdpowi* answerDialog() const { return answer_; }
  // The settings written back at close (a settings page updates them).
  shell::DesktopSettings& carriedSettings() { return settings_; }
  // How a stop with a message ends the program (a message box, then quit).
  void setStopHandler(std::function<void(const QString&)> handler) { stop_ = std::move(handler); }
  // How endForProgram hands over once the desktop is closed: by default it
  // starts the program file ("" none) and quits.
  void setHandOver(std::function<void(const QString&)> handOver) {
    hand_over_ = std::move(handOver);
  }
  // Runs one tick at once (tests drive the timer this way).
  void tickNow();

  // StatusLine
  using QMainWindow::show;
  void show(std::string_view text, StatusKind kind) override;
  // DesktopServices
  Answer ask(std::string_view question, char defaultAnswer) override;
  void progress(std::string_view text) override;
  void stop(std::string_view text) override;
  bool logIn(std::string_view login, std::string_view password, std::string* message) override;
  // DesktopHost
  void everyTick() override;
  void checkProgramName() override;
  void initialise() override;
  bool menuListEnabled() const override { return menu_enabled_; }
  bool mayOpenOptions() const override;
  void openWindow(shell::WindowKind kind, int slot, int value) override;
  void idleWatch() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildStatusBar();
  void buildClosePanel();
  void layOutPanels();
  void readSettings();
  // The registers and what follows from them; after a login with its base.
  void readRegisters(const shell::BaseLocation* loginBase = nullptr);
  // After the login page closed: the settings again, the base and the menu.
  void afterLogin(const shell::BaseLocation& base);
  void applyWindowFont();
  void placeDesktop();
  void countAndMark();
  void loadWithPanel();
  void runWithPanel(const QString& text, const std::function<void()>& work);
  void writeSettingsBack();
  void saveErrorReport();
  void restartTimer();
  void setStatusColour(unsigned r, unsigned g, unsigned b);
  // The status bar's height for its nominal one (25 showing a text, 21 idle),
  // raised by what the status font needs so no letter is cut off.
  int statusBarHeight(int nominal) const;

  QMdiArea* mdi_ = nullptr;
  QLabel* status_panel_ = nullptr;
  QLabel* status_panel2_ = nullptr;
  QFrame* close_panel_ = nullptr;
  QLabel* clock_ = nullptr;
  QPushButton* close_button_ = nullptr;
  QFrame* strip_ = nullptr;
  QLabel* loading_panel_ = nullptr;
  QListWidget* report_list_ = nullptr;
  QMenu* field_keys_ = nullptr;
  TFOdpowi* answer_ = nullptr;
  TFMen* menu_ = nullptr;
  std::array<QPointer<QWidget>, 8> windows_{};  // by WindowKind

  QTimer timer_;
  shell::DesktopTimer ticks_;
  QString first_argument_;
  bool needs_confirm_ = true;
  bool menu_enabled_ = true;
  bool in_tick_ = false;
  bool stopping_ = false;
  bool closed_ = false;
  shell::DesktopSettings settings_;
  shell::StartupMarker marker_;
  std::unique_ptr<shell::TableMarks> marks_;
  std::string placement_text_;
  std::function<void(const QString&)> stop_;
  std::function<void(const QString&)> hand_over_;
};

// The desktop in force (nullptr before it is created).
TFPulpit* desktop();

using output::cpText;
using output::qtText;

}  // namespace zefir::gui
