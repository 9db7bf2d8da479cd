// zefir-cli report: a listing option run on a base folder, its fields given
// by their codes, the rest from the option's defaults and the base register.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "../operations/listing_test_support.h"
#include "../output/xlsx_reader.h"
#include "cli_runner.h"
#include "register/base_journal.h"
#include "shell/settings_register.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::cli_test {
namespace {

using listing_test::asset;

// 401 and 402 charged 10.00 and 20.00 a month from July 2025, 403 of zero value.
class ReportCli : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    AssetRegister reg;
    BaseJournal journal(path("Srodki.PST").string());
    ASSERT_TRUE(journal.load(reg).ok());
    const DayNumber june = text::dayFromDate(2025, 6, 15);
    for (const AssetRecord& a :
         {asset("401", "Tokarka", june, 1200, 10), asset("402", "Frezarka", june, 2400, 10),
          asset("403", "Wiertarka", june, 0, 10)})
      ASSERT_TRUE(journal.saveAsset(reg, AssetRegister::emptyRecord(), a).ok());
  }
  std::string folder() const { return quoted(path("")); }
  // The data rows of a saved buffer, cells joined by "|" (empty ones at the end dropped).
  std::vector<std::string> rows(const fs::path& json) const {
    std::vector<std::string> out;
    const nlohmann::json doc = nlohmann::json::parse(readFile(json));
    for (const auto& row : doc["rows"]) {
      if (!row.contains("cells")) continue;
      std::vector<std::string> cells = row["cells"];
      while (!cells.empty() && cells.back().empty()) cells.pop_back();
      std::string line;
      for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "|" : "") + cells[i];
      out.push_back(line);
    }
    return out;
  }
};

TEST_F(ReportCli, WritesTheListingAsTheBufferJsonThatRenderReads) {
  const CliResult r =
      run("report WykaS " + folder() + " --DaDo 310326 --Pod1 1 --Pod3 0 --Pod7 0 --json " +
          quoted(path("w.json")));
  ASSERT_EQ(r.status, 0) << r.err;
  const auto j = nlohmann::json::parse(readFile(path("w.json")));
  EXPECT_EQ(j["code"], "WST");
  EXPECT_EQ(j["params"], "na dzień 31-03-2026");
  EXPECT_EQ(
      rows(path("w.json")),
      (std::vector<std::string>{"1|401|Tokarka|15-06-2025|10|491|1.200,00|90,00|10,00",
                                "2|402|Frezarka|15-06-2025|10|491|2.400,00|180,00|20,00",
                                "|4|grupa 2 poz. ( zerowych : 1 )||||3.600,00|270,00|30,00",
                                "|ŚRODKI|RAZEM 2 poz. ( zerowych : 1 )||||3.600,00|270,00|30,00"}));

  // The text the report writes is the text render prints from the saved buffer.
  ASSERT_EQ(run("report WykaS " + folder() + " --DaDo 310326 --Pod1 1 --Pod3 0 --Pod7 0 " +
                "--text " + quoted(path("w.txt")))
                .status,
            0);
  ASSERT_EQ(run("render " + quoted(path("w.json")) + " --text " + quoted(path("r.txt"))).status, 0);
  EXPECT_EQ(readFile(path("w.txt")), readFile(path("r.txt")));
}

// The workbook the report writes holds what render writes from its saved buffer.
TEST_F(ReportCli, WorkbookMatchesTheOneRenderWritesFromTheBuffer) {
  const std::string fields = " --DaDo 310326 --Pod1 1 --Pod3 0 --Pod7 0 ";
  ASSERT_EQ(run("report WykaS " + folder() + fields + "--xlsx " + quoted(path("w.xlsx"))).status,
            0);
  ASSERT_EQ(run("report WykaS " + folder() + fields + "--json " + quoted(path("w.json"))).status,
            0);
  ASSERT_EQ(run("render " + quoted(path("w.json")) + " --xlsx " + quoted(path("r.xlsx"))).status,
            0);
  const auto report = xlsx_test::readSheet(path("w.xlsx").string());
  const auto render = xlsx_test::readSheet(path("r.xlsx").string());
  EXPECT_EQ(report.at("C3")->text, "401");
  EXPECT_DOUBLE_EQ(*report.at("B3")->number, 1);
  EXPECT_EQ(report.at("B3")->format, "#,##0");
  EXPECT_DOUBLE_EQ(*report.at("H3")->number, 1200);
  EXPECT_EQ(report.at("H3")->format, "#,##0.00");
  EXPECT_EQ(report.merges, render.merges);
  for (const auto& [ref, cell] : render.cells) {
    if (ref.starts_with("K") && ref.size() == 2) continue;  // the title cells carry the time
    ASSERT_TRUE(report.at(ref)) << ref;
    EXPECT_EQ(report.at(ref)->text, cell.text) << ref;
    EXPECT_EQ(report.at(ref)->number, cell.number) << ref;
    EXPECT_EQ(report.at(ref)->format, cell.format) << ref;
  }
  EXPECT_EQ(report.cells.size(), render.cells.size());
}

