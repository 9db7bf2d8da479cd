// The open retry protocol with a lock that stays busy (injected).
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/open_retry.h"
#include "platform/status_line.h"
#include "test_dir.h"

namespace zefir::platform {
namespace {

using testing::TempDir;

// Records every status text shown.
class RecordingStatusLine : public StatusLine {
 public:
  void show(std::string_view text, StatusKind kind) override {
    texts.emplace_back(text);
    kinds.push_back(kind);
  }
  std::vector<std::string> texts;
  std::vector<StatusKind> kinds;
};

// Injected system calls: every lock attempt is busy while `busyLocks` > 0
// (each attempt counts one down); sleeps are recorded instead of slept.
int busyLocks = 0;
std::vector<int> sleeps;

int busyLock(int fd, int cmd, void* lock, int* error) {
  if (busyLocks > 0) {
    --busyLocks;
    *error = busyLockError();
    return -1;
  }
  return realSystemCalls().lock(fd, cmd, lock, error);
}

class OpenRetry : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(writeWholeFile(path, "x"));
    systemCalls().lock = busyLock;
    systemCalls().sleepMs = [](int ms) { sleeps.push_back(ms); };
    sleeps.clear();
    setStatusLine(&status);
  }
  void TearDown() override { setStatusLine(nullptr); }

  TempDir dir;
  std::string path = dir.file("Srodki.PST");
  RestoreSystemCalls restore;
  RecordingStatusLine status;
};

TEST_F(OpenRetry, LockBusyThroughEveryAttemptGivesUpAfter110RetriesAndClearsStatus) {
  busyLocks = 1'000'000;
  SharedFile f;
  EXPECT_FALSE(openWithRetry(f, path, ShareMode::ReadDenyWrite, Creation::OpenExisting,
                             "aTProcH:WczytajBazeDanych"));
  EXPECT_FALSE(f.isOpen());
  ASSERT_EQ(sleeps.size(), 110u);
  for (int ms : sleeps) {
    EXPECT_GE(ms, 1);
    EXPECT_LE(ms, 99);
  }
  ASSERT_EQ(status.texts.size(), 111u);
  EXPECT_EQ(status.texts[0], "@110 " + path + " z aTProcH:WczytajBazeDanych");
  EXPECT_EQ(status.kinds[0], StatusKind::Error);
  EXPECT_EQ(status.texts[109], "@1 " + path + " z aTProcH:WczytajBazeDanych");
  EXPECT_EQ(status.texts.back(), "");
  EXPECT_EQ(status.kinds.back(), StatusKind::Information);
  busyLocks = 0;
}

TEST_F(OpenRetry, OpensAfterSomeBusyAttemptsAndClearsStatus) {
  busyLocks = 3;  // the first three opens fail at their first lock call
  SharedFile f;
  EXPECT_TRUE(openWithRetry(f, path, ShareMode::ReadWriteDenyNone, Creation::OpenExisting,
                            "bZestaw:Dopisz"));
  EXPECT_TRUE(f.isOpen());
  EXPECT_EQ(sleeps.size(), 3u);
  ASSERT_EQ(status.texts.size(), 4u);
  EXPECT_EQ(status.texts[2], "@108 " + path + " z bZestaw:Dopisz");
  EXPECT_EQ(status.texts[3], "");
  EXPECT_EQ(status.kinds[3], StatusKind::Information);
}

TEST_F(OpenRetry, FirstAttemptSuccessShowsNothing) {
  SharedFile f;
  EXPECT_TRUE(
      openWithRetry(f, path, ShareMode::ReadDenyWrite, Creation::OpenExisting, "bZestaw:Doczytaj"));
  EXPECT_TRUE(sleeps.empty());
  EXPECT_TRUE(status.texts.empty());
}

TEST_F(OpenRetry, RealHolderInThisProcessMakesEveryAttemptBusy) {
  systemCalls().lock = realSystemCalls().lock;
  SharedFile holder, f;
  ASSERT_EQ(holder.open(path, ShareMode::Exclusive), OpenError::None);
  EXPECT_FALSE(openWithRetry(f, path, ShareMode::ReadDenyWrite, Creation::OpenExisting, "t"));
  EXPECT_EQ(sleeps.size(), 110u);
}

}  // namespace
}  // namespace zefir::platform
