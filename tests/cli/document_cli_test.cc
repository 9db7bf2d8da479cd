// zefir-cli document: an asset's OT, LT or PT copies as PDF pages, read back
// with pdftotext and pdfimages.
#include <gtest/gtest.h>

#include <algorithm>

#include "../operations/listing_test_support.h"
#include "../output/jpeg_writer.h"
#include "cli_runner.h"
#include "register/base_journal.h"
#include "register/base_record.h"
#include "shell/settings_register.h"
#include "text/dates.h"

namespace zefir::cli_test {
namespace {

class DocumentCli : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    AssetRegister reg;
    BaseJournal journal(path("Srodki.PST").string());
    ASSERT_TRUE(journal.load(reg).ok());
    AssetRecord a = listing_test::asset("ST/7", "Prasa", text::dayFromDate(2025, 6, 15), 12000, 20);
    a.DdOT = "OT 5/2025";
    a.Z[0] = text::fromUtf8("OT:100925,FV 88/25,3000,00zł");
    a.Z[1] = text::fromUtf8("LT:010226,PROT 1/26,1000,00zł");
    a.Z[2] = text::fromUtf8("LT:010326,PROT 2/26,2000,00zł");
    ASSERT_TRUE(journal.saveAsset(reg, AssetRegister::emptyRecord(), a).ok());
  }
  void setLogo(const std::string& name) {
    shell::SettingsRegister settings;
    ASSERT_TRUE(
        settings.load(shell::baseRegisterPath(path("").string()), base::workstationSuffix(1)).ok());
    ASSERT_TRUE(
        settings.set({{"FirmaLog", name}, {"FirmaNaz", text::fromUtf8("Zakłady Testowe")}}).ok());
  }
  std::string pdfText(const std::string& pdf) const {
    const std::string command =
        "pdftotext -layout '" + path(pdf).string() + "' '" + path(pdf + ".txt").string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return readFile(path(pdf + ".txt"));
  }
  int pageCount(const std::string& pdf) const {
    const std::string text = pdfText(pdf);
    return static_cast<int>(std::count(text.begin(), text.end(), '\f'));
  }
  std::string folder() const { return quoted(path("")); }
};

TEST_F(DocumentCli, CopiesAreOnePageEachWithTheirSuffixes) {
  const CliResult r =
      run("document OT " + folder() + " st/7 A --copies okl --pdf " + quoted(path("ot.pdf")));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string text = pdfText("ot.pdf");
  EXPECT_EQ(pageCount("ot.pdf"), 3);
  const std::size_t o = text.find("OT-ST-7-A-oryg"), k = text.find("OT-ST-7-A-kopia"),
                    l = text.find("OT-ST-7-A-ko(2)");
  ASSERT_NE(o, std::string::npos) << text;
  ASSERT_NE(k, std::string::npos);
  ASSERT_NE(l, std::string::npos);
  EXPECT_LT(o, k);
  EXPECT_LT(k, l);
  EXPECT_NE(text.find("PRZYJĘCIE ŚRODKA TRWAŁEGO"), std::string::npos);
  EXPECT_NE(text.find("12.000,00"), std::string::npos);
  EXPECT_NE(text.find("Nie ma"), std::string::npos) << "no logo set";
}

TEST_F(DocumentCli, SecondOtAndTheLogoPicture) {
  writeFile(path("logo.jpg"), jpeg_test::encodeJpeg(120, 60));
  setLogo("logo.jpg");
  const CliResult r = run("document OT " + folder() + " ST/7 B --pdf " + quoted(path("b.pdf")));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string text = pdfText("b.pdf");
  EXPECT_NE(text.find("FV 88/25"), std::string::npos) << text;
  EXPECT_NE(text.find("3.000,00"), std::string::npos);
  EXPECT_NE(text.find("Zakłady Testowe"), std::string::npos);
  EXPECT_EQ(text.find("Nie ma"), std::string::npos);
  const std::string list = path("img.txt").string();
  ASSERT_EQ(
      std::system(("pdfimages -list '" + path("b.pdf").string() + "' > '" + list + "'").c_str()),
      0);
  const std::string images = readFile(list);
  EXPECT_NE(images.find(" 120 "), std::string::npos) << images;
}

TEST_F(DocumentCli, BrokenLogoIsLeftOutAndNamed) {
  writeFile(path("zly.jpg"),
            jpeg_test::withClaimedSize(jpeg_test::encodeJpeg(16, 16), 30000, 30000));
  setLogo("zly.jpg");
  const CliResult r = run("document LT " + folder() + " ST/7 B --pdf " + quoted(path("lt.pdf")));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string text = pdfText("lt.pdf");
  EXPECT_NE(text.find("Nie ma zly.jpg"), std::string::npos) << text;
  EXPECT_NE(text.find("PROT 2/26"), std::string::npos);
}

TEST_F(DocumentCli, RefusalsAndTheirExitStatus) {
  const std::string out = " --pdf " + quoted(path("x.pdf"));
  const CliResult past = run("document LT " + folder() + " ST/7 C" + out);
  EXPECT_EQ(past.status, 2) << "two LT entries only";
  EXPECT_NE(past.err.find("Nie ma dokumentu LT o literze C"), std::string::npos) << past.err;
  EXPECT_EQ(run("document PT " + folder() + " ST/7 A" + out).status, 2);
  EXPECT_EQ(run("document OT " + folder() + " XX A" + out).status, 2);
  EXPECT_EQ(run("document OT " + quoted(path("brak")) + " ST/7 A" + out).status, 2);
  EXPECT_EQ(run("document XX " + folder() + " ST/7 A" + out).status, 1);
  EXPECT_EQ(run("document OT " + folder() + " ST/7 AB" + out).status, 1);
  EXPECT_EQ(run("document OT " + folder() + " ST/7 A").status, 1);
}

}  // namespace
}  // namespace zefir::cli_test
