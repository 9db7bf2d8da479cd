// What the document viewer keeps besides its window: the settings the
// producer gives before opening it, the copies list by kind with the choice
// saved under "Vie-" and the document code, and the zoom.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zefir::output {

inline constexpr int kViewerStartZoom = 30;
inline constexpr int kViewerLeastZoom = 4;

struct CopiesEntry {
  const char* label;  // UTF-8, as listed (the list shows one blank in front)
  const char* code;   // one letter per printed set
};

// The entries for a copies kind: 1 copies, 2 original and copies, 3 both;
// none for any other kind.
std::vector<CopiesEntry> copiesEntries(int kind);

// The entry a saved number (1-based, counted within the list as shown)
// selects: the first for 0, a missing or unreadable number or one past the list.
int savedCopiesIndex(int kind, std::string_view saved);

// The settings register key of a document's saved choice ("Vie-OT").
std::string viewerKey(std::string_view documentCode);

struct ViewerSettings {
  std::string documentCode = "x";  // "x" = not set
  int copiesKind = 0;              // 0 = not set
  double extentWidth = 0;          // 0 = not set
  double extentHeight = 0;
  int pageCount = 1;
  int page = 1;
};

// The name of the first setting missing before the viewer may open, "" when
// all are set; the message box text is "aViewer wymaga ustawienia " + it.
std::string missingViewerSetting(const ViewerSettings& s);

// Zoom: one step at a time, never below 4.
int zoomedIn(int zoom);
int zoomedOut(int zoom);

// The page picture in pixels: extent x zoom / 5 + 7 each way.
int picturePixels(double extent, int zoom);

// The zoom that fits the screen: from `zoom` down one step at a time while
// the window (picture width + 31) would be wider than the screen width - 10;
// never below 4.
int fittedZoom(int zoom, double extentWidth, int screenWidth);

// The picture's vertical offset kept between panel height - picture height
// (scrolled to the bottom) and 0 (the top); 0 when the picture fits.
int clampedOffset(int offset, int panelHeight, int pictureHeight);

// The wheel's scroll in pixels for an angle delta: delta x zoom / 25.
int wheelScroll(int delta, int zoom);

// The button row of a window `width` pixels wide: "ZAP" 39, the copies list,
// "Wydrukuj" 89, four page and zoom buttons of 25, "Zamknij" 79, the printer
// chooser, "PDF" 39. The spare width is shared between the two lists; when
// the lists would get less than kLeastListWidth each, "Wydrukuj" and
// "Zamknij" lose their captions and become 25 wide.
inline constexpr int kLeastListWidth = 60;
struct ViewerButtonRow {
  bool compact = false;
  int print = 89, close = 79;
  int copiesList = 0, printerList = 0;
};
ViewerButtonRow viewerButtonRow(int width);

}  // namespace zefir::output
