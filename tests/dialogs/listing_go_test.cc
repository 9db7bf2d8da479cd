// Go in the parameter set of a listing option runs the listing on the
// desktop's register into the report buffer, with the base's settings.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/parameter_set_dialog.h"
#include "operations/listing_options.h"
#include "operations/operation_registry.h"
#include "output/report_buffer.h"
#include "output/report_context.h"
#include "platform/status_line.h"
#include "shell/base_loading.h"
#include "shell/desktop_settings.h"
#include "shell/shell_state.h"
#include "text/codepage.h"
#include "text/dates.h"

using namespace zefir;
using zefir::gui::TFZestaw;

class ListingGoTest : public QObject {
  Q_OBJECT

  RememberingStatusLine line;

  static void addAsset(const char* symb, const char* name, long double value) {
    AssetRegister& reg = shell::desktopRegister();
    QVERIFY(!reg.exists(symb));
    QVERIFY(reg.insertAtCurrent().ok());
    AssetRecord& a = reg.currentRecord();
    a.Symb = symb;
    a.Nazw = name;
    a.DtOT = text::dayFromDate(2025, 6, 15);
    a.WaOT = a.WaBr = value;
    a.MeUm = 'L';
    a.K[0] = RateEntry{0, "491", 10, 1, 10, 1};
  }
  static void type(QLineEdit* e, const char* text) {
    e->clear();
    QTest::keyClicks(e, QString::fromUtf8(text));
  }
  static QString cell(int row, int column) {
    return QString::fromStdString(text::toUtf8(output::reportBuffer().cell(row, column)));
  }

 private slots:
  void init() {
    setStatusLine(&line);
    shell::shellState() = shell::ShellState();
    shell::desktopRegister().clear();
    operations::clearOperations();
    operations::registerBuiltOperations();
    operations::listingEnvironment() = {};
  }
  void cleanup() {
    operations::clearOperations();
    shell::desktopRegister().clear();
    setStatusLine(nullptr);
  }

  void goOnTheLastFieldListsTheRegister() {
    addAsset("401", "Tokarka", 1200);
    addAsset("402", "Frezarka", 2400);
    TFZestaw d;
    d.setPrinters({"HP LaserJet"});
    d.setToday(text::dayFromDate(2026, 12, 7));
    d.openFor(20, 1);  // WykaS: SroW; DaDo; Pod1 + Pod3 + Pod7
    QCOMPARE(d.fieldCount(), 5);
    type(d.field(0), "40?");
    type(d.field(1), "310326");
    type(d.field(2), "0");
    type(d.field(3), "0");
    type(d.field(4), "0");
    QTest::keyClick(d.field(4), Qt::Key_Return);
    const output::ReportBuffer& b = output::reportBuffer();
    QVERIFY(b.ended());
    QCOMPARE(QString::fromStdString(b.code()), QStringLiteral("WST"));
    QCOMPARE(cell(1, 1), QStringLiteral("401"));
    QCOMPARE(cell(1, 7), QStringLiteral("90,00"));
    QCOMPARE(cell(2, 1), QStringLiteral("402"));
    QCOMPARE(cell(4, 2), QStringLiteral("RAZEM 2 poz."));
    QCOMPARE(cell(4, 6), QStringLiteral("3.600,00"));
    QCOMPARE(output::reportContext().reportTo, text::dayFromDate(2026, 3, 31));
    QCOMPARE(output::reportContext().registerFileYear, 0);
  }

  // A listing as of 31 December leaves its year and the register for the
  // report window's "JPK" button (the fixed-asset register file).
  void aYearEndListingOffersTheRegisterFile() {
    addAsset("401", "Tokarka", 1200);
    TFZestaw d;
    d.setPrinters({"HP LaserJet"});
    d.setToday(text::dayFromDate(2026, 12, 7));
    d.openFor(20, 1);
    type(d.field(0), "*");
    type(d.field(1), "311226");
    QTest::keyClick(d.field(4), Qt::Key_Return);
    QVERIFY(output::reportBuffer().ended());
    const output::ReportContext& ctx = output::reportContext();
    QCOMPARE(ctx.registerFileYear, 2026);
    QCOMPARE(ctx.assetRegister, &shell::desktopRegister());
    QVERIFY(!ctx.optionCaption.empty());
  }

  // The plans by asset run from their parameter sets like the listings:
  // Miesie with the assets alone (LABC "B"), PlanAm for a year.
  void plansByAssetRunFromTheirParameterSets() {
    addAsset("401", "Tokarka", 1200);
    TFZestaw d;
    d.setPrinters({"HP LaserJet"});
    d.setToday(text::dayFromDate(2026, 12, 7));
    d.openFor(48, 1);  // Miesie: SroW; DaDo; Pod1 + Pod3 + Pod7; LABC
    QCOMPARE(d.fieldCount(), 6);
    type(d.field(0), "*");
    type(d.field(1), "310326");
    type(d.field(5), "B");
    QTest::keyClick(d.field(5), Qt::Key_Return);
    const output::ReportBuffer& b = output::reportBuffer();
    QVERIFY(b.ended());
    QCOMPARE(QString::fromStdString(b.code()), QStringLiteral("PA"));
    QCOMPARE(cell(1, 1), QStringLiteral("401"));
    QCOMPARE(cell(1, 9), QStringLiteral("10,00"));  // March's depreciation
    QCOMPARE(cell(3, 2), QStringLiteral("RAZEM 1"));
    QCOMPARE(b.rowCount(), 4);  // the closing rule, and no posting note after the total

    TFZestaw y;
    y.setPrinters({"HP LaserJet"});
    y.setToday(text::dayFromDate(2026, 12, 7));
    y.openFor(47, 1);  // PlanAm: SroF; SroW; Rok4; Pod1 + Pod3 + Pod7
    const char* typed[6] = {"", "*", "2026", "", "", ""};
    for (int i = 0; i < 6; ++i) {  // Enter field by field; the last runs the option
      QCOMPARE(y.currentField(), i);
      if (*typed[i]) type(y.field(i), typed[i]);
      QTest::keyClick(y.field(i), Qt::Key_Return);
    }
    QVERIFY(output::reportBuffer().ended());
    QCOMPARE(output::reportBuffer().stretch(), 4);
    QCOMPARE(cell(1, 8), QStringLiteral("120,00"));  // the year's depreciation
  }
};

QTEST_MAIN(ListingGoTest)
#include "listing_go_test.moc"
