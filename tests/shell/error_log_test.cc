#include "shell/error_log.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/assertion.h"
#include "platform/status_line.h"
#include "shell_test_folder.h"
#include "text/codepage.h"

namespace zefir::shell {
namespace {

using testing::ProgramFolder;

TEST(ErrorLog, LineHasItsFivePieces) {
  EXPECT_EQ(errorLogLine(text::fromUtf8("Celowe wystąpienie błędu"), "report_window.cc", 120, 4096),
            text::fromUtf8("  report_window.cc  linia : 120  adres : 4096  błąd : Celowe "
                           "wystąpienie błędu"));
}

TEST(ErrorLog, TwoAssertionsAddTwoLinesAfterTheOldContent) {
  ProgramFolder folder;
  ProgramFolder::write("#/Zefir.BAD", "old line\r\n");
  setAssertionHandler(
      [](std::string_view message, std::string_view file, int line, std::uintptr_t address) {
        appendErrorLog("#/Zefir.BAD", message, file, line, address);
      });
  const int line = __LINE__ + 1;
  ZEFIR_ASSERT(1 + 1 == 3, "pierwszy");
  ZEFIR_ASSERT(false, "drugi");
  ZEFIR_ASSERT(true, "nie ma");
  setAssertionHandler({});

  const std::string log = ProgramFolder::read("#/Zefir.BAD");
  ASSERT_EQ(log.rfind("old line\r\n", 0), 0u);
  const std::string first = "  error_log_test.cc  linia : " + std::to_string(line) + "  adres : ";
  const std::size_t at = log.find(first);
  ASSERT_NE(at, std::string::npos) << log;
  EXPECT_NE(log.find(text::fromUtf8("  błąd : pierwszy\r\n"), at), std::string::npos);
  EXPECT_NE(log.find(text::fromUtf8("  błąd : drugi\r\n")), std::string::npos);
  EXPECT_EQ(log.find("nie ma"), std::string::npos);
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3);
}

// Assertions failing on several workers at once reach the handler one after
// the other, so log lines never interleave.
TEST(ErrorLog, AssertionsFromSeveralThreadsReachTheHandlerOneAtATime) {
  std::atomic<int> inside{0};
  std::atomic<bool> overlapped{false};
  std::atomic<int> calls{0};
  setAssertionHandler([&](std::string_view, std::string_view, int, std::uintptr_t) {
    if (++inside > 1) overlapped = true;
    std::this_thread::sleep_for(std::chrono::microseconds(300));
    --inside;
    ++calls;
  });
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([] {
      for (int i = 0; i < 25; ++i) ZEFIR_ASSERT(false, "naraz");
    });
  for (std::thread& t : threads) t.join();
  setAssertionHandler({});
  EXPECT_EQ(calls.load(), 100);
  EXPECT_FALSE(overlapped.load());
}

TEST(ErrorLog, MissingLogIsCreatedAndAnUnwritableOneThrows) {
  ProgramFolder folder;
  std::filesystem::create_directory("#");
  appendErrorLog("#/Zefir.BAD", "x", "a.cc", 1, 2);
  EXPECT_EQ(ProgramFolder::read("#/Zefir.BAD"),
            text::fromUtf8("  a.cc  linia : 1  adres : 2  błąd : x\r\n"));
  EXPECT_ANY_THROW(appendErrorLog("brak/Zefir.BAD", "x", "a.cc", 1, 2));
}

TEST(ErrorLog, ReportListFileIsNamedByTheFullDateAndTime) {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 11;
  t.tm_mday = 8;
  t.tm_hour = 9;
  t.tm_min = 5;
  // The full year: read as 19yy the name would say 1926.
  EXPECT_EQ(datedLogName(t), "2026-12-08~09-05.LOG");
  t.tm_year = 1999 - 1900;
  EXPECT_EQ(datedLogName(t), "1999-12-08~09-05.LOG");

  ProgramFolder folder;
  auto lines = initialErrorReportList();
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines.front(), "...");
  ASSERT_TRUE(writeErrorReportList(datedLogName(t), lines));
  EXPECT_EQ(ProgramFolder::read("1999-12-08~09-05.LOG").size(), 10u * 5);
}

}  // namespace
}  // namespace zefir::shell
