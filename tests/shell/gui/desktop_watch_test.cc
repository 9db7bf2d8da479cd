// The desktop's idle watch (administrator's messages), the test start and
// the command file read by the menu.
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "../shell_test_folder.h"
#include "dialogs/answer_dialog.h"
#include "platform/file_system.h"
#include "shell/gui/desktop_window.h"
#include "shell/gui/zefir_main_windows.h"
#include "shell/shell_state.h"
#include "text/codepage.h"

using namespace zefir;
using zefir::gui::DesktopWindows;
using zefir::shell::testing::ProgramFolder;

namespace {

// Runs `check` and presses `key` in the answer dialog as soon as it asks.
void whenAsked(gui::TFOdpowi* dialog, std::function<void()> check, Qt::Key key) {
  auto* poll = new QTimer(dialog);
  QObject::connect(poll, &QTimer::timeout, dialog, [=] {
    if (!dialog->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    check();
    QTest::keyClick(dialog, key);
  });
  poll->start(5);
}

void startUp(DesktopWindows& w) {
  for (int i = 0; i < 4; ++i) w.desktop->tickNow();
}

}  // namespace

class DesktopWatchTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { shell::shellState() = shell::ShellState(); }

  void messageWithExclamationAsksByloByMilo() {
    ProgramFolder folder;
    DesktopWindows w("8");
    w.desktop->show();
    startUp(w);
    ProgramFolder::write("!/OdAdmina.008", "Proszę zamknąć program!");
    QString asked;
    whenAsked(
        w.answer,
        [&] {
          for (QLabel* l : w.answer->findChildren<QLabel*>()) asked += l->text() + "|";
        },
        Qt::Key_T);
    w.desktop->idleWatch();
    QTRY_VERIFY(asked.contains(QString::fromUtf8("Byłoby miło ?")));
    QVERIFY(w.desktop->isVisible());  // yes to it does not end the program
  }

  void logoutAnswersTheOpenQuestionAndEnds() {
    ProgramFolder folder;
    DesktopWindows w("9");
    w.desktop->show();
    startUp(w);
    QVERIFY(platform::exists("Kosz/!Prac-ST.009"));
    // While "Czy już koniec pracy" waits, the administrator logs the workstation out.
    QTimer::singleShot(10, [&] {
      ProgramFolder::write("!/OdAdmina.009", "Logout");
      w.desktop->idleWatch();
    });
    w.desktop->ending();
    QTRY_VERIFY(!w.desktop->isVisible());
    QVERIFY(!platform::exists("Kosz/!Prac-ST.009"));
  }

  void testStartReplacesTheMenuByTheBaseTestPage() {
    ProgramFolder folder;
    DesktopWindows w("-o");
    startUp(w);
    const shell::ShellState& s = shell::shellState();
    QCOMPARE(s.start.mode, shell::kModeTest);
    QCOMPARE(w.desktop->windowTitle(), QString(" Zefir - test bazy danych"));
    // On the screen like every other start, not left of it.
    QVERIFY(
        QGuiApplication::primaryScreen()->availableGeometry().contains(w.desktop->frameGeometry()));
    QVERIFY(!w.menu->isVisible());
    QVERIFY(w.desktop->timerState().hasRequest());
    QCOMPARE(w.desktop->timerState().requestSlot(), 2);
  }

  void commandFileCommentIsAskedAndOtherLinesStopTheReading() {
    ProgramFolder folder;
    ProgramFolder::write("komendy.txt", "x\r\n@ Sprawdzenie\r\nDA\r\n@ Drugi\r\n");
    DesktopWindows w("10");
    w.desktop->show();
    w.menu->setCommandFile("komendy.txt");
    QString asked;
    whenAsked(
        w.answer,
        [&] {
          for (QLabel* l : w.answer->findChildren<QLabel*>()) asked += l->text() + "|";
        },
        Qt::Key_Return);
    startUp(w);  // the menu is shown: reads up to "DA"
    QVERIFY(asked.contains("@ Sprawdzenie ?"));
    QVERIFY(asked.contains("Komentarz w pliku komendy.txt."));
    QVERIFY(!asked.contains("Drugi"));
  }
};

QTEST_MAIN(DesktopWatchTest)
#include "desktop_watch_test.moc"
