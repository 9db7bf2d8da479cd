#include "output/gui/report_print.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "output/gui/font_lookup.h"
#include "output/gui/qt_text.h"
#include "output/report_cells.h"
#include "output/report_context.h"
#include "text/dates.h"

namespace zefir::output {

namespace {

class QtFontMeasure : public FontMeasure {
 public:
  explicit QtFontMeasure(const QPaintDevice& device) : device_(device) {}
  int sampleWidth(int size) override {
    return QFontMetrics(printFont(size), &device_).horizontalAdvance(qtText(kFontSample));
  }
  int textHeight(int size) override { return QFontMetrics(printFont(size), &device_).height(); }

 private:
  const QPaintDevice& device_;
};

// Texts are placed by their top edge.
void textAt(QPainter& p, const QFontMetrics& fm, int x, int top, const QString& text) {
  p.drawText(x, top + fm.ascent(), text);
}

void drawFrameTexts(QPainter& p, const ReportBuffer& buffer, const PageSetUp& s, int page,
                    int pages, const PrintTexts& texts) {
  const int u = s.lh / 5;
  p.setPen(Qt::black);
  QFont large = printFont(s.Splus);
  QFontMetrics fl(large, p.device());
  p.setFont(large);
  QString title = qtText(buffer.title());
  textAt(p, fl, s.Lm + (s.PW - fl.horizontalAdvance(title)) / 2, s.T, title);
  QFont normal = printFont(s.S);
  QFontMetrics fn(normal, p.device());
  p.setFont(normal);
  QString params = qtText(buffer.params());
  textAt(p, fn, s.Lm + (s.PW - fn.horizontalAdvance(params)) / 2, s.T + 9 * u, params);
  textAt(p, fn, s.Lm + u, s.T + u, texts.stamp);
  QString label = QStringLiteral("Strona %1 z %2").arg(page).arg(pages);
  textAt(p, fn, s.W - u - fn.horizontalAdvance(label), s.T + u, label);
  // The footer sits on the content's bottom edge, in the last line's space
  // below the frame, so it never runs into the rows or the frame's bottom rule.
  const int footer = s.H - fn.height();
  textAt(p, fn, s.Lm + u, footer, texts.footerLeft);
  textAt(p, fn, s.Lm + (s.PW - fn.horizontalAdvance(texts.footerCentre)) / 2, footer,
         texts.footerCentre);
  textAt(p, fn, s.W - u - fn.horizontalAdvance(texts.footerRight), footer, texts.footerRight);
}

void drawCornersAndHeaders(QPainter& p, const ReportBuffer& buffer, const PageSetUp& s) {
  const int u = s.lh / 5;
  p.setPen(QPen(Qt::black, s.thin));
  const int l = s.Lm, t = s.T, r = s.W, b = s.H;
  for (auto [x, y, dx, dy] : {std::array{l, t, 1, 1}, std::array{r, t, -1, 1},
                              std::array{l, b, 1, -1}, std::array{r, b, -1, -1}}) {
    p.drawLine(x, y, x + dx * u, y);
    p.drawLine(x, y, x, y + dy * u);
  }
  QPen thick(Qt::black, s.thick);
  p.setPen(thick);
  p.drawLine(s.Lm, s.T + 3 * s.lh, s.W, s.T + 3 * s.lh);
  QFontMetrics fm(p.font(), p.device());
  const auto& cols = buffer.columns();
  for (std::size_t c = 0; c < cols.size(); ++c) {
    const int x = s.Lm + s.colX[c];
    auto centred = [&](const std::string& text, int width, int top) {
      QString q = qtText(text);
      textAt(p, fm, x + (width - fm.horizontalAdvance(q)) / 2, top, q);
    };
    p.setPen(Qt::black);
    centred(cols[c].header2, s.colW[c], s.T + 13 * s.lh / 3);
    if (cols[c].align == 'b' && c + 1 < cols.size()) {
      const int both = s.colW[c] + s.colW[c + 1];
      p.setPen(QPen(Qt::black, s.thin));
      p.setBrush(Qt::white);
      p.drawRect(x, s.T + 3 * s.lh, both, 13 * s.lh / 3 - 3 * s.lh);
      p.setBrush(Qt::NoBrush);
      p.setPen(Qt::black);
      centred(cols[c].header1, both, s.T + 19 * s.lh / 6);
    } else if (cols[c].align != 'b' && cols[c].align != 'd') {
      centred(cols[c].header1, s.colW[c], s.T + 10 * s.lh / 3);
    }
  }
  p.setPen(thick);
  p.drawLine(s.Lm, s.T + 17 * s.lh / 3, s.W, s.T + 17 * s.lh / 3);
}

void drawRule(QPainter& p, const PageSetUp& s, char rule, int top) {
  const int y = top + s.lh / 2;
  QPen thick(Qt::black, s.thick);
  switch (rule) {
    case '-':
      p.setPen(thick);
      p.drawLine(s.Lm + 2 * s.thin, y, s.W - 2 * s.thin, y);
      break;
    case '.':
      p.setPen(QPen(Qt::black, 1));
      p.drawLine(s.Lm + s.thin - 1, y, s.W - s.thin, y);
      break;
    case '=': {
      const int above = y - (s.thin + 2 * s.thick);
      p.setPen(QPen(Qt::black, s.thin));
      p.drawLine(s.Lm + s.thin, above, s.W - s.thin, above);
      p.setPen(thick);
      p.drawLine(s.Lm + 2 * s.thin, y, s.W - 2 * s.thin, y);
      break;
    }
    default:
      break;
  }
}

void drawCells(QPainter& p, const ReportBuffer& buffer, const PageSetUp& s, int row, int top) {
  QFontMetrics fm(p.font(), p.device());
  auto measure = [&fm](std::string_view t) { return fm.horizontalAdvance(qtText(t)); };
  p.setPen(Qt::black);
  const auto& cols = buffer.columns();
  for (std::size_t c = 0; c < cols.size(); ++c) {
    std::string_view cell = buffer.cell(row, static_cast<int>(c));
    if (cell.empty()) continue;
    PlacedText placed = printCell(cell, cols[c].align);
    const int avail = s.colW[c] - 2 * s.ppc;
    std::string fitted = fitPrintText(placed.text, avail, measure);
    QString q = qtText(fitted);
    int x = s.colX[c] + s.ppc + alignedOffset(placed.align, avail, fm.horizontalAdvance(q));
    textAt(p, fm, s.Lm + x, top, q);
  }
}

// The frame's bottom: the page's last line, or on the page where the range
// ends, half a line below the last row (through the closing rule's line when
// the range ends on a rule, below the text when it ends on a data row).
int frameBottom(const ReportBuffer& buffer, const PageSetUp& s, const PrintRange& range, int page) {
  if (page < range.pages) return s.H - s.lh;
  const int k = range.rowsOn(page, s.R);
  if (k == 0) return s.T + 6 * s.lh;
  const int top = s.rowTop(k);
  return buffer.isRule(range.last) ? top + s.lh / 2 : top + s.lh + s.lh / 2;
}

void drawFrame(QPainter& p, const ReportBuffer& buffer, const PageSetUp& s, int bottom) {
  p.setPen(QPen(Qt::black, s.thick));
  const int top = s.T + 3 * s.lh;
  for (std::size_t c = 1; c < buffer.columns().size(); ++c)
    p.drawLine(s.Lm + s.colX[c], top, s.Lm + s.colX[c], bottom);
  p.drawLine(s.Lm, top, s.Lm, bottom);
  p.drawLine(s.Lm, bottom, s.W, bottom);
  p.drawLine(s.W, bottom, s.W, top);
}

// Zefir's own PDF printer leaves paper blank round the page like a printer's
// unprintable edge: 10 mm, and a millimetre more for the frame's thick rules,
// which spill half their width past the page set-up's edges.
constexpr qreal kPdfMarginMm = 11;

void configurePdf(QPdfWriter& writer, bool landscape) {
  writer.setResolution(600);
  writer.setPageLayout(QPageLayout(
      QPageSize(QPageSize::A4), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
      QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm), QPageLayout::Millimeter));
}

}  // namespace

