#include "shell/settings_pages.h"

#include <gtest/gtest.h>

#include "../platform/test_dir.h"
#include "text/codepage.h"

namespace zefir::shell {
namespace {

using zefir::testing::TempDir;

class SettingsPages : public ::testing::Test {
 protected:
  void SetUp() override { load(registers); }
  void load(DesktopRegisters& r) {
    ASSERT_TRUE(r.program.load(dir.file("Zefir.BAL"), ".005").ok());
    ASSERT_TRUE(r.base.load(dir.file("Baza.BAL"), ".005").ok());
  }
  TempDir dir;
  DesktopRegisters registers;
  ShellState state;
};

TEST_F(SettingsPages, PageValuesSurviveARestartAndKeepTheKeysOtherFields) {
  operations::FieldValues page;
  page.set("Pod3", "2");
  page.set("Dla", text::fromUtf8("Spółka"));
  page.set("OkWi", "14");
  DesktopSettings carried;
  carried.values["GlebPods"] = "0;1;3";
  ASSERT_TRUE(storeSettingFields(page, 81, registers, state, &carried).ok());
  EXPECT_EQ(state.organisation, text::fromUtf8("Spółka"));
  EXPECT_EQ(state.windowFont.size, 14);
  // The close writes back what the page stored, not what was read at start.
  EXPECT_EQ(carried.values["GlebPods"], "0;2;3");

  DesktopRegisters again;
  load(again);
  EXPECT_EQ(again.base.text("GlebPods"), "0;2;3");
  EXPECT_EQ(again.program.text("KonOkien"), "c Consolas;Bold;14;9;6;6;4;3;2");
  EXPECT_EQ(settingFieldText(again, state, "Pod3", 81), "2");
  EXPECT_EQ(settingFieldText(again, state, "Dla", 81), text::fromUtf8("Spółka"));
}

TEST_F(SettingsPages, BasePagesMoveTheBaseAndAnEmptyNameIsSrodki) {
  operations::FieldValues page;
  page.set("DirJ", "Dane");
  page.set("BazJ", "");
  DesktopSettings carried;
  ASSERT_TRUE(storeSettingFields(page, 85, registers, state, &carried).ok());
  EXPECT_EQ(state.baseFolder, "Dane\\");
  EXPECT_EQ(state.baseName, "Srodki");
  EXPECT_EQ(carried.dirxFolder, "Dane");
  EXPECT_EQ(registers.program.text("DirxBaza"), "Dane;Srodki");
  // Option 18's base field switches the base itself; it is no setting there.
  EXPECT_FALSE(fieldSetting("BazJ", 18).has_value());
  EXPECT_TRUE(fieldSetting("BazJ", 86).has_value());
}

TEST_F(SettingsPages, PagesLayOutTheirFieldsAndOthersHaveNone) {
  EXPECT_TRUE(isSettingsPage(82));
  EXPECT_FALSE(isSettingsPage(81));  // a catalogue option
  auto window = settingsPageLayout(82);
  ASSERT_EQ(window.size(), 8u);
  EXPECT_EQ(window[0][0].code, "OkFo");
  EXPECT_EQ(window[6].size(), 4u);
  for (const auto& line : window)
    for (const auto& f : line) EXPECT_TRUE(fieldSetting(f.code, 82).has_value()) << f.code;
  EXPECT_TRUE(settingsPageLayout(20).empty());
}

}  // namespace
}  // namespace zefir::shell
