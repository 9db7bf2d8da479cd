// F4 on fields that have no catalogue entry of their own: the window page's
// settings pick a font and a position into the field, which the page then
// stores, and the base folder a subfolder holding a base; and the purchase price on the asset card
// opens the exchange rates and takes the price at the rate picked.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "../net/rate_test_support.h"
#include "dialogs/f3_window.h"
#include "dialogs/parameter_set_dialog.h"
#include "dialogs/pick_list_window.h"
#include "operations/asset_card.h"
#include "operations/operation_registry.h"
#include "platform/file_system.h"
#include "platform/status_line.h"
#include "recording_services.h"
#include "shell/desktop_services.h"
#include "shell/desktop_settings.h"
#include "shell/shell_state.h"
#include "shell/window_requests.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

using namespace zefir;
using zefir::gui::TFLisF45;
using zefir::gui::TFZestaw;

class SettingsPickListTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  RememberingStatusLine line;
  testing::RecordingServices services;

  QString status() const { return QString::fromStdString(text::toUtf8(line.last_text)); }

  // F4 in `field`, then in the desktop's list the keys given, and back.
  void pickWith(TFZestaw& d, QLineEdit* field, TFLisF45& list, const QString& keys) {
    QTest::keyClick(field, Qt::Key_F4);
    QCOMPARE(services.requests.back(), std::make_pair(shell::kPickListSlot, 1));
    list.openFor(shell::kPickListSlot, 1);
    QVERIFY(list.isVisible());
    for (QChar c : keys) {
      if (c == '$')
        QTest::keyClick(list.listWidget(), Qt::Key_End);
      else
        QTest::keyClicks(list.listWidget(), QString(c));
    }
    QTest::keyClick(list.listWidget(), Qt::Key_Return);
    QCOMPARE(services.requests.back(), std::make_pair(82, 5));
    d.openFor(82, 5);
  }

 private slots:
  void init() {
    for (const char* name : {"Zefir.BAL", "Baza.BAL"}) {
      QFile f(dir.filePath(name));
      QVERIFY(f.open(QIODevice::WriteOnly));
    }
    shell::DesktopRegisters& r = shell::desktopRegisters();
    QVERIFY(r.program.load(dir.filePath("Zefir.BAL").toStdString(), ".001").ok());
    QVERIFY(r.base.load(dir.filePath("Baza.BAL").toStdString(), ".001").ok());
    shell::shellState() = shell::ShellState();
    shell::shellState().programFolder = dir.path().toStdString();
    operations::clearOperations();
    operations::cardState() = operations::CardState();
    setStatusLine(&line);
    setDesktopServices(&services);
    services.requests.clear();
  }
  void cleanup() {
    setStatusLine(nullptr);
    setDesktopServices(nullptr);
    (void)shell::desktopRegisters().program.load("", "");
    (void)shell::desktopRegisters().base.load("", "");
  }

  void f4OnTheWindowPagePicksAFontAndAPositionThatThePageStores() {
    TFZestaw d;
    d.setToday(text::dayFromDate(2026, 12, 9));
    d.openFor(82, 1);
    QLineEdit* font = d.field(QStringLiteral("OkFo"));
    QLineEdit* position = d.field(QStringLiteral("RaPo"));
    QVERIFY(font && position);
    QCOMPARE(font->text(), QStringLiteral("c Consolas"));

    // The font list opens at the field's font; a typed letter jumps to the next.
    TFLisF45 list;
    QTest::keyClick(font, Qt::Key_F4);
    QCOMPARE(shell::pickListCall().fieldCode, std::string("OkFo"));
    list.openFor(shell::kPickListSlot, 1);
    QCOMPARE(list.rows().kind, text::fromUtf8("Wybór czcionki"));
    QCOMPARE(list.listWidget()->currentItem()->text(), QStringLiteral("c Consolas"));
    list.escape();
    QCOMPARE(services.requests.back(), std::make_pair(82, 4));
    d.openFor(82, 4);
    QCOMPARE(font->text(), QStringLiteral("c Consolas"));  // Esc leaves the field as it was

    pickWith(d, font, list, QStringLiteral("t"));
    QCOMPARE(font->text(), QStringLiteral("t Tahoma"));
    pickWith(d, position, list, QStringLiteral("$"));  // the last position: bottom right
    QCOMPARE(position->text(), QStringLiteral("PD"));

    // A margin is a plain number: no list.
    const std::size_t asked = services.requests.size();
    QTest::keyClick(d.field(QStringLiteral("OkMx")), Qt::Key_F4);
    QCOMPARE(status(), QStringLiteral("Tu F4 nie pracuje"));
    QCOMPARE(services.requests.size(), asked);

    // The page stores what was picked, in the fields' own settings.
    d.goButton()->click();
    const shell::DesktopRegisters& r = shell::desktopRegisters();
    QCOMPARE(QString::fromStdString(r.program.value("KonOkien").field(1)),
             QStringLiteral("t Tahoma"));
    QCOMPARE(QString::fromStdString(r.program.value("KonRapE0").field(4)), QStringLiteral("PD"));
  }

  void f4OnTheBaseFolderOffersTheProgramFoldersSubfoldersHoldingABase() {
    QVERIFY(QDir(dir.path()).mkpath("Firma2"));
    QVERIFY(QDir(dir.path()).mkpath("Puste"));
    QVERIFY(platform::writeWholeFile(dir.filePath("Firma2/Srodki.PST").toStdString(), "x"));
    TFZestaw d;
    d.openFor(85, 1);
    QLineEdit* folder = d.field(QStringLiteral("DirJ"));
    QVERIFY(folder);
    QTest::keyClick(folder, Qt::Key_F4);
    TFLisF45 list;
    list.openFor(shell::kPickListSlot, 1);
    QCOMPARE(list.listWidget()->count(), 1);  // the folder without a base is not offered
    QTest::keyClick(list.listWidget(), Qt::Key_Return);
    QCOMPARE(services.requests.back(), std::make_pair(85, 5));
    d.openFor(85, 5);
    QCOMPARE(folder->text(), QStringLiteral("Firma2"));
  }

  void purchasePriceInACurrencyTakesThePriceAtTheRatePicked() {
    // The rate archive comes from a local file named as the configured source.
    const QString source = dir.filePath("archiwum.csv");
    QVERIFY(platform::writeWholeFile(source.toStdString(), net::testing::sampleArchive1250(2024)));
    QVERIFY(shell::desktopRegisters().program.set("AdrNBP.xxx", source.toStdString()).ok());

    gui::TFOknaF3 card;
    card.setToday(text::dayFromDate(2026, 12, 9));
    card.openSection('E');
    card.show();
    TFLisF45 list;
    list.setRateRefresh(gui::refreshDesktopRates);
    card.setPickList(&list);
    const int price = card.cellIndex("CeZa");
    while (card.currentCell() < price) QTest::keyClick(card.edit(), Qt::Key_Return);

    // No amount yet: nothing to convert, the cell stays empty.
    QTest::keyClick(card.edit(), Qt::Key_F4);
    QVERIFY(list.isVisible());
    QTest::keyClick(list.listWidget(), Qt::Key_Return);
    QCOMPARE(card.cellText(price), QString());

    card.edit()->selectAll();
    QTest::keyClicks(card.edit(), "1000");
    QTest::keyClick(card.edit(), Qt::Key_F4);
    QVERIFY(list.isVisible());
    QCOMPARE(list.rows().kind, std::string("  Tabele A NBP"));
    QVERIFY(list.listWidget()->count() > 10);
    // The first rows are the first currency's days, in the file's order.
    QCOMPARE(list.currentRow(), 0);
    QTest::keyClick(list.listWidget(), Qt::Key_Down);
    const std::string row = list.rows().rows()[1];
    const std::string rate = operations::rateOfRow(row);
    QVERIFY(!rate.empty());
    QTest::keyClick(list.listWidget(), Qt::Key_Return);
    QCOMPARE(card.cellText(price), QString::fromStdString(operations::amountAtRate("1000", rate)));
    QVERIFY(card.cellText(price) != QStringLiteral("1000"));

    // Accepted, the edited asset holds the price in złote.
    QTest::keyClick(card.edit(), Qt::Key_PageDown);
    QVERIFY(card.accepted());
    QCOMPARE(QString::fromStdString(text::plainRealText(operations::cardState().edited.CeZa, 2)),
             QString::fromStdString(operations::amountAtRate("1000", rate)));
  }
};

QTEST_MAIN(SettingsPickListTest)
#include "settings_pick_list_test.moc"
