// The document viewer under the offscreen platform, driven by keys and
// buttons: opening, the fitted zoom and its limits, scrolling, pages, the
// copies list with its saved choice, the printer chooser, the PDF and the
// message box of a producer that left a setting out.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

#include "pdf_text.h"

#include "output/gui/document_viewer.h"
#include "output/gui/printer_choice.h"
#include "platform/status_line.h"
#include "shell/settings_register.h"
#include "text/codepage.h"

using namespace zefir;
using namespace zefir::output;

namespace {

// A document whose copies are titled "DOC-" and their code, with a frame and
// a bold name on the page.
ViewerDocument document(int kind, const std::string& base) {
  ViewerDocument d;
  d.settings.documentCode = "OT";
  d.settings.copiesKind = kind;
  d.settings.extentWidth = 210;
  d.settings.extentHeight = 297;
  d.baseFolder = base;
  d.produce = [](std::string_view codes) {
    std::vector<DocumentCopy> copies;
    for (char c : codes)
      copies.push_back({"DOC-" + std::string(1, c), [](DocumentCanvas& canvas) {
                          canvas.frame(0, 0, 184, 120);
                          textInBox(canvas, 10, 160, 10, 20, "PRASA HYDRAULICZNA", {true});
                        }});
    return copies;
  };
  return d;
}

int darkPixels(const QImage& image) {
  int dark = 0;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2) dark += qGray(image.pixel(x, y)) < 100;
  return dark;
}

}  // namespace

class DocumentViewerTest : public QObject {
  Q_OBJECT

 private:
  RememberingStatusLine status;
  QTemporaryDir base;
  shell::SettingsRegister memory;
  std::unique_ptr<TFViewer> viewer;

