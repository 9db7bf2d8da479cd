// The asset edit form of option 11 driven by keys: a new asset typed in from
// the menu on, with the card's section reached by F3, saved into the base;
// paging through the register from the symbol field; going back to the
// symbol dropping the unsaved edits.
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "../register/sample_assets.h"
#include "dialogs/f3_window.h"
#include "dialogs/parameter_set_dialog.h"
#include "dialogs/pick_list_window.h"
#include "operations/asset_editor.h"
#include "operations/operation_registry.h"
#include "platform/status_line.h"
#include "recording_services.h"
#include "register/base_record_layout.h"
#include "shell/base_loading.h"
#include "shell/desktop_settings.h"
#include "shell/gui/zefir_main_windows.h"
#include "shell/shell_state.h"
#include "text/codepage.h"
#include "text/dates.h"

using namespace zefir;
using zefir::gui::TFZestaw;

namespace {

const DayNumber kToday = text::dayFromDate(2026, 12, 9);

}  // namespace

class AssetEditFormTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> dir;
  RememberingStatusLine line;
  testing::RecordingServices services;

  QString basePath() const { return dir->filePath("Srodki.PST"); }

  // The record kinds of the journal from record `from` on.
  QList<int> kindsFrom(qint64 from) const {
    QFile f(basePath());
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = f.readAll();
    QList<int> kinds;
    const qsizetype size = base::kRecordSize;
    for (qsizetype at = from * size; at + size <= bytes.size(); at += size)
      kinds << static_cast<unsigned char>(bytes[at + base::kKind]);
    return kinds;
  }
  qint64 records() const { return QFileInfo(basePath()).size() / base::kRecordSize; }

  // The asset as `zefir-cli dump` prints it (an empty object when missing).
  QJsonObject dumped(const QString& symbol) const {
    QProcess cli;
    cli.start(QStringLiteral(ZEFIR_CLI), {QStringLiteral("dump"), basePath()});
    if (!cli.waitForFinished(30000)) return {};
    for (const QByteArray& l : cli.readAllStandardOutput().split('\n')) {
      const QJsonObject o = QJsonDocument::fromJson(l).object();
      if (o.value("Symb").toString() == symbol) return o;
    }
    return {};
  }

  void writeBase(const std::vector<AssetRecord>& assets) {
    const std::string path = basePath().toStdString();
    QVERIFY(writeNewJournal(path, path + ".tmp", assets, writeStampNow("", ".xxx")).ok());
    shell::loadDesktopBase();
    QCOMPARE(shell::desktopRegister().assetCount(), static_cast<int>(assets.size()));
  }

  // The form with asset A/1 loaded from a base of `assets`, with this test's
  // status line and answers.
  std::unique_ptr<TFZestaw> formOnA1(const std::vector<AssetRecord>& assets) {
    setStatusLine(&line);
    setDesktopServices(&services);
    writeBase(assets);
    auto d = openForm();
    type(d->field(0), "A/1");
    QTest::keyClick(d->field(0), Qt::Key_Return);
    return d;
  }

  std::unique_ptr<TFZestaw> openForm() {
    auto d = std::make_unique<TFZestaw>();
    d->setToday(kToday);
    d->openFor(11, 1);
    return d;
  }

  static QString text(const QLineEdit* e) { return e ? e->text() : QStringLiteral("(brak)"); }
  static void type(QLineEdit* e, const char* utf8) {
    e->selectAll();
    QTest::keyClicks(e, QString::fromUtf8(utf8));
  }

 private slots:
  void init() {
    dir = std::make_unique<QTemporaryDir>();
    for (const char* name : {"Zefir.BAL", "Baza.BAL"}) {
      QFile f(dir->filePath(name));
      QVERIFY(f.open(QIODevice::WriteOnly));
    }
    shell::DesktopRegisters& r = shell::desktopRegisters();
    QVERIFY(r.program.load(dir->filePath("Zefir.BAL").toStdString(), ".xxx").ok());
    QVERIFY(r.base.load(dir->filePath("Baza.BAL").toStdString(), ".xxx").ok());
    shell::shellState() = shell::ShellState();
    shell::shellState().start = shell::startModeFrom("", false);
    shell::shellState().markerCreated = true;
    shell::shellState().baseFolder = dir->path().toStdString() + "/";
    shell::shellState().option.slot = 11;
    operations::cardState() = operations::CardState();
    TFZestaw::rememberedValues().clear();
    operations::clearOperations();
    operations::registerBuiltOperations();
  }
  void cleanup() {
    setStatusLine(nullptr);
    setDesktopServices(nullptr);
    shell::desktopRegister().clear();
    (void)shell::desktopRegisters().program.load("", "");
    (void)shell::desktopRegisters().base.load("", "");
    dir.reset();
  }

  // From the menu: a new symbol, its fields, the acceptance section of the
  // card through F3, then "Zapisz"; the journal grows by the kinds that
  // changed, and a second save of the name alone by its record only.
  void newAssetTypedFromTheMenuIsSavedWithTheCardsValues() {
    writeBase({testing::linearMachine("A/1", "Tokarka")});
    gui::DesktopWindows w("");
    shell::shellState().baseFolder = dir->path().toStdString() + "/";
    w.desktop->show();
    w.menu->showMenu(1);
    QTest::keyClicks(w.menu->mainList(), "c");
    QTest::keyClicks(w.menu->subList(), "b");
    auto* page = static_cast<TFZestaw*>(w.parameterSet);
    for (int i = 0; i < 3 && !page->isVisible(); ++i) w.desktop->tickNow();
    QVERIFY(page->isVisible());
    QCOMPARE(page->slot(), 11);
    page->setToday(kToday);

    type(page->field(0), "nowy/1");
    QTest::keyClick(page->field(0), Qt::Key_Return);
    QCOMPARE(page->currentField(), 2);  // past the new-symbol field
    QCOMPARE(text(page->field(QStringLiteral("SroX"))), QStringLiteral("NOWY/1"));
    type(page->field(2), "Frezarka");
    QTest::keyClick(page->field(2), Qt::Key_Return);
    type(page->field(3), "010326");
    QTest::keyClick(page->field(3), Qt::Key_Return);
    QCOMPARE(page->fieldCode(page->currentField()), QStringLiteral("EDaO"));

    // F3: the card's acceptance section, its value and document.
    QTest::keyClick(page->field(4), Qt::Key_F3);
    auto* card = static_cast<gui::TFOknaF3*>(w.f3);
    for (int i = 0; i < 3 && !card->isVisible(); ++i) w.desktop->tickNow();
    QVERIFY(card->isVisible());
    QCOMPARE(card->section(), 'F');
    QTest::keyClicks(card->edit(), "150326");
    QTest::keyClick(card->edit(), Qt::Key_Return);
    QTest::keyClicks(card->edit(), "2400");
    QTest::keyClick(card->edit(), Qt::Key_Return);
    QTest::keyClicks(card->edit(), "OT 5/26");
    QTest::keyClick(card->edit(), Qt::Key_PageDown);
    QVERIFY(card->accepted());
    for (int i = 0; i < 3 && w.desktop->timerState().hasRequest(); ++i) w.desktop->tickNow();
    QVERIFY(page->isVisible());
    QCOMPARE(text(page->field(QStringLiteral("EDaO"))), QStringLiteral("150326"));
    QVERIFY(text(page->displayField(QStringLiteral("eDOT"))).contains(QStringLiteral("OT 5/26")));

    QLineEdit* method = page->field(QStringLiteral("EMeU"));
    QTest::keyClick(page->field(4), Qt::Key_Down);
    type(method, "l");
    QTest::keyClick(method, Qt::Key_Down);
    type(page->field(QStringLiteral("EKST")), "491");
    QTest::keyClick(page->field(QStringLiteral("EKST")), Qt::Key_Down);
    type(page->field(QStringLiteral("EStA")), "10");
    const qint64 before = records();
    QTest::keyClick(page->field(QStringLiteral("EStA")), Qt::Key_F10);  // "Zapisz"

    // Main data, second data (the card's document) and the first rate entry.
    QCOMPARE(kindsFrom(before), (QList<int>{1, 2, 4}));
    QCOMPARE(page->currentField(), 0);
    QCOMPARE(text(page->field(0)), QStringLiteral("NOWY/1"));
    const QJsonObject saved = dumped(QStringLiteral("NOWY/1"));
    QCOMPARE(saved.value("Nazw").toString(), QStringLiteral("FREZARKA"));
    QCOMPARE(saved.value("WaOT").toDouble(), 2400.0);
    QCOMPARE(saved.value("DdOT").toString(), QStringLiteral("OT 5/26"));
    QCOMPARE(saved.value("DtZa").toInt(), static_cast<int>(text::dayFromDate(2026, 3, 1)));
    QCOMPARE(saved.value("MeUm").toString(), QStringLiteral("L"));
    QVERIFY(!dumped(QStringLiteral("A/1")).isEmpty());
    QVERIFY(text(page->displayField(QStringLiteral("eKwi"))).startsWith(QStringLiteral("20,00")));

    // Only the name changes: one main-data record.
    QTest::keyClick(page->field(0), Qt::Key_Return);
    type(page->field(2), "Frezarka CNC");
    const qint64 second = records();
    QTest::keyClick(page->field(2), Qt::Key_F10);
    QCOMPARE(kindsFrom(second), (QList<int>{1}));
    QCOMPARE(dumped(QStringLiteral("NOWY/1")).value("Nazw").toString(),
             QStringLiteral("FREZARKA CNC"));
  }

  void pagingKeysStepThroughTheRegisterFromTheSymbolField() {
    setStatusLine(&line);
    setDesktopServices(&services);
    writeBase({testing::linearMachine("A/1", "Tokarka"), testing::linearMachine("B/1", "Frezarka"),
               testing::linearMachine("C/1", "Prasa")});
    auto d = openForm();
    QLineEdit* symbol = d->field(0);
    QLineEdit* name = d->field(QStringLiteral("ENaz"));
    QCOMPARE(symbol->text(), QString());
    QTest::keyClick(symbol, Qt::Key_Down);
    QCOMPARE(symbol->text(), QStringLiteral("A/1"));
    QCOMPARE(name->text(), QStringLiteral("Tokarka"));
    QCOMPARE(text(d->displayField(QStringLiteral("eNaD"))), QStringLiteral("31-12-2026"));
    QCOMPARE(text(d->displayField(QStringLiteral("eOdR"))),
             QStringLiteral("w ewidencji od 2025 r."));
    QCOMPARE(d->currentField(), 0);  // the keys page, they do not move the focus
    QTest::keyClick(symbol, Qt::Key_Down);
    QCOMPARE(name->text(), QStringLiteral("Frezarka"));
    QTest::keyClick(symbol, Qt::Key_PageDown);  // past the last: stays on it
    QCOMPARE(symbol->text(), QStringLiteral("C/1"));
    QTest::keyClick(symbol, Qt::Key_Down);
    QCOMPARE(symbol->text(), QStringLiteral("C/1"));
    QCOMPARE(name->text(), QStringLiteral("Prasa"));
    QTest::keyClick(symbol, Qt::Key_Up);
    QCOMPARE(symbol->text(), QStringLiteral("B/1"));
    QTest::keyClick(symbol, Qt::Key_PageUp);  // before the first: the empty symbol
    QCOMPARE(symbol->text(), QString());
    QCOMPARE(name->text(), QString());
    QCOMPARE(operations::assetEditor().position(), 0);
    // Elsewhere the keys move between the fields.
    QTest::keyClick(symbol, Qt::Key_Down);
    QTest::keyClick(symbol, Qt::Key_Return);
    QTest::keyClick(d->field(2), Qt::Key_Down);
    QCOMPARE(d->fieldCode(d->currentField()), QStringLiteral("EDaZ"));
    QCOMPARE(symbol->text(), QStringLiteral("A/1"));
  }

  void goingBackToTheSymbolDropsTheUnsavedEdits() {
    auto d = formOnA1({testing::linearMachine("A/1", "Tokarka")});
    QLineEdit* name = d->field(2);
    type(name, "Zmieniona");
    QTest::keyClick(name, Qt::Key_Return);
    QVERIFY(operations::assetEditor().hasUnsavedEdits());
    // Up from the name to the new symbol keeps them ...
    QTest::keyClick(d->field(3), Qt::Key_Up);
    QTest::keyClick(name, Qt::Key_Up);
    QCOMPARE(d->currentField(), 1);
    QCOMPARE(name->text(), QStringLiteral("ZMIENIONA"));
    // ... back in the symbol the asset is loaded again.
    QTest::keyClick(d->field(1), Qt::Key_Up);
    QCOMPARE(d->currentField(), 0);
    QCOMPARE(name->text(), QStringLiteral("Tokarka"));
    QVERIFY(!operations::assetEditor().hasUnsavedEdits());

    // Esc beyond the first field returns to it, and drops them too.
    QTest::keyClick(d->field(0), Qt::Key_Return);
    type(name, "Inna");
    QTest::keyClick(name, Qt::Key_Return);
    QTest::keyClick(d->field(3), Qt::Key_Escape);
    QCOMPARE(d->currentField(), 0);
    QCOMPARE(name->text(), QStringLiteral("Tokarka"));
    QVERIFY(d->isVisible());  // Esc went back to the symbol, not to the menu
    const qint64 before = records();
    QTest::keyClick(d->field(0), Qt::Key_F10);
    QCOMPARE(records(), before);  // nothing left to save
  }

  // Fields that cannot show their value whole (a date past the text forms'
  // last year, a rate of many decimals) are left alone by a save.
  void anUntouchedFormAppendsNothing() {
    AssetRecord a = testing::linearMachine("A/1", "Tokarka");
    a.DtZa = text::kLastTextDay + 400;
    a.K[0].StPo = 12.3456L;
    auto d = formOnA1({a});
    QCOMPARE(d->field(QStringLiteral("EStA"))->text(), QStringLiteral("12.34"));
    const qint64 before = records();
    QTest::keyClick(d->field(2), Qt::Key_F10);
    QCOMPARE(records(), before);
    QCOMPARE(dumped(QStringLiteral("A/1")).value("DtZa").toInt(),
             static_cast<int>(text::kLastTextDay + 400));
  }

  // A new symbol that another asset holds: cancelling the question saves
  // nothing and keeps the edits; yes to both questions renames.
  void renameOntoAnExistingAssetAsksAndCancelKeepsTheEdits() {
    auto d = formOnA1(
        {testing::linearMachine("A/1", "Tokarka"), testing::linearMachine("B/1", "Prasa")});
    type(d->field(2), "Tokarka nowa");
    QTest::keyClick(d->field(2), Qt::Key_Up);
    type(d->field(1), "B/1");
    const qint64 before = records();
    services.answer = Answer::Back;
    QTest::keyClick(d->field(1), Qt::Key_F10);
    QCOMPARE(records(), before);
    QCOMPARE(services.questions.size(), std::size_t{1});
    QCOMPARE(text::toUtf8(services.questions[0]), std::string("Skasować poprzednią zawartość"));
    QCOMPARE(d->currentField(), 0);
    QCOMPARE(d->field(0)->text(), QStringLiteral("A/1"));
    QCOMPARE(d->field(2)->text(), QStringLiteral("TOKARKA NOWA"));  // kept

    services.answer = Answer::Yes;
    QTest::keyClick(d->field(0), Qt::Key_F10);
    QCOMPARE(services.questions.size(), std::size_t{3});
    QCOMPARE(QString::fromStdString(text::toUtf8(line.last_text)),
             QStringLiteral("Indeks zmieniony"));
    QCOMPARE(d->field(0)->text(), QStringLiteral("B/1"));
    QCOMPARE(shell::desktopRegisters().base.text("SroE"), std::string("B/1"));
    QCOMPARE(dumped(QStringLiteral("B/1")).value("Nazw").toString(),
             QStringLiteral("TOKARKA NOWA"));
    QVERIFY(dumped(QStringLiteral("A/1")).isEmpty());
  }

  // The place of use shows the asset's MU entries: a place typed into it is
  // refused with a message, the field shows the places again and a save
  // appends nothing for it.
  void aPlaceTypedIntoThePlaceOfUseIsRefusedVisibly() {
    auto d = formOnA1({testing::linearMachine("A/1", "Tokarka")});
    QLineEdit* place = d->field(QStringLiteral("eMie"));
    QVERIFY(place);
    const QString shown = place->text();
    int at = 0;
    while (at < d->fieldCount() && d->field(at) != place) ++at;
    type(place, "POKOJ 7");
    QTest::keyClick(place, Qt::Key_Return);
    QCOMPARE(d->currentField(), at);  // stays in the field
    QCOMPARE(place->text(), shown);
    QCOMPARE(QString::fromStdString(text::toUtf8(line.last_text)),
             QStringLiteral("Miejsce użytkowania zmienia wpis MU na karcie środka"));
    QVERIFY(!operations::assetEditor().hasUnsavedEdits());
    const qint64 before = records();
    QTest::keyClick(place, Qt::Key_F10);
    QCOMPARE(records(), before);
  }
};

QTEST_MAIN(AssetEditFormTest)
#include "asset_edit_form_test.moc"
