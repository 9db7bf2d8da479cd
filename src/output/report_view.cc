#include "output/report_view.h"

#include <algorithm>

#include "platform/status_line.h"
#include "text/codepage.h"

namespace zefir::output {

const std::array<const char*, kRangeEntries> kRangeCaptions = {
    "&Od tego miejsca - zaznacz",     "&Do tego miejsca - zaznacz",
    "&1 stronę /tu start/ - zaznacz", "1 poziomą /tu start/ -zaznacz",
    "&2 strony /tu start/ - zaznacz", "2 poziome /tu start/ - zaznacz",
    "&3 strony /tu start/ - zaznacz", "3 poziome /tu start/ - zaznacz",
    "&4 strony /tu start/ - zaznacz", "4 pejzaże /tu start/ - zaznacz",
    "&Całe zestawienie - zaznacz",    "&Poziomą /tu koniec/ zaznacz",
    "&Stronę /tu koniec/ - zaznacz",
};

bool searchReport(ReportBuffer& buffer, std::string_view text, bool forward) {
  const int rows = buffer.rowCount();
  const int current = buffer.view.current;
  // Without a current row the search covers every row (from before row 1, or
  // from after the last row), so a backward search still reaches row 1.
  int start = current ? current : (forward ? 0 : rows + 1);
  int found = buffer.searchIndex().find(text, start, forward);
  if (found) {
    buffer.view.current = found;
    return true;
  }
  buffer.view.current = current ? current : (forward ? rows : std::min(1, rows));
  showStatus(text::fromUtf8("Nie ma ") + std::string(text), StatusKind::Error);
  return false;
}

int topForCurrent(int current, int rowCount, int visible) {
  int top = current - visible / 2;
  top = std::min(top, rowCount - visible + 2);
  return std::max(top, 1);
}

int scrolledTop(ScrollKey key, int top, int rowCount, int visible) {
  const int last = std::max(rowCount - visible + 1, 1);
  const int page = std::max(visible, 1);
  switch (key) {
    case ScrollKey::PageUp:
      return top > page ? top - page : 1;
    case ScrollKey::PageDown:
      return top < last - page ? top + page : last;
    case ScrollKey::Home:
      return 1;
    case ScrollKey::End:
      return last;
    case ScrollKey::Up:
      return std::max(top - 1, 1);
    case ScrollKey::Down:
      return std::min(top + 1, last);
  }
  return top;
}

int wheeledTop(int notches, int top, int rowCount) {
  return std::clamp(top + 5 * notches, 1, std::max(rowCount, 1));
}

void applyRange(ReportBuffer& buffer, RangeEntry entry, int c) {
  const int p = buffer.view.rowsLatest;
  const int l = buffer.view.rowsLandscape;
  int from = buffer.view.from;
  int to = buffer.view.to;
  auto start = [&](int pages, int perPage) {
    from = c;
    to = c + pages * perPage - 1;
  };
  switch (entry) {
    case RangeEntry::FromHere:
      from = c;
      break;
    case RangeEntry::ToHere:
      to = c;
      break;
    case RangeEntry::Page1:
      start(1, p);
      break;
    case RangeEntry::Landscape1:
      start(1, l);
      break;
    case RangeEntry::Page2:
      start(2, p);
      break;
    case RangeEntry::Landscape2:
      start(2, l);
      break;
    case RangeEntry::Page3:
      start(3, p);
      break;
    case RangeEntry::Landscape3:
      start(3, l);
      break;
    case RangeEntry::Page4:
      start(4, p);
      break;
    case RangeEntry::Landscape4:
      start(4, l);
      break;
    case RangeEntry::Whole:
      from = 1;
      to = buffer.rowCount();
      break;
    case RangeEntry::LandscapeEnd:
      from = c - l + 1;
      to = c;
      break;
    case RangeEntry::PageEnd:
      from = c - p + 1;
      to = c;
      break;
  }
  const int last = std::max(buffer.rowCount(), 1);
  from = std::clamp(from, 1, last);
  to = std::clamp(to, 1, last);
  buffer.view.from = std::min(from, to);
  buffer.view.to = std::max(from, to);
  buffer.view.current = 0;
}

void pickRangeRow(ReportBuffer& buffer, int clickedRow) {
  const int last = std::max(buffer.rowCount(), 1);
  clickedRow = std::clamp(clickedRow, 1, last);
  if (buffer.view.current == 0) {
    buffer.view.current = clickedRow;
    return;
  }
  buffer.view.from = std::min(buffer.view.current, clickedRow);
  buffer.view.to = std::max(buffer.view.current, clickedRow);
}

}  // namespace zefir::output
