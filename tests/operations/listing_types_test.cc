// The report types besides WST: their columns, the group rows with the
// groups' names, and the types that take only some assets.
#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "operations/listing_frame.h"

namespace zefir::operations {
namespace {

using listing_test::add;
using listing_test::asset;
using listing_test::day;
using listing_test::lines;
using V = std::vector<std::string>;

// The columns as the report window's header gets them: alignment letter and
// width, then the header lines ("/" before the second when there is one).
std::string columnsOf(const output::ReportBuffer& b) {
  std::string out;
  for (const output::ReportColumn& c : b.columns()) {
    if (!out.empty()) out += "; ";
    out += c.align + std::to_string(c.width) + " " + text::toUtf8(c.header1);
    if (!c.header2.empty()) out += "/" + text::toUtf8(c.header2);
  }
  return out;
}

const char* const kPlate = "p5 Lp; l15 Symbol środka/(inwentarzowy); l80 Nazwa/(opis)";
const char* const kGroup =
    "l60 Symbol i nazwa/grupy środków; p5 Ilość; p15 Wartość OT/(inwentarzowa); "
    "p15 Umorzenie/dotychczasowe";
const char* const kDepreciated =
    "p5 Lp; l15 Symbol środka/trwałego; l50 Nazwa/(opis); p15 Wartość OT/(inwentarzowa)";

struct Expected {
  ListingKind kind;
  const char* code;
  const char* title;
  int stretch;
  std::string columns;
};

TEST(ListingTypes, EveryTypeDeclaresItsCodeTitleAndColumns) {
  const std::vector<Expected> table = {
      {ListingKind::TST, "TST", "Tabliczka środków trwałych", 3, kPlate},
      {ListingKind::WST, "WST", "Wykaz środków trwałych", 3,
       "p5 Lp; l15 Symbol środka/(inwentarzowy); l40 Nazwa/(opis); c10 Data/OT; c4 St*Ws/[%]; "
       "l3 KŚT; p13 Wartość OT/(inwentarzowa); p12 Umorzenie/narastająco; "
       "p10 Umorzenie/miesięczne"},
      {ListingKind::PWS, "PWS", "Pełny wykaz środków trwałych", 3,
       "p5 Lp; l15 Symbol środka/(inwentarzowy); l50 Nazwa/(opis); c10 Data OT/D-d zakupu; "
       "c5 St*Ws/KŚT; p15 Wartość OT/Amortyzacja; p15 Umorzenie; l10 opis"},
      {ListingKind::ZZA, "ZZA", "Zrzut zerowych do archiwum", 3, kPlate},
      {ListingKind::IBS, "IBS", "Import bazy środków trwałych", 3, kPlate},
      {ListingKind::RGS, "RGS", "Renumeracja grupy środków", 3, kPlate},
      {ListingKind::KST, "KST", "Kartoteka środków trwałych", 3,
       "p5 Lp; l15 Symbol środka/trwałego; l50 Nazwa/(opis); c10 Data OT/Dowód zak.; "
       "p15 Wartość/(inwentarzowa); l8 St.am./[ % ]; p15 Umorzenie/dotychczasowe"},
      {ListingKind::WSTShort, "WST", "Wykaz środków trwałych - skrót", 2,
       "l15 Symbol środka/trwałego; l90 Nazwa wydłużona/(oba opisy); l50 Nazwa/(opis); "
       "l50 c.d nazwy/(dodatkowy opis); l50 Nazwa/(opis); p15 Wartość OT/(inwentarzowa); "
       "p15 Dotychczasowe/umorzenie; p15 ewentualnie/ilość"},
      {ListingKind::SCU, "SCU", "Środki całkowicie umorzone", 3, kDepreciated},
      {ListingKind::ZST, "ZST", "Zlikwidowane środki trwałe", 3,
       std::string(kDepreciated) + "; p15 Umorzenie/dotychczasowe; c5 Mies."},
      {ListingKind::NST, "NST", "Nowoprzyjęte środki trwałe", 3,
       "p5 Lp.; l15 Symbol środka/trwałego; l50 Nazwa/(opis); p15 Wartość OT/(inwentarzowa); "
       "p15 Wartość/umorzenia; c10 Data/OT"},
      {ListingKind::KIW, "KIW", "Kartoteka ilościowo-wartościowa", 1, kGroup},
      {ListingKind::EXC, "EXC", "Zestawienie środków trwałych", 1,
       "p4 Lp; c1 Grupa; l40 Nazwa; c15 Nr inwentarzowy; c3 KŚT; c10 Data OT; p15 Wartość OT; "
       "p15 Umorzenie; c5 Stawka/podat.; c5 Stawka/bilan.; c10 Źródło/finansowania; "
       "l40 Krótki opis/techniczny"},
      {ListingKind::KPA, "KPA", "Księgowanie planu amortyzacji", 1, kGroup},
      {ListingKind::BZZ, "BZZ", "BO, zwiększenia i zmniejszenia", 1,
       "l60 Symbol i nazwa/grupy środków; p15 Wartość/pocz.OT; p15 Zwiększenia/wart.OT; "
       "p15 Zmniejszenia/wart.OT; p15 Wartość/końcowa OT; p15 Wartość/pocz.Um; "
       "p15 Zwiększenia/wart.Um; p15 Zmniejszenia/wart.Um; p15 Wartość/końcowa Um; "
       "p15 Wartość/końcowa netto"},
      {ListingKind::PZZ, "PZZ", "BO, zw. i zmn. z pełną listą środków", 1, kGroup},
      {ListingKind::AZZ, "AZZ", "BO, zw. i zmn. analitycznie OT/LT/..", 1, kGroup},
      {ListingKind::P12, "P12", "Plan amortyzacji 12.miesięczny", 1, kGroup},
      {ListingKind::PA, "PA", "Plan amortyzacji", 1, kGroup},
      {ListingKind::ZM, "ZM", "Zestawienie miesięczne", 1, kGroup},
      {ListingKind::PWN, "PWN", "Przeliczenie wartości netto", 1, kGroup},
      {ListingKind::STG, "STG", "Środki trwałe grupami z opisem", 1, kGroup},
      {ListingKind::ZKS, "ZKS", "Zestawienie kontrolne stawek", 1, kGroup},
      {ListingKind::RBPValues, "RBP", "Różnice bilansowo-podatkowe", 1,
       "l15 Symbol środka/trwałego; l40 Nazwa/(opis); p15 Wartość OT/środka; "
       "p15 Umorzenie/bilansowe; p15 Wart.netto/bilansowa; p15 Umorzenie/podatkowe; "
       "p15 Wart.netto/podatkowa; p15 Różnica"},
      {ListingKind::RBPDepreciation, "RBP", "Różnice bilansowo-podatkowe", 1,
       "l15 Symbol środka/trwałego; l40 Nazwa/(opis); p15 Amortyzacja/bilansowa; "
       "p5 Stawka/amort.; p15 Amortyzacja/podatkowa; p5 Stawka/amort.; p15 Różnica; "
       "p15 Umorzenie/bilansowe; p15 Umorzenie/podatkowe; p15 Różnica"},
      {ListingKind::PAm, "PAm", "Planowanie amortyzacji", 1, kGroup},
  };
  ASSERT_EQ(table.size(), static_cast<std::size_t>(kListingKinds));
  AssetRegister empty;
  ListingParams p;
  p.reportDay = day(31, 12, 2025);
  for (const Expected& e : table) {
    SCOPED_TRACE(e.code);
    output::ReportBuffer b;
    runListing(empty, e.kind, p, b);
    EXPECT_EQ(b.code(), e.code);
    EXPECT_EQ(text::toUtf8(b.title()), e.title);
    EXPECT_EQ(b.stretch(), e.stretch);
    EXPECT_EQ(columnsOf(b), e.columns);
  }
}

using GroupRows = listing_test::SmallBase;

TEST_F(GroupRows, GroupLayoutWritesOneRowPerGroupWithItsName) {
  EXPECT_EQ(
      run(ListingKind::KIW, 1, 2, 0),
      (V{"40  - - -|2|3.600,00|270,00", "rule-",
         "4  MASZYNY, URZĄDZENIA i APARATY OgZa|2|3.600,00|270,00",
         "rule=", "70  - - -|1|36.000,00|1.200,00", "rule-",
         "7  ŚRODKI TRANSPORTU|1|36.000,00|1.200,00", "rule=", "RAZEM|3|39.600,00|1.470,00"}));
}

TEST_F(GroupRows, WithTheInnerLevelOnAThinRuleOpensEachMiddleRow) {
  const V report = run(ListingKind::KIW, 1, 2, 3);
  // An inner group named by the record of its key; the zero-value asset's
  // group is shown with no count.
  EXPECT_EQ(report[0], "401  Tokarka|1|1.200,00|90,00");
  EXPECT_EQ(report[2], "403  Wiertarka");
  EXPECT_EQ(report[3], "rule.");
  EXPECT_EQ(report[4], "40  - - -|2|3.600,00|270,00");
  EXPECT_EQ(report[5], "rule-");
}

TEST_F(GroupRows, StatementShowsOpeningIncreasesDecreasesAndClosingPerGroup) {
  EXPECT_EQ(
      run(ListingKind::BZZ, 1, 0, 0),
      (V{"GRUPA  4  MASZYNY, URZĄDZENIA i APARATY OgZa|3.600,00|||3.600,00|180,00|90,00||"
         "270,00|3.330,00",
         "rule=", "GRUPA  7  ŚRODKI TRANSPORTU||36.000,00||36.000,00||1.200,00||1.200,00|34.800,00",
         "rule=", "RAZEM|3.600,00|36.000,00||39.600,00|180,00|1.290,00||1.470,00|38.130,00"}));
}

TEST_F(GroupRows, StatementOfAPeriodOpensOnTheDayBeforeIt) {
  // From 1 March: 401 and 402 stand at 80.00 and 160.00, 701 at 600.00.
  ListingParams p = params(1, 0, 0);
  p.periodStart = day(1, 3, 2026);
  const V report = run(ListingKind::BZZ, p);
  EXPECT_EQ(report[0],
            "GRUPA  4  MASZYNY, URZĄDZENIA i APARATY OgZa|3.600,00|||3.600,00|240,00|30,00||"
            "270,00|3.330,00");
  EXPECT_EQ(report.back(), "RAZEM|39.600,00|||39.600,00|840,00|630,00||1.470,00|38.130,00");
  EXPECT_EQ(text::toUtf8(out_.params()), "od 01-03-2026 do 31-03-2026");
}

TEST_F(GroupRows, StatementLabelsEachLevelAndARecordNamesItsGroup) {
  add(reg_, asset("7", "Pojazdy firmowe", day(1, 1, 2020), 0, 0));
  const V report = run(ListingKind::BZZ, 1, 2, 3);
  EXPECT_EQ(report[0].substr(0, report[0].find('|')), "401  Tokarka");
  EXPECT_NE(std::find(report.begin(), report.end(),
                      "SYNT. 40  - - -|3.600,00|||3.600,00|180,00|90,00||270,00|3.330,00"),
            report.end());
  bool named = false;
  for (const std::string& line : report) named |= line.starts_with("GRUPA  7  Pojazdy firmowe|");
  EXPECT_TRUE(named);
}

// Assets taken by the types that list only some of them.
class PartialTypes : public ::testing::Test {
 protected:
  void SetUp() override {
    add(reg_, asset("S1", "Stara prasa", day(15, 6, 2010), 1200, 10));  // fully depreciated
    add(reg_, asset("S2", "Tokarka", day(15, 6, 2025), 1200, 10));
    AssetRecord part = asset("L1", "Ciągnik", day(20, 5, 2024), 50000, 20);
    part.Z[0] = text::fromUtf8("LT:150226,LT 3/26,10000,00zł");
    add(reg_, part);
    AssetRecord whole = asset("L2", "Piła", day(15, 3, 2024), 600, 10);
    whole.Z[0] = "LT:150126,LT 1/26";
    add(reg_, whole);
    add(reg_, asset("N1", "Wózek", day(10, 2, 2026), 900, 10));
  }
  V symbols(ListingKind kind, DayNumber periodStart = 0) {
    ListingParams p;
    p.reportDay = day(31, 3, 2026);
    p.periodStart = periodStart;
    runListing(reg_, kind, p, out_);
    V out;
    for (int r = 1; r <= out_.rowCount(); ++r)
      if (!out_.isRule(r) && out_.cell(r, 0) != "") out.emplace_back(out_.cell(r, 1));
    return out;
  }
  AssetRegister reg_;
  output::ReportBuffer out_;
};

TEST_F(PartialTypes, FullyDepreciatedTakesOnlyAssetsDepreciatedToTheirValue) {
  EXPECT_EQ(symbols(ListingKind::SCU), (V{"S1"}));
}

TEST_F(PartialTypes, LiquidatedListsTheYearsLiquidationsEvenOfZeroValue) {
  EXPECT_EQ(symbols(ListingKind::ZST), (V{"L1", "L2"}));
  const V report = lines(out_);
  EXPECT_TRUE(report[0].starts_with("1|L1|Ciągnik|10.000,00|")) << report[0];
  EXPECT_TRUE(report[0].ends_with("|02")) << report[0];
  EXPECT_EQ(report[1], "2|L2|Piła|600,00|110,00|01");  // 5.00 a month, April 2024 to January 2026
}

TEST_F(PartialTypes, NewlyAcceptedTakesTheAcceptancesOfThePeriod) {
  EXPECT_EQ(symbols(ListingKind::NST), (V{"N1"}));
  EXPECT_EQ(symbols(ListingKind::NST, day(1, 3, 2026)), V{});
}

TEST(DifferenceTypes, BothBasesSideBySideWithTheirDifference) {
  AssetRegister reg;
  add(reg, asset("R1", "Regał", day(15, 6, 2025), 1200, 10, 20));
  ListingParams p;
  p.reportDay = day(31, 3, 2026);
  output::ReportBuffer out;
  runListing(reg, ListingKind::RBPValues, p, out);
  EXPECT_EQ(lines(out), (V{"R1|Regał|1.200,00|90,00|1.110,00|180,00|1.020,00|90,00",
                           "rule=", "ŚRODKI|RAZEM|1.200,00|90,00|1.110,00|180,00|1.020,00|90,00"}));
  runListing(reg, ListingKind::RBPDepreciation, p, out);
  EXPECT_EQ(lines(out)[0], "R1|Regał|30,00|10|60,00|20|30,00|90,00|180,00|90,00");
}

}  // namespace
}  // namespace zefir::operations
