// zefir-cli jpk-st: the fixed-asset register file for a year, with figures
// worked out by hand from the depreciation rules.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <vector>

#include "cli_runner.h"
#include "register/asset_register.h"
#include "register/base_journal.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir {
namespace {

namespace fs = std::filesystem;
using cli_test::CliTest;
using cli_test::readFile;
using cli_test::writeFile;

AssetRecord asset(const char* symb, DayNumber accepted, long double value, long double taxRate,
                  long double balanceRate) {
  AssetRecord a;
  a.Symb = symb;
  a.Nazw = text::fromUtf8("Środek ") + symb;
  a.DtOT = accepted;
  a.WaOT = a.WaBr = value;
  a.MeUm = 'L';
  a.K[0] = RateEntry{0, "491", taxRate, 1, balanceRate, 1};
  return a;
}

using Element = std::map<std::string, std::string>;

// The ST_KR elements of the file by E_1, and each one's element names in order.
struct StFile {
  std::map<std::string, Element> assets;
  std::vector<std::vector<std::string>> orders;
};

StFile readStFile(const std::string& xml) {
  StFile file;
  const std::regex block("<ST_KR>([\\s\\S]*?)</ST_KR>");
  const std::regex field("<(E_\\w+)>([^<]*)</");
  for (auto b = std::sregex_iterator(xml.begin(), xml.end(), block); b != std::sregex_iterator();
       ++b) {
    const std::string body = (*b)[1];
    Element e;
    std::vector<std::string> order;
    for (auto f = std::sregex_iterator(body.begin(), body.end(), field);
         f != std::sregex_iterator(); ++f) {
      e[(*f)[1]] = (*f)[2];
      order.push_back((*f)[1]);
    }
    file.orders.push_back(order);
    file.assets[e["E_1"]] = e;
  }
  return file;
}

// The ST_KR element names in the order of the field list of the file format.
std::vector<std::string> schemaOrder() {
  std::ifstream in(std::string(ZEFIR_SHARED_DATA_DIR) + "/jpk/JPK_ST_KR(1)_fields.csv");
  std::vector<std::string> names;
  for (std::string line; std::getline(in, line);) {
    if (!line.starts_with("ST_KR;")) continue;
    std::string name = line.substr(6, line.find(';', 6) - 6);
    name = name.substr(0, name.find(' '));
    if (name.starts_with("KSeF/")) name = name.substr(5);
    names.push_back(name);
  }
  return names;
}

class JpkStCli : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    fs::create_directories(path("baza"));
    AssetRegister reg;
    BaseJournal journal(path("baza/Srodki.PST").string());
    ASSERT_TRUE(journal.load(reg).ok());
    // Held all year: 12,000.00 from 15 March 2024, 20 % tax and 10 % balance.
    AssetRecord a = asset("A1", text::dayFromDate(2024, 3, 15), 12000, 20, 10);
    a.DtZa = text::dayFromDate(2024, 3, 10);
    a.DdOT = "OT 1/2024";
    // Accepted on 10 June 2026: 6,000.00, 30 % tax and 20 % balance.
    AssetRecord b = asset("B2", text::dayFromDate(2026, 6, 10), 6000, 30, 20);
    // From 1 January 2020, 2,400.00 at 10 %, liquidated whole on 20 May 2026.
    AssetRecord c = asset("C3", text::dayFromDate(2020, 1, 1), 2400, 10, 10);
    c.Z[0] = "LT:200526,LT 5/2026";
    // Liquidated in 2025 and accepted in 2027: not in the 2026 file.
    AssetRecord d = asset("D4", text::dayFromDate(2020, 1, 1), 1000, 10, 10);
    d.Z[0] = "LT:100325,LT 2/2025";
    AssetRecord e = asset("E5", text::dayFromDate(2027, 1, 5), 1000, 10, 10);
    // An intangible from 2025 (symbol WNIP): 3,600.00 at 20 %.
    AssetRecord f = asset("F6", text::dayFromDate(2025, 1, 1), 3600, 20, 20);
    f.K[0].SKST = "WNIP";
    for (const AssetRecord& r : {a, b, c, d, e, f})
      ASSERT_TRUE(journal.saveAsset(reg, AssetRegister::emptyRecord(), r).ok());
    writeFile(
        path("baza/Podmiot1.TXT"),
        "KUr=1471\nNIP=5260250274\nPNa=" + text::fromUtf8("Zakład Łąka") +
            "\nWoj=mazowieckie\nPow=Warszawa\nGmi=Warszawa\nNDo=1\nMie=Warszawa\nKPo=00-001\n");
  }
  std::string jpkSt(const std::string& extra = "") {
    const auto r = run("jpk-st " + quoted(path("baza")) + " --rok 2026 --out " +
                       quoted(path("st.xml")) + extra);
    EXPECT_EQ(r.status, 0) << r.err;
    return readFile(path("st.xml"));
  }
};

