// The engine's rules, each on a small asset whose numbers are easy to follow.
#include <gtest/gtest.h>

#include "engine_test_support.h"
#include "register/depreciation_engine.h"

namespace zefir {
namespace {

using testing::day;
using testing::makeAsset;
using testing::yearOf;

// Gross 1,200.00 at 10 %: 10.00 a month.
AssetRecord linear1200(DayNumber accepted, std::initializer_list<const char*> entries = {}) {
  return makeAsset(accepted, 1200, 'L', 10, entries);
}

TEST(EngineStartMonth, ChargesFromTheMonthAfterAcceptance) {
  DepreciationEngine engine;
  // 15 March: April to December, nine months.
  auto wr = engine.compute(linear1200(day(15, 3, 2020)), day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.months[3].charge, 0);
  EXPECT_DOUBLE_EQ(wr.months[4].charge, 10);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 90);
  // 1 January: the whole year.
  wr = engine.compute(linear1200(day(1, 1, 2020)), day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.months[1].charge, 10);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 120);
  EXPECT_DOUBLE_EQ(wr.summary.grossBO + wr.summary.increasesYTD, 1200);
  // December: nothing that year, January next year.
  wr = engine.compute(linear1200(day(10, 12, 2020)), day(31, 1, 2021));
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBi, 0);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2021).UmoBi, 10);
}

TEST(EngineLinear, TwelveEqualMonthsMakeTheYear) {
  DepreciationEngine engine;
  const auto& wr = engine.compute(linear1200(day(20, 5, 2019)), day(31, 12, 2020));
  for (int m = 1; m <= 12; ++m) EXPECT_DOUBLE_EQ(wr.months[m].charge, 10) << m;
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBi, 120);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBO, 70);  // June..December 2019
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 190);
}

TEST(EngineLinear, MonthlyChargesAreGroszeAndDecemberTakesTheDifference) {
  DepreciationEngine engine;
  // 1,000.00 at 10 %: 8.3333 a month; eleven months of 8.33 (91.63) and
  // December 100.00 - 91.63 = 8.37.
  const AssetRecord a = makeAsset(day(15, 12, 2019), 1000, 'L', 10);
  auto wr = engine.compute(a, day(30, 11, 2020));
  EXPECT_DOUBLE_EQ(wr.months[11].charge, 8.33);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 91.63);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 91.63);
  wr = engine.compute(a, day(31, 12, 2020));
  long double sum = 0;
  for (int m = 1; m <= 11; ++m) {
    EXPECT_DOUBLE_EQ(wr.months[m].charge, 8.33) << m;
    sum += wr.months[m].charge;
  }
  EXPECT_DOUBLE_EQ(wr.months[12].charge, 8.37);
  EXPECT_DOUBLE_EQ(wr.months[12].writeUp, 8.37);
  EXPECT_DOUBLE_EQ(sum + wr.months[12].charge, 100);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 100);
  EXPECT_DOUBLE_EQ(wr.summary.chargeMonth, 8.37);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBi, 100);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 100);
}

TEST(EngineRemainingValue, SmallRemaindersAreChargedAtOnce) {
  DepreciationEngine engine;
  // Opening balance 1,200.00 with 1,189.91 depreciated: January's 10.00 would
  // leave 0.09, less than 1 % of 10.00, so January charges all 10.09.
  AssetRecord a = linear1200(day(1, 6, 2015));
  a.RokP = 2020;
  a.WaUm = 1189.91L;
  auto wr = engine.compute(a, day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.months[1].charge, 10.09);
  EXPECT_DOUBLE_EQ(wr.months[2].charge, 0);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 1200);
  // Gross 120.00 at 10 % (1.00 a month) with 118.95 depreciated: 0.05 would
  // be left (above 1 % of 1.00), and a remainder of 0.002-0.069 is charged now.
  a = makeAsset(day(1, 6, 2015), 120, 'L', 10);
  a.RokP = 2020;
  a.WaUm = 118.95L;
  wr = engine.compute(a, day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.months[1].charge, 1.05);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 1.05);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 120);
}

