// The full load against record-by-record replay on a journal of many blocks:
// the table aside, its prefetching and its final sort must give the very
// register that replaying each record into the register gives.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <vector>

#include "base_test_util.h"
#include "register/base_journal.h"
#include "register/base_replay.h"

namespace zefir {
namespace {

using base::BaseRecord;
using base::RecordKind;
using testing::filledAsset;

// Symbols whose order tests the sort: prefixes of each other, a blank and
// '&' below the letters, Polish capitals above 'Z' in code page 1250, 15
// characters differing only in the last one or around the eighth.
std::vector<std::string> trickySymbols() {
  std::vector<std::string> s = {"A",
                                "AB",
                                "A B",
                                "A&",
                                "Z",
                                "ZZ",
                                "0",
                                "9/9",
                                "ABCDEFGH",
                                "ABCDEFGHI",
                                "ABCDEFGG",
                                "ABCDEFGHIJKLMN1",
                                "ABCDEFGHIJKLMN2",
                                "ABCDEFGHIJKLMNO",
                                "ABCDEFGHIJKLMN"};
  for (const char* polish : {"Ą", "ĄA", "Ś", "ŚĆ", "Ż/1", "ŹRÓDŁO", "ŁÓDŹ-12", "ZAŻÓŁĆ GĘŚLĄ"})
    s.push_back(text::fromUtf8(polish));
  for (int i = 0; i < 150; ++i) s.push_back("S" + std::to_string(i * 7919 % 1000));
  return s;
}

void writeJournal(const std::string& path, const std::vector<BaseRecord>& records) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(records.data()),
            static_cast<std::streamsize>(records.size() * sizeof(BaseRecord)));
}

// A journal of several thousand records in no order: first saves, later
// changes, deletions and re-creations, changes to assets not (or no longer)
// there, and records that fail their check.
std::vector<BaseRecord> mixedJournal() {
  std::vector<std::string> symbols = trickySymbols();
  std::mt19937 rng(7);
  std::vector<BaseRecord> records;
  for (int n = 0; n < 6000; ++n) {
    const std::string& symb = symbols[rng() % symbols.size()];
    AssetRecord a = filledAsset(symb);
    a.Nazw += " " + std::to_string(n);
    a.Z[rng() % kChangeEntries] = "OO:0101" + std::to_string(n % 100) + ",NOWAK " + symb;
    int kind = static_cast<int>(rng() % 7);  // 6: a faulty record
    int sub = 1;
    if (kind == 3 || kind == 4) sub = 1 + static_cast<int>(rng() % 5);
    if (kind == 5) sub = 1 + static_cast<int>(rng() % 30);
    if (kind == 0 && rng() % 3 != 0) kind = 1;  // fewer deletions than saves
    BaseRecord r = base::encodeRecord(a, static_cast<RecordKind>(kind == 6 ? 5 : kind), sub);
    if (kind == 6) {
      switch (rng() % 4) {
        case 0:
          r[base::kSubIndex] = 31;
          break;
        case 1:
          r[base::kSubIndex] = 0;
          break;
        case 2:
          r[base::kKind] = 9;
          break;
        default:
          r[base::kSymb] = 0;
          break;
      }
    }
    base::setStamp(r, {static_cast<std::uint16_t>(40000 + n % 50), 600, {'0', '0', '1'}});
    records.push_back(r);
  }
  return records;
}

TEST(BulkLoad, ManyBlocksGiveTheRegisterOfRecordByRecordReplayInSymbolOrder) {
  testing::TempDir dir;
  std::string path = dir.file("Srodki.PST");
  std::vector<BaseRecord> records = mixedJournal();
  ASSERT_GT(records.size(), 4 * base::kBlockRecords);
  writeJournal(path, records);

  AssetRegister byRecord;
  for (const BaseRecord& r : records) (void)base::replayRecord(byRecord, r);
  AssetRegister loaded;
  BaseJournal journal(path);
  ASSERT_TRUE(journal.load(loaded).ok());

  ASSERT_EQ(loaded.count(), byRecord.count());
  EXPECT_GT(loaded.assetCount(), 100);
  for (int i = 0; i <= loaded.count(); ++i) EXPECT_EQ(loaded.slot(i), byRecord.slot(i)) << i;
  for (int i = 2; i < loaded.count(); ++i)
    EXPECT_LT(loaded.slot(i - 1).Symb, loaded.slot(i).Symb) << i;
  EXPECT_EQ(loaded.minWriteDay, byRecord.minWriteDay);
  EXPECT_EQ(loaded.maxWriteDay, byRecord.maxWriteDay);
  EXPECT_EQ(journal.readPosition(), static_cast<std::int64_t>(records.size()));
}

}  // namespace
}  // namespace zefir
