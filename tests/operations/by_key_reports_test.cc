// The reports by key on the small base as of 31 March 2026: each holding of
// the attribute split on the report day under its key.
#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "operations/by_key_reports.h"

namespace zefir::operations {
namespace {

using listing_test::lines;
using V = std::vector<std::string>;

class ByKey : public listing_test::SmallBase {
 protected:
  V report(ReportKey key, std::vector<std::string> keyMasks = {}, int depth = 0) {
    ByKeyParams p;
    p.selection.reportDay = listing_test::day(31, 3, 2026);
    p.key = key;
    p.keyMasks = std::move(keyMasks);
    p.depth = depth;
    EXPECT_TRUE(runByKeyReport(reg_, p, out_));
    return lines(out_);
  }
};

// 401 moved 300.00 of its value to BIURO in February; 402 is all in BIURO;
// 701 has no place recorded.
TEST_F(ByKey, PlacesListEachAssetsPartOnTheDayKeyByKey) {
  entries("401", {"MU:150625,MAGAZYN", "MU:010226,BIURO,300"});
  entries("402", {"MU:150625,BIURO"});
  EXPECT_EQ(report(ReportKey::Place),
            (V{"BIURO|1|401|Tokarka|15-06-2025|300,00", "|2|402|Frezarka|15-06-2025|2.400,00",
               "rule.", "|||Razem BIURO||2.700,00", "MAGAZYN|1|401|Tokarka|15-06-2025|900,00",
               "rule.", "|||Razem MAGAZYN||900,00", "bez MU|1|701|Samochód|10-01-2026|36.000,00",
               "rule.", "|||Razem bez MU||36.000,00", "rule-", "RAZEM|||||39.600,00"}));
  EXPECT_EQ(out_.code(), "WMU");
  // Before the move 401 is whole in MAGAZYN.
  ByKeyParams p;
  p.selection.reportDay = listing_test::day(31, 1, 2026);
  p.key = ReportKey::Place;
  p.keyMasks = {"MAG*"};
  ASSERT_TRUE(runByKeyReport(reg_, p, out_));
  EXPECT_EQ(lines(out_)[0], "MAGAZYN|1|401|Tokarka|15-06-2025|1.200,00");
}

TEST_F(ByKey, ClassificationSubtotalsByTheKeysFirstCharacters) {
  EXPECT_EQ(report(ReportKey::Classification, {}, 1),
            (V{"491|1|401|Tokarka|15-06-2025|1.200,00", "|2|402|Frezarka|15-06-2025|2.400,00",
               "rule.", "|||Razem 4||3.600,00", "741|1|701|Samochód|10-01-2026|36.000,00", "rule.",
               "|||Razem 7||36.000,00", "rule-", "RAZEM|||||39.600,00"}));
  EXPECT_EQ(report(ReportKey::Classification, {"7*"}).size(), 5u);
}

TEST_F(ByKey, PersonsAndCostAccountsComeFromTheirOwnEntries) {
  entries("401", {"OO:150625,NOWAK", "KK:150625,501-01"});
  V rows = report(ReportKey::Person, {"NOWAK"});
  EXPECT_EQ(out_.code(), "WOO");
  EXPECT_EQ(rows[0], "NOWAK|1|401|Tokarka|15-06-2025|1.200,00");
  rows = report(ReportKey::CostCentre);
  EXPECT_EQ(out_.code(), "WKK");
  EXPECT_EQ(rows[0], "501-01|1|401|Tokarka|15-06-2025|1.200,00");
}

}  // namespace
}  // namespace zefir::operations