TEST(EngineMarks, StopInMayResumeInSeptember) {
  DepreciationEngine engine;
  const auto& wr =
      engine.compute(linear1200(day(20, 5, 2019), {"WU:100520", "UU:050920"}), day(31, 12, 2020));
  for (int m = 5; m <= 8; ++m) EXPECT_DOUBLE_EQ(wr.months[m].charge, 0) << m;
  EXPECT_DOUBLE_EQ(wr.months[4].charge, 10);
  EXPECT_DOUBLE_EQ(wr.months[9].charge, 10);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 80);  // 4 + 4 months
}

TEST(EngineMarks, BonusBlocksTheRestOfTheYearOnly) {
  DepreciationEngine engine;
  // 12,000.00 at 10 %: 100.00 a month; a PA of 500 in June.
  const AssetRecord a = makeAsset(day(20, 5, 2019), 12000, 'L', 10, {"PA:150620,,500"});
  auto wr = engine.compute(a, day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.months[5].charge, 100);
  for (int m = 6; m <= 12; ++m) EXPECT_DOUBLE_EQ(wr.months[m].charge, 0) << m;
  EXPECT_DOUBLE_EQ(wr.months[6].writeUp, 500);
  EXPECT_DOUBLE_EQ(wr.summary.correctionsYTD, 500);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBi, 1000);  // 5 x 100 + 500
  wr = engine.compute(a, day(31, 1, 2021));
  EXPECT_DOUBLE_EQ(wr.months[1].charge, 100);
}

TEST(EngineMarks, EverythingDatedFirstJanuaryCounts) {
  DepreciationEngine engine;
  // A stop dated 1 January stops January.
  auto wr = engine.compute(linear1200(day(20, 5, 2019), {"WU:010120"}), day(31, 3, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 0);
  // A bonus dated 1 January blocks the whole year and its amount counts.
  wr = engine.compute(linear1200(day(20, 5, 2019), {"PA:010120,,300"}), day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 0);
  EXPECT_DOUBLE_EQ(wr.summary.correctionsYTD, 300);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 70 + 300);
  // A PK dated 1 January is a correction of that year.
  wr = engine.compute(linear1200(day(20, 5, 2019), {"PK:010120,DOC,50"}), day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.correctionsYTD, 50);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBi, 170);
}

TEST(EngineMarks, CorrectionTakesTheParsedAmount) {
  DepreciationEngine engine;
  const auto& wr =
      engine.compute(linear1200(day(20, 5, 2019), {"PK:150320,DOC,50z\xB3"}), day(31, 3, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.correctionsYTD, 50);
  EXPECT_DOUBLE_EQ(wr.months[3].writeUp, 60);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 70 + 30 + 50);
}

TEST(EngineMonthZero, IncreaseDatedFirstJanuaryIsChargedInJanuary) {
  DepreciationEngine engine;
  const auto& wr =
      engine.compute(linear1200(day(20, 5, 2019), {"OZ:010120,MOD,1200"}), day(31, 1, 2020));
  EXPECT_DOUBLE_EQ(wr.months[1].charge, 20);
  // The year's opening balance stays last year's closing one; the increase
  // shows among the year's increases.
  EXPECT_DOUBLE_EQ(wr.summary.grossBO, 1200);
  EXPECT_DOUBLE_EQ(wr.summary.increasesYTD, 1200);
}

TEST(EngineMonthZero, LiquidationDatedFirstJanuaryLeavesBeforeJanuary) {
  DepreciationEngine engine;
  const auto& wr =
      engine.compute(linear1200(day(20, 5, 2019), {"LT:010120,LT 1/20"}), day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.grossBO, 1200);
  EXPECT_DOUBLE_EQ(wr.summary.decreasesYTD, 1200);
  EXPECT_DOUBLE_EQ(wr.months[0].writtenOff, 70);  // all of it, on 1 January
  EXPECT_DOUBLE_EQ(wr.summary.writtenOffYTD, 70);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 0);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 0);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).Zmnie, 1200);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).WykBi, 70);
}

