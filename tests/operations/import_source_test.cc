// The import's readers: each kind of source gives the same cells, and a
// damaged or oversized source is refused with a message, never a crash.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "import_test_support.h"
#include "operations/import_source.h"
#include "operations/import_values.h"
#include "platform/file_system.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::operations::import {
namespace {

using import_test::writeZip;
using text::fromUtf8;

class ImportSourceTest : public ::testing::Test {
 protected:
  std::string file(const std::string& name) { return dir_.file(name); }
  testing::TempDir dir_;
};

TEST_F(ImportSourceTest, CsvReadsTheSameCellsInUtf8AndCodePage1250WithEitherSeparator) {
  const std::string utf8 =
      "Obiekt;Opis obiektu\nŁ-1;\"Żółta; szafa\"\r\nM-2;\"Biurko \"\"A\"\"\"\n";
  std::string cp1250 =
      fromUtf8("Obiekt,Opis obiektu\nŁ-1,\"Żółta; szafa\"\r\nM-2,\"Biurko \"\"A\"\"\"\n");
  ASSERT_TRUE(platform::writeWholeFile(file("a.csv"), "\xEF\xBB\xBF" + utf8));
  ASSERT_TRUE(platform::writeWholeFile(file("b.csv"), cp1250));
  for (const char* name : {"a.csv", "b.csv"}) {
    Workbook book;
    ASSERT_TRUE(readWorkbook(file(name), book).ok()) << name;
    ASSERT_EQ(book.sheets.size(), 1u);
    const Sheet& s = book.sheets[0];
    EXPECT_EQ(s.cell(1, 1), "Obiekt") << name;
    EXPECT_EQ(s.cell(2, 1), fromUtf8("Ł-1")) << name;
    EXPECT_EQ(s.cell(2, 2), fromUtf8("Żółta; szafa")) << name;
    EXPECT_EQ(s.cell(3, 2), "Biurko \"A\"") << name;
    EXPECT_EQ(s.usedRows(), 3);
    EXPECT_EQ(s.usedColumns(), 2);
  }
}

TEST_F(ImportSourceTest, XlsxReadsSharedAndInlineStringsNumbersAndEmptyCells) {
  import_test::writeXlsxParts(
      file("w.xlsx"), "Arkusz1",
      "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"C1\" t=\"inlineStr\"><is><t>Data</t>"
      "</is></c></row>"
      "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>1</v></c><c r=\"B2\"><v>1234.5</v></c>"
      "<c r=\"C2\"><v>43905</v></c></row>",
      "<si><t>Obiekt</t></si><si><r><t>Żółw</t></r><r><t> 2</t></r></si>");
  Workbook book;
  ASSERT_TRUE(readWorkbook(file("w.xlsx"), book).ok());
  ASSERT_EQ(book.sheets.size(), 1u);
  const Sheet& s = book.sheets[0];
  EXPECT_EQ(s.name, "Arkusz1");
  EXPECT_EQ(s.cell(1, 1), "Obiekt");
  EXPECT_EQ(s.cell(1, 2), "");
  EXPECT_EQ(s.cell(1, 3), "Data");
  EXPECT_EQ(s.cell(2, 1), fromUtf8("Żółw 2"));
  EXPECT_EQ(s.cell(2, 2), "1234.5");
  EXPECT_EQ(importDate(s.cell(2, 3)), text::dayFromDate(2020, 3, 15));
}

TEST_F(ImportSourceTest, XlsxFromAWorkbookWriterReadsBackItsCellsAndDates) {
  import_test::writeXlsx(file("x.xlsx"), "Dane",
                         {{"Obiekt", "Opis obiektu", "Data nabycia"}, {"A-1", "Stół", "D:43905"}});
  Workbook book;
  ASSERT_TRUE(readWorkbook(file("x.xlsx"), book).ok());
  const Sheet* s = book.sheet("dane");
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->cell(2, 2), fromUtf8("Stół"));
  EXPECT_EQ(importDate(s->cell(2, 3)), text::dayFromDate(2020, 3, 15));
}

