// zefir-cli rates against the local server and a local archive file.
#include "../cli/cli_runner.h"
#include "local_server.h"
#include "rate_test_support.h"

namespace zefir::cli_test {
namespace {

class RatesCli : public CliTest {};

TEST_F(RatesCli, FetchesTheYearAskedForAndPrintsTheRateFile) {
  net::testing::LocalServer server;
  server.serve("/kursy/Archiwum/archiwum_tab_a_2024.csv", net::testing::sampleArchive1250(2024));
  server.start();
  const auto r = run("rates '" + path("").string() + "' --year 2024 --from " + server.base() +
                     "/kursy/Archiwum/");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, path("Kurs2024").string() + "\n");
  EXPECT_EQ(r.err, "Tabela NBP wczytana  i zapisana  ( 2024 )\n");
  const std::string table = readFile(path("Kurs2024"));
  EXPECT_NE(table.find("1EUR31-12-2024  38351  4.2730  252/A/NBP/2024"), std::string::npos);

  // Written today: the second run asks nothing.
  const auto again = run("rates '" + path("").string() + "' --year 2024 --from " + server.base() +
                         "/kursy/Archiwum/");
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(again.out, r.out);
  EXPECT_EQ(server.requests(), 1);
}

TEST_F(RatesCli, ReadsALocalArchiveAndFailsWithAReason) {
  writeFile(path("a.csv"), net::testing::sampleArchive(2012));
  const auto r =
      run("rates '" + path("").string() + "' --year 2012 --from '" + path("a.csv").string() + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(readFile(path("Kurs2012")).find("1USD31-12-2012"), std::string::npos);

  net::testing::LocalServer server;
  server.start();
  const auto missing =
      run("rates '" + path("").string() + "' --year 2020 --from " + server.base() + "/none/");
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("404"), std::string::npos) << missing.err;
  EXPECT_TRUE(missing.out.empty());
  EXPECT_FALSE(fs::exists(path("Kurs2020")));
}

}  // namespace
}  // namespace zefir::cli_test
