// The printed page drawn onto an image: shaded bands, the frame's end and the
// font fallback, with the same drawing routine printing and PDF use.
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "output/gui/report_print.h"
#include "output/report_buffer.h"
#include "text/codepage.h"

using namespace zefir::output;

class ReportPageTest : public QObject {
  Q_OBJECT

 private:
  ReportBuffer buffer;
  QImage page;
  PageSetUp setup;

  void fill(int rows, bool endWithRule = true) {
    buffer.beginReport("WST", zefir::text::fromUtf8("Wykaz środków"), 2);
    buffer.addColumn('l', 8, "Symbol");
    buffer.addColumn('l', 20, "Nazwa");
    buffer.addColumn('b', 10, zefir::text::fromUtf8("Wartość"), "brutto");
    buffer.addColumn('d', 10, "", "netto");
    buffer.endHeaders("param");
    for (int i = 1; i <= rows; ++i)
      buffer.addRow({"S" + std::to_string(i), "nazwa", "1,00", "2,00"});
    if (endWithRule) buffer.endReport();
  }

  void draw(int from, int to, int pageNo) {
    page = QImage(1240, 1754, QImage::Format_RGB32);
    page.setDotsPerMeterX(5906);  // 150 dpi
    page.setDotsPerMeterY(5906);
    page.fill(Qt::white);
    setup = pageSetUpOn(page, page.width(), page.height(), false, buffer);
    QPainter painter(&page);
    drawPage(painter, buffer, setup, printRange(from, to, buffer.rowCount(), setup.R), pageNo,
             PrintTexts{"08-12-2026 10:00", "C:\\Zefir", "Zorza", "Zefir 1.19 DA"});
  }

  // Inside the first column, left of the text: the background of page row i.
  QColor background(int i) const {
    return page.pixelColor(setup.Lm + 3, setup.rowTop(i) + setup.lh / 2);
  }

 private slots:
  void printFontHasPolishLettersInFixedWidth() {
    QFont font = printFont(10);
    QFontInfo info(font);
    QVERIFY(info.fixedPitch());
    QFontMetrics fm(font);
    QVERIFY(fm.inFont(QChar(0x0142)));  // ł
    QVERIFY(fm.inFont(QChar(0x017C)));  // ż
  }

  void bandsAreRowsSixToTenOfEveryPage_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("pageNo");
    QTest::newRow("page 1 from row 1") << 1 << 1;
    QTest::newRow("page 2") << 1 << 2;
    QTest::newRow("range starting at row 7") << 7 << 1;
  }
  void bandsAreRowsSixToTenOfEveryPage() {
    QFETCH(int, from);
    QFETCH(int, pageNo);
    fill(300);
    draw(from, buffer.rowCount(), pageNo);
    const QColor band(208, 224, 192);
    QVERIFY(setup.R >= 20);
    for (int i : {6, 8, 10, 16, 20}) QCOMPARE(background(i), band);
    for (int i : {1, 5, 11, 15, 21}) QCOMPARE(background(i), QColor(Qt::white));
  }

  void lastPageFrameClosesHalfALineBelowTheLastRow() {
    fill(10);  // 11 rows with the closing rule
    draw(1, 11, 1);
    const int ruleLine = setup.rowTop(11) + setup.lh / 2;
    // The left edge of the frame runs down to the closing rule and no further.
    QCOMPARE(page.pixelColor(setup.Lm, ruleLine - 2), QColor(Qt::black));
    QCOMPARE(page.pixelColor(setup.Lm, ruleLine + setup.lh / 4), QColor(Qt::white));
    QCOMPARE(page.pixelColor(setup.Lm, setup.H - setup.lh), QColor(Qt::white));
  }

  void rangeEndingOnADataRowClosesBelowItsText() {
    fill(30);
    draw(3, 7, 1);
    const int below = setup.rowTop(5) + setup.lh + setup.lh / 2;
    QCOMPARE(page.pixelColor(setup.Lm, below - 2), QColor(Qt::black));
    QCOMPARE(page.pixelColor(setup.Lm, below + setup.lh / 2), QColor(Qt::white));
    // Rows 6 and later of the page are empty: no band on a page of 5 rows.
    QCOMPARE(background(8), QColor(Qt::white));
  }

  void fullPageFrameRunsToTheLastLine() {
    fill(300);
    draw(1, buffer.rowCount(), 1);
    QCOMPARE(page.pixelColor(setup.Lm, setup.H - setup.lh - 2), QColor(Qt::black));
    QCOMPARE(page.pixelColor(setup.W - 1, setup.H - setup.lh - 2), QColor(Qt::black));
  }

  // The system printers' path, with Qt's PDF output standing in for a printer.
  void printerGetsEveryPageOfTheRange() {
    fill(300);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("druk.pdf")));
    const PrintTexts texts{"08-12-2026 10:00", "C:\\Zefir", "", "Zefir 1.19 DA"};
    const int R = printReportOn(printer, buffer, true, 11, 250, texts, "Zefir-DA-WST");
    QVERIFY(R > 0);
    QCOMPARE(R, printerRowsPerPage(printer, buffer, true));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {printer.outputFileName()});
    QVERIFY(info.waitForFinished());
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(
        out.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg((240 + R - 1) / R))),
        qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("Zefir-DA-WST")), qPrintable(out));
  }
};

QTEST_MAIN(ReportPageTest)
#include "report_page_test.moc"
