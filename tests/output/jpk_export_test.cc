// The audit file: the company data file's rules, the file's name and place,
// and the written XML checked with xmllint against the 2016 schemas.
#include "output/jpk_export.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "output/company_data.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::output {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

std::string cp(const char* utf8) {
  return text::fromUtf8(utf8);
}

TEST(CompanyDataFile, KeysValuesAndDefaults) {
  const CompanyData d = parseCompanyData(
      "  N I P  =  5260250274  \r\n"
      "PNa=\r\n"
      "bez znaku równości\n"
      "nip=123\n"                // keys are compared exactly
      "Mie = Warszawa = Wola\n"  // the value runs to the end of the line
      "Xyz = nieznany\n");
  EXPECT_EQ(d.NIP, "5260250274");
  EXPECT_EQ(d.PNa, "BRAK");
  EXPECT_EQ(d.Mie, "Warszawa = Wola");
  EXPECT_EQ(d.KKr, "PL");
  EXPECT_EQ(d.Pow, "BRAK");
  EXPECT_EQ(d.USk, "");
  const CompanyData none = parseCompanyData("");
  EXPECT_EQ(none.NIP, defaultCompanyData().NIP);
  EXPECT_EQ(parseCompanyData("Uli=" + std::string(300, 'u')).Uli, std::string(99, 'u'));
}

TEST(CompanyDataFile, PolLineMapsTheFilesLettersFromThenOn) {
  const std::string letters = cp("ąćęłńóśżźĄĆĘŁŃÓŚŻŹ");
  const std::string dos = text::toMazovia(letters);
  ASSERT_EQ(dos.size(), 18u);
  const std::string gmina = text::toMazovia(cp("Łódź"));
  const CompanyData d = parseCompanyData("Gmi=" + gmina + "\nPol=" + dos + "\nMie=" + gmina +
                                         "\nUli=" + text::toMazovia(cp("Źródlana")) + "\n");
  EXPECT_EQ(d.Gmi, gmina);  // before the Pol line nothing changes
  EXPECT_EQ(d.Mie, cp("Łódź"));
  EXPECT_EQ(d.Uli, cp("Źródlana"));
  // A Pol value of another length declares nothing.
  EXPECT_EQ(parseCompanyData("Pol=abc\nMie=abc\n").Mie, "abc");
}

class JpkFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("zefir_jpk_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir / "baza");
    fs::create_directories(dir / "tmp");
    ctx.baseFolder = (dir / "baza").string();
    ctx.organisation = "Zorza-Soft";
    ctx.optionCaption = cp("Księgi -- zestawienie");
    ctx.sectionPrefix = (dir / "tmp" / "Zefir").string();
    ctx.sectionSuffix = ".001";
    request.company = parseCompanyData(
        "KUr=1471\nNIP=5260250274\nPNa=" + cp("Zakład \"Łąka\" & Syn <sp.j.>") +
        "\nReg=012345678\nWoj=mazowieckie\nPow=Warszawa\nGmi=Warszawa\nUli=" + cp("Żelazna") +
        "\nNDo=12\nNLo=3\nMie=Warszawa\nKPo=00-001\nPoc=Warszawa\n");
    request.firstDay = text::dayFromDate(2026, 1, 1);
    request.lastDay = text::dayFromDate(2026, 12, 31);
    request.createdAt = "2026-12-09T13:17:00";
  }
  void TearDown() override { fs::remove_all(dir); }
  void provideSections(std::initializer_list<const char*> names) {
    for (const char* name : names)
      fs::copy_file(fs::path(ZEFIR_TEST_DATA_DIR) / "jpk" / (std::string(name) + ".xml"),
                    dir / "tmp" / ("Zefir" + std::string(name) + ".001"));
  }
  // xmllint's verdict against a schema, offline through the catalog.
  std::string validate(const std::string& file, const char* schema) {
    const fs::path jpk = fs::path(ZEFIR_SHARED_DATA_DIR) / "jpk";
    const std::string command = "XML_CATALOG_FILES='" + (jpk / "catalog.xml").string() +
                                "' xmllint --nonet --noout --schema '" + (jpk / schema).string() +
                                "' '" + file + "' 2>&1";
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
      char chunk[4096];
      while (std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) out.append(chunk, n);
      ::pclose(pipe);
    }
    return out;
  }

  fs::path dir;
  ReportContext ctx;
  JpkRequest request;
};

