#include "net/rate_refresh.h"

#include <gtest/gtest.h>

#include "../platform/test_dir.h"
#include "local_server.h"
#include "net/rate_archive.h"
#include "platform/status_line.h"
#include "rate_test_support.h"
#include "text/dates.h"

namespace zefir::net {
namespace {

using testing::LocalServer;
using testing::sampleArchive1250;

class RateRefreshTest : public ::testing::Test {
 protected:
  void SetUp() override {
    server_.serve("/kursy/Archiwum/archiwum_tab_a_2024.csv", sampleArchive1250(2024));
    server_.serve("/kursy/Archiwum/archiwum_tab_a_2020.csv", sampleArchive1250(2020));
    server_.serveCut("/cut/archiwum_tab_a_2024.csv", sampleArchive1250(2024).substr(0, 900),
                     sampleArchive1250(2024).size());
    // A new year's archive before its first table: the heads alone.
    server_.serve("/new/archiwum_tab_a_2025.csv", "data;1USD;nr tabeli;\r\n");
    server_.serve("/new/archiwum_tab_a_2024.csv", sampleArchive1250(2024));
    server_.start();
    setStatusLine(&line_);
  }
  void TearDown() override { setStatusLine(nullptr); }

  RateRefresh request(const std::string& folder, int year, DayNumber today) {
    RateRefresh r;
    r.folder = dir_.path();
    r.source = server_.base() + folder;
    r.year = year;
    r.today = today;
    r.limits.timeout_seconds = 5;
    return r;
  }
  std::string rateFile(int year) { return dir_.file(rateFileName(year)); }

  LocalServer server_;
  zefir::testing::TempDir dir_;
  RememberingStatusLine line_;
};

TEST_F(RateRefreshTest, TheYearAskedForIsFetchedAndWritten) {
  const auto result =
      refreshRates(request("/kursy/Archiwum/", 2024, text::dayFromDate(2024, 6, 1)));
  ASSERT_TRUE(result.status.ok()) << result.status.message();
  EXPECT_EQ(result.rate_file, rateFile(2024));
  EXPECT_EQ(result.year_read, 2024);
  EXPECT_EQ(line_.last_text, "Tabela NBP wczytana  i zapisana  ( 2024 )");
  const auto lines = readRateFile(rateFile(2024));
  // A forint's rate of 2 January 2024 is the table's 1,1365 for 100 forints.
  bool huf = false;
  for (const auto& l : lines) huf = huf || l == "02-01-2024  37987  0.011365  001/A/NBP/2024";
  EXPECT_TRUE(huf);
  EXPECT_TRUE(platform::exists(dir_.file(rateArchiveName(2024))));
  EXPECT_FALSE(platform::exists(partialName(rateFile(2024))));
}

TEST_F(RateRefreshTest, ARateFileWrittenTodayIsNotFetchedAgain) {
  const DayNumber today = platform::localClock().day;
  ASSERT_TRUE(refreshRates(request("/kursy/Archiwum/", 2024, today)).status.ok());
  const int after_first = server_.requests();
  EXPECT_EQ(after_first, 1);
  const auto again = refreshRates(request("/kursy/Archiwum/", 2024, today));
  EXPECT_TRUE(again.status.ok());
  EXPECT_EQ(again.year_read, 0);
  EXPECT_EQ(server_.requests(), after_first);
  // The next day it is fetched again.
  EXPECT_EQ(refreshRates(request("/kursy/Archiwum/", 2024, today + 1)).year_read, 2024);
  EXPECT_EQ(server_.requests(), after_first + 1);
}

TEST_F(RateRefreshTest, AFailedDownloadKeepsTheRateFile) {
  platform::writeWholeFile(rateFile(2024), "old table\r\n");
  platform::writeWholeFile(dir_.file(rateArchiveName(2024)), "old archive");
  const DayNumber day = text::dayFromDate(2024, 6, 1);
  for (const char* folder : {"/cut/", "/missing/", "/new/"}) {
    SCOPED_TRACE(folder);
    line_.last_text.clear();
    const auto result = refreshRates(request(folder, folder[1] == 'n' ? 2025 : 2024, day));
    EXPECT_FALSE(result.status.ok());
    EXPECT_EQ(result.year_read, 0);
    EXPECT_EQ(platform::readWholeFile(rateFile(2024)).value_or(""), "old table\r\n");
    EXPECT_EQ(line_.last_text.find("Tabela NBP"), std::string::npos);
  }
  EXPECT_EQ(platform::readWholeFile(dir_.file(rateArchiveName(2024))).value_or(""), "old archive");
  EXPECT_FALSE(platform::exists(rateFile(2025)));
}

TEST_F(RateRefreshTest, EarlyJanuaryFallsBackToThePreviousYear) {
  // Nothing published for 2025 yet on 2 January: the 2024 rates go into Kurs2025.
  const auto result = refreshRates(request("/new/", 0, text::dayFromDate(2025, 1, 2)));
  ASSERT_TRUE(result.status.ok()) << result.status.message();
  EXPECT_EQ(result.rate_file, rateFile(2025));
  EXPECT_EQ(result.year_read, 2024);
  EXPECT_NE(line_.last_text.find("( 2024 )"), std::string::npos);
  EXPECT_NE(line_.last_text.find("2025"), std::string::npos);
  EXPECT_FALSE(readRateFile(rateFile(2025)).empty());
  // Later in the year a missing archive is not replaced by last year's.
  const auto march = refreshRates(request("/new/", 0, text::dayFromDate(2025, 3, 2)));
  EXPECT_FALSE(march.status.ok());
}

TEST_F(RateRefreshTest, ALocalArchiveFileIsReadWithoutTheServer) {
  const std::string archive = dir_.file("archiwum.csv");
  platform::writeWholeFile(archive, testing::sampleArchive(2020));
  RateRefresh r = request("", 2020, text::dayFromDate(2024, 6, 1));
  r.source = archive;
  const auto result = refreshRates(r);
  ASSERT_TRUE(result.status.ok()) << result.status.message();
  EXPECT_EQ(result.year_read, 2020);
  EXPECT_EQ(server_.requests(), 0);
  EXPECT_FALSE(readRateFile(rateFile(2020)).empty());
}

}  // namespace
}  // namespace zefir::net