TEST_F(ImportSourceTest, DamagedOrOversizedWorkbooksAreRefusedWithAMessage) {
  import_test::writeXlsx(file("ok.xlsx"), "Dane", {{"Obiekt"}, {"A-1"}});
  const std::string whole = *platform::readWholeFile(file("ok.xlsx"));
  ASSERT_TRUE(platform::writeWholeFile(file("cut.xlsx"), whole.substr(0, whole.size() / 2)));
  ASSERT_TRUE(platform::writeWholeFile(file("junk.xlsx"), "not a zip at all"));
  // A sheet part that is not well-formed XML, and a cell address past the bounds.
  import_test::writeXlsxParts(file("bad.xlsx"), "A", "<row><c r=\"A1\"><v>1</v></row>");
  import_test::writeXlsxParts(file("far.xlsx"), "A", "<row><c r=\"A9999999\"><v>1</v></c></row>");
  import_test::writeXlsxParts(file("str.xlsx"), "A", "<row><c r=\"A1\" t=\"s\"><v>7</v></c></row>");
  for (const char* name : {"cut.xlsx", "junk.xlsx", "bad.xlsx", "far.xlsx", "str.xlsx"}) {
    Workbook book;
    const Status s = readWorkbook(file(name), book);
    EXPECT_FALSE(s.ok()) << name;
    EXPECT_FALSE(s.message().empty()) << name;
    EXPECT_TRUE(book.sheets.empty()) << name;
  }
  Workbook book;
  EXPECT_EQ(readWorkbook(file("none.xlsx"), book).message(),
            "Nie ma pliku \"" + file("none.xlsx") + "\"");
  EXPECT_EQ(readWorkbook(file("junk.xlsx"), book).message(), unreadableText());
}

TEST_F(ImportSourceTest, OdsCountsRepeatedCellsAndRowsWithoutLayingOutEmptyOnes) {
  const std::string content =
      "<?xml version=\"1.0\"?><office:document-content "
      "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
      "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
      "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
      "<office:spreadsheet><table:table table:name=\"Działki\">"
      "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>Nr działki</text:p>"
      "</table:table-cell><table:table-cell table:number-columns-repeated=\"2\"/>"
      "<table:table-cell office:value-type=\"string\"><text:p>Data</text:p></table:table-cell>"
      "</table:table-row>"
      "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell "
      "office:value-type=\"float\" office:value=\"12.5\"><text:p>12,50</text:p>"
      "</table:table-cell><table:table-cell table:number-columns-repeated=\"2\"/>"
      "<table:table-cell office:value-type=\"date\" office:date-value=\"2021-04-15\">"
      "<text:p>15.04.21</text:p></table:table-cell></table:table-row>"
      "<table:table-row table:number-rows-repeated=\"1048570\"><table:table-cell "
      "table:number-columns-repeated=\"16384\"/></table:table-row>"
      "</table:table></office:spreadsheet></office:body></office:document-content>";
  writeZip(file("d.ods"), {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                           {"content.xml", content}});
  Workbook book;
  ASSERT_TRUE(readWorkbook(file("d.ods"), book).ok());
  const Sheet& s = book.sheets.at(0);
  EXPECT_EQ(s.name, fromUtf8("Działki"));
  EXPECT_EQ(s.cell(1, 1), fromUtf8("Nr działki"));
  EXPECT_EQ(s.cell(1, 4), "Data");
  EXPECT_EQ(s.cell(3, 1), "12.5");
  EXPECT_EQ(importDate(s.cell(3, 4)), text::dayFromDate(2021, 4, 15));
  EXPECT_EQ(s.rowCount(), 3);
}

