// Keeping windows where they can be seen: the desktop inside the screen's
// available area, and a window inside the desktop clear of the clock box
// that lies over the desktop's top right corner.
#pragma once

namespace zefir::shell {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }   // one past the last column
  int bottom() const { return top + height; }  // one past the last row
  bool operator==(const Rect&) const = default;
};

// `window` cut to the size of `area` where it is larger, then moved the least
// that puts it wholly inside `area`.
Rect insideArea(Rect window, Rect area);

// The top left corner for a window of the desktop: inside the desktop's
// client area of `areaWidth` x `areaHeight` (3 pixels from its left edge, 4
// from its right and bottom edges, its top at -1 at the highest), and, where
// it shares columns with `clockBox`, below the box, which would otherwise
// cover its title bar and buttons. The title bar wins over the bottom edge
// when the desktop is too low for both.
Rect insideDesktop(Rect window, int areaWidth, int areaHeight, Rect clockBox);

}  // namespace zefir::shell
