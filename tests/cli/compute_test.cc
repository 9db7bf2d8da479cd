// zefir-cli compute and compute-all on a base written through the journal.
#include <filesystem>
#include <sstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_runner.h"

#include "register/base_journal.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir {
namespace {

namespace fs = std::filesystem;

AssetRecord asset(const char* symb, DayNumber accepted, long double value) {
  AssetRecord a;
  a.Symb = symb;
  a.Nazw = text::fromUtf8("Krzesło 4 szt");
  a.DtOT = accepted;
  a.WaOT = a.WaBr = value;
  a.MeUm = 'L';
  a.K[0] = RateEntry{0, "803", 20, 1, 10, 1};
  return a;
}

class ComputeCli : public cli_test::CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    base_ = path("Srodki.PST").string();
    AssetRecord b = asset("B2", text::dayFromDate(2019, 12, 15), 1200);
    b.Z[0] = "MU:151219,BIURO";
    b.Z[1] = "MU:010620,MAGAZYN,300";
    add(b);
    add(asset("A1", text::dayFromDate(2020, 3, 15), 2400));
  }
  // Appends a new asset to the base.
  void add(const AssetRecord& a) {
    AssetRegister reg;
    BaseJournal journal(base_);
    ASSERT_TRUE(journal.load(reg).ok());
    ASSERT_TRUE(journal.saveAsset(reg, AssetRegister::emptyRecord(), a).ok());
  }

  std::string base_;
};

TEST_F(ComputeCli, PrintsTheWorkingRecordUnderEitherBasis) {
  cli_test::CliResult r = run("compute " + base_ + " B2 300620");
  ASSERT_EQ(r.status, 0) << r.out;
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["symbol"], "B2");
  EXPECT_EQ(j["asOf"], text::dayFromDate(2020, 6, 30));
  EXPECT_EQ(j["asOfYear"], 2020);
  EXPECT_EQ(j["asOfMonth"], 6);
  ASSERT_EQ(j["years"].size(), 2u);
  EXPECT_EQ(j["years"][1]["year"], 2020);
  EXPECT_DOUBLE_EQ(j["years"][1]["Brutt"].get<double>(), 1200);
  ASSERT_EQ(j["months"].size(), 13u);
  // Balance basis: 10 % of 1,200.00 = 10.00 a month; tax basis 20.00.
  EXPECT_DOUBLE_EQ(j["months"][6]["charge"].get<double>(), 10);
  EXPECT_DOUBLE_EQ(j["summary"]["chargeYTD"].get<double>(), 60);
  EXPECT_DOUBLE_EQ(j["summary"]["accumDay"].get<double>(), 60);
  EXPECT_EQ(j["classification"]["SKST"], "803");
  EXPECT_DOUBLE_EQ(j["classification"]["rate"].get<double>(), 10);
  EXPECT_DOUBLE_EQ(j["gross"].get<double>(), 1200);
  EXPECT_DOUBLE_EQ(j["quantity"].get<double>(), 4);
  EXPECT_EQ(j["unit"], "szt");
  ASSERT_EQ(j["holdings"].size(), 2u);
  EXPECT_EQ(j["holdings"][1]["key"], "MAGAZYN");
  EXPECT_EQ(j["holdings"][1]["origin"], 2);
  EXPECT_DOUBLE_EQ(j["holdings"][1]["amount"].get<double>(), 300);
  EXPECT_DOUBLE_EQ(j["holdings"][1]["quantityShare"].get<double>(), 1);

  r = run("compute " + base_ + " B2 300620 --basis P");
  ASSERT_EQ(r.status, 0);
  EXPECT_DOUBLE_EQ(nlohmann::json::parse(r.out)["summary"]["chargeYTD"].get<double>(), 120);
}

