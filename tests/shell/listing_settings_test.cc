// The base register's settings as the listings read them.
#include "shell/listing_settings.h"

#include <gtest/gtest.h>

#include "../platform/test_dir.h"
#include "platform/file_system.h"
#include "text/dates.h"

namespace zefir::shell {
namespace {

TEST(ListingSettings, AFreshRegisterGivesTheDefaults) {
  SettingsRegister base;
  const operations::ListingSettings s = listingSettingsFrom(base);
  EXPECT_EQ(s.openingDay, text::dayFromDate(2018, 1, 1));
  EXPECT_EQ(s.closingDay, text::dayFromDate(2018, 12, 31));
  EXPECT_EQ(s.depths[0], 0);
  EXPECT_EQ(s.depths[1], 1);
  EXPECT_EQ(s.depths[2], 3);
  EXPECT_FALSE(s.showZeroValue);
  EXPECT_EQ(s.basis, Basis::Balance);
}

TEST(ListingSettings, TheWorkstationsEntriesAreRead) {
  testing::TempDir dir;
  const std::string path = dir.file("Zefir.BAL");
  std::string text = registerHeader(path) + "\r\n";
  for (auto [key, value] : {std::pair{"DatyBOBZ", "010126;300626"},
                            {"GlebPods", "1;;4"},
                            {"PokZlikw", "T"},
                            {"AmBilPod", "P"}})
    text += entryLine(key, ".002", value) + "\r\n";
  text += entryLine("PokZlikw", ".003", "N") + "\r\n";
  ASSERT_TRUE(platform::writeWholeFile(path, text));
  SettingsRegister base;
  ASSERT_TRUE(base.load(path, ".002").ok());
  const operations::ListingSettings s = listingSettingsFrom(base);
  EXPECT_EQ(s.openingDay, text::dayFromDate(2026, 1, 1));
  EXPECT_EQ(s.closingDay, text::dayFromDate(2026, 6, 30));
  EXPECT_EQ(s.depths[0], 1);
  EXPECT_EQ(s.depths[1], 1);  // an empty field keeps its default
  EXPECT_EQ(s.depths[2], 4);
  EXPECT_TRUE(s.showZeroValue);
  EXPECT_EQ(s.basis, Basis::Tax);
}

}  // namespace
}  // namespace zefir::shell
