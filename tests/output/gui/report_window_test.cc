// The report window under the offscreen platform: keys, search, marking,
// the range menu, closing, painting and the PDF button.
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "../xlsx_reader.h"
#include "output/gui/report_table.h"
#include "output/gui/report_window.h"
#include "output/report_context.h"
#include "output/report_json.h"
#include "platform/assertion.h"
#include "platform/status_line.h"
#include "register/asset_register.h"
#include "text/codepage.h"
#include "text/dates.h"

using namespace zefir;
using namespace zefir::output;

class ReportWindowTest : public QObject {
  Q_OBJECT

 private:
  RememberingStatusLine status;
  QTemporaryDir base;
  std::unique_ptr<ReportBuffer> buffer;
  std::unique_ptr<TFRaport> window;

  void fill(int rows) { fillInto(*buffer, rows); }
  static void fillInto(ReportBuffer& b, int rows) {
    b.beginReport("WST", text::fromUtf8("Wykaz środków"), 2);
    b.addColumn('l', 8, "Symbol");
    b.addColumn('l', 24, "Nazwa");
    b.addColumn('b', 10, text::fromUtf8("Wartość"), "brutto");
    b.addColumn('d', 10, "", "netto");
    b.endHeaders("na 31-12-2024");
    for (int i = 1; i <= rows; ++i)
      b.addRow({"S" + std::to_string(i),
                i == 150 ? text::fromUtf8("ŻÓŁTA ŁÓDŹ") : "biurko " + std::to_string(i), "1,00",
                "2,00"});
    b.endReport();
  }
  QPushButton* buttonNamed(const char* caption) {
    for (QPushButton* b : window->findChildren<QPushButton*>())
      if (b->text() == QString::fromUtf8(caption)) return b;
    return nullptr;
  }
  QPoint pointOfRow(int row) {
    TableMetrics m = window->table()->metrics();
    return QPoint(m.colX[0] + 5,
                  m.headerHeight + (row - buffer->view.top) * m.rowHeight + m.rowHeight / 2);
  }
  int top() const { return buffer->view.top; }
  int rows() const { return buffer->rowCount(); }
  int visible() const { return window->visibleRows(); }

 private slots:
  void init() {
    setStatusLine(&status);
    setAssertionHandler([](std::string_view, std::string_view, int, std::uintptr_t) {});
    reportContext() = ReportContext{};
    reportContext().baseFolder = base.path().toStdString();
    buffer = std::make_unique<ReportBuffer>();
    window = std::make_unique<TFRaport>(*buffer);
    fill(300);
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
  }
  void cleanup() {
    window.reset();
    setAssertionHandler({});
    setStatusLine(nullptr);
  }

  void controlsCaptionsHintsAndStates() {
    const char* captions[] = {"Druk portret", "Druk pejzaż", "XLS",    "JPK",
                              "PDF",          "Wstecz",      "Szukaj", "Zamknij"};
    const char* hints[] = {" drukuj ",
                           " drukuj ",
                           " wrzut do Excela ",
                           " XML / JPK ",
                           " portret / pejzaż ",
                           " szukaj wstecz (Tab) ",
                           " szukaj wprzód (Enter) ",
                           " zakończ "};
    for (int i = 0; i < 8; ++i) {
      QPushButton* b = buttonNamed(captions[i]);
      QVERIFY2(b, captions[i]);
      QCOMPARE(b->toolTip(), QString::fromUtf8(hints[i]));
    }
    QVERIFY(!buttonNamed("JPK")->isEnabled());  // only for menu positions DD and EA
    reportContext().menuPosition = "EA";
    fill(5);
    QVERIFY(buttonNamed("JPK")->isEnabled());
    reportContext().menuPosition = "DA";
    fill(5);
    QVERIFY(!buttonNamed("JPK")->isEnabled());
    QVERIFY(buttonNamed("PDF")->isEnabled());  // Zefir's own PDF printer is always there
    QVERIFY(window->printers().last().contains("PDF"));
    QVERIFY(buttonNamed("Szukaj")->isDefault());
  }

