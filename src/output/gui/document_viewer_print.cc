// The document viewer's printing: the printer chooser, "Wydrukuj" and "PDF".
#include <QComboBox>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "output/gui/document_viewer.h"
#include "output/gui/printer_choice.h"
#include "output/gui/qt_text.h"
#include "platform/status_line.h"

namespace zefir::output {

void TFViewer::loadPrinters() {
  printers_ =
      printerList(printerSource_ ? printerSource_() : QPrinterInfo::availablePrinterNames());
  chooser_->clear();
  for (const QString& name : printers_) chooser_->addItem(QLatin1Char(' ') + name);
  QString current = currentPrinter_;
  if (!printers_.contains(current)) current = QPrinterInfo::defaultPrinterName();
  setCurrentPrinter(printers_.contains(current) ? current : kZefirPdfPrinter);
  pdf_->setEnabled(!lastPdfPrinter(printers_).isEmpty());
}

void TFViewer::setCurrentPrinter(const QString& name) {
  currentPrinter_ = name;
  const int at = static_cast<int>(printers_.indexOf(name));
  if (at >= 0) chooser_->setCurrentIndex(at);
}

bool printDocumentCopies(const QString& printerName, const std::vector<DocumentCopy>& copies,
                         const std::string& baseFolder, bool calibration, QString* pdfPath) {
  if (copies.empty()) return false;
  const QString title = qtText(copies.front().title);
  if (printerName == kZefirPdfPrinter) {
    const QString path = pdfPrinterPath(baseFolder, title);
    const bool written = writeDocumentPdf(path, copies, calibration);
    if (pdfPath) *pdfPath = written ? path : QString();
    showStatus(
        (written ? text::fromUtf8("Zapisano ") : text::fromUtf8("Nie można zapisać pliku ")) +
            cpText(QDir::toNativeSeparators(path)),
        written ? StatusKind::Information : StatusKind::Error);
    return written;
  }
  QPrinter printer(QPrinterInfo::printerInfo(printerName), QPrinter::HighResolution);
  printer.setDocName(title);
  printer.setPageOrientation(QPageLayout::Portrait);
  showStatus(text::fromUtf8("Druk na ") + cpText(printerName), StatusKind::Information);
  if (drawDocumentCopies(printer, copies, calibration)) return true;
  showStatus(text::fromUtf8("Drukarka ") + cpText(printerName) + text::fromUtf8(" nie drukuje"),
             StatusKind::Error);
  return false;
}

void TFViewer::print() {
  printDocumentCopies(currentPrinter_, copies_list_, document_.baseFolder, calibration_, &lastPdf_);
}

void TFViewer::printPdf() {
  const QString pdf = lastPdfPrinter(printers_);
  if (!pdf.isEmpty())
    printDocumentCopies(pdf, copies_list_, document_.baseFolder, calibration_, &lastPdf_);
}

}  // namespace zefir::output
