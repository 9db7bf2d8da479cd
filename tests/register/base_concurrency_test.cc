// Several workstations appending to one base at once.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "base_test_util.h"
#include "platform/shared_file.h"
#include "register/base_journal.h"

namespace zefir {
namespace {

constexpr int kWorkstations = 4;
constexpr int kSavesEach = 300;

std::string symbolFor(int station, int i) {
  return "P" + std::to_string(station) + "-" + std::to_string(i);
}

// Retry waits a tenth as long as in the program, so the four workstations
// take turns many times within the test instead of one finishing all its
// saves while the others wait out their first retry.
void shortSleep(int ms) {
  ::usleep(static_cast<useconds_t>(ms) * 100);
}

// One workstation: waits for the start, loads the base, then saves its assets
// one by one through the retry protocol, each save reading what the others
// appended.
int workstation(const std::string& path, int station, int startPipe) {
  platform::systemCalls().sleepMs = shortSleep;
  char go;
  if (::read(startPipe, &go, 1) != 1) return 4;
  BaseJournal journal(path);
  journal.setWorkstationSuffix(base::workstationSuffix(station));
  AssetRegister reg;
  if (!journal.load(reg).ok()) return 1;
  for (int i = 0; i < kSavesEach; ++i) {
    AssetRecord a = testing::filledAsset(symbolFor(station, i));
    a.CeZa = station * 10000 + i;
    if (!journal.saveAsset(reg, AssetRegister::emptyRecord(), a).ok()) return 2;
    if (!reg.exists(a.Symb) || !(reg.currentRecord() == a)) return 3;
  }
  return 0;
}

TEST(ConcurrentAppends, FourWorkstationsSaveAtOnceAndReplayFindsEveryAssetIntact) {
  testing::TempDir dir;
  std::string path = dir.file("Srodki.PST");
  int start[2];
  ASSERT_EQ(::pipe(start), 0);
  std::vector<pid_t> children;
  for (int station = 1; station <= kWorkstations; ++station) {
    pid_t pid = ::fork();
    if (pid == 0) ::_exit(workstation(path, station, start[0]));
    children.push_back(pid);
  }
  ASSERT_EQ(::write(start[1], "GGGG", kWorkstations), kWorkstations);  // all at once
  ::close(start[0]);
  ::close(start[1]);
  for (pid_t pid : children) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
  AssetRegister reg;
  BaseJournal journal(path);
  ASSERT_TRUE(journal.load(reg).ok());
  ASSERT_EQ(reg.assetCount(), kWorkstations * kSavesEach);
  const int recordsEach = 1 + 1 + 5 + 5 + 9;  // kinds of a filled asset
  EXPECT_EQ(journal.readPosition(), kWorkstations * kSavesEach * recordsEach);
  int skipped = 0, writerChanges = 0;
  char lastWriter = 0;
  (void)scanJournal(path, [&](const ScannedRecord& r) {
    if (r.fault != base::RecordFault::None) ++skipped;
    char writer = base::stampOf(*r.bytes).writer[2];
    if (writer != lastWriter) ++writerChanges;
    lastWriter = writer;
  });
  EXPECT_EQ(skipped, 0);
  RecordProperty("writer_changes", writerChanges);  // how much the saves interleaved
  for (int station = 1; station <= kWorkstations; ++station)
    for (int i = 0; i < kSavesEach; ++i) {
      AssetRecord a = testing::filledAsset(symbolFor(station, i));
      a.CeZa = station * 10000 + i;
      ASSERT_TRUE(reg.exists(a.Symb)) << a.Symb;
      ASSERT_EQ(reg.currentRecord(), a) << a.Symb;
    }
}

}  // namespace
}  // namespace zefir
