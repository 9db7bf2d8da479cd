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

// Once the next save has padded a torn tail the tear is repaired: it is
// listed on its own and is no reason for exit status 2; a new tear is.
TEST_F(CheckTest, PaddedTearIsRepairedAndAloneExitsZero) {
  const fs::path base = smallBase();
  writeFile(base, readFile(base) + std::string(50, '\x01'));
  ASSERT_EQ(run("put " + quoted(base), "{\"Symb\": \"A/3\"}\n").status, 0);
  CliResult r = check(base);
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("Pominięte: 0"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Naprawione urwania: 1"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Niepełny ostatni rekord: brak"), std::string::npos) << r.out;
  EXPECT_EQ(check(base).status, 0) << "and so it stays";
  writeFile(base, readFile(base) + std::string(20, '\x01'));
  r = check(base);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("Naprawione urwania: 1"), std::string::npos) << r.out;
}

// 80-bit reals as a damaged record may hold them.
const std::string kNaNBytes("\0\0\0\0\0\0\0\xC0\xFF\x7F", 10);
const std::string kLargestBytes("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFE\x7F", 10);  // 1.19e4932

TEST_F(CheckTest, DamagedValuesAreListedAndNeitherDumpNorComputePrintsNull) {
  const fs::path base = path("Baza.PST");
  ASSERT_EQ(
      run("put " + quoted(base),
          "{\"Symb\": \"A/1\", \"WaOT\": 500, \"RokP\": 2019, \"WaBr\": 500, \"WaUm\": 50, "
          "\"MeUm\": \"L\", \"K\": [{\"date\": 36000, \"StPo\": 20, \"WsPo\": 1}]}\n"
          "{\"Symb\": \"A/2\", \"WaOT\": 500, \"RokP\": 2019, \"WaBr\": 500}\n"
          "{\"Symb\": \"A/3\", \"WaOT\": 500, \"RokP\": 2019, \"WaBr\": 500, \"MeUm\": \"L\"}\n")
          .status,
      0);
  std::string journal = readFile(base);
  ASSERT_EQ(journal.size(), 4 * kRecord);                 // A/1 main and rate, A/2 main, A/3 main
  journal.replace(0 * kRecord + 110, 10, kNaNBytes);      // A/1 WaUm
  journal[2 * kRecord + 99] = 10;                         // A/2 RokP 1910
  journal.replace(3 * kRecord + 110, 10, kLargestBytes);  // A/3 WaUm
  writeFile(base, journal);

  const CliResult r = check(base);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("Pominięte: 0"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Uszkodzone wartości: 3\n"
                       "  rekord 0: A/1 WaUm\n"
                       "  rekord 2: A/2 RokP\n"
                       "  rekord 3: A/3 WaUm\n"),
            std::string::npos)
      << r.out;

  const CliResult dumped = run("dump " + quoted(base));
  ASSERT_EQ(dumped.status, 0) << dumped.err;
  EXPECT_EQ(dumped.out.find("null"), std::string::npos) << dumped.out;
  const auto assets = dump(base);
  ASSERT_EQ(assets.size(), 3u);
  EXPECT_EQ(assets[0]["WaUm"], 0.0);
  EXPECT_EQ(assets[1]["RokP"], 0);
  EXPECT_EQ(assets[2]["WaUm"], 0.0);
  // What dump prints, put takes back.
  EXPECT_EQ(run("put " + quoted(path("Kopia.PST")), dumped.out).status, 0);

  const CliResult computed = run("compute-all " + quoted(base) + " 311225");
  ASSERT_EQ(computed.status, 0) << computed.err;
  EXPECT_EQ(computed.out.find("null"), std::string::npos) << computed.out;
}

TEST_F(CheckTest, SaveCutShortIsReportedUntilTheAssetIsSavedAgain) {
  const fs::path base = smallBase();
  ASSERT_EQ(run("put " + quoted(base),
                "{\"Symb\": \"A/1\", \"Nazw\": \"Nowa\", \"Na2w\": \"x\", \"Opis\": [\"y\"]}\n")
                .status,
            0);
  std::string journal = readFile(base);
  ASSERT_EQ(journal.size(), 6 * kRecord);
  writeFile(base, journal.substr(0, 5 * kRecord));  // the save's description record lost
  CliResult r = check(base);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("Niepełne zapisy: 1\n  A/1: rekordy 3-4\n"), std::string::npos) << r.out;
  ASSERT_EQ(run("put " + quoted(base), "{\"Symb\": \"A/1\", \"Opis\": [\"y\"]}\n").status, 0);
  r = check(base);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("Niepełne zapisy: 0"), std::string::npos) << r.out;
}

// Older versions marked no saves and wrote them record by record; the demo
// base saves most assets in two steps. Without the marks it is as clean.
TEST_F(CheckTest, DemoJournalWithoutSaveMarksRaisesNoAlarm) {
  const fs::path base = demoCopy();
  std::string journal = readFile(base);
  for (std::size_t at = 0; at < journal.size(); at += kRecord) journal[at + 124] &= 0x07;
  writeFile(base, journal);
  const CliResult r = check(base);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("Niepełne zapisy: 0"), std::string::npos) << r.out;
}

TEST_F(CheckTest, UnreadableDictionaryLinesAndFilesOfTheBaseFolderAreReported) {
  const fs::path base = smallBase();
  const char persons[] =
      "KOWALSKI\x04Jan\r\nNO\0WAK\x04"
      "Anna\r\nZ\x04Z\r\n";
  writeFile(path("Osoby.OST"), std::string(persons, sizeof persons - 1));
  fs::create_directory(path("MiejscaU.MST"));
  const CliResult r = check(base);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("Nieczytelne pliki: 2"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("MiejscaU.MST: plik nieczytelny"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Osoby.OST: nieczytelne wiersze: 1"), std::string::npos) << r.out;
  const CliResult folder = run("check " + quoted(base.parent_path()));
  EXPECT_EQ(folder.status, 2);
  EXPECT_NE(folder.out.find("Nieczytelne pliki: 2"), std::string::npos) << folder.out;
  fs::remove(path("MiejscaU.MST"));
  fs::remove(path("Osoby.OST"));
  EXPECT_EQ(run("check " + quoted(base.parent_path())).status, 0);
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
