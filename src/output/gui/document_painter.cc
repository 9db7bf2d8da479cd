#include "output/gui/document_painter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>

#include "operations/asset_documents.h"
#include "output/gui/qt_text.h"

namespace zefir::output {

namespace {

constexpr double kTitleGapMm = 2;

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, QPointF origin, double pixelsPerMm)
    : p_(painter), origin_(origin), k_(pixelsPerMm) {}

QPointF PainterCanvas::at(double x, double y) const {
  return origin_ + QPointF(x * k_, y * k_);
}

QFont PainterCanvas::fontOf(int size, const TextStyle& style) const {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(std::max(1, static_cast<int>(size / 10.0 * k_ + 0.5)));
  font.setBold(style.bold);
  font.setStrikeOut(style.strikeOut);
  return font;
}

void PainterCanvas::measure(std::string_view text, int size, const TextStyle& style, double& width,
                            double& height) {
  const QFontMetricsF metrics(fontOf(size, style), p_.device());
  width = metrics.horizontalAdvance(qtText(text)) / k_;
  height = metrics.height() / k_;
}

void PainterCanvas::text(double left, double top, double width, double height,
                         std::string_view text, int size, const TextStyle& style) {
  p_.setFont(fontOf(size, style));
  p_.setPen(QPen(Qt::black));
  int align = Qt::AlignVCenter;
  align |= style.align == BoxAlign::Centre  ? Qt::AlignHCenter
           : style.align == BoxAlign::Right ? Qt::AlignRight
                                            : Qt::AlignLeft;
  p_.drawText(QRectF(at(left, top), at(left + width, top + height)), align, qtText(text));
}

void PainterCanvas::frame(double left, double top, double width, double height) {
  p_.setPen(QPen(Qt::black, 0.2 * k_));
  p_.setBrush(Qt::NoBrush);
  p_.drawRect(QRectF(at(left, top), at(left + width, top + height)));
}

void PainterCanvas::line(double x1, double y1, double x2, double y2, double penWidth) {
  p_.setPen(QPen(Qt::black, penWidth * k_));
  p_.drawLine(at(x1, y1), at(x2, y2));
}

void PainterCanvas::picture(double left, double top, double width, double height,
                            const LogoImage& image) {
  const QImage picture(image.rgb.data(), image.width, image.height, image.width * 3,
                       QImage::Format_RGB888);
  p_.drawImage(QRectF(at(left, top), at(left + width, top + height)), picture);
}

void drawDocumentPage(QPainter& painter, const QRectF& printable, double k,
                      const DocumentCopy& copy, bool calibration) {
  const double pageWidth = printable.width() / k, pageHeight = printable.height() / k;
  const double height = operations::documentHeight(pageHeight);
  const QPointF origin =
      printable.topLeft() +
      QPointF((pageWidth - 3 - operations::kDocumentWidth) * k, (pageHeight - height) / 2 * k);
  PainterCanvas canvas(painter, origin, k);
  if (calibration) drawCalibrationGrid(canvas, operations::kDocumentWidth, height);
  copy.draw(canvas);
  textInBox(canvas, 0, operations::kDocumentWidth, height - 5 + kTitleGapMm, 3, copy.title,
            TextStyle{false, false, BoxAlign::Right});
}

bool drawDocumentCopies(QPagedPaintDevice& device, const std::vector<DocumentCopy>& copies,
                        bool calibration) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const double k = device.logicalDpiX() / 25.4;
  const QRectF printable(0, 0, device.width(), device.height());
  bool first = true;
  for (const DocumentCopy& copy : copies) {
    if (!first) device.newPage();
    first = false;
    drawDocumentPage(painter, printable, k, copy, calibration);
  }
  return painter.end();
}

bool writeDocumentPdf(const QString& path, const std::vector<DocumentCopy>& copies,
                      bool calibration) {
  QPdfWriter writer(path);
  writer.setResolution(600);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(kDocumentPageMarginMm, kDocumentPageMarginMm,
                                             kDocumentPageMarginMm, kDocumentPageMarginMm),
                                   QPageLayout::Millimeter));
  writer.setCreator(QStringLiteral("Zefir"));
  if (!copies.empty()) writer.setTitle(qtText(copies.front().title));
  return drawDocumentCopies(writer, copies, calibration);
}

}  // namespace zefir::output