TEST(EngineMonthZero, TransferAndLiquidationDatedFirstJanuaryTakeOneRounding) {
  DepreciationEngine engine;
  // 1,000.00 with 50.00 accumulated at 1 January; 0.10 transferred and 0.10
  // liquidated that day take R(50.00 x 0.20 / 1,000.00) = 0.01 together (each
  // rounded on its own would take 0.01 twice). 999.80 at 10 % is 99.98 a year.
  AssetRecord a = makeAsset(day(10, 5, 2018), 1000, 'L', 10,
                            {"PT:010120,ODDZIAL,0,10z\xB3", "LT:010120,LT1,0,10z\xB3"});
  a.RokP = 2020;
  a.WaUm = 50;
  const WorkingRecord& wr = engine.compute(a, day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.grossBO, 1000);
  EXPECT_DOUBLE_EQ(wr.summary.accumBO, 50);
  EXPECT_DOUBLE_EQ(wr.summary.transferredYTD + wr.summary.writtenOffYTD, 0.01L);
  EXPECT_DOUBLE_EQ(wr.months[0].writtenOff, wr.summary.writtenOffYTD);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 99.98L);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 149.97L);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBO + yearOf(wr, 2020).UmoBi - yearOf(wr, 2020).WykBi,
                   149.97L);
  // Either alone is rounded as before.
  a.Z[1].clear();
  EXPECT_DOUBLE_EQ(engine.compute(a, day(31, 12, 2020)).summary.transferredYTD, 0.01L);
}

TEST(EngineMethods, TNeverChargesJChargesAllInTheStartMonth) {
  DepreciationEngine engine;
  auto wr = engine.compute(linear1200(day(15, 3, 2019)), day(31, 12, 2021));
  EXPECT_GT(wr.summary.accumDay, 0);
  AssetRecord t = linear1200(day(15, 3, 2019));
  t.MeUm = 'T';
  wr = engine.compute(t, day(31, 12, 2021));
  for (int i = 0; i < wr.yearCount; ++i) EXPECT_DOUBLE_EQ(wr.years[i].UmoBi, 0);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 0);

  AssetRecord j = linear1200(day(15, 3, 2020));
  j.MeUm = 'J';
  wr = engine.compute(j, day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.months[3].charge, 0);
  EXPECT_DOUBLE_EQ(wr.months[4].charge, 1200);
  EXPECT_DOUBLE_EQ(wr.months[5].charge, 0);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 1200);
}

TEST(EngineMethods, PBlankAndUnknownLettersFollowTheGeneralRule) {
  DepreciationEngine engine;
  const AssetRecord l = linear1200(day(15, 3, 2019), {"OZ:100620,M,600", "LT:100920,,300"});
  const WorkingRecord expected = engine.compute(l, day(31, 12, 2020));
  for (char method : {'P', ' ', '\0', 'X'}) {
    AssetRecord a = l;
    a.MeUm = method;
    const WorkingRecord& wr = engine.compute(a, day(31, 12, 2020));
    for (int m = 0; m <= 12; ++m) EXPECT_DOUBLE_EQ(wr.months[m].charge, expected.months[m].charge);
    EXPECT_DOUBLE_EQ(wr.summary.accumDay, expected.summary.accumDay) << method;
  }
}

TEST(EngineMethods, NWritesOffInTheAcceptanceMonthAndEachIncrease) {
  DepreciationEngine engine;
  AssetRecord n = makeAsset(day(15, 3, 2020), 2500, 'N', 20, {"OZ:200920,ROZB,300"});
  const auto& wr = engine.compute(n, day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.months[3].charge, 2500);
  EXPECT_DOUBLE_EQ(wr.months[4].charge, 0);
  EXPECT_DOUBLE_EQ(wr.months[9].charge, 300);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 2800);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 2800);
}

