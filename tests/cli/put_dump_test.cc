// zefir-cli dump and put over real journal files.
#include "cli_runner.h"

#include <set>

namespace zefir::cli_test {
namespace {

using nlohmann::json;

constexpr std::uintmax_t kRecord = 128;

TEST_F(CliTest, DumpOfDemoRoundTripsThroughPutUnchanged) {
  const fs::path base = demoCopy();
  const std::string journal = readFile(base);
  const std::string dumped = run("dump " + quoted(base)).out;
  ASSERT_FALSE(dumped.empty());

  // Into the same base: nothing changed, nothing appended.
  const CliResult same = run("put " + quoted(base), dumped);
  EXPECT_EQ(same.status, 0) << same.err;
  EXPECT_EQ(readFile(base), journal);

  // Into a new base: the same assets come out, and a second put appends nothing.
  const fs::path fresh = path("Nowe.PST");
  ASSERT_EQ(run("put " + quoted(fresh), dumped).status, 0);
  EXPECT_EQ(run("dump " + quoted(fresh)).out, dumped);
  const auto size = fs::file_size(fresh);
  ASSERT_EQ(run("put " + quoted(fresh), dumped).status, 0);
  EXPECT_EQ(fs::file_size(fresh), size);
}

// Other tools read the dump: exactly these keys, lists of their full length,
// and no engine working value (UmPo).
TEST_F(CliTest, DumpHasExactlyTheAgreedKeys) {
  const auto assets = dump(demoCopy());
  ASSERT_FALSE(assets.empty());
  const std::set<std::string> keys = {"Symb", "Nazw", "DtZa", "CeZa", "DdZa", "DtOT",
                                      "WaOT", "RokP", "WaBr", "WaUm", "MeUm", "Na2w",
                                      "Dost", "DdOT", "Opis", "K",    "Z"};
  const std::set<std::string> rateKeys = {"date", "SKST", "StPo", "WsPo", "StBi", "WsBi"};
  for (const json& a : assets) {
    std::set<std::string> got;
    for (const auto& [key, value] : a.items()) got.insert(key);
    EXPECT_EQ(got, keys);
    EXPECT_EQ(a["Opis"].size(), 10u);
    EXPECT_EQ(a["Z"].size(), 60u);
    ASSERT_EQ(a["K"].size(), 5u);
    for (const json& k : a["K"]) {
      std::set<std::string> kGot;
      for (const auto& [key, value] : k.items()) kGot.insert(key);
      EXPECT_EQ(kGot, rateKeys);
    }
    EXPECT_TRUE(a["RokP"].is_number_integer() && a["DtOT"].is_number_integer());
    EXPECT_TRUE(a["WaOT"].is_number() && a["MeUm"].is_string());
    EXPECT_LE(a["MeUm"].get<std::string>().size(), 1u);
  }
}

TEST_F(CliTest, PutAppendsOnlyTheChangedRecordKindsAndKeepsLeftOutKeys) {
  const fs::path base = demoCopy();
  const auto before = dump(base);
  const auto size = fs::file_size(base);
  const std::string symbol = before[0]["Symb"];

  // A new name is one kind-1 record; a change entry in slot 12 one kind-5 record.
  json edit = {{"Symb", symbol}, {"Nazw", "Nowa nazwa źdźbła"}};
  ASSERT_EQ(run("put " + quoted(base), edit.dump() + "\n").status, 0);
  EXPECT_EQ(fs::file_size(base), size + kRecord);
  json z = before[0]["Z"];
  z[11] = "WU:010124,,,POSTÓJ";
  ASSERT_EQ(run("put " + quoted(base), json{{"Symb", symbol}, {"Z", z}}.dump()).status, 0);
  EXPECT_EQ(fs::file_size(base), size + 2 * kRecord);

  auto after = dump(base);
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(after[0]["Nazw"], "Nowa nazwa źdźbła");
  EXPECT_EQ(after[0]["Z"][11], "WU:010124,,,POSTÓJ");
  after[0]["Nazw"] = before[0]["Nazw"];
  after[0]["Z"][11] = "";
  EXPECT_EQ(after, before);
}

TEST_F(CliTest, PutCreatesDeletesAndKeepsExactAmounts) {
  const fs::path base = path("Baza.PST");
  const std::string input =
      json{{"Symb", "ŁÓDŹ/1"},
           {"Nazw", "Regał"},
           {"CeZa", 1234.5678},
           {"MeUm", "L"},
           {"RokP", 2015},
           {"WaBr", 1000.01},
           {"WaUm", 333.33},
           {"K", {{{"date", 35000}, {"SKST", "808"}, {"StPo", 20}, {"WsPo", 1}}}}}
          .dump() +
      "\n" + json{{"Symb", "B/2"}, {"Nazw", "Biurko"}, {"WaOT", 900}, {"WaBr", 5}}.dump() + "\n";
  const CliResult r = run("put " + quoted(base) + " --station 5", input);
  ASSERT_EQ(r.status, 0) << r.err;
  auto assets = dump(base);
  ASSERT_EQ(assets.size(), 2u);
  EXPECT_EQ(assets[0]["Symb"], "B/2");  // register order: byte-wise, Ł above the ASCII letters
  EXPECT_EQ(assets[0]["WaBr"], 900.0);  // no opening balance: the base keeps WaBr = WaOT
  EXPECT_EQ(assets[1]["Symb"], "ŁÓDŹ/1");
  EXPECT_EQ(assets[1]["CeZa"], 1234.5678);
  EXPECT_EQ(assets[1]["WaUm"], 333.33);
  EXPECT_EQ(assets[1]["K"][0]["SKST"], "808");
  EXPECT_EQ(assets[1]["MeUm"], "L");
  EXPECT_NE(run("check " + quoted(base)).out.find("Stanowiska: 005"), std::string::npos);

  const CliResult del = run("put " + quoted(base), R"({"Symb": "B/2", "delete": true})");
  ASSERT_EQ(del.status, 0) << del.err;
  assets = dump(base);
  ASSERT_EQ(assets.size(), 1u);
  EXPECT_EQ(assets[0]["Symb"], "ŁÓDŹ/1");
}

// Cut to 15 characters, a longer symbol would name another asset.
TEST_F(CliTest, SymbolOver15CharactersIsRefusedAndDeletesNothing) {
  const fs::path base = path("Baza.PST");
  ASSERT_EQ(run("put " + quoted(base), R"({"Symb": "ABCDEFGHIJKLMNO"})").status, 0);
  const CliResult del =
      run("put " + quoted(base), R"({"Symb": "ABCDEFGHIJKLMNOP", "delete": true})");
  EXPECT_EQ(del.status, 2);
  EXPECT_NE(del.out.find("usunięte: 0"), std::string::npos) << del.out;
  EXPECT_NE(del.err.find("ABCDEFGHIJKLMNOP"), std::string::npos) << del.err;
  const CliResult save = run("put " + quoted(base), R"({"Symb": "ABCDEFGHIJKLMNOP", "Nazw": "x"})");
  EXPECT_EQ(save.status, 2);
  EXPECT_NE(save.err.find("ABCDEFGHIJKLMNOP"), std::string::npos) << save.err;
  const auto assets = dump(base);
  ASSERT_EQ(assets.size(), 1u);
  EXPECT_EQ(assets[0]["Symb"], "ABCDEFGHIJKLMNO");
  EXPECT_EQ(assets[0]["Nazw"], "");
  const CliResult compute = run("compute " + quoted(base) + " ABCDEFGHIJKLMNOP 311224");
  EXPECT_EQ(compute.status, 1);
  EXPECT_NE(compute.err.find("ABCDEFGHIJKLMNOP"), std::string::npos) << compute.err;
}

// Each bad line is reported with its number and skipped; the good ones are saved.
TEST_F(CliTest, InvalidLinesAreReportedWithLineNumbersAndSkipped) {
  const fs::path base = path("Baza.PST");
  const std::vector<std::string> input = {
      R"({"Symb": "A/1", "Nazw": "Dobry"})",
      R"({"Symb": "A/2", "Nazw": )",                                              // 2: not JSON
      R"({"Nazw": "Bez symbolu"})",                                               // 3
      R"({"Symb": "a/3"})",                                                       // 4: lower case
      R"({"Symb": "A/4", "Nazw": "12345678901234567890123456789012345678901"})",  // 5: 41
      R"({"Symb": "A/5", "Nazwa": "literówka"})",                                 // 6: unknown key
      R"({"Symb": "A/6", "MeUm": "LL"})",                                         // 7
      R"({"Symb": "A/7", "RokP": 1800})",                                         // 8: not storable
      R"({"Symb": "A/8", "Nazw": "漢字"})",                                       // 9: not in 1250
      R"({"Symb": "A/9", "delete": true})",  // 10: no such asset
      R"({"Symb": "A/10", "Opis": ["1","2","3","4","5","6","7","8","9","10","11"]})",  // 11
      R"({"Symb": "A/11", "CeZa": "100"})",                                            // 12: a text
      R"({"Symb": "A/13", "CeZa": 1e4000})",  // 13: beyond any double, no crash
      "",
      R"({"Symb": "A/12", "Nazw": "Też dobry"})",
  };
  std::string text;
  for (const auto& l : input) text += l + "\n";
  const CliResult r = run("put " + quoted(base), text);
  EXPECT_EQ(r.status, 2);
  for (int line : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13})
    EXPECT_NE(r.err.find("wiersz " + std::to_string(line) + ":"), std::string::npos) << line << "\n"
                                                                                     << r.err;
  EXPECT_EQ(r.err.find("wiersz 1:"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("wiersz 15:"), std::string::npos) << r.err;
  const auto assets = dump(base);
  ASSERT_EQ(assets.size(), 2u);
  EXPECT_EQ(assets[0]["Nazw"], "Dobry");
  EXPECT_EQ(assets[1]["Nazw"], "Też dobry");
}

// A symbol or text longer than its field is refused: cut, a 16-character
// symbol would save over (or delete) the asset named by its first 15.
TEST_F(CliTest, TooLongSymbolsAndTextsAreRefusedNotCut) {
  const fs::path base = path("Baza.PST");
  ASSERT_EQ(run("put " + quoted(base), R"({"Symb": "ABCDEFGHIJKLMNO", "Nazw": "Pierwszy"})"
                                       "\n")
                .status,
            0);
  const CliResult r = run(
      "put " + quoted(base),
      std::string(R"({"Symb": "ABCDEFGHIJKLMNOP", "Nazw": "Drugi"})") + "\n" +
          R"({"Symb": "ABCDEFGHIJKLMNOP", "delete": true})" + "\n" +
          R"({"Symb": "ABCDEFGHIJKLMNO", "Z": ["MU:010120,123456789012345678901234567890123456789012"]})" +
          "\n");
  EXPECT_EQ(r.status, 2);
  for (int line : {1, 2, 3})
    EXPECT_NE(r.err.find("wiersz " + std::to_string(line) + ":"), std::string::npos) << r.err;
  const auto assets = dump(base);
  ASSERT_EQ(assets.size(), 1u);
  EXPECT_EQ(assets[0]["Symb"], "ABCDEFGHIJKLMNO");
  EXPECT_EQ(assets[0]["Nazw"], "Pierwszy");
  EXPECT_EQ(assets[0]["Z"][0], "");
}

TEST_F(CliTest, ExitStatusesForUsageAndUnreadableInput) {
  EXPECT_EQ(run("dump").status, 1);
  EXPECT_EQ(run("put " + quoted(path("B.PST")) + " --station 198").status, 1);
  EXPECT_EQ(run("put " + quoted(path("B.PST")) + " --station 0").status, 1);
  const CliResult missing = run("dump " + quoted(path("Brak.PST")));
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("Brak.PST"), std::string::npos);
  EXPECT_EQ(run("check " + quoted(path("Brak.PST"))).status, 2);
  EXPECT_EQ(run("put " + quoted(path("brak/B.PST")), "{\"Symb\": \"A\"}\n").status, 2);
  EXPECT_FALSE(fs::exists(path("Brak.PST")));
}

// A usage error is one Polish line naming what is wrong, not CLI11's English.
TEST_F(CliTest, UsageErrorsAreOnePolishLine) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "brak polecenia"},
      {"dump", "brak argumentu BASE"},
      {"dump a b", "nieoczekiwany argument: b"},
      {"put " + quoted(path("B.PST")) + " --station 300", "niepoprawna wartość --station"},
      {"put " + quoted(path("B.PST")) + " --station x", "niepoprawna wartość --station"},
  };
  for (const auto& [args, expected] : cases) {
    const CliResult r = run(args);
    EXPECT_EQ(r.status, 1) << args;
    EXPECT_EQ(r.err, "Błąd wywołania: " + expected + " (zob. zefir-cli --help)\n") << args;
  }
}

}  // namespace
}  // namespace zefir::cli_test
