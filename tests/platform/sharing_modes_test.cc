// Sharing modes between processes and within one process.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "platform/file_system.h"
#include "platform/shared_file.h"
#include "test_dir.h"

namespace zefir::platform {
namespace {

using testing::TempDir;

// Runs `body` in a child process and returns its exit status.
template <typename F>
int inChild(F body) {
  pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

// Opens `path` with `mode` in a child: 0 when it opened, 1 when busy, 2 otherwise.
int childOpen(const std::string& path, ShareMode mode) {
  return inChild([&] {
    SharedFile f;
    OpenError e = f.open(path, mode);
    return e == OpenError::None ? 0 : e == OpenError::Busy ? 1 : 2;
  });
}

class SharingModes : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(writeWholeFile(path, "data")); }
  TempDir dir;
  std::string path = dir.file("Srodki.PST");
};

TEST_F(SharingModes, ReadDenyWriteLetsOthersReadButNotWrite) {
  SharedFile reader;
  ASSERT_EQ(reader.open(path, ShareMode::ReadDenyWrite), OpenError::None);
  EXPECT_EQ(childOpen(path, ShareMode::ReadDenyWrite), 0);
  EXPECT_EQ(childOpen(path, ShareMode::ReadWriteDenyNone), 1);
  EXPECT_EQ(childOpen(path, ShareMode::Exclusive), 1);
}

TEST_F(SharingModes, DenyNoneAppenderLetsAppendersInButKeepsDenyWriteReadersOut) {
  SharedFile appender;
  ASSERT_EQ(appender.open(path, ShareMode::ReadWriteDenyNone), OpenError::None);
  EXPECT_EQ(childOpen(path, ShareMode::ReadWriteDenyNone), 0);
  // A reader that denies writing cannot open while someone writes.
  EXPECT_EQ(childOpen(path, ShareMode::ReadDenyWrite), 1);
  EXPECT_EQ(childOpen(path, ShareMode::Exclusive), 1);
}

TEST_F(SharingModes, ExclusiveKeepsEveryoneOutAndClosingLetsThemIn) {
  SharedFile owner;
  ASSERT_EQ(owner.open(path, ShareMode::Exclusive), OpenError::None);
  EXPECT_EQ(childOpen(path, ShareMode::ReadDenyWrite), 1);
  EXPECT_EQ(childOpen(path, ShareMode::ReadWriteDenyNone), 1);
  owner.close();
  EXPECT_EQ(childOpen(path, ShareMode::Exclusive), 0);
}

TEST_F(SharingModes, TwoOpensInOneProcessConflictLikeTwoProcesses) {
  SharedFile a, b;
  ASSERT_EQ(a.open(path, ShareMode::Exclusive), OpenError::None);
  EXPECT_EQ(b.open(path, ShareMode::ReadDenyWrite), OpenError::Busy);
  EXPECT_FALSE(b.isOpen());
  // A refused open must not have disturbed the holder's locks.
  EXPECT_EQ(childOpen(path, ShareMode::ReadDenyWrite), 1);
}

TEST_F(SharingModes, LockIsReleasedWhenItsProcessDies) {
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  pid_t pid = ::fork();
  if (pid == 0) {
    SharedFile f;
    char ok = f.open(path, ShareMode::Exclusive) == OpenError::None ? 'y' : 'n';
    (void)!::write(ready[1], &ok, 1);
    ::pause();  // killed below while holding the file
    ::_exit(0);
  }
  char ok = 0;
  ASSERT_EQ(::read(ready[0], &ok, 1), 1);
  ASSERT_EQ(ok, 'y');
  SharedFile mine;
  EXPECT_EQ(mine.open(path, ShareMode::ReadDenyWrite), OpenError::Busy);
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  EXPECT_EQ(mine.open(path, ShareMode::ReadDenyWrite), OpenError::None);
  ::close(ready[0]);
  ::close(ready[1]);
}

TEST_F(SharingModes, MissingFileIsNotFoundUnlessCreated) {
  SharedFile f;
  EXPECT_EQ(f.open(dir.file("none"), ShareMode::ReadDenyWrite), OpenError::NotFound);
  ASSERT_EQ(f.open(dir.file("new"), ShareMode::ReadWriteDenyNone, Creation::OpenOrCreate),
            OpenError::None);
  EXPECT_EQ(f.size(), 0);
}

TEST_F(SharingModes, RefusedTruncatingOpenLeavesTheDataAlone) {
  SharedFile reader, writer;
  ASSERT_EQ(reader.open(path, ShareMode::ReadDenyWrite), OpenError::None);
  EXPECT_EQ(writer.open(path, ShareMode::Exclusive, Creation::CreateTruncate), OpenError::Busy);
  EXPECT_EQ(reader.size(), 4);
}

}  // namespace
}  // namespace zefir::platform

namespace zefir::platform {
namespace {

// Deny-none appenders in four processes write at once; the append lock keeps
// every record whole and aligned, after a torn tail padded once.
TEST(ConcurrentAppenders, FourProcessesNeverOverwriteEachOther) {
  testing::TempDir dir;
  std::string path = dir.file("j");
  ASSERT_TRUE(writeWholeFile(path, "torn"));
  constexpr int kEach = 3000;
  int start[2];
  ASSERT_EQ(::pipe(start), 0);
  std::vector<pid_t> children;
  for (char who = 'a'; who < 'e'; ++who) {
    pid_t pid = ::fork();
    if (pid == 0) {
      SharedFile f;
      if (f.open(path, ShareMode::ReadWriteDenyNone) != OpenError::None) ::_exit(1);
      char go;
      if (::read(start[0], &go, 1) != 1) ::_exit(2);
      std::string rec(128, who);
      for (int i = 0; i < kEach; ++i) f.append(rec.data(), rec.size(), 128);
      ::_exit(0);
    }
    children.push_back(pid);
  }
  ASSERT_EQ(::write(start[1], "GGGG", 4), 4);  // all start at once
  for (pid_t pid : children) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
  ::close(start[0]);
  ::close(start[1]);
  std::string all = *readWholeFile(path);
  ASSERT_EQ(all.size(), 128u * (1 + 4 * kEach));
  EXPECT_EQ(all.substr(0, 128), "torn" + std::string(124, '\0'));
  std::map<char, int> counts;
  for (std::size_t at = 128; at < all.size(); at += 128) {
    std::string rec = all.substr(at, 128);
    ASSERT_EQ(rec, std::string(128, rec[0])) << "record " << at / 128 << " mixed";
    ++counts[rec[0]];
  }
  for (char who = 'a'; who < 'e'; ++who) EXPECT_EQ(counts[who], kEach);
}

}  // namespace
}  // namespace zefir::platform
