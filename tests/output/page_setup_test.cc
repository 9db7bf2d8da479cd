#include "output/page_setup.h"

#include <gtest/gtest.h>

#include "text/codepage.h"

namespace zefir::output {
namespace {

// A monospace font whose characters are `size` pixels wide and 2*size high.
struct FakeFont : FontMeasure {
  int sampleWidth(int size) override { return 50 * size; }
  int textHeight(int size) override { return 2 * size; }
};

ReportBuffer tableOf(std::initializer_list<int> widths, int stretch = 1) {
  ReportBuffer b;
  b.beginReport("T", "T", stretch);
  for (int w : widths) b.addColumn('l', w, "h");
  b.endHeaders("");
  return b;
}

TEST(PageSetUp, PortraitMarginsFontAndRowsFitThePage) {
  ReportBuffer b = tableOf({38, 38});  // 80 characters count as 100
  FakeFont font;
  PageSetUp p = computePageSetUp(2002, 3002, false, b, font);
  EXPECT_EQ(p.W, 2000);
  EXPECT_EQ(p.thin, 1);
  EXPECT_EQ(p.thick, 3);
  EXPECT_EQ(p.Lm, 2000 / 15);
  EXPECT_EQ(p.totalChars, 100);
  // The largest size with size * 100 < PW (1867).
  EXPECT_EQ(p.S, 18);
  EXPECT_EQ(p.h, 36);
  // S+: first size whose height exceeds 1.3 h.
  EXPECT_EQ(p.Splus, 24);
  // lh = 40 -> R = 2999 / 40 - 7 = 67; fitted lh = floor(2999 / 74) = 40.
  EXPECT_EQ(p.R, 67);
  EXPECT_EQ(p.lh, 40);
  EXPECT_EQ(p.PH, 74 * 40);
  EXPECT_EQ(p.T, p.H - p.PH);
  EXPECT_EQ(p.ppc, p.PW / 100);
  EXPECT_EQ(p.colW[0], 40 * p.ppc + p.spare);  // the stretch column takes the spare pixels
  EXPECT_EQ(p.colX[1], p.colW[0]);
}

TEST(PageSetUp, LandscapeMarginIsOnTop) {
  ReportBuffer b = tableOf({150}, 2);
  FakeFont font;
  PageSetUp p = computePageSetUp(3002, 2002, true, b, font);
  EXPECT_EQ(p.Lm, 1);
  EXPECT_EQ(p.totalChars, 152);
  EXPECT_EQ(p.colW[0], 152 * p.ppc);  // stretch names a column that does not exist
  EXPECT_GE(p.T, 2000 / 15);
  EXPECT_EQ((p.R + 7) * p.lh, p.PH);
}

TEST(PageSetUp, TinyPageStillGivesRowsAndEnds) {
  ReportBuffer b = tableOf({10});
  struct HugeFont : FontMeasure {
    int sampleWidth(int) override { return 1; }
    int textHeight(int) override { return 500; }
  } font;
  PageSetUp p = computePageSetUp(802, 1002, false, b, font);
  // Pages under 2000 pixels still get visible pens.
  EXPECT_EQ(p.thin, 1);
  EXPECT_EQ(p.thick, 3);
  EXPECT_GE(p.R, 1);
  EXPECT_GE(p.lh, 1);
}

TEST(PrintRangeTest, PagesCoverTheRangeOnly) {
  PrintRange r = printRange(11, 30, 25, 10);
  EXPECT_EQ(r.first, 11);
  EXPECT_EQ(r.last, 25);
  EXPECT_EQ(r.pages, 2);
  EXPECT_EQ(r.rowOf(2, 1, 10), 21);
  EXPECT_EQ(r.rowsOn(2, 10), 5);
  EXPECT_EQ(printRange(5, 7, 100, 50).pages, 1);
  EXPECT_EQ(printRange(1, 100, 100, 50).pages, 2);
  EXPECT_EQ(printRange(1, 101, 100, 50).pages, 2);
}

TEST(PrintRangeTest, BandsAreRowsSixToTenOfEveryTen) {
  auto bands = shadedBands(50, 50);
  ASSERT_EQ(bands.size(), 5u);
  EXPECT_EQ(bands[0].firstRow, 6);
  EXPECT_EQ(bands[0].lastRow, 10);
  EXPECT_EQ(bands[4].firstRow, 46);
  auto shortPage = shadedBands(17, 18);
  ASSERT_EQ(shortPage.size(), 2u);
  EXPECT_EQ(shortPage[1].lastRow, 18);
  EXPECT_TRUE(shadedBands(5, 50).empty());
}

TEST(PrintJobTitle, PolishLettersPlainBlanksDashesAndUnsafeCharactersDropped) {
  EXPECT_EQ(printJobTitle("DA", "WST", text::fromUtf8("Łódzka Spółka \"A/B\" 50%")),
            "Zefir-DA-WST-Lodzka-Spolka-AB-50");
  EXPECT_EQ(printJobTitle("DD", "", ""), "Zefir-DD");
  EXPECT_EQ(printJobTitle("", "K:P?", "x"), "Zefir--KP-x");
}

}  // namespace
}  // namespace zefir::output
