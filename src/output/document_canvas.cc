#include "output/document_canvas.h"

namespace zefir::output {

int fittingTextSize(DocumentCanvas& canvas, std::string_view text, const TextStyle& style,
                    double width, double height) {
  int size = kSmallestTextSize;
  while (size < kLargestTextSize) {
    double w = 0, h = 0;
    canvas.measure(text, size + 1, style, w, h);
    if (w > width || h > height) break;
    ++size;
  }
  return size;
}

void textInBox(DocumentCanvas& canvas, double left, double width, double top, double height,
               std::string_view text, TextStyle style) {
  if (text.find("PROFORMA") != std::string_view::npos) style.strikeOut = true;
  const int size = fittingTextSize(canvas, text, style, width, height);
  canvas.text(left, top, width, height, text, size, style);
}

void drawCalibrationGrid(DocumentCanvas& canvas, double width, double height) {
  auto pen = [](int i) { return (5 - i % 5) * kCalibrationPen; };
  for (int i = 0; i <= 91; ++i) {
    canvas.line(i, 0, i, height, pen(i));
    canvas.line(width - i, 0, width - i, height, pen(i));
  }
  for (int i = 0; i <= height / 2; ++i) {
    canvas.line(0, i, width, i, pen(i));
    canvas.line(0, height - i, width, height - i, pen(i));
  }
}

}  // namespace zefir::output
