// Eight workstations as eight processes saving into one base at once: each
// its own thousand assets, and all of them a shared set of assets in turn.
// Afterwards a fresh replay holds every asset as its last writer saved it.
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "../register/base_test_util.h"
#include "platform/shared_file.h"
#include "register/base_journal.h"
#include "register/journal_tally.h"

namespace zefir {
namespace {

constexpr int kWorkstations = 8;
constexpr int kOwnAssets = 1000;
constexpr int kSharedAssets = 10;
constexpr int kSharedEvery = 10;  // a shared asset after every tenth own save

std::string ownSymbol(int station, int i) {
  return "W" + std::to_string(station) + "-" + std::to_string(i);
}
std::string sharedSymbol(int k) {
  return "WSPOLNY-" + std::to_string(k);
}

AssetRecord ownAsset(int station, int i) {
  AssetRecord a;
  a.Symb = ownSymbol(station, i);
  a.Nazw = "Zestaw " + std::to_string(station * 100000 + i);
  a.DtZa = 36900;
  a.CeZa = station * 100000 + i + 0.25L;
  return a;
}

// The retry waits a tenth as long as in the program, so the writers take
// turns at the end of the file many times over.
void shortSleep(int ms) {
  ::usleep(static_cast<useconds_t>(ms) * 100);
}

// One workstation: its own assets one by one, and after every tenth the next
// shared asset with a value that names the writer and the save. The value of
// every shared save that succeeded goes to `log` ("symbol value" a line).
int workstation(const std::string& path, int station, const std::string& log) {
  platform::systemCalls().sleepMs = shortSleep;
  BaseJournal journal(path);
  journal.setWorkstationSuffix(base::workstationSuffix(station));
  AssetRegister reg;
  if (!journal.load(reg).ok()) return 1;
  std::ofstream out(log);
  for (int i = 0; i < kOwnAssets; ++i) {
    if (!journal.saveAsset(reg, AssetRegister::emptyRecord(), ownAsset(station, i)).ok()) return 2;
    if (i % kSharedEvery != kSharedEvery - 1) continue;
    const std::string symbol = sharedSymbol(i / kSharedEvery % kSharedAssets);
    const AssetRecord loaded =
        reg.exists(symbol) ? reg.currentRecord() : AssetRegister::emptyRecord();
    AssetRecord edited = loaded;
    edited.Symb = symbol;
    edited.Nazw = "Wspólny";
    edited.CeZa = station * 100000 + i;
    if (!journal.saveAsset(reg, loaded, edited).ok()) return 3;
    out << symbol << ' ' << station * 100000 + i << '\n';
  }
  return out.good() ? 0 : 5;
}

TEST(ConcurrentSavesStress, EightWritersOfAThousandAssetsAndASharedSetLoseNothing) {
  testing::TempDir dir;
  const std::string path = dir.file("Srodki.PST");
  const std::vector<int> statuses =
      testing::runWorkstationProcesses(kWorkstations, [&](int station) {
        return workstation(path, station, dir.file("log" + std::to_string(station)));
      });
  ASSERT_EQ(statuses, std::vector<int>(kWorkstations, 0));

  // The last writer of each shared asset in the journal's order, and every
  // record as replay judges it.
  std::map<std::string, int> lastWriter;
  base::JournalTally tally;
  std::int64_t skipped = 0;
  int writerChanges = 0;
  char lastRecordWriter = 0;
  const JournalScan scan = scanJournal(path, [&](const ScannedRecord& r) {
    std::string reason;
    if (tally.add(*r.bytes, r.fault, reason) != base::JournalTally::Verdict::Applied) ++skipped;
    const char writer = base::stampOf(*r.bytes).writer[2];
    writerChanges += writer != lastRecordWriter;
    lastRecordWriter = writer;
    const std::string symbol = base::symbolOf(*r.bytes);
    if (symbol.starts_with("WSPOLNY-"))
      lastWriter[symbol] = base::stampOf(*r.bytes).writer[2] - '0';
  });
  EXPECT_EQ(skipped, 0);
  EXPECT_EQ(scan.tornBytes, 0);
  // The writers took turns at the end of the file, not one after another.
  RecordProperty("writer_changes", writerChanges);
  EXPECT_GT(writerChanges, 2 * kWorkstations);

  AssetRegister reg;
  BaseJournal journal(path);
  ASSERT_TRUE(journal.load(reg).ok());
  ASSERT_EQ(reg.assetCount(), kWorkstations * kOwnAssets + kSharedAssets);
  for (int station = 1; station <= kWorkstations; ++station)
    for (int i = 0; i < kOwnAssets; ++i) {
      const AssetRecord a = ownAsset(station, i);
      ASSERT_TRUE(reg.exists(a.Symb.str())) << a.Symb.str();
      ASSERT_EQ(reg.currentRecord(), a) << a.Symb.str();
    }
  // Each shared asset holds the value its last writer saved last.
  std::map<std::pair<int, std::string>, long> lastSaved;
  for (int station = 1; station <= kWorkstations; ++station) {
    std::ifstream in(dir.file("log" + std::to_string(station)));
    std::string symbol;
    long value = 0;
    while (in >> symbol >> value) lastSaved[{station, symbol}] = value;
  }
  ASSERT_EQ(lastWriter.size(), static_cast<std::size_t>(kSharedAssets));
  for (const auto& [symbol, writer] : lastWriter) {
    ASSERT_TRUE(reg.exists(symbol));
    EXPECT_EQ(static_cast<long>(reg.currentRecord().CeZa), (lastSaved[{writer, symbol}]))
        << symbol << " last written by " << writer;
  }
}

}  // namespace
}  // namespace zefir
