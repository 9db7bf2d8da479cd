// Unhandled exceptions reach the status line as errors and the program goes
// on; failed assertions go to the error log; the error-report list is saved
// to a dated file.
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTest>
#include <stdexcept>

#include "../shell_test_folder.h"
#include "platform/assertion.h"
#include "platform/file_system.h"
#include "platform/shared_file.h"
#include "shell/gui/desktop_window.h"
#include "shell/gui/menu_window.h"
#include "shell/gui/zefir_application.h"
#include "shell/gui/zefir_main_windows.h"
#include "shell/shell_state.h"
#include "text/codepage.h"

using namespace zefir;
using zefir::shell::testing::ProgramFolder;

namespace {

class Thrower : public QObject {
 public:
  std::function<void()> toThrow;
  int handled = 0;
  bool event(QEvent* e) override {
    if (e->type() != QEvent::User) return QObject::event(e);
    ++handled;
    toThrow();
    return true;
  }
};

}  // namespace

class ExceptionHandlerTest : public QObject {
  Q_OBJECT

 private slots:
  void exceptionMessageGoesToTheStatusLineAndWorkGoesOn() {
    gui::TFPulpit desktop("");
    Thrower t;
    t.toThrow = [] { throw std::runtime_error(text::fromUtf8("Błąd zapisu Srodki.PST")); };
    QEvent e(QEvent::User);
    QCoreApplication::sendEvent(&t, &e);
    QCOMPARE(shell::shellState().lastStatusText, text::fromUtf8("Błąd zapisu Srodki.PST"));
    QCOMPARE(shell::shellState().lastStatusKind, StatusKind::Error);
    QCOMPARE(desktop.statusPanel()->text(), QString::fromUtf8(" Błąd zapisu Srodki.PST"));

    t.toThrow = [] { throw platform::IoError{"Dysk pełny"}; };
    QCoreApplication::sendEvent(&t, &e);
    QCOMPARE(shell::shellState().lastStatusText, std::string("Dysk pełny"));
    QCOMPARE(t.handled, 2);  // the second event was still delivered
  }

  void emptyMessageClearsTheTextButColoursAsAnError() {
    gui::TFPulpit desktop("");
    showStatus("Poprzedni", StatusKind::Information);
    Thrower t;
    t.toThrow = [] { throw 42; };
    QEvent e(QEvent::User);
    QCoreApplication::sendEvent(&t, &e);
    QCOMPARE(shell::shellState().lastStatusText, std::string());
    QCOMPARE(desktop.statusBar()->palette().color(QPalette::Window), QColor(0xFF, 0xBB, 0x77));
  }

  void assertionsAppendToTheLogAndAnUnwritableLogIsAnError() {
    ProgramFolder folder;
    gui::TFPulpit desktop("");
    ZEFIR_ASSERT(false, text::fromUtf8("Celowe wystąpienie błędu"));  // no "#" folder yet
    QCOMPARE(shell::shellState().lastStatusKind, StatusKind::Error);
    QVERIFY(shell::shellState().lastStatusText.find("Zefir.BAD") != std::string::npos);

    std::filesystem::create_directory("#");
    ProgramFolder::write("#/Zefir.BAD", "stare\r\n");
    ZEFIR_ASSERT(false, text::fromUtf8("Celowe wystąpienie błędu"));
    ZEFIR_ASSERT(false, "drugi");
    const std::string log = ProgramFolder::read("#/Zefir.BAD");
    QVERIFY(log.rfind("stare\r\n  exception_handler_test.cc  linia : ", 0) == 0);
    QVERIFY(log.find(text::fromUtf8("  błąd : Celowe wystąpienie błędu\r\n")) != std::string::npos);
    QVERIFY(log.find(text::fromUtf8("  błąd : drugi\r\n")) != std::string::npos);
  }

  void errorReportListIsSavedByDoubleClickingTheStrip() {
    ProgramFolder folder;
    gui::TFPulpit desktop("");
    desktop.show();
    QCOMPARE(desktop.errorReportList()->count(), 10);
    QVERIFY(!desktop.errorReportList()->isVisible());
    QWidget* strip = nullptr;
    for (QFrame* f : desktop.findChildren<QFrame*>())
      if (f->frameShape() == QFrame::VLine) strip = f;
    QVERIFY(strip);
    QTest::mouseDClick(strip, Qt::LeftButton);
    int logs = 0;
    for (const auto& entry : std::filesystem::directory_iterator("."))
      if (entry.path().extension() == ".LOG") {
        ++logs;
        QCOMPARE(ProgramFolder::read(entry.path().string()), [] {
          std::string s;
          for (int i = 0; i < 10; ++i) s += "...\r\n";
          return s;
        }());
        QVERIFY(entry.path().filename().string().rfind("20", 0) == 0);
      }
    QCOMPARE(logs, 1);
  }

  void exceptionInATickLeavesTheTimerRunning() {
    ProgramFolder folder;
    shell::shellState() = shell::ShellState();
    ProgramFolder::write("!/!.!", std::string(50000, '\0'));
    gui::DesktopWindows w("11");
    w.desktop->show();
    {
      // Every write fails while the first ticks run: the workstation table's
      // write throws out of the initialisation.
      platform::RestoreSystemCalls restore;
      platform::systemCalls().pwrite = [](int, const void*, std::size_t, long long, int* error) {
        *error = 5;  // EIO
        return -1LL;
      };
      QTRY_VERIFY_WITH_TIMEOUT(shell::shellState().lastStatusKind == StatusKind::Error &&
                                   !shell::shellState().lastStatusText.empty(),
                               5000);
    }
    // The menu request made before the failure is still carried out.
    QTRY_VERIFY_WITH_TIMEOUT(w.menu->isVisible(), 5000);
    QCOMPARE(w.desktop->timerInterval(), 1234);
  }
};

int main(int argc, char** argv) {
  // The program's own application object, whose notify() is the handler.
  gui::ZefirApplication app(argc, argv);
  ExceptionHandlerTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "exception_handler_test.moc"
