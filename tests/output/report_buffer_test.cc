#include "output/report_buffer.h"

#include <gtest/gtest.h>

#include "output/report_cells.h"
#include "platform/status_line.h"
#include "text/codepage.h"

namespace zefir::output {
namespace {

using text::fromUtf8;

TEST(ReportBuffer, EmptyReportHasOnlyTheClosingRuleAndRangeOneToOne) {
  ReportBuffer b;
  b.beginReport("WST", "Wykaz", 1);
  b.addColumn('l', 10, "Symbol");
  b.addColumn('p', 12, "Kwota", "zł");
  b.endHeaders("par");
  b.endReport();
  ASSERT_EQ(b.rowCount(), 1);
  EXPECT_TRUE(b.isRule(1));
  EXPECT_EQ(b.rule(1), '=');
  EXPECT_EQ(b.view.from, 1);
  EXPECT_EQ(b.view.to, 1);
  EXPECT_EQ(b.view.top, 1);
  EXPECT_EQ(b.view.current, 0);
  EXPECT_EQ(b.caption(), " * Zorza-Soft * Wykaz * par *");
}

TEST(ReportBuffer, CellsAreTrimmedCutAndPaddedToTheColumnCount) {
  ReportBuffer b;
  b.beginReport(std::string(120, 'K'), std::string(130, 'T'), 2);
  EXPECT_EQ(b.code().size(), 100u);
  EXPECT_EQ(b.title().size(), 100u);
  for (int i = 0; i < 3; ++i) b.addColumn('l', 5, "h");
  b.endHeaders(std::string(300, 'p'));
  EXPECT_EQ(b.params().size(), 250u);
  std::string longCell = "  " + std::string(150, 'x') + "  ";
  b.addRow({"  a  ", longCell});
  b.addRow({"1", "2", "3", "4 dropped"});
  EXPECT_EQ(b.cell(1, 0), "a");
  EXPECT_EQ(b.cell(1, 1), std::string(100, 'x'));
  EXPECT_EQ(b.cell(1, 2), "");
  EXPECT_EQ(b.cell(2, 2), "3");
  EXPECT_EQ(b.cell(2, 3), "");
}

TEST(ReportBuffer, EighteenthColumnIsIgnoredAndWidthsKeptInRange) {
  ReportBuffer b;
  b.beginReport("X", "T", 1);
  for (int i = 0; i < 18; ++i) b.addColumn('l', i == 0 ? 400 : 3, "h");
  EXPECT_EQ(b.columns().size(), 17u);
  EXPECT_EQ(b.columns()[0].width, 255);
}

TEST(ReportBuffer, NewReportReplacesRowsAndInvalidatesTheIndex) {
  ReportBuffer b;
  b.beginReport("A", "A", 1);
  b.addColumn('l', 5, "h");
  b.addColumn('l', 5, "h");
  b.endHeaders("");
  b.addRow({"stary", "x"});
  b.endReport();
  EXPECT_EQ(b.searchIndex().rowText(1), "STARY X");
  b.view.current = 2;
  b.beginReport("B", "B", 1);
  b.addColumn('l', 5, "h");
  b.endHeaders("");
  EXPECT_FALSE(b.searchIndexValid());
  EXPECT_EQ(b.view.current, 0);
  b.addRow({"nowy", "ignored"});
  b.endReport();
  EXPECT_EQ(b.rowCount(), 2);
  EXPECT_EQ(b.searchIndex().rowText(1), "NOWY");
}

struct CountingObserver : ReportObserver {
  int headers = 0, ended = 0;
  void headersEnded(ReportBuffer&) override { ++headers; }
  int rowsPerPage(ReportBuffer&, Orientation o) override {
    return o == Orientation::Landscape ? 33 : 61;
  }
  void reportEnded(ReportBuffer&) override { ++ended; }
};

TEST(ReportBuffer, EndReportSetsUpBothOrientationsAndShowsRowsPerPage) {
  RememberingStatusLine line;
  setStatusLine(&line);
  CountingObserver obs;
  ReportBuffer b;
  b.setObserver(&obs);
  b.beginReport("A", "A", 1);
  b.addColumn('l', 5, "h");
  b.endHeaders("");
  b.addRule('-');
  b.endReport();
  setStatusLine(nullptr);
  EXPECT_EQ(obs.headers, 1);
  EXPECT_EQ(obs.ended, 1);
  EXPECT_EQ(b.view.rowsPortrait, 61);
  EXPECT_EQ(b.view.rowsLandscape, 33);
  EXPECT_EQ(b.view.rowsLatest, 61);
  EXPECT_EQ(line.last_text, "Wierszy na str: 61 / 33");
  EXPECT_EQ(line.last_kind, StatusKind::Information);
  EXPECT_EQ(b.view.to, 2);
}

TEST(ReportCells, MarkerOnScreenRightAlignsAndSecondMarkerHidesTheRest) {
  PlacedText one = screenCell(
      "ab\xFE"
      "cd",
      'l');
  EXPECT_EQ(one.text, "abcd");
  EXPECT_EQ(one.align, CellAlign::Right);
  PlacedText two = screenCell(
      "ab\xFE"
      "cd\xFE"
      "hidden",
      'p');
  EXPECT_EQ(two.text, "abcd");
  EXPECT_EQ(two.align, CellAlign::Left);
  EXPECT_EQ(screenCell("plain", 'c').align, CellAlign::Centre);
}

TEST(ReportCells, MarkerInPrintLeftAlignsAndOnlyTheFirstIsRemoved) {
  PlacedText p = printCell(
      "\xFE"
      "12,00\xFE",
      'p');
  EXPECT_EQ(p.text, "12,00\xFE");
  EXPECT_EQ(p.align, CellAlign::Left);
  EXPECT_EQ(printCell("12,00", 'd').align, CellAlign::Right);
}

TEST(ReportCells, TooLongTextsLoseCharactersNeverWrap) {
  auto chars = [](std::string_view s) { return static_cast<int>(s.size()); };
  EXPECT_EQ(fitScreenText("abcdef", 5, chars), " abcd");
  EXPECT_EQ(fitScreenText("ab", 5, chars), " ab ");
  // Print drops a leading blank first, then from the end.
  EXPECT_EQ(fitPrintText("   abcdef", 4, chars), "abcd");
  EXPECT_EQ(fitPrintText("abc", 0, chars), "");
}

}  // namespace
}  // namespace zefir::output
