// TFOknaF3 driven by keys over the asset card: date cells, the change-kind
// check, F4 into a cell, and F3 from the asset editor's name field through
// section D back into the edited asset.
#include "dialogs/f3_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "dialogs/parameter_set_dialog.h"
#include "dialogs/pick_list_window.h"
#include "operations/operation_registry.h"
#include "platform/file_system.h"
#include "platform/status_line.h"
#include "recording_services.h"
#include "shell/desktop_services.h"
#include "shell/shell_state.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/short_strings.h"

using namespace zefir;
using zefir::gui::TFOknaF3;

namespace {

const DayNumber kToday = text::dayFromDate(2026, 12, 9);

}  // namespace

class F3WindowTest : public QObject {
  Q_OBJECT

  RememberingStatusLine line;
  testing::RecordingServices services;

  QString status() const { return QString::fromStdString(text::toUtf8(line.last_text)); }

  std::unique_ptr<TFOknaF3> openCard(char section) {
    auto w = std::make_unique<TFOknaF3>();
    w->setToday(kToday);
    w->openSection(section);
    w->show();
    return w;
  }
  void typeInto(TFOknaF3& w, int cell, const char* utf8) {
    while (w.currentCell() < cell) QTest::keyClick(w.edit(), Qt::Key_Return);
    w.edit()->selectAll();
    QTest::keyClicks(w.edit(), QString::fromUtf8(utf8));
  }

 private slots:
  void init() {
    operations::cardState() = operations::CardState();
    setStatusLine(&line);
    setDesktopServices(&services);
    services.requests.clear();
  }
  void cleanup() {
    setStatusLine(nullptr);
    setDesktopServices(nullptr);
  }

