// The documents OT, LT and PT: which document a letter selects, the copies'
// job titles, and what a drawing puts on the page.
#include "operations/asset_documents.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "operations/document_options.h"
#include "operations/operation_registry.h"
#include "register/depreciation_engine.h"

namespace zefir::operations {
namespace {

using listing_test::day;

AssetRecord press() {
  AssetRecord a = listing_test::asset("ST/7", "Prasa", day(15, 6, 2025), 12000, 20);
  a.DdOT = "OT 5/2025";
  a.Dost = "HYDRO SA";
  a.Z[0] = text::fromUtf8("MU:150625,HALA 2");
  a.Z[1] = text::fromUtf8("OT:100925,FV 88/25,3000,00zł");
  a.Z[2] = text::fromUtf8("LT:010226,PROT 1/26,1000,00zł");
  a.Z[3] = text::fromUtf8("OT:011025,FV 91/25,500,00zł");
  a.Z[4] = text::fromUtf8("LT:010326,PROT 2/26,2000,00zł");
  return a;
}

TEST(DocumentSelection, OtAIsTheAcceptanceAndFurtherLettersTheEntriesInOrder) {
  SelectedDocument d;
  ASSERT_TRUE(selectDocument(press(), "OT", 'A', d).ok());
  EXPECT_EQ(d.ordinal, 0);
  EXPECT_EQ(d.entry.D, day(15, 6, 2025));
  EXPECT_DOUBLE_EQ(static_cast<double>(d.entry.W), 12000);
  EXPECT_EQ(d.referenceLine, "OT 5/2025 z 15-06-2025");
  EXPECT_EQ(text::toUtf8(d.heading), "PRZYJĘCIE ŚRODKA TRWAŁEGO");
  ASSERT_TRUE(selectDocument(press(), "OT", 'B', d).ok());
  EXPECT_EQ(d.ordinal, 2);
  EXPECT_EQ(d.entry.K, "FV 88/25");
  ASSERT_TRUE(selectDocument(press(), "OT", 'C', d).ok());
  EXPECT_EQ(d.entry.K, "FV 91/25");

  ASSERT_TRUE(selectDocument(press(), "LT", 'A', d).ok());
  EXPECT_EQ(d.entry.K, "PROT 1/26");
  EXPECT_EQ(text::toUtf8(d.heading), "LIKWIDACJA ŚRODKA TRWAŁEGO");
  ASSERT_TRUE(selectDocument(press(), "LT", 'B', d).ok());
  EXPECT_EQ(d.entry.K, "PROT 2/26");
}

TEST(DocumentSelection, LetterPastTheLastDocumentIsRefusedNotReplaced) {
  SelectedDocument d;
  const Status lt = selectDocument(press(), "LT", 'C', d);
  EXPECT_FALSE(lt.ok()) << "the asset has two LT entries";
  EXPECT_EQ(text::toUtf8(lt.message()), "Nie ma dokumentu LT o literze C");
  EXPECT_FALSE(selectDocument(press(), "OT", 'D', d).ok());
  EXPECT_FALSE(selectDocument(press(), "PT", 'A', d).ok()) << "no PT entry at all";
  EXPECT_FALSE(selectDocument(press(), "OT", '1', d).ok());
}

TEST(DocumentCopies, TitlesCarryTheCopySuffixAndNoSlash) {
  SelectedDocument d;
  ASSERT_TRUE(selectDocument(press(), "OT", 'A', d).ok());
  std::vector<std::string> titles;
  for (char c : copyCodes("okl")) titles.push_back(documentJobTitle(d, "ST/7", c));
  EXPECT_EQ(titles,
            (std::vector<std::string>{"OT-ST-7-A-oryg", "OT-ST-7-A-kopia", "OT-ST-7-A-ko(2)"}));
  EXPECT_EQ(documentJobTitle(d, "X", 'm'), "OT-X-A-ko(3)");
  EXPECT_EQ(documentJobTitle(d, "X", 'p'), "OT-X-A-or-ko");
  EXPECT_EQ(documentJobTitle(d, "X", 'z'), "OT-X-A");
  EXPECT_EQ(copyCodes(""), std::vector<char>{'o'});
  EXPECT_EQ(copyCodes("o k l m p").size(), 4u) << "at most four copies";
}

TEST(DocumentCopies, HeightStepsDownFrom290ToFitThePage) {
  EXPECT_EQ(documentHeight(297), 290);
  EXPECT_EQ(documentHeight(290), 290);
  EXPECT_EQ(documentHeight(289.9), 280);
  EXPECT_EQ(documentHeight(271), 270);
  EXPECT_EQ(documentHeight(5), 0);
}

// Records what is drawn; a character is half its size wide.
class RecordingCanvas : public output::DocumentCanvas {
 public:
  struct Text {
    std::string text;
    int size;
    output::TextStyle style;
    double width, height;
  };
  void measure(std::string_view t, int size, const output::TextStyle&, double& w,
               double& h) override {
    w = t.size() * size / 20.0;
    h = size / 10.0;
  }
  void text(double, double, double w, double h, std::string_view t, int size,
            const output::TextStyle& style) override {
    texts.push_back({std::string(t), size, style, w, h});
  }
  void frame(double, double, double, double) override {}
  void line(double, double, double, double, double) override {}
  void picture(double l, double t, double w, double h, const output::LogoImage&) override {
    pictures.push_back({l, t, w, h});
  }
  const Text* find(const std::string& utf8) const {
    const std::string t = text::fromUtf8(utf8);
    for (const Text& x : texts)
      if (x.text == t) return &x;
    return nullptr;
  }
  std::vector<Text> texts;
  std::vector<std::array<double, 4>> pictures;
};

TEST(DocumentText, SizeGrowsFrom21To76WhileItFitsAndProformaIsStruckOut) {
  RecordingCanvas c;
  output::textInBox(c, 0, 100, 0, 3, "abcd");
  output::textInBox(c, 0, 100, 0, 100, "abcd");
  output::textInBox(c, 0, 1, 0, 1, "too long for the box");
  output::textInBox(c, 0, 100, 0, 5, "PROFORMA 1");
  ASSERT_EQ(c.texts.size(), 4u);
  EXPECT_EQ(c.texts[0].size, 30) << "3 mm high";
  EXPECT_EQ(c.texts[1].size, 76);
  EXPECT_EQ(c.texts[2].size, 21);
  EXPECT_FALSE(c.texts[0].style.strikeOut);
  EXPECT_TRUE(c.texts[3].style.strikeOut);
}

TEST(DocumentDrawing, OtShowsTheAssetTheValueAndTheCompany) {
  const AssetRecord a = press();
  DepreciationEngine engine;
  const WorkingRecord wr = engine.compute(a, text::kLastTextDay);
  SelectedDocument d;
  ASSERT_TRUE(selectDocument(a, "OT", 'B', d).ok());
  DocumentCompany company;
  company.logoFile = "logo.jpg";
  company.lines[0] = "FIRMA SP. Z O.O.";
  RecordingCanvas c;
  drawDocument(c, wr, d, company, {});
  EXPECT_NE(c.find("Nie ma logo.jpg"), nullptr);
  EXPECT_NE(c.find("FIRMA SP. Z O.O."), nullptr);
  EXPECT_NE(c.find("OT Numer OT 5/2025"), nullptr);
  EXPECT_NE(c.find("Data 10-09-2025"), nullptr);
  EXPECT_NE(c.find("3.000,00"), nullptr);
  EXPECT_NE(c.find("n.dot."), nullptr);
  EXPECT_NE(c.find("HALA 2"), nullptr) << "place of use on the document's day";
  EXPECT_NE(c.find("POLECENIE KSIĘGOWANIA"), nullptr);

  output::LogoImage wide;
  wide.width = 70;
  wide.height = 28;
  wide.rgb.assign(70 * 28 * 3, 0);
  c.texts.clear();
  drawDocument(c, wr, d, company, wide);
  EXPECT_EQ(c.find("Nie ma logo.jpg"), nullptr);
  ASSERT_EQ(c.pictures.size(), 1u);
  // Twice as wide as high: 35 x 14 mm, centred down the 28 mm box.
  EXPECT_DOUBLE_EQ(c.pictures[0][2], 35);
  EXPECT_DOUBLE_EQ(c.pictures[0][3], 14);
  EXPECT_DOUBLE_EQ(c.pictures[0][1], 4 + 7);
}

TEST(DocumentDrawing, LtWithoutAnAmountTakesTheWholeValue) {
  AssetRecord a = listing_test::asset("9", "Wiertarka", day(15, 6, 2025), 1200, 10);
  a.Z[0] = "LT:310326,PROT 9";
  DepreciationEngine engine;
  const WorkingRecord wr = engine.compute(a, text::kLastTextDay);
  SelectedDocument d;
  ASSERT_TRUE(selectDocument(a, "LT", 'A', d).ok());
  RecordingCanvas c;
  drawDocument(c, wr, d, {}, {});
  EXPECT_NE(c.find("1.200,00"), nullptr);
  // 10.00 a month from July 2025 to March 2026 stands against it.
  EXPECT_NE(c.find("90,00"), nullptr);
  EXPECT_NE(c.find("1.110,00"), nullptr);
}

}  // namespace
}  // namespace zefir::operations

