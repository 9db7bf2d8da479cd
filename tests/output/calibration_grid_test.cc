// The printer calibration grid: where its lines lie and how wide they are.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "output/document_canvas.h"

namespace zefir::output {
namespace {

class LineCanvas : public DocumentCanvas {
 public:
  struct Line {
    double x1, y1, x2, y2, pen;
  };
  void measure(std::string_view, int, const TextStyle&, double& w, double& h) override {
    w = h = 0;
  }
  void text(double, double, double, double, std::string_view, int, const TextStyle&) override {}
  void frame(double, double, double, double) override {}
  void line(double x1, double y1, double x2, double y2, double pen) override {
    lines.push_back({x1, y1, x2, y2, pen});
  }
  void picture(double, double, double, double, const LogoImage&) override {}
  std::vector<Line> lines;
};

TEST(CalibrationGrid, MillimetreLinesFromEveryEdgeToTheMiddleEveryFifthWidest) {
  LineCanvas c;
  drawCalibrationGrid(c, 184, 290);
  std::map<double, double> vertical, horizontal;  // position -> pen
  for (const auto& l : c.lines) {
    if (l.x1 == l.x2) {
      EXPECT_EQ(l.y1, 0);
      EXPECT_EQ(l.y2, 290);
      vertical[l.x1] = l.pen;
    } else {
      ASSERT_EQ(l.y1, l.y2);
      EXPECT_EQ(l.x1, 0);
      EXPECT_EQ(l.x2, 184);
      horizontal[l.y1] = l.pen;
    }
  }
  // 0..91 from the left and 93..184 from the right: 92 meets 91 of the other side.
  EXPECT_EQ(vertical.size(), 184u);
  EXPECT_FALSE(vertical.contains(92));
  EXPECT_TRUE(vertical.contains(91));
  EXPECT_TRUE(vertical.contains(93));
  // Every millimetre of the height, the middle line drawn from both edges.
  EXPECT_EQ(horizontal.size(), 291u);
  EXPECT_DOUBLE_EQ(vertical[0], 5 * kCalibrationPen);
  EXPECT_DOUBLE_EQ(vertical[1], 4 * kCalibrationPen);
  EXPECT_DOUBLE_EQ(vertical[4], 1 * kCalibrationPen);
  EXPECT_DOUBLE_EQ(vertical[10], 5 * kCalibrationPen);
  EXPECT_DOUBLE_EQ(vertical[184 - 6], 4 * kCalibrationPen) << "counted from the right edge";
  EXPECT_DOUBLE_EQ(horizontal[290 - 5], 5 * kCalibrationPen) << "counted from the bottom edge";
  EXPECT_DOUBLE_EQ(horizontal[2], 3 * kCalibrationPen);
}

}  // namespace
}  // namespace zefir::output
