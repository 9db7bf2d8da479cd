// zefir-cli render, read back with poppler's pdftotext and pdfinfo.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "xlsx_reader.h"

namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

struct CliRun {
  int status;
  std::string err;
};

class RenderCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("zefir_render_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    writeBuffer(kRows);
  }
  void TearDown() override { fs::remove_all(dir); }

  // Rows "S0001 Żółć gęślą 1 ..." with a rule every 50th row.
  void writeBuffer(int rows) {
    nlohmann::json doc = {{"code", "WST"},
                          {"title", "Wykaz środków trwałych"},
                          {"stretch", 2},
                          {"params", "na dzień 31-12-2024"}};
    doc["columns"] = {{{"align", "l"}, {"width", 8}, {"h1", "Symbol"}, {"h2", ""}},
                      {{"align", "l"}, {"width", 30}, {"h1", "Nazwa"}, {"h2", "środka"}},
                      {{"align", "b"}, {"width", 12}, {"h1", "Wartość"}, {"h2", "brutto"}},
                      {{"align", "d"}, {"width", 12}, {"h1", ""}, {"h2", "umorzenie"}}};
    nlohmann::json list = nlohmann::json::array();
    for (int i = 1; i <= rows; ++i) {
      if (i % 50 == 0) {
        list.push_back({{"rule", "-"}});
        continue;
      }
      char sym[16];
      std::snprintf(sym, sizeof sym, "S%04d", i);
      list.push_back({{"cells",
                       {sym, "Żółć gęślą " + std::to_string(i), std::to_string(i * 10) + ",00",
                        std::to_string(i) + ",50"}}});
    }
    doc["rows"] = list;
    std::ofstream(dir / "buffer.json") << doc.dump();
  }

  CliRun render(const std::string& args) {
    std::string cmd =
        std::string(ZEFIR_CLI) + " render " + args + " 2>" + (dir / "err.txt").string();
    int rc = std::system(cmd.c_str());
    return {WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, slurp(dir / "err.txt")};
  }
  std::string tool(const std::string& cmd) {
    std::string out;
    FILE* p = ::popen(cmd.c_str(), "r");
    char buf[4096];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, p)) out.append(buf, n);
    ::pclose(p);
    return out;
  }
  int pages(const fs::path& pdf) {
    std::smatch m;
    std::string info = tool("pdfinfo " + pdf.string());
    return std::regex_search(info, m, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(m[1]) : -1;
  }
  std::string pageText(const fs::path& pdf, int first, int last) {
    return tool("pdftotext -layout -f " + std::to_string(first) + " -l " + std::to_string(last) +
                " " + pdf.string() + " -");
  }
  // "Wierszy na str: P / L" -> {P, L}
  std::pair<int, int> rowsPerPage(const std::string& err) {
    std::smatch m;
    EXPECT_TRUE(std::regex_search(err, m, std::regex("Wierszy na str: (\\d+) / (\\d+)"))) << err;
    return m.empty() ? std::pair{0, 0} : std::pair{std::stoi(m[1]), std::stoi(m[2])};
  }

  struct Word {
    double xMin, yMin, xMax, yMax;
    std::string text;
  };
  struct Page {
    double width = 0, height = 0;
    std::vector<Word> words;
  };
  // Page `n` as poppler places its words (points from the top left).
  Page pageWords(const fs::path& pdf, int n) {
    const std::string xml = tool("pdftotext -bbox -f " + std::to_string(n) + " -l " +
                                 std::to_string(n) + " " + pdf.string() + " -");
    Page page;
    std::smatch m;
    if (std::regex_search(xml, m, std::regex(R"re(<page width="([\d.]+)" height="([\d.]+)")re")))
      page = {std::stod(m[1]), std::stod(m[2]), {}};
    const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), word); it != std::sregex_iterator();
         ++it)
      page.words.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]),
                            std::stod((*it)[4]), (*it)[5]});
    return page;
  }
  // Page `n` drawn at 72 dpi in grey (0 black .. 255 white), one point a pixel:
  // rules and corner marks count as well as the words.
  struct Picture {
    int width = 0, height = 0;
    std::string grey;
    int at(int x, int y) const { return static_cast<unsigned char>(grey[y * width + x]); }
  };
  Picture picture(const fs::path& pdf, int n) {
    const fs::path stem = dir / "picture";
    tool("pdftoppm -gray -r 72 -singlefile -f " + std::to_string(n) + " -l " + std::to_string(n) +
         " " + pdf.string() + " " + stem.string());
    std::istringstream in(slurp(stem.string() + ".pgm"));
    std::string magic;
    int maxval = 0;
    Picture p;
    in >> magic >> p.width >> p.height >> maxval;
    in.get();
    p.grey.assign(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(magic, "P5");
    EXPECT_EQ(p.grey.size(), static_cast<std::size_t>(p.width) * p.height);
    return p;
  }

  static constexpr int kRows = 300;  // + the closing rule
  fs::path dir;
};

