// zefir-cli import: the spreadsheet import into Nowe.PST and the analysis,
// headless, with the exit statuses of a source that cannot be read.
#include "cli_runner.h"
#include "text/dates.h"

namespace zefir::cli_test {
namespace {

class ImportCli : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    fs::create_directories(path("DBF"));
  }
};

TEST_F(ImportCli, EveryRowOfACode1250CsvBecomesAnAssetWhoseDumpMatchesTheSource) {
  // "Żuraw", "Dźwig" and the head "Gr. obiektów" in code page 1250; the
  // third row's date is no date.
  writeFile(path("DBF/Maszyny.csv"),
            "Obiekt,Opis obiektu,Data nabycia,Gr. obiekt\xF3w\n"
            "D-1,\xAFuraw,15.03.2020,741\n"
            "D-2,D\x9Fwig,2021-04-15,742\n"
            "D-3,Koparka,wczoraj,743\n");
  const CliResult missing =
      run("import xls " + quoted(path("")) + " Maszyny.xlsx --version Fabrika");
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("Nie ma pliku"), std::string::npos) << missing.err;

  // The name in another letter case than it has, as the parameter set's
  // upper-case fields give it, finds the file.
  const CliResult ok = run("import xls " + quoted(path("")) +
                           " MASZYNY.CSV --version Fabrika --json " + quoted(path("xu.json")));
  ASSERT_EQ(ok.status, 0) << ok.err;
  const std::vector<nlohmann::json> assets = dump(path("Nowe.PST"));
  ASSERT_EQ(assets.size(), 2u);
  EXPECT_EQ(assets[0]["Symb"], "D-1");
  EXPECT_EQ(assets[0]["Nazw"], "Żuraw");
  EXPECT_EQ(assets[0]["K"][0]["SKST"], "741");
  EXPECT_EQ(assets[1]["Nazw"], "Dźwig");
  EXPECT_EQ(assets[1]["DtZa"], assets[1]["DtOT"]);
  const std::string report = readFile(path("xu.json"));
  EXPECT_NE(report.find("w. 4: Data nabycia: to nie jest data"), std::string::npos);
  EXPECT_FALSE(fs::exists(path("Nowe.tmp")));
}

TEST_F(ImportCli, EveryRowOfEverySheetOfAnXlsWorkbookBecomesAnAssetWhoseDumpMatchesTheSource) {
  fs::copy_file(fs::path(ZEFIR_TEST_DATA_DIR) / "xls" / "Maszyny.xls", path("DBF/Maszyny.xls"));
  const CliResult r = run("import xls " + quoted(path("")) + " Maszyny --version Fabrika --json " +
                          quoted(path("xu.json")));
  ASSERT_EQ(r.status, 0) << r.err;
  struct Row {
    const char* symbol;
    const char* name;
    const char* second;
    DayNumber day;
    const char* group;
  };
  // The rows of both sheets, in symbol order.
  const Row rows[] = {
      {"F-7", "Frezarka pionowa FWD-32", "", text::dayFromDate(2020, 11, 2), "491"},
      {"SPR-3", "Sprężarka śrubowa", "", text::dayFromDate(2021, 4, 15), "492"},
      {"T-101", "Tokarka uniwersalna TUR-50 z wyposażenie", "m specjalnym",
       text::dayFromDate(2019, 3, 15), "491"},
      {"V-1", "Wózek widłowy", "", text::dayFromDate(2018, 6, 30), "743"},
      {"V-2", "Żuraw samojezdny", "", text::dayFromDate(2022, 1, 3), "744"},
  };
  const std::vector<nlohmann::json> assets = dump(path("Nowe.PST"));
  ASSERT_EQ(assets.size(), std::size(rows));
  for (std::size_t i = 0; i < assets.size(); ++i) {
    const nlohmann::json& a = assets[i];
    EXPECT_EQ(a["Symb"], rows[i].symbol);
    EXPECT_EQ(a["Nazw"], rows[i].name) << rows[i].symbol;
    EXPECT_EQ(a["Na2w"], rows[i].second) << rows[i].symbol;
    EXPECT_EQ(a["DtZa"], rows[i].day) << rows[i].symbol;
    EXPECT_EQ(a["DtOT"], rows[i].day) << rows[i].symbol;
    EXPECT_EQ(a["K"][0]["SKST"], rows[i].group) << rows[i].symbol;
  }
  const std::string report = readFile(path("xu.json"));
  EXPECT_EQ(report.find("BŁĄD"), std::string::npos) << report;
}

TEST_F(ImportCli, AnalysisAndRefusalsOfSourcesThatCannotBeRead) {
  writeFile(path("DBF/Lista.csv"), "Symbol;Nazwa\nA-1;Stół\nA-2;Stół\n");
  const CliResult a =
      run("import xls " + quoted(path("")) + " Lista --analyse --text " + quoted(path("ap.txt")));
  ASSERT_EQ(a.status, 0) << a.err;
  const std::string text = readFile(path("ap.txt"));
  EXPECT_NE(text.find("Analiza pliku Lista.XLS"), std::string::npos);
  EXPECT_NE(text.find("Stół"), std::string::npos);
  EXPECT_FALSE(fs::exists(path("Nowe.PST")));

  writeFile(path("DBF/Zepsuty.xlsx"), std::string("PK\x03\x04", 4) + std::string(100, 'x'));
  const CliResult broken = run("import xls " + quoted(path("")) + " Zepsuty --version Fabrika");
  EXPECT_EQ(broken.status, 2);
  EXPECT_NE(broken.err.find("Musisz najpierw zapisac dane w Excelu"), std::string::npos);

  writeFile(path("DBF/SRODKI.DBF"), std::string(40, '\0'));
  const CliResult dbf = run("import dbf " + quoted(path("")) + " srodki --version Srodki");
  EXPECT_EQ(dbf.status, 2) << dbf.err;
  EXPECT_NE(dbf.err.find("uszkodzony"), std::string::npos) << dbf.err;
  EXPECT_EQ(run("import xls " + quoted(path("")) + " Lista --version Nieznana").status, 1);
}

}  // namespace
}  // namespace zefir::cli_test