TEST(EngineMethods, NAcceptedWithEarlierDepreciationWritesOffOnlyTheRest) {
  DepreciationEngine engine;
  // 2,500.00 accepted 1 January 2020 with 500.00 depreciated before: the
  // 500.00 stands at 1 January, the acceptance writes off the other 2,000.00.
  AssetRecord n = makeAsset(day(1, 1, 2020), 2500, 'N', 20);
  n.RokP = 2020;
  n.WaUm = 500;
  const auto& wr = engine.compute(n, day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.months[0].charge, 2000);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 2000);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 2500);
}

TEST(EngineMethods, TIsNeverChargedEvenItsLastGrosze) {
  DepreciationEngine engine;
  AssetRecord t = makeAsset(day(15, 3, 2019), 0.05L, 'T', 10);
  const auto& wr = engine.compute(t, day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 0);
  AssetRecord stopped = makeAsset(day(15, 3, 2019), 0.05L, 'L', 10, {"WU:010419"});
  EXPECT_DOUBLE_EQ(engine.compute(stopped, day(31, 12, 2020)).summary.accumDay, 0);
}

TEST(EngineMethods, BShowsNothingBeforeDecemberAndTheYearInDecember) {
  DepreciationEngine engine;
  AssetRecord b = linear1200(day(15, 12, 2018));
  b.MeUm = 'B';
  auto wr = engine.compute(b, day(31, 3, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 0);
  EXPECT_DOUBLE_EQ(wr.summary.chargeMonth, 0);
  EXPECT_DOUBLE_EQ(wr.summary.accumBO, 120);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 120);  // 1 January's value, no charge yet
  EXPECT_DOUBLE_EQ(wr.months[3].charge, 0);
  wr = engine.compute(b, day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 120);
  EXPECT_DOUBLE_EQ(wr.summary.chargeMonth, 120);
  EXPECT_DOUBLE_EQ(wr.months[12].charge, 120);
  EXPECT_DOUBLE_EQ(wr.months[6].charge, 0);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 240);
}

TEST(EngineMethods, BLiquidationBeforeDecemberWritesOffOnlyWhatStoodAtJanuary) {
  DepreciationEngine engine;
  AssetRecord b = linear1200(day(15, 12, 2018), {"LT:150320,LT1"});
  b.MeUm = 'B';
  auto wr = engine.compute(b, day(31, 3, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.writtenOffYTD, 120);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 0);
  EXPECT_DOUBLE_EQ(wr.summary.decreasesYTD, 1200);
  EXPECT_DOUBLE_EQ(wr.months[12].writtenOff, 120);
  // A later day shows the same liquidation the same way: the months, folded
  // into December, write off what the summary does.
  wr = engine.compute(b, day(30, 6, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.writtenOffYTD, 120);
  EXPECT_DOUBLE_EQ(wr.months[12].writtenOff, 120);
}

TEST(EngineMethods, BBeforeDecemberCountsCorrectionsAndTransfersOfWhatIsBooked) {
  DepreciationEngine engine;
  AssetRecord b = linear1200(day(15, 12, 2018), {"PK:100220,DOC,15"});
  b.MeUm = 'B';
  auto wr = engine.compute(b, day(31, 3, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.correctionsYTD, 15);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 135);  // 120 at 1 January + 15, no charge yet
  // The whole asset transferred in March takes the 120.00 booked, not the
  // unbooked charges of January to March; nothing stays behind.
  b.Z[0] = "PT:150320,ODDZIAL";
  wr = engine.compute(b, day(31, 3, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.transferredYTD, 120);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 0);
}

TEST(EngineMethods, BLiquidationBeforeDecemberWritesOffTheCorrectionsBooked) {
  DepreciationEngine engine;
  // 120.00 at 1 January and a correction of 15.00 in February are booked; the
  // whole asset liquidated in March writes off both and keeps nothing, as the
  // year booked in December does.
  AssetRecord b = linear1200(day(15, 12, 2018), {"PK:100220,DOC,15", "LT:150320,LT1"});
  b.MeUm = 'B';
  for (DayNumber before : {day(31, 3, 2020), day(30, 6, 2020), day(30, 11, 2020)}) {
    const auto& wr = engine.compute(b, before);
    EXPECT_DOUBLE_EQ(wr.summary.writtenOffYTD, 135);
    EXPECT_DOUBLE_EQ(wr.summary.accumDay, 0);
    EXPECT_DOUBLE_EQ(wr.months[12].writtenOff, 135);
  }
  auto wr = engine.compute(b, day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.writtenOffYTD, 165);  // with the 30.00 charged January to March
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 0);
  // A negative correction lowers what is booked, and so what goes.
  b.Z[0] = "PK:100220,DOC,-15";
  wr = engine.compute(b, day(31, 3, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.writtenOffYTD, 105);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 0);
}

