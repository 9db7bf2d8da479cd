// The asset descriptions as of a day and for a year, read back line by line.
#include "operations/asset_description.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "operations/operation_registry.h"

namespace zefir::operations {
namespace {

using listing_test::day;
using listing_test::lines;

bool hasLine(const std::vector<std::string>& ls, const std::string& line) {
  return std::find(ls.begin(), ls.end(), line) != ls.end();
}

bool hasLabel(const std::vector<std::string>& ls, const std::string& label) {
  return std::any_of(ls.begin(), ls.end(),
                     [&](const std::string& l) { return l.rfind(label + "|", 0) == 0; });
}

// 12,000.00 accepted on 15 June 2025 at 20 % a year: 200.00 a month from July.
AssetRecord lathe() {
  AssetRecord a = listing_test::asset("401", "Tokarka", day(15, 6, 2025), 12000, 20);
  a.Na2w = text::fromUtf8("z osprzętem");
  a.Opis[2] = "nr fabr. 77";
  a.DdOT = "OT 5/2025";
  return a;
}

TEST(AssetDescription, AsOfDayShowsTheRecordTheRatesAndTheComputedValues) {
  AssetRecord a = lathe();
  output::ReportBuffer out;
  writeAssetDescription(a, day(31, 3, 2026), Basis::Balance, "Srodki", out);
  const std::vector<std::string> ls = lines(out);

  EXPECT_EQ(out.code(), "OST");
  EXPECT_EQ(text::toUtf8(out.params()), "Srodki na dzień 31-03-2026");
  ASSERT_GE(ls.size(), 4u);
  EXPECT_EQ(ls[0], "Symbol inwentarzowy|401");
  EXPECT_EQ(ls[1], "Opis|Tokarka");
  // The buffer trims the cells, so the labels' leading blanks do not show here.
  EXPECT_EQ(ls[2], "|z osprzętem");
  EXPECT_EQ(ls[3], "|nr fabr. 77");
  EXPECT_TRUE(hasLine(ls, "Data przyjęcia|15-06-2025"));
  EXPECT_TRUE(hasLine(ls, "- wartość OT|12.000,00"));
  EXPECT_TRUE(hasLine(ls, "- dowód OT|OT 5/2025"));
  EXPECT_TRUE(hasLine(ls, "Metoda umorzenia|Liniowa"));
  EXPECT_TRUE(hasLine(ls, "- symbol KŚT|491"));
  EXPECT_TRUE(hasLine(ls, "- stawka amort.|20%"));

  // Six months of 2025 stand at 1 January; three more by the end of March.
  EXPECT_TRUE(hasLine(ls, "Wartość brutto na 1-sty-2026|( + )       12.000,00"));
  EXPECT_TRUE(hasLine(ls, "Wartość inwentarzowa|12.000,00"));
  EXPECT_TRUE(hasLine(ls, "Amortyzacja bieżąca|( + )          600,00"));
  EXPECT_TRUE(hasLine(ls, "Umorzenie na 1-sty-2026|( + )        1.200,00"));
  EXPECT_TRUE(hasLine(ls, "Umorzenie do 31-03-2026|1.800,00"));
}

TEST(AssetDescription, OpeningBalanceAndCoefficientLinesOnlyWhenTheyApply) {
  AssetRecord a = lathe();
  output::ReportBuffer out;
  writeAssetDescription(a, day(31, 3, 2026), Basis::Balance, "B", out);
  std::vector<std::string> ls = lines(out);
  EXPECT_FALSE(hasLabel(ls, "W ewidencji od roku"));
  EXPECT_FALSE(hasLabel(ls, "- współ.amort."));
  EXPECT_TRUE(hasLabel(ls, "- stawka amort."));

  // A coefficient never filled in counts as 1 too.
  a.K[0].WsPo = 0;
  writeAssetDescription(a, day(31, 3, 2026), Basis::Balance, "B", out);
  EXPECT_FALSE(hasLabel(lines(out), "- współ.amort."));

  a.RokP = 2024;
  a.WaUm = 500;
  a.K[0].StPo = 12.5;
  a.K[0].WsPo = 2;
  writeAssetDescription(a, day(31, 3, 2026), Basis::Balance, "B", out);
  ls = lines(out);
  EXPECT_TRUE(hasLine(ls, "W ewidencji od roku|2024"));
  EXPECT_TRUE(hasLine(ls, "- wart.pocz.brutto|12.000,00"));
  EXPECT_TRUE(hasLine(ls, "- wart.pocz.umorzenia|500,00"));
  EXPECT_TRUE(hasLine(ls, "- stawka amort.|12.5%"));
  EXPECT_TRUE(hasLine(ls, "- współ.amort.|25%"));
}

TEST(AssetDescription, TransfersAndLiquidationsAreShownApartAndEntriesListedInOrder) {
  AssetRecord a = lathe();
  a.Z[0] = text::fromUtf8("PT:100226,PT 1/26,2000,00zł");
  a.Z[1] = text::fromUtf8("LT:150326,LT 3/26,1000,00zł");
  output::ReportBuffer out;
  writeAssetDescription(a, day(31, 3, 2026), Basis::Balance, "B", out);
  const std::vector<std::string> ls = lines(out);
  EXPECT_TRUE(hasLine(ls, "Przeniesienia wartości brutto ~PT|( ~ )        2.000,00"));
  EXPECT_TRUE(hasLine(ls, "Zmniejszenia wartości brutto ~LT|( = )        1.000,00"));
  EXPECT_TRUE(hasLine(ls, "Zwiększenia wartości brutto ~OT|( ~ )"));
  EXPECT_TRUE(hasLine(ls, "Wartość inwentarzowa|9.000,00"));
  ASSERT_GE(ls.size(), 3u);
  EXPECT_EQ(ls[ls.size() - 3], "|PT:100226,PT 1/26,2000,00zł");
  EXPECT_EQ(ls[ls.size() - 2], "|LT:150326,LT 3/26,1000,00zł");
}

TEST(FullAssetDescription, FieldsRatesParsedEntriesAndYearsFromTheChosenYear) {
  AssetRecord a = lathe();
  a.K[1].date = day(1, 1, 2027);
  a.K[1].SKST = "492";
  a.K[1].StPo = 30;
  a.Z[0] = text::fromUtf8("MU:010725,HALA 2");
  a.Z[1] = text::fromUtf8("LT:300628,LT 1/28");
  output::ReportBuffer out;
  writeFullAssetDescription(a, 2026, Basis::Balance, out);
  const std::vector<std::string> ls = lines(out);
  EXPECT_EQ(out.code(), "OSP");
  EXPECT_EQ(out.columns().size(), 6u);
  EXPECT_TRUE(hasLine(ls, "RI.Nazw|Tokarka|RI.Symb|401|RI.Opis[3]|nr fabr. 77"));
  EXPECT_TRUE(hasLine(ls, "RI.K[1] od pocz.|SKST=491|StPo=20|WsPo=1|StBi=20|WsBi=1"));
  EXPECT_TRUE(hasLine(ls, "RI.K[2] od 01-01-2027|SKST=492|StPo=30|WsPo=0|StBi=0|WsBi=0"));
  EXPECT_TRUE(hasLine(ls, "RI.Z[1]|MU:010725,HALA 2"));
  EXPECT_TRUE(hasLine(ls, "D=01-07-2025|C=MU|K=HALA 2|W=|Z=|N="));
  EXPECT_FALSE(hasLine(ls, "RI.P[2025]"));
  EXPECT_FALSE(hasLine(ls, "RI.P[2029]")) << "liquidated in 2028, nothing left after it";
  EXPECT_TRUE(hasLine(ls, "RI.P[2026]"));
  EXPECT_TRUE(hasLine(ls, "RI.P[2027]"));
  EXPECT_TRUE(hasLine(ls, "RI.P[2028]"));
}

TEST(DescriptionOperations, RunFromTheCatalogueAndRefuseAnUnknownSymbol) {
  registerBuiltOperations();
  AssetRegister reg;
  listing_test::add(reg, lathe());
  output::ReportBuffer out;
  RunEnvironment env;
  env.assets = &reg;
  env.baseFolder = "/tmp/firma/Baza1/";
  env.report = &out;
  FieldValues v;
  v.set("SroJ", "401");
  v.set("DaDo", "310326");
  ASSERT_TRUE(wykonaOpc(*findOption("OpiST"), v, env).status.ok());
  EXPECT_EQ(text::toUtf8(out.params()), "Baza1 na dzień 31-03-2026");
  v.set("Rok4", "2026");
  ASSERT_TRUE(wykonaOpc(*findOption("InfST"), v, env).status.ok());
  EXPECT_EQ(out.code(), "OSP");

  // A typed text that is no day is refused, not replaced by the closing day.
  v.set("DaDo", "xyz");
  EXPECT_FALSE(wykonaOpc(*findOption("OpiST"), v, env).status.ok());
  v.set("DaDo", "310326");

  v.set("SroJ", "999");
  const RunOutcome r = wykonaOpc(*findOption("OpiST"), v, env);
  EXPECT_FALSE(r.status.ok());
  EXPECT_EQ(text::toUtf8(r.status.message()), "Nie ma środka o symbolu 999");
}

}  // namespace
}  // namespace zefir::operations
