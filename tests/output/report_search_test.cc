#include <gtest/gtest.h>

#include "output/report_buffer.h"
#include "output/report_view.h"
#include "platform/status_line.h"
#include "text/codepage.h"

namespace zefir::output {
namespace {

using text::fromUtf8;

class ReportSearch : public ::testing::Test {
 protected:
  void SetUp() override { setStatusLine(&line); }
  void TearDown() override { setStatusLine(nullptr); }
  void build(std::initializer_list<const char*> names) {
    b.beginReport("WST", "Wykaz", 1);
    b.addColumn('l', 10, "Nazwa");
    b.addColumn('p', 5, "Nr");
    b.endHeaders("");
    int n = 0;
    for (const char* name : names) b.addRow({fromUtf8(name), std::to_string(++n)});
    b.endReport();
  }
  ReportBuffer b;
  RememberingStatusLine line;
};

TEST_F(ReportSearch, LowerCasePlainTextFindsCapitalisedPolishWord) {
  build({"Biurko", "ŻÓŁTA ŁÓDŹ", "Krzesło"});
  EXPECT_TRUE(searchReport(b, searchForm("zolta lodz"), true));
  EXPECT_EQ(b.view.current, 2);
  EXPECT_EQ(searchForm(fromUtf8("krzesło ąćęńśź")), "KRZESLO ACENSZ");
  // DOS Mazovia forms are made plain too (ą ż in Mazovia).
  EXPECT_EQ(searchForm("\x86\xA7"), "AZ");
}

TEST_F(ReportSearch, ForwardAndBackwardWrapAroundTheEnds) {
  build({"alfa", "beta", "alfa", "gamma"});
  ASSERT_TRUE(searchReport(b, "ALFA", true));
  EXPECT_EQ(b.view.current, 1);
  ASSERT_TRUE(searchReport(b, "ALFA", true));
  EXPECT_EQ(b.view.current, 3);
  ASSERT_TRUE(searchReport(b, "ALFA", true));
  EXPECT_EQ(b.view.current, 1);
  ASSERT_TRUE(searchReport(b, "ALFA", false));
  EXPECT_EQ(b.view.current, 3);
  b.view.current = 0;
  ASSERT_TRUE(searchReport(b, "ALFA", false));
  EXPECT_EQ(b.view.current, 3);
}

TEST_F(ReportSearch, BackwardWithoutCurrentRowReachesRowOne) {
  build({"jedyny", "inny"});
  ASSERT_TRUE(searchReport(b, "JEDYNY", false));
  EXPECT_EQ(b.view.current, 1);
}

TEST_F(ReportSearch, TextOnlyInTheCurrentRowComesBackAndSaysNieMa) {
  build({"alfa", "beta", "gamma"});
  b.view.current = 2;
  EXPECT_FALSE(searchReport(b, "BETA", true));
  EXPECT_EQ(b.view.current, 2);
  EXPECT_EQ(line.last_text, "Nie ma BETA");
  EXPECT_EQ(line.last_kind, StatusKind::Error);
  EXPECT_FALSE(searchReport(b, "BETA", false));
  EXPECT_EQ(b.view.current, 2);
}

TEST_F(ReportSearch, EmptyReportAnySearchSaysNieMa) {
  build({});
  EXPECT_FALSE(searchReport(b, "COKOLWIEK", true));
  EXPECT_EQ(line.last_text, "Nie ma COKOLWIEK");
  EXPECT_FALSE(searchReport(b, "X", false));
  EXPECT_EQ(b.view.current, 1);
  // Nothing typed finds nothing either, rather than the closing rule.
  b.view.current = 0;
  EXPECT_FALSE(searchReport(b, "", true));
  EXPECT_EQ(line.last_text, "Nie ma ");
}

TEST_F(ReportSearch, EmptySearchTextStaysOnTheStartRow) {
  build({"alfa", "beta", "gamma"});
  b.view.current = 2;
  EXPECT_FALSE(searchReport(b, "", true));
  EXPECT_EQ(b.view.current, 2);
  EXPECT_FALSE(searchReport(b, "", false));
  EXPECT_EQ(b.view.current, 2);
}

TEST(SearchIndexRows, ARowWithoutCellsStillEndsWhereTheNextBegins) {
  SearchIndex index;
  index.appendRow(nullptr, 0);
  std::string_view cells[] = {"b", "c"};
  index.appendRow(cells, 2);
  EXPECT_EQ(index.rowText(1), "");
  EXPECT_EQ(index.rowText(2), "B C");
  EXPECT_EQ(index.find("B", 0, true), 2);
  EXPECT_EQ(index.find("B", 0, false), 2);
}

TEST_F(ReportSearch, MatchNeverSpansTwoRowsAndIndexIsBuiltOnce) {
  build({"abc", "def"});
  EXPECT_FALSE(searchReport(b, "1\nDEF", true));
  const SearchIndex* first = &b.searchIndex();
  EXPECT_EQ(first->rowText(1), "ABC 1");
  EXPECT_EQ(first->rowText(2), "DEF 2");
  // The closing rule's cells are empty: the joined blanks only.
  EXPECT_EQ(first->rowText(3), " ");
  EXPECT_TRUE(b.searchIndexValid());
}

TEST(ReportView, TopForCurrentCentresAndKeepsWithinTheReport) {
  EXPECT_EQ(topForCurrent(50, 100, 20), 40);
  EXPECT_EQ(topForCurrent(99, 100, 20), 82);
  EXPECT_EQ(topForCurrent(3, 100, 20), 1);
  EXPECT_EQ(topForCurrent(5, 8, 20), 1);
}

TEST(ReportView, ScrollKeysStayWithinFirstAndLastPage) {
  // 100 rows, 20 visible: last top is 81.
  EXPECT_EQ(scrolledTop(ScrollKey::PageDown, 1, 100, 20), 21);
  EXPECT_EQ(scrolledTop(ScrollKey::PageDown, 61, 100, 20), 81);
  EXPECT_EQ(scrolledTop(ScrollKey::PageUp, 15, 100, 20), 1);
  EXPECT_EQ(scrolledTop(ScrollKey::PageUp, 41, 100, 20), 21);
  EXPECT_EQ(scrolledTop(ScrollKey::End, 1, 100, 20), 81);
  EXPECT_EQ(scrolledTop(ScrollKey::Down, 81, 100, 20), 81);
  EXPECT_EQ(scrolledTop(ScrollKey::Up, 1, 100, 20), 1);
  // A report shorter than the window: End shows row 1 at the top.
  EXPECT_EQ(scrolledTop(ScrollKey::End, 1, 8, 20), 1);
  EXPECT_EQ(wheeledTop(-3, 4, 100), 1);
  EXPECT_EQ(wheeledTop(3, 95, 100), 100);
}

class ReportRange : public ::testing::Test {
 protected:
  void SetUp() override {
    b.beginReport("X", "X", 1);
    b.addColumn('l', 5, "h");
    b.endHeaders("");
    for (int i = 0; i < 99; ++i) b.addRow({std::to_string(i + 1)});
    b.endReport();  // 100 rows with the closing rule
    b.view.rowsLatest = 30;
    b.view.rowsLandscape = 20;
  }
  ReportBuffer b;
};

TEST_F(ReportRange, StartEntriesNearTheEndStopAtTheLastRow) {
  applyRange(b, RangeEntry::Page4, 90);
  EXPECT_EQ(b.view.from, 90);
  EXPECT_EQ(b.view.to, 100);
  applyRange(b, RangeEntry::Landscape1, 10);
  EXPECT_EQ(b.view.from, 10);
  EXPECT_EQ(b.view.to, 29);
  applyRange(b, RangeEntry::Page2, 10);
  EXPECT_EQ(b.view.to, 69);
}

TEST_F(ReportRange, EndEntriesNearTheStartStopAtRowOne) {
  applyRange(b, RangeEntry::PageEnd, 12);
  EXPECT_EQ(b.view.from, 1);
  EXPECT_EQ(b.view.to, 12);
  applyRange(b, RangeEntry::LandscapeEnd, 50);
  EXPECT_EQ(b.view.from, 31);
  EXPECT_EQ(b.view.to, 50);
}

TEST_F(ReportRange, SingleEndsAreOrderedAndClearTheCurrentRow) {
  b.view.current = 7;
  applyRange(b, RangeEntry::ToHere, 40);
  EXPECT_EQ(b.view.from, 1);
  EXPECT_EQ(b.view.to, 40);
  EXPECT_EQ(b.view.current, 0);
  applyRange(b, RangeEntry::FromHere, 60);  // beyond To: the ends swap
  EXPECT_EQ(b.view.from, 40);
  EXPECT_EQ(b.view.to, 60);
  applyRange(b, RangeEntry::Whole, 5);
  EXPECT_EQ(b.view.from, 1);
  EXPECT_EQ(b.view.to, 100);
  EXPECT_EQ(kRangeCaptions.size(), 13u);
}

TEST_F(ReportRange, TwoClicksPickARangeInEitherOrder) {
  pickRangeRow(b, 30);
  EXPECT_EQ(b.view.current, 30);
  pickRangeRow(b, 12);
  EXPECT_EQ(b.view.from, 12);
  EXPECT_EQ(b.view.to, 30);
  pickRangeRow(b, 500);
  EXPECT_EQ(b.view.to, 100);
}

}  // namespace
}  // namespace zefir::output
