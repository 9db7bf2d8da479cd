#include "shell/desktop_rules.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "shell/command_file.h"
#include "shell/temp_folder.h"
#include "shell_test_folder.h"
#include "text/codepage.h"

namespace zefir::shell {
namespace {

using testing::ProgramFolder;

TEST(DesktopRules, StatusColoursByKindAndIdleColourByLayout) {
  EXPECT_EQ(statusColour(StatusKind::Error), (Rgb{0xFF, 0xBB, 0x77}));
  EXPECT_EQ(statusColour(StatusKind::Notice), (Rgb{0xBB, 0xFF, 0xBB}));
  EXPECT_EQ(statusColour(StatusKind::Information), (Rgb{0x77, 0xBB, 0xFF}));
  EXPECT_EQ(idleColour(false), (Rgb{0xD2, 0xD0, 0xC0}));
  EXPECT_EQ(idleColour(true), (Rgb{0xD8, 0xE8, 0xF8}));
  EXPECT_TRUE(compactLayout("Bold", 10));
  EXPECT_FALSE(compactLayout("Bold", 11));
  EXPECT_FALSE(compactLayout("----", 9));
}

TEST(DesktopRules, ClockAndLoadTimeTexts) {
  std::tm t{};
  t.tm_mday = 31;
  t.tm_mon = 11;
  t.tm_hour = 7;
  t.tm_min = 5;
  EXPECT_EQ(clockText(t), "31-12 07:05");
  EXPECT_EQ(loadTimeText(text::fromUtf8("Środków: 12   Srodki.PST"), 0.25),
            text::fromUtf8("Środków: 12  0.25 s"));
}

TEST(DesktopRules, LoadingCaptionNamesBaseWorkstationAndAChangedFolder) {
  const std::string gap(9, ' ');
  std::string c =
      loadingCaption("demo\\Srodki.PST", "", ".001", "Okno: 5,5 800x600", "demo\\", "demo\\");
  EXPECT_EQ(c, gap + "Zefir" + gap + text::fromUtf8("Zorza - Środki trwałe") + gap +
                   "demo\\Srodki.PST" + gap + gap + "ID.001" + gap + "Okno: 5,5 800x600");
  c = loadingCaption("b\\Srodki.PST", "", ".001", "", "a\\", "b\\");
  EXPECT_EQ(c.substr(c.size() - 9), "       b\\");
}

TEST(DesktopRules, AdministratorsMessageIsReadOnceAndDeleted) {
  ProgramFolder folder;
  EXPECT_FALSE(takeAdminMessage(".005").has_value());
  ProgramFolder::write("!/OdAdmina.005", "Logout\r\nsecond line");
  ProgramFolder::write("!/OdAdmina.006", std::string(100, 'x'));
  EXPECT_EQ(takeAdminMessage(".005").value(), "Logout");
  EXPECT_FALSE(platform::exists("!/OdAdmina.005"));
  EXPECT_FALSE(takeAdminMessage(".005").has_value());
  EXPECT_EQ(takeAdminMessage(".006").value(), std::string(80, 'x'));
}

TEST(DesktopRules, CommandFileLines) {
  EXPECT_EQ(classifyCommandLine("").kind, CommandLine::Skip);
  EXPECT_EQ(classifyCommandLine("x").kind, CommandLine::Skip);
  EXPECT_EQ(classifyCommandLine("00").kind, CommandLine::End);
  EXPECT_EQ(classifyCommandLine("007 koniec").kind, CommandLine::End);
  EXPECT_EQ(classifyCommandLine("The End").kind, CommandLine::End);
  CommandLine wait = classifyCommandLine("@3");
  EXPECT_EQ(wait.kind, CommandLine::Wait);
  EXPECT_EQ(wait.seconds, 3);
  EXPECT_EQ(classifyCommandLine("@0").kind, CommandLine::Comment);
  EXPECT_EQ(classifyCommandLine("@ uwaga").kind, CommandLine::Comment);
  EXPECT_EQ(classifyCommandLine("@x").kind, CommandLine::Stop);
  EXPECT_EQ(classifyCommandLine("DA").kind, CommandLine::Stop);
}

TEST(DesktopRules, TemporaryFolderFromTheTempFilesWhenItPassesTheProbe) {
  ProgramFolder folder;
  std::filesystem::create_directories("own");
  std::filesystem::create_directories("common");
  ProgramFolder::write("#/Temp.004", (folder.path() / "own").string() + "\\\r\n");
  ProgramFolder::write("#/Temp", (folder.path() / "common").string() + "\r\n");
  auto c = temporaryFolderCandidates(".004");
  ASSERT_GE(c.size(), 5u);
  EXPECT_EQ(c[0], (folder.path() / "own").string());
  EXPECT_EQ(c[1], (folder.path() / "common").string());
  EXPECT_EQ(c[4], "C:\\Temp");

  EXPECT_EQ(chooseTemporaryFolder(".004"), (folder.path() / "own").string());
  EXPECT_EQ(chooseTemporaryFolder(".005"), (folder.path() / "common").string());
  // The probe leaves nothing behind.
  EXPECT_TRUE(std::filesystem::is_empty("own"));
  EXPECT_FALSE(probeTemporaryFolder("nie-ma", ".004"));
}

}  // namespace
}  // namespace zefir::shell
