// The report window's printing: the printer chooser, page set-up on the
// current printer, the print buttons and the "PDF" button.
#include <QComboBox>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "output/gui/qt_text.h"
#include "output/gui/report_print.h"
#include "output/gui/report_window.h"
#include "output/report_context.h"
#include "platform/status_line.h"

namespace zefir::output {

namespace {

// Why the last run of Zefir's own PDF printer wrote nothing ("" when it did).
std::string failure;

}  // namespace

void TFRaport::loadPrinters() {
  printers_ = printerList(QPrinterInfo::availablePrinterNames());
  chooser_->clear();
  for (const QString& name : printers_) chooser_->addItem(QLatin1Char(' ') + name);
  const QString preferred = QPrinterInfo::defaultPrinterName();
  setCurrentPrinter(printers_.contains(preferred) ? preferred : kZefirPdfPrinter);
}

void TFRaport::setCurrentPrinter(const QString& name) {
  if (!printers_.contains(name)) return;
  currentPrinter_ = name;
  chooser_->setCurrentIndex(static_cast<int>(printers_.indexOf(name)));
}

void TFRaport::setButtonsEnabled(bool enabled) {
  for (QPushButton* b : {portrait_, landscape_, xls_, jpk_, pdf_, save_, back_, forward_, close_})
    b->setEnabled(enabled);
  if (!enabled) return;
  const std::string& position = reportContext().menuPosition;
  jpk_->setEnabled(position == "DD" || position == "EA" || writesRegisterFile(reportContext()));
  pdf_->setEnabled(std::any_of(printers_.begin(), printers_.end(), isPdfPrinter));
}

int TFRaport::rowsPerPage(ReportBuffer&, Orientation orientation) {
  return pageSetUp(currentPrinter_, orientation == Orientation::Landscape);
}

int TFRaport::pageSetUp(const QString& printerName, bool landscape) {
  int rows;
  if (printerName == kZefirPdfPrinter) {
    rows = pdfRowsPerPage(buffer_, landscape);
  } else {
    QPrinter printer(QPrinterInfo::printerInfo(printerName), QPrinter::HighResolution);
    rows = printerRowsPerPage(printer, buffer_, landscape);
  }
  buffer_.view.rowsLatest = rows;
  if (landscape) buffer_.view.rowsLandscape = rows;
  showRowsPerPage(rows, buffer_.view.rowsLandscape);
  return rows;
}

void TFRaport::printReport(bool landscape) {
  printOn(currentPrinter_, landscape);
}

void TFRaport::printOn(const QString& printerName, bool landscape) {
  const PrintTexts texts = currentPrintTexts();
  setButtonsEnabled(false);
  pageSetUp(printerName, landscape);
  showStatus(text::fromUtf8("Druk na ") + cpText(printerName), StatusKind::Error);
  const ReportContext& ctx = reportContext();
  const std::string job = printJobTitle(ctx.menuPosition, buffer_.code(), ctx.organisation);
  const int from = buffer_.view.from, to = buffer_.view.to;
  bool done = true;
  failure.clear();
  if (printerName == kZefirPdfPrinter) {
    const QString path = pdfPrinterPath(ctx.baseFolder, qtText(job));
    done = writeReportPdf(buffer_, landscape, path, from, to, texts, qtText(job)) > 0;
    lastPdf_ = done ? path : QString();
    if (!done) {
      failure = text::fromUtf8("Nie można zapisać pliku ") + cpText(QDir::toNativeSeparators(path));
      showStatus(failure, StatusKind::Error);
    }
  } else {
    QPrinter printer(QPrinterInfo::printerInfo(printerName), QPrinter::HighResolution);
    (void)printReportOn(printer, buffer_, landscape, from, to, texts, qtText(job));
  }
  pageSetUp(printerName, true);
  if (done) showStatus(text::fromUtf8("Raport wydrukowany"), StatusKind::Notice);
  // Zefir's own PDF printer tells where the file went, whichever button printed.
  if (done && !lastPdf_.isEmpty() && printerName == kZefirPdfPrinter)
    showStatus(cpText(QDir::toNativeSeparators(lastPdf_)), StatusKind::Notice);
  // Zefir's own PDF printer can always give the window back; a system
  // printer's errors are the printing system's.
  setButtonsEnabled(true);
}

void TFRaport::printPdf(bool landscape) {
  const QString pdfPrinter = lastPdfPrinter(printers_);
  if (pdfPrinter.isEmpty()) return;
  const QString remembered = currentPrinter_;
  setCurrentPrinter(pdfPrinter);
  portrait_->setFocus();
  printOn(pdfPrinter, landscape);
  setCurrentPrinter(remembered);
  pageSetUp(remembered, landscape);
  setButtonsEnabled(true);
  // The last word is the file written, or why it was not.
  if (!failure.empty())
    showStatus(failure, StatusKind::Error);
  else if (!lastPdf_.isEmpty() && pdfPrinter == kZefirPdfPrinter)
    showStatus(cpText(QDir::toNativeSeparators(lastPdf_)), StatusKind::Notice);
}

}  // namespace zefir::output
