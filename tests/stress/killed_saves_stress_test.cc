// A workstation killed (SIGKILL) at a random moment while it saves, a hundred
// times over on one base. After each kill a full load succeeds, keeps every
// whole record, and leaves everything saved before the round as it was. In
// some rounds the file is also cut inside the round's last records, as a
// file server that went down mid-write leaves it: the torn tail is kept as it
// is and the next save pads it, so nothing before it moves.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>

#include "../register/base_test_util.h"
#include "platform/file_system.h"
#include "register/base_journal.h"
#include "register/base_saves.h"

namespace zefir {
namespace {

constexpr int kRounds = 100;

std::string symbolFor(int round, int n) {
  return "K" + std::to_string(round) + "-" + std::to_string(n);
}

AssetRecord assetFor(int round, int n) {
  AssetRecord a = testing::filledAsset(symbolFor(round, n));
  a.CeZa = round * 1000 + n;
  return a;
}

// The child: loads the base, says so, then saves new assets until killed,
// writing each save's number to `done` once the save has returned.
[[noreturn]] void saveUntilKilled(const std::string& path, int round, int done) {
  BaseJournal journal(path);
  journal.setWorkstationSuffix(base::workstationSuffix(5));
  AssetRegister reg;
  if (!journal.load(reg).ok()) ::_exit(1);
  const int ready = -1;
  if (::write(done, &ready, sizeof ready) != sizeof ready) ::_exit(2);
  for (int n = 0;; ++n) {
    if (!journal.saveAsset(reg, AssetRegister::emptyRecord(), assetFor(round, n)).ok()) ::_exit(3);
    if (::write(done, &n, sizeof n) != sizeof n) ::_exit(2);
  }
}

TEST(KilledSavesStress, EveryWholeRecordSurvivesAHundredKillsAndTornTails) {
  testing::TempDir dir;
  const std::string path = dir.file("Srodki.PST");
  std::mt19937 random(20261209);
  std::map<std::string, AssetRecord> kept;  // every asset saved whole so far
  int tornRounds = 0, paddedTears = 0;
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE("runda " + std::to_string(round));
    const std::string before = platform::readWholeFile(path).value_or("");
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(pipe[0]);
      saveUntilKilled(path, round, pipe[1]);
    }
    ::close(pipe[1]);
    int ready = 0;
    ASSERT_EQ(::read(pipe[0], &ready, sizeof ready), static_cast<ssize_t>(sizeof ready));
    ::usleep(std::uniform_int_distribution<useconds_t>(0, 15000)(random));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving workstation ended on its own";
    std::set<int> saved;
    for (int n; ::read(pipe[0], &n, sizeof n) == static_cast<ssize_t>(sizeof n);) saved.insert(n);
    ::close(pipe[0]);

    // Now and then the round's last write is cut short mid-record.
    const auto size = static_cast<std::int64_t>(std::filesystem::file_size(path));
    const auto grown = size - static_cast<std::int64_t>(before.size());
    std::int64_t cut = size;
    if (round % 3 == 1 && grown > 1) {
      cut = static_cast<std::int64_t>(before.size()) +
            std::uniform_int_distribution<std::int64_t>(1, grown - 1)(random);
      std::filesystem::resize_file(path, static_cast<std::uintmax_t>(cut));
      if (cut % base::kRecordSize) ++tornRounds;
    }

    const std::string after = platform::readWholeFile(path).value_or("");
    ASSERT_EQ(after.substr(0, before.size()), before) << "bytes written before the round moved";

    AssetRegister reg;
    BaseJournal journal(path);
    ASSERT_TRUE(journal.load(reg).ok());
    EXPECT_EQ(journal.readPosition(), cut / static_cast<std::int64_t>(base::kRecordSize));

    base::SaveTracker saves;
    std::map<std::string, std::int64_t> lastRecord;
    const JournalScan scan = scanJournal(path, [&](const ScannedRecord& r) {
      saves.add(r.index, *r.bytes, r.fault);
      if (r.fault == base::RecordFault::PaddedTorn) {
        ++paddedTears;
        return;
      }
      ASSERT_EQ(r.fault, base::RecordFault::None) << "record " << r.index;
      lastRecord[base::symbolOf(*r.bytes)] = r.index;
    });
    EXPECT_EQ(scan.tornBytes, cut % static_cast<std::int64_t>(base::kRecordSize));
    std::set<std::string> incomplete;
    for (const base::IncompleteSave& s : saves.incompleteLastSaves()) incomplete.insert(s.symbol);

    for (const auto& [symbol, asset] : kept) {
      ASSERT_TRUE(reg.exists(symbol)) << symbol;
      ASSERT_EQ(reg.currentRecord(), asset) << symbol;
      ASSERT_FALSE(incomplete.count(symbol)) << symbol;
    }
    // This round's saves: each one that returned before the cut is there
    // whole; any other is either whole or shows as incomplete.
    for (int n = 0;; ++n) {
      const std::string symbol = symbolFor(round, n);
      const bool present = reg.exists(symbol);
      if (!present && !saved.count(n)) break;
      ASSERT_TRUE(present || lastRecord.count(symbol) == 0) << symbol;
      if (!present) {
        ASSERT_TRUE(cut < size) << symbol << " saved and lost without a cut";
        continue;
      }
      if (incomplete.count(symbol)) {
        ASSERT_TRUE(cut < size || !saved.count(n)) << symbol;
        continue;
      }
      ASSERT_EQ(reg.currentRecord(), assetFor(round, n)) << symbol;
      kept[symbol] = assetFor(round, n);
    }
  }
  RecordProperty("torn_rounds", tornRounds);
  RecordProperty("padded_tears_seen", paddedTears);
  EXPECT_GT(tornRounds, 10);
  EXPECT_GT(paddedTears, 0) << "no save after a torn tail padded it";
  EXPECT_GT(kept.size(), static_cast<std::size_t>(kRounds));
}

}  // namespace
}  // namespace zefir
