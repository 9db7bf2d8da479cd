// Whole histories worked out by hand; each expectation carries its sum.
#include <gtest/gtest.h>

#include "engine_test_support.h"
#include "register/depreciation_engine.h"

namespace zefir {
namespace {

using testing::day;
using testing::makeAsset;
using testing::yearOf;

TEST(EngineGolden, DegressiveSwitchesToLinearAndIsFullyDepreciated) {
  // 12,000.00 accepted 15 June 2020, 20 % with coefficient 2.0.
  AssetRecord a = makeAsset(day(15, 6, 2020), 12000, 'D', 20);
  a.K[0].WsPo = 2;
  DepreciationEngine engine(Basis::Tax);
  const WorkingRecord wr = engine.compute(a, day(31, 12, 2024));
  ASSERT_EQ(wr.yearCount, 5);
  // 2020: July..December, 12,000 x 40 % / 12 = 400.00 a month, 6 x 400 = 2,400.00.
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBi, 2400);
  // 2021: base 12,000 - 2,400 = 9,600; 9,600 x 40 % / 12 = 320.00 >= linear
  // 200.00, still degressive; 12 x 320 = 3,840.00.
  EXPECT_DOUBLE_EQ(yearOf(wr, 2021).UmoBO, 2400);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2021).UmoBi, 3840);
  // 2022: base 12,000 - 6,240 = 5,760; 5,760 x 40 % / 12 = 192.00 < 200.00:
  // linear from this year, on the gross value: 12,000 x 20 % / 12 = 200.00,
  // 12 x 200 = 2,400.00 (not 5,760 x 20 % = 1,152.00).
  EXPECT_DOUBLE_EQ(yearOf(wr, 2022).UmoBO, 6240);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2022).UmoBi, 2400);
  // 2023: 2,400.00 more; 11,040.00 at its end.
  EXPECT_DOUBLE_EQ(yearOf(wr, 2023).UmoBi, 2400);
  // 2024: January..April 200.00 (11,840.00); May would leave -40.00, so it
  // charges the remaining 12,000 - 11,840 = 160.00; nothing after.
  EXPECT_DOUBLE_EQ(yearOf(wr, 2024).UmoBO, 11040);
  EXPECT_DOUBLE_EQ(wr.months[4].charge, 200);
  EXPECT_DOUBLE_EQ(wr.months[5].charge, 160);
  EXPECT_DOUBLE_EQ(wr.months[6].charge, 0);
  EXPECT_DOUBLE_EQ(wr.months[12].charge, 0);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2024).UmoBi, 960);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 12000);

  // As of 15 March 2022: January..March of the switch year at 200.00.
  const WorkingRecord mid = engine.compute(a, day(15, 3, 2022));
  EXPECT_DOUBLE_EQ(mid.summary.chargeYTD, 600);  // 3 x 200
  EXPECT_DOUBLE_EQ(mid.summary.chargeMonth, 200);
  EXPECT_DOUBLE_EQ(mid.summary.accumBO, 6240);
  EXPECT_DOUBLE_EQ(mid.summary.accumDay, 6840);  // 6,240 + 600
}

TEST(EngineGolden, OpeningBalanceCarriesOnWithoutDoubling) {
  // Accepted 10 May 2015 for 50,000.00; kept from 2020 with an opening gross
  // of 48,000.00 (2,000.00 liquidated in 2018) and 20,000.00 depreciated.
  AssetRecord a =
      makeAsset(day(10, 5, 2015), 50000, 'L', 10, {"MU:100515,MAGAZYN", "LT:100618,LT 1/18,2000"});
  a.RokP = 2020;
  a.WaBr = 48000;
  a.WaUm = 20000;
  DepreciationEngine engine;
  const WorkingRecord wr = engine.compute(a, day(30, 6, 2021));
  ASSERT_EQ(wr.yearCount, 2);
  // 2020: 48,000 x 10 % / 12 = 400.00 a month, 4,800.00; UmoBO 20,000.00 once.
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).Brutt, 48000);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBO, 20000);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBi, 4800);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).Zmnie, 0);  // the 2018 liquidation is inside WaBr
  // 2021 to 30 June: 6 x 400 = 2,400.00; 24,800 + 2,400 = 27,200.00.
  EXPECT_DOUBLE_EQ(wr.summary.accumBO, 24800);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 2400);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 27200);
  // The split starts from WaBr; the 2018 LT takes nothing more, its MU stays.
  EXPECT_DOUBLE_EQ(wr.split.gross, 48000);
  ASSERT_EQ(wr.split.holdings.size(), 1u);
  EXPECT_EQ(wr.split.holdings[0].key, "MAGAZYN");
  EXPECT_DOUBLE_EQ(wr.split.holdings[0].amount, 48000);
}

