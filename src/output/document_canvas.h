// The one drawing interface of the documents (OT, LT, PT): the viewer's page,
// a printer's page and the PDF writer's page all implement it, so a document
// is drawn by the same code wherever it goes. Coordinates are millimetres
// from the drawing's top left corner; texts are code page 1250.
#pragma once

#include <string_view>

#include "output/jpeg_logo.h"

namespace zefir::output {

enum class BoxAlign { Left, Centre, Right };

struct TextStyle {
  bool bold = false;
  bool strikeOut = false;
  BoxAlign align = BoxAlign::Left;
};

// Text sizes are in tenths of a millimetre of the font's height.
inline constexpr int kSmallestTextSize = 21;
inline constexpr int kLargestTextSize = 76;

class DocumentCanvas {
 public:
  virtual ~DocumentCanvas() = default;
  // The width and height in millimetres that `text` takes at `size`.
  virtual void measure(std::string_view text, int size, const TextStyle& style, double& width,
                       double& height) = 0;
  virtual void text(double left, double top, double width, double height, std::string_view text,
                    int size, const TextStyle& style) = 0;
  virtual void frame(double left, double top, double width, double height) = 0;
  virtual void line(double x1, double y1, double x2, double y2, double penWidth = 0.2) = 0;
  // The picture scaled into the box as given (the caller keeps the proportions).
  virtual void picture(double left, double top, double width, double height,
                       const LogoImage& image) = 0;
};

// The largest size from 21 up to 76 at which `text` fits the box, found by
// growing one step at a time while it fits; 21 when even that does not fit.
int fittingTextSize(DocumentCanvas& canvas, std::string_view text, const TextStyle& style,
                    double width, double height);

// Draws `text` into the box at its fitting size; a text containing
// "PROFORMA" gets the strike-out style.
void textInBox(DocumentCanvas& canvas, double left, double width, double top, double height,
               std::string_view text, TextStyle style = {});

// The printer calibration grid, drawn under a document when the viewer's
// calibration option is set: vertical lines every millimetre from 0 to 91 mm
// in from both side edges, horizontal lines every millimetre in from the top
// and the bottom edge up to the middle; line i is drawn (5 - i mod 5) x
// kCalibrationPen wide, so every fifth millimetre stands out.
inline constexpr double kCalibrationPen = 0.05;  // mm
void drawCalibrationGrid(DocumentCanvas& canvas, double width, double height);

}  // namespace zefir::output