  void endReportShowsTheWindowAndLogsEachLayout() {
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(),
             QString::fromUtf8(" * Zorza-Soft * Wykaz środków * na 31-12-2024 *"));
    QCOMPARE(window->fromField()->text(), QStringLiteral("1"));
    QCOMPARE(window->toField()->text(), QStringLiteral("301"));
    QVERIFY(window->height() >= 333);
    QStringList logged;
    setAssertionHandler(
        [&logged](std::string_view message, std::string_view file, int line, std::uintptr_t) {
          logged << QString::fromStdString(std::string(file)) + ":" + QString::number(line) + " " +
                        QString::fromStdString(text::toUtf8(message));
        });
    fill(10);
    // One entry at the end of the headers and one at the end of the report.
    QCOMPARE(logged, QStringList(2, QString::fromUtf8("aRaport:230 Celowe wystąpienie błędu")));
  }

  void scrollingKeysInTheSearchField() {
    QLineEdit* field = window->searchField();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_PageDown);
    QCOMPARE(top(), 1 + visible());
    QTest::keyClick(field, Qt::Key_Up);
    QCOMPARE(top(), visible());
    QTest::keyClick(field, Qt::Key_End);
    QCOMPARE(top(), rows() - visible() + 1);
    QTest::keyClick(field, Qt::Key_Down);
    QCOMPARE(top(), rows() - visible() + 1);
    QTest::keyClick(window->toField(), Qt::Key_Home);
    QCOMPARE(top(), 1);
    QCOMPARE(window->scrollBar()->value(), 1);
    window->scrollBar()->setValue(40);
    QCOMPARE(top(), 40);
  }

  void wheelScrollsFiveRowsANotch() {
    QWidget* table = window->table();
    QPoint at = pointOfRow(3);
    QWheelEvent down(at, table->mapToGlobal(at), {}, QPoint(0, -240), Qt::NoButton, {},
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(table, &down);
    QCOMPARE(top(), 11);
    QWheelEvent up(at, table->mapToGlobal(at), {}, QPoint(0, 360), Qt::NoButton, {},
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(table, &up);
    QCOMPARE(top(), 1);
  }

  void endOfAShortReportShowsRowOne() {
    fill(3);
    QTest::keyClick(window->searchField(), Qt::Key_End);
    QCOMPARE(top(), 1);
  }

  void searchTypedPlainAndLowerCaseFindsPolishCapitals() {
    QLineEdit* field = window->searchField();
    field->setFocus();
    QCOMPARE(field->text(), QString());  // the initial "...szukaj..." is cleared on entering
    QTest::keyClicks(field, "zolta lodz");
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(buffer->view.current, 150);
    QCOMPARE(field->text(), QStringLiteral("ZOLTA LODZ"));
    QCOMPARE(top(), 150 - visible() / 2);
    QVERIFY(field->hasFocus());
    QTest::mouseClick(buttonNamed("Wstecz"), Qt::LeftButton);
    QCOMPARE(buffer->view.current, 150);
    QCOMPARE(QString::fromStdString(text::toUtf8(status.last_text)),
             QStringLiteral("Nie ma ZOLTA LODZ"));
    QCOMPARE(status.last_kind, StatusKind::Error);
  }

  void tabIntoWsteczSearchesBackwards() {
    QLineEdit* field = window->searchField();
    field->setFocus();
    QTest::keyClicks(field, "biurko 29");
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(buffer->view.current, 299);
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(buffer->view.current, 298);
    QVERIFY(field->hasFocus());
  }

  void clicksPickARange() {
    QWidget* table = window->table();
    QTest::mouseClick(table, Qt::LeftButton, {}, pointOfRow(5));
    QCOMPARE(window->searchField()->text(), QStringLiteral(" ... od ... "));
    QTest::mouseClick(table, Qt::LeftButton, {}, pointOfRow(12));
    QCOMPARE(buffer->view.current, 12);
    QTest::mouseClick(table, Qt::LeftButton, {}, pointOfRow(4));
    QCOMPARE(buffer->view.from, 4);
    QCOMPARE(buffer->view.to, 12);
    QCOMPARE(window->fromField()->text(), QStringLiteral("4"));
    QCOMPARE(window->toField()->text(), QStringLiteral("12"));
  }

  void typingTheRangeFieldsSetsFromAndTo() {
    window->fromField()->clear();
    QTest::keyClicks(window->fromField(), "7x");
    QCOMPARE(buffer->view.from, 7);
    window->toField()->clear();
    QTest::keyClicks(window->toField(), "123456");
    QCOMPARE(buffer->view.to, 12345);
  }

  void rightClickMenuHasThirteenEntries() {
    QStringList seen;
    QTimer::singleShot(50, this, [&seen] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (QAction* a : menu->actions()) seen << a->text();
      menu->actions().value(8)->trigger();  // "&4 strony /tu start/ - zaznacz"
      menu->close();
    });
    buffer->view.top = 290;
    QTest::mouseClick(window->table(), Qt::RightButton, {}, pointOfRow(295));
    QCOMPARE(seen.size(), 13);
    QCOMPARE(seen.first(), QStringLiteral("&Od tego miejsca - zaznacz"));
    QCOMPARE(seen.last(), QString::fromUtf8("&Stronę /tu koniec/ - zaznacz"));
    QCOMPARE(buffer->view.from, 295);
    QCOMPARE(buffer->view.to, rows());  // four pages from near the end stop at the last row
    QCOMPARE(buffer->view.current, 0);
  }

  void paintingBandsAndCurrentRow() {
    buffer->view.current = 2;
    QImage image = window->table()->grab().toImage();
    TableMetrics m = window->table()->metrics();
    auto background = [&](int row) {
      return image.pixelColor(m.colX[0] + 1, m.headerHeight + (row - 1) * m.rowHeight + 4);
    };
    QCOMPARE(background(1), QColor(224, 224, 224));
    QCOMPARE(background(7), QColor(208, 215, 208));
    QCOMPARE(background(12), QColor(224, 224, 224));
    bool red = false;
    const int y0 = m.headerHeight + m.rowHeight + 2;
    for (int y = y0; y < y0 + m.rowHeight && !red; ++y)
      for (int x = m.colX[0]; x < m.colX[1] && !red; ++x) red = image.pixelColor(x, y) == Qt::red;
    QVERIFY(red);
  }

  void escHidesUnlessAnExportRuns() {
    buffer->view.busy = true;
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(window->isVisible());
    QVERIFY(buffer->view.cancelRequested);
    buffer->view.cancelRequested = false;
    QTest::mouseClick(buttonNamed("Zamknij"), Qt::LeftButton);
    QVERIFY(window->isVisible());
    QVERIFY(buffer->view.cancelRequested);
    buffer->view.busy = false;
    bool asked = false;
    connect(window.get(), &TFRaport::closeRequested, this, [&asked] { asked = true; });
    QTest::mouseClick(buttonNamed("Zamknij"), Qt::LeftButton);
    QVERIFY(asked);
  }

  void pdfButtonWritesIntoThePdfFolderAndShowsThePath() {
    QTest::mouseClick(buttonNamed("PDF"), Qt::LeftButton);
    const QString path = base.filePath(QStringLiteral("PDF/Zefir--WST-Zorza-Soft.pdf"));
    QVERIFY(QFile::exists(path));
    QCOMPARE(window->lastPdfPath(), path);
    QCOMPARE(QString::fromStdString(text::toUtf8(status.last_text)), path);
    QVERIFY(buttonNamed("Druk portret")->isEnabled());
    QCOMPARE(window->currentPrinter(), kZefirPdfPrinter);
    QFile::remove(path);
    QTest::mouseClick(buttonNamed("PDF"), Qt::RightButton);
    QVERIFY(QFile::exists(path));
    QCOMPARE(buffer->view.rowsLatest, buffer->view.rowsLandscape);
  }

  // Without a system printer Zefir's own PDF printer is the current one: the
  // print buttons write the file too, and the user is told where it went.
  void printButtonOnZefirsPdfPrinterShowsTheFile() {
    window->setCurrentPrinter(kZefirPdfPrinter);
    QTest::mouseClick(buttonNamed("Druk pejzaż"), Qt::LeftButton);
    const QString path = base.filePath(QStringLiteral("PDF/Zefir--WST-Zorza-Soft.pdf"));
    QVERIFY(QFile::exists(path));
    QCOMPARE(QString::fromStdString(text::toUtf8(status.last_text)), path);
    QCOMPARE(status.last_kind, StatusKind::Notice);
    QVERIFY(buttonNamed("Druk portret")->isEnabled());
  }

  void insideTheDesktopTheSubWindowIsShownAndPlacedInItsArea() {
    ReportBuffer own;  // outlives the desktop, which deletes the window
    QMdiArea desktop;
    desktop.resize(1200, 800);
    desktop.show();
    auto* report = new TFRaport(own);
    QMdiSubWindow* frame = desktop.addSubWindow(report);
    frame->hide();
    reportContext().screen.position = "P";
    fillInto(own, 40);
    QVERIFY(frame->isVisible());
    QVERIFY(report->isVisible());
    QCOMPARE(frame->geometry().right(), desktop.viewport()->rect().right());
    QCOMPARE(frame->height(), 600);
    frame->adjustSize();  // as the desktop does when it shows a window
    QVERIFY(report->width() >= report->table()->metrics().rightEdge);
    QVERIFY(report->height() >= 333);
  }

  void xlsButtonWritesTheMarkedRowsIntoTheXlsFolder() {
    reportContext().menuPosition = "DA";
    reportContext().optionCaption = "Wykaz";
    buffer->view.from = 150;
    buffer->view.to = 151;
    window->fromField()->setText(QStringLiteral("150"));
    QTest::mouseClick(buttonNamed("XLS"), Qt::LeftButton);
    const QString path = window->lastXlsxPath();
    QVERIFY(path.startsWith(base.filePath(QStringLiteral("XLS/WST_"))));
    QVERIFY(path.endsWith(QStringLiteral(".xlsx")));
    QCOMPARE(QString::fromStdString(text::toUtf8(status.last_text)), path);
    const auto sheet = xlsx_test::readSheet(path.toStdString());
    QCOMPARE(sheet.at("B3")->text, std::string("S150"));
    QCOMPARE(sheet.at("C3")->text, std::string("ŻÓŁTA ŁÓDŹ"));
    QCOMPARE(*sheet.at("D4")->number, 1.0);
    QVERIFY(sheet.at("B5") == nullptr);
    QVERIFY(sheet.at("F1")->text.find("Opcja DA Wykaz   ") != std::string::npos);
    QCOMPARE(window->fromField()->text(), QStringLiteral("150"));
    QVERIFY(buttonNamed("Druk portret")->isEnabled());
    QVERIFY(!buffer->view.busy);
  }

  void xlsOverTheLimitIsRefusedAndZamknijCancels() {
    reportContext().baseFolder = base.filePath(QStringLiteral("limit")).toStdString();
    buffer->view.from = 1;
    buffer->view.to = 100002;
    QTest::mouseClick(buttonNamed("XLS"), Qt::LeftButton);
    QCOMPARE(status.last_text, text::fromUtf8("Więcej niż 100.000 wierszy"));
    QCOMPARE(status.last_kind, StatusKind::Error);
    QVERIFY(!QDir(base.filePath(QStringLiteral("limit/XLS"))).exists());
    QVERIFY(window->lastXlsxPath().isEmpty());

    // "Zamknij" while the rows are written stops at the next progress point
    // and leaves the rows so far in a sound workbook; the window stays.
    buffer->view.to = 300;
    QTimer::singleShot(0, this, [this] {
      QVERIFY(buffer->view.busy);
      QVERIFY(!buttonNamed("Druk portret")->isEnabled());
      QTest::mouseClick(buttonNamed("Zamknij"), Qt::LeftButton);
    });
    QTest::mouseClick(buttonNamed("XLS"), Qt::LeftButton);
    QVERIFY(window->isVisible());
    QVERIFY(!buffer->view.busy);
    QVERIFY(!buffer->view.cancelRequested);
    const std::string path = window->lastXlsxPath().toStdString();
    QVERIFY(xlsx_test::packageSound(path));
    const auto sheet = xlsx_test::readSheet(path);
    QCOMPARE(sheet.at("B101")->text, std::string("S99"));
    QVERIFY(sheet.at("B102") == nullptr);
    QCOMPARE(window->fromField()->text(), QStringLiteral("1"));
  }

  void jpkButtonWritesTheAuditFileOrSaysZakazany() {
    reportContext().menuPosition = "EA";
    reportContext().reportTo = text::dayFromDate(2026, 12, 31);
    reportContext().baseFolder = base.filePath(QStringLiteral("jpk")).toStdString();
    fill(5);
    QTest::mouseClick(buttonNamed("JPK"), Qt::LeftButton);
    const QString path = base.filePath(QStringLiteral("jpk/JPK/JPK_KR__2026-12_Zorza-S.XML"));
    QVERIFY(QFile::exists(path));
    QCOMPARE(QString::fromStdString(text::toUtf8(status.last_text)), path + "  O.K.");
    QCOMPARE(status.last_kind, StatusKind::Information);
    QVERIFY(buttonNamed("OK"));
    QVERIFY(buttonNamed("Druk portret")->isEnabled());
    fill(5);  // a new report gives the button its caption back
    QVERIFY(buttonNamed("JPK"));

    QFile::remove(path);
    QDir(base.filePath(QStringLiteral("jpk/JPK"))).removeRecursively();
    QFile blocker(base.filePath(QStringLiteral("jpk/JPK")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QTest::mouseClick(buttonNamed("JPK"), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(text::toUtf8(status.last_text)),
             QStringLiteral("Zakazany ") + path);
    QCOMPARE(status.last_kind, StatusKind::Error);
    QVERIFY(buttonNamed("JPK"));
    QVERIFY(buttonNamed("Zamknij")->isEnabled());
  }

  // A listing as of 31 December names its year and the register: the button
  // writes the fixed-asset register file.
  void jpkButtonOfAYearListingWritesTheRegisterFile() {
    AssetRegister reg;
    reg.find("A1");
    QVERIFY(reg.insertAtCurrent().ok());
    AssetRecord& a = reg.currentRecord();
    a.Symb = "A1";
    a.Nazw = "Biurko";
    a.DtOT = text::dayFromDate(2026, 1, 1);
    a.WaOT = a.WaBr = 1200;
    a.MeUm = 'L';
    a.K[0] = RateEntry{0, "803", 10, 1, 10, 1};
    reportContext().menuPosition = "DA";
    reportContext().baseFolder = base.filePath(QStringLiteral("st")).toStdString();
    fill(5);
    QVERIFY(!buttonNamed("JPK")->isEnabled());
    reportContext().registerFileYear = 2026;
    reportContext().assetRegister = &reg;
    fill(5);
    QVERIFY(buttonNamed("JPK")->isEnabled());
    QTest::mouseClick(buttonNamed("JPK"), Qt::LeftButton);
    const QString path = base.filePath(QStringLiteral("st/JPK/JPK_ST_KR_2026_Zorza-S.XML"));
    QCOMPARE(QString::fromStdString(text::toUtf8(status.last_text)), path + "  O.K.");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray xml = file.readAll();
    QVERIFY(xml.contains("<E_1>A1</E_1>"));
    QVERIFY(xml.contains("<E_19>120.00</E_19>"));
    QVERIFY(buttonNamed("OK"));
    reportContext().assetRegister = nullptr;
  }

  void unwritablePdfFolderIsReportedAndGivesTheWindowBack() {
    QFile blocker(base.filePath(QStringLiteral("plik")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    reportContext().baseFolder = blocker.fileName().toStdString();  // a file, not a folder
    QTest::mouseClick(buttonNamed("PDF"), Qt::LeftButton);
    QVERIFY(window->lastPdfPath().isEmpty());
    QVERIFY(QString::fromStdString(text::toUtf8(status.last_text))
                .startsWith(QString::fromUtf8("Nie można zapisać pliku")));
    QCOMPARE(status.last_kind, StatusKind::Error);
    QVERIFY(buttonNamed("Druk portret")->isEnabled());
    QVERIFY(buttonNamed("Zamknij")->isEnabled());
  }

  // Ctrl+S and "Zapisz" keep the buffer as the JSON that render reads back.
  void savingKeepsTheBufferToBePrintedAgain() {
    QString suggested;
    const QString path = base.filePath(QStringLiteral("wykaz.json"));
    window->setSavePathChooser([&](const QString& s) {
      suggested = s;
      return path;
    });
    QCOMPARE(buttonNamed("Zapisz")->toolTip(),
             QString::fromUtf8(" zapis bufora raportu (Ctrl+S) "));
    QTest::keyClick(window->searchField(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(suggested, base.filePath(QStringLiteral("WST.json")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    ReportBuffer back;
    QVERIFY(reportFromJson(file.readAll().toStdString(), back).ok());
    QCOMPARE(back.rowCount(), buffer->rowCount());
    QCOMPARE(back.cell(150, 1), buffer->cell(150, 1));
    QCOMPARE(back.params(), buffer->params());
    QCOMPARE(status.last_kind, StatusKind::Information);

    // A folder that is not there: an error, and nothing else changes.
    window->setSavePathChooser([&](const QString&) { return base.filePath("nie/ma/w.json"); });
    QTest::mouseClick(buttonNamed("Zapisz"), Qt::LeftButton);
    QCOMPARE(status.last_kind, StatusKind::Error);
    QVERIFY(QString::fromStdString(text::toUtf8(status.last_text))
                .startsWith(QString::fromUtf8("Nie można zapisać pliku")));
    // Cancelled: nothing written, nothing said.
    status.last_text.clear();
    window->setSavePathChooser([](const QString&) { return QString(); });
    QTest::mouseClick(buttonNamed("Zapisz"), Qt::LeftButton);
    QVERIFY(status.last_text.empty());
  }
};

QTEST_MAIN(ReportWindowTest)
#include "report_window_test.moc"