TEST_F(ReportCli, FieldsLeftOutTakeTheBaseRegistersSettings) {
  // Report day 31 March 2026, no subtotals, zero-value assets listed.
  std::string reg = shell::registerHeader("Zefir.BAL") + "\r\n";
  for (auto [key, value] :
       {std::pair{"DatyBOBZ", "010126;310326"}, {"GlebPods", "0;0;0"}, {"PokZlikw", "T"}})
    reg += shell::entryLine(key, ".001", value) + "\r\n";
  writeFile(path("Zefir.BAL"), reg);
  const CliResult r = run("report WykaS " + folder() + " --json " + quoted(path("w.json")));
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = rows(path("w.json"));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2], "3|403|Wiertarka|15-06-2025|10|491");
  EXPECT_EQ(lines[3], "|ŚRODKI|RAZEM 3 poz.||||3.600,00|270,00|30,00");
}

TEST_F(ReportCli, ARepeatedSelectionTakesEveryMask) {
  const CliResult r = run("report Karto " + folder() +
                          " --DaDo 310326 --SroW 401 --SroW '40?' --SroW 7 --Pod3 0 --json " +
                          quoted(path("k.json")));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(rows(path("k.json")).size(), 5u);  // two assets of two lines, and the total
  ASSERT_EQ(run("report Karto " + folder() + " --DaDo 310326 --SroW 401 --Pod3 0 --json " +
                quoted(path("k.json")))
                .status,
            0);
  EXPECT_EQ(rows(path("k.json")).size(), 3u);
}

TEST_F(ReportCli, UnknownOptionsFieldsAndBadValuesAreUsageErrorsNamingThem) {
  const std::string out = " --json " + quoted(path("x.json"));
  CliResult r = run("report WykaZ " + folder() + out);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("WykaZ"), std::string::npos) << r.err;
  r = run("report WykaS " + folder() + " --DaOd 010126" + out);  // a field of other options
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("--DaOd"), std::string::npos) << r.err;
  r = run("report Zamkn " + folder() + out);  // not a report
  EXPECT_EQ(r.status, 1);
  r = run("report WykaS " + folder() + " --DaDo 999939" + out);  // runs on past 2039
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("DaDo"), std::string::npos) << r.err;
  r = run("report WykaS " + folder() + " --json a.json --text b.txt");
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(fs::exists(path("x.json")));
  r = run("report WykaS " + quoted(path("nie-ma")) + out);
  EXPECT_EQ(r.status, 2);
}

