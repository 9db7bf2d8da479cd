#include "shell/settings_pages.h"

#include <gtest/gtest.h>

#include "../platform/test_dir.h"
#include "operations/pick_list.h"
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

// F4 on a field of the window and printer pages lists what the field may
// hold: the value it holds by default is one of the list's keys, and every
// key fits the field's box. The plain numbers (margins, spacings, the
// distance from the top) have no list.
TEST_F(SettingsPages, F4ListsOfTheWindowAndPrinterPagesOfferTheFieldsOwnValues) {
  operations::PickListSources sources;
  sources.screenHeight = 1024;  // one monitor: the second window's lengths go up to 1600
  int withList = 0;
  for (int slot : {82, 83})
    for (const auto& line : settingsPageLayout(slot))
      for (const auto& f : line) {
        const int list = settingsPickList(f.code);
        if (f.code.empty() || list < 0) continue;
        ++withList;
        const std::string value = settingFieldText(registers, state, f.code, slot);
        ASSERT_FALSE(value.empty()) << f.code;
        const operations::PickList rows = operations::buildPickList(list, sources, "");
        bool offered = false;
        for (const std::string& row : rows.rows()) {
          const std::string key = operations::acceptRow(list, row).key;
          EXPECT_LE(static_cast<int>(key.size()), f.width) << f.code << ": " << row;
          offered = offered || key == value;
        }
        EXPECT_TRUE(offered) << f.code << " does not offer " << value;
      }
  EXPECT_EQ(withList, 16);
  EXPECT_EQ(settingsPickList("OkFo"), 'F');
  EXPECT_EQ(settingsPickList("PrBo"), 'B');
  EXPECT_EQ(settingsPickList("RaPo"), 'P');
  EXPECT_EQ(settingsPickList("RaWy"), 'Q');  // the first report window: this screen
  EXPECT_EQ(settingsPickList("RzWy"), 'O');  // the second: the second monitor
  EXPECT_EQ(settingsPickList("DirJ"), 'K');  // the subfolders holding a base
  for (const char* code : {"OkMx", "OkDx", "OkMy", "OkDy", "OkEz", "OkEm", "RaMa", "RzMa", "Pod1"})
    EXPECT_EQ(settingsPickList(code), -1) << code;
}

}  // namespace
}  // namespace zefir::shell
