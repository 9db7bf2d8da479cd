// The statistical sections: which rows and columns an asset lands in, the
// unit rounding that keeps the rows adding up to the total, and hand-worked
// sections of small bases for the year 2026 (report day 31 December).
#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "operations/statistical_sections.h"

namespace zefir::operations {
namespace {

using listing_test::add;
using listing_test::day;
using listing_test::lines;
using V = std::vector<std::string>;

// A linear asset of classification `kst`, accepted on `accepted`.
AssetRecord classified(const char* symb, const char* kst, DayNumber accepted, long double value,
                       long double rate = 10) {
  AssetRecord a = listing_test::asset(symb, "Środek", accepted, value, rate);
  a.K[0].SKST = kst;
  return a;
}

class Sections : public ::testing::Test {
 protected:
  V run(StatFrame frame, StatUnit unit) {
    StatisticalParams p;
    p.selection.reportDay = day(31, 12, 2026);
    p.frame = frame;
    p.unit = unit;
    EXPECT_TRUE(runStatisticalSection(reg_, p, out_));
    V all = lines(out_);
    V data;  // the rows without their thin rules
    for (const std::string& l : all)
      if (l != "rule.") data.push_back(l);
    return data;
  }
  AssetRegister reg_;
  output::ReportBuffer out_;
  const DayNumber june2025_ = day(15, 6, 2025);
};

TEST(StatisticalUnits, RoundsToTheUnitAndGivesTheDifferenceToTheLargestPart) {
  EXPECT_EQ(inUnit(1499.99L, StatUnit::Thousands), 1);
  EXPECT_EQ(inUnit(1500, StatUnit::Thousands), 2);  // halves to the even thousand
  EXPECT_EQ(inUnit(2500, StatUnit::Thousands), 2);
  EXPECT_EQ(inUnit(-700, StatUnit::Thousands), -1);
  EXPECT_EQ(inUnit(12.5L, StatUnit::Zloty), 12);
  EXPECT_EQ(inUnit(12.51L, StatUnit::Zloty), 13);
  EXPECT_EQ(unitText(1234567, StatUnit::Zloty), "1.234.567");
  EXPECT_EQ(unitText(0, StatUnit::Thousands), "0");
  EXPECT_EQ(unitText(0, StatUnit::Grosze), "0,00");
  EXPECT_EQ(unitText(-1234.5L, StatUnit::Grosze), "-1.234,50");
  EXPECT_EQ(statUnitOf("t"), StatUnit::Thousands);
  EXPECT_EQ(statUnitOf("G"), StatUnit::Grosze);

  // Three equal parts of 400: the total is 1 thousand and the last takes it.
  const long double equal[] = {400, 400, 400};
  UnitRounding r = roundInUnit(1200, equal, StatUnit::Thousands);
  EXPECT_EQ(r.total, 1);
  EXPECT_EQ(r.parts, (std::vector<long double>{0, 0, 1}));
  // A difference downwards goes to the largest part, wherever it stands.
  const long double rounding_up[] = {600, 1700, 600};
  r = roundInUnit(2900, rounding_up, StatUnit::Thousands);
  EXPECT_EQ(r.total, 3);
  EXPECT_EQ(r.parts, (std::vector<long double>{1, 1, 1}));
  EXPECT_EQ(r.largest, 1);
  // Every unit adds up: whole złoty too.
  const long double halves[] = {0.5L, 0.5L, 0.5L};
  r = roundInUnit(1.5L, halves, StatUnit::Zloty);
  EXPECT_EQ(r.parts[0] + r.parts[1] + r.parts[2], r.total);
}

// Three group rows of 400 złoty that each round down to 0 thousand.
TEST_F(Sections, GrossValuesInThousandsAddUpWithTheDifferenceOnTheLastEqualRow) {
  add(reg_, classified("001", "010", june2025_, 400, 0));
  add(reg_, classified("101", "101", june2025_, 400));
  add(reg_, classified("401", "410", june2025_, 400));
  const V rows = run(StatFrame::GrossValues, StatUnit::Thousands);
  EXPECT_EQ(out_.code(), "DZI1");
  EXPECT_EQ(out_.params(), text::fromUtf8("na dzień 31-12-2026, w tys. zł"));
  EXPECT_EQ(rows,
            (V{"Ogółem (02+04+06+08+10+11+12)|01|1|0|0|0|0|1", "Grunty (grupa 0)|02|0|0|0|0|0|0",
               "-   w tym zasadzenia wieloletnie|03|0|0|0|0|0|0",
               "Budynki i lokale (grupa 1)|04|0|0|0|0|0|0",
               "-   w tym budynki i lokale mieszkalne (110 i 122)|05|0|0|0|0|0|0",
               "Obiekty inżynierii lądowej i wodnej (grupa 2)|06|0|0|0|0|0|0",
               "-   w tym urządzenia melioracji wodnych szcz.(226)|07|0|0|0|0|0|0",
               "Maszyny i urządzenia techniczne (grupy 3-6)|08|1|0|0|0|0|1",
               "-   w tym zespoły komputerowe (491)|09|0|0|0|0|0|0",
               "Środki transportu (grupa 7)|10|0|0|0|0|0|0",
               "Narzędzia, przyrządy, ruch.i wyposażenie (grupa 8)|11|0|0|0|0|0|0",
               "Inwentarz żywy (grupa 9)|12|0|0|0|0|0|0"}));
  EXPECT_EQ(lines(out_).size(), 12u + 11u);  // a thin rule between rows, none after the last
}

// 20,000 of computers (491) liquidated by 5,000 in February, a 3,000 car
// accepted in 2026, 8,000 of the car park transferred away, a 1,000 horse
// (group 9) and a plantation of land marked [ZW]; an asset without a digit
// group counts nowhere.
TEST_F(Sections, GrossValuesBalanceOpeningChangesAndClosingOnEveryRow) {
  AssetRecord computers = classified("491", "491", june2025_, 20000);
  computers.Z[0] = text::fromUtf8("LT:150226,LT 1/26,5000,00zł");
  add(reg_, computers);
  add(reg_, classified("701", "741", day(10, 1, 2026), 3000, 20));
  AssetRecord park = classified("702", "742", june2025_, 10000, 20);
  park.Z[0] = text::fromUtf8("PT:150326,PT 1/26,8000,00zł");
  add(reg_, park);
  add(reg_, classified("901", "900", june2025_, 1000, 0));
  AssetRecord plantation = classified("002", "010", june2025_, 250.55L, 0);
  plantation.Na2w = "sad [ZW]";
  add(reg_, plantation);
  add(reg_, classified("X01", "X", june2025_, 999));
  const V rows = run(StatFrame::GrossValues, StatUnit::Grosze);
  EXPECT_EQ(rows[0],
            "Ogółem (02+04+06+08+10+11+12)|01|31.250,55|3.000,00|5.000,00|0,00|8.000,00|"
            "21.250,55");
  EXPECT_EQ(rows[1], "Grunty (grupa 0)|02|250,55|0,00|0,00|0,00|0,00|250,55");
  EXPECT_EQ(rows[2], "-   w tym zasadzenia wieloletnie|03|250,55|0,00|0,00|0,00|0,00|250,55");
  EXPECT_EQ(rows[7],
            "Maszyny i urządzenia techniczne (grupy 3-6)|08|20.000,00|0,00|5.000,00|0,00|"
            "0,00|15.000,00");
  EXPECT_EQ(rows[8],
            "-   w tym zespoły komputerowe (491)|09|20.000,00|0,00|5.000,00|0,00|0,00|"
            "15.000,00");
  EXPECT_EQ(rows[9],
            "Środki transportu (grupa 7)|10|10.000,00|3.000,00|0,00|0,00|8.000,00|5.000,00");
  EXPECT_EQ(rows[11], "Inwentarz żywy (grupa 9)|12|1.000,00|0,00|0,00|0,00|0,00|1.000,00");
}

// An "of which" row as large as its group row keeps equal to it in thousands.
TEST_F(Sections, OfWhichRowEqualToItsGroupRowTakesItsRoundingDifference) {
  add(reg_, classified("491", "491", june2025_, 400));
  add(reg_, classified("492", "491", june2025_, 400));
  add(reg_, classified("101", "110", june2025_, 1300));
  const V rows = run(StatFrame::GrossValues, StatUnit::Thousands);
  // 2,100 -> 2; rows 04 (1,300 -> 1) and 08 (800 -> 1) add up already.
  EXPECT_EQ(rows[0], "Ogółem (02+04+06+08+10+11+12)|01|2|0|0|0|0|2");
  EXPECT_EQ(rows[3], "Budynki i lokale (grupa 1)|04|1|0|0|0|0|1");
  EXPECT_EQ(rows[4], "-   w tym budynki i lokale mieszkalne (110 i 122)|05|1|0|0|0|0|1");
  EXPECT_EQ(rows[7], "Maszyny i urządzenia techniczne (grupy 3-6)|08|1|0|0|0|0|1");
  EXPECT_EQ(rows[8], "-   w tym zespoły komputerowe (491)|09|1|0|0|0|0|1");

  add(reg_, classified("493", "491", june2025_, 600));  // 2,700 -> 3; 1 + 1 = 2
  const V more = run(StatFrame::GrossValues, StatUnit::Thousands);
  EXPECT_EQ(more[0], "Ogółem (02+04+06+08+10+11+12)|01|3|0|0|0|0|3");
  EXPECT_EQ(more[3], "Budynki i lokale (grupa 1)|04|1|0|0|0|0|1");
  EXPECT_EQ(more[4], "-   w tym budynki i lokale mieszkalne (110 i 122)|05|1|0|0|0|0|1");
  EXPECT_EQ(more[7], "Maszyny i urządzenia techniczne (grupy 3-6)|08|2|0|0|0|0|2");
  EXPECT_EQ(more[8], "-   w tym zespoły komputerowe (491)|09|2|0|0|0|0|2");
}

// A 12,000 melioration device (KŚT 226, 100.00 a month from July 2025) and a
// horse: 1,800 written off by the end of 2026, 1,200 of them in 2026.
TEST_F(Sections, WriteOffsCountKst226InColumnsFourAndFiveOnceInTheTotal) {
  add(reg_, classified("226", "226", june2025_, 12000));
  add(reg_, classified("901", "900", june2025_, 1000));
  const V rows = run(StatFrame::WriteOffs, StatUnit::Zloty);
  EXPECT_EQ(out_.code(), "ODPI");
  EXPECT_EQ(rows, (V{"Dotychczasowe odpisy am.(umorzeniowe)|1.800|0|0|1.800|1.800|0|0|0",
                     "-   w tym całkowicie zamortyzowanych|0|0|0|0|0|0|0|0",
                     "-   w tym w roku sprawozdawczum|1.200|0|0|1.200|1.200|0|0|0"}));
}

// 4,800 at 10 % in groups 1 and 2 (KŚT 226): 720 written off each, 480 of
// them in 2026; and a 1,200 tool fully written off at 100 %.
TEST_F(Sections, WriteOffsInThousandsMoveColumnFiveWithColumnFour) {
  add(reg_, classified("101", "101", june2025_, 4800));
  add(reg_, classified("226", "226", june2025_, 4800));
  add(reg_, classified("801", "801", june2025_, 1200, 100));
  const V rows = run(StatFrame::WriteOffs, StatUnit::Thousands);
  // 2,640 -> 3: 1 + 1 + 1, nothing to move.
  EXPECT_EQ(rows[0], "Dotychczasowe odpisy am.(umorzeniowe)|3|0|1|1|1|0|0|1");
  // Only the tool is fully written off: 1,200 -> 1.
  EXPECT_EQ(rows[1], "-   w tym całkowicie zamortyzowanych|1|0|0|0|0|0|0|1");
  // 480 + 480 + 600 = 1,560 -> 2: each rounds to 0 but the tool (600 -> 1);
  // the missing thousand goes to the largest, the tool.
  EXPECT_EQ(rows[2], "-   w tym w roku sprawozdawczum|2|0|0|0|0|0|0|2");

  reg_ = AssetRegister();
  add(reg_, classified("101", "101", june2025_, 4800));
  add(reg_, classified("226", "226", june2025_, 4800));
  const V two = run(StatFrame::WriteOffs, StatUnit::Thousands);
  // 1,440 -> 1 while 720 -> 1 twice: column 4 (the later) gives one back and
  // column 5, equal to it, with it.
  EXPECT_EQ(two[0], "Dotychczasowe odpisy am.(umorzeniowe)|1|0|1|0|0|0|0|0");
  // 960 -> 1 while 480 -> 0 twice: column 4 takes it, column 5 too.
  EXPECT_EQ(two[2], "-   w tym w roku sprawozdawczum|1|0|0|1|1|0|0|0");
}

TEST_F(Sections, SupplementaryDataFillRowsThirteenEighteenAndNineteen) {
  add(reg_, classified("220", "220", june2025_, 5000));
  add(reg_, classified("223", "223", day(1, 3, 2026), 2000));
  add(reg_, classified("101", "101", day(1, 4, 2026), 7000));
  add(reg_, classified("102", "101", june2025_, 9000));  // not new in 2026
  const V rows = run(StatFrame::Supplementary, StatUnit::Zloty);
  EXPECT_EQ(out_.code(), "DAUZ");
  ASSERT_EQ(rows.size(), 18u);
  EXPECT_EQ(rows[0],
            "Wartość dróg, mostów, wiaduktów, estakad, tuneli, przejść ... (220 i 223)|13|7.000");
  EXPECT_EQ(rows[1], "Wartość urządzeń melioracji wodnych podstawowych (225)|14|0");
  EXPECT_EQ(rows[5], "Wartość nowych budynków i lokali (1)|18|7.000");
  EXPECT_EQ(rows[6], "Wartość nowych obiektów inżynierii lądowej i wodnej (2)|19|2.000");
  EXPECT_EQ(rows[17], "-   w tym wartość firmy ................|30|0");
}

TEST_F(Sections, SelectionMasksNameFilterAndAStopLeaveTheTableOut) {
  add(reg_, classified("101", "101", june2025_, 1000));
  add(reg_, classified("401", "410", june2025_, 2000));
  add(reg_, classified("402", "410", day(2, 1, 2027), 5000));  // accepted after the day
  StatisticalParams p;
  p.selection.reportDay = day(31, 12, 2026);
  p.selection.masks = {"4*"};
  p.frame = StatFrame::GrossValues;
  p.unit = StatUnit::Zloty;
  ASSERT_TRUE(runStatisticalSection(reg_, p, out_));
  EXPECT_EQ(lines(out_)[0], "Ogółem (02+04+06+08+10+11+12)|01|2.000|0|0|0|0|2.000");
  EXPECT_EQ(out_.params(), text::fromUtf8("na dzień 31-12-2026, środki: 4*, w zł"));

  p.selection.masks.clear();
  p.selection.nameFilter = "-" + text::fromUtf8("Środek");
  ASSERT_TRUE(runStatisticalSection(reg_, p, out_));
  EXPECT_EQ(lines(out_)[0], "Ogółem (02+04+06+08+10+11+12)|01|0|0|0|0|0|0");

  ListingControl stop;
  stop.stopRequested = [] { return true; };
  EXPECT_FALSE(runStatisticalSection(reg_, p, out_, stop));
  EXPECT_EQ(out_.rowCount(), 0);
}

}  // namespace
}  // namespace zefir::operations
