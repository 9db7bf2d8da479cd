// zefir-cli check on journals with the faults replay skips.
#include <ctime>

#include "cli_runner.h"

namespace zefir::cli_test {
namespace {

constexpr std::size_t kRecord = 128;

class CheckTest : public CliTest {
 protected:
  // A small base written by put: two assets.
  fs::path smallBase() {
    const fs::path base = path("Baza.PST");
    const CliResult r = run("put " + quoted(base) + " --station 7",
                            "{\"Symb\": \"A/1\", \"Nazw\": \"Jeden\"}\n"
                            "{\"Symb\": \"A/2\", \"Nazw\": \"Dwa\", \"Na2w\": \"druga linia\"}\n");
    EXPECT_EQ(r.status, 0) << r.err;
    return base;
  }
  CliResult check(const fs::path& base) { return run("check " + quoted(base)); }
};

TEST_F(CheckTest, CleanJournalCountsKindsAndWorkstations) {
  const CliResult r = check(smallBase());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Rekordów: 3"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("rodzaj 1 dane główne: 2"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("rodzaj 2 dane dodatkowe: 1"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Pominięte: 0"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Niepełny ostatni rekord: brak"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Stanowiska: 007 (3)"), std::string::npos) << r.out;
  // Written just now: the stamps carry today's date (local clock, no probe).
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char today[16];
  std::strftime(today, sizeof today, "%d-%m-%Y", &local);
  EXPECT_NE(r.out.find(std::string("Zapisy: od ") + today), std::string::npos) << r.out;
}

TEST_F(CheckTest, TornTailIsReportedAndExitsTwo) {
  const fs::path base = smallBase();
  writeFile(base, readFile(base) + std::string(50, '\x01'));
  const CliResult r = check(base);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("Niepełny ostatni rekord: 50 bajtów"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Rekordów: 3"), std::string::npos) << r.out;
}

TEST_F(CheckTest, BadRecordsAreSkippedWithTheirReason) {
  const fs::path base = smallBase();
  std::string journal = readFile(base);
  journal[1] = 'a';               // record 0: a lower-case letter in the symbol
  journal[2 * kRecord + 16] = 9;  // record 2: kind 9
  writeFile(base, journal);
  const CliResult r = check(base);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("Pominięte: 2"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Środków: 1"), std::string::npos) << r.out;
}

TEST_F(CheckTest, RecordForAnUnknownAssetIsSkippedAsReplayDoes) {
  const fs::path base = smallBase();
  std::string journal = readFile(base);
  // The kind-2 record of A/2 put before its kind-1 record: swap records 1 and 2.
  const std::string first = journal.substr(kRecord, kRecord);
  journal.replace(kRecord, kRecord, journal.substr(2 * kRecord, kRecord));
  journal.replace(2 * kRecord, kRecord, first);
  writeFile(base, journal);
  const CliResult r = check(base);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("Brak rekordu 1 w A/2: 1"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace zefir::cli_test
