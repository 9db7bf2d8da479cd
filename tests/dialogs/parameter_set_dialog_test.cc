#include "dialogs/parameter_set_dialog.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "operations/operation_registry.h"
#include "shell/desktop_settings.h"
#include "shell/menu_table.h"
#include "shell/shell_state.h"
#include "shell/window_requests.h"
#include "text/codepage.h"
#include "text/dates.h"

using namespace zefir;
using zefir::gui::TFZestaw;

class ParameterSetDialogTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  RememberingStatusLine line;

  QString status() const { return QString::fromStdString(text::toUtf8(line.last_text)); }

  // The registers of a workstation in the test's folder, read afresh (as at a
  // restart).
  void loadRegisters() {
    shell::DesktopRegisters& r = shell::desktopRegisters();
    QVERIFY(r.program.load(dir.filePath("Zefir.BAL").toStdString(), ".001").ok());
    QVERIFY(r.base.load(dir.filePath("Baza.BAL").toStdString(), ".001").ok());
  }

  std::unique_ptr<TFZestaw> open(int slot) {
    auto d = std::make_unique<TFZestaw>();
    d->setPrinters({"HP LaserJet"});
    d->setToday(text::dayFromDate(2026, 12, 7));
    d->openFor(slot, 1);
    return d;
  }

  void type(QLineEdit* e, const char* text) {
    e->clear();
    QTest::keyClicks(e, QString::fromUtf8(text));
  }

 private slots:
  void init() {
    for (const char* name : {"Zefir.BAL", "Baza.BAL"}) {
      QFile f(dir.filePath(name));  // present, so no wait for another writer
      QVERIFY(f.open(QIODevice::WriteOnly));
    }
    shell::shellState() = shell::ShellState();
    loadRegisters();
    TFZestaw::rememberedValues().clear();
    operations::clearOperations();
    setStatusLine(&line);
  }
  void cleanup() {
    setStatusLine(nullptr);
    operations::clearOperations();
    (void)shell::desktopRegisters().program.load("", "");
    (void)shell::desktopRegisters().base.load("", "");
  }

  void everyMenuOptionOpensTheCataloguesFieldsInOrder() {
    int opened = 0;
    for (char main = 'B'; main <= 'K'; ++main) {
      const auto& items = shell::submenuItems(main);
      for (std::size_t i = 1; i < items.size(); ++i) {
        const shell::LetterEntry* e = shell::findLetterEntry(std::string{main, items[i][1]});
        if (!e) continue;
        const operations::OptionInfo* o = operations::findOption(e->slot);
        QVERIFY(o);
        if (!o->hasLayout()) continue;  // the shell's own pages
        auto d = open(e->slot);
        QStringList expected, shown;
        for (const auto& p : operations::inputFields(operations::optionLayout(*o)))
          expected << QString::fromStdString(p.code);
        for (int f = 0; f < d->fieldCount(); ++f)
          if (d->field(f)->focusPolicy() != Qt::NoFocus) shown << d->fieldCode(f);
        QCOMPARE(shown, expected);
        QCOMPARE(d->goButton()->text(),
                 QString::fromStdString(text::toUtf8(operations::actionCaption(o->action))));
        ++opened;
      }
    }
    QCOMPARE(opened, 56);
  }

  void boxesAreNWideTimesWidthPlusTwoAndF3FieldsAreMarked() {
    auto d = open(20);
    QLineEdit* sroW = d->field(QStringLiteral("SroW"));
    QLineEdit* daDo = d->field(QStringLiteral("DaDo"));
    const QFontMetrics fm(d->font());
    // KonOkien defaults: edit-field depth 3, spacing 2.
    QCOMPARE(sroW->width(), fm.horizontalAdvance('N') * 17 + 10);
    QCOMPARE(daDo->width(), fm.horizontalAdvance('N') * 8 + 10);
    QVERIFY(sroW->styleSheet() != daDo->styleSheet());
    QCOMPARE(sroW->toolTip(), QStringLiteral("SroW Zestaw: 1"));
  }

  void yearsOutsideTheTextRangeAreRefusedAndKeepTheFocus() {
    auto d = open(43);  // SroW; Rok4
    QTest::keyClick(d->field(0), Qt::Key_Return);
    QCOMPARE(d->currentField(), 1);
    for (const char* bad : {"1999", "2040"}) {
      type(d->field(1), bad);
      QTest::keyClick(d->field(1), Qt::Key_Return);
      QCOMPARE(status(), QStringLiteral("Tu popraw"));
      QCOMPARE(line.last_kind, StatusKind::Error);
      QCOMPARE(d->currentField(), 1);
      QTest::keyClick(d->field(1), Qt::Key_Up);
      QCOMPARE(d->currentField(), 1);
    }
    for (const char* good : {"2000", "2039"}) {
      type(d->field(1), good);
      QTest::keyClick(d->field(1), Qt::Key_Return);  // the last field runs the option
      QCOMPARE(status(), QStringLiteral("Opcja Plan12 nie jest jeszcze zrobiona"));
    }
  }

  void emptyFieldsTakeTheirDefaultsWhenEntered() {
    auto d = open(46);  // Rok4; SroF; SroW; SGRa; TZGr
    QVERIFY(d->field(3)->text().isEmpty());
    type(d->field(0), "2026");
    for (int i = 0; i < 3; ++i) QTest::keyClick(d->field(i), Qt::Key_Down);
    QCOMPARE(d->currentField(), 3);
    QCOMPARE(d->field(3)->text(), QStringLiteral("3"));
    QTest::keyClick(d->field(3), Qt::Key_Down);
    QCOMPARE(d->field(4)->text(), QStringLiteral("T"));
    // The archive name carries today.
    auto archive = open(23);
    QCOMPARE(archive->field(0)->text(), QStringLiteral("Ar071226"));
  }

  void typedValuesComeBackAfterEscAndANewOpening() {
    auto d = open(31);  // SroW; DaOd + DaDo; depths
    QSignalSpy closed(d.get(), &TFZestaw::closeRequested);
    type(d->field(0), "ab*");
    QCOMPARE(d->field(0)->text(), QStringLiteral("AB*"));  // upper case as typed
    QTest::keyClick(d->field(0), Qt::Key_Return);
    type(d->field(1), "0101");
    QTest::keyClick(d->field(1), Qt::Key_Return);
    QCOMPARE(d->field(1)->text(), QStringLiteral("010126"));  // completed from today
    QTest::keyClick(d->field(2), Qt::Key_Escape);
    QCOMPARE(closed.count(), 1);
    auto again = open(31);
    QCOMPARE(again->field(0)->text(), QStringLiteral("AB*"));
    QCOMPARE(again->field(1)->text(), QStringLiteral("010126"));
    // F6 brings back the opening value from the cursor on.
    again->field(0)->setText("XY");
    again->field(0)->setCursorPosition(1);
    QTest::keyClick(again->field(0), Qt::Key_F6);
    QCOMPARE(again->field(0)->text(), QStringLiteral("XB*"));
    // A field repeated in a layout keeps each place's value apart.
    auto patterns = open(22);  // WzoN; WzoA ten times
    type(patterns->field(2), "P2");
    QTest::keyClick(patterns->field(2), Qt::Key_Down);
    QTest::keyClick(patterns->field(3), Qt::Key_Escape);
    auto reopened = open(22);
    QCOMPARE(reopened->field(2)->text(), QStringLiteral("P2"));
    QVERIFY(reopened->field(1)->text().isEmpty());
    QVERIFY(reopened->field(3)->text().isEmpty());
  }

  void enterOnTheLastFieldRunsTheOptionAndTheMessageMirrorsTheStatus() {
    QStringList seen;
    operations::registerOperation("Stell", [&](operations::OperationRun& run) {
      seen << QString::fromStdString(run.values.text("SroW") + "|" + run.values.text("DaDo") + "|" +
                                     run.outputCode);
      if (seen.size() > 1) showStatus("Raport", StatusKind::Notice);
      return Status::Ok();
    });
    auto d = open(33);  // SroW; DaDo
    type(d->field(0), "A");
    QTest::keyClick(d->field(0), Qt::Key_Return);
    type(d->field(1), "311226");
    QVERIFY(seen.isEmpty());
    QTest::keyClick(d->field(1), Qt::Key_Return);
    QCOMPARE(seen, QStringList{"A|311226|p"});
    QCOMPARE(status(), QStringLiteral("Wykonane."));
    QCOMPARE(d->messagePanel()->text(), QStringLiteral("Wykonane."));
    QCOMPARE(shell::shellState().fieldDaDo, text::dayFromDate(2026, 12, 31));
    // PgDn runs from any field; an operation's own message is left standing.
    QTest::keyClick(d->field(0), Qt::Key_PageDown);
    QCOMPARE(seen.size(), 2);
    QCOMPARE(status(), QStringLiteral("Raport"));
    QCOMPARE(d->messagePanel()->text(), QStringLiteral("Raport"));
  }

  void aFailedRunShowsItsReasonInTheErrorColourNotWykonane() {
    Status result = Status::Error(text::fromUtf8("Brak środka A"));
    bool speaks = false;
    operations::registerOperation("Stell", [&](operations::OperationRun&) {
      if (speaks) showStatus(text::fromUtf8("Przerwano przy A"), StatusKind::Notice);
      return result;
    });
    auto d = open(33);  // SroW; DaDo
    type(d->field(0), "A");
    type(d->field(1), "311226");
    QTest::keyClick(d->field(1), Qt::Key_PageDown);
    QCOMPARE(status(), QString::fromUtf8("Brak środka A"));
    QCOMPARE(line.last_kind, StatusKind::Error);
    QCOMPARE(d->messagePanel()->text(), QString::fromUtf8("Brak środka A"));
    QVERIFY(d->messagePanel()->styleSheet().contains("192, 0, 0"));
    // A failure without a reason still does not pass for success.
    result = Status::Error("");
    QTest::keyClick(d->field(1), Qt::Key_PageDown);
    QCOMPARE(line.last_kind, StatusKind::Error);
    QVERIFY(status() != QStringLiteral("Wykonane."));
    QVERIFY(!status().isEmpty());
    // The operation's own message stands; success after failure is black again.
    speaks = true;
    QTest::keyClick(d->field(1), Qt::Key_PageDown);
    QCOMPARE(status(), QStringLiteral("Przerwano przy A"));
    speaks = false;
    result = Status::Ok();
    QTest::keyClick(d->field(1), Qt::Key_PageDown);
    QCOMPARE(status(), QStringLiteral("Wykonane."));
    QCOMPARE(line.last_kind, StatusKind::Information);
    QVERIFY(!d->messagePanel()->styleSheet().contains("192, 0, 0"));
  }

  void outputChoiceSavedAsDefaultIsChosenAfterARestart() {
    auto d = open(20);
    QCOMPARE(d->outputList()->count(), 5);  // preview and four copies
    QCOMPARE(d->outputList()->currentRow(), 0);
    d->outputList()->setCurrentRow(2);
    d->saveDefaultButton()->click();
    loadRegisters();
    QCOMPARE(shell::desktopRegisters().program.text("Zes-20"), std::string("3"));
    auto again = open(20);
    QCOMPARE(again->outputList()->currentRow(), 2);
    auto other = open(21);
    QCOMPARE(other->outputList()->currentRow(), 0);
    // Zefir's own PDF printer comes last, so the PDF buttons work.
    QCOMPARE(again->printerList()->itemText(again->printerList()->count() - 1),
             QStringLiteral(" Zefir PDF"));
    QVERIFY(again->pdfButton()->isEnabled());
  }

  void documentsHaveNoPrintPanelAndEditingOptionsOnlySave() {
    auto d = open(13);
    QVERIFY(!d->outputPanel());
    QCOMPARE(d->fieldCode(1), QStringLiteral("DokJ"));
    auto edit = open(22);
    QVERIFY(!edit->outputPanel());
    QCOMPARE(edit->goButton()->text(), QStringLiteral("Zapisz"));
  }

  void anOptionWithoutFieldsAsksForConfirmation() {
    auto d = open(10);
    QCOMPARE(d->fieldCount(), 0);
    QVERIFY(d->labelTexts().contains(QStringLiteral("Enter, Wykonaj = TAK,  Esc, Anuluj = NIE")));
    QTest::keyClick(d->goButton(), Qt::Key_Return);
    QCOMPARE(status(), QStringLiteral("Wykonane."));
    QSignalSpy closed(d.get(), &TFZestaw::closeRequested);
    QTest::keyClick(d.get(), Qt::Key_Escape);
    QCOMPARE(closed.count(), 1);
  }

  void f3AndF4WithoutAWindowOrListSaySo() {
    auto d = open(16);  // SroJ; Rok4
    QTest::keyClick(d->field(1), Qt::Key_F3);
    QCOMPARE(status(), QString::fromUtf8("Tu  F3  nie działa !"));
    QTest::keyClick(d->field(1), Qt::Key_F4);
    QCOMPARE(status(), QStringLiteral("Tu F4 nie pracuje"));
  }

  void f4CallsThePickListAndComingBackKeepsWhatWasTyped() {
    auto d = open(37);  // SroW; DaDo; MieW; PoMU
    type(d->field(2), "mag");
    QTest::keyClick(d->field(2), Qt::Key_F5);
    const shell::PickListCall& call = shell::pickListCall();
    QCOMPARE(call.callingSlot, 37);
    QCOMPARE(call.fieldKind, 105);
    QCOMPARE(call.startText, std::string("MAG"));
    QCOMPARE(call.key, 5);
    d->openFor(37, 4);  // back from the list without a choice
    QCOMPARE(d->field(2)->text(), QStringLiteral("MAG"));
    d->openFor(37, 1);  // a new opening starts from the remembered values
    QVERIFY(d->field(2)->text().isEmpty());
  }

  void settingsPageValuesAreReadBackAfterARestart() {
    shell::DesktopSettings carried;
    auto d = open(81);
    d->setCarriedSettings(&carried);
    type(d->field(QStringLiteral("Dla")), "Firma X");
    QCOMPARE(d->field(QStringLiteral("Pod3"))->text(), QStringLiteral("1"));  // GlebPods default
    type(d->field(QStringLiteral("Pod3")), "2");
    QTest::keyClick(d->field(0), Qt::Key_PageDown);
    QCOMPARE(shell::shellState().organisation, std::string("Firma X"));
    QCOMPARE(carried.values["GlebPods"], std::string("0;2;3"));
    loadRegisters();
    auto again = open(81);
    QCOMPARE(again->field(QStringLiteral("Dla"))->text(), QStringLiteral("Firma X"));
    QCOMPARE(again->field(QStringLiteral("Pod3"))->text(), QStringLiteral("2"));

    // The window page of the shell keeps its fields in KonOkien.
    auto window = open(82);
    QCOMPARE(window->field(QStringLiteral("OkWi"))->text(), QStringLiteral("11"));
    type(window->field(QStringLiteral("OkWi")), "12");
    window->goButton()->click();
    loadRegisters();
    QCOMPARE(shell::desktopRegisters().program.field("KonOkien", 3), std::string("12"));
  }
};

QTEST_MAIN(ParameterSetDialogTest)
#include "parameter_set_dialog_test.moc"