// Symbols are upper case in the register; the command line takes them in
// either case, Polish letters included.
TEST_F(ComputeCli, SymbolGivenInLowerCaseIsFound) {
  AssetRegister reg;
  BaseJournal journal(base_);
  ASSERT_TRUE(journal.load(reg).ok());
  ASSERT_TRUE(
      journal
          .saveAsset(reg, AssetRegister::emptyRecord(),
                     asset(text::fromUtf8("ŚR-1").c_str(), text::dayFromDate(2020, 1, 10), 600))
          .ok());
  for (const char* given : {"b2", "B2"}) {
    const cli_test::CliResult r = run("compute " + base_ + " " + given + " 300620");
    ASSERT_EQ(r.status, 0) << given;
    EXPECT_EQ(nlohmann::json::parse(r.out)["symbol"], "B2");
  }
  for (const char* given : {"śr-1", "Śr-1", "ŚR-1"}) {
    const cli_test::CliResult r = run("compute " + base_ + " " + given + " 300620");
    ASSERT_EQ(r.status, 0) << given;
    EXPECT_EQ(nlohmann::json::parse(r.out)["symbol"], "ŚR-1") << given;
  }
  EXPECT_EQ(run("compute " + base_ + " sr-1 300620").status, 1);  // the letters count
}

TEST_F(ComputeCli, ComputeAllPrintsOneLinePerAssetInRegisterOrder) {
  const cli_test::CliResult r = run("compute-all " + base_ + " 311220");
  ASSERT_EQ(r.status, 0);
  std::istringstream lines(r.out);
  std::string line;
  std::vector<std::string> symbols;
  while (std::getline(lines, line)) symbols.push_back(nlohmann::json::parse(line)["symbol"]);
  EXPECT_EQ(symbols, (std::vector<std::string>{"A1", "B2"}));
}

TEST_F(ComputeCli, HoldingOriginsCountEntriesWithinTheirKind) {
  AssetRecord c = asset("C3", text::dayFromDate(2019, 12, 15), 1000);
  c.Z[0] = "MU:151219,BIURO";
  c.Z[1] = "OO:151219,KOWALSKI";
  c.Z[2] = "OO:010320,NOWAK,,1/";
  c.Z[3] = "MU:010620,MAGAZYN,300,1/";
  add(c);
  const cli_test::CliResult r = run("compute " + base_ + " C3 300620");
  ASSERT_EQ(r.status, 0) << r.out;
  const auto holdings = nlohmann::json::parse(r.out)["holdings"];
  ASSERT_EQ(holdings.size(), 3u) << holdings.dump();
  // MAGAZYN stands fourth among the entries but is the second MU entry;
  // NOWAK is the second OO entry and took KOWALSKI's whole value.
  EXPECT_EQ(holdings[0]["key"], "BIURO");
  EXPECT_EQ(holdings[0]["origin"], 1);
  EXPECT_DOUBLE_EQ(holdings[0]["amount"].get<double>(), 700);
  EXPECT_EQ(holdings[1]["key"], "NOWAK");
  EXPECT_EQ(holdings[1]["origin"], 2);
  EXPECT_DOUBLE_EQ(holdings[1]["amount"].get<double>(), 1000);
  EXPECT_EQ(holdings[2]["key"], "MAGAZYN");
  EXPECT_EQ(holdings[2]["origin"], 2);
  EXPECT_DOUBLE_EQ(holdings[2]["amount"].get<double>(), 300);
}

TEST_F(ComputeCli, BadArgumentsAreUsageErrorsAndAMissingBaseIsBadInput) {
  EXPECT_EQ(run("compute " + base_ + " NIEMA 300620").status, 1);
  EXPECT_EQ(run("compute " + base_ + " B2 310220").status, 1);
  EXPECT_EQ(run("compute " + base_ + " B2 3006").status, 1);
  EXPECT_EQ(run("compute " + base_ + " B2 300620 --basis X").status, 1);
  EXPECT_EQ(run("compute-all " + base_ + " 999999").status, 1);
  const std::string missing = path("Brak.PST").string();
  EXPECT_EQ(run("compute " + missing + " B2 300620").status, 2);
  EXPECT_FALSE(fs::exists(missing));
}

}  // namespace
}  // namespace zefir