TEST_F(ImportSourceTest, DbfTextsFollowTheLanguageByteAndDatesReadAsDays) {
  const std::vector<import_test::DbfField> fields{
      {"NR_EWID", 'C', 10, 0}, {"NAZWA", 'C', 20, 0}, {"DAT_NAB", 'D', 8, 0}, {"STOPA", 'N', 6, 2}};
  const std::string name = fromUtf8("Łódź");
  import_test::writeDbf(file("w.dbf"), "LDID/200", fields, {{"A-1", name, "20200315", "10.00"}});
  import_test::writeDbf(file("d.dbf"), "LDID/100", fields,
                        {{"A-1", text::toMazovia(name), "20200315", "10.00"}});
  for (const char* f : {"w.dbf", "d.dbf"}) {
    Workbook book;
    ASSERT_TRUE(readWorkbook(file(f), book).ok()) << f;
    const Sheet& s = book.sheets.at(0);
    EXPECT_EQ(s.cell(1, 2), "NAZWA");
    EXPECT_EQ(s.cell(2, 1), "A-1");
    EXPECT_EQ(s.cell(2, 2), name) << f;
    EXPECT_EQ(importDate(s.cell(2, 3)), text::dayFromDate(2020, 3, 15));
    EXPECT_EQ(importNumber(s.cell(2, 4)), 10.0L);
  }
}