  QString registerFile() const { return base.filePath(QStringLiteral("Zefir.BAL")); }
  QPushButton* button(const char* hint) {
    for (QPushButton* b : viewer->findChildren<QPushButton*>())
      if (b->toolTip() == QString::fromUtf8(hint)) return b;
    return nullptr;
  }
  void open(int kind = 2) {
    QVERIFY(viewer->open(document(kind, base.path().toStdString())));
    QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));
  }
  void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(viewer->picturePanel(), static_cast<Qt::Key>(k), m);
  }
  QStringList listed(QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
  }
  // Opens with a setting left out and answers the message box; its caption
  // and text are returned.
  QStringList refusedOpen(ViewerDocument d) {
    QStringList seen;
    QTimer::singleShot(0, this, [&seen] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      seen << box->windowTitle() << box->text();
      box->accept();
    });
    if (viewer->open(std::move(d))) seen << "opened";
    return seen;
  }

 private slots:
  void init() {
    setStatusLine(&status);
    QVERIFY(base.isValid());
    QFile::remove(registerFile());
    QVERIFY(memory.load(registerFile().toStdString(), ".001").ok());
    viewer = std::make_unique<TFViewer>(memory);
    viewer->setPrinterSource([] { return QStringList(); });
    viewer->setScreenSize(QSize(1920, 1080));
  }
  void cleanup() {
    viewer.reset();
    setStatusLine(nullptr);
  }

  void opensTheFirstCopyAtZoom30FittedToTheScreen() {
    open();
    QCOMPARE(viewer->zoom(), 30);
    QCOMPARE(viewer->pictureSize(), QSize(210 * 6 + 7, 297 * 6 + 7));
    QCOMPARE(viewer->height(), 1080 - 34);
    QCOMPARE(viewer->width(), viewer->pictureSize().width() + 31);
    QCOMPARE(viewer->windowTitle(), QStringLiteral(" DOC-o"));
    QCOMPARE(viewer->offset(), 0);
    // Grey around the page, the page light, the name drawn dark on it.
    const QImage& picture = viewer->picture();
    QCOMPARE(picture.pixelColor(1, 1), QColor(192, 192, 192));
    QCOMPARE(picture.pixelColor(100, 1000), QColor(226, 228, 229));
    QVERIFY(darkPixels(picture) > 500);

    // A narrower screen lowers the zoom until the window fits it.
    viewer->reject();
    viewer->setScreenSize(QSize(800, 600));
    open();
    QVERIFY(viewer->zoom() < 30);
    QVERIFY(viewer->width() <= 800 - 10);
    QVERIFY(picturePixels(210, viewer->zoom() + 1) + 31 > 800 - 10);
    QCOMPARE(button(" drukuj ")->text(), QStringLiteral("Wydrukuj"));

    // On a screen too narrow even at zoom 4 the row is tight: "Wydrukuj" and
    // "Zamknij" lose their captions and become 25 pixels wide.
    viewer->reject();
    viewer->setScreenSize(QSize(250, 600));
    open();
    QCOMPARE(viewer->zoom(), 4);
    QVERIFY(button(" drukuj ")->text().isEmpty());
    QCOMPARE(button(" zakończ ")->width(), 25);
  }

  void zoomStopsAtFourAndTheKeypadKeysZoom() {
    open();
    for (int i = 0; i < 40; ++i) key(Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(viewer->zoom(), 4);
    QCOMPARE(viewer->pictureSize().width(), picturePixels(210, 4));
    QVERIFY(viewer->windowTitle().endsWith(QStringLiteral(" 109")));
    QTest::mouseClick(button(" pomniejsz "), Qt::LeftButton);
    QCOMPARE(viewer->zoom(), 4);
    key(Qt::Key_Plus, Qt::KeypadModifier);
    QVERIFY(viewer->windowTitle().endsWith(QStringLiteral(" 107")));
    QTest::mouseClick(button(" powiększ "), Qt::LeftButton);
    QCOMPARE(viewer->zoom(), 6);
    key(Qt::Key_Minus);  // the main keyboard's minus does not zoom
    QCOMPARE(viewer->zoom(), 6);
  }

  void scrollingKeysWheelAndScrollBarKeepThePictureInThePanel() {
    open();
    const int bottom = viewer->panelHeight() - viewer->pictureSize().height();
    QVERIFY(bottom < -600);
    key(Qt::Key_PageDown);
    QCOMPARE(viewer->offset(), -300);
    QCOMPARE(viewer->scrollBar()->value(), 300);
    QVERIFY(viewer->windowTitle().endsWith(QStringLiteral(" 34")));
    key(Qt::Key_Up);
    QCOMPARE(viewer->offset(), -270);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    QCOMPARE(viewer->offset(), -330);
    key(Qt::Key_End);
    QCOMPARE(viewer->offset(), bottom);
    key(Qt::Key_PageDown);
    QCOMPARE(viewer->offset(), bottom);
    QCOMPARE(viewer->scrollBar()->maximum(), -bottom);
    QCOMPARE(viewer->scrollBar()->pageStep(), viewer->panelHeight());
    key(Qt::Key_Home);
    QCOMPARE(viewer->offset(), 0);
    key(Qt::Key_PageUp);
    QCOMPARE(viewer->offset(), 0);

    // One wheel step down at zoom 30 moves 120 x 30 / 25 pixels.
    QWidget* panel = viewer->picturePanel();
    QWheelEvent wheel(QPointF(50, 50), panel->mapToGlobal(QPointF(50, 50)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(panel, &wheel);
    QCOMPARE(viewer->offset(), -144);
    viewer->scrollBar()->setValue(500);
    QCOMPARE(viewer->offset(), -500);
  }

  void pageButtonsTurnTheCopiesOfTheChosenEntry() {
    open();
    QPushButton* previous = button(" poprzednia strona ");
    QPushButton* next = button(" następna strona ");
    QCOMPARE(viewer->pageCount(), 1);  // "Oryginał": one page, both buttons off
    QVERIFY(!previous->isEnabled());
    QVERIFY(!next->isEnabled());

    viewer->copiesList()->setCurrentIndex(2);  // "Oryginał + 2 kopie"
    QCOMPARE(viewer->pageCount(), 3);
    QVERIFY(!previous->isEnabled());
    QVERIFY(next->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(viewer->page(), 2);
    QCOMPARE(viewer->windowTitle(), QStringLiteral(" DOC-k"));
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(viewer->page(), 3);
    QCOMPARE(viewer->windowTitle(), QStringLiteral(" DOC-l"));
    QVERIFY(!next->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(viewer->page(), 3);
    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(viewer->page(), 2);
    QVERIFY(previous->isEnabled());

    // Fewer copies bring the page back within them.
    viewer->copiesList()->setCurrentIndex(1);  // "Oryginał + kopia"
    QCOMPARE(viewer->pageCount(), 2);
    QCOMPARE(viewer->page(), 2);
    viewer->copiesList()->setCurrentIndex(0);
    QCOMPARE(viewer->page(), 1);
  }

  void copiesListedByKindAndTheChoiceSavedByZap() {
    open(1);
    QCOMPARE(listed(viewer->copiesList()),
             (QStringList{" 1 egzemplarz", " 2 egzemplarze", " 3 egzemplarze", " 4 egzemplarze"}));
    viewer->reject();
    open(3);
    QCOMPARE(viewer->copiesList()->count(), 11);
    QCOMPARE(viewer->copiesCode(), std::string("e"));
    QPushButton* zap = button(" Zapamiętaj na przyszłość ");
    QVERIFY(!zap->isEnabled());
    QCOMPARE(viewer->copiesList()->toolTip(),
             QString::fromUtf8(" ZAP zapisze to ustawienie na stałe "));

    // The fifth entry as shown: "Oryginał" for kind 3 ...
    viewer->copiesList()->setFocus();
    for (int i = 0; i < 4; ++i) QTest::keyClick(viewer->copiesList(), Qt::Key_Down);
    QCOMPARE(viewer->copiesList()->currentText(), QString::fromUtf8(" Oryginał"));
    QVERIFY(zap->isEnabled());
    QTest::mouseClick(zap, Qt::LeftButton);
    QVERIFY(!zap->isEnabled());
    shell::SettingsRegister reread;
    QVERIFY(reread.load(registerFile().toStdString(), ".001").ok());
    QCOMPARE(reread.text("Vie-OT"), std::string("5"));

    // ... and "Kopia" for kind 2; a changed choice left unsaved is not kept.
    viewer->reject();
    open(2);
    QCOMPARE(viewer->copiesList()->currentText(), QString::fromUtf8(" Kopia"));
    QCOMPARE(viewer->copiesCode(), std::string("k"));
    viewer->copiesList()->setCurrentIndex(0);
    viewer->reject();
    open(3);
    QCOMPARE(viewer->copiesList()->currentText(), QString::fromUtf8(" Oryginał"));
  }

  void printerChooserListsZefirPdfLastAndSaysTheChange() {
    open();
    QCOMPARE(listed(viewer->printerChooser()), QStringList{" Zefir PDF"});
    QCOMPARE(viewer->currentPrinter(), kZefirPdfPrinter);
    QVERIFY(button(" PDF ")->isEnabled());
    viewer->reject();
    viewer->setPrinterSource([] { return QStringList{"Biuro HP", "Zefir PDF"}; });
    open();
    QCOMPARE(listed(viewer->printerChooser()), (QStringList{" Biuro HP", " Zefir PDF"}));
    emit viewer->printerChooser()->activated(0);
    QCOMPARE(viewer->currentPrinter(), QStringLiteral("Biuro HP"));
    QCOMPARE(status.last_text, std::string("Zm.na \"Biuro HP\""));
    QCOMPARE(status.last_kind, StatusKind::Information);
  }

  void pdfGoesIntoThePdfFolderWithEveryChosenCopy() {
    open();
    viewer->copiesList()->setCurrentIndex(2);  // "Oryginał + 2 kopie"
    QTest::mouseClick(button(" PDF "), Qt::LeftButton);
    const QString path = base.filePath(QStringLiteral("PDF/DOC-o.pdf"));
    QCOMPARE(viewer->lastPdfPath(), path);
    QVERIFY(QFile::exists(path));
    const QString out = pdfText(path);
    QCOMPARE(out.count(QChar('\f')), 3);
    QCOMPARE(out.count(QStringLiteral("PRASA HYDRAULICZNA")), 3);
    QVERIFY(out.contains("DOC-k"));
    QVERIFY(out.contains("DOC-l"));
    QCOMPARE(status.last_kind, StatusKind::Information);

    // "Wydrukuj" on Zefir's own PDF printer writes the same way.
    QFile::remove(path);
    QTest::mouseClick(button(" drukuj "), Qt::LeftButton);
    QVERIFY(QFile::exists(path));
  }

  void missingSettingIsNamedInAMessageBoxAndNothingOpens() {
    ViewerDocument d = document(2, base.path().toStdString());
    d.settings.copiesKind = 0;
    const QStringList seen = refusedOpen(d);
    QCOMPARE(seen.size(), 2);
    QVERIFY(seen[0].startsWith(QStringLiteral("Wykonaj Shift-Ins w ")));
    QCOMPARE(seen[1], QStringLiteral("aViewer wymaga ustawienia KopRodz przed FViewer.Jo (...);"));
    QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("FViewer.KopRodz")));
    QVERIFY(!viewer->isVisible());

    d = document(2, base.path().toStdString());
    d.settings.extentHeight = 0;
    QCOMPARE(refusedOpen(d).value(1),
             QStringLiteral("aViewer wymaga ustawienia Rozmiar przed FViewer.Jo (...);"));
  }

  void closeResetsTheSettingsSoTheNextOpenNeedsThemAgain() {
    open();
    key(Qt::Key_Plus, Qt::KeypadModifier);
    key(Qt::Key_Escape);
    QVERIFY(!viewer->isVisible());
    QCOMPARE(viewer->settings().documentCode, std::string("x"));
    QCOMPARE(viewer->settings().copiesKind, 0);
    QCOMPARE(viewer->settings().extentWidth, 0.0);
    QCOMPARE(viewer->zoom(), 30);
    QStringList seen;
    QTimer::singleShot(0, this, [&seen] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      seen << box->text();
      box->accept();
    });
    viewer->openFor(8, 1);  // a window request without a producer's settings
    QCOMPARE(seen, QStringList{"aViewer wymaga ustawienia DokKod przed FViewer.Jo (...);"});
    QVERIFY(!viewer->isVisible());
  }

  void ctrlKDrawsTheCalibrationGridUnderTheDocument() {
    open();
    const int plain = darkPixels(viewer->picture());
    key(Qt::Key_K, Qt::ControlModifier);
    QVERIFY(viewer->calibration());
    QVERIFY(darkPixels(viewer->picture()) > plain * 3);
    key(Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(darkPixels(viewer->picture()), plain);
  }
};

QTEST_MAIN(DocumentViewerTest)
#include "document_viewer_test.moc"