  void dateCellIsCompletedFromTodayWhenLeftOrByKeypadPlus() {
    auto w = openCard('E');
    QCOMPARE(w->title(), QStringLiteral("Informacje o zakupie"));
    QCOMPARE(w->goButton()->text(), QStringLiteral("Zatwierdzam"));
    const int dt = w->cellIndex("DtZa");
    typeInto(*w, dt, "15");
    QTest::keyClick(w->edit(), Qt::Key_Return);
    QCOMPARE(w->cellText(dt), QStringLiteral("151226"));
    QTest::keyClick(w->edit(), Qt::Key_Up);
    w->edit()->selectAll();
    QTest::keyClicks(w->edit(), "03");
    QTest::keyClick(w->edit(), Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(w->edit()->text(), QStringLiteral("031226"));
    QCOMPARE(w->cellText(dt), QStringLiteral("031226"));
    QTest::keyClick(w->edit(), Qt::Key_PageDown);
    QVERIFY(w->accepted());
    QCOMPARE(operations::cardState().edited.DtZa, text::dayFromDate(2026, 12, 3));
  }

  void impossibleDateIsReportedAndKeptNormalised() {
    auto w = openCard('F');
    typeInto(*w, w->cellIndex("DtOT"), "310226");
    QTest::keyClick(w->edit(), Qt::Key_Return);
    QCOMPARE(status(), QString::fromUtf8("Błędna postać daty"));
    QCOMPARE(w->cellText(w->cellIndex("DtOT")), QStringLiteral("030326"));
  }

  void slot66OpensSectionBShowingTheAssetAndOtherLettersSayF3DoesNotWorkHere() {
    shell::shellState() = shell::ShellState();
    shell::shellState().option.slot = 11;
    operations::cardState().edited.Symb = "4-007";
    operations::cardState().edited.Nazw = text::fromUtf8("Tokarka uniwersalna");
    TFOknaF3 w;
    w.openFor(66, 1);  // as the desktop's timer does
    QCOMPARE(w.section(), 'B');
    QCOMPARE(w.title(), QString::fromUtf8("Środek trwały 4-007"));
    QCOMPARE(w.cellCount(), 0);
    QVERIFY(!w.edit()->isVisible());
    bool shown = false;
    for (QLabel* l : w.findChildren<QLabel*>())
      shown |= l->isVisible() && l->text() == QString::fromUtf8("Pełna nazwa  Tokarka uniwersalna");
    QVERIFY(shown);
    QTest::keyClick(&w, Qt::Key_Return);
    QVERIFY(w.accepted());
    QVERIFY(!w.isVisible());
    QCOMPARE(services.requests.back(), std::make_pair(11, 3));

    auto none = openCard('A');
    QCOMPARE(none->title(), QStringLiteral("F3 tu nie pracuje"));
    QCOMPARE(none->cellCount(), 0);
    QTest::keyClick(none.get(), Qt::Key_Escape);
    QVERIFY(!none->accepted());
    QVERIFY(!none->isVisible());
  }

  void f3OnAPlaceSelectionCarriesItIntoItsPatternsAndWzoPLoadsAPatternFile() {
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString() + "/";
    QVERIFY(platform::writeWholeFile(base + "BIURA.WZO", "biuro-*\r\nMAG?\r\n"));
    shell::shellState() = shell::ShellState();
    shell::shellState().baseFolder = base;
    shell::shellState().option.slot = 37;
    operations::clearOperations();
    gui::TFZestaw d;
    d.setToday(kToday);
    d.openFor(37, 1);  // SroW; DaDo; MieW; PoMU
    QLineEdit* places = d.field(QStringLiteral("MieW"));
    QVERIFY(places);
    places->setFocus();
    QTest::keyClicks(places, "krk*");
    QTest::keyClick(places, Qt::Key_F3);
    QCOMPARE(services.requests.back(), std::make_pair(75, 1));

    gui::TFLisF45 list;
    TFOknaF3 w;
    w.setPickList(&list);
    w.openFor(75, 1);
    QCOMPARE(w.section(), 'K');
    QCOMPARE(w.cellText(0), QStringLiteral("KRK?????????????"));  // what the field held
    const int file = w.cellIndex("WzoP");
    while (w.currentCell() < file) QTest::keyClick(w.edit(), Qt::Key_Down);
    QTest::keyClick(w.edit(), Qt::Key_F4);  // the pattern files of the base folder
    QVERIFY(list.isVisible());
    QTest::keyClick(list.listWidget(), Qt::Key_Return);
    QCOMPARE(w.cellText(file), QStringLiteral("BIURA.WZO"));
    QTest::keyClick(w.edit(), Qt::Key_Return);  // Enter on the last cell accepts
    QVERIFY(w.accepted());
    const operations::PatternList& p = operations::cardState().patterns[2];
    QCOMPARE(p.patterns.size(), std::size_t{3});
    QCOMPARE(p.patterns[1], text::pattern("BIURO-*", 16));
    QCOMPARE(p.patterns[2], text::pattern("MAG?", 16));
    QCOMPARE(services.requests.back(), std::make_pair(37, 3));
    d.openFor(37, 3);
    QCOMPARE(places->text(), QString::fromUtf8("……"));
  }

  void f4OnAContractorsKeyCellTakesTheCodeOfTheLinePicked() {
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString() + "/";
    QVERIFY(platform::writeWholeFile(
        base + "Kontrah.TXT",
        text::fromUtf8("ABC-1 Hurtownia Świętokrzyska\r\nZ2 Zakład Usług Leśnych\r\n")));
    shell::shellState() = shell::ShellState();
    shell::shellState().baseFolder = base;
    auto w = openCard('H');
    gui::TFLisF45 list;
    w->setPickList(&list);
    typeInto(*w, w->cellIndex("ZmCo", 1), "lt");
    QTest::keyClick(w->edit(), Qt::Key_Return);
    QCOMPARE(w->currentCell(), w->cellIndex("ZmKo", 1));
    QTest::keyClick(w->edit(), Qt::Key_F4);
    QVERIFY(list.isVisible());
    QCOMPARE(list.rows().kind, std::string("Kontrah.TXT"));
    QTest::keyClick(list.listWidget(), Qt::Key_End);
    QTest::keyClick(list.listWidget(), Qt::Key_Return);
    QCOMPARE(w->cellText(w->cellIndex("ZmKo", 1)), QStringLiteral("Z2"));
  }

  void invalidChangeKindIsRefusedAndNothingWritten() {
    operations::cardState().edited.Z[0] = text::fromUtf8("OT:150320,FV 1,100zł");
    auto w = openCard('H');
    const int kind = w->cellIndex("ZmCo", 2);
    typeInto(*w, kind, "xy");
    QTest::keyClick(w->edit(), Qt::Key_Return);
    QCOMPARE(w->cellText(kind), QStringLiteral("F4"));
    QTest::keyClicks(w->edit(), "KONTO");
    QTest::keyClick(w->edit(), Qt::Key_PageDown);
    QVERIFY(!w->accepted());
    QVERIFY(w->isVisible());
    QCOMPARE(status(), QString::fromUtf8("Wiersz 2: wybierz rodzaj zmiany z listy [F4]"));
    QCOMPARE(operations::cardState().edited.Z[1], std::string());

    // F4 on the kind cell: the kinds' list, and the chosen kind goes into the cell.
    gui::TFLisF45 list;
    w->setPickList(&list);
    QTest::keyClick(w->edit(), Qt::Key_Up);  // a grid row up keeps the column
    QCOMPARE(w->currentCell(), w->cellIndex("ZmKo", 1));
    QTest::keyClick(w->edit(), Qt::Key_PageUp);
    QCOMPARE(w->currentCell(), 0);
    while (w->currentCell() < kind) QTest::keyClick(w->edit(), Qt::Key_Return);
    QTest::keyClick(w->edit(), Qt::Key_F4);
    QVERIFY(list.isVisible());
    QTest::keyClicks(list.listWidget(), "m");  // MU
    QTest::keyClick(list.listWidget(), Qt::Key_Return);
    QCOMPARE(w->cellText(kind), QStringLiteral("MU"));
    QTest::keyClick(w->edit(), Qt::Key_PageDown);
    QVERIFY(w->accepted());
    QCOMPARE(operations::cardState().edited.Z[1], std::string("MU:KONTO,"));
    QCOMPARE(operations::cardState().edited.Z[0], text::fromUtf8("OT:150320,FV 1,100zł"));
  }

  void f3OnTheAssetNameOpensSectionDAndTheLineGoesIntoTheEditedAsset() {
    shell::shellState() = shell::ShellState();
    shell::shellState().option.slot = 11;
    operations::clearOperations();
    gui::TFZestaw d;
    d.setToday(kToday);
    d.openFor(11, 1);
    QLineEdit* name = d.field(QStringLiteral("ENaz"));
    QVERIFY(name);
    QTest::keyClick(name, Qt::Key_F3);
    QVERIFY(!services.requests.empty());
    QCOMPARE(services.requests.back(), std::make_pair(68, 1));

    TFOknaF3 w;
    w.setToday(kToday);
    w.openFor(68, 1);  // as the desktop's timer does
    QCOMPARE(w.section(), 'D');
    QTest::keyClick(w.edit(), Qt::Key_Down);
    QTest::keyClick(w.edit(), Qt::Key_Down);
    QCOMPARE(w.currentCell(), 2);
    QTest::keyClicks(w.edit(), QString::fromUtf8("Rok produkcji 2019, nr fabryczny 123"));
    QTest::keyClick(w.edit(), Qt::Key_PageDown);
    QVERIFY(w.accepted());
    QCOMPARE(operations::cardState().edited.Opis[2],
             text::fromUtf8("Rok produkcji 2019, nr fabryczny 123"));
    QCOMPARE(operations::cardState().original.Opis[2], std::string());
    QCOMPARE(services.requests.back(), std::make_pair(11, 3));
  }

  void patternSectionGivesItsSinglePatternBackToTheField() {
    shell::shellState() = shell::ShellState();
    shell::shellState().option.slot = 20;
    operations::clearOperations();
    gui::TFZestaw d;
    d.setToday(kToday);
    d.openFor(20, 1);  // SroW; DaDo
    QTest::keyClick(d.field(QStringLiteral("SroW")), Qt::Key_F3);
    QCOMPARE(services.requests.back(), std::make_pair(73, 1));
    TFOknaF3 w;
    w.openFor(73, 1);
    QCOMPARE(w.section(), 'I');
    QTest::keyClicks(w.edit(), "1*");
    QTest::keyClick(w.edit(), Qt::Key_PageDown);
    QCOMPARE(services.requests.back(), std::make_pair(20, 3));
    d.openFor(20, 3);
    QCOMPARE(d.field(QStringLiteral("SroW"))->text(), QStringLiteral("1??????????????"));
  }
};

QTEST_MAIN(F3WindowTest)
#include "f3_window_test.moc"