QFont printFont(int size) {
  const ReportContext& ctx = reportContext();
  return settingsFont(ctx.printFont, ctx.printStyle, std::max(size, 1));
}

PrintTexts currentPrintTexts() {
  const ReportContext& ctx = reportContext();
  QDateTime now = QDateTime::currentDateTime();
  QDate d = now.date();
  PrintTexts t;
  t.stamp = qtText(text::longTextOfDay(text::dayFromDate(d.year(), d.month(), d.day()))) +
            now.toString(QStringLiteral(" hh:mm"));
  t.footerLeft = ctx.footerLeft.empty() ? QDir::toNativeSeparators(QDir::currentPath())
                                        : qtText(ctx.footerLeft);
  t.footerCentre = qtText(ctx.footerCentre);
  t.footerRight =
      QStringLiteral("Zefir ") + qtText(ctx.version) + QLatin1Char(' ') + qtText(ctx.menuPosition);
  return t;
}

PageSetUp pageSetUpOn(const QPaintDevice& device, int width, int height, bool landscape,
                      const ReportBuffer& buffer) {
  QtFontMeasure measure(device);
  return computePageSetUp(width, height, landscape, buffer, measure);
}

void drawPage(QPainter& p, const ReportBuffer& buffer, const PageSetUp& s, const PrintRange& range,
              int page, const PrintTexts& texts) {
  drawFrameTexts(p, buffer, s, page, range.pages, texts);
  drawCornersAndHeaders(p, buffer, s);
  const int rows = range.rowsOn(page, s.R);
  const QColor band(208, 224, 192);
  p.setPen(band);
  p.setBrush(band);
  for (const Band& b : shadedBands(rows, s.R))
    p.drawRect(QRect(QPoint(s.Lm + 1, s.rowTop(b.firstRow)),
                     QPoint(s.W - 1, s.T + (b.lastRow + 6) * s.lh)));
  p.setBrush(Qt::NoBrush);
  p.setFont(printFont(s.S));
  for (int i = 1; i <= rows; ++i) {
    const int row = range.rowOf(page, i, s.R);
    if (buffer.isRule(row))
      drawRule(p, s, buffer.rule(row), s.rowTop(i));
    else
      drawCells(p, buffer, s, row, s.rowTop(i));
  }
  drawFrame(p, buffer, s, frameBottom(buffer, s, range, page));
}