TEST_F(RenderCli, PortraitPdfHasEveryRowInOrderOnTheComputedPages) {
  fs::path pdf = dir / "out.pdf";
  CliRun run = render((dir / "buffer.json").string() + " --pdf " + pdf.string());
  ASSERT_EQ(run.status, 0) << run.err;
  auto [p, l] = rowsPerPage(run.err);
  ASSERT_GT(p, l);  // a portrait page holds more rows than a landscape one
  const int expected = (kRows + 1 + p - 1) / p;
  ASSERT_EQ(pages(pdf), expected);
  std::string all = pageText(pdf, 1, expected);
  std::size_t pos = 0;
  for (int i = 1; i <= kRows; ++i) {
    if (i % 50 == 0) continue;
    char sym[16];
    std::snprintf(sym, sizeof sym, "S%04d", i);
    std::size_t at = all.find(std::string(sym) + " ", pos);
    ASSERT_NE(at, std::string::npos) << "row " << i << " missing or out of order";
    pos = at;
  }
  std::string first = pageText(pdf, 1, 1);
  EXPECT_NE(first.find("Strona 1 z " + std::to_string(expected)), std::string::npos) << first;
  EXPECT_NE(first.find("Wykaz środków trwałych"), std::string::npos);
  EXPECT_NE(first.find("Żółć gęślą 1 "), std::string::npos);
  EXPECT_NE(first.find("Wartość"), std::string::npos);
  EXPECT_NE(first.find("umorzenie"), std::string::npos);
  // Page p starts with buffer row (p - 1) P + 1.
  char sym[16];
  std::snprintf(sym, sizeof sym, "S%04d", p + 1);
  EXPECT_NE(pageText(pdf, 2, 2).find(sym), std::string::npos);
}

TEST_F(RenderCli, LandscapePagesFollowTheLandscapeRowsPerPage) {
  fs::path pdf = dir / "wide.pdf";
  CliRun run = render((dir / "buffer.json").string() + " --pdf " + pdf.string() + " --landscape");
  ASSERT_EQ(run.status, 0) << run.err;
  auto [p, l] = rowsPerPage(run.err);
  EXPECT_EQ(pages(pdf), (kRows + 1 + l - 1) / l);
  std::string info = tool("pdfinfo " + pdf.string());
  EXPECT_NE(info.find("842 x 595"), std::string::npos) << info;
  EXPECT_NE(info.find("Zefir--WST-Zorza-Soft"), std::string::npos) << info;
}

// Zefir's own PDF printer leaves 10 mm of paper blank on every side, as a
// printer's unprintable edge would, and the footer stays below the rows.
TEST_F(RenderCli, PdfPagesKeepTheirMarginsAndTheFooterBelowTheRows) {
  constexpr double kMargin = 10 / 25.4 * 72;  // 10 mm in points
  for (bool landscape : {false, true}) {
    SCOPED_TRACE(landscape ? "landscape" : "portrait");
    const fs::path pdf = dir / (landscape ? "wide.pdf" : "tall.pdf");
    const CliRun run = render((dir / "buffer.json").string() + " --pdf " + pdf.string() +
                              (landscape ? " --landscape" : ""));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto [p, l] = rowsPerPage(run.err);
    const int R = landscape ? l : p;
    const Page page = pageWords(pdf, 1);  // a full page: rows 1 to R
    ASSERT_GT(page.width, 0);
    EXPECT_EQ(page.width > page.height, landscape);
    for (const Word& w : page.words) {
      EXPECT_GE(w.xMin, kMargin) << w.text;
      EXPECT_GE(w.yMin, kMargin) << w.text;
      EXPECT_LE(w.xMax, page.width - kMargin) << w.text;
      EXPECT_LE(w.yMax, page.height - kMargin) << w.text;
    }
    const Picture picture = this->picture(pdf, 1);
    const int edge = static_cast<int>(kMargin);
    int darkest = 255;
    for (int y = 0; y < picture.height; ++y)
      for (int x = 0; x < picture.width; ++x)
        if (x < edge || y < edge || x >= picture.width - edge || y >= picture.height - edge)
          darkest = std::min(darkest, picture.at(x, y));
    EXPECT_GE(darkest, 250) << "ink within 10 mm of the paper's edge";

    // The page's last row and the one above it give the line height; the
    // frame's bottom rule runs one line below the last row's top.
    auto top = [&](int row) {
      char sym[16];
      std::snprintf(sym, sizeof sym, "S%04d", row);
      for (const Word& w : page.words)
        if (w.text == sym) return w.yMin;
      ADD_FAILURE() << sym << " not on page 1";
      return 0.0;
    };
    const double lastTop = top(R);
    const double frameBottom = lastTop + (lastTop - top(R - 1));
    int footerWords = 0;
    for (const Word& w : page.words) {
      if (w.yMin <= lastTop + 1) continue;
      ++footerWords;
      EXPECT_GT(w.yMin, frameBottom + 0.5) << w.text << " reaches the rows' frame";
    }
    EXPECT_GE(footerWords, 2);  // the folder and "Zefir" with its version
  }
}

