// From an option's parameter values and the base's settings to one listing run.
#include "operations/listing_options.h"

#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "operations/operation_registry.h"

namespace zefir::operations {
namespace {

using listing_test::day;

ListingSettings settings() {
  ListingSettings s;
  s.openingDay = day(1, 1, 2026);
  s.closingDay = day(31, 12, 2026);
  s.depths[0] = 1;
  s.depths[1] = 2;
  s.depths[2] = 4;
  s.showZeroValue = true;
  s.basis = Basis::Tax;
  return s;
}

// The option's fields present but empty, as the runner passes them.
FieldTexts fieldsOf(std::string_view option) {
  FieldTexts values;
  for (const std::string& code : listingFields(*findListingOption(option))) values[code] = {};
  return values;
}

TEST(ListingOptions, FieldsLeftEmptyTakeTheBaseSettings) {
  ListingParams p;
  ASSERT_TRUE(listingParams(fieldsOf("WykaS"), settings(), p).ok());
  EXPECT_EQ(p.reportDay, day(31, 12, 2026));
  EXPECT_EQ(p.periodStart, 0);  // WykaS has no period field
  EXPECT_EQ(p.pod1, 1);
  EXPECT_EQ(p.pod3, 2);
  EXPECT_EQ(p.pod7, 4);
  EXPECT_TRUE(p.listZeroValue);
  EXPECT_EQ(p.basis, Basis::Tax);
  EXPECT_TRUE(p.masks.empty());

  // Karto offers the middle level alone: the others are off.
  ASSERT_TRUE(listingParams(fieldsOf("Karto"), settings(), p).ok());
  EXPECT_EQ(p.pod1, 0);
  EXPECT_EQ(p.pod3, 2);
  EXPECT_EQ(p.pod7, 0);
  // Nowop's period starts on the opening day.
  ASSERT_TRUE(listingParams(fieldsOf("Nowop"), settings(), p).ok());
  EXPECT_EQ(p.periodStart, day(1, 1, 2026));
}

TEST(ListingOptions, GivenValuesWinAndARepeatedSelectionKeepsEveryMask) {
  FieldTexts values = fieldsOf("WykaD");
  values["SroW"] = {"4*", "", "7??"};
  values["DaDo"] = {"311225"};
  values["Pod3"] = {"0"};
  values["SroF"] = {"-KRZES"};
  values["Opis"] = {"3"};
  ListingParams p;
  ASSERT_TRUE(listingParams(values, settings(), p).ok());
  EXPECT_EQ(p.masks, (std::vector<std::string>{"4*", "7??"}));
  EXPECT_EQ(p.reportDay, day(31, 12, 2025));
  EXPECT_EQ(p.pod3, 0);
  EXPECT_EQ(p.nameFilter, "-KRZES");
  EXPECT_EQ(p.descriptionLine, 3);
}

TEST(ListingOptions, AnUnreadableDateOrDepthIsRefusedNamingTheField) {
  ListingParams p;
  FieldTexts values = fieldsOf("WykaS");
  values["DaDo"] = {"31-1"};
  Status s = listingParams(values, settings(), p);
  ASSERT_FALSE(s.ok());
  EXPECT_NE(s.message().find("DaDo"), std::string::npos);
  values = fieldsOf("WykaS");
  values["Pod7"] = {"x"};
  s = listingParams(values, settings(), p);
  ASSERT_FALSE(s.ok());
  EXPECT_NE(s.message().find("Pod7"), std::string::npos);
}

TEST(ListingOptions, EveryListingOptionRunsItsTypeToTheEndOfTheReport) {
  AssetRegister reg;
  listing_test::add(reg, listing_test::asset("401", "Tokarka", day(15, 6, 2025), 1200, 10));
  for (const ListingOption& o : listingOptions()) {
    SCOPED_TRACE(std::string(o.code));
    output::ReportBuffer out;
    ASSERT_TRUE(runListingOption(reg, o, {}, settings(), out).ok());
    EXPECT_TRUE(out.ended());
    EXPECT_EQ(out.code(), listingLayout(o.kind).code);
  }
  EXPECT_EQ(findListingOption("Plan12"), nullptr);
}

TEST(ListingOptions, TheMenuOptionRunsItsListingThroughTheCatalogue) {
  registerBuiltOperations();
  AssetRegister reg;
  listing_test::add(reg, listing_test::asset("401", "Tokarka", day(15, 6, 2025), 1200, 10));
  listingEnvironment().settings = settings();
  FieldValues values;
  values.set("DaDo", "310326");
  values.set("Pod1", "0");
  output::ReportBuffer out;
  RunEnvironment env;
  env.assets = &reg;
  env.report = &out;
  const RunOutcome r = wykonaOpc(*findOption("WykaS"), values, env);
  clearOperations();
  listingEnvironment() = {};
  ASSERT_TRUE(r.status.ok()) << r.status.message();
  ASSERT_TRUE(out.ended());
  EXPECT_EQ(listing_test::lines(out)[0], "1|401|Tokarka|15-06-2025|10|491|1.200,00|90,00|10,00");
}

TEST(ListingOptions, EscWhileTheListingRunsEndsTheReportWithWhatWasWritten) {
  registerBuiltOperations();
  AssetRegister reg;
  listing_test::add(reg, listing_test::asset("401", "Tokarka", day(15, 6, 2025), 1200, 10));
  listing_test::add(reg, listing_test::asset("402", "Frezarka", day(15, 6, 2025), 2400, 10));
  FieldValues values;
  values.set("DaDo", "310326");
  output::ReportBuffer out;
  RunEnvironment env;
  env.assets = &reg;
  env.report = &out;
  int asked = 0;
  env.stopRequested = [&] { return ++asked > 1; };
  const RunOutcome r = wykonaOpc(*findOption("WykaS"), values, env);
  clearOperations();
  EXPECT_TRUE(r.status.ok());
  EXPECT_TRUE(out.ended());
  EXPECT_EQ(
      listing_test::lines(out),
      (std::vector<std::string>{"1|401|Tokarka|15-06-2025|10|491|1.200,00|90,00|10,00", "rule="}));
}

}  // namespace
}  // namespace zefir::operations
