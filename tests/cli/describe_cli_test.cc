// zefir-cli describe: one asset's description as of a day or for a year.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "../operations/listing_test_support.h"
#include "cli_runner.h"
#include "register/base_journal.h"
#include "text/dates.h"

namespace zefir::cli_test {
namespace {

class DescribeCli : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    AssetRegister reg;
    BaseJournal journal(path("Srodki.PST").string());
    ASSERT_TRUE(journal.load(reg).ok());
    AssetRecord a =
        listing_test::asset("ŚR-1", "Tokarka", text::dayFromDate(2025, 6, 15), 12000, 20);
    a.Symb = text::fromUtf8("ŚR-1");
    ASSERT_TRUE(journal.saveAsset(reg, AssetRegister::emptyRecord(), a).ok());
  }
  std::string folder() const { return quoted(path("")); }
};

TEST_F(DescribeCli, DayGivesTheDescriptionAndYearTheFullOne) {
  CliResult r = run("describe " + folder() + " śr-1 --day 310326 --json " + quoted(path("d.json")));
  ASSERT_EQ(r.status, 0) << r.err;
  nlohmann::json j = nlohmann::json::parse(readFile(path("d.json")));
  EXPECT_EQ(j["code"], "OST");
  EXPECT_NE(readFile(path("d.json")).find("Umorzenie do 31-03-2026"), std::string::npos);

  r = run("describe " + folder() + " ŚR-1 --year 2026 --text " + quoted(path("p.txt")));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string text = readFile(path("p.txt"));
  EXPECT_NE(text.find("RI.P[2026]"), std::string::npos) << text;
  EXPECT_EQ(text.find("RI.P[2025]"), std::string::npos);
}

TEST_F(DescribeCli, PdfHoldsTheDescriptionText) {
  const CliResult r =
      run("describe " + folder() + " ŚR-1 --day 310326 --pdf " + quoted(path("d.pdf")));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string command =
      "pdftotext -layout '" + path("d.pdf").string() + "' '" + path("d.txt").string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const std::string text = readFile(path("d.txt"));
  EXPECT_NE(text.find("Symbol inwentarzowy"), std::string::npos) << text;
  EXPECT_NE(text.find("Wartość brutto na 1-sty-2026"), std::string::npos) << text;
}

TEST_F(DescribeCli, UsageErrorsAndAnUnknownSymbol) {
  const std::string out = " --text " + quoted(path("x.txt"));
  EXPECT_EQ(run("describe " + folder() + " ŚR-1" + out).status, 1);
  EXPECT_EQ(run("describe " + folder() + " ŚR-1 --day 310326 --year 2026" + out).status, 1);
  EXPECT_EQ(run("describe " + folder() + " ŚR-1 --day 310326").status, 1);
  EXPECT_EQ(run("describe " + folder() + " ŚR-1 --day xyz" + out).status, 1);
  const CliResult unknown = run("describe " + folder() + " XYZ --day 310326" + out);
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("Nie ma środka o symbolu XYZ"), std::string::npos) << unknown.err;
  EXPECT_EQ(run("describe " + quoted(path("brak")) + " ŚR-1 --day 310326" + out).status, 2);
}

}  // namespace
}  // namespace zefir::cli_test