TEST_F(ImportSourceTest, DbfWithAMalformedHeaderIsRefusedBeforeTheTableIsRead) {
  import_test::writeDbf(file("t.dbf"), "LDID/200", {{"NR_EWID", 'C', 10, 0}, {"NAZWA", 'C', 20, 0}},
                        {{"A-1", "Biurko"}, {"A-2", "Szafa"}});
  const std::string bytes = *platform::readWholeFile(file("t.dbf"));
  const auto put = [](std::string& b, std::size_t at, std::uint32_t v, int width) {
    for (int i = 0; i < width; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
  };
  const unsigned header = static_cast<unsigned char>(bytes[8]) | bytes[9] << 8;
  struct Damage {
    const char* what;
    std::size_t at;
    std::uint32_t value;
    int width;
    const char* said;
  };
  // The file's own length stays, so each header field alone is at fault.
  for (const Damage& d :
       std::initializer_list<Damage>{{"more records than the file holds", 4, 3, 4, "liczba"},
                                     {"a count that wraps", 4, 0xFFFFFFFFu, 4, "liczba"},
                                     {"a huge count", 4, 0x7FFFFFFFu, 4, "liczba"},
                                     {"record length 0", 10, 0, 2, "nagłówek"},
                                     {"header longer than the file", 8, 0xFFFF, 2, "liczba"},
                                     {"header shorter than its own start", 8, 20, 2, "nagłówek"}}) {
    std::string damaged = bytes;
    put(damaged, d.at, d.value, d.width);
    ASSERT_TRUE(platform::writeWholeFile(file("bad.dbf"), damaged));
    Workbook book;
    const Status s = readWorkbook(file("bad.dbf"), book);
    EXPECT_FALSE(s.ok()) << d.what;
    EXPECT_NE(text::toUtf8(s.message()).find(d.said), std::string::npos)
        << d.what << ": " << s.message();
    EXPECT_TRUE(book.sheets.empty()) << d.what;
  }
  // Fields wider than the record: a record length of 3 with as many records
  // as the file's length then holds, each field read would run past it.
  {
    std::string damaged = bytes;
    const std::size_t body = bytes.size() - header - 1;  // without the end byte
    damaged.resize(header + body / 3 * 3);
    put(damaged, 4, static_cast<std::uint32_t>(body / 3), 4);
    put(damaged, 10, 3, 2);
    ASSERT_TRUE(platform::writeWholeFile(file("narrow.dbf"), damaged));
    Workbook book;
    const Status s = readWorkbook(file("narrow.dbf"), book);
    EXPECT_FALSE(s.ok());
    EXPECT_NE(text::toUtf8(s.message()).find("nagłówek"), std::string::npos) << s.message();
  }
  ASSERT_TRUE(platform::writeWholeFile(file("short.dbf"), bytes.substr(0, 10)));
  Workbook book;
  EXPECT_FALSE(readWorkbook(file("short.dbf"), book).ok());
  // The undamaged table reads.
  ASSERT_TRUE(readWorkbook(file("t.dbf"), book).ok());
  EXPECT_EQ(book.sheets.at(0).cell(3, 2), "Szafa");
}

TEST_F(ImportSourceTest, XlsGivesEverySheetWithTextsNumbersAndDatesAsTheWorkbookHoldsThem) {
  // A BIFF8 workbook written once by tests/data/xls/make_maszyny_xls.py.
  Workbook book;
  ASSERT_TRUE(readWorkbook(ZEFIR_TEST_DATA_DIR "/xls/Maszyny.xls", book).ok());
  ASSERT_EQ(book.sheets.size(), 2u);
  const Sheet& machines = book.sheets[0];
  EXPECT_EQ(machines.name, "Maszyny");
  EXPECT_EQ(machines.usedRows(), 4);
  EXPECT_EQ(machines.cell(1, 4), fromUtf8("Gr. obiektów"));
  EXPECT_EQ(machines.cell(2, 2), fromUtf8("Tokarka uniwersalna TUR-50 z wyposażeniem specjalnym"));
  EXPECT_EQ(machines.cell(2, 3), "2019-03-15");  // a serial day with a date format
  EXPECT_EQ(machines.cell(2, 4), "491");         // a whole number
  EXPECT_EQ(machines.cell(2, 5), "48250.5");     // a fraction
  EXPECT_EQ(machines.cell(3, 4), "491");         // the same typed as text
  EXPECT_EQ(machines.cell(4, 3), "15.04.2021");  // a date typed as text
  EXPECT_EQ(machines.cell(4, 5), "7999.99");
  const Sheet& vehicles = book.sheets[1];
  EXPECT_EQ(vehicles.name, "Pojazdy");
  EXPECT_EQ(vehicles.usedRows(), 3);
  EXPECT_EQ(vehicles.cell(3, 2), fromUtf8("Żuraw samojezdny"));
  EXPECT_EQ(vehicles.cell(3, 5), "1250000.75");
  EXPECT_EQ(vehicles.cell(4, 1), "");  // past the last row
}

TEST_F(ImportSourceTest, XlsThatIsNoWorkbookOrACutOneAsksToSaveItFirst) {
  ASSERT_TRUE(platform::writeWholeFile(file("a.xls"), std::string(4096, '\x11')));
  const auto whole = platform::readWholeFile(ZEFIR_TEST_DATA_DIR "/xls/Maszyny.xls");
  ASSERT_TRUE(whole);
  ASSERT_TRUE(platform::writeWholeFile(file("cut.xls"), whole->substr(0, whole->size() / 2)));
  for (const char* name : {"a.xls", "cut.xls"}) {
    Workbook book;
    EXPECT_EQ(readWorkbook(file(name), book).message(), unreadableText()) << name;
  }
}

TEST(ImportValuesTest, DatesAndNumbersInEveryFormTheSourcesUse) {
  const DayNumber d = text::dayFromDate(2020, 3, 15);
  for (const char* t : {"2020-03-15", "2020-03-15 00:00:00", "15.03.2020", "15-03-2020", "20200315",
                        "150320", "43905", "43905.75"})
    EXPECT_EQ(importDate(t), d) << t;
  EXPECT_EQ(importDate(""), DayNumber{0});
  for (const char* t : {"31.02.2021", "abc", "2040-01-01", "12", "1.5.2020"})
    EXPECT_FALSE(importDate(t).has_value()) << t;
  EXPECT_EQ(importNumber("1 234,50"), 1234.5L);
  EXPECT_EQ(importNumber(""), 0.0L);
  for (const char* t : {"12a", "nan", "inf", "1e5000", "0x10"})
    EXPECT_FALSE(importNumber(t).has_value()) << t;
}

}  // namespace
}  // namespace zefir::operations::import
