#include "net/rate_archive.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../platform/test_dir.h"
#include "operations/pick_list.h"
#include "rate_test_support.h"
#include "text/dates.h"

namespace zefir::net {
namespace {

using testing::lineStarting;
using testing::replaceAll;
using testing::sampleArchive;
using testing::sampleArchive1250;

int columnOf(const RateArchive& archive, const std::string& code) {
  for (std::size_t c = 0; c < archive.columns.size(); ++c)
    if (archive.columns[c].code == code) return static_cast<int>(c);
  return -1;
}

const RateRow* rowOf(const RateArchive& archive, DayNumber day) {
  for (const auto& row : archive.rows)
    if (row.day == day) return &row;
  return nullptr;
}

// One rate per unit on one day, or -1 when the archive has none.
long double rate(const RateArchive& archive, const std::string& code, int y, int m, int d) {
  const int c = columnOf(archive, code);
  const RateRow* row = rowOf(archive, text::dayFromDate(y, m, d));
  if (c < 0 || row == nullptr || !row->rates[c]) return -1;
  return *row->rates[c];
}

TEST(RateArchive, EveryYearsColumnsAreFoundByTheirHeads) {
  struct Case {
    int year;
    std::size_t currencies;
    std::size_t days;
    long double eur_first;
    const char* first_table;
  };
  // 2012 heads carry the names after the codes; 2020 and 2024 have a names
  // line, "...", and a footer of codes, names and units after the data.
  const Case cases[] = {{2012, 37, 3, 4.4640L, "001/A/NBP/2012"},
                        {2020, 35, 0, 4.2571L, "001/A/NBP/2020"},
                        {2024, 33, 0, 4.3434L, "001/A/NBP/2024"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.year);
    for (const auto& content : {sampleArchive(c.year), sampleArchive1250(c.year)}) {
      const RateArchive archive = readRateArchive(content);
      EXPECT_EQ(archive.columns.size(), c.currencies);
      if (c.days != 0) {
        EXPECT_EQ(archive.rows.size(), c.days);
      }
      ASSERT_FALSE(archive.rows.empty());
      EXPECT_EQ(archive.rows.front().day, text::dayFromDate(c.year, 1, 2));
      EXPECT_EQ(archive.rows.front().table, c.first_table);
      EXPECT_NEAR(static_cast<double>(rate(archive, "EUR", c.year, 1, 2)),
                  static_cast<double>(c.eur_first), 1e-9);
      EXPECT_EQ(archive.columns[columnOf(archive, "HUF")].head, "100HUF");
      // Every data line of the year and nothing else.
      for (const auto& row : archive.rows) EXPECT_EQ(text::yearOfDay(row.day), c.year);
    }
  }
}

TEST(RateArchive, RatesAreForOneUnit) {
  const RateArchive archive = readRateArchive(sampleArchive1250(2024));
  EXPECT_NEAR(static_cast<double>(rate(archive, "HUF", 2024, 1, 2)), 0.011365, 1e-12);
  EXPECT_NEAR(static_cast<double>(rate(archive, "IDR", 2024, 1, 2)), 0.00025489, 1e-12);
  EXPECT_NEAR(static_cast<double>(rate(archive, "JPY", 2024, 1, 2)), 0.027855, 1e-12);
  EXPECT_EQ(archive.columns[columnOf(archive, "IDR")].unit, 10000);
}

TEST(RateArchive, UnusualLinesAreReadSoundly) {
  std::string content = sampleArchive(2024);
  const std::string first = lineStarting(content, "20240102");
  const std::string second = lineStarting(content, "20240103");
  // Without its final ";" a line still has its last field, the full table number.
  std::string cut = first.substr(0, first.size() - 1);
  // An empty field is a day without that rate, not a rate of 0.
  std::string gap = second;
  replaceAll(gap, ";4,3646;", ";;");  // EUR on 3 January
  replaceAll(content, first, cut);
  replaceAll(content, second, gap);
  replaceAll(content, "\n", "\r\n");
  const RateArchive archive = readRateArchive(content);
  ASSERT_GE(archive.rows.size(), 2u);
  EXPECT_EQ(archive.rows[0].table, "001/A/NBP/2024");
  EXPECT_EQ(rate(archive, "EUR", 2024, 1, 3), -1);
  EXPECT_NEAR(static_cast<double>(rate(archive, "USD", 2024, 1, 3)), 3.9909, 1e-9);
  EXPECT_EQ(rateFileText(archive).find("03-01-2024  37988  4.3646"), std::string::npos);
  EXPECT_NE(rateFileText(archive).find("03-01-2024  37988  3.9909  002/A/NBP/2024"),
            std::string::npos);
}

TEST(RateArchive, OneTableNumberColumnIsTheNumber) {
  const std::string content =
      "data;1USD;100HUF;nr tabeli\n"
      "20240102;3,9432;1,1365;1\n"
      "20240103;3,9909;;2\n";
  const RateArchive archive = readRateArchive(content);
  ASSERT_EQ(archive.rows.size(), 2u);
  EXPECT_EQ(archive.rows[1].table, "2");
  EXPECT_EQ(rateFileText(archive),
            "02-01-2024  37987  3.9432  1\r\n"
            "1USD03-01-2024  37988  3.9909  2\r\n"
            "100HUF02-01-2024  37987  0.011365  1\r\n");
}

TEST(RateFile, LinesAreReadBackWithTheirRates) {
  const RateArchive archive = readRateArchive(sampleArchive1250(2020));
  zefir::testing::TempDir dir;
  const std::string path = dir.file("Kurs2020");
  ASSERT_TRUE(platform::writeWholeFile(path, rateFileText(archive)));
  const auto lines = readRateFile(path);
  ASSERT_EQ(lines.size(), archive.rows.size() * archive.columns.size());
  const auto first = parseRateLine(lines.front());
  ASSERT_TRUE(first);
  EXPECT_EQ(first->head, "");
  EXPECT_EQ(first->day, text::dayFromDate(2020, 1, 2));
  EXPECT_EQ(first->rate, "0.1260");
  EXPECT_EQ(first->table, "001/A/NBP/2020");
  // The currency's last day carries its head.
  const auto last = parseRateLine(lines[archive.rows.size() - 1]);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->head, "1THB");
  EXPECT_EQ(last->day, text::dayFromDate(2020, 12, 31));
  EXPECT_EQ(last->rate, "0.1253");
  EXPECT_FALSE(parseRateLine("garbage"));
  EXPECT_TRUE(readRateFile(dir.file("none")).empty());
}

// Picking a row of the rate list gives the rate the file holds for that day,
// for every currency of three years' archives: those quoted per 100 or 10000
// units in full, and the currency's last day, led by its head, too.
TEST(RateFile, EveryLinePickedFromTheListGivesItsWholeRate) {
  for (int year : {2012, 2020, 2024}) {
    const std::string file = rateFileText(readRateArchive(sampleArchive1250(year)));
    std::size_t start = 0, lines = 0, long_rates = 0;
    while (start < file.size()) {
      const std::size_t end = file.find("\r\n", start);
      const std::string line = file.substr(start, end - start);
      start = end + 2;
      const auto parsed = parseRateLine(line);
      ASSERT_TRUE(parsed) << line;
      EXPECT_EQ(operations::acceptRow('A', line).key, parsed->rate) << line;
      ++lines;
      if (parsed->rate.size() > 6) ++long_rates;
    }
    EXPECT_GT(lines, 100u) << year;
    EXPECT_GT(long_rates, 0u) << year << ": no currency per 100 units";
  }
}

}  // namespace
}  // namespace zefir::net
