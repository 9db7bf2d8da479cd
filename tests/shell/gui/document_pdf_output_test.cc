// Go on DruOT in the desktop: the document lands in the base folder's PDF/
// with the copies saved for its kind, drawn on an image the same way.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "operations/document_options.h"
#include "operations/operation_registry.h"
#include "output/gui/document_painter.h"
#include "register/asset_register.h"
#include "register/base_record.h"
#include "shell/desktop_settings.h"
#include "shell/gui/document_pdf_output.h"
#include "text/codepage.h"
#include "text/dates.h"

using namespace zefir;

class DocumentPdfOutputTest : public QObject {
  Q_OBJECT

 private slots:
  void goWritesTheSavedCopiesIntoThePdfFolder() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    AssetRegister reg;
    QVERIFY(reg.insertAtCurrent().ok());
    AssetRecord& a = reg.currentRecord();
    a.Symb = "ST/9";
    a.Nazw = "Prasa";
    a.DtOT = text::dayFromDate(2025, 6, 15);
    a.WaOT = a.WaBr = 4321;
    a.MeUm = 'L';
    a.K[0].StPo = 20;
    a.K[0].WsPo = 1;

    operations::registerBuiltOperations();
    gui::installDocumentPdfOutput();
    // "Oryginał + kopia" is the second entry of the documents' list.
    QVERIFY(
        shell::desktopRegisters()
            .base
            .load(QDir(dir.path()).filePath("Zefir.BAL").toStdString(), base::workstationSuffix(1))
            .ok());
    QVERIFY(shell::desktopRegisters().base.set("Vie-OT", "2").ok());

    operations::FieldValues v;
    v.set("SroJ", "ST/9");
    v.set("DokJ", "A");
    operations::RunEnvironment env;
    env.assets = &reg;
    env.baseFolder = dir.path().toStdString() + "/";
    QVERIFY(operations::wykonaOpc(*operations::findOption("DruOT"), v, env).status.ok());

    const QString pdf = QDir(dir.path()).filePath("PDF/OT-ST-9-A-oryg.pdf");
    QVERIFY(QFile::exists(pdf));
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(text.waitForFinished());
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    QCOMPARE(out.count(QChar('\f')), 2);
    QVERIFY(out.contains("OT-ST-9-A-kopia"));
    QVERIFY(out.contains("4.321,00"));
    operations::documentOutput() = nullptr;
  }

  void drawsOnAPageImageAsOnPaper() {
    QImage page(800, 1200, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    output::PainterCanvas canvas(painter, QPointF(0, 0), 4);
    canvas.frame(10, 10, 50, 50);
    output::textInBox(canvas, 10, 50, 70, 20, "PROFORMA");
    painter.end();
    QCOMPARE(page.pixelColor(40 * 4, 10 * 4).black() > 128, true);
    int dark = 0;
    for (int y = 70 * 4; y < 90 * 4; ++y)
      for (int x = 10 * 4; x < 60 * 4; ++x) dark += page.pixelColor(x, y).black() > 128;
    QVERIFY(dark > 100);
  }
};

QTEST_MAIN(DocumentPdfOutputTest)
#include "document_pdf_output_test.moc"
