// The spreadsheet export, read back from the workbook's XML.
#include "output/xlsx_export.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "output/report_buffer.h"
#include "text/codepage.h"
#include "xlsx_reader.h"

namespace zefir::output {
namespace {

namespace fs = std::filesystem;
using xlsx_test::readSheet;

class XlsxExport : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("zefir_xlsx_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string file(const char* name) const { return (dir / name).string(); }

  // Lp, a name, a b/d pair of amounts, a count.
  static void listing(ReportBuffer& b) {
    b.beginReport("WST", "Wykaz", 1);
    b.addColumn('p', 4, "Lp", "");
    b.addColumn('l', 20, "Nazwa", text::fromUtf8("środka"));
    b.addColumn('b', 15, text::fromUtf8("Wartość"), "brutto");
    b.addColumn('d', 15, "", "umorzenie");
    b.addColumn('p', 6, "Liczba", "szt");
    b.addColumn('c', 3, "Gr", "");
    b.endHeaders("");
  }

  fs::path dir;
};

TEST(SpreadsheetNumber, ThousandsDotsGoAndTheCommaIsTheDecimalPoint) {
  EXPECT_DOUBLE_EQ(*spreadsheetNumber("1.234,56"), 1234.56);
  EXPECT_DOUBLE_EQ(*spreadsheetNumber("1.234.567,00"), 1234567.0);
  EXPECT_DOUBLE_EQ(*spreadsheetNumber("-12,5"), -12.5);
  EXPECT_DOUBLE_EQ(*spreadsheetNumber("  7"), 7.0);
  EXPECT_FALSE(spreadsheetNumber("razem"));
  EXPECT_FALSE(spreadsheetNumber("12 szt."));
  EXPECT_FALSE(spreadsheetNumber(""));
}

TEST_F(XlsxExport, CellsFormatsMergesAndFrozenHeaders) {
  ReportBuffer b;
  listing(b);
  b.addRow({"1", text::fromUtf8("Tokarka żółta"), "1.234,56", "234,56", "3", "A"});
  b.addRow({"2", "Frezarka", "", "10,00", "", ""});
  b.addRule('-');
  b.addRow({"", "Razem", "1.234,56", "244,56", "3", ""});
  b.endReport();
  XlsxTitles titles{text::fromUtf8("Zefir ver 1.19   Opcja DA Wykaz środków   09-12-2026 13:00"),
                    "Zorza-Soft"};
  ASSERT_EQ(writeXlsx(b, 1, b.rowCount(), file("a.xlsx"), titles), XlsxOutcome::Written);
  const auto sheet = readSheet(file("a.xlsx"));

  // Headers: bold, the b/d pair under one merged centred cell.
  EXPECT_EQ(sheet.at("B1")->text, "Lp");
  EXPECT_TRUE(sheet.at("B1")->bold);
  EXPECT_EQ(sheet.at("C2")->text, "środka");
  EXPECT_TRUE(sheet.at("C2")->bold);
  EXPECT_EQ(sheet.merges, std::vector<std::string>{"D1:E1"});
  EXPECT_EQ(sheet.at("D1")->text, "Wartość");
  EXPECT_TRUE(sheet.at("D1")->centred);
  EXPECT_TRUE(sheet.at("E2")->centred);
  EXPECT_EQ(sheet.frozenRows, 2);
  // Titles after the last column.
  EXPECT_EQ(sheet.at("H1")->text, "Zefir ver 1.19   Opcja DA Wykaz środków   09-12-2026 13:00");
  EXPECT_EQ(sheet.at("H2")->text, "Zorza-Soft");

  // Buffer row 1 is worksheet row 3; numbers are numbers.
  EXPECT_DOUBLE_EQ(*sheet.at("B3")->number, 1);
  EXPECT_EQ(sheet.at("B3")->format, "#,##0");
  EXPECT_EQ(sheet.at("C3")->text, "Tokarka żółta");
  EXPECT_EQ(sheet.at("C3")->format, "@");
  EXPECT_DOUBLE_EQ(*sheet.at("D3")->number, 1234.56);
  EXPECT_EQ(sheet.at("D3")->format, "#,##0.00");
  EXPECT_DOUBLE_EQ(*sheet.at("E3")->number, 234.56);
  EXPECT_DOUBLE_EQ(*sheet.at("F3")->number, 3);
  EXPECT_EQ(sheet.at("F3")->format, "#,##0");
  EXPECT_EQ(sheet.at("G3")->text, "A");

  // Empty cells stay empty.
  EXPECT_TRUE(sheet.at("D4") == nullptr || !sheet.at("D4")->hasValue());
  EXPECT_TRUE(sheet.at("F4") == nullptr || !sheet.at("F4")->hasValue());
  EXPECT_TRUE(sheet.at("G4") == nullptr || !sheet.at("G4")->hasValue());
  EXPECT_TRUE(sheet.at("A3") == nullptr);

  // The rule is a line of its character in column A; the row's cells are empty.
  EXPECT_EQ(sheet.at("A5")->text, std::string(250, '-'));
  EXPECT_FALSE(sheet.at("B5")->hasValue());
  // The closing rule of the report.
  EXPECT_EQ(sheet.at("A7")->text, std::string(250, '='));
  // A text in a number column stays text.
  EXPECT_EQ(sheet.at("C6")->text, "Razem");
}

TEST_F(XlsxExport, MarkedRangeOnlyAndMarkersDropped) {
  ReportBuffer b;
  listing(b);
  for (int i = 1; i <= 10; ++i)
    b.addRow({std::to_string(i), std::string("S") + kCellMarker + std::to_string(i)});
  b.endReport();
  ASSERT_EQ(writeXlsx(b, 4, 6, file("r.xlsx"), {}), XlsxOutcome::Written);
  const auto sheet = readSheet(file("r.xlsx"));
  EXPECT_DOUBLE_EQ(*sheet.at("B3")->number, 4);
  EXPECT_EQ(sheet.at("C3")->text, "S4");
  EXPECT_DOUBLE_EQ(*sheet.at("B5")->number, 6);
  EXPECT_EQ(sheet.at("B6"), nullptr);
}

TEST_F(XlsxExport, HundredThousandAndOneRowsGoAndOneMoreIsRefused) {
  ReportBuffer b;
  listing(b);
  for (int i = 1; i <= 100002; ++i) b.addRow({std::to_string(i)});
  b.endReport();
  EXPECT_EQ(writeXlsx(b, 1, 100002, file("over.xlsx"), {}), XlsxOutcome::TooManyRows);
  EXPECT_FALSE(fs::exists(file("over.xlsx")));
  ASSERT_EQ(writeXlsx(b, 2, 100002, file("max.xlsx"), {}), XlsxOutcome::Written);
  const std::string xml = xlsx_test::unzipEntry(file("max.xlsx"), "xl/worksheets/sheet1.xml");
  EXPECT_TRUE(std::regex_search(xml.substr(xml.size() - 400),
                                std::regex(R"(<c r="B100003"[^>]*><v>100002</v>)")));
  EXPECT_EQ(xml.find("<row r=\"100004\""), std::string::npos);
}

TEST_F(XlsxExport, CancelKeepsTheRowsSoFarInASoundWorkbook) {
  ReportBuffer b;
  listing(b);
  for (int i = 1; i <= 50; ++i) b.addRow({std::to_string(i), "x"});
  b.endReport();
  std::vector<int> seen;
  auto progress = [&seen](int row) {
    seen.push_back(row);
    return row < 5;
  };
  EXPECT_EQ(writeXlsx(b, 1, 50, file("c.xlsx"), {}, progress), XlsxOutcome::Cancelled);
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5}));
  ASSERT_TRUE(xlsx_test::packageSound(file("c.xlsx")));
  const auto sheet = readSheet(file("c.xlsx"));
  EXPECT_DOUBLE_EQ(*sheet.at("B6")->number, 4);
  EXPECT_EQ(sheet.at("B7"), nullptr);
  EXPECT_EQ(sheet.at("B1")->text, "Lp");
}

