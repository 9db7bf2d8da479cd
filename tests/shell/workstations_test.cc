#include "shell/workstations.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "shell_test_folder.h"
#include "text/codepage.h"

namespace zefir::shell {
namespace {

using testing::ProgramFolder;

TEST(Workstations, MarkerPathCarriesTheSuffixWithNetworkWorkOn) {
  EXPECT_EQ(markerPath("", ".005", true), "Kosz/!Prac-ST.005");
  EXPECT_EQ(markerPath("dane\\", ".005", true), "Kosz/dane\\!Prac-ST.005");
  EXPECT_EQ(markerPath("", ".xxx", false), "Kosz/!Prac-ST");
}

TEST(Workstations, CrashedWorkstationsMarkerIsDeletedAndNotCounted) {
  ProgramFolder folder;
  ProgramFolder::write("Kosz/!Prac-ST.007", "");  // nobody holds it
  platform::SharedFile held;
  ProgramFolder::write("Kosz/!Prac-ST.012", "");
  ASSERT_EQ(held.open("Kosz/!Prac-ST.012", platform::ShareMode::Exclusive),
            platform::OpenError::None);
  ProgramFolder::write("Kosz/other.txt", "");

  WorkingWorkstations w = countWorkingWorkstations("Kosz/");
  EXPECT_EQ(w.count, 1);
  EXPECT_TRUE(w.working[12]);
  EXPECT_FALSE(w.working[7]);
  EXPECT_FALSE(platform::exists("Kosz/!Prac-ST.007"));
  EXPECT_TRUE(platform::exists("Kosz/!Prac-ST.012"));
  EXPECT_TRUE(platform::exists("Kosz/other.txt"));
  EXPECT_EQ(countWorkingWorkstations("nie-ma/").count, 0);
}

TEST(Workstations, CountLooksInTheWholeMarkerFolderOfALongBaseFolder) {
  // Cut to 20 characters, "Kosz/ksiegowosc-2026/" would become "Kosz/ksiegowosc-2026"
  // and the count would look beside the markers instead of at them.
  ProgramFolder folder;
  StartupMarker running;
  ASSERT_EQ(running.create(markerPath("ksiegowosc-2026-glowna/", ".021", true)),
            StartupMarker::Result::Created);
  ProgramFolder::write("Kosz/ksiegowosc-2026-glowna/!Prac-ST.022", "");
  WorkingWorkstations w = countWorkingWorkstations(markerFolder("ksiegowosc-2026-glowna/"));
  EXPECT_EQ(w.count, 1);
  EXPECT_TRUE(w.working[21]);
  EXPECT_FALSE(platform::exists("Kosz/ksiegowosc-2026-glowna/!Prac-ST.022"));
}

TEST(Workstations, SecondStartOfTheSameWorkstationIsRefused) {
  ProgramFolder folder;
  StartupMarker first;
  ASSERT_EQ(first.create(markerPath("dane/", ".003", true)), StartupMarker::Result::Created);
  EXPECT_TRUE(platform::exists("Kosz/dane/!Prac-ST.003"));  // folders made on the retry

  // The count sees the running workstation and leaves its marker alone.
  EXPECT_EQ(countWorkingWorkstations("Kosz/dane/").count, 1);
  StartupMarker second;
  EXPECT_EQ(second.create(markerPath("dane/", ".003", true)),
            StartupMarker::Result::AlreadyRunning);
  EXPECT_FALSE(second.held());

  first.release();
  EXPECT_FALSE(platform::exists("Kosz/dane/!Prac-ST.003"));
  EXPECT_EQ(second.create(markerPath("dane/", ".003", true)), StartupMarker::Result::Created);
}

TEST(Workstations, TableIsCreatedAndClearedForWorkstationsNotRunning) {
  ProgramFolder folder;
  WorkingWorkstations w;
  ASSERT_TRUE(clearIdleWorkstations(kWorkstationTable, w).ok());
  std::string table = ProgramFolder::read("!/!.!");
  ASSERT_EQ(table.size(), 50000u);
  EXPECT_EQ(table.find_first_not_of('\0'), std::string::npos);

  std::string filled(50000, 'x');
  ProgramFolder::write("!/!.!", filled);
  w.working[3] = true;
  w.working[199] = true;
  ASSERT_TRUE(clearIdleWorkstations(kWorkstationTable, w).ok());
  table = ProgramFolder::read("!/!.!");
  ASSERT_EQ(table.size(), 50000u);
  EXPECT_EQ(table.substr(3 * 250, 250), std::string(250, 'x'));
  EXPECT_EQ(table.substr(199 * 250, 250), std::string(250, 'x'));
  EXPECT_EQ(table.substr(4 * 250, 250), std::string(250, '\0'));
  EXPECT_EQ(table.substr(0, 250), std::string(250, '\0'));
}

TEST(Workstations, TableThatCannotBeCreatedStopsWithItsMessage) {
  ProgramFolder folder;
  ProgramFolder::write("!", "a file where the folder should be");
  Status s = clearIdleWorkstations(kWorkstationTable, {});
  ASSERT_FALSE(s.ok());
  EXPECT_EQ(s.message(), text::fromUtf8("Nie mogę założyć !\\!.!"));
}

}  // namespace
}  // namespace zefir::shell
