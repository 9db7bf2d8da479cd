#include "shell/desktop_files.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/shared_file.h"
#include "platform/status_line.h"
#include "shell_test_folder.h"
#include "text/codepage.h"

namespace zefir::shell {
namespace {

using testing::ProgramFolder;

class DesktopFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { setStatusLine(&status); }
  void TearDown() override { setStatusLine(nullptr); }
  ProgramFolder folder;
  RememberingStatusLine status;
};

TEST_F(DesktopFilesTest, ExistsSaysWhatItWasAskedTo) {
  ProgramFolder::write("dane/Osoby.OST", "x");
  EXPECT_TRUE(fileExists("dane/Osoby.OST"));
  EXPECT_EQ(status.last_text, "");
  EXPECT_TRUE(fileExists("dane\\Osoby.OST", kSayWhenMissing));
  EXPECT_EQ(status.last_text, "");
  EXPECT_FALSE(fileExists("dane/Konta.KST", kSayWhenMissing));
  EXPECT_EQ(status.last_text, "Nie ma dane/Konta.KST");
  EXPECT_EQ(status.last_kind, StatusKind::Error);
  EXPECT_TRUE(fileExists("dane/Osoby.OST", kSayWhenPresent));
  EXPECT_EQ(status.last_text, "0becny dane/Osoby.OST");
}

TEST_F(DesktopFilesTest, BackupNameReplacesTheExtension) {
  EXPECT_EQ(backupPath("dane\\Srodki.PST"), "dane\\Srodki.BAK");
  EXPECT_EQ(backupPath("a.b/KST"), "a.b/KST.BAK");
  EXPECT_EQ(backupPath("Zefir.x.BAL"), "Zefir.x.BAK");
}

TEST_F(DesktopFilesTest, BackupReplacesAnOldOneAndWaitsForAHolder) {
  ProgramFolder::write("Osoby.OST", "new");
  ProgramFolder::write("Osoby.BAK", "old");
  ASSERT_TRUE(backupByRenaming("Osoby.OST"));
  EXPECT_FALSE(platform::exists("Osoby.OST"));
  EXPECT_EQ(ProgramFolder::read("Osoby.BAK"), "new");
  EXPECT_EQ(status.last_text, "");  // nothing had to be repeated

  ProgramFolder::write("Konta.KST", "k");
  platform::SharedFile holder;
  ASSERT_EQ(holder.open("Konta.KST", platform::ShareMode::ReadDenyWrite),
            platform::OpenError::None);
  EXPECT_FALSE(backupByRenaming("Konta.KST"));  // held through all five attempts
  EXPECT_TRUE(platform::exists("Konta.KST"));
  {
    // The holder lets go during the first wait: the second attempt succeeds.
    static platform::SharedFile* releasing;
    releasing = &holder;
    platform::RestoreSystemCalls restore;
    platform::systemCalls().sleepMs = [](int) { releasing->close(); };
    EXPECT_TRUE(backupByRenaming("Konta.KST"));
  }
  EXPECT_EQ(status.last_text, text::fromUtf8("Poszło"));
  EXPECT_EQ(status.last_kind, StatusKind::Notice);
  EXPECT_EQ(ProgramFolder::read("Konta.BAK"), "k");
}

}  // namespace
}  // namespace zefir::shell