// SG_01: SGRa chooses the section, TZGr its unit; the year gives the day.
TEST_F(ReportCli, StatisticalReturnWritesTheChosenSectionInTheChosenUnit) {
  const std::string out = " --json " + quoted(path("s.json"));
  ASSERT_EQ(run("report SG_01 " + folder() + " --Rok4 2026 --SGRa 1 --TZGr Z" + out).status, 0);
  auto j = nlohmann::json::parse(readFile(path("s.json")));
  EXPECT_EQ(j["code"], "DZI1");
  EXPECT_EQ(j["params"], "na dzień 31-12-2026, w zł");
  EXPECT_EQ(rows(path("s.json"))[0], "Ogółem (02+04+06+08+10+11+12)|01|3.600|0|0|0|0|3.600");

  ASSERT_EQ(run("report SG_01 " + folder() + " --Rok4 2026 --SGRa 3 --TZGr G" + out).status, 0);
  j = nlohmann::json::parse(readFile(path("s.json")));
  EXPECT_EQ(j["code"], "ODPI");
  // 60.00 and 120.00 in 2025, 120.00 and 240.00 in 2026 (group 4).
  EXPECT_EQ(rows(path("s.json"))[0],
            "Dotychczasowe odpisy am.(umorzeniowe)|540,00|0,00|0,00|"
            "0,00|0,00|540,00|0,00|0,00");

  ASSERT_EQ(run("report SG_01 " + folder() + " --Rok4 2026 --SGRa 2" + out).status, 0);
  EXPECT_EQ(nlohmann::json::parse(readFile(path("s.json")))["code"], "DAUZ");
  EXPECT_EQ(run("report SG_01 " + folder() + " --SGRa 4" + out).status, 1);
}

// Plan12 takes its group key from the base register (PlAmOdZn), PlAm12 from
// its own fields.
TEST_F(ReportCli, TwelveMonthPlansGroupBySettingOrByTheirFields) {
  const std::string out = " --json " + quoted(path("p.json"));
  ASSERT_EQ(run("report Plan12 " + folder() + " --Rok4 2026" + out).status, 0);
  EXPECT_EQ(nlohmann::json::parse(readFile(path("p.json")))["code"], "PA");
  auto lines = rows(path("p.json"));
  ASSERT_EQ(lines.size(), 2u);  // "40" (1;2 by default) and the total
  EXPECT_EQ(lines[0].substr(0, 20), "40|3.420,00|30,00|30");

  writeFile(path("Zefir.BAL"), shell::registerHeader("Zefir.BAL") + "\r\n" +
                                   shell::entryLine("PlAmOdZn", ".001", "3;1") + "\r\n");
  ASSERT_EQ(run("report Plan12 " + folder() + " --Rok4 2026" + out).status, 0);
  lines = rows(path("p.json"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].substr(0, 16), "1|1.140,00|10,00");

  ASSERT_EQ(run("report PlAm12 " + folder() + " --Rok4 2026 --GrOd 1 --GrZn 3" + out).status, 0);
  EXPECT_EQ(rows(path("p.json")).size(), 3u);
}

// The plans by asset: PlanAm for the year with its name filter, Ksieg with
// its contents from LABC or else from the base register (sAmBezCa), BZZAna
// over a period.
TEST_F(ReportCli, PlansByAssetTakeTheirYearContentsAndPeriod) {
  const std::string out = " --json " + quoted(path("a.json"));
  ASSERT_EQ(run("report PlanAm " + folder() + " --Rok4 2026 --SroF Frez" + out).status, 0);
  auto j = nlohmann::json::parse(readFile(path("a.json")));
  EXPECT_EQ(j["code"], "PA");
  EXPECT_EQ(j["params"], "na dzień 31-12-2026, filtr: Frez");
  EXPECT_EQ(rows(path("a.json")),
            (std::vector<std::string>{
                "1|402|491|Frezarka|15-06-2025|2.400,00|10|120,00|240,00|360,00|2.040,00",
                "|||Razem grupa 4||2.400,00||120,00|240,00|360,00|2.040,00",
                "|||OGÓŁEM ( 1 )||2.400,00||120,00|240,00|360,00|2.040,00"}));
  EXPECT_EQ(run("report PlanAm " + folder() + " --Rok4 2040" + out).status, 1);

  ASSERT_EQ(run("report Ksieg " + folder() + " --DaDo 310326 --LABC A" + out).status, 0);
  auto lines = rows(path("a.json"));
  ASSERT_EQ(lines.size(), 3u);  // the heading, "bez KK", the total
  EXPECT_EQ(lines[2], "||Razem PK||||90,00|30,00|90,00|30,00");
  writeFile(path("Zefir.BAL"), shell::registerHeader("Zefir.BAL") + "\r\n" +
                                   shell::entryLine("sAmBezCa", ".001", "B") + "\r\n");
  ASSERT_EQ(run("report Miesie " + folder() + " --DaDo 310326" + out).status, 0);
  lines = rows(path("a.json"));
  ASSERT_EQ(lines.size(), 3u);  // two assets and the total, no posting note
  EXPECT_EQ(lines[2], "||RAZEM 2|||3.420,00|90,00|30,00|90,00|30,00");

  ASSERT_EQ(run("report BZZAna " + folder() + " --DaOd 010126 --DaDo 300626" + out).status, 0);
  j = nlohmann::json::parse(readFile(path("a.json")));
  EXPECT_EQ(j["params"], "od 01-01-2026 do 30-06-2026");
  EXPECT_EQ(rows(path("a.json")).back(),
            "|||OGÓŁEM ( 2 )||3.600,00||180,00|180,00|360,00|3.240,00");
}

