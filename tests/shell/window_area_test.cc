// Windows kept where they can be seen: inside the screen's available area,
// and inside the desktop clear of its clock box.
#include "shell/window_area.h"

#include <gtest/gtest.h>

namespace zefir::shell {
namespace {

// A laptop's screen less a task bar on the left and one at the bottom.
constexpr Rect kAvailable{40, 0, 1326, 728};

TEST(InsideArea, WindowsPartlyOffTheAreaMoveInAndKeepTheirSize) {
  // The test start's desktop, left of the screen.
  EXPECT_EQ(insideArea({-222, 0, 222, 0}, kAvailable), (Rect{40, 0, 222, 0}));
  // Saved on a second monitor that is gone: right and below.
  EXPECT_EQ(insideArea({1900, 900, 800, 500}, kAvailable), (Rect{566, 228, 800, 500}));
  // Under the task bar at the top left.
  EXPECT_EQ(insideArea({0, -30, 300, 200}, kAvailable), (Rect{40, 0, 300, 200}));
  // Already inside: untouched.
  EXPECT_EQ(insideArea({45, 5, 1316, 698}, kAvailable), (Rect{45, 5, 1316, 698}));
}

TEST(InsideArea, WindowLargerThanASmallAreaIsCutToIt) {
  constexpr Rect small{10, 20, 640, 480};
  EXPECT_EQ(insideArea({5, 5, 1910, 1050}, small), small);
  EXPECT_EQ(insideArea({600, 5, 300, 1050}, small), (Rect{350, 20, 300, 480}));
  EXPECT_EQ(insideArea({-500, 400, 2000, 100}, small), (Rect{10, 400, 640, 100}));
}

TEST(InsideDesktop, WindowUnderTheClockBoxMovesBelowIt) {
  constexpr Rect clock{802, 0, 138, 30};
  // The menu at its start position, its title bar's right end under the box.
  EXPECT_EQ(insideDesktop({8, 2, 876, 518}, 940, 745, clock), (Rect{8, 30, 876, 518}));
  // Clear of the box's columns, or below it already: where it was.
  EXPECT_EQ(insideDesktop({8, 2, 600, 518}, 940, 745, clock), (Rect{8, 2, 600, 518}));
  EXPECT_EQ(insideDesktop({300, 40, 600, 518}, 940, 745, clock), (Rect{300, 40, 600, 518}));
}

TEST(InsideDesktop, WindowKeepsInsideTheDesktopAndTheTitleBarWinsOverTheBottom) {
  constexpr Rect clock{342, 0, 138, 30};
  // Too far right and down in a desktop of 480 x 450: moved back in.
  EXPECT_EQ(insideDesktop({400, 300, 200, 100}, 480, 450, clock), (Rect{276, 300, 200, 100}));
  EXPECT_EQ(insideDesktop({-50, -20, 200, 100}, 480, 450, clock), (Rect{3, -1, 200, 100}));
  // Taller than the desktop under the box: its title bar stays below the box.
  EXPECT_EQ(insideDesktop({8, 2, 876, 518}, 480, 450, clock), (Rect{3, 30, 876, 518}));
}

}  // namespace
}  // namespace zefir::shell
