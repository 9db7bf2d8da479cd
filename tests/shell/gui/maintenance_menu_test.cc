// Register-maintenance options chosen from the menu: the parameter set takes
// their fields, Go runs them through the journal of the base in force, and
// the report window lists the assets concerned and says what was done; the
// journal holds exactly the records of what was done.
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <map>

#include "../../register/sample_assets.h"
#include "../shell_test_folder.h"
#include "dialogs/parameter_set_dialog.h"
#include "menu_choice.h"
#include "output/gui/report_window.h"
#include "output/report_buffer.h"
#include "platform/file_system.h"
#include "register/base_journal.h"
#include "register/base_record.h"
#include "shell/base_loading.h"
#include "shell/gui/desktop_window.h"
#include "shell/gui/zefir_main_windows.h"
#include "shell/shell_state.h"
#include "text/codepage.h"
#include "text/dates.h"

using namespace zefir;
using zefir::gui::DesktopWindows;
using zefir::gui::testing::chooseOption;
using zefir::shell::testing::ProgramFolder;

namespace {

// Accepted in 2019 without a value: nothing left to depreciate.
AssetRecord zeroedAsset(const char* symbol) {
  AssetRecord a = AssetRegister::emptyRecord();
  a.Symb = symbol;
  a.Nazw = std::string("puste ") + symbol;
  a.RokP = 2019;
  a.DtOT = text::dayFromDate(2019, 3, 1);
  return a;
}

// Whether some cell of the report holds `utf8`.
bool reportHolds(const char* utf8) {
  const output::ReportBuffer& b = output::reportBuffer();
  const std::string wanted = text::fromUtf8(utf8);
  for (int r = 1; r <= b.rowCount(); ++r)
    for (int c = 1; c <= 3; ++c)
      if (!b.isRule(r) && std::string(b.cell(r, c)).find(wanted) != std::string::npos) return true;
  return false;
}

// The records of the journal from record `from` on, as "kind:symbol".
std::vector<std::string> recordsFrom(const std::string& path, std::int64_t from) {
  std::vector<std::string> out;
  (void)scanJournal(path, [&](const ScannedRecord& r) {
    if (r.index >= from)
      out.push_back(std::to_string(static_cast<int>(base::kindOf(*r.bytes))) + ":" +
                    base::symbolOf(*r.bytes));
  });
  return out;
}

std::int64_t recordCount(const std::string& path) {
  return static_cast<std::int64_t>(recordsFrom(path, 0).size());
}

void type(QLineEdit* e, const char* text) {
  e->clear();
  QTest::keyClicks(e, QString::fromUtf8(text));
}

}  // namespace

class MaintenanceMenuTest : public QObject {
  Q_OBJECT

  // The desktop on the demo's side files and a base of `assets`, up to the menu.
  static std::unique_ptr<DesktopWindows> startDesktop(const std::vector<AssetRecord>& assets) {
    ProgramFolder::copyDemoBase();
    std::filesystem::remove("Srodki.PST");
    [&] {
      QVERIFY(writeNewJournal("Srodki.PST", "Srodki.tmp", assets, writeStampNow("", ".xxx")).ok());
    }();
    return gui::testing::desktopAtMenu();
  }

 private slots:
  void init() { shell::shellState() = shell::ShellState(); }

