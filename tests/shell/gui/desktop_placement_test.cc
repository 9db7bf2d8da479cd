// The desktop and its menu where the user can reach them: the desktop's frame
// inside the screen's available area in every start mode, and the menu's
// title bar clear of the clock box at the desktop's top right.
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "../shell_test_folder.h"
#include "shell/gui/desktop_window.h"
#include "shell/gui/menu_window.h"
#include "shell/gui/zefir_main_windows.h"
#include "shell/shell_state.h"

using namespace zefir;
using zefir::gui::DesktopWindows;
using zefir::shell::testing::ProgramFolder;

namespace {

QRect onScreen(const QWidget* w) {
  return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

QString shown(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

}  // namespace

class DesktopPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { shell::shellState() = shell::ShellState(); }

  void desktopInsideTheScreenAndMenuClearOfTheClock_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("loginFile");
    QTest::addColumn<QByteArray>("settings");
    QTest::newRow("no workstation number") << QString() << false << QByteArray();
    QTest::newRow("login file") << QString() << true << QByteArray();
    QTest::newRow("test start -o") << QString("-o") << false << QByteArray();
    QTest::newRow("workstation 7, saved off the screen")
        << QString("7") << false
        << QByteArray(" PulpitLT.007 = 1900;900\r\n PulpitWH.007 = 700;500\r\n");
    QTest::newRow("workstation 7, saved larger than the screen")
        << QString("7") << false
        << QByteArray(" PulpitLT.007 = -40;-20\r\n PulpitWH.007 = 3000;2000\r\n");
  }
  void desktopInsideTheScreenAndMenuClearOfTheClock() {
    QFETCH(QString, argument);
    QFETCH(bool, loginFile);
    QFETCH(QByteArray, settings);
    ProgramFolder folder;
    if (loginFile) ProgramFolder::write("!/Login.txt", "7,jan,haslo,K,,\r\n");
    if (!settings.isEmpty()) ProgramFolder::write("#/Zefir.BAL", settings.toStdString());
    DesktopWindows w(argument);
    gui::TFPulpit& d = *w.desktop;
    d.show();
    for (int i = 0; i < 4; ++i) d.tickNow();  // settings, placing, the menu
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(available.contains(d.frameGeometry()),
             qPrintable(shown(d.frameGeometry()) + " outside " + shown(available)));
    if (argument == "-o") {
      QCOMPARE(d.windowTitle(), QString(" Zefir - test bazy danych"));
      return;  // the base-test page instead of the menu
    }
    QVERIFY(w.menu->isVisible());
    const QRect menu = onScreen(w.menu->parentWidget());
    const QRect clock = onScreen(d.clockLabel()->parentWidget());
    QVERIFY2(!menu.intersects(clock), qPrintable(shown(menu) + " under " + shown(clock)));
    QVERIFY(clock.isValid() && clock.right() <= onScreen(&d).right());
  }
};

QTEST_MAIN(DesktopPlacementTest)
#include "desktop_placement_test.moc"
