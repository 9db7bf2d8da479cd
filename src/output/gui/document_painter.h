// The documents' drawing interface on a Qt paint device: the viewer's page
// image, a printer's page and the PDF writer's page.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "output/document_canvas.h"

class QPagedPaintDevice;

namespace zefir::output {

class PainterCanvas : public DocumentCanvas {
 public:
  // `origin` is the drawing's top left corner in device pixels, `pixelsPerMm`
  // the device's resolution.
  PainterCanvas(QPainter& painter, QPointF origin, double pixelsPerMm);

  void measure(std::string_view text, int size, const TextStyle& style, double& width,
               double& height) override;
  void text(double left, double top, double width, double height, std::string_view text, int size,
            const TextStyle& style) override;
  void frame(double left, double top, double width, double height) override;
  void line(double x1, double y1, double x2, double y2, double penWidth) override;
  void picture(double left, double top, double width, double height,
               const LogoImage& image) override;

 private:
  QFont fontOf(int size, const TextStyle& style) const;
  QPointF at(double x, double y) const;

  QPainter& p_;
  QPointF origin_;
  double k_;
};

// One copy of a document: its print job title and how to draw it.
struct DocumentCopy {
  std::string title;  // code page 1250
  std::function<void(DocumentCanvas&)> draw;
};

// The margins of Zefir's own PDF printer's A4 page; the viewer shows the page
// with the same margins.
inline constexpr double kDocumentPageMarginMm = 5;

// Draws one copy into a printable area (device pixels, `pixelsPerMm`): 184 mm
// wide against the right edge of the printable width less 3 mm, its height
// stepped down from 290 mm to fit, centred vertically; the copy's title
// stands under it. With `calibration` the calibration grid is drawn first.
void drawDocumentPage(QPainter& painter, const QRectF& printable, double pixelsPerMm,
                      const DocumentCopy& copy, bool calibration);

// Draws each copy on a page of its own. False when the device could not be
// painted on.
bool drawDocumentCopies(QPagedPaintDevice& device, const std::vector<DocumentCopy>& copies,
                        bool calibration = false);

// The copies as a PDF file on A4 (Zefir's own PDF printer); false when the
// file could not be written.
bool writeDocumentPdf(const QString& path, const std::vector<DocumentCopy>& copies,
                      bool calibration = false);

}  // namespace zefir::output
