// The listing frame and the listing of assets (WST) on a small register whose
// reports are worked out by hand: 10 % a year on 1,200.00 is 10.00 a month.
#include "operations/listing_frame.h"

#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "register/depreciation_engine.h"
#include "text/rounding.h"

namespace zefir::operations {
namespace {

using listing_test::add;
using listing_test::asset;
using listing_test::day;
using listing_test::lines;
using V = std::vector<std::string>;

using ListingFrame = listing_test::SmallBase;

TEST_F(ListingFrame, TwoGroupLevelsCloseEachGroupAndCountZeroValueAssetsUnlisted) {
  EXPECT_EQ(
      run(ListingKind::WST, params(1, 2, 0)),
      (V{"1|401|Tokarka|15-06-2025|10|491|1.200,00|90,00|10,00",
         "2|402|Frezarka|15-06-2025|10|491|2.400,00|180,00|20,00", "rule.",
         "|40|synt. 2 poz. ( zerowych : 1 )||||3.600,00|270,00|30,00", "rule-",
         "|4|grupa 2 poz. ( zerowych : 1 )||||3.600,00|270,00|30,00",
         "rule=", "3|701|Samochód|10-01-2026|20|741|36.000,00|1.200,00|600,00",
         "|||w tym kor.|OT||36.000,00", "rule.", "|70|synt. 1 poz.||||36.000,00|1.200,00|600,00",
         "|w tym korekty|związane z OT : 1 poz.||||36.000,00", "rule-",
         "|7|grupa 1 poz.||||36.000,00|1.200,00|600,00",
         "|w tym korekty|związane z OT : 1 poz.||||36.000,00",
         "rule=", "|ŚRODKI|RAZEM 3 poz. ( zerowych : 1 )||||39.600,00|1.470,00|630,00",
         "|w tym korekty|związane z OT : 1 poz.||||36.000,00"}));
  EXPECT_EQ(out_.code(), "WST");
  EXPECT_EQ(text::toUtf8(out_.params()), "na dzień 31-03-2026");
}

TEST_F(ListingFrame, WithoutGroupLevelsOnlyTheFinalBlockFollowsTheRows) {
  ListingParams p = params(0, 0, 0);
  p.listZeroValue = true;
  const V report = run(ListingKind::WST, p);
  ASSERT_EQ(report.size(), 8u);
  EXPECT_EQ(report[2], "3|403|Wiertarka|15-06-2025|10|491");  // asked for: listed
  EXPECT_EQ(report[5], "rule=");
  EXPECT_EQ(report[6], "|ŚRODKI|RAZEM 4 poz.||||39.600,00|1.470,00|630,00");
}

TEST_F(ListingFrame, AnEmptyRegisterGivesTheHeaderAlone) {
  AssetRegister empty;
  const ListingResult r = runListing(empty, ListingKind::WST, params(1, 3, 0), out_);
  EXPECT_EQ(out_.rowCount(), 0);
  EXPECT_EQ(out_.columns().size(), 9u);
  EXPECT_EQ(r.taken, 0);
}

TEST_F(ListingFrame, AssetsNotYetAcceptedOrGoneInEarlierYearsAreNotCounted) {
  add(reg_, asset("404", "Prasa", day(1, 4, 2026), 500, 10));  // after the report day
  AssetRecord gone = asset("405", "Piła", day(15, 6, 2024), 800, 10);
  gone.Z[0] = "LT:150325,LT 1/25";
  add(reg_, gone);
  const ListingResult r = runListing(reg_, ListingKind::WST, params(0, 0, 0), out_);
  EXPECT_EQ(r.taken, 4);
  EXPECT_EQ(r.listed, 3);
}

TEST_F(ListingFrame, TheStopRequestEndsTheWalkKeepingTheRowsWritten) {
  int asked = 0;
  ListingControl control{[&] { return ++asked > 2; }, nullptr};
  const ListingResult r = runListing(reg_, ListingKind::WST, params(1, 2, 0), out_, control);
  EXPECT_TRUE(r.stopped);
  EXPECT_EQ(lines(out_), (V{"1|401|Tokarka|15-06-2025|10|491|1.200,00|90,00|10,00",
                            "2|402|Frezarka|15-06-2025|10|491|2.400,00|180,00|20,00"}));
}

TEST_F(ListingFrame, ProgressIsToldEverySelectedSlotOfTheCount) {
  std::vector<int> slots;
  ListingParams p = params(0, 0, 0);
  p.masks = {"7*"};
  ListingControl control{nullptr, [&](int slot, int count) {
                           slots.push_back(slot);
                           EXPECT_EQ(count, reg_.count());
                         }};
  runListing(reg_, ListingKind::WST, p, out_, control);
  EXPECT_EQ(slots, (std::vector<int>{4, 5}));  // 701 and the end slot
}

TEST_F(ListingFrame, APlaceSelectionTakesTheAssetsHeldThere) {
  reg_.find("401");
  reg_.currentRecord().Z[0] = text::fromUtf8("MU:150625,POKÓJ 12");
  reg_.find("402");
  reg_.currentRecord().Z[0] = "MU:150625,HALA 2";
  ListingParams p = params(0, 0, 0);
  p.places = {text::fromUtf8("pokój 1?")};
  const V report = run(ListingKind::TST, p);
  EXPECT_EQ(report, (V{"1|401|Tokarka", "rule=", "|ŚRODKI|RAZEM 1 poz."}));
}

// The masks: "?" any one character or none past the symbol's end, "*" any run.
TEST_F(ListingFrame, MasksTakeTheSymbolsTheyCover) {
  AssetRegister reg;
  for (const char* s : {"A", "A1", "A12", "AB", "B1", "b2"})
    add(reg, asset(s, "Regał", day(1, 2, 2025), 100, 10));
  auto symbols = [&](std::vector<std::string> masks) {
    ListingParams p = params(0, 0, 0);
    p.masks = std::move(masks);
    runListing(reg, ListingKind::TST, p, out_);
    V out;
    for (int r = 1; r <= out_.rowCount(); ++r)
      if (!out_.isRule(r) && out_.cell(r, 0) != "") out.emplace_back(out_.cell(r, 1));
    return out;
  };
  EXPECT_EQ(symbols({"A?"}), (V{"A", "A1", "AB"}));
  EXPECT_EQ(symbols({"A*"}), (V{"A", "A1", "A12", "AB"}));
  EXPECT_EQ(symbols({"?1"}), (V{"A1", "B1"}));
  EXPECT_EQ(symbols({"b?", "A"}), (V{"A", "B1", "b2"}));  // compared upper-cased
  EXPECT_EQ(symbols({}), (V{"A", "A1", "A12", "AB", "B1", "b2"}));
}

TEST_F(ListingFrame, TheNameFilterTakesOrDropsNamesWhateverTheirCase) {
  AssetRegister reg;
  add(reg, asset("1", "Krzesło biurowe", day(1, 2, 2025), 100, 10));
  add(reg, asset("2", "KRZESŁO OBROTOWE", day(1, 2, 2025), 100, 10));
  add(reg, asset("3", "Stół", day(1, 2, 2025), 100, 10));
  auto symbols = [&](ListingKind kind, const char* filter) {
    ListingParams p = params(0, 0, 0);
    p.nameFilter = text::fromUtf8(filter);
    runListing(reg, kind, p, out_);
    V out;
    for (int r = 1; r <= out_.rowCount(); ++r)
      if (!out_.isRule(r) && !out_.cell(r, 1).starts_with("RAZEM"))
        out.emplace_back(out_.cell(r, 0));
    return out;
  };
  EXPECT_EQ(symbols(ListingKind::WSTShort, "-krzesło"), (V{"3"}));
  EXPECT_EQ(symbols(ListingKind::WSTShort, "krzesŁo"), (V{"1", "2"}));
  EXPECT_EQ(symbols(ListingKind::WSTShort, ""), (V{"1", "2", "3"}));
}

// The final block adds up to the grosz with the engine, and with the rows
// when the zero-value assets are listed too. 703, liquidated whole in March,
// has no value left but its March charge and its liquidation count.
TEST_F(ListingFrame, FinalTotalsEqualTheEngineAndTheRows) {
  AssetRecord sold = asset("702", "Ciągnik", day(20, 5, 2024), 50000, 20);
  sold.Z[0] = text::fromUtf8("LT:150226,LT 3/26,10000,00zł");
  add(reg_, sold);
  AssetRecord gone = asset("703", "Przyczepa", day(20, 5, 2024), 36000, 20);
  gone.Z[0] = "LT:150326,LT 5/26";
  add(reg_, gone);
  AssetRecord moved = asset("405", "Piła", day(3, 3, 2025), 1999.99L, 30);
  moved.Z[0] = text::fromUtf8("PT:010326,ODDZIAŁ,999,99zł");
  add(reg_, moved);
  long double engineSums[3] = {0, 0, 0};
  DepreciationEngine engine;
  for (int slot = 1; slot < reg_.count(); ++slot) {
    const WorkingRecord& wr = engine.compute(reg_, slot, day(31, 3, 2026));
    engineSums[0] += wr.split.gross;
    engineSums[1] += wr.summary.accumDay;
    engineSums[2] += wr.summary.chargeMonth;
  }
  ASSERT_NE(engineSums[2], 0);

  for (bool zeroListed : {false, true}) {
    SCOPED_TRACE(zeroListed);
    ListingParams p = params(1, 2, 0);
    p.listZeroValue = zeroListed;
    runListing(reg_, ListingKind::WST, p, out_);
    long double rows[3] = {0, 0, 0};
    int last = 0;
    for (int r = 1; r <= out_.rowCount(); ++r) {
      if (out_.isRule(r)) continue;
      if (out_.cell(r, 0) != "" && out_.cell(r, 3) != "")
        for (int c = 0; c < 3; ++c) rows[c] += listing_test::money(out_.cell(r, 6 + c));
      if (out_.cell(r, 2).starts_with("RAZEM")) last = r;
    }
    ASSERT_NE(last, 0);
    for (int c = 0; c < 3; ++c) {
      const long double total = listing_test::money(out_.cell(last, 6 + c));
      EXPECT_TRUE(text::equalMoney(total, engineSums[c])) << c << ": " << total;
      if (zeroListed) {
        EXPECT_TRUE(text::equalMoney(total, rows[c])) << c << ": " << rows[c];
      }
    }
  }
  // The liquidations and the transfer show below their rows, negated; the
  // group counts the whole liquidation after "/".
  auto shown = [&](std::string_view start) {
    for (const std::string& line : lines(out_))
      if (line.starts_with(start)) return true;
    return false;
  };
  EXPECT_TRUE(shown("|||w tym kor.|LT||-10.000,00|-"));
  EXPECT_TRUE(shown("|||w tym kor.|LT||-36.000,00|-"));
  EXPECT_TRUE(shown("|||w tym kor.|PT||-999,99|-"));
  ListingParams p = params(1, 2, 0);
  runListing(reg_, ListingKind::WST, p, out_);
  EXPECT_TRUE(shown("|w tym korekty|związane z LT : 1/1 poz.||||-46.000,00|-"));
}

}  // namespace
}  // namespace zefir::operations
