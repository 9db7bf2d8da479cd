// Reading, writing, aligned appends, Windows paths and the shared clock.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <string>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/shared_file.h"
#include "test_dir.h"
#include "text/dates.h"

namespace zefir::platform {
namespace {

using testing::TempDir;

TEST(WindowsPaths, DriveLettersBackslashesAndUncAreMapped) {
  setDriveRoot('c', "/tmp/croot/");
  EXPECT_EQ(nativePath("C:\\Wrzos-temp.005\\Srodki.7BT"), "/tmp/croot/Wrzos-temp.005/Srodki.7BT");
  EXPECT_EQ(nativePath("c:Wrzos"), "/tmp/croot/Wrzos");
  setDriveRoot('C', "");
  EXPECT_EQ(nativePath("C:\\x"), "/tmp/x");
  EXPECT_EQ(nativePath("d:/Baza\\Srodki.PST"), "/mnt/d/Baza/Srodki.PST");
  EXPECT_EQ(nativePath("Baza\\#\\Zefir.BAL"), "Baza/#/Zefir.BAL");
  EXPECT_EQ(nativePath("\\\\serwer\\dzial\\Srodki.PST"), "//serwer/dzial/Srodki.PST");
  EXPECT_EQ(nativePath("/home/a/b"), "/home/a/b");
  EXPECT_EQ(folderOf("Baza\\Srodki.PST"), "Baza\\");
  EXPECT_EQ(fileNameOf("a/b\\Srodki.PST"), "Srodki.PST");
  EXPECT_EQ(folderOf("Srodki.PST"), "");
}

// A file beyond what is ever read whole (a sparse file here, so the test
// writes nothing) is refused before its bytes are read; one within is read.
TEST(WholeFiles, AFileBeyondTheBoundIsRefusedUnread) {
  TempDir dir;
  const std::string path = dir.file("duzy.txt");
  ASSERT_TRUE(writeWholeFile(path, "abc"));
  EXPECT_EQ(readWholeFile(path), "abc");
  std::filesystem::resize_file(path, kMaxWholeFileBytes + 1);
  EXPECT_EQ(readWholeFile(path), std::nullopt);
}

TEST(SharedFileIo, AppendPadsATornTailToTheAlignment) {
  TempDir dir;
  std::string path = dir.file("j");
  ASSERT_TRUE(writeWholeFile(path, std::string(130, 'a')));  // one whole block and 2 bytes torn
  SharedFile f;
  ASSERT_EQ(f.open(path, ShareMode::ReadWriteDenyNone), OpenError::None);
  std::string rec(128, 'r');
  EXPECT_EQ(f.append(rec.data(), rec.size(), 128), 256);
  EXPECT_EQ(f.append(rec.data(), rec.size(), 128), 384);
  std::string all = *readWholeFile(path);
  ASSERT_EQ(all.size(), 512u);
  EXPECT_EQ(all.substr(0, 130), std::string(130, 'a'));  // nothing written is rewritten
  EXPECT_EQ(all.substr(130, 126), std::string(126, '\0'));
  EXPECT_EQ(all.substr(256), rec + rec);
}

TEST(SharedFileIo, ReadAtStopsAtTheEnd) {
  TempDir dir;
  std::string path = dir.file("j");
  ASSERT_TRUE(writeWholeFile(path, "abcdef"));
  SharedFile f;
  ASSERT_EQ(f.open(path, ShareMode::ReadDenyWrite), OpenError::None);
  char buf[8] = {};
  EXPECT_EQ(f.readAt(4, buf, sizeof buf), 2u);
  EXPECT_EQ(std::string(buf, 2), "ef");
  EXPECT_EQ(f.size(), 6);
}

TEST(FileHelpers, FoldersRenameRemoveStampAndProbe) {
  TempDir dir;
  std::string nested = dir.path() + "\\a\\b";
  EXPECT_TRUE(createFolder(nested));
  EXPECT_TRUE(isFolder(dir.path() + "/a/b"));
  std::string f = nested + "\\x.tmp";
  ASSERT_TRUE(writeWholeFile(f, "1"));
  EXPECT_TRUE(fileStamp(f).has_value());
  EXPECT_TRUE(renameFile(f, nested + "\\y"));
  EXPECT_FALSE(exists(f));
  EXPECT_TRUE(removeFile(nested + "\\y"));
  EXPECT_FALSE(fileStamp(nested + "\\y").has_value());

  // The probe file is removed again; its clock agrees with the local clock on
  // a local disk. A probe that cannot be created falls back to the local clock.
  std::string probe = dir.file("Tmp.005");
  ClockReading local = localClock();
  ClockReading shared = sharedClock(probe);
  EXPECT_FALSE(exists(probe));
  EXPECT_NEAR(shared.day * 1440 + shared.minutes, local.day * 1440 + local.minutes, 2);
  ClockReading fallback = sharedClock(dir.file("missing/Tmp.005"));
  EXPECT_NEAR(fallback.day * 1440 + fallback.minutes, local.day * 1440 + local.minutes, 2);
}

TEST(Clocks, LocalClockGivesTheDayNumberOfTodaysCalendarDate) {
  std::time_t now = std::time(nullptr);
  ClockReading c = localClock();
  std::tm local{};
  localtime_r(&now, &local);
  EXPECT_EQ(c.day, text::dayFromDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday));
  EXPECT_NEAR(c.minutes, local.tm_hour * 60 + local.tm_min, 1);
}

}  // namespace
}  // namespace zefir::platform
