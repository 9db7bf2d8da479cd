// The rate check on the small base as of 31 March 2026.
#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "operations/rate_check_report.h"

namespace zefir::operations {
namespace {

using listing_test::add;
using listing_test::day;
using listing_test::lines;
using V = std::vector<std::string>;

class RateCheck : public listing_test::SmallBase {
 protected:
  V report() {
    FixedTableSelection s;
    s.reportDay = day(31, 3, 2026);
    EXPECT_TRUE(runRateCheck(reg_, s, out_));
    return lines(out_);
  }
};

TEST_F(RateCheck, ShowsBothBasesRatesAndRemarksOnTheOnesThatDiffer) {
  add(reg_, listing_test::asset("405", "Prasa", day(15, 6, 2025), 600, 10, 20));
  AssetRecord noRate = listing_test::asset("406", "Piła", day(15, 6, 2025), 300, 0);
  add(reg_, noRate);
  const V rows = report();
  EXPECT_EQ(out_.code(), "ZKS");
  EXPECT_EQ(rows[0], "1|401|Tokarka|15-06-2025|1.200,00|90,00|10|10");
  EXPECT_EQ(rows[2], "3|405|Prasa|15-06-2025|600,00|45,00|10|20|stawki różne");
  EXPECT_EQ(rows[3], "4|406|Piła|15-06-2025|300,00||||brak stawki");
  EXPECT_EQ(rows.back(), "||RAZEM 5||40.500,00|1.515,00");
}

}  // namespace
}  // namespace zefir::operations