TEST(EngineGolden, PartialLiquidation) {
  // 24,000.00 accepted 20 November 2019 at 10 %: 200.00 a month from December.
  AssetRecord a = makeAsset(day(20, 11, 2019), 24000, 'L', 10, {"LT:150620,LT 1/20,6000"});
  a.Nazw = "Rega\xB3 4 szt";
  DepreciationEngine engine;
  WorkingRecord wr = engine.compute(a, day(30, 6, 2020));
  // 2019: December 200.00. 2020: January..May 5 x 200 = 1,000.00 (1,200.00
  // accumulated by the end of May). June: 200.00 more, then a quarter
  // liquidated: written off R((1,200 + 200) x 6,000 / 24,000) = 350.00.
  EXPECT_DOUBLE_EQ(wr.months[6].charge, 200);
  EXPECT_DOUBLE_EQ(wr.months[6].writtenOff, 350);
  EXPECT_DOUBLE_EQ(wr.summary.decreasesYTD, 6000);
  EXPECT_DOUBLE_EQ(wr.summary.writtenOffYTD, 350);
  // 1,400 - 350 = 1,050.00 at the day.
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 1050);

  wr = engine.compute(a, day(31, 12, 2020));
  // July..December on 18,000.00: 150.00 a month, 900.00; the year's charges
  // 1,000 + 200 + 900 = 2,100.00.
  EXPECT_DOUBLE_EQ(wr.months[7].charge, 150);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 2100);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBi, 2100);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).WykBi, 350);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).Zmnie, 6000);
  // 200 + 2,100 - 350 = 1,950.00 left on 18,000.00.
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 1950);
  // Four pieces less a quarter: R(18,000 x 4 / 24,000) = 3.
  EXPECT_DOUBLE_EQ(wr.split.gross, 18000);
  EXPECT_DOUBLE_EQ(wr.split.quantity.quantity, 3);
  EXPECT_EQ(wr.split.quantity.unit, "szt");
  EXPECT_EQ(wr.split.lastDecreaseKind, "LT");
  EXPECT_EQ(wr.split.lastDecreaseNote, "LT 1/20");
}

TEST(EngineGolden, TransferTakesItsDepreciationAlong) {
  // 6,000.00 accepted 10 January 2020 at 20 %: 100.00 a month from February.
  const AssetRecord a = makeAsset(day(10, 1, 2020), 6000, 'L', 20, {"PT:150421,ODDZIA\xA3 B"});
  DepreciationEngine engine;
  WorkingRecord wr = engine.compute(a, day(30, 4, 2021));
  // 2020: 11 x 100 = 1,100.00. 2021: January..April 4 x 100 = 400.00; the
  // whole value leaves in April with 1,100 + 400 = 1,500.00 of depreciation.
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBi, 1100);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 400);
  EXPECT_DOUBLE_EQ(wr.summary.chargeMonth, 100);
  EXPECT_DOUBLE_EQ(wr.summary.transferredYTD, 1500);
  EXPECT_DOUBLE_EQ(wr.summary.increasesYTD, -6000);  // increases less transfers out
  EXPECT_DOUBLE_EQ(wr.months[4].writeUp, -1400);     // 100 - 1,500
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 0);
  EXPECT_DOUBLE_EQ(wr.summary.writtenOffYTD, 0);

  wr = engine.compute(a, day(31, 12, 2021));
  EXPECT_DOUBLE_EQ(yearOf(wr, 2021).UmoBi, -1100);  // 400 - 1,500
  EXPECT_DOUBLE_EQ(yearOf(wr, 2021).Zwiek, -6000);
  EXPECT_DOUBLE_EQ(wr.months[5].charge, 0);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 400);
  EXPECT_DOUBLE_EQ(wr.split.gross, 0);
}

TEST(EngineGolden, TaxAndBalanceBasesWithDifferentRates) {
  // 36,000.00 accepted 20 December 2020: tax 20 %, balance 10 %; from 1 July
  // 2021 a new entry of 30 % without a balance pair (both bases use it).
  AssetRecord a = makeAsset(day(20, 12, 2020), 36000, 'L', 20);
  a.K[0].StBi = 10;
  a.K[0].WsBi = 1;
  a.K[1] = RateEntry{day(1, 7, 2021), "492", 30, 1, 0, 0};
  DepreciationEngine balance(Basis::Balance), tax(Basis::Tax);
  const WorkingRecord b = balance.compute(a, day(31, 12, 2021));
  const WorkingRecord p = tax.compute(a, day(31, 12, 2021));
  // Balance: 36,000 x 10 % / 12 = 300.00 for January..June, then
  // 36,000 x 30 % / 12 = 900.00: 6 x 300 + 6 x 900 = 7,200.00.
  EXPECT_DOUBLE_EQ(b.months[6].charge, 300);
  EXPECT_DOUBLE_EQ(b.months[7].charge, 900);
  EXPECT_DOUBLE_EQ(b.summary.chargeYTD, 7200);
  // Tax: 600.00 for January..June, then 900.00: 3,600 + 5,400 = 9,000.00.
  EXPECT_DOUBLE_EQ(p.months[6].charge, 600);
  EXPECT_DOUBLE_EQ(p.summary.chargeYTD, 9000);
  // The entry in force in January and its effective pair.
  EXPECT_EQ(b.classification.entry.SKST, "491");
  EXPECT_DOUBLE_EQ(b.classification.rate, 10);
  EXPECT_DOUBLE_EQ(p.classification.rate, 20);
  EXPECT_DOUBLE_EQ(p.classification.coef, 1);
}

}  // namespace
}  // namespace zefir
