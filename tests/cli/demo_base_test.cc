// The demo base the build writes: what it must contain for the program's
// reports and tests to have something real to show.
#include <set>

#include "cli_runner.h"
#include "register/asset_register.h"
#include "register/base_files.h"
#include "register/change_entry.h"
#include "text/codepage.h"

namespace zefir::cli_test {
namespace {

class DemoBase : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    assets_ = dump(fs::path(ZEFIR_DEMO_DIR) / "Srodki.PST");
  }
  std::vector<nlohmann::json> assets_;
};

TEST_F(DemoBase, HoldsAboutSixtyAssetsOverEveryGroupAndMethod) {
  EXPECT_GE(assets_.size(), 55u);
  EXPECT_LE(assets_.size(), 70u);
  std::set<char> groups;
  std::set<std::string> methods;
  bool opening = false, rateHistory = false, intangible = false;
  for (const auto& a : assets_) {
    const std::string skst = a["K"][0]["SKST"];
    ASSERT_FALSE(skst.empty()) << a["Symb"];
    if (skst == "WNIP")
      intangible = true;
    else
      groups.insert(skst[0]);
    methods.insert(a["MeUm"].get<std::string>());
    if (a["RokP"].get<int>() > 0 && a["WaUm"].get<double>() > 0) opening = true;
    if (a["K"][1]["date"].get<int>() > a["K"][0]["date"].get<int>()) rateHistory = true;
  }
  EXPECT_EQ(groups, (std::set<char>{'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}));
  EXPECT_EQ(methods, (std::set<std::string>{"", "B", "D", "J", "L", "N", "P", "T"}));
  EXPECT_TRUE(opening);
  EXPECT_TRUE(rateHistory);
  EXPECT_TRUE(intangible);
}

// Every entry reads through the one parser, every kind occurs, and the keys
// of attribute entries are in the dictionaries written beside the base.
TEST_F(DemoBase, ChangeEntriesParseAndNameDictionaryKeys) {
  AssetRegister reg;
  const std::string folder = ZEFIR_DEMO_DIR;
  base::loadDictionaries(reg, folder + "/");
  ASSERT_GT(reg.places.count(), 10);
  ASSERT_GT(reg.persons.count(), 5);
  ASSERT_GT(reg.accounts.count(), 10);

  std::set<std::string> kinds;
  for (const auto& a : assets_) {
    AssetRecord record;
    for (int i = 0; i < kChangeEntries; ++i)
      record.Z[i] = text::fromUtf8(a["Z"][i].get<std::string>());
    const auto parsed = parseChangeEntries(record);
    for (int i = 0; i < kChangeEntries; ++i) {
      if (record.Z[i].empty()) continue;
      const ChangeEntry& e = parsed[i];
      ASSERT_FALSE(e.empty()) << a["Z"][i];
      kinds.insert(e.C);
      const Dictionary* dict = e.C == "MU"     ? &reg.places
                               : e.C == "OO"   ? &reg.persons
                               : e.C[0] == 'K' ? &reg.accounts
                                               : nullptr;
      if (dict) {
        EXPECT_NE(dict->find(e.K), nullptr) << a["Z"][i];
      }
      if (e.C == "MU" && e.Z[0] != 0) {
        EXPECT_TRUE(e.hasAmount) << a["Z"][i];
      }
    }
  }
  EXPECT_EQ(kinds,
            (std::set<std::string>{"OT", "OZ", "LN", "LS", "LT", "LZ", "PT", "WU", "UU", "PA",
                                   "PK", "MU", "OO", "KS", "KU", "KK", "KN", "KP", "KR", "UD"}));
}

TEST_F(DemoBase, ClassificationTableHasGroupZeroOf2016AndTheRestOf2010) {
  ClassificationTable kst;
  base::loadClassificationTable(kst, std::string(ZEFIR_DEMO_DIR) + "/KST");
  ASSERT_GT(kst.count(), 400);
  auto name = [&](const char* symbol) {
    const ClassificationEntry* e = kst.find(symbol);
    return e ? text::toUtf8(e->name) : std::string("(brak)");
  };
  EXPECT_EQ(name("0"), "GRUNTY");
  EXPECT_EQ(name("01"), "GRUNTY ROLNE");  // "UŻYTKI ROLNE" in 2010
  EXPECT_EQ(name("018"), "Nieużytki");    // only in 2016
  EXPECT_EQ(name("491"), "Zespoły komputerowe");
  EXPECT_EQ(name("741"), "Samochody osobowe");
  EXPECT_EQ(name("900"), "Inwentarz żywy");
  for (const auto& e : kst.entries()) {
    EXPECT_LE(e.symbol.size(), 3u);
    EXPECT_LE(e.name.size(), 93u);
  }
}

TEST_F(DemoBase, JournalIsCleanAndHoldsADeletion) {
  const CliResult r = run("check " + quoted(fs::path(ZEFIR_DEMO_DIR) / "Srodki.PST"));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Pominięte: 0"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("rodzaj 0 usunięcie: 1"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Środków: " + std::to_string(assets_.size())), std::string::npos) << r.out;
}

TEST_F(DemoBase, RefusesToWriteOverAnExistingBase) {
  ASSERT_EQ(run("demo " + quoted(path("d"))).status, 0);
  const std::string before = readFile(path("d") / "Srodki.PST");
  const CliResult again = run("demo " + quoted(path("d")));
  EXPECT_EQ(again.status, 2);
  EXPECT_EQ(readFile(path("d") / "Srodki.PST"), before);
}

}  // namespace
}  // namespace zefir::cli_test
