// TFLisF45 driven by keys: stepping, filtering, searching, accepting rows and
// calendar dates, and the whole F4 round trip from a parameter-set field.
#include "dialogs/pick_list_window.h"

#include <QCalendarWidget>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "../net/rate_test_support.h"
#include "dialogs/parameter_set_dialog.h"
#include "operations/operation_registry.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/status_line.h"
#include "recording_services.h"
#include "register/asset_register.h"
#include "register/base_journal.h"
#include "shell/base_loading.h"
#include "shell/desktop_services.h"
#include "shell/desktop_settings.h"
#include "shell/shell_state.h"
#include "shell/window_requests.h"
#include "text/codepage.h"
#include "text/dates.h"

using namespace zefir;
using zefir::gui::TFLisF45;

namespace {

std::string cp(const char* utf8) {
  return text::fromUtf8(utf8);
}

}  // namespace

class PickListWindowTest : public QObject {
  Q_OBJECT

  RememberingStatusLine line;
  testing::RecordingServices services;
  AssetRegister reg;

  std::unique_ptr<TFLisF45> openList(int key, const std::string& current = {}) {
    auto w = std::make_unique<TFLisF45>();
    operations::PickListSources s;
    s.reg = &reg;
    w->setSources(s);
    w->open(key, current);
    return w;
  }
  static QString keyOf(const TFLisF45& w) { return QString::fromStdString(text::toUtf8(w.key())); }

 private slots:
  void init() {
    reg = AssetRegister();
    setStatusLine(&line);
    setDesktopServices(&services);
    services.requests.clear();
  }
  void cleanup() {
    setStatusLine(nullptr);
    setDesktopServices(nullptr);
  }

  void typedDigitsAndPagingKeysStepThroughTheRows() {
    auto w = openList('n');  // seven rows C M N O S X Z
    QListWidget* l = w->listWidget();
    QCOMPARE(w->currentRow(), 0);
    QTest::keyClick(l, '1');
    QCOMPARE(w->currentRow(), 6);
    QTest::keyClick(l, '4');
    QCOMPARE(w->currentRow(), 0);
    QTest::keyClick(l, '6');
    QCOMPARE(w->currentRow(), 6);
    QTest::keyClick(l, '8');
    QCOMPARE(w->currentRow(), 5);
    QTest::keyClick(l, Qt::Key_Home);
    QCOMPARE(w->currentRow(), 0);
    QTest::keyClick(l, Qt::Key_PageDown);
    QCOMPARE(w->currentRow(), 6);
    QTest::keyClick(l, Qt::Key_PageUp);
    QCOMPARE(w->currentRow(), 0);
    QTest::keyClick(l, Qt::Key_End);
    QCOMPARE(w->currentRow(), 6);
    QTest::keyClick(l, 'o');  // a letter jumps to the row it begins
    QCOMPARE(w->currentRow(), 3);
    QTest::keyClick(l, Qt::Key_F8);
    QCOMPARE(line.last_text, std::to_string(Qt::Key_F8));
  }

  void opensAtTheFieldsTextAndAcceptsKeyWithoutPadding() {
    QVERIFY(reg.accounts.add({"KS-01", cp("Środki trwałe")}).ok());
    QVERIFY(reg.accounts.add({"AB", "Inne"}).ok());
    QVERIFY(reg.accounts.add({"ZZ", "Ostatnie"}).ok());
    auto w = openList('k', "KS");
    QCOMPARE(w->currentRow(), 1);
    QTest::keyClick(w->listWidget(), Qt::Key_Return);
    QVERIFY(w->chosen());
    QCOMPARE(keyOf(*w), QStringLiteral("KS-01"));
    QCOMPARE(w->description(), cp("Środki trwałe"));
    QVERIFY(!w->isVisible());
  }

