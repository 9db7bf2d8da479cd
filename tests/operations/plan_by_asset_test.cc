// The plans by asset worked out by hand on the small base: 401 and 402
// (10.00 and 20.00 a month from July 2025), 403 of zero value, 701 (600.00 a
// month from February 2026).
#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "operations/plan_by_asset.h"
#include "text/rounding.h"

namespace zefir::operations {
namespace {

using listing_test::add;
using listing_test::day;
using listing_test::lines;
using listing_test::money;
using V = std::vector<std::string>;

class PlanByAsset : public listing_test::SmallBase {
 protected:
  V monthly(DayNumber d, PlanContents contents = PlanContents::Whole) {
    CostCentrePlanParams p;
    p.selection.reportDay = d;
    p.contents = contents;
    EXPECT_TRUE(runCostCentrePlan(reg_, p, out_));
    return lines(out_);
  }
  V yearly(DayNumber d, YearPlanList list = YearPlanList::Plan, DayNumber from = 0) {
    YearPlanParams p;
    p.selection.reportDay = d;
    p.list = list;
    p.periodStart = from;
    EXPECT_TRUE(runYearPlan(reg_, p, out_));
    return lines(out_);
  }
  // The cells of the row whose symbol is `symbol` (column 1).
  std::vector<std::string> rowOf(const std::string& symbol) {
    for (int r = 1; r <= out_.rowCount(); ++r)
      if (!out_.isRule(r) && out_.cell(r, 1) == symbol) {
        std::vector<std::string> cells;
        for (int c = 0; c < static_cast<int>(out_.columns().size()); ++c)
          cells.push_back(text::toUtf8(out_.cell(r, c)));
        return cells;
      }
    ADD_FAILURE() << symbol << " not listed";
    return {};
  }
};

// 405: 1,000.00 at 7 % a year from January 2026 is 5.8333 a month; the
// months print 5.83 and December takes what rounding left, so the twelve
// months give the year's 70.00.
TEST_F(PlanByAsset, TwelveMonthlyPlansAddUpToTheYearlyPlansDepreciation) {
  AssetRecord a = listing_test::asset("405", "Szlifierka", day(15, 12, 2025), 1000, 7);
  add(reg_, a);
  const int lastDay[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  V months;
  long double sum = 0;
  for (int m = 1; m <= 12; ++m) {
    monthly(day(lastDay[m - 1], m, 2026));
    const std::vector<std::string> row = rowOf("405");
    ASSERT_EQ(row.size(), 11u);
    months.push_back(row[9]);
    sum += money(row[9]);
    if (m == 12) {
      EXPECT_EQ(row[8], "70,00");  // the year to date
    }
  }
  EXPECT_EQ(months, (V{"5,83", "5,83", "5,83", "5,83", "5,83", "5,83", "5,83", "5,83", "5,83",
                       "5,83", "5,83", "5,87"}));
  EXPECT_EQ(text::R(sum), 70);

  const V rows = yearly(day(31, 12, 2026));
  EXPECT_EQ(out_.code(), "PA");
  EXPECT_EQ(out_.stretch(), 4);
  EXPECT_EQ(rowOf("405")[8], "70,00");
  EXPECT_EQ(rows, (V{"1|401|491|Tokarka|15-06-2025|1.200,00|10|60,00|120,00|180,00|1.020,00",
                     "2|402|491|Frezarka|15-06-2025|2.400,00|10|120,00|240,00|360,00|2.040,00",
                     "3|405|491|Szlifierka|15-12-2025|1.000,00|7||70,00|70,00|930,00", "rule.",
                     "|||Razem grupa 4||4.600,00||180,00|430,00|610,00|3.990,00",
                     "4|701|741|Samochód|10-01-2026|36.000,00|20||6.600,00|6.600,00|29.400,00",
                     "rule.", "|||Razem grupa 7||36.000,00|||6.600,00|6.600,00|29.400,00",
                     "rule=", "|||OGÓŁEM ( 4 )||40.600,00||180,00|7.030,00|7.210,00|33.390,00"}));
}

// 402 keeps 1,600.00 on 501-01 and moves 800.00 to 503-01 in February: its
// 20.00 of March is posted 13.33 and 6.67, the last part taking the grosz
// that rounding left. 401 is all on 501-01, 701 on no account.
TEST_F(PlanByAsset, MonthlyPlanPostsEachAssetsDepreciationToItsCostCentresByShare) {
  entries("401", {"KK:150625,501-01"});
  entries("402", {"KK:150625,501-01", "KK:010226,503-01,800"});
  const V rows = monthly(day(31, 3, 2026));
  EXPECT_EQ(out_.stretch(), 2);
  EXPECT_EQ(out_.params(), text::fromUtf8("na dzień 31-03-2026"));
  ASSERT_EQ(rows.size(), 13u);
  EXPECT_EQ(rows[0], "1|401|Tokarka|491|10|1.140,00|30,00|10,00|30,00|10,00|501-01");
  EXPECT_EQ(rows[1],
            "2|402|Frezarka|491|10|2.280,00|60,00|20,00|60,00|20,00|501-01(1600zł), 503-01(800zł)");
  EXPECT_EQ(rows[2], "3|701|Samochód|741|20||1.200,00|600,00|1.200,00|600,00");
  const V tail(rows.begin() + 3, rows.end());
  EXPECT_EQ(tail, (V{"rule-", "||RAZEM 3|||3.420,00|1.290,00|630,00|1.290,00|630,00",
                     "rule=", "||PK według miejsc powst.kosztów", "rule.",
                     "||||||70,00|23,33|70,00|23,33|501-01", "||||||20,00|6,67|20,00|6,67|503-01",
                     "||||||1.200,00|600,00|1.200,00|600,00|bez KK", "rule-",
                     "||Razem PK||||1.290,00|630,00|1.290,00|630,00"}));

  // The posting note alone, and the assets alone.
  V posting = monthly(day(31, 3, 2026), PlanContents::PostingOnly);
  EXPECT_EQ(posting.front(), "||PK według miejsc powst.kosztów");
  EXPECT_EQ(posting.back(), tail.back());
  V assets = monthly(day(31, 3, 2026), PlanContents::AssetsOnly);
  EXPECT_EQ(assets.back(), tail[1]);
  EXPECT_EQ(assets.size(), 5u);
}

TEST_F(PlanByAsset, SharesAddUpToTheAmountWhateverTheWeights) {
  const std::vector<CostShare> thirds = {{"A", 1}, {"B", 1}, {"C", 1}};
  EXPECT_EQ(splitByWeight(100, thirds), (std::vector<long double>{33.33L, 33.33L, 100 - 66.66L}));
  // A liquidated asset whose holdings hold nothing goes to its first centre.
  AttributeSplit split;
  split.holdings = {{"KK", "501-01", 1, 0}, {"MU", "HALA", 1, 0}, {"KK", "502-01", 2, 0}};
  ASSERT_EQ(costCentres(split).size(), 1u);
  EXPECT_EQ(costCentres(split)[0].key, "501-01");
  // KR stands in when there is no KK holding; neither gives "bez KK".
  split.holdings = {{"KR", "400-01", 1, 500}, {"MU", "HALA", 1, 500}};
  EXPECT_EQ(costCentres(split)[0].key, "400-01");
  split.holdings.clear();
  EXPECT_EQ(costCentres(split)[0].key, "bez KK");
}

// 404: 600.00 at 10 % from July 2025 (30.00 by 1 January), liquidated on
// 15 June 2026 after charging January to June, 30.00; the liquidation writes
// off all 60.00.
TEST_F(PlanByAsset, AssetLiquidatedMidYearStandsApartWithWhatTheLiquidationWroteOff) {
  AssetRecord gone = listing_test::asset("404", "Prasa", day(15, 6, 2025), 600, 10);
  gone.Z[0] = "LT:150626,LT 1/26";
  add(reg_, gone);
  V rows = yearly(day(31, 12, 2026));
  const V plan = {"1|401|491|Tokarka|15-06-2025|1.200,00|10|60,00|120,00|180,00|1.020,00",
                  "2|402|491|Frezarka|15-06-2025|2.400,00|10|120,00|240,00|360,00|2.040,00",
                  "rule.",
                  "|||Razem grupa 4||3.600,00||180,00|360,00|540,00|3.060,00",
                  "3|701|741|Samochód|10-01-2026|36.000,00|20||6.600,00|6.600,00|29.400,00",
                  "rule.",
                  "|||Razem grupa 7||36.000,00|||6.600,00|6.600,00|29.400,00",
                  "rule.",
                  "|||Zlikwidowane 1||||30,00|30,00",
                  "|||Wyksięgowane umorzenie ( LT )||||||60,00",
                  "rule=",
                  "|||OGÓŁEM ( 4 )||39.600,00||210,00|6.990,00|7.140,00|32.460,00"};
  EXPECT_EQ(rows, plan);

  // The full list keeps it in its group, and the analytic one shows the
  // liquidation dated in the period under it.
  rows = yearly(day(31, 12, 2026), YearPlanList::FullList);
  EXPECT_EQ(rows[2], "3|404|491|Prasa|15-06-2025||10|30,00|30,00");
  EXPECT_EQ(rows[4], "|||Razem grupa 4||3.600,00||210,00|390,00|540,00|3.060,00");
  EXPECT_EQ(rows[5], "|||Wyksięgowane umorzenie ( LT )||||||60,00");
  // From 1 June: 404 opens with 55.00 of May's end, charges June's 5.00
  // and the liquidation writes off the 60.00; 401 and 402 open with 110.00
  // and 220.00 and charge seven months, 70.00 and 140.00.
  rows = yearly(day(31, 12, 2026), YearPlanList::Analytic, day(1, 6, 2026));
  EXPECT_EQ(out_.params(), text::fromUtf8("od 01-06-2026 do 31-12-2026"));
  EXPECT_EQ(out_.columns()[7].header1, "Umorz.na 01-06");
  EXPECT_EQ(rows[2], "3|404|491|Prasa|15-06-2025||10|55,00|5,00");
  EXPECT_EQ(rows[3], "||LT|LT 1/26|15-06-2026");
  EXPECT_EQ(rows[5], "|||Razem grupa 4||3.600,00||385,00|215,00|540,00|3.060,00");
  rows = yearly(day(31, 12, 2026), YearPlanList::Analytic, day(16, 6, 2026));
  EXPECT_EQ(rows[3], "rule.");
}

// A PK correction of 50.00 in March adds to 401's accumulated depreciation
// beside its regular 120.00: the group shows it, and 60.00 + 120.00 + 50.00
// give the 230.00 on the day.
TEST_F(PlanByAsset, AGroupShowsTheCorrectionsItsAssetsAdded) {
  entries("401", {"PK:150326,PK 1/26,50"});
  const V rows = yearly(day(31, 12, 2026));
  EXPECT_EQ(rows[0], "1|401|491|Tokarka|15-06-2025|1.200,00|10|60,00|120,00|230,00|970,00");
  EXPECT_EQ(rows[3], "|||Razem grupa 4||3.600,00||180,00|360,00|590,00|3.010,00");
  EXPECT_EQ(rows[4], "|||Doksięgowana amortyzacja (PK,PA)|||||50,00");
  EXPECT_EQ(rows[5].substr(0, 4), "3|70");  // no transfer or liquidation lines
}

// The posting note lists at most 999 cost centres; the parts of further ones
// still count in its total.
TEST_F(PlanByAsset, PostingNotePastItsLimitStillTotalsEveryCentre) {
  AssetRegister reg;
  for (int i = 0; i < 1000; ++i) {
    const std::string symbol = "8" + std::to_string(1000 + i);
    AssetRecord a = listing_test::asset(symbol.c_str(), "Krzesło", day(15, 6, 2025), 120, 10);
    a.Z[0] = "KK:150625,K" + std::to_string(1000 + i);
    add(reg, a);
  }
  CostCentrePlanParams p;
  p.selection.reportDay = day(31, 3, 2026);
  p.contents = PlanContents::PostingOnly;
  ASSERT_TRUE(runCostCentrePlan(reg, p, out_));
  const V rows = lines(out_);
  ASSERT_EQ(rows.size(), 2 + 999 + 2u);
  EXPECT_EQ(rows[2], "||||||3,00|1,00|3,00|1,00|K1000");
  EXPECT_EQ(rows.back(), "||Razem PK||||3.000,00|1.000,00|3.000,00|1.000,00");
}

TEST_F(PlanByAsset, AStopEndsBothPlansWithoutTotals) {
  ListingControl stop;
  stop.stopRequested = [] { return true; };
  EXPECT_FALSE(runYearPlan(reg_, YearPlanParams{}, out_, stop));
  EXPECT_EQ(out_.rowCount(), 0);
  EXPECT_FALSE(runCostCentrePlan(reg_, CostCentrePlanParams{}, out_, stop));
  EXPECT_EQ(out_.rowCount(), 0);
}

}  // namespace
}  // namespace zefir::operations
