// Several workstations appending to one base at once.
#include <unistd.h>

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "base_test_util.h"
#include "platform/shared_file.h"
#include "platform/workstation_marks.h"
#include "register/base_journal.h"

namespace zefir {
namespace {

constexpr int kWorkstations = 8;
constexpr int kSavesEach = 150;

std::string symbolFor(int station, int i) {
  return "P" + std::to_string(station) + "-" + std::to_string(i);
}

// Retry waits a tenth as long as in the program, so the four workstations
// take turns many times within the test instead of one finishing all its
// saves while the others wait out their first retry.
void shortSleep(int ms) {
  ::usleep(static_cast<useconds_t>(ms) * 100);
}

// Marks that linger a moment over the append mark, between a save's read of
// what others appended and its open for appending: several workstations then
// hold the file open for appending at once, so their saves contend for the end
// of the file every time rather than now and then.
class LingeringMarks : public WorkstationMarks {
 public:
  bool mark(char op, std::string_view) override {
    if (op == '#') ::usleep(500);
    return true;
  }
  bool unmark() override { return true; }
};

// One workstation: loads the base, then saves its assets
// one by one through the retry protocol, each save reading what the others
// appended.
int workstation(const std::string& path, int station) {
  platform::systemCalls().sleepMs = shortSleep;
  static LingeringMarks marks;
  setWorkstationMarks(&marks);
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

TEST(ConcurrentAppends, EightWorkstationsSaveAtOnceEachSaveWholeAndEveryAssetIntact) {
  testing::TempDir dir;
  std::string path = dir.file("Srodki.PST");
  const std::vector<int> statuses = testing::runWorkstationProcesses(
      kWorkstations, [&](int station) { return workstation(path, station); });
  EXPECT_EQ(statuses, std::vector<int>(kWorkstations, 0));
  AssetRegister reg;
  BaseJournal journal(path);
  ASSERT_TRUE(journal.load(reg).ok());
  ASSERT_EQ(reg.assetCount(), kWorkstations * kSavesEach);
  const int recordsEach = 1 + 1 + 5 + 5 + 9;  // kinds of a filled asset
  EXPECT_EQ(journal.readPosition(), kWorkstations * kSavesEach * recordsEach);
  // Each asset is saved once, so a save's records are those of its writer and
  // symbol: they must lie back to back, with no other save between them.
  int skipped = 0, writerChanges = 0;
  std::map<std::pair<char, std::string>, std::pair<std::int64_t, std::int64_t>> saves;
  char lastWriter = 0;
  (void)scanJournal(path, [&](const ScannedRecord& r) {
    if (r.fault != base::RecordFault::None) ++skipped;
    char writer = base::stampOf(*r.bytes).writer[2];
    if (writer != lastWriter) ++writerChanges;
    lastWriter = writer;
    auto [it, fresh] = saves.try_emplace({writer, base::symbolOf(*r.bytes)}, r.index, r.index);
    if (!fresh) it->second.second = r.index;
  });
  EXPECT_EQ(skipped, 0);
  ASSERT_EQ(saves.size(), static_cast<std::size_t>(kWorkstations * kSavesEach));
  int split = 0;
  for (const auto& [save, range] : saves)
    if (range.second - range.first + 1 != recordsEach) ++split;
  EXPECT_EQ(split, 0) << "saves with another save between their records";
  RecordProperty("writer_changes", writerChanges);  // how much the saves took turns
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
