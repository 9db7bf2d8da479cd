#include "output/report_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "output/report_text.h"
#include "text/codepage.h"

namespace zefir::output {
namespace {

using text::fromUtf8;

ReportBuffer sample() {
  ReportBuffer b;
  b.beginReport("WST", fromUtf8("Wykaz środków trwałych"), 2);
  b.addColumn('l', 8, "Symbol");
  b.addColumn('c', 12, "Nazwa", fromUtf8("pełna"));
  b.addColumn('b', 9, fromUtf8("Wartość"), "brutto");
  b.addColumn('d', 9, "", "netto");
  b.endHeaders(fromUtf8("na dzień 31-12-2024"));
  b.addRow({"S1", fromUtf8("Żuraw"), "100,00", "80,00"});
  b.addRule('.');
  b.addRow({"S2", "Bardzo-dluga-nazwa-kolumny",
            "\xFE"
            "5,00",
            "1,00"});
  b.endReport();
  return b;
}

TEST(ReportJson, RoundTripKeepsEverythingAndTheClosingRuleIsNotSaved) {
  ReportBuffer b = sample();
  std::string json = reportToJson(b);
  auto doc = nlohmann::json::parse(json);
  EXPECT_EQ(doc["title"], "Wykaz środków trwałych");
  EXPECT_EQ(doc["rows"].size(), 3u);
  EXPECT_EQ(doc["rows"][1]["rule"], ".");
  EXPECT_EQ(doc["columns"][3]["align"], "d");
  ReportBuffer back;
  ASSERT_TRUE(reportFromJson(json, back).ok());
  EXPECT_EQ(back.rowCount(), 4);
  EXPECT_EQ(back.rule(4), '=');
  EXPECT_EQ(back.cell(1, 1), fromUtf8("Żuraw"));
  EXPECT_EQ(back.cell(3, 2),
            "\xFE"
            "5,00");
  EXPECT_EQ(back.params(), b.params());
  EXPECT_EQ(back.stretch(), 2);
  EXPECT_EQ(back.columns()[1].header2, fromUtf8("pełna"));
  EXPECT_EQ(reportToJson(back), json);
}

TEST(ReportJson, AnyRuleCharacterIsSavedAsUtf8AndReadBack) {
  ReportBuffer b;
  b.beginReport("X", "X", 1);
  b.addColumn('l', 5, "h");
  b.endHeaders("");
  b.addRule('\xB9');  // "ą": an empty line, as any character but - . =
  b.addRule('\xFE');
  b.endReport();
  std::string json;
  ASSERT_NO_THROW(json = reportToJson(b));
  EXPECT_EQ(nlohmann::json::parse(json)["rows"][0]["rule"], "ą");
  ReportBuffer back;
  ASSERT_TRUE(reportFromJson(json, back).ok());
  EXPECT_EQ(back.rule(1), '\xB9');
  EXPECT_EQ(back.rule(2), '\xFE');
}

TEST(ReportJson, MalformedDocumentsAreRefusedAndLeaveTheBufferAlone) {
  ReportBuffer b = sample();
  EXPECT_FALSE(reportFromJson("{not json", b).ok());
  EXPECT_FALSE(reportFromJson(R"({"columns": 5, "rows": []})", b).ok());
  EXPECT_FALSE(reportFromJson(R"({"columns": [], "rows": [{"cells": [1]}]})", b).ok());
  EXPECT_FALSE(reportFromJson(R"({"columns": []})", b).ok());
  EXPECT_EQ(b.rowCount(), 4);
  EXPECT_EQ(b.code(), "WST");
}

// The message names where the document goes wrong: the text's line for a
// syntax error, the report's row for a row of the wrong shape.
TEST(ReportJson, RefusalNamesTheLineOrTheRow) {
  ReportBuffer b;
  EXPECT_EQ(
      reportFromJson("{\"columns\": [],\n \"rows\": [\n  {\"cells\": [\"a\",]}]}", b).message(),
      fromUtf8("Bufor raportu nie jest poprawnym JSON (wiersz 3)"));
  EXPECT_EQ(reportFromJson(
                R"({"columns": [], "rows": [{"rule": "-"}, {"cells": ["a"]}, {"cells": 7}]})", b)
                .message(),
            fromUtf8("Bufor raportu ma niepoprawną budowę (wiersz raportu 3)"));
}

// Numbers beyond what the buffer holds (a width of 1e300) are brought within
// its bounds, never converted as they are.
TEST(ReportJson, NumbersBeyondTheBoundsAreBroughtWithin) {
  ReportBuffer b;
  ASSERT_TRUE(reportFromJson(R"({"stretch": 1e300, "columns": [{"width": -1e300},
      {"width": 1e300}, {"width": 12}], "rows": []})",
                             b)
                  .ok());
  EXPECT_EQ(b.stretch(), ReportBuffer::kMaxColumns);
  ASSERT_EQ(b.columns().size(), 3u);
  EXPECT_EQ(b.columns()[0].width, 0);
  EXPECT_EQ(b.columns()[1].width, 255);
  EXPECT_EQ(b.columns()[2].width, 12);
  EXPECT_FALSE(reportFromJson(R"({"stretch": "2", "columns": [], "rows": []})", b).ok());
  // A number beyond even a double is refused, not thrown at the caller.
  EXPECT_FALSE(reportFromJson(R"({"stretch": 1E400, "columns": [], "rows": []})", b).ok());
  EXPECT_FALSE(reportFromJson("99.9E00000000000000000000000000000000300009", b).ok());
}

TEST(ReportJson, AnAlignmentLetterOutsideAsciiIsWrittenBackAsValidUtf8) {
  // The alignment used to be taken as the first byte of its UTF-8 text and
  // written back raw: half a character, which the JSON writer refuses.
  ReportBuffer b;
  ASSERT_TRUE(
      reportFromJson(R"({"columns": [{"align": "łka", "width": 4}, {"width": 3}], "rows": []})", b)
          .ok());
  ASSERT_EQ(b.columns().size(), 2u);
  EXPECT_EQ(b.columns()[0].align, text::fromUtf8("ł")[0]);
  EXPECT_EQ(b.columns()[1].align, 'l');
  const std::string saved = reportToJson(b);
  EXPECT_NE(saved.find("\"align\": \"ł\""), std::string::npos) << saved;
  ReportBuffer again;
  ASSERT_TRUE(reportFromJson(saved, again).ok());
  EXPECT_EQ(again.columns()[0].align, b.columns()[0].align);
}

TEST(ReportText, ColumnsHeadersRulesAndMarkerAsInPrint) {
  ReportBuffer b = sample();
  std::string out = text::toUtf8(renderText(b, 1, b.rowCount()));
  // Header line 1: the 'b' header is centred over the 'b' and 'd' columns.
  EXPECT_NE(out.find("Symbol"), std::string::npos);
  EXPECT_NE(out.find("Wartość"), std::string::npos);
  EXPECT_NE(out.find(" S1           Żuraw         100,00      80,00\n"), std::string::npos) << out;
  // Cut, never wrapped; the marker left-aligns the cell.
  EXPECT_NE(out.find(" S2        Bardzo-dluga  5,00            1,00\n"), std::string::npos) << out;
  EXPECT_NE(out.find(std::string(46, '.')), std::string::npos);
  EXPECT_NE(out.find(std::string(46, '=') + "\n"), std::string::npos);
  std::string range = renderText(b, 3, 3);
  EXPECT_EQ(range.find("S1"), std::string::npos);
  EXPECT_NE(range.find("S2"), std::string::npos);
}

}  // namespace
}  // namespace zefir::output
