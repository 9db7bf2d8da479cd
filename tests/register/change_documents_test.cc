// Placing change entries into months, and finding documents.
#include "register/change_documents.h"

#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace zefir {
namespace {

using testing::day;
using testing::makeAsset;

YearChanges place(const AssetRecord& a, int year, long double grossAtJanuary1) {
  YearChanges y;
  placeYearChanges(parseChangeEntries(a), a.DtOT, year, grossAtJanuary1, y);
  return y;
}

TEST(ChangeFamilies, KindsByFamily) {
  EXPECT_EQ(changeFamily("OZ"), ChangeFamily::Increase);
  EXPECT_EQ(changeFamily("LZ"), ChangeFamily::Decrease);
  EXPECT_EQ(changeFamily("PT"), ChangeFamily::Transfer);
  EXPECT_EQ(changeFamily("UU"), ChangeFamily::StopResume);
  EXPECT_EQ(changeFamily("PA"), ChangeFamily::Correction);
  EXPECT_EQ(changeFamily("KP"), ChangeFamily::Attribute);
  EXPECT_EQ(changeFamily("UD"), ChangeFamily::Attribute);
  EXPECT_EQ(changeFamily("KX"), ChangeFamily::None);
  EXPECT_EQ(changeFamily("ZZ"), ChangeFamily::None);
}

TEST(ChangePlacement, FirstJanuaryGoesToSlotZeroAndUndatedToTheAcceptance) {
  const AssetRecord a = makeAsset(day(15, 3, 2020), 1000, 'L', 10,
                                  {"OT:010121,FV1,500", "OZ:,FV2,200", "ot:100221,FV3,50"});
  const YearChanges y2021 = place(a, 2021, 1000);
  EXPECT_DOUBLE_EQ(y2021.months[0].increase, 500);
  EXPECT_DOUBLE_EQ(y2021.months[1].increase, 0);
  EXPECT_DOUBLE_EQ(y2021.months[2].increase, 50);  // the kind is read upper-cased
  const YearChanges y2020 = place(a, 2020, 0);
  EXPECT_DOUBLE_EQ(y2020.months[3].increase, 200);  // undated: at DtOT
  EXPECT_EQ(y2020.leavingMonth, -1);
}

TEST(ChangePlacement, DecreaseWithoutAmountTakesTheWholeCurrentValue) {
  const AssetRecord a = makeAsset(day(15, 3, 2019), 1000, 'L', 10,
                                  {"OZ:100220,FV,300", "LN:150420,,100", "LT:200520,LT 7/20"});
  const YearChanges y = place(a, 2020, 1000);
  EXPECT_DOUBLE_EQ(y.months[4].decrease, 100);
  EXPECT_DOUBLE_EQ(y.months[5].decrease, 1200);  // 1,000 + 300 - 100
  EXPECT_EQ(y.leavingMonth, 5);
  EXPECT_EQ(y.liquidationDocument, "LT 7/20");
  const AssetRecord t = makeAsset(day(15, 3, 2019), 1000, 'L', 10, {"PT:150620,ODDZIA\xA3"});
  EXPECT_DOUBLE_EQ(place(t, 2020, 1000).months[6].transfer, 1000);
}

TEST(ChangePlacement, EveryLiquidationKindDecreases) {
  const AssetRecord a = makeAsset(day(15, 3, 2019), 1000, 'L', 10,
                                  {"LN:100220,,10", "LS:100320,,20", "LZ:100420,,30"});
  const YearChanges y = place(a, 2020, 1000);
  EXPECT_DOUBLE_EQ(y.months[2].decrease, 10);
  EXPECT_DOUBLE_EQ(y.months[3].decrease, 20);
  EXPECT_DOUBLE_EQ(y.months[4].decrease, 30);
  EXPECT_EQ(y.leavingMonth, 4);
}

TEST(ChangePlacement, MarksAndCorrections) {
  const AssetRecord a = makeAsset(
      day(15, 3, 2019), 1000, 'L', 10,
      {"WU:100520", "UU:050920", "PK:150320,DOC,50z\xB3", "PA:010120,,300", "PK:200320,,-20"});
  const YearChanges y = place(a, 2020, 1000);
  EXPECT_EQ(y.months[5].mark, 'W');
  EXPECT_EQ(y.months[9].mark, 'U');
  EXPECT_EQ(y.months[0].mark, 'V');
  EXPECT_DOUBLE_EQ(y.months[0].correction, 300);
  // A later correction of the same month replaces the earlier one.
  EXPECT_DOUBLE_EQ(y.months[3].correction, -20);
  EXPECT_EQ(place(a, 2021, 1000).months[5].mark, ' ');
}

TEST(ChangeDocuments, NthDocumentOfAKind) {
  const AssetRecord a = makeAsset(day(15, 3, 2019), 1000, 'L', 10,
                                  {"OT:100220,FV,300", "MU:100220,POK 1", "ot:100320,FV2,50"});
  int ordinal = 0;
  EXPECT_EQ(nthDocument(a, "OT", 2, &ordinal), "100320,FV2,50");
  EXPECT_EQ(ordinal, 3);
  EXPECT_EQ(nthDocument(a, "LT", 1, &ordinal), "");
  EXPECT_EQ(ordinal, 255);
}

TEST(ChangeDocuments, FirstOtDescribedFromTheRecord) {
  AssetRecord a = makeAsset(day(15, 3, 2019), 1234.5L, 'L', 10);
  a.Dost = "HURTOWNIA";
  a.DdOT = "OT 1/19";
  a.DdZa = "FV 9";
  a.DtZa = day(1, 3, 2019);
  EXPECT_EQ(firstOtDescription(a), "150319,HURTOWNIA,1234.5,OT 1/19,FV 9,010319");
}

}  // namespace
}  // namespace zefir
