// Rules that tie the engine's numbers together, checked over many varied
// assets: the years chain into each other, the months add up to the year,
// and a day's summary agrees with the months of a later day. These catch a
// month booked twice or skipped whichever way the engine walks the year.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "engine_test_support.h"
#include "register/depreciation_engine.h"
#include "text/rounding.h"

namespace zefir {
namespace {

using testing::day;

long double money(long double x) {
  return std::round(x * 100) / 100;
}

std::string ddmmyy(int d, int m, int y) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d%02d%02d", d, m, y % 100);
  return buf;
}

AssetRecord variedAsset(std::mt19937& rng) {
  auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  const int year = pick(2005, 2019);
  static const char kMethods[] = "LDBJNTP ";
  AssetRecord a = testing::makeAsset(day(pick(1, 28), pick(1, 12), year),
                                     pick(100, 90000) + pick(0, 99) / 100.0L, kMethods[pick(0, 7)],
                                     5.0L * pick(1, 8));
  if (a.MeUm == 'D') a.K[0].WsPo = 2;
  if (pick(0, 2) == 0) a.K[1] = RateEntry{day(1, pick(1, 12), year + pick(1, 6)), "X", 25, 1, 0, 0};
  if (pick(0, 3) == 0) {
    a.RokP = static_cast<std::uint16_t>(year + pick(0, 2));
    a.WaUm = money(a.WaBr * pick(0, 60) / 100);
  }
  // Now and then 1 January, whose changes act before January's charge.
  auto at = [&](int y) {
    return pick(0, 9) == 0 ? ddmmyy(1, 1, year + y) : ddmmyy(pick(1, 28), pick(1, 12), year + y);
  };
  static const char* kKinds[] = {"OZ", "LN", "PK", "WU", "UU", "PA", "PT", "MU"};
  const int count = pick(0, 8);
  for (int i = 0; i < count; ++i) {
    const std::string kind = kKinds[pick(0, 7)];
    std::string amount = pick(0, 2) == 0 ? "" : std::to_string(pick(1, 3000));
    if (kind == "PT" || kind == "LN") amount = std::to_string(pick(1, 500));
    a.Z[i] = kind + ":" + at(pick(0, 8)) + ",D" + std::to_string(i) + "," + amount;
  }
  return a;
}

// An asset still depreciating in 2024 whose value changes of that year crowd
// together: transfers, liquidations and corrections, a transfer and a
// liquidation on 1 January (which leave with one rounding), the rest
// liquidated later; method B twice as often, as it books the year apart.
AssetRecord busyYearAsset(std::mt19937& rng) {
  auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  auto cents = [&](int lo, int hi) {
    return std::to_string(pick(lo, hi)) + "," + std::to_string(pick(10, 99)) + "z\xB3";
  };
  static const char kMethods[] = "LDBBJNP ";
  AssetRecord a = testing::makeAsset(day(pick(1, 28), pick(1, 12), pick(2021, 2023)),
                                     pick(1000, 90000) + pick(0, 99) / 100.0L, kMethods[pick(0, 7)],
                                     5.0L * pick(1, 4));
  if (a.MeUm == 'D') a.K[0].WsPo = 2;
  const int part = static_cast<int>(a.WaBr / 8);
  auto at = [&] { return pick(0, 2) == 0 ? "010124" : ddmmyy(pick(1, 28), pick(1, 12), 2024); };
  int count = 0;
  if (pick(0, 1) == 0) {
    a.Z[count++] = "PT:010124,DP," + cents(0, part);
    a.Z[count++] = "LN:010124,DL," + cents(0, part);
  }
  static const char* kKinds[] = {"PT", "LN", "PK", "OZ"};
  for (int n = pick(0, 4); n > 0; --n) {
    const std::string kind = kKinds[pick(0, 3)];
    a.Z[count] = kind + ":" + at() + ",D" + std::to_string(count) + "," +
                 cents(0, kind == "PK" ? 300 : part);
    ++count;
  }
  if (pick(0, 1) == 0) a.Z[count++] = "LT:" + ddmmyy(pick(1, 28), pick(2, 11), 2024) + ",DR";
  return a;
}

// Three varied assets to one busy year.
AssetRecord generatedAsset(std::mt19937& rng, int n) {
  return n % 4 == 3 ? busyYearAsset(rng) : variedAsset(rng);
}

TEST(EngineConsistency, YearsChainMonthsAddUpAndDaysAgree) {
  std::mt19937 rng(12345);
  DepreciationEngine engine;
  for (int n = 0; n < 400; ++n) {
    const AssetRecord a = generatedAsset(rng, n);
    SCOPED_TRACE(::testing::Message() << "asset " << n << " method '" << a.MeUm << "' " << a.Z[0]
                                      << " " << a.Z[1] << " " << a.Z[2]);
    const WorkingRecord dec = engine.compute(a, day(31, 12, 2024));
    // The record's parsed entries are this asset's, none left from the last one.
    const ParsedEntries expected = parseChangeEntries(a);
    for (int i = 0; i < kChangeEntries; ++i) {
      ASSERT_EQ(dec.entries[i].C, expected[i].C) << i;
      ASSERT_EQ(dec.entries[i].D, expected[i].D) << i;
      ASSERT_EQ(dec.entries[i].K, expected[i].K) << i;
      ASSERT_EQ(dec.entries[i].N, expected[i].N) << i;
      ASSERT_EQ(dec.entries[i].W, expected[i].W) << i;
      ASSERT_EQ(dec.entries[i].Z, expected[i].Z) << i;
    }
    for (int y = 0; y + 1 < dec.yearCount; ++y) {
      const YearEntry& e = dec.years[y];
      const YearEntry& next = dec.years[y + 1];
      ASSERT_NEAR(next.Brutt, e.Brutt + e.Zwiek - e.Zmnie, 0.005) << e.year;
      ASSERT_NEAR(next.UmoBO, e.UmoBO + e.UmoBi - e.WykBi, 0.005) << e.year;
    }
    long double charges = 0, writeUps = 0, writtenOff = 0;
    for (const MonthValues& m : dec.months) {
      charges += m.charge;
      writeUps += m.writeUp;
      writtenOff += m.writtenOff;
      ASSERT_EQ(money(m.charge), m.charge == 0 ? 0 : money(m.charge));
    }
    ASSERT_NEAR(charges, dec.summary.chargeYTD, 0.005);
    ASSERT_NEAR(dec.summary.accumDay, dec.summary.accumBO + writeUps - writtenOff, 0.005);
    if (a.MeUm == 'B') {
      // Booked in December only: earlier days show no charge, and what the
      // year has transferred or written off so far never falls from one day
      // to a later one, nor leaves less than nothing booked.
      long double transferred = 0, writtenOff = 0;
      for (int month = 1; month <= 12; ++month) {
        const WorkingRecord mid = engine.compute(a, day(28, month, 2024));
        ASSERT_GE(mid.summary.transferredYTD, transferred - 1E-9L) << month;
        ASSERT_GE(mid.summary.writtenOffYTD, writtenOff - 1E-9L) << month;
        ASSERT_GE(mid.summary.accumDay, -1E-9L) << month;
        transferred = mid.summary.transferredYTD;
        writtenOff = mid.summary.writtenOffYTD;
      }
      continue;
    }
    // Every earlier day of the year agrees with December's months up to it.
    for (int month = 1; month <= 11; ++month) {
      const WorkingRecord mid = engine.compute(a, day(28, month, 2024));
      long double upTo = 0, chargedUpTo = 0, offUpTo = 0;
      for (int i = 0; i <= month; ++i) {
        upTo += dec.months[i].writeUp;
        chargedUpTo += dec.months[i].charge;
        offUpTo += dec.months[i].writtenOff;
      }
      // The year's rounding (at most a few grosze) goes to the last month
      // charged, which an earlier day does not see yet.
      ASSERT_NEAR(mid.summary.chargeYTD, chargedUpTo, 0.07) << month;
      ASSERT_NEAR(mid.summary.accumDay, mid.summary.accumBO + upTo - offUpTo, 0.07) << month;
    }
  }
}

// Every amount the engine hands out is a whole number of grosze, exactly as
// R leaves it: sums and differences of rounded amounts carry a residue in the
// last bits (0.1 + 0.2 is not 0.3) that a report printing with more decimals,
// or a comparison with 0, would show.
::testing::AssertionResult wholeGrosze(const WorkingRecord& wr) {
  auto check = [](const char* what, int at, long double x) {
    if (x == text::R(x)) return ::testing::AssertionSuccess();
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.21Lg", x);
    return ::testing::AssertionFailure() << what << " " << at << " = " << buf;
  };
  const AsOfSummary& s = wr.summary;
  const long double summary[] = {s.grossBO,        s.increasesYTD,   s.decreasesYTD, s.chargeYTD,
                                 s.chargeMonth,    s.writeUpMonth,   s.accumBO,      s.accumDay,
                                 s.correctionsYTD, s.transferredYTD, s.writtenOffYTD};
  for (int i = 0; i < static_cast<int>(std::size(summary)); ++i)
    if (auto r = check("summary value", i, summary[i]); !r) return r;
  for (int m = 0; m <= 12; ++m)
    for (long double x : {wr.months[m].charge, wr.months[m].writeUp, wr.months[m].writtenOff})
      if (auto r = check("month", m, x); !r) return r;
  for (int y = 0; y < wr.yearCount; ++y) {
    const YearEntry& e = wr.years[y];
    for (long double x : {e.Brutt, e.Zwiek, e.Zmnie, e.UmoBO, e.UmoBi, e.WykBi})
      if (auto r = check("year", e.year, x); !r) return r;
  }
  return ::testing::AssertionSuccess();
}

TEST(EngineConsistency, EveryAmountIsWholeGrosze) {
  std::mt19937 rng(4242);
  DepreciationEngine engine;
  for (int n = 0; n < 800; ++n) {
    // Busy years twice as often: their transfers, liquidations and
    // corrections are where rounded amounts get added and taken away.
    const AssetRecord a = n % 2 ? busyYearAsset(rng) : generatedAsset(rng, n);
    SCOPED_TRACE(::testing::Message() << "asset " << n << " method '" << a.MeUm << "' " << a.Z[0]
                                      << " " << a.Z[1] << " " << a.Z[2] << " " << a.Z[3]);
    for (int month = 1; month <= 12; ++month)
      ASSERT_TRUE(wholeGrosze(engine.compute(a, day(28, month, 2024)))) << month;
    ASSERT_TRUE(wholeGrosze(engine.compute(a, day(31, 12, 2024))));
  }
}

TEST(EngineConsistency, ShortcutsGiveTheNumbersOfTheMonthByMonthWalk) {
  std::mt19937 rng(777);
  DepreciationEngine quick, walk;
  walk.setMonthByMonth(true);
  auto same = [](long double a, long double b) { return std::fabs(a - b) < 1E-9L; };
  for (int n = 0; n < 1500; ++n) {
    const AssetRecord a = generatedAsset(rng, n);
    for (DayNumber asOf :
         {day(1, 1, 2021), day(31, 5, 2022), day(30, 4, 2024), day(31, 12, 2024)}) {
      SCOPED_TRACE(::testing::Message() << "asset " << n << " method '" << a.MeUm << "'");
      const WorkingRecord& q = quick.compute(a, asOf);
      const WorkingRecord& w = walk.compute(a, asOf);
      ASSERT_EQ(q.yearCount, w.yearCount);
      for (int y = 0; y < q.yearCount; ++y) {
        ASSERT_TRUE(same(q.years[y].UmoBi, w.years[y].UmoBi)) << q.years[y].year;
        ASSERT_TRUE(same(q.years[y].UmoBO, w.years[y].UmoBO)) << q.years[y].year;
        ASSERT_TRUE(same(q.years[y].Brutt, w.years[y].Brutt)) << q.years[y].year;
        ASSERT_TRUE(same(q.years[y].WykBi, w.years[y].WykBi)) << q.years[y].year;
      }
      for (int m = 0; m <= 12; ++m) {
        ASSERT_TRUE(same(q.months[m].charge, w.months[m].charge)) << m;
        ASSERT_TRUE(same(q.months[m].writeUp, w.months[m].writeUp)) << m;
        ASSERT_TRUE(same(q.months[m].writtenOff, w.months[m].writtenOff)) << m;
      }
      ASSERT_TRUE(same(q.summary.chargeYTD, w.summary.chargeYTD));
      ASSERT_TRUE(same(q.summary.accumDay, w.summary.accumDay));
      ASSERT_TRUE(same(q.summary.transferredYTD, w.summary.transferredYTD));
      ASSERT_TRUE(same(q.summary.writtenOffYTD, w.summary.writtenOffYTD));
      ASSERT_TRUE(same(q.summary.correctionsYTD, w.summary.correctionsYTD));
    }
  }
}

TEST(EngineConsistency, FullyDepreciatedAssetChargesAgainAfterAnIncrease) {
  DepreciationEngine engine;
  // 1,200.00 at 50 % from July 2010: fully depreciated by mid-2012; an
  // increase of 600.00 in March 2020 is charged from April at 25.00 a month
  // (1,800.00 x 50 % / 12 = 75.00 capped by what is left: 600.00 over 8 months).
  const AssetRecord a = testing::makeAsset(day(15, 6, 2010), 1200, 'L', 50, {"OZ:100320,M,600"});
  const WorkingRecord wr = engine.compute(a, day(31, 12, 2020));
  EXPECT_DOUBLE_EQ(wr.years[5].UmoBi, 0);  // 2015: nothing
  EXPECT_DOUBLE_EQ(wr.summary.accumBO, 1200);
  EXPECT_DOUBLE_EQ(wr.months[3].charge, 0);
  EXPECT_DOUBLE_EQ(wr.months[4].charge, 75);
  EXPECT_DOUBLE_EQ(wr.months[11].charge, 75);
  EXPECT_DOUBLE_EQ(wr.summary.chargeYTD, 600);
  EXPECT_DOUBLE_EQ(wr.summary.accumDay, 1800);
}

}  // namespace
}  // namespace zefir
