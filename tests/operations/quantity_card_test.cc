// The quantity card worked out by hand on the small base as of 31 March
// 2026, with an asset liquidated whole in February.
#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "operations/quantity_card.h"

namespace zefir::operations {
namespace {

using listing_test::add;
using listing_test::day;
using listing_test::lines;
using V = std::vector<std::string>;

class QuantityCard : public listing_test::SmallBase {
 protected:
  V card(int keyLength) {
    QuantityCardParams p;
    p.selection.reportDay = day(31, 3, 2026);
    p.keyLength = keyLength;
    EXPECT_TRUE(runQuantityCard(reg_, p, out_));
    return lines(out_);
  }
};

TEST_F(QuantityCard, GroupsCountAndSumWithLiquidatedAssetsApart) {
  AssetRecord gone = listing_test::asset("404", "Prasa", day(15, 6, 2025), 600, 10);
  gone.Z[0] = "LT:150226,LT 1/26";
  add(reg_, gone);
  // 403 has no value at all and is not counted; 404 had one at 1 January.
  EXPECT_EQ(card(2), (V{"40 np.: Tokarka|2|3.600,00|270,00", "70 Samochód|1|36.000,00|1.200,00",
                        "rule.", "Zlikwidowane|1", "rule-", "RAZEM|3|39.600,00|1.470,00"}));
  EXPECT_EQ(out_.code(), "KIS");
  EXPECT_EQ(out_.params(), text::fromUtf8("na dzień 31-03-2026"));
}

TEST_F(QuantityCard, AGroupOfOneNameKeepsItAndWithoutLiquidationsNoLineForThem) {
  EXPECT_EQ(card(3),
            (V{"401 Tokarka|1|1.200,00|90,00", "402 Frezarka|1|2.400,00|180,00",
               "701 Samochód|1|36.000,00|1.200,00", "rule-", "RAZEM|3|39.600,00|1.470,00"}));
}

}  // namespace
}  // namespace zefir::operations
