// The twelve-month plan by group, worked out by hand on the small base:
// 401 and 402 (10.00 and 20.00 a month from July 2025), 403 of zero value,
// 701 (600.00 a month from February 2026).
#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "operations/plan_by_group.h"

namespace zefir::operations {
namespace {

using listing_test::add;
using listing_test::day;
using listing_test::lines;
using listing_test::money;
using V = std::vector<std::string>;

class PlanByGroup : public listing_test::SmallBase {
 protected:
  V plan(int start, int length, int year = 2026) {
    PlanByGroupParams p;
    p.year = year;
    p.keyStart = start;
    p.keyLength = length;
    EXPECT_TRUE(runPlanByGroup(reg_, p, out_));
    return lines(out_);
  }
};

TEST_F(PlanByGroup, MonthsAddUpToTheYearAndOpeningLessTheYearGivesTheClosingValue) {
  const V rows = plan(1, 2);
  EXPECT_EQ(out_.code(), "PA");
  EXPECT_EQ(out_.params(), text::fromUtf8("na dzień 31-12-2026"));
  ASSERT_EQ(out_.columns().size(), 16u);
  EXPECT_EQ(text::toUtf8(out_.columns()[11].header1), ".Paź.");
  EXPECT_EQ(out_.columns()[11].header2, "= 10 =");
  const std::string thirty =
      "|30,00|30,00|30,00|30,00|30,00|30,00|30,00|30,00|30,00|30,00|30,00|30,00";
  const std::string sixHundred =
      "|600,00|600,00|600,00|600,00|600,00|600,00|600,00|600,00|600,00|600,00|600,00";
  EXPECT_EQ(rows, (V{"40|3.420,00" + thirty + "|360,00|3.060,00",
                     "70||" + sixHundred + "|6.600,00|29.400,00", "rule-",
                     "RAZEM|3.420,00|30,00|630,00|630,00|630,00|630,00|630,00|630,00|630,00|"
                     "630,00|630,00|630,00|630,00|6.960,00|32.460,00"}));
}

TEST_F(PlanByGroup, KeysFollowTheStartAndLengthInOrderOfFirstAppearance) {
  add(reg_, listing_test::asset("0402", "Wiertarka", day(15, 6, 2025), 1200, 10));
  // From the second character, two long: 0402 opens "40", 401 "01", 402
  // "02", and 701 joins "01" after it.
  V rows = plan(2, 2);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].substr(0, 17), "40|1.140,00|10,00");
  EXPECT_EQ(rows[1].substr(0, 24), "01|1.140,00|10,00|610,00");
  EXPECT_EQ(rows[2].substr(0, 17), "02|2.280,00|20,00");
  // Past the symbol's end every asset falls into "nic".
  rows = plan(5, 2);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].substr(0, 13), "nic|4.560,00|");
  EXPECT_EQ(money(rows[0].substr(rows[0].rfind('|') + 1)), 4560 + 36000 - 7080);
}

TEST_F(PlanByGroup, AGroupWithNothingLeftIsNotPrintedAndAStopPrintsNoLines) {
  // Fully written off before 2026 and liquidated whole in 2024: not taken.
  AssetRecord gone = listing_test::asset("501", "Stara", day(15, 1, 2020), 100, 50);
  gone.Z[0] = "LT:150624,LT 1/24";
  add(reg_, gone);
  V rows = plan(1, 2);
  for (const std::string& r : rows) EXPECT_NE(r.substr(0, 3), "50|") << r;

  ListingControl stop;
  stop.stopRequested = [] { return true; };
  PlanByGroupParams p;
  p.year = 2026;
  EXPECT_FALSE(runPlanByGroup(reg_, p, out_, stop));
  EXPECT_EQ(out_.rowCount(), 0);
}

}  // namespace
}  // namespace zefir::operations
