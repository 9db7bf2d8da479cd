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

}  // namespace zefir::output
