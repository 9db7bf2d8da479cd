// The arithmetic of a printed page: margins, pens, font size, line height,
// rows per page and column positions, for one orientation. The printer (or a
// PDF writer, or a test) supplies the page size and measures the font.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output/report_buffer.h"

namespace zefir::output {

// Measures the print font at a size on the target device.
class FontMeasure {
 public:
  virtual ~FontMeasure() = default;
  // Width of kFontSample at `size`.
  virtual int sampleWidth(int size) = 0;
  virtual int textHeight(int size) = 0;
};

inline constexpr std::string_view kFontSample =
    "1234567890ABCDEFGHIJKLMNOVWXYZabcdefghijklmnovwxyz";

// All values are device pixels of the page.
struct PageSetUp {
  bool landscape = false;
  int W = 0, H = 0;         // page width and height minus 2
  int thin = 1, thick = 3;  // pens
  int Lm = 0, T = 0;        // left and top margins
  int PW = 0, PH = 0;       // printable width and height
  int totalChars = 100;
  int S = 29, Splus = 30;  // font sizes
  int h = 0;               // text height at S
  int ppc = 0;             // pixels per character
  int spare = 0;           // given to the stretch column
  int lh = 0;              // line height
  int R = 50;              // rows per page
  std::vector<int> colX;   // from Lm
  std::vector<int> colW;

  // Top of page row i (1..R).
  int rowTop(int i) const { return T + (i + 5) * lh; }
};

PageSetUp computePageSetUp(int pageWidth, int pageHeight, bool landscape,
                           const ReportBuffer& buffer, FontMeasure& font);

// The rows From..To (limited to the row count) as printed pages.
struct PrintRange {
  int first = 1;  // first buffer row
  int last = 0;   // last buffer row
  int pages = 1;
  int rows() const { return last >= first ? last - first + 1 : 0; }
  // Buffer row of page row i on page p (both from 1).
  int rowOf(int page, int i, int R) const { return first - 1 + (page - 1) * R + i; }
  // Page rows on page p.
  int rowsOn(int page, int R) const;
};
PrintRange printRange(int from, int to, int rowCount, int rowsPerPage);

// Page rows shaded on every page: 6-10, 16-20, ... up to R. Each band is
// [firstRow, lastRow] in page rows.
struct Band {
  int firstRow, lastRow;
};
std::vector<Band> shadedBands(int rowsOnPage, int R);

// "Zefir-" + menu position + the cleaned document name ("-" + code when there
// is one, " " + organisation when set): blanks become "-", Polish letters
// plain, anything outside printable ASCII and " % ' * / : < > ? \ | dropped.
std::string printJobTitle(std::string_view menuPosition, std::string_view code,
                          std::string_view organisation);

}  // namespace zefir::output
