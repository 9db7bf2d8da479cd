#include "shell/window_area.h"

#include <algorithm>

namespace zefir::shell {

Rect insideArea(Rect window, Rect area) {
  window.width = std::min(window.width, area.width);
  window.height = std::min(window.height, area.height);
  window.left = std::clamp(window.left, area.left, area.right() - window.width);
  window.top = std::clamp(window.top, area.top, area.bottom() - window.height);
  return window;
}

Rect insideDesktop(Rect window, int areaWidth, int areaHeight, Rect clockBox) {
  window.left = std::max(3, std::min(window.left, areaWidth - window.width - 4));
  window.top = std::max(-1, std::min(window.top, areaHeight - window.height - 4));
  const bool sharesColumns = window.left < clockBox.right() && clockBox.left < window.right();
  if (sharesColumns && window.top < clockBox.bottom())
    window.top = std::max(window.top, clockBox.bottom());
  return window;
}

}  // namespace zefir::shell