TEST_F(JpkFile, AccountingBooksFileIsValidWithItsSections) {
  ctx.menuPosition = "EA";
  provideSections({"ZOiS", "Dzie", "KoZa"});
  const JpkResult r = writeJpk(ctx, request);
  ASSERT_TRUE(r.written);
  EXPECT_EQ(fs::path(r.path), dir / "baza" / "JPK" / "JPK_KR__2026-12_Zorza-S.XML");
  const std::string verdict = validate(r.path, "Schemat_JPK_KR(1)_v1-0.xsd");
  EXPECT_NE(verdict.find(" validates"), std::string::npos) << verdict;
  const std::string xml = slurp(r.path);
  EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<JPK xmlns=\"", 0), 0u);
  EXPECT_NE(xml.find("\n    <KodFormularza kodSystemowy=\"JPK_KR (1)\" wersjaSchemy=\"1-0\">JPK_KR<"
                     "/KodFormularza>\n"),
            std::string::npos);
  EXPECT_NE(xml.find("<DataOd>2026-01-01</DataOd>"), std::string::npos);
  EXPECT_NE(xml.find("<DataDo>2026-12-31</DataDo>"), std::string::npos);
  EXPECT_NE(xml.find("<P1:PelnaNazwa>Zakład &quot;Łąka&quot; &amp; Syn &lt;sp.j.&gt;</P1:Pelna"),
            std::string::npos);
  EXPECT_NE(xml.find("<P1:Ulica>Żelazna</P1:Ulica>"), std::string::npos);
  EXPECT_NE(xml.find("<OpisKonta>Środki trwałe</OpisKonta>"), std::string::npos);  // copied as is
  EXPECT_NE(xml.find(" <!--  Zefir.EA  Ksiegi - - zestawienie"), std::string::npos) << xml;
}

TEST_F(JpkFile, VatFileIsValidAndCarriesTheVariant) {
  ctx.menuPosition = "DD";
  ctx.vatVariant = '2';
  ctx.organisation = "Ala Ma";  // shorter than 7: used whole, blanks kept
  provideSections({"SZWi"});
  const JpkResult r = writeJpk(ctx, request);
  ASSERT_TRUE(r.written);
  EXPECT_EQ(fs::path(r.path).filename(), "JPK_VAT_2026-12_Ala Ma_2.XML");
  const std::string verdict = validate(r.path, "Schemat_JPK_VAT(1)_v1-0.xsd");
  EXPECT_NE(verdict.find(" validates"), std::string::npos) << verdict;
}

TEST_F(JpkFile, DefaultsWithoutSectionsStillGiveAWellFormedHeader) {
  ctx.menuPosition = "EA";
  request.company = readCompanyData((dir / "baza").string(), (dir / "nie-ma").string());
  const JpkResult r = writeJpk(ctx, request);
  ASSERT_TRUE(r.written);
  const std::string verdict = validate(r.path, "Schemat_JPK_KR(1)_v1-0.xsd");
  // The body is missing, but the header and the subject are complete.
  EXPECT_NE(verdict.find("Missing child element(s). Expected is ( {http://jpk.mf.gov.pl/wzor/"
                         "2016/03/09/03091/}ZOiS )"),
            std::string::npos)
      << verdict;
  EXPECT_EQ(verdict.find("P1:"), std::string::npos) << verdict;
}

TEST_F(JpkFile, CompanyFileFromTheBaseElseTheSettingsFolder) {
  fs::create_directories(dir / "ustawienia");
  std::ofstream(dir / "ustawienia" / "Podmiot1.TXT") << "NIP=2222222222\n";
  EXPECT_EQ(readCompanyData((dir / "baza").string(), (dir / "ustawienia").string()).NIP,
            "2222222222");
  std::ofstream(dir / "baza" / "Podmiot1.TXT") << "PNa=Baza\n";
  const CompanyData d = readCompanyData((dir / "baza").string(), (dir / "ustawienia").string());
  EXPECT_EQ(d.PNa, "Baza");
  EXPECT_EQ(d.NIP, defaultCompanyData().NIP);  // the whole file is the base folder's
}

TEST_F(JpkFile, TwoRunsInAMonthOverwriteOneFile) {
  ctx.menuPosition = "EA";
  provideSections({"ZOiS", "Dzie", "KoZa"});
  const JpkResult first = writeJpk(ctx, request);
  fs::remove(dir / "tmp" / "ZefirZOiS.001");
  request.lastDay = text::dayFromDate(2026, 12, 15);
  const JpkResult second = writeJpk(ctx, request);
  ASSERT_TRUE(second.written);
  EXPECT_EQ(first.path, second.path);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "baza" / "JPK"), fs::directory_iterator()),
            1);
  const std::string xml = slurp(second.path);
  EXPECT_EQ(xml.find("<ZOiS"), std::string::npos);
  EXPECT_NE(xml.find("<DataDo>2026-12-15</DataDo>"), std::string::npos);
  EXPECT_NE(xml.find("<Dziennik typ"), std::string::npos);
}

TEST_F(JpkFile, UnwritableJpkFolderWritesNothing) {
  std::ofstream(dir / "baza" / "JPK") << "plik, nie folder";
  ctx.menuPosition = "EA";
  const JpkResult r = writeJpk(ctx, request);
  EXPECT_FALSE(r.written);
  EXPECT_EQ(fs::path(r.path).filename(), "JPK_KR__2026-12_Zorza-S.XML");
}

}  // namespace
}  // namespace zefir::output
