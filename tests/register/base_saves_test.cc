// Telling whole saves from saves cut short, in journals of this program and
// in those of older versions.
#include "register/base_saves.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "base_test_util.h"
#include "platform/file_system.h"
#include "platform/shared_file.h"
#include "register/base_journal.h"

namespace zefir {
namespace {

using base::BaseRecord;
using base::IncompleteSave;
using base::RecordKind;
using testing::filledAsset;

std::vector<IncompleteSave> incompleteIn(const std::string& path) {
  base::SaveTracker saves;
  (void)scanJournal(path, [&](const ScannedRecord& r) { saves.add(r.index, *r.bytes, r.fault); });
  return saves.incompleteLastSaves();
}

// A write of a whole save that stops after `writeCutAt` bytes, and the
// process with it, as a machine going down mid-write would.
std::size_t writeCutAt = 0;
long long cutWrite(int fd, const void* data, std::size_t n, long long offset, int* error) {
  if (n <= base::kRecordSize) return platform::realSystemCalls().pwrite(fd, data, n, offset, error);
  (void)platform::realSystemCalls().pwrite(fd, data, writeCutAt, offset, error);
  ::_exit(0);
}

class SaveCutShort : public ::testing::Test {
 protected:
  // Saves `edited` over `loaded` in a child process whose write stops after
  // `cut` bytes.
  void saveCutShort(const AssetRecord& loaded, const AssetRecord& edited, std::size_t cut) {
    pid_t pid = ::fork();
    if (pid == 0) {
      writeCutAt = cut;
      platform::systemCalls().pwrite = cutWrite;
      AssetRegister reg;
      BaseJournal journal(path);
      journal.setWorkstationSuffix(".009");
      (void)journal.load(reg);
      (void)journal.saveAsset(reg, loaded, edited);
      ::_exit(3);  // the write was not cut
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
  }
  void save(const AssetRecord& loaded, const AssetRecord& edited) {
    AssetRegister reg;
    BaseJournal journal(path);
    journal.setWorkstationSuffix(".002");
    ASSERT_TRUE(journal.load(reg).ok());
    ASSERT_TRUE(journal.saveAsset(reg, loaded, edited).ok());
  }

  testing::TempDir dir;
  std::string path = dir.file("Srodki.PST");
};

TEST_F(SaveCutShort, AssetIsReportedUntilItIsSavedWholeAgain) {
  const AssetRecord old = filledAsset("K1");
  AssetRecord edited = old;
  edited.Nazw = "nowa nazwa";      // main record
  edited.Na2w = "nowa linia";      // second record
  edited.K[0].StPo = 99;           // rate record 1
  edited.Z[0] = "MU:010122,NOWE";  // change record 1
  // Between two records, and within the third (a torn tail).
  for (std::size_t cut : {2 * base::kRecordSize, 2 * base::kRecordSize + 60}) {
    testing::TempDir fresh;
    path = fresh.file("Srodki.PST");
    save(AssetRegister::emptyRecord(), old);
    save(AssetRegister::emptyRecord(), filledAsset("K2"));
    saveCutShort(old, edited, cut);

    std::vector<IncompleteSave> found = incompleteIn(path);
    ASSERT_EQ(found.size(), 1u) << "cut " << cut;
    EXPECT_EQ(found[0].symbol, "K1");
    EXPECT_EQ(found[0].lastRecord - found[0].firstRecord, 1);
    // Replay keeps the two whole records: the half-saved asset it reports.
    AssetRegister reg;
    BaseJournal journal(path);
    ASSERT_TRUE(journal.load(reg).ok());
    ASSERT_TRUE(reg.exists("K1"));
    EXPECT_EQ(reg.currentRecord().Na2w, "nowa linia");
    EXPECT_EQ(reg.currentRecord().K[0], old.K[0]);

    // Another asset's save (padding a torn tail) leaves it reported.
    save(AssetRegister::emptyRecord(), filledAsset("K3"));
    found = incompleteIn(path);
    ASSERT_EQ(found.size(), 1u) << "cut " << cut;
    EXPECT_EQ(found[0].symbol, "K1");

    // Saved again in full, its last save is whole.
    AssetRecord half = reg.exists("K1") ? reg.currentRecord() : AssetRecord{};
    save(half, edited);
    EXPECT_TRUE(incompleteIn(path).empty()) << "cut " << cut;
  }
}

TEST_F(SaveCutShort, CutInTheFirstRecordLeavesNothingHalfSaved) {
  const AssetRecord old = filledAsset("K1");
  AssetRecord edited = old;
  edited.Nazw = "nowa nazwa";
  edited.Na2w = "nowa linia";
  save(AssetRegister::emptyRecord(), old);
  saveCutShort(old, edited, 100);
  EXPECT_TRUE(incompleteIn(path).empty());
  save(AssetRegister::emptyRecord(), filledAsset("K2"));  // pads the tear
  EXPECT_TRUE(incompleteIn(path).empty());
}

// Records as an older version wrote them: no save marks, one record per write.
class OlderJournal : public ::testing::Test {
 protected:
  void add(const std::string& symb, RecordKind kind, int sub, char writer,
           std::uint16_t minutes = 600) {
    BaseRecord r = base::encodeRecord(filledAsset(symb), kind, sub);
    base::setStamp(r, {38000, minutes, {'0', '0', writer}});
    saves.add(index++, r, base::checkRecord(r));
  }
  std::vector<std::string> incomplete() {
    std::vector<std::string> out;
    for (const IncompleteSave& s : saves.incompleteLastSaves()) out.push_back(s.symbol);
    return out;
  }
  base::SaveTracker saves;
  std::int64_t index = 0;
};

TEST_F(OlderJournal, TwoWorkstationsSavingOneAssetAtOnceLeaveItMixed) {
  add("M", RecordKind::Main, 0, '1');
  add("M", RecordKind::Main, 0, '2');
  add("M", RecordKind::Rate, 1, '1');  // the first save goes on after the second began
  add("M", RecordKind::Rate, 1, '2');
  add("Q", RecordKind::Main, 0, '1');
  EXPECT_EQ(incomplete(), std::vector<std::string>{"M"});
  // A later save of the asset on its own is its last save, and whole.
  add("M", RecordKind::Main, 0, '3');
  add("M", RecordKind::Changes, 1, '3');
  EXPECT_TRUE(incomplete().empty());
}

TEST_F(OlderJournal, SavesOfOtherAssetsBetweenAndTwoStepSavesAreNoAlarm) {
  // Two workstations saving different assets, their records interleaved.
  add("A", RecordKind::Main, 0, '1');
  add("B", RecordKind::Main, 0, '2');
  add("A", RecordKind::Second, 0, '1');
  add("B", RecordKind::Rate, 1, '2');
  // One asset saved twice in one minute by one workstation, the second save
  // starting again at a change record the first one wrote: two saves.
  add("C", RecordKind::Main, 0, '1');
  add("C", RecordKind::Changes, 1, '1');
  add("C", RecordKind::Changes, 3, '1');
  add("C", RecordKind::Changes, 3, '1');
  add("C", RecordKind::Changes, 4, '1');
  // Saved by another workstation after the two steps, then again by the first.
  add("C", RecordKind::Main, 0, '2', 601);
  add("C", RecordKind::Changes, 5, '1', 602);
  // Deleted while another workstation saved it: gone, nothing to report.
  add("D", RecordKind::Main, 0, '1');
  add("D", RecordKind::Main, 0, '2');
  add("D", RecordKind::Rate, 1, '1');
  add("D", RecordKind::Deletion, 0, '2');
  EXPECT_TRUE(incomplete().empty());
}

}  // namespace
}  // namespace zefir
