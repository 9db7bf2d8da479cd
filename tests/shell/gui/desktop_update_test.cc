// The program's update in the desktop: F10 downloads the new program from
// the maker's site (a server on 127.0.0.1 inside the test) and hands over to
// it; the new copy's first timer tick puts itself in place of the old
// program and hands over again; started under "Zefir" it only renames its
// file. Anything refused leaves the folder as it was and says why.
#include <QListWidget>
#include <QTest>
#include <filesystem>

#include "../../net/local_server.h"
#include "../shell_test_folder.h"
#include "dialogs/parameter_set_dialog.h"
#include "net/program_update.h"
#include "platform/file_system.h"
#include "shell/desktop_settings.h"
#include "shell/gui/desktop_window.h"
#include "shell/gui/zefir_main_windows.h"
#include "shell/shell_state.h"
#include "text/codepage.h"

using namespace zefir;
using zefir::gui::DesktopWindows;
using zefir::net::testing::LocalServer;
using zefir::shell::testing::ProgramFolder;

namespace {

const std::string kOld = "stary program " + std::string(100, 'o');
const std::string kNew = "nowy program " + std::string(100, 'n');

std::string inFolder(const ProgramFolder& folder, const char* name) {
  return (folder.path() / name).string();
}

std::vector<std::string> filesIn(const ProgramFolder& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder.path()))
    if (e.is_regular_file()) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

class DesktopUpdateTest : public QObject {
  Q_OBJECT

  QStringList handedOver;

  // The desktop as started from `programFile`, with the hand-over recorded.
  std::unique_ptr<DesktopWindows> start(const std::string& programFile) {
    shell::shellState().programFile = programFile;
    auto w = std::make_unique<DesktopWindows>("1");
    w->desktop->setHandOver([this](const QString& p) { handedOver << p; });
    w->desktop->show();
    return w;
  }

  // F10 on the main menu and the ticks that open the update page, then Go.
  static void updateFromTheMenu(DesktopWindows& w) {
    QTest::keyClick(w.menu->mainList(), Qt::Key_F10);
    w.desktop->tickNow();
    w.desktop->tickNow();
    auto* page = static_cast<gui::TFZestaw*>(w.parameterSet);
    QVERIFY(page->isVisible());
    QCOMPARE(page->slot(), 80);
    page->go();
  }

 private slots:
  void init() {
    shell::shellState() = shell::ShellState();
    handedOver.clear();
  }

  void f10DownloadsTheNewProgramAndItsFirstTickPutsItInPlace() {
    ProgramFolder folder;
    ProgramFolder::write("zefir", kOld);
    LocalServer server(true);
    server.serve("/site/zefir", kNew);
    ProgramFolder::write("sum", kNew);
    server.serve("/site/zefir.sha256", net::sha256OfFile("sum") + "  zefir\n");
    std::filesystem::remove("sum");
    server.start();

    {
      auto w = start(inFolder(folder, "zefir"));
      for (int i = 0; i < 4; ++i) w->desktop->tickNow();  // up to the menu
      QVERIFY(w->menu->isVisible());
      shell::SettingsRegister& program = shell::desktopRegisters().program;
      QVERIFY(program.set("AdrAktu.xxx", server.base() + "/site/").ok());
      QVERIFY(program.set("CertAktu.xxx", net::testing::certificateFile()).ok());
      updateFromTheMenu(*w);
      QCOMPARE(handedOver, QStringList{QString::fromStdString(inFolder(folder, "1zefir"))});
      QCOMPARE(shell::shellState().lastStatusText, std::string("Restart Zefir"));
      QVERIFY(!w->desktop->isVisible());
    }
    QCOMPARE(ProgramFolder::read("1zefir"), kNew);
    QCOMPARE(ProgramFolder::read("zefir"), kOld);

    // The new copy's first tick: the old program kept as zefir.old, the new
    // one renamed over zefir in one step and started under that name.
    handedOver.clear();
    shell::shellState() = shell::ShellState();
    const std::string settings = ProgramFolder::read("#/Zefir.BAL");
    {
      auto w = start(inFolder(folder, "1zefir"));
      QCOMPARE(w->desktop->timerInterval(), 1000);
      w->desktop->tickNow();
      QCOMPARE(handedOver, QStringList{QString::fromStdString(inFolder(folder, "zefir"))});
      QVERIFY(!w->desktop->isVisible());
    }
    QCOMPARE(ProgramFolder::read("zefir"), kNew);
    QCOMPARE(ProgramFolder::read("zefir.old"), kOld);
    QVERIFY(!platform::exists("1zefir"));
    QCOMPARE(ProgramFolder::read("#/Zefir.BAL"), settings);  // the copy that ended wrote none

    // Started as zefir at last: the old program goes, work goes on.
    handedOver.clear();
    shell::shellState() = shell::ShellState();
    auto w = start(inFolder(folder, "zefir"));
    w->desktop->tickNow();
    QVERIFY(handedOver.isEmpty());
    QVERIFY(!platform::exists("zefir.old"));
    QCOMPARE(w->desktop->timerInterval(), 100);
    QVERIFY(w->desktop->isVisible());
  }

  void anUpdateRefusedLeavesTheFolderAsItWasAndSaysWhy() {
    ProgramFolder folder;
    ProgramFolder::write("zefir", kOld);
    LocalServer server(true);
    server.serve("/site/zefir", kNew);
    server.serve("/site/zefir.sha256", std::string(64, '0') + "  zefir\n");
    server.start();
    auto w = start(inFolder(folder, "zefir"));
    for (int i = 0; i < 4; ++i) w->desktop->tickNow();
    shell::SettingsRegister& program = shell::desktopRegisters().program;
    QVERIFY(program.set("CertAktu.xxx", net::testing::certificateFile()).ok());
    const std::vector<std::string> before = filesIn(folder);

    // Plain HTTP is never used for the program.
    QVERIFY(program.set("AdrAktu.xxx", "http://127.0.0.1:1/site/").ok());
    updateFromTheMenu(*w);
    QVERIFY2(shell::shellState().lastStatusText.starts_with("Aktualizacja tylko przez https"),
             shell::shellState().lastStatusText.c_str());
    // A download whose checksum does not match (Go again on the same page).
    QVERIFY(program.set("AdrAktu.xxx", server.base() + "/site/").ok());
    static_cast<gui::TFZestaw*>(w->parameterSet)->go();
    QCOMPARE(server.requests(), 2);
    QCOMPARE(shell::shellState().lastStatusKind, StatusKind::Error);
    QVERIFY(handedOver.isEmpty());
    QVERIFY(w->desktop->isVisible());
    QCOMPARE(filesIn(folder), before);
    QCOMPARE(ProgramFolder::read("zefir"), kOld);
  }

  void startedUnderAnotherLetterCaseTheProgramOnlyRenamesItsFile() {
    ProgramFolder folder;
    ProgramFolder::write("Zefir", kOld);
    auto w = start(inFolder(folder, "Zefir"));
    w->desktop->tickNow();
    QVERIFY(handedOver.isEmpty());
    QCOMPARE(ProgramFolder::read("zefir"), kOld);
    QVERIFY(!platform::exists("Zefir"));
    QCOMPARE(shell::shellState().programFile, inFolder(folder, "zefir"));
    QCOMPARE(w->desktop->timerInterval(), 100);
    w->desktop->tickNow();  // and the start goes on
    QVERIFY(shell::shellState().markerCreated);
  }
};

QTEST_MAIN(DesktopUpdateTest)
#include "desktop_update_test.moc"