TEST_F(XlsxExport, UnwritableFolderIsReported) {
  ReportBuffer b;
  listing(b);
  b.endReport();
  EXPECT_EQ(writeXlsx(b, 1, 1, file("nie/ma/a.xlsx"), {}), XlsxOutcome::NotWritten);
}

TEST_F(XlsxExport, TitlesAndFileNameFollowTheContext) {
  ReportContext ctx;
  ctx.menuPosition = "DA";
  ctx.optionCaption = "Wykaz";
  ctx.organisation = "Firma";
  ctx.secondOrganisation = "Oddział";
  ctx.baseFolder = dir.string();
  const XlsxTitles t = xlsxTitles(ctx, "09-12-2026 13:17 K1");
  EXPECT_EQ(t.line1, "Zefir ver 1.19   Opcja DA Wykaz   09-12-2026 13:17 K1");
  EXPECT_EQ(t.line2, "Firma dla Oddział");
  ctx.secondOrganisation.clear();
  EXPECT_EQ(xlsxTitles(ctx, "").line2, "Firma");

  const fs::path path = xlsxExportPath(ctx, "WST");
  EXPECT_EQ(path.parent_path(), dir / "XLS");
  EXPECT_TRUE(fs::is_directory(dir / "XLS"));
  EXPECT_TRUE(
      std::regex_match(path.filename().string(), std::regex(R"(WST_\d{4}-\d\d-\d\d_\d{6}\.xlsx)")))
      << path;
}

}  // namespace
}  // namespace zefir::output