  // "J - renumeracja grupy środków": each asset of the group is saved under
  // its new symbol and removed under the old, nothing else is appended.
  void renumberingFromTheMenuRenamesTheGroupAndListsIt() {
    ProgramFolder folder;
    auto w =
        startDesktop({testing::linearMachine("G-1", "Tokarka"),
                      testing::linearMachine("G-2", "Prasa"), testing::linearMachine("X", "Inna")});
    QVERIFY(w->menu->isVisible());
    const std::string path = shell::shellState().mainBaseFile();
    const std::int64_t before = recordCount(path);

    gui::TFZestaw* page = chooseOption(*w, "c", "j", 26);
    QCOMPARE(page->fieldCode(0), QStringLiteral("GrST"));
    QCOMPARE(page->fieldCode(4), QStringLiteral("REnd"));
    type(page->field(0), "G-");
    type(page->field(1), "H");
    type(page->field(2), "3");
    type(page->field(3), "5");
    type(page->field(4), "6");
    QTest::keyClick(page->field(4), Qt::Key_Return);

    QVERIFY2(output::reportBuffer().ended(), shell::shellState().lastStatusText.c_str());
    QCOMPARE(QString::fromStdString(output::reportBuffer().code()), QStringLiteral("RGS"));
    QTRY_VERIFY(w->report->isVisible());
    QVERIFY(reportHolds("H005"));
    QVERIFY(reportHolds("H006"));
    QVERIFY(reportHolds("Zmienione symbole: 2"));

    // Per asset: its kinds under the new symbol, then one removal of the old.
    std::map<std::string, int> kinds;
    std::vector<std::string> removals;
    for (const std::string& r : recordsFrom(path, before)) {
      if (r.starts_with("0:"))
        removals.push_back(r.substr(2));
      else
        ++kinds[r.substr(2)];
    }
    QCOMPARE(removals, (std::vector<std::string>{"G-1", "G-2"}));
    QCOMPARE(kinds.size(), std::size_t{2});
    QVERIFY(kinds.count("H005") && kinds.count("H006"));
    QCOMPARE(kinds["H005"], kinds["H006"]);

    AssetRegister reread;
    BaseJournal journal(path);
    QVERIFY(journal.load(reread).ok());
    QCOMPARE(reread.assetCount(), 3);
    QVERIFY(reread.exists("H006"));
    QCOMPARE(reread.currentRecord().Nazw.str(), std::string("Prasa"));
    QVERIFY(!reread.exists("G-1"));
    QVERIFY(shell::desktopRegister().exists("H005"));  // the desktop's register too
  }

  // "G - zrzut zerowych do archiwum": the zeroed assets go into the archive
  // base and each leaves the base in force by one removal record.
  void archiveOfZeroedFromTheMenuMovesThemAndListsThem() {
    ProgramFolder folder;
    auto w = startDesktop(
        {testing::linearMachine("A1", "Tokarka"), zeroedAsset("Z1"), zeroedAsset("Z2")});
    QVERIFY(w->menu->isVisible());
    const std::string path = shell::shellState().mainBaseFile();
    const std::int64_t before = recordCount(path);

    gui::TFZestaw* page = chooseOption(*w, "c", "g", 23);
    QCOMPARE(page->fieldCode(0), QStringLiteral("BaAr"));
    QCOMPARE(page->fieldCode(1), QStringLiteral("DaOd"));
    type(page->field(0), "ARCH");
    type(page->field(1), "010126");
    QTest::keyClick(page->field(1), Qt::Key_Return);

    QVERIFY2(output::reportBuffer().ended(), shell::shellState().lastStatusText.c_str());
    QCOMPARE(QString::fromStdString(output::reportBuffer().code()), QStringLiteral("ZZA"));
    QTRY_VERIFY(w->report->isVisible());
    QVERIFY(reportHolds("puste Z1"));
    QVERIFY(reportHolds("puste Z2"));
    QVERIFY(!reportHolds("Tokarka"));
    QVERIFY(reportHolds("Usunięte z bazy: 2"));
    QCOMPARE(recordsFrom(path, before), (std::vector<std::string>{"0:Z1", "0:Z2"}));

    AssetRegister archive;
    BaseJournal archiveJournal(shell::shellState().baseFolder + "ARCH.PST");
    QVERIFY(archiveJournal.load(archive).ok());
    QCOMPARE(archive.assetCount(), 2);
    QVERIFY(archive.exists("Z2"));
    QCOMPARE(shell::desktopRegister().assetCount(), 1);
  }
};

QTEST_MAIN(MaintenanceMenuTest)
#include "maintenance_menu_test.moc"
