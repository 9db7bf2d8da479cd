// Go on DruOT in the desktop: the preview opens the document viewer with the
// copies saved for the kind, an output of copies prints them at once; the
// document is drawn on an image the same way as on paper.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "../../output/gui/pdf_text.h"

#include "operations/document_options.h"
#include "operations/operation_registry.h"
#include "output/gui/document_painter.h"
#include "press_asset.h"
#include "register/asset_register.h"
#include "register/base_record.h"
#include "shell/desktop_settings.h"
#include "shell/gui/document_output.h"

using namespace zefir;

class DocumentOutputTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  AssetRegister reg;
  std::unique_ptr<output::TFViewer> viewer;

  Status run(const char* option, const char* outputCode) {
    operations::FieldValues v;
    v.set("SroJ", "ST/9");
    v.set("DokJ", "A");
    operations::RunEnvironment env;
    env.assets = &reg;
    env.baseFolder = dir.path().toStdString() + "/";
    env.outputCode = outputCode;
    return operations::wykonaOpc(*operations::findOption(option), v, env).status;
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir.isValid());
    QVERIFY(reg.insertAtCurrent().ok());
    fillPress(reg.currentRecord());
    operations::registerBuiltOperations();
    QVERIFY(
        shell::desktopRegisters()
            .base
            .load(QDir(dir.path()).filePath("Zefir.BAL").toStdString(), base::workstationSuffix(1))
            .ok());
    viewer = std::make_unique<output::TFViewer>(shell::desktopRegisters().base);
    viewer->setPrinterSource([] { return QStringList(); });
    gui::installDocumentOutput(*viewer);
  }
  void cleanupTestCase() {
    operations::documentOutput() = nullptr;
    viewer.reset();
  }

  // The preview opens the viewer on the document with the copies saved for
  // its kind: "Oryginał + kopia" is the second entry of the documents' list.
  void previewOpensTheViewerWithTheSavedCopies() {
    QVERIFY(shell::desktopRegisters().base.set("Vie-OT", "2").ok());
    QVERIFY(run("DruOT", "p").ok());
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->settings().documentCode, std::string("OT"));
    QCOMPARE(viewer->copiesList()->currentText(), QString::fromUtf8(" Oryginał + kopia"));
    QCOMPARE(viewer->pageCount(), 2);
    QCOMPARE(viewer->windowTitle(), QStringLiteral(" OT-ST-9-A-oryg"));
    viewer->reject();
    QVERIFY(!viewer->isVisible());
    QCOMPARE(viewer->settings().documentCode, std::string("x"));
  }

  // An output of copies prints them at once on the viewer's current printer,
  // here Zefir's own PDF printer into the base folder's PDF/, whether or not
  // the viewer was ever opened.
  void copiesOutputPrintsAtOnce() {
    viewer = std::make_unique<output::TFViewer>(shell::desktopRegisters().base);
    gui::installDocumentOutput(*viewer);
    QVERIFY(run("DruOT", "okl").ok());
    QVERIFY(!viewer->isVisible());
    const QString pdf = QDir(dir.path()).filePath("PDF/OT-ST-9-A-oryg.pdf");
    QVERIFY(QFile::exists(pdf));
    const QString out = pdfText(pdf);
    QCOMPARE(out.count(QChar('\f')), 3);
    QVERIFY(out.contains("OT-ST-9-A-kopia"));
    QVERIFY(out.contains("OT-ST-9-A-ko(2)"));
    QVERIFY(out.contains("4.321,00"));
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

QTEST_MAIN(DocumentOutputTest)
#include "document_output_test.moc"