  void filterEditRebuildsTheListAndSearchEditFindsRoundTheEnd() {
    QVERIFY(reg.places.add({"WAR-01", "Warszawa, biuro"}).ok());
    QVERIFY(reg.places.add({"WAR-02", "Warszawa, magazyn"}).ok());
    QVERIFY(reg.places.add({"KRK", cp("Kraków")}).ok());
    auto w = openList('m');
    QCOMPARE(w->listWidget()->count(), 3);
    w->filterEdit()->setFocus();
    QTest::keyClicks(w->filterEdit(), "war");
    QTest::keyClick(w->filterEdit(), Qt::Key_Return);
    QCOMPARE(w->listWidget()->count(), 2);
    QVERIFY(!w->filterEdit()->isEnabled());
    QVERIFY(w->searchEdit()->isEnabled());

    QTest::keyClick(w->listWidget(), Qt::Key_F5);
    QTest::keyClicks(w->searchEdit(), "magazyn");
    QTest::keyClick(w->searchEdit(), Qt::Key_Return);
    QCOMPARE(w->currentRow(), 1);
    QCOMPARE(w->searchEdit()->text(), QStringLiteral(" - w tył   w przód + "));
    // "MAGAZYN" is only in row 1: keypad plus goes round to it again.
    QTest::keyClick(w->listWidget(), Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(w->currentRow(), 1);
    QTest::keyClick(w->listWidget(), Qt::Key_Escape);
    QVERIFY(!w->chosen());
    QVERIFY(w->key().empty());
  }

  void freeNumberKeyJumpsToTheNextFreeAsset() {
    for (const char* s : {"A1", "A3", "A9", "B1"}) {
      QVERIFY(!reg.exists(s));
      QVERIFY(reg.insertAtCurrent().ok());
      reg.currentRecord().Symb = s;
    }
    auto w = openList('s');
    QTest::keyClick(w->listWidget(), Qt::Key_F4);
    QTest::keyClick(w->listWidget(), Qt::Key_F4);
    QTest::keyClick(w->listWidget(), Qt::Key_F4);
    QTest::keyClick(w->listWidget(), Qt::Key_Return);
    QCOMPARE(keyOf(*w), QStringLiteral("B0"));
    QVERIFY(!w->deleteButton()->isEnabled());
  }

  void emptyDictionaryShowsItsSampleRows() {
    auto w = openList('o');
    QVERIFY(w->listWidget()->count() >= 2);
    QVERIFY(w->listWidget()->item(w->listWidget()->count() - 1)->text().startsWith("DEMO"));
  }

  void calendarDatesOutsideTheRangeGiveNoDateOrTheBound() {
    auto w = openList('D', "150320");
    QVERIFY(w->calendar()->isVisible());
    QCOMPARE(w->calendar()->selectedDate(), QDate(2020, 3, 15));
    QTest::keyClick(w->listWidget(), '2');
    QTest::keyClick(w->listWidget(), Qt::Key_Return);
    QCOMPARE(keyOf(*w), QStringLiteral("160320"));

    w->open('D', "");
    w->calendar()->setSelectedDate(QDate(1919, 12, 31));
    w->go();
    QVERIFY(w->key().empty());
    w->open('D', "");
    w->calendar()->setSelectedDate(QDate(2040, 1, 1));
    emit w->calendar()->activated(QDate(2040, 1, 1));
    QCOMPARE(keyOf(*w), QStringLiteral("311239"));
  }

  void f4OnADateFieldPicksARowIntoTheField() {
    QTemporaryDir dir;
    shell::shellState() = shell::ShellState();
    operations::clearOperations();
    gui::TFZestaw d;
    d.setToday(text::dayFromDate(2026, 12, 7));
    d.openFor(20, 1);  // SroW; DaDo
    QLineEdit* daDo = d.field(QStringLiteral("DaDo"));
    QVERIFY(daDo);
    for (int i = 0; i < d.fieldCount() && d.field(d.currentField()) != daDo; ++i)
      QTest::keyClick(d.field(d.currentField()), Qt::Key_Return);
    QCOMPARE(d.field(d.currentField()), daDo);
    daDo->setText("150320");
    QTest::keyClick(daDo, Qt::Key_F4);
    QVERIFY(!services.requests.empty());
    QCOMPARE(services.requests.back(), std::make_pair(shell::kPickListSlot, 1));

    TFLisF45 list;
    list.openFor(shell::kPickListSlot, 1);  // as the desktop's timer does
    QVERIFY(list.calendar()->isVisible());
    QTest::keyClick(list.listWidget(), Qt::Key_Down);
    QTest::keyClick(list.listWidget(), Qt::Key_Return);
    QCOMPARE(services.requests.back(), std::make_pair(20, 5));
    d.openFor(20, 5);
    QCOMPARE(daDo->text(), QStringLiteral("160320"));
  }

  void delAndRenOnTheEditableAssetListChangeTheBaseAndTheListShowsIt() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("Srodki.PST").toStdString();
    BaseJournal journal(path);
    AssetRegister assets;
    QVERIFY(journal.load(assets).ok());
    for (const char* symbol : {"A/1", "A/2", "A/3"}) {
      AssetRecord a = AssetRegister::emptyRecord();
      a.Symb = symbol;
      a.Nazw = std::string("Maszyna ") + symbol;
      QVERIFY(journal.saveAsset(assets, AssetRegister::emptyRecord(), a).ok());
    }
    TFLisF45 w;
    operations::PickListSources s;
    s.reg = &assets;
    w.setSources(s);
    w.setAssetBase(&journal, &assets);
    w.open(operations::kAssetListEditable, "A/2");
    QVERIFY(w.deleteButton()->isEnabled());
    QVERIFY(w.renameButton()->isEnabled());
    QCOMPARE(keyOf(w), QString());
    QTest::keyClick(w.listWidget(), Qt::Key_Delete);  // answered yes
    QCOMPARE(line.last_text, std::string("Indeks skasowany"));
    QVERIFY(!assets.exists("A/2"));
    for (int i = 0; i < w.listWidget()->count(); ++i)  // A/2 is a free number now
      if (w.listWidget()->item(i)->text().startsWith("A/2 "))
        QVERIFY(w.listWidget()->item(i)->text().endsWith("wolne"));

    // Ren: the new symbol typed under the list; Esc there leaves only the rename.
    QTest::keyClick(w.listWidget(), Qt::Key_Home);
    w.renameButton()->click();
    QVERIFY(w.newSymbolEdit()->isVisible());
    QCOMPARE(w.newSymbolEdit()->text(), QStringLiteral("A/1"));
    QTest::keyClick(w.newSymbolEdit(), Qt::Key_Escape);
    QVERIFY(w.isVisible());
    QVERIFY(!w.newSymbolEdit()->isVisible());
    QTest::keyClick(w.listWidget(), Qt::Key_F2);
    w.newSymbolEdit()->selectAll();
    QTest::keyClicks(w.newSymbolEdit(), "b/7");
    QTest::keyClick(w.newSymbolEdit(), Qt::Key_Return);
    QCOMPARE(line.last_text, std::string("Indeks zmieniony"));
    QVERIFY(w.listWidget()->currentItem()->text().startsWith("B/7 "));
    QVERIFY(!w.chosen());

    // Another workstation reading the journal sees both changes, nothing else lost.
    AssetRegister other;
    BaseJournal otherJournal(path);
    QVERIFY(otherJournal.load(other).ok());
    QVERIFY(!other.exists("A/1"));
    QVERIFY(!other.exists("A/2"));
    QVERIFY(other.exists("B/7"));
    QCOMPARE(std::string(other.currentRecord().Nazw), std::string("Maszyna A/1"));
    QVERIFY(other.exists("A/3"));
  }

