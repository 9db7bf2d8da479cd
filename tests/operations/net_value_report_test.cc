// The net-value recalculation on the small base as of 31 March 2026, with
// an asset liquidated whole in February.
#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "operations/net_value_report.h"

namespace zefir::operations {
namespace {

using listing_test::day;
using listing_test::lines;
using V = std::vector<std::string>;

class NetValue : public listing_test::SmallBase {
 protected:
  void SetUp() override {
    SmallBase::SetUp();
    AssetRecord gone = listing_test::asset("404", "Prasa", day(15, 6, 2025), 600, 10);
    gone.Z[0] = "LT:150226,LT 1/26";
    listing_test::add(reg_, gone);
  }
  V report(bool byGroup, int keyLength = 1) {
    NetValueParams p;
    p.selection.reportDay = day(31, 3, 2026);
    p.byGroup = byGroup;
    p.keyLength = keyLength;
    EXPECT_TRUE(runNetValueReport(reg_, p, out_));
    return lines(out_);
  }
};

// 401: 60.00 at 1 January, 30.00 this year; 402: 120.00 and 60.00; 701:
// 1,200.00 this year; 404 wrote off its 30.00 + 5.00 at liquidation.
TEST_F(NetValue, ByAssetAccumulatedSplitsIntoOpeningAndTheYearsAndLiquidatedApart) {
  const V rows = report(false);
  EXPECT_EQ(out_.code(), "PWN");
  EXPECT_EQ(rows[0], "1|401|Tokarka|1.200,00|10,00|60,00|30,00|90,00|1.110,00");
  EXPECT_EQ(rows[1], "2|402|Frezarka|2.400,00|20,00|120,00|60,00|180,00|2.220,00");
  EXPECT_EQ(rows[2], "3|701|Samochód|36.000,00|600,00||1.200,00|1.200,00|34.800,00");
  EXPECT_EQ(rows[3], "rule.");
  EXPECT_EQ(rows[4].substr(0, 16), "||Zlikwidowane 1");
  EXPECT_EQ(rows[5], "rule-");
  EXPECT_EQ(rows[6].substr(0, 19), "||RAZEM 4|39.600,00");
}

TEST_F(NetValue, ByGroupNamesEachGroupByItsFirstDigitWithItsCount) {
  const V rows = report(true);
  EXPECT_EQ(rows[0],
            "4|Maszyny, urządzenia i aparaty ogólnego zastosowania ( 2 )|3.600,00|30,00|"
            "180,00|90,00|270,00|3.330,00");
  EXPECT_EQ(rows[1], "rule.");
  EXPECT_EQ(rows[2].substr(0, 27), "7|Środki transportu ( 1 )|");
  EXPECT_EQ(groupName("X1"), text::fromUtf8("Pozostałe środki trwałe"));
  EXPECT_EQ(groupName("9"), text::fromUtf8("Wartości niematerialne i prawne"));
}

}  // namespace
}  // namespace zefir::operations