namespace zefir::operations {
namespace {

TEST(DocumentOperations, GoHandsTheLetteredDocumentToTheOutputOrRefusesIt) {
  registerBuiltOperations();
  AssetRegister reg;
  listing_test::add(reg, press());
  RunEnvironment env;
  env.assets = &reg;
  env.baseFolder = "/tmp/b/";
  FieldValues v;
  v.set("SroJ", "ST/7");
  v.set("DokJ", "b");

  documentOutput() = nullptr;
  EXPECT_FALSE(wykonaOpc(*findOption("DruLT"), v, env).status.ok()) << "no output installed";

  std::vector<std::string> shown;
  documentOutput() = [&](const DocumentRequest& r) {
    shown.push_back(r.document.kind + " " + r.document.entry.K);
    return Status::Ok();
  };
  EXPECT_TRUE(wykonaOpc(*findOption("DruLT"), v, env).status.ok());
  EXPECT_TRUE(wykonaOpc(*findOption("DruOT"), v, env).status.ok());
  v.set("DokJ", "C");
  const RunOutcome past = wykonaOpc(*findOption("DruLT"), v, env);
  EXPECT_EQ(text::toUtf8(past.status.message()), "Nie ma dokumentu LT o literze C");
  EXPECT_EQ(shown, (std::vector<std::string>{"LT PROT 2/26", "OT FV 88/25"}));
  documentOutput() = nullptr;
}

}  // namespace
}  // namespace zefir::operations