TEST(EngineMethods, BTransferredToDateNeverFallsOnlyTheWrittenOffIsCapped) {
  DepreciationEngine engine;
  // 60.00 accumulated at 1 January 2020; half the asset transferred that day
  // takes 30.00. The rest, liquidated in March, would write off its 30.00
  // and the 15.00 charged from January to March, which waits for December:
  // only the 30.00 booked on it goes.
  AssetRecord b = linear1200(day(15, 6, 2019), {"PT:010120,ODDZIAL,600", "LT:150320,LT1"});
  b.MeUm = 'B';
  auto wr = engine.compute(b, day(31, 1, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.accumBO, 60);
  EXPECT_DOUBLE_EQ(wr.summary.transferredYTD, 30);
  EXPECT_DOUBLE_EQ(wr.summary.writtenOffYTD, 0);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 30);
  for (DayNumber later : {day(31, 3, 2020), day(30, 6, 2020), day(30, 11, 2020)}) {
    wr = engine.compute(b, later);
    EXPECT_DOUBLE_EQ(wr.summary.transferredYTD, 30);
    EXPECT_DOUBLE_EQ(wr.summary.writtenOffYTD, 30);
    EXPECT_DOUBLE_EQ(wr.summary.accumDay, 0);
    EXPECT_DOUBLE_EQ(wr.months[12].writtenOff, 30);
  }
  // December books the year: the charges go with the liquidation.
  wr = engine.compute(b, day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.transferredYTD, 30);
  EXPECT_DOUBLE_EQ(wr.summary.writtenOffYTD, 45);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 15);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 0);
}

TEST(EngineMethods, BBeforeDecemberKeepsTheOpeningDepreciationOfTheAcceptanceMonth) {
  // Accepted 15 March of RokP with 3,000.00 depreciated before: from March
  // that is booked, though the year's charges wait for December.
  DepreciationEngine engine;
  AssetRecord b = makeAsset(day(15, 3, 2020), 12000, 'B', 10);
  b.RokP = 2020;
  b.WaUm = 3000;
  auto wr = engine.compute(b, day(28, 2, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 0);
  wr = engine.compute(b, day(30, 6, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 0);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 3000);
  // Liquidated in May: the 3,000.00 booked is written off, nothing stays.
  b.Z[0] = "LT:100520,LT1";
  wr = engine.compute(b, day(30, 6, 2020));
  EXPECT_DOUBLE_EQ(wr.summary.writtenOffYTD, 3000);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 0);
}

TEST(EngineAsOf, FirstJanuaryIsTheStartOfTheYear) {
  DepreciationEngine engine;
  const auto& wr = engine.compute(linear1200(day(20, 5, 2019)), day(1, 1, 2020));
  EXPECT_EQ(wr.asOfMonth, 0);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 0);
  EXPECT_DOUBLE_EQ(wr.summary.accumBO, 70);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 70);
  EXPECT_DOUBLE_EQ(wr.summary.grossBO, 1200);
  for (int m = 0; m <= 12; ++m) EXPECT_DOUBLE_EQ(wr.months[m].charge, 0);
}

TEST(EngineAsOf, NoYearAfter2039AndAtMostHundredYears) {
  DepreciationEngine engine;
  auto wr = engine.compute(linear1200(day(20, 5, 2037)), static_cast<DayNumber>(43829 + 400));
  EXPECT_EQ(wr.yearCount, 3);
  EXPECT_EQ(wr.years[2].year, 2039);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 70 + 120 + 120);

  AssetRecord old = linear1200(day(1, 6, 1925));
  wr = engine.compute(old, day(31, 12, 2030));
  EXPECT_EQ(wr.yearCount, 100);
  EXPECT_EQ(wr.years[99].year, 2024);
}

