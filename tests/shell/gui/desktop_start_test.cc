// The desktop's timer from the first tick to the loaded base, the marker that
// refuses a second start, and the ending.
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "../shell_test_folder.h"
#include "dialogs/answer_dialog.h"
#include "output/gui/report_window.h"
#include "output/report_buffer.h"
#include "platform/file_system.h"
#include "shell/base_loading.h"
#include "shell/gui/desktop_window.h"
#include "shell/gui/zefir_main_windows.h"
#include "shell/shell_state.h"
#include "shell/workstations.h"
#include "text/codepage.h"

using namespace zefir;
using zefir::gui::DesktopWindows;
using zefir::shell::testing::ProgramFolder;

namespace {

// Presses `key` in the answer dialog as soon as it asks.
void answerWhenAsked(gui::TFOdpowi* dialog, Qt::Key key) {
  auto* poll = new QTimer(dialog);
  QObject::connect(poll, &QTimer::timeout, dialog, [=] {
    if (!dialog->isVisible()) return;
    poll->deleteLater();
    poll->stop();
    QTest::keyClick(dialog, key);
  });
  poll->start(5);
}

bool startsWith(const std::string& s, const std::string& head) {
  return s.rfind(head, 0) == 0;
}

}  // namespace

class DesktopStartTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { shell::shellState() = shell::ShellState(); }

  void timerRunsTheStartUpUpToTheLoadedBase() {
    ProgramFolder folder;
    ProgramFolder::copyDemoBase();
    DesktopWindows w("1");
    gui::TFPulpit& d = *w.desktop;
    d.show();
    QCOMPARE(d.timerInterval(), 1000);
    d.tickNow();
    QCOMPARE(d.timerInterval(), 100);
    d.tickNow();  // initialisation: settings, menu request, marker, base
    const shell::ShellState& s = shell::shellState();
    QCOMPARE(s.start.suffix, std::string(".001"));
    QVERIFY2(startsWith(s.lastStatusText, text::fromUtf8("Środków: ")), s.lastStatusText.c_str());
    QVERIFY(s.markerCreated);
    QVERIFY(platform::exists("Kosz/!Prac-ST.001"));
    QCOMPARE(platform::fileSize("!/!.!").value_or(0), std::int64_t{50000});
    QVERIFY(!s.tempFolder.empty());
    QVERIFY(!d.loadingPanel()->isVisible());
    QVERIFY(d.menuEnabled());
    QCOMPARE(d.timerInterval(), 12);  // the menu request
    QVERIFY(!w.menu->isVisible());
    d.tickNow();
    QCOMPARE(d.timerInterval(), 123);
    d.tickNow();
    QCOMPARE(d.timerInterval(), 1234);
    QVERIFY(w.menu->isVisible());
    QVERIFY(w.menu->mainList()->hasFocus() || w.menu->mainList()->isVisible());
    QVERIFY2(d.windowTitle().endsWith(QString::fromUtf8(" środków")), qPrintable(d.windowTitle()));
    QVERIFY(shell::desktopRegister().assetCount() > 0);  // the demo base's assets

    // Ending: yes closes the desktop and deletes the marker.
    answerWhenAsked(w.answer, Qt::Key_T);
    d.ending();
    QVERIFY(!d.isVisible());
    QVERIFY(!platform::exists("Kosz/!Prac-ST.001"));
    const std::string program = ProgramFolder::read("#/Zefir.BAL");
    QVERIFY2(program.find(" PulpitWH.001 = ") != std::string::npos, program.c_str());
    QVERIFY(ProgramFolder::read("Zefir.BAL").find(" Dla kogo.001 = Zorza-Soft") !=
            std::string::npos);
  }

  void reportEndedShowsTheReportWindowAndEscBringsTheMenuBack() {
    ProgramFolder folder;
    ProgramFolder::copyDemoBase();
    DesktopWindows w("6");
    gui::TFPulpit& d = *w.desktop;
    d.show();
    for (int i = 0; i < 4; ++i) d.tickNow();
    QVERIFY(w.menu->isVisible());
    QVERIFY(!w.report->isVisible());

    output::ReportBuffer& b = output::reportBuffer();
    b.beginReport("WST", text::fromUtf8("Wykaz środków"), 0);
    b.addColumn('l', 15, "Symbol");
    b.addColumn('p', 15, text::fromUtf8("Wartość"));
    b.endHeaders("");
    b.addRow({"ST/1/001", "1.000,00"});
    b.endReport();
    QTRY_VERIFY(w.report->isVisible());
    QVERIFY(w.report->parentWidget() != nullptr);  // inside the desktop, not a loose window

    QTest::keyClick(w.report, Qt::Key_Escape);
    QTRY_VERIFY(!w.report->isVisible());
    QCOMPARE(d.timerInterval(), 12);  // the menu is requested again
    answerWhenAsked(w.answer, Qt::Key_T);
    d.ending();
  }

  void secondStartOfTheWorkstationIsRefused() {
    ProgramFolder folder;
    shell::StartupMarker running;
    QCOMPARE(running.create("Kosz/!Prac-ST.002"), shell::StartupMarker::Result::Created);
    DesktopWindows w("2");
    QString stopped;
    w.desktop->setStopHandler([&](const QString& m) { stopped = m; });
    w.desktop->tickNow();
    w.desktop->tickNow();
    QCOMPARE(stopped, QString::fromUtf8("Próbujesz uruchomić program ponownie ?"));
    QVERIFY(!shell::shellState().markerCreated);
    QVERIFY(platform::exists("Kosz/!Prac-ST.002"));  // still the running one's
    w.desktop->close();  // the stop closes the desktop without writing its settings
    QVERIFY(!platform::exists("#/Zefir.BAL"));
    QVERIFY(platform::exists("Kosz/!Prac-ST.002"));
  }

  void loginFileStartLoadsNothingAndOpensTheLoginPage() {
    ProgramFolder folder;
    ProgramFolder::copyDemoBase();
    ProgramFolder::write("!/Login.txt", "7,jan,haslo,K,,\r\n");
    DesktopWindows w("");
    w.desktop->show();
    w.desktop->tickNow();
    w.desktop->tickNow();
    const shell::ShellState& s = shell::shellState();
    QCOMPARE(s.start.suffix, std::string());
    QVERIFY(!startsWith(s.lastStatusText, text::fromUtf8("Środków: ")));
    w.desktop->tickNow();
    w.desktop->tickNow();  // the menu opens, the login is pending
    QCOMPARE(s.start.mode, shell::kModeLoginPending);
    QCOMPARE(s.option.slot, 1);
    QCOMPARE(w.desktop->timerState().requestSlot(), 1);

    // Esc on the login page ends the program.
    QString stopped;
    w.desktop->setStopHandler([&](const QString& m) { stopped = m; });
    w.desktop->tickNow();
    w.desktop->tickNow();
    QVERIFY(w.parameterSet->isVisible());
    QTest::keyClick(w.parameterSet, Qt::Key_Escape);
    QCOMPARE(stopped, QString::fromUtf8("Rezygnujesz ? Zapraszam następnym razem !"));
  }

  void escOnTheDesktopAnsweredNoKeepsRunning() {
    ProgramFolder folder;
    DesktopWindows w("3");
    w.desktop->show();
    w.desktop->tickNow();
    w.desktop->tickNow();
    answerWhenAsked(w.answer, Qt::Key_Escape);
    w.desktop->close();  // closing needs the confirmation: it asks
    QTRY_COMPARE(w.answer->answer(), 3);
    QVERIFY(w.desktop->isVisible());
    QVERIFY(platform::exists("Kosz/!Prac-ST.003"));
    QCOMPARE(w.desktop->timerInterval(), 123);
  }

  void statusLineKindsColourTheBarAndTheIdleWatchShrinksIt() {
    ProgramFolder folder;
    DesktopWindows w("4");
    gui::TFPulpit& d = *w.desktop;
    d.show();
    showStatus("Uwaga", StatusKind::Error);
    QCOMPARE(d.statusPanel()->text(), QString(" Uwaga"));
    QCOMPARE(d.statusBar()->height(), 25);
    QCOMPARE(d.statusBar()->palette().color(QPalette::Window), QColor(0xFF, 0xBB, 0x77));
    showStatus("", StatusKind::Notice);
    QCOMPARE(d.statusBar()->palette().color(QPalette::Window), QColor(0xBB, 0xFF, 0xBB));
    showStatus("x", StatusKind::Information);
    QCOMPARE(d.statusBar()->palette().color(QPalette::Window), QColor(0x77, 0xBB, 0xFF));
    for (int i = 0; i < 3; ++i) d.idleWatch();
    QCOMPARE(d.statusBar()->height(), 22);
    d.idleWatch();
    QCOMPARE(d.statusBar()->height(), 21);
    d.idleWatch();
    QCOMPARE(d.statusBar()->palette().color(QPalette::Window), QColor(0xD2, 0xD0, 0xC0));
  }

  // In the window font (bold, 11 points by default) the accents over capitals
  // reach above the font's ascent; a status bar too low for them cut them off
  // once the idle watch had lowered it, and "Środków: 62" read "Srodków: 62".
  void statusTextKeepsItsPolishLettersAtEveryBarHeight() {
    ProgramFolder folder;
    ProgramFolder::copyDemoBase();
    DesktopWindows w("1");
    gui::TFPulpit& d = *w.desktop;
    d.show();
    for (int i = 0; i < 4; ++i) d.tickNow();  // the window font, the base, the menu
    QVERIFY(d.statusPanel()->font().bold());
    // The status panel as painted right after showing `utf8`, and once the
    // idle watch has brought the bar down to its idle height.
    auto painted = [&d](const char* utf8) {
      showStatus(text::fromUtf8(utf8), StatusKind::Information);
      const QImage shown = d.statusPanel()->grab().toImage();
      const int shownHeight = d.statusBar()->height();
      for (int i = 0; i < 12; ++i) d.idleWatch();
      [&] { QCOMPARE(d.statusBar()->height(), shownHeight - 4); }();  // lowered to idle
      return std::pair{shown, d.statusPanel()->grab().toImage()};
    };
    const std::pair<const char*, const char*> letters[] = {{"Środków: 62", "Srodków: 62"},
                                                           {"Ż", "Z"},
                                                           {"Ź", "Z"},
                                                           {"Ć", "C"},
                                                           {"Ń", "N"},
                                                           {"Ó", "O"},
                                                           {"Ą", "A"},
                                                           {"Ę", "E"},
                                                           {"ą", "a"},
                                                           {"ę", "e"},
                                                           {"ś", "s"}};
    for (const auto& [polish, plain] : letters) {
      const auto [polishShown, polishIdle] = painted(polish);
      const auto [plainShown, plainIdle] = painted(plain);
      QVERIFY2(polishShown != plainShown, polish);
      QVERIFY2(polishIdle != plainIdle, polish);
    }
  }

  void administratorsMessageShowsAsAnErrorAndIsDeleted() {
    ProgramFolder folder;
    shell::shellState().start = shell::startModeFrom("5", false);
    DesktopWindows w("5");
    ProgramFolder::write("!/OdAdmina.005", "Kopia zapasowa o 15:00\r\n");
    w.desktop->idleWatch();
    QCOMPARE(shell::shellState().lastStatusText, std::string("Kopia zapasowa o 15:00"));
    QCOMPARE(shell::shellState().lastStatusKind, StatusKind::Error);
    QVERIFY(!platform::exists("!/OdAdmina.005"));
  }
};

QTEST_MAIN(DesktopStartTest)
#include "desktop_start_test.moc"