TEST_F(RenderCli, RangeSmallerThanAPagePrintsOnlyItsRowsOnOnePage) {
  fs::path pdf = dir / "range.pdf";
  CliRun run =
      render((dir / "buffer.json").string() + " --pdf " + pdf.string() + " --from 120 --to 125");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(pages(pdf), 1);
  std::string text = pageText(pdf, 1, 1);
  EXPECT_NE(text.find("Strona 1 z 1"), std::string::npos);
  EXPECT_NE(text.find("S0120"), std::string::npos);
  EXPECT_NE(text.find("S0125"), std::string::npos);
  EXPECT_EQ(text.find("S0119"), std::string::npos);
  EXPECT_EQ(text.find("S0126"), std::string::npos);
}

TEST_F(RenderCli, TextFormAndRangeBeyondTheEnd) {
  fs::path txt = dir / "out.txt";
  CliRun run =
      render((dir / "buffer.json").string() + " --text " + txt.string() + " --from 298 --to 9999");
  ASSERT_EQ(run.status, 0) << run.err;
  std::string text = slurp(txt);
  EXPECT_NE(text.find(" S0298     Żółć gęślą 298 "), std::string::npos) << text;
  EXPECT_EQ(text.find("S0297"), std::string::npos);
  EXPECT_NE(text.find(std::string(70, '=')), std::string::npos);
}

TEST_F(RenderCli, WorkbookHoldsTheRangeAsTheReportWindowExportsIt) {
  fs::path xlsx = dir / "out.xlsx";
  CliRun run =
      render((dir / "buffer.json").string() + " --xlsx " + xlsx.string() + " --from 49 --to 51");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto sheet = zefir::xlsx_test::readSheet(xlsx.string());
  EXPECT_EQ(sheet.at("B1")->text, "Symbol");
  EXPECT_EQ(sheet.merges, std::vector<std::string>{"D1:E1"});
  EXPECT_EQ(sheet.at("B3")->text, "S0049");
  EXPECT_EQ(sheet.at("C3")->text, "Żółć gęślą 49");
  EXPECT_DOUBLE_EQ(*sheet.at("D3")->number, 490.0);
  EXPECT_DOUBLE_EQ(*sheet.at("E3")->number, 49.5);
  EXPECT_EQ(sheet.at("A4")->text, std::string(250, '-'));
  EXPECT_EQ(sheet.at("B5")->text, "S0051");
  EXPECT_EQ(sheet.at("B6"), nullptr);
  EXPECT_NE(sheet.at("F1")->text.find("Zefir ver 1.19   Opcja "), std::string::npos);
}

TEST_F(RenderCli, UsageAndInputErrorsHaveTheirStatus) {
  std::string buffer = (dir / "buffer.json").string();
  EXPECT_EQ(render(buffer).status, 1);
  EXPECT_EQ(render(buffer + " --pdf a.pdf --text a.txt").status, 1);
  EXPECT_EQ(render(buffer + " --xlsx a.xlsx --text a.txt").status, 1);
  EXPECT_EQ(render(buffer + " --xlsx " + (dir / "no/such/dir/x.xlsx").string()).status, 2);
  EXPECT_EQ(render(buffer + " --text a.txt --from 0").status, 1);
  EXPECT_EQ(render((dir / "missing.json").string() + " --text a.txt").status, 2);
  std::ofstream(dir / "bad.json") << R"({"columns": [{"width": "x"}], "rows": []})";
  CliRun bad = render((dir / "bad.json").string() + " --pdf " + (dir / "x.pdf").string());
  EXPECT_EQ(bad.status, 2);
  EXPECT_FALSE(fs::exists(dir / "x.pdf"));
  EXPECT_EQ(render(buffer + " --pdf " + (dir / "no/such/dir/x.pdf").string()).status, 2);
}

}  // namespace
