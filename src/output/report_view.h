// The report window's behaviour that needs no window: searching, scrolling
// keys and marking a range. The window (and tests) call these with the number
// of rows the drawing area shows.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "output/report_buffer.h"

namespace zefir::output {

// Searches from the current row (forwards or backwards, wrapping) for `text`
// in search form. The row found becomes the current row; when the search comes
// back to where it started, the current row is the start row and the status
// line says "Nie ma " + text (kind 0). Without a current row every row is
// searched. Returns whether a row was found.
bool searchReport(ReportBuffer& buffer, std::string_view text, bool forward);

// The top row that puts the current row in the middle of `visible` rows.
int topForCurrent(int current, int rowCount, int visible);

enum class ScrollKey { PageUp, PageDown, Home, End, Up, Down };
// The new top row after a scrolling key.
int scrolledTop(ScrollKey key, int top, int rowCount, int visible);
// The new top row after `notches` of the wheel (positive scrolls down, 5 rows a notch).
int wheeledTop(int notches, int top, int rowCount);

// The entries of the range menu, in the menu's order.
enum class RangeEntry {
  FromHere,
  ToHere,
  Page1,
  Landscape1,
  Page2,
  Landscape2,
  Page3,
  Landscape3,
  Page4,
  Landscape4,
  Whole,
  LandscapeEnd,
  PageEnd,
};
inline constexpr int kRangeEntries = 13;
// The menu captions (UTF-8, with their accelerators).
extern const std::array<const char*, kRangeEntries> kRangeCaptions;

// Sets From..To for a range entry picked at row `current`; both ends are kept
// within 1..row count and in order, and the current row is cleared.
void applyRange(ReportBuffer& buffer, RangeEntry entry, int current);

// A left click in the table picking a range: the first click sets the current
// row, the next marks the rows between it and the clicked row.
void pickRangeRow(ReportBuffer& buffer, int clickedRow);

}  // namespace zefir::output