TEST_F(ReportCli, QuantityCardGroupsByItsDepthAndTakesOnlyThePlacesAsked) {
  const std::string out = " --json " + quoted(path("k.json"));
  ASSERT_EQ(run("report Ilosc " + folder() + " --DaDo 310326 --Pod7 2" + out).status, 0);
  EXPECT_EQ(rows(path("k.json")), (std::vector<std::string>{"40 np.: Tokarka|2|3.600,00|270,00",
                                                            "RAZEM|2|3.600,00|270,00"}));
  // No asset has a place of use recorded.
  ASSERT_EQ(run("report Ilosc " + folder() + " --DaDo 310326 --MieW HALA" + out).status, 0);
  EXPECT_EQ(rows(path("k.json")), (std::vector<std::string>{"RAZEM|0"}));
}

// The database control reads the journal as it lies: a record of no symbol is
// listed as skipped, and a torn tail is counted as check counts it.
TEST_F(ReportCli, BaseControlListsEveryRecordAndCountsSkippedAndTornAsCheckDoes) {
  const fs::path base = path("Srodki.PST");
  writeFile(base, readFile(base) + std::string(128, '\0') + std::string(50, '\x01'));
  const std::string out = " --json " + quoted(path("c.json"));
  ASSERT_EQ(run("report Kontr " + folder() + out).status, 0);
  EXPECT_EQ(nlohmann::json::parse(readFile(path("c.json")))["code"], "PROK");
  const auto lines = rows(path("c.json"));
  ASSERT_GE(lines.size(), 6u);
  const auto cellsOf = [](const std::string& line) {
    std::vector<std::string> cells;
    std::size_t from = 0;
    for (std::size_t bar; (bar = line.find('|', from)) != std::string::npos; from = bar + 1)
      cells.push_back(line.substr(from, bar - from));
    cells.push_back(line.substr(from));
    return cells;
  };
  const auto first = cellsOf(lines[0]);
  ASSERT_GE(first.size(), 6u);
  EXPECT_EQ(first[1], "401");
  EXPECT_EQ(first[2], "1/1");
  EXPECT_EQ(first[3], "Tokarka");
  EXPECT_NE(first[4].find("OT: 15-06-2025 1200"), std::string::npos) << first[4];
  bool skippedRow = false;
  for (const std::string& l : lines)
    skippedRow = skippedRow || l.find("pominięty: ") != std::string::npos;
  EXPECT_TRUE(skippedRow);
  const CliResult check = run("check " + quoted(base));
  EXPECT_NE(check.out.find("Pominięte: 1"), std::string::npos) << check.out;
  EXPECT_NE(check.out.find("50 bajtów"), std::string::npos) << check.out;
  EXPECT_EQ(lines[lines.size() - 3].substr(0, 13), "Pominięte: 1");
  EXPECT_EQ(lines.back(), "Urwany ostatni rekord: 50 bajtów");

  ASSERT_EQ(run("report Kontr " + folder() + " --SroW 402" + out).status, 0);
  for (const std::string& l : rows(path("c.json")))
    if (l.find("|1/") != std::string::npos) {
      EXPECT_EQ(cellsOf(l)[1], "402") << l;
    }
}

TEST_F(ReportCli, PrintsThePagesToPdf) {
  const CliResult r = run("report WykaS " + folder() + " --DaDo 310326 --pdf " +
                          quoted(path("w.pdf")) + " --landscape");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(readFile(path("w.pdf")).starts_with("%PDF"));
}

}  // namespace
}  // namespace zefir::cli_test