TEST(EngineAsOf, AssetAcceptedAfterTheDayHasNothing) {
  DepreciationEngine engine;
  const auto& wr = engine.compute(linear1200(day(1, 6, 2021)), day(31, 12, 2020));
  EXPECT_EQ(wr.yearCount, 0);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 0);
}

TEST(EngineOpeningDepreciation, BookedOnceAtJanuaryWhenChargedFromJanuary) {
  DepreciationEngine engine;
  // Kept from 2020 with an opening balance: WaUm stands at 1 January and is
  // not also a write-up of the year.
  AssetRecord a = makeAsset(day(10, 5, 2015), 12000, 'L', 10);
  a.RokP = 2020;
  a.WaUm = 3000;
  auto wr = engine.compute(a, day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBO, 3000);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBi, 1200);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 4200);
  // The same accepted on 1 January of RokP.
  a.DtOT = day(1, 1, 2020);
  wr = engine.compute(a, day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBO, 3000);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBi, 1200);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 4200);
}

TEST(EngineOpeningDepreciation, BookedInTheAcceptanceMonthOtherwise) {
  DepreciationEngine engine;
  // Accepted 15 March of RokP with 3,000.00 depreciated before: March's
  // write-up is 3,000.00, April to December charge 100.00 each.
  AssetRecord a = makeAsset(day(15, 3, 2020), 12000, 'L', 10);
  a.RokP = 2020;
  a.WaUm = 3000;
  const auto& wr = engine.compute(a, day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.months[3].writeUp, 3000);
  EXPECT_DOUBLE_EQ(wr.months[3].charge, 0);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBO, 0);
  EXPECT_DOUBLE_EQ(yearOf(wr, 2020).UmoBi, 3900);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 900);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 3900);
}

TEST(EngineLiquidation, LtWithoutAmountTakesEverything) {
  DepreciationEngine engine;
  const auto& wr =
      engine.compute(linear1200(day(20, 5, 2019), {"LT:100320,LT 5/20"}), day(31, 12, 2020));
  // 70.00 at 1 January, January to March 30.00: all 100.00 written off in March.
  EXPECT_DOUBLE_EQ(wr.summary.decreasesYTD, 1200);
  EXPECT_DOUBLE_EQ(wr.months[3].writtenOff, 100);
  EXPECT_DOUBLE_EQ(wr.summary.writtenOffYTD, 100);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 30);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 0);
  EXPECT_DOUBLE_EQ(wr.months[4].charge, 0);
  EXPECT_DOUBLE_EQ(wr.split.gross, 0);
}

TEST(EngineClassification, EntryInForceByMonthAndBasis) {
  AssetRecord a = makeAsset(day(15, 12, 2019), 12000, 'L', 20);
  a.K[0].StBi = 10;
  a.K[0].WsBi = 1;
  a.K[1] = RateEntry{day(15, 6, 2020), "492", 30, 1, 0, 0};
  EXPECT_EQ(&rateEntryInForce(a, day(1, 6, 2020)), &a.K[0]);
  EXPECT_EQ(&rateEntryInForce(a, day(1, 7, 2020)), &a.K[1]);
  EXPECT_DOUBLE_EQ(effectiveRate(a.K[0], Basis::Balance), 10);
  EXPECT_DOUBLE_EQ(effectiveRate(a.K[0], Basis::Tax), 20);
  // No balance coefficient: the balance basis takes the tax pair.
  EXPECT_DOUBLE_EQ(effectiveRate(a.K[1], Basis::Balance), 30);
  a.K[0].WsPo = 0;
  EXPECT_DOUBLE_EQ(effectiveCoefficient(a.K[0], Basis::Tax), 1);
}

}  // namespace
}  // namespace zefir
