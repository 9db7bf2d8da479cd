// The attribute split as of a day, the quantity in the name, and the texts
// that describe the holdings.
#include "register/change_documents_split.h"

#include <gtest/gtest.h>

#include "engine_test_support.h"
#include "text/codepage.h"

namespace zefir {
namespace {

using testing::day;
using testing::makeAsset;

AttributeSplit split(const AssetRecord& a, DayNumber asOf, std::string_view filter = {}) {
  return splitAttributes(a, parseChangeEntries(a), asOf, filter);
}

std::string holdingsText(const AttributeSplit& s) {
  std::string out;
  for (const Holding& h : s.holdings)
    out +=
        h.kind + ":" + h.key + "=" + std::to_string(static_cast<long long>(h.amount * 100)) + ";";
  return out;
}

TEST(QuantityFromName, UnitsNumbersAndTheirAbsence) {
  QuantityFromName q = quantityFromName("Krzes\xB3o obrotowe 12 szt  ");
  EXPECT_DOUBLE_EQ(q.quantity, 12);
  EXPECT_EQ(q.unit, "szt");
  EXPECT_DOUBLE_EQ(q.precision, 1);
  EXPECT_EQ(q.name, "Krzes\xB3o obrotowe");
  q = quantityFromName("KABEL 2,5m");
  EXPECT_DOUBLE_EQ(q.quantity, 2.5);
  EXPECT_EQ(q.unit, "m");
  q = quantityFromName("Lokal 50 m2");
  EXPECT_DOUBLE_EQ(q.quantity, 50);
  EXPECT_EQ(q.unit, "m2");
  EXPECT_DOUBLE_EQ(q.precision, 0.01);
  q = quantityFromName("Odważnik kg");  // a unit without a number
  EXPECT_DOUBLE_EQ(q.quantity, 0);
  EXPECT_EQ(q.unit, "");
  EXPECT_DOUBLE_EQ(q.precision, 0.0001);
  EXPECT_DOUBLE_EQ(quantityFromName("Program").quantity, 0);
}

TEST(QuantityFromName, ZeroBeforeTheUnitKeepsTheUnitWithNoQuantity) {
  QuantityFromName q = quantityFromName("Krzes\xB3o 0 szt");
  EXPECT_DOUBLE_EQ(q.quantity, 0);
  EXPECT_EQ(q.unit, "szt");
  EXPECT_DOUBLE_EQ(q.precision, 1);
  EXPECT_EQ(q.name, "Krzes\xB3o");
  q = quantityFromName("ZESTAW 0,0KPL");
  EXPECT_DOUBLE_EQ(q.quantity, 0);
  EXPECT_EQ(q.unit, "kpl");
  // The split keeps the unit too; with no quantity every share stays 1.
  AssetRecord a = makeAsset(day(15, 3, 2019), 1000, 'L', 10, {"MU:010620,BIURO,250"});
  a.Nazw = "Szafa 0 szt";
  const AttributeSplit s = split(a, day(30, 6, 2020));
  EXPECT_EQ(s.quantity.unit, "szt");
  EXPECT_DOUBLE_EQ(s.quantity.quantity, 0);
  ASSERT_EQ(s.holdings.size(), 2u);
  EXPECT_DOUBLE_EQ(s.holdings[1].quantityShare, 1);
}

TEST(AttributeSplit, PlaceWithoutAmountMovesEverythingWithAmountSplits) {
  const AssetRecord a = makeAsset(day(15, 3, 2019), 1000, 'L', 10,
                                  {"MU:150319,MAGAZYN", "MU:010620,BIURO,500", "MU:010720,HALA"});
  EXPECT_EQ(holdingsText(split(a, day(31, 5, 2020))), "MU:MAGAZYN=100000;");
  EXPECT_EQ(holdingsText(split(a, day(30, 6, 2020))), "MU:MAGAZYN=50000;MU:BIURO=50000;");
  EXPECT_EQ(holdingsText(split(a, day(31, 7, 2020))), "MU:HALA=100000;");
}

TEST(AttributeSplit, HalfToANewPlaceLeavesTheRestUnassigned) {
  const AssetRecord a = makeAsset(day(15, 3, 2019), 1000, 'L', 10, {"MU:010620,BIURO,500"});
  EXPECT_EQ(holdingsText(split(a, day(30, 6, 2020))), "MU:=50000;MU:BIURO=50000;");
}

TEST(AttributeSplit, ReferencesMoveTheReferencedPartFirst) {
  const AssetRecord a =
      makeAsset(day(15, 3, 2019), 1000, 'L', 10,
                {"MU:150319,MAGAZYN", "MU:010620,BIURO,400", "MU:010720,HALA,,2/"});
  // Entry 3 names entry 2: BIURO's 400 moves to HALA, MAGAZYN keeps 600.
  EXPECT_EQ(holdingsText(split(a, day(31, 7, 2020))), "MU:MAGAZYN=60000;MU:HALA=40000;");
}

TEST(AttributeSplit, OriginsAndReferencesCountEntriesWithinTheirKind) {
  // MU and OO entries interleave: the second MU entry (BIURO) is MU number 2
  // though it stands third, and NOWAK's "1/" names the first OO entry.
  const AssetRecord a = makeAsset(day(15, 3, 2019), 1000, 'L', 10,
                                  {"MU:150319,MAGAZYN", "OO:150319,KOWALSKI", "MU:010620,BIURO,400",
                                   "OO:010620,NOWAK,,1/", "MU:010720,HALA,,2/"});
  AttributeSplit s = split(a, day(30, 6, 2020));
  EXPECT_EQ(holdingsText(s), "MU:MAGAZYN=60000;MU:BIURO=40000;OO:NOWAK=100000;");
  ASSERT_EQ(s.holdings.size(), 3u);
  EXPECT_EQ(s.holdings[0].origin, 1);
  EXPECT_EQ(s.holdings[1].origin, 2);
  EXPECT_EQ(s.holdings[2].origin, 2);
  // HALA's "2/" names BIURO: its 400.00 moves, MAGAZYN keeps the rest.
  s = split(a, day(31, 7, 2020));
  EXPECT_EQ(holdingsText(s), "MU:MAGAZYN=60000;OO:NOWAK=100000;MU:HALA=40000;");
  ASSERT_EQ(s.holdings.size(), 3u);
  EXPECT_EQ(s.holdings[2].origin, 3);
}

TEST(AttributeSplit, IncreasesAndDecreasesFollowTheHoldings) {
  AssetRecord a = makeAsset(
      day(15, 3, 2019), 1000, 'L', 10,
      {"MU:150319,MAGAZYN", "OO:150319,KOWALSKI", "OZ:100220,MOD,500", "LT:150620,LT1,2000"});
  a.Nazw = "Szafa 3 szt";
  AttributeSplit s = split(a, day(31, 3, 2020));
  EXPECT_DOUBLE_EQ(s.gross, 1500);
  EXPECT_EQ(holdingsText(s), "MU:MAGAZYN=150000;OO:KOWALSKI=150000;");
  EXPECT_DOUBLE_EQ(s.holdings[0].quantityShare, 3);
  // A decrease larger than the holdings leaves them at 0 (and removed), the
  // quantity at 0.
  s = split(a, day(30, 6, 2020));
  EXPECT_TRUE(s.holdings.empty());
  EXPECT_DOUBLE_EQ(s.quantity.quantity, 0);
  EXPECT_EQ(s.lastDecreaseKind, "LT");
  EXPECT_EQ(s.lastDecreaseNote, "LT1");
}

TEST(AttributeSplit, LtWithoutAmountEmptiesEverything) {
  AssetRecord a = makeAsset(day(15, 3, 2019), 1000, 'L', 10,
                            {"MU:150319,MAGAZYN", "KS:150319,011", "LT:150620,LT1"});
  a.Nazw = "Szafa 3 szt";
  // The account follows once June's books are closed, on 1 July.
  EXPECT_EQ(holdingsText(split(a, day(30, 6, 2020))), "KS:011=100000;");
  const AttributeSplit s = split(a, day(1, 7, 2020));
  EXPECT_DOUBLE_EQ(s.gross, 0);
  EXPECT_DOUBLE_EQ(s.quantity.quantity, 0);
  EXPECT_TRUE(s.holdings.empty());
}

TEST(AttributeSplit, QuantitySharesFollowAmounts) {
  AssetRecord a =
      makeAsset(day(15, 3, 2019), 1000, 'L', 10, {"MU:150319,MAGAZYN", "MU:010620,BIURO,250"});
  a.Nazw = "Krzes\xB3o 8 szt";
  const AttributeSplit s = split(a, day(30, 6, 2020));
  ASSERT_EQ(s.holdings.size(), 2u);
  EXPECT_DOUBLE_EQ(s.holdings[0].quantityShare, 6);  // R(8 x 750 / 1000)
  EXPECT_DOUBLE_EQ(s.holdings[1].quantityShare, 2);
}

TEST(AttributeSplit, AccountsCountFromTheClosedMonthOnly) {
  const AssetRecord a = makeAsset(day(15, 3, 2019), 1000, 'L', 10,
                                  {"KS:150319,011", "KS:100620,013", "UD:100620,DOT,400"});
  // As of 20 June the June entries are not yet booked.
  EXPECT_EQ(holdingsText(split(a, day(20, 6, 2020))), "KS:011=100000;");
  // As of 1 July they are; UD leaves 600 on a KK account.
  EXPECT_EQ(holdingsText(split(a, day(1, 7, 2020))), "KS:013=100000;KK:DOT=60000;");
  // In January only what is dated up to 1 January counts.
  const AssetRecord j =
      makeAsset(day(15, 3, 2019), 1000, 'L', 10, {"KS:010120,011", "KS:020120,013"});
  EXPECT_EQ(holdingsText(split(j, day(31, 1, 2020))), "KS:011=100000;");
}

TEST(AttributeSplit, EveryAccountKindHoldsItsOwnSplit) {
  const AssetRecord a =
      makeAsset(day(15, 3, 2019), 1000, 'L', 10,
                {"KK:150319,401", "KP:150319,402", "KU:150319,071", "KN:150319,NIEAM,250"});
  const AttributeSplit s = split(a, day(31, 12, 2020));
  // The KN part is folded into a KK account holding the rest of the value.
  EXPECT_EQ(holdingsText(s), "KK:401=100000;KP:402=100000;KU:071=100000;KK:NIEAM=75000;");
  EXPECT_EQ(describeCostAccounts(s, 1000), text::fromUtf8(" 401, NIEAM(750zł)"));
  EXPECT_EQ(describeAccounts(s, 1000), text::fromUtf8(" / 071 / 401, NIEAM(750zł)"));
}

TEST(AttributeSplit, EntriesBeforeTheOpeningBalanceSetPlacesButNoAmounts) {
  AssetRecord a = makeAsset(
      day(15, 3, 2015), 5000, 'L', 10,
      {"MU:150315,MAGAZYN", "OZ:100217,MOD,1000", "LT:100618,LT,2000", "OZ:100220,MOD2,500"});
  a.RokP = 2020;
  a.WaBr = 4000;
  const AttributeSplit s = split(a, day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(s.gross, 4500);
  EXPECT_EQ(holdingsText(s), "MU:MAGAZYN=450000;");
}

TEST(AttributeSplit, KindFilterAddsAPlaceholderHolding) {
  const AssetRecord a = makeAsset(day(15, 3, 2019), 1000, 'L', 10, {"MU:150319,MAGAZYN"});
  const AttributeSplit s = split(a, day(31, 12, 2020), "OO");
  EXPECT_EQ(holdingsText(s), "MU:MAGAZYN=100000;OO:bez OO=100000;");
  EXPECT_EQ(holdingsText(split(a, day(31, 12, 2020), "MU")), "MU:MAGAZYN=100000;");
}

TEST(AttributeSplit, UnmatchedReferenceGetsWhatTheOthersLeave) {
  const AssetRecord a =
      makeAsset(day(15, 3, 2019), 1000, 'L', 10, {"MU:150319,MAGAZYN,700", "MU:150319,BIURO,,1/"});
  // Entry 2 names entry 1, which is an MU but holds nothing under origin 1
  // once the unassigned part was split off: BIURO receives what is left.
  const AttributeSplit s = split(a, day(31, 12, 2020));
  long double sum = 0;
  for (const Holding& h : s.holdings) sum += h.amount;
  EXPECT_DOUBLE_EQ(sum, 1000);
}

TEST(AttributeSplit, PlaceholderTakesWhatItsKindLeavesOrGivesUpTheExcess) {
  // Entry 3 names entry 1, whose holding entry 2 already took over: it stays
  // a placeholder. The June change is not yet booked on the accounts as of
  // 20 June, so the KS holdings no longer add up to the gross value.
  auto withJune = [](const char* june) {
    return makeAsset(day(15, 3, 2019), 1000, 'L', 10,
                     {"KS:150319,011,400", "KS:150319,012,,1/", "KS:150319,013,,1/", june});
  };
  // An increase of 500.00: the placeholder receives what the others leave.
  EXPECT_EQ(holdingsText(split(withJune("OT:100620,FV,500"), day(20, 6, 2020))),
            "KS:=60000;KS:012=40000;KS:013=50000;");
  // A decrease of 300.00: the others exceed the gross value by 300.00, taken
  // from them in holding order; the placeholder is left with nothing.
  EXPECT_EQ(holdingsText(split(withJune("LT:100620,LT,300"), day(20, 6, 2020))),
            "KS:=30000;KS:012=40000;");
}

TEST(DescribeHoldings, AmountsShownOnlyWhenTheyAreAPart) {
  const AssetRecord a =
      makeAsset(day(15, 3, 2019), 1000, 'L', 10,
                {"MU:150319,MAGAZYN", "MU:010620,BIURO,250", "KS:150319,011", "KR:150319,402"});
  const AttributeSplit s = split(a, day(31, 12, 2020));
  EXPECT_EQ(describeHoldings(s, "MU", 1000), text::fromUtf8(" MAGAZYN(750zł), BIURO(250zł)"));
  EXPECT_EQ(describeHoldings(s, "KS", 1000), " 011");
  EXPECT_EQ(describeAccounts(s, 1000), " 011 / / 402");
}

}  // namespace
}  // namespace zefir