TEST_F(JpkStCli, HandWorkedFiguresOnBothBases) {
  const std::string xml = jpkSt();
  const StFile file = readStFile(xml);
  ASSERT_EQ(file.assets.size(), 4u) << xml;

  // A1: tax 12,000 x 20 % = 200.00 a month from April 2024: 1,800 + 2,400 +
  // 2,400; balance 100.00 a month: 900 + 1,200 + 1,200.
  const Element& a = file.assets.at("A1");
  EXPECT_EQ(a.at("E_2"), "2024-03-10");
  EXPECT_EQ(a.at("E_4"), "2024-03-15");
  EXPECT_EQ(a.at("E_5"), "OT 1/2024");
  EXPECT_EQ(a.at("E_6"), "I");
  EXPECT_EQ(a.at("E_7"), "Środek A1");
  EXPECT_EQ(a.at("E_8"), "491");
  EXPECT_EQ(a.at("E_9_1"), "L");
  EXPECT_EQ(a.at("E_10A"), "20.00");
  EXPECT_EQ(a.at("E_10B"), "2400.00");
  EXPECT_EQ(a.at("E_12"), "12000.00");
  EXPECT_EQ(a.at("E_17"), "M");
  EXPECT_EQ(a.at("E_19"), "2400.00");
  EXPECT_EQ(a.at("E_20"), "6600.00");
  EXPECT_EQ(a.at("E_21"), "12000.00");
  EXPECT_EQ(a.at("E_25A"), "10.00");
  EXPECT_EQ(a.at("E_25B"), "1200.00");
  EXPECT_EQ(a.at("E_26"), "1200.00");
  EXPECT_EQ(a.at("E_27"), "3300.00");
  EXPECT_EQ(a.at("E_32"), "2");
  EXPECT_EQ(a.count("E_11") + a.count("E_15") + a.count("E_28"), 0u);

  // B2: accepted in June, charged July to December: 150.00 and 100.00 a month.
  const Element& b = file.assets.at("B2");
  EXPECT_EQ(b.at("E_2"), "2026-06-10");  // no purchase date: the acceptance
  EXPECT_EQ(b.at("E_5"), "BRAK");
  EXPECT_EQ(b.at("E_12"), "6000.00");
  EXPECT_EQ(b.at("E_19"), "900.00");
  EXPECT_EQ(b.at("E_20"), "900.00");
  EXPECT_EQ(b.at("E_26"), "600.00");
  EXPECT_EQ(b.at("E_27"), "600.00");
  EXPECT_EQ(b.count("E_15"), 0u);

  // C3: 20.00 a month since January 2020 (1,440.00 by 2026), January to May
  // of 2026 charged, then removed.
  const Element& c = file.assets.at("C3");
  EXPECT_EQ(c.at("E_12"), "2400.00");
  EXPECT_EQ(c.at("E_19"), "100.00");
  EXPECT_EQ(c.at("E_20"), "1540.00");
  EXPECT_EQ(c.at("E_26"), "100.00");
  EXPECT_EQ(c.at("E_27"), "1540.00");
  EXPECT_EQ(c.at("E_28"), "2026-05-20");
  EXPECT_EQ(c.at("E_29"), "I");
  EXPECT_EQ(c.at("E_30"), "LT 5/2026");

  // F6: an intangible's date goes to E_3; 60.00 a month from January 2025.
  const Element& f = file.assets.at("F6");
  EXPECT_EQ(f.count("E_2"), 0u);
  EXPECT_EQ(f.at("E_3"), "2025-01-01");
  EXPECT_EQ(f.at("E_8"), "WNIP");
  EXPECT_EQ(f.at("E_19"), "720.00");
  EXPECT_EQ(f.at("E_20"), "1440.00");
}

TEST_F(JpkStCli, HeaderSubjectOrderAndWellFormedness) {
  const std::string xml = jpkSt(" --cel 2");
  EXPECT_NE(xml.find("<KodFormularza kodSystemowy=\"JPK_ST_KR (1)\" wersjaSchemy=\"1-0\">JPK_ST<"),
            std::string::npos);
  EXPECT_NE(xml.find("xmlns=\"http://jpk.mf.gov.pl/wzor/2024/04/24/04242/\""), std::string::npos);
  EXPECT_NE(xml.find("<CelZlozenia>2</CelZlozenia>"), std::string::npos);
  EXPECT_NE(xml.find("<RokDataOd>2026-01-01</RokDataOd>"), std::string::npos);
  EXPECT_NE(xml.find("<RokDataDo>2026-12-31</RokDataDo>"), std::string::npos);
  EXPECT_NE(xml.find("<etd:PelnaNazwa>Zakład Łąka</etd:PelnaNazwa>"), std::string::npos);
  EXPECT_EQ(xml.find("<etd:Ulica>"), std::string::npos);  // optional and not given
  EXPECT_EQ(std::system(("xmllint --noout " + quoted(path("st.xml"))).c_str()), 0);

  // Every element in the order of the format's field list.
  const std::vector<std::string> order = schemaOrder();
  ASSERT_GT(order.size(), 30u);
  for (const auto& names : readStFile(xml).orders) {
    std::size_t at = 0;
    for (const std::string& name : names) {
      while (at < order.size() && order[at] != name) ++at;
      ASSERT_LT(at, order.size()) << name << " out of order";
    }
  }
}

TEST_F(JpkStCli, CodesFromTheSettingsRegisterAndUsageErrors) {
  writeFile(path("baza/Zefir.BAL"), " JpkStNab.xxx = F\n JpkStWyk.xxx = S\n");
  const StFile file = readStFile(jpkSt());
  EXPECT_EQ(file.assets.at("A1").at("E_6"), "F");
  EXPECT_EQ(file.assets.at("C3").at("E_29"), "S");
  writeFile(path("baza/Zefir.BAL"), " JpkStNab.xxx = Q\n");  // not a code: the default
  EXPECT_EQ(readStFile(jpkSt()).assets.at("A1").at("E_6"), "I");

  EXPECT_EQ(run("jpk-st " + quoted(path("baza")) + " --out x.xml").status, 1);
  EXPECT_EQ(run("jpk-st " + quoted(path("baza")) + " --rok 2026 --cel 3 --out x.xml").status, 1);
  EXPECT_EQ(run("jpk-st " + quoted(path("nie-ma")) + " --rok 2026 --out x.xml").status, 2);
}

}  // namespace
}  // namespace zefir