  void f4OnTheAdditionalDescriptionPicksALineOfItsTextFile() {
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString() + "/";
    QVERIFY(
        platform::writeWholeFile(base + "Opisy.TXT", cp("nr fabryczny \r\nwyposażenie biura\r\n")));
    shell::shellState() = shell::ShellState();
    shell::shellState().baseFolder = base;
    shell::shellState().option.slot = 11;
    operations::clearOperations();
    gui::TFZestaw d;
    d.openFor(11, 1);
    QLineEdit* extra = d.field(QStringLiteral("ENa2"));
    QVERIFY(extra);
    QTest::keyClick(extra, Qt::Key_F4);
    QCOMPARE(services.requests.back(), std::make_pair(shell::kPickListSlot, 1));
    TFLisF45 list;
    list.openFor(shell::kPickListSlot, 1);
    QCOMPARE(list.rows().kind, std::string("Opisy.TXT"));
    QCOMPARE(list.listWidget()->count(), 2);
    QTest::keyClick(list.listWidget(), Qt::Key_Home);
    QTest::keyClick(list.listWidget(), Qt::Key_Down);
    QTest::keyClick(list.listWidget(), Qt::Key_Return);
    QCOMPARE(services.requests.back(), std::make_pair(11, 5));
    d.openFor(11, 5);
    QCOMPARE(extra->text(), QString::fromUtf8("WYPOSAŻENIE BIURA"));
  }

  void rateListRefreshesTheRateFileOnceADayFromTheConfiguredSource() {
    QTemporaryDir dir;
    const QString source = dir.filePath("archiwum.csv");
    QVERIFY(platform::writeWholeFile(source.toStdString(), net::testing::sampleArchive1250(2024)));
    QFile bal(dir.filePath("Zefir.BAL"));
    QVERIFY(bal.open(QIODevice::WriteOnly));
    bal.close();
    shell::DesktopRegisters& r = shell::desktopRegisters();
    QVERIFY(r.program.load(dir.filePath("Zefir.BAL").toStdString(), ".001").ok());
    QVERIFY(r.program.set("AdrNBP.xxx", source.toStdString()).ok());
    shell::shellState() = shell::ShellState();
    shell::shellState().programFolder = dir.path().toStdString();

    TFLisF45 w;
    w.setRateRefresh(gui::refreshDesktopRates);
    w.open('A', "");
    const std::string rateFile = gui::desktopRateFile();
    QCOMPARE(QString::fromStdString(platform::folderOf(rateFile)), dir.path() + "/");
    const std::string written = platform::readWholeFile(rateFile).value_or("");
    QVERIFY(!written.empty());
    QVERIFY(written.find("03-01-2024  37988  3.9909  002/A/NBP/2024") != std::string::npos);
    QVERIFY(w.listWidget()->count() > 10);
    QCOMPARE(w.rows().kind, std::string("  Tabele A NBP"));
    QVERIFY(line.last_text.starts_with("Tabela NBP wczytana  i zapisana"));

    // Written today: opening the list again fetches nothing, even from a changed source.
    QVERIFY(platform::writeWholeFile(source.toStdString(), "zepsute archiwum\n"));
    line.last_text.clear();
    w.open('A', "");
    QCOMPARE(platform::readWholeFile(rateFile).value_or(""), written);
    QVERIFY(line.last_text.empty());
    QVERIFY(w.listWidget()->count() > 10);
    w.escape();
    (void)r.program.load("", "");
  }
};

QTEST_MAIN(PickListWindowTest)
#include "pick_list_window_test.moc"