void drawPages(QPainter& painter, QPagedPaintDevice& device, const ReportBuffer& buffer,
               const PageSetUp& setup, const PrintRange& range, const PrintTexts& texts) {
  for (int page = 1; page <= range.pages; ++page) {
    if (page > 1) device.newPage();
    drawPage(painter, buffer, setup, range, page, texts);
  }
}

int writeReportPdf(const ReportBuffer& buffer, bool landscape, const QString& path, int from,
                   int to, const PrintTexts& texts, const QString& jobTitle) {
  QPdfWriter writer(path);
  configurePdf(writer, landscape);
  writer.setTitle(jobTitle);
  writer.setCreator(QStringLiteral("Zefir"));
  PageSetUp setup = pageSetUpOn(writer, writer.width(), writer.height(), landscape, buffer);
  QPainter painter;
  if (!painter.begin(&writer)) return 0;
  drawPages(painter, writer, buffer, setup, printRange(from, to, buffer.rowCount(), setup.R),
            texts);
  return painter.end() ? setup.R : 0;
}

namespace {

void preparePrinter(QPrinter& printer, bool landscape) {
  // The page is the printer's printable area: it keeps its own margins.
  printer.setFullPage(false);
  printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

}  // namespace

int printReportOn(QPrinter& printer, const ReportBuffer& buffer, bool landscape, int from, int to,
                  const PrintTexts& texts, const QString& jobTitle) {
  preparePrinter(printer, landscape);
  printer.setDocName(jobTitle);
  const PageSetUp setup =
      pageSetUpOn(printer, printer.width(), printer.height(), landscape, buffer);
  QPainter painter;
  if (!painter.begin(&printer)) return 0;
  drawPages(painter, printer, buffer, setup, printRange(from, to, buffer.rowCount(), setup.R),
            texts);
  return painter.end() ? setup.R : 0;
}

int printerRowsPerPage(QPrinter& printer, const ReportBuffer& buffer, bool landscape) {
  preparePrinter(printer, landscape);
  return pageSetUpOn(printer, printer.width(), printer.height(), landscape, buffer).R;
}

int pdfRowsPerPage(const ReportBuffer& buffer, bool landscape) {
  QBuffer sink;
  sink.open(QIODevice::WriteOnly);
  QPdfWriter writer(&sink);
  configurePdf(writer, landscape);
  return pageSetUpOn(writer, writer.width(), writer.height(), landscape, buffer).R;
}

}  // namespace zefir::output
