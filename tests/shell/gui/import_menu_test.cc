// Options 63 and 64 chosen from the menu: the parameter set takes the
// version and the source, Go runs the import, and the report window shows
// what it did; the spreadsheet import leaves Nowe.PST beside the base, the
// DBF import saves its rows into the base in force.
#include <shapefil.h>

#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "../../operations/table_layout1.h"
#include "../shell_test_folder.h"
#include "dialogs/answer_dialog.h"
#include "dialogs/parameter_set_dialog.h"
#include "menu_choice.h"
#include "output/gui/report_window.h"
#include "output/report_buffer.h"
#include "platform/file_system.h"
#include "register/base_journal.h"
#include "shell/base_loading.h"
#include "shell/gui/desktop_window.h"
#include "shell/gui/zefir_main_windows.h"
#include "shell/shell_state.h"
#include "text/codepage.h"

using namespace zefir;
using zefir::gui::DesktopWindows;
using zefir::gui::testing::chooseOption;
using zefir::shell::testing::ProgramFolder;

namespace {

// The other program's table in its first layout, two rows.
void writeAssetTable(const std::string& path) {
  DBFHandle h = DBFCreateEx(path.c_str(), "LDID/200");
  QVERIFY(h);
  using namespace import_test;
  for (int i = 0; i < kLayout1FieldCount; ++i)
    QVERIFY(DBFAddNativeFieldType(h, kLayout1Names[i], kLayout1Types[i], kLayout1Widths[i],
                                  layout1Decimals(i)) >= 0);
  const std::vector<std::vector<std::string>> rows = {
      {"IMP/1", "", "POK12", "75023", "", "4", "9", "1", "Kocioł gazowy", "", "", "20200315", "N",
       "", "10.00", "12000.00", "0.00", "", ""},
      {"IMP/2", "", "MAG", "75023", "", "8", "0", "3", "Regał magazynowy", "", "", "20210110", "N",
       "", "20.00", "800.00", "0.00", "", ""}};
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      const std::string cell = text::fromUtf8(rows[r][c]);
      DBFWriteAttributeDirectly(h, static_cast<int>(r), static_cast<int>(c),
                                const_cast<char*>(cell.c_str()));
    }
  DBFClose(h);
  std::filesystem::remove(std::filesystem::path(path).replace_extension(".cpg"));
}

QString reportCell(int row, int column) {
  return QString::fromStdString(text::toUtf8(output::reportBuffer().cell(row, column)));
}

// Whether some row of the report holds `utf8` in `column`.
bool reportHolds(int column, const char* utf8) {
  const output::ReportBuffer& b = output::reportBuffer();
  for (int r = 1; r <= b.rowCount(); ++r)
    if (reportCell(r, column).contains(QString::fromUtf8(utf8))) return true;
  return false;
}

void type(QLineEdit* e, const char* text) {
  e->clear();
  QTest::keyClicks(e, QString::fromUtf8(text));
}

}  // namespace

class ImportMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { shell::shellState() = shell::ShellState(); }

  void spreadsheetImportFromTheMenuWritesTheNewBaseAndShowsItsReport() {
    ProgramFolder folder;
    ProgramFolder::copyDemoBase();
    std::filesystem::create_directories("DBF");
    std::filesystem::copy_file(ZEFIR_TEST_DATA_DIR "/xls/Maszyny.xls", "DBF/Maszyny.xls");
    auto w = gui::testing::desktopAtMenu();
    QVERIFY(w->menu->isVisible());
    const int before = shell::desktopRegister().assetCount();

    gui::TFZestaw* page = chooseOption(*w, "k", "a", 63);
    QCOMPARE(page->fieldCode(0), QStringLiteral("IXLP"));
    QCOMPARE(page->fieldCode(1), QStringLiteral("IXLZ"));
    // The fields show what is typed in upper case; the version and the file
    // are found whatever their letter case.
    type(page->field(0), "Fabrika");
    type(page->field(1), "Maszyny.xls");
    QCOMPARE(page->field(1)->text(), QStringLiteral("MASZYNY.XLS"));
    QTest::keyClick(page->field(1), Qt::Key_Return);

    QVERIFY2(output::reportBuffer().ended(), shell::shellState().lastStatusText.c_str());
    QCOMPARE(QString::fromStdString(output::reportBuffer().code()), QStringLiteral("XU"));
    QTRY_VERIFY(w->report->isVisible());
    QVERIFY(reportHolds(1, "T-101"));
    QVERIFY(reportHolds(1, "V-2"));
    QVERIFY(reportHolds(1, "Zapisano 5 środków do Nowe.PST, pominięto wierszy: 0"));

    // The new base is whole and holds every row; the base in force is as it was.
    const std::string newBase = shell::shellState().baseFolder + "Nowe.PST";
    QVERIFY(platform::exists(newBase));
    AssetRegister imported;
    BaseJournal journal(newBase);
    QVERIFY(journal.load(imported).ok());
    QCOMPARE(imported.assetCount(), 5);
    QVERIFY(imported.exists("SPR-3"));
    QCOMPARE(QString::fromStdString(text::toUtf8(imported.currentRecord().Nazw.str())),
             QString::fromUtf8("Sprężarka śrubowa"));
    QCOMPARE(shell::desktopRegister().assetCount(), before);

    // The analysis of the same workbook only reports.
    QTest::keyClick(w->report, Qt::Key_Escape);
    QTRY_VERIFY(!w->report->isVisible());
    std::filesystem::remove(newBase);
    page = chooseOption(*w, "k", "a", 63);
    type(page->field(0), "Analiza");
    type(page->field(1), "Maszyny");
    QTest::keyClick(page->field(1), Qt::Key_Return);
    QCOMPARE(QString::fromStdString(output::reportBuffer().code()), QStringLiteral("AP"));
    QTRY_VERIFY(w->report->isVisible());
    QVERIFY(reportHolds(1, "Gr. obiektów"));
    QVERIFY(!platform::exists(newBase));

    // A version the import does not know is said so, never "Wykonane.".
    QTest::keyClick(w->report, Qt::Key_Escape);
    QTRY_VERIFY(!w->report->isVisible());
    page = chooseOption(*w, "k", "a", 63);
    type(page->field(0), "Inna");
    type(page->field(1), "Maszyny");
    QTest::keyClick(page->field(1), Qt::Key_Return);
    QCOMPARE(shell::shellState().lastStatusKind, StatusKind::Error);
    QCOMPARE(QString::fromStdString(text::toUtf8(shell::shellState().lastStatusText)),
             QString::fromUtf8("Nieznana wersja importu INNA"));
    QVERIFY(!platform::exists(newBase));
  }

  void tableImportFromTheMenuSavesItsRowsIntoTheBaseInForce() {
    ProgramFolder folder;
    ProgramFolder::copyDemoBase();
    std::filesystem::create_directories("DBF");
    writeAssetTable("DBF/Srodki.dbf");
    auto w = gui::testing::desktopAtMenu();
    const int before = shell::desktopRegister().assetCount();

    gui::TFZestaw* page = chooseOption(*w, "k", "b", 64);
    QCOMPARE(page->fieldCode(0), QStringLiteral("IDBP"));
    type(page->field(0), "Srodki");
    QTest::keyClick(page->field(0), Qt::Key_Return);

    QCOMPARE(QString::fromStdString(output::reportBuffer().code()), QStringLiteral("TST"));
    QTRY_VERIFY(w->report->isVisible());
    QVERIFY(reportHolds(1, "IMP/1"));
    QVERIFY(reportHolds(1, "Zapisane wiersze: 2, 3"));
    AssetRegister& reg = shell::desktopRegister();
    QCOMPARE(reg.assetCount(), before + 2);
    QVERIFY(reg.exists("IMP/2"));
    QCOMPARE(reg.currentRecord().Z[0].str(), std::string("MU:010112,MAG"));

    // Read back from the file as another workstation would.
    AssetRegister reread;
    BaseJournal journal(shell::shellState().mainBaseFile());
    QVERIFY(journal.load(reread).ok());
    QVERIFY(reread.exists("IMP/1"));
    QCOMPARE(QString::fromStdString(text::toUtf8(reread.currentRecord().Nazw.str())),
             QString::fromUtf8("Kocioł gazowy"));
  }
};

QTEST_MAIN(ImportMenuTest)
#include "import_menu_test.moc"
