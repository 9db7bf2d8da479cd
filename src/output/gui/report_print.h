// Printing the report buffer: page set-up on a Qt paint device and the one
// page-drawing routine that paper printers, Zefir's own PDF printer and
// zefir-cli render all share.
#pragma once

#include <QFont>
#include <QString>

#include "output/page_setup.h"
#include "output/report_buffer.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QPrinter;

namespace zefir::output {

// The texts of the page frame besides the buffer's own.
struct PrintTexts {
  QString stamp;         // date and time
  QString footerLeft;    // current folder and base
  QString footerCentre;  // the desktop's label
  QString footerRight;   // "Zefir " version " " menu position
};
// From reportContext() and the clock.
PrintTexts currentPrintTexts();

// The printer font (settings `KonPrint`) at `size` points; a font missing on
// this machine gives way to a monospace font with Polish letters.
QFont printFont(int size);

// Page set-up of a device whose page is `width` x `height` device pixels.
PageSetUp pageSetUpOn(const QPaintDevice& device, int width, int height, bool landscape,
                      const ReportBuffer& buffer);

// Draws page `page` (from 1) of `range`.
void drawPage(QPainter& painter, const ReportBuffer& buffer, const PageSetUp& setup,
              const PrintRange& range, int page, const PrintTexts& texts);
// Draws every page of `range`, starting a new page on `device` between them.
void drawPages(QPainter& painter, QPagedPaintDevice& device, const ReportBuffer& buffer,
               const PageSetUp& setup, const PrintRange& range, const PrintTexts& texts);

// Writes From..To of the buffer as a PDF file (A4, the paper blank for at
// least 10 mm on every side); returns the rows per page, or 0 when the file
// could not be written.
int writeReportPdf(const ReportBuffer& buffer, bool landscape, const QString& path, int from,
                   int to, const PrintTexts& texts, const QString& jobTitle);

// Prints From..To on a printer (its printable area, in the orientation given); returns
// the rows per page, or 0 when the printer could not start.
int printReportOn(QPrinter& printer, const ReportBuffer& buffer, bool landscape, int from, int to,
                  const PrintTexts& texts, const QString& jobTitle);
// Rows per page of a printer in an orientation.
int printerRowsPerPage(QPrinter& printer, const ReportBuffer& buffer, bool landscape);

// Rows per page of an A4 page in an orientation (the report window's page
// set-up when no system printer is chosen).
int pdfRowsPerPage(const ReportBuffer& buffer, bool landscape);

}  // namespace zefir::output
