// The analysis, the spreadsheet import into a new base and the DBF import
// into the base in force, from sources written in the test.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>

#include "import_test_support.h"
#include "operations/import_operations.h"
#include "platform/file_system.h"
#include "register/base_journal.h"
#include "table_layout1.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::operations::import {
namespace {

using text::fromUtf8;

std::string cellText(const output::ReportBuffer& r, int row, int column) {
  return text::toUtf8(r.cell(row, column));
}

// The rows whose column `column` holds `text`.
int rowWith(const output::ReportBuffer& r, int column, const std::string& utf8) {
  for (int i = 1; i <= r.rowCount(); ++i)
    if (!r.isRule(i) && cellText(r, i, column).find(utf8) != std::string::npos) return i;
  return 0;
}

class ImportTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(sourceFolder(dir_.path())); }
  std::string source(const std::string& name) { return sourceFolder(dir_.path()) + name; }
  std::string base(const std::string& name) { return dir_.file(name); }
  // The register of the new base the spreadsheet import wrote.
  void loadNewBase(AssetRegister& reg) {
    BaseJournal journal(base(kNewBaseName));
    ASSERT_TRUE(journal.load(reg).ok());
  }
  testing::TempDir dir_;
  output::ReportBuffer report_;
  base::WriteStamp stamp_ = writeStampNow("", ".007");
};

TEST_F(ImportTest, AnalysisMeasuresEachSheetAndASheetWithEmptyRowOneHasNoColumns) {
  Workbook book;
  book.sheets.resize(2);
  Sheet& full = book.sheets[0];
  full.name = "Dane";
  const std::vector<std::vector<std::string>> cells{
      {"Symbol", "Miasto"}, {"AB-12", "Opole"}, {"AB-17", "Opole"}, {"AC-3", "Nysa"}};
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 2; ++c) ASSERT_TRUE(full.set(r + 1, c + 1, cells[r][c]).ok());
  ASSERT_TRUE(full.set(6, 1, "beyond the first empty cell").ok());
  Sheet& empty = book.sheets[1];
  empty.name = "Pusty";
  ASSERT_TRUE(empty.set(2, 1, "no head above").ok());
  writeAnalysis(book, "plik", report_);
  EXPECT_EQ(report_.code(), "AP");
  const int symbol = rowWith(report_, 1, "Symbol");
  ASSERT_GT(symbol, 0);
  EXPECT_EQ(cellText(report_, symbol, 2), "5");      // the longest value
  EXPECT_EQ(cellText(report_, symbol, 3), "A*-**");  // common characters
  EXPECT_EQ(cellText(report_, symbol, 4), "3");      // different values
  EXPECT_EQ(cellText(report_, symbol, 5), "3");      // filled rows
  const int town = rowWith(report_, 1, "Miasto");
  EXPECT_EQ(cellText(report_, town, 4), "2");
  EXPECT_EQ(cellText(report_, town, 6), "Opole; Nysa");
  const int second = rowWith(report_, 1, "Arkusz: Pusty");
  ASSERT_GT(second, 0);
  EXPECT_TRUE(report_.isRule(second - 1));
  // Only the closing rule follows the empty sheet's name.
  EXPECT_EQ(second + 1, report_.rowCount());
}

TEST_F(ImportTest, SheetImportWritesEveryGoodRowAsAnAssetAndListsEveryBadRowWithItsReason) {
  import_test::writeXlsx(
      source("Fab.xlsx"), "Obiekty",
      {{"Obiekt", "Opis obiektu", "Data nabycia", "Gr. obiektów"},
       {"m-1", "Tokarka uniwersalna z wyposażeniem specjalnym TUR-50", "D:43905", "491"},
       {"M-2", "Zła data", "31.02.2021", "491"},
       {"M-3", "Frezarka", "15.04.2021", "491"},
       {"SYMBOL-DLUZSZY-NIZ-15", "Za długi", "", ""},
       {"M-3", "Powtórzony", "", ""}});
  Workbook book;
  ASSERT_TRUE(readWorkbook(source("Fab.xlsx"), book).ok());
  ASSERT_TRUE(importSheets(book, "Fabrika", "Fab", dir_.path(), stamp_, report_).ok());
  EXPECT_EQ(report_.code(), "XU");
  EXPECT_GT(rowWith(report_, 1, "w. 3: Data nabycia: to nie jest data"), 0);
  EXPECT_GT(rowWith(report_, 1, "w. 5:"), 0);
  EXPECT_GT(rowWith(report_, 1, "w. 6: symbol M-3 powtórzony"), 0);
  EXPECT_FALSE(platform::exists(base(kNewBaseWorkName)));

  AssetRegister reg;
  ASSERT_NO_FATAL_FAILURE(loadNewBase(reg));
  ASSERT_EQ(reg.assetCount(), 2);
  ASSERT_TRUE(reg.exists("M-1"));
  const AssetRecord& a = reg.currentRecord();
  EXPECT_EQ(a.Nazw, fromUtf8("Tokarka uniwersalna z wyposażeniem specj"));
  EXPECT_EQ(a.Na2w, "alnym TUR-50");
  EXPECT_EQ(a.DtZa, text::dayFromDate(2020, 3, 15));
  EXPECT_EQ(a.DtOT, a.DtZa);
  EXPECT_EQ(a.K[0].SKST, "491");
  ASSERT_TRUE(reg.exists("M-3"));
  EXPECT_EQ(reg.currentRecord().DtZa, text::dayFromDate(2021, 4, 15));
}

TEST_F(ImportTest, ASymbolOverFifteenCharactersIsRefusedByNameNeverCutOntoAnother) {
  import_test::writeXlsx(source("Dl.xlsx"), "Obiekty",
                         {{"Obiekt", "Opis obiektu", "Data nabycia", "Gr. obiektów"},
                          {"ABCDEFGHIJKLMNO", "Krótszy", "15.04.2021", "491"},
                          {"ABCDEFGHIJKLMNOP", "Dłuższy", "15.04.2021", "491"}});
  Workbook book;
  ASSERT_TRUE(readWorkbook(source("Dl.xlsx"), book).ok());
  ASSERT_TRUE(importSheets(book, "Fabrika", "Dl", dir_.path(), stamp_, report_).ok());
  EXPECT_GT(rowWith(report_, 1, "w. 3:"), 0);
  EXPECT_GT(rowWith(report_, 1, "ABCDEFGHIJKLMNOP"), 0);

  AssetRegister reg;
  ASSERT_NO_FATAL_FAILURE(loadNewBase(reg));
  ASSERT_EQ(reg.assetCount(), 1);
  ASSERT_TRUE(reg.exists("ABCDEFGHIJKLMNO"));
  EXPECT_EQ(reg.currentRecord().Nazw, fromUtf8("Krótszy"));
}

TEST_F(ImportTest, AFailedWriteLeavesTheEarlierNewBaseAsItWas) {
  ASSERT_TRUE(platform::writeWholeFile(base(kNewBaseName), "earlier"));
  // A folder where the working file would go makes its write fail.
  std::filesystem::create_directories(base(kNewBaseWorkName));
  Workbook book;
  book.sheets.resize(1);
  ASSERT_TRUE(book.sheets[0].set(1, 1, "Obiekt").ok());
  ASSERT_TRUE(book.sheets[0].set(2, 1, "A-1").ok());
  EXPECT_FALSE(importSheets(book, "Fabrika", "F", dir_.path(), stamp_, report_).ok());
  EXPECT_EQ(*platform::readWholeFile(base(kNewBaseName)), "earlier");
}

TEST_F(ImportTest, EveryRecordOfTheNewBaseCarriesTheClockOfTheBaseInForce) {
  const auto stampsOfNewBase = [this] {
    std::vector<base::WriteStamp> stamps;
    scanJournal(base(kNewBaseName),
                [&stamps](const ScannedRecord& r) { stamps.push_back(base::stampOf(*r.bytes)); });
    return stamps;
  };
  Workbook book;
  book.sheets.resize(1);
  ASSERT_TRUE(book.sheets[0].set(1, 1, "Obiekt").ok());
  ASSERT_TRUE(book.sheets[0].set(2, 1, "A-1").ok());
  ASSERT_TRUE(book.sheets[0].set(3, 1, "A-2").ok());
  const base::WriteStamp given{text::dayFromDate(2024, 2, 29), 10 * 60 + 15,
                               base::writerIdentifier(".042")};
  ASSERT_TRUE(importSheets(book, "Fabrika", "F", dir_.path(), given, report_).ok());
  const std::vector<base::WriteStamp> stamps = stampsOfNewBase();
  ASSERT_GE(stamps.size(), 2u);
  for (const base::WriteStamp& s : stamps) EXPECT_EQ(s, given);

  // Through the option: the clock is read through the journal's probe file,
  // as for every save of the base (here a link to the "server" file, which
  // the probe's byte lands in).
  ASSERT_TRUE(platform::writeWholeFile(base("server"), "x"));
  std::filesystem::create_symlink(base("server"), base("Tmp.042"));
  ASSERT_TRUE(platform::writeWholeFile(source("Lista.csv"), "Obiekt\nB-1\n"));
  BaseJournal journal(base("Srodki.PST"));
  journal.setWorkstationSuffix(".042");
  journal.setClockProbe(base("Tmp.042"));
  FieldValues values;
  AssetRegister reg;
  OperationRun run{*findOption(63), values, &reg, dir_.path() + "/", 0, "p", &report_};
  run.journal = &journal;
  ImportRequest request{false, "Lista", "Fabrika"};
  ASSERT_TRUE(runImport(request, run).ok());
  EXPECT_EQ(*platform::readWholeFile(base("server")), "!");
  const platform::ClockReading server =
      platform::clockOfStamp(*platform::fileStamp(base("server")));
  const std::vector<base::WriteStamp> probed = stampsOfNewBase();
  ASSERT_FALSE(probed.empty());
  for (const base::WriteStamp& s : probed) {
    EXPECT_EQ(s.writer, base::writerIdentifier(".042"));
    EXPECT_EQ(s.day, server.day);
    EXPECT_EQ(s.minutes, server.minutes);
  }
}

TEST_F(ImportTest, EquipmentAndParcelVersionsCarryTheirColumnsIntoTheAsset) {
  Workbook book;
  book.sheets.resize(1);
  Sheet& s = book.sheets[0];
  const std::vector<std::string> heads{"Poz.",        "Symbol", "Nazwa składnika",
                                       "Jedn. miary", "Ilość",  "Cena jednostkowa",
                                       "Wartość",     "Uwagi"};
  const std::vector<std::string> row{"7", "", "Krzesło", "szt", "4", "125,50", "", "sala 2"};
  for (std::size_t c = 0; c < heads.size(); ++c) {
    ASSERT_TRUE(s.set(1, static_cast<int>(c) + 1, fromUtf8(heads[c])).ok());
    ASSERT_TRUE(s.set(2, static_cast<int>(c) + 1, fromUtf8(row[c])).ok());
  }
  ASSERT_TRUE(importSheets(book, "UM-Wzorcowo", "UM", dir_.path(), stamp_, report_).ok());
  AssetRegister reg;
  ASSERT_NO_FATAL_FAILURE(loadNewBase(reg));
  ASSERT_TRUE(reg.exists("UM-7"));
  const AssetRecord& a = reg.currentRecord();
  EXPECT_EQ(a.CeZa, 125.5L);
  EXPECT_EQ(a.WaOT, 502.0L);
  EXPECT_EQ(a.Na2w, "4 szt");
  EXPECT_EQ(a.Opis[0], "Uwagi: sala 2");
}

// A sheet of UTF-8 rows, row 1 its heads.
Sheet sheetOf(const std::string& name, const std::vector<std::vector<std::string>>& rows) {
  Sheet s;
  s.name = fromUtf8(name);
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      EXPECT_TRUE(
          s.set(static_cast<int>(r) + 1, static_cast<int>(c) + 1, fromUtf8(rows[r][c])).ok());
  return s;
}

TEST_F(ImportTest, ColumnsAreTakenByTheirHeadsAndAMissingOneIsNamedNeverReadFromItsPosition) {
  Workbook book;
  // No "Data nabycia": the value at its position is no date to read, and
  // the heads come in their own order.
  book.sheets.push_back(sheetOf("Wartości", {{"Gr. obiektów", "Obiekt", "Wartość", "Opis obiektu"},
                                             {"491", "M-1", "43905", "Tokarka"}}));
  // No symbol column: nothing of the sheet is read, though column 1 holds
  // texts that would pass for symbols.
  book.sheets.push_back(sheetOf(
      "Bez symbolu", {{"Nr", "Opis obiektu", "Data nabycia"}, {"X-9", "Piła", "15.04.2021"}}));
  // No head of the version at all: read in the version's order, up to the
  // columns the sheet has.
  book.sheets.push_back(sheetOf("Surowy", {{"a", "b"}, {"S-1", "Stół"}}));
  // A sheet without data rows needs no columns.
  book.sheets.push_back(sheetOf("Pusty", {{"Nr"}}));
  ASSERT_TRUE(importSheets(book, "Fabrika", "Fab", dir_.path(), stamp_, report_).ok());
  EXPECT_GT(rowWith(report_, 1, "Arkusz Wartości: brak kolumny \"Data nabycia\" (czytane"), 0);
  EXPECT_GT(rowWith(report_, 1, "BŁĄD: Arkusz Bez symbolu: brak kolumny \"Obiekt\", arkusz pom"),
            0);
  EXPECT_EQ(rowWith(report_, 1, "X-9"), 0);
  EXPECT_GT(rowWith(report_, 1, "Arkusz Surowy: bez nagłówków"), 0);
  EXPECT_GT(
      rowWith(report_, 1, "Arkusz Surowy: brak kolumn \"Data nabycia\", \"Gr. obiektów\" (czytane"),
      0);
  EXPECT_EQ(rowWith(report_, 1, "Arkusz Pusty"), 0);
  EXPECT_GT(rowWith(report_, 1, "pominięto wierszy: 1"), 0);

  AssetRegister reg;
  ASSERT_NO_FATAL_FAILURE(loadNewBase(reg));
  EXPECT_EQ(reg.assetCount(), 2);
  ASSERT_TRUE(reg.exists("M-1"));
  EXPECT_EQ(reg.currentRecord().DtZa, 0);
  EXPECT_EQ(reg.currentRecord().Nazw, "Tokarka");
  EXPECT_EQ(reg.currentRecord().K[0].SKST, "491");
  ASSERT_TRUE(reg.exists("S-1"));
  EXPECT_EQ(reg.currentRecord().Nazw, fromUtf8("Stół"));
  EXPECT_EQ(reg.currentRecord().K[0].SKST, "");
}

TEST_F(ImportTest, AWorkbookNoSheetOfWhichHasTheSymbolColumnIsRefusedAndTheNewBaseStays) {
  Workbook good;
  good.sheets.push_back(sheetOf("A", {{"Nr działki", "Wartość"}, {"12/3", "1500"}}));
  ASSERT_TRUE(importSheets(good, "UG-Wzorcowo", "G", dir_.path(), stamp_, report_).ok());
  const std::optional<std::string> before = platform::readWholeFile(base(kNewBaseName));
  ASSERT_TRUE(before);
  Workbook bad;
  bad.sheets.push_back(sheetOf("B", {{"Działka", "Pow. [ha]", "Wartość"}, {"7", "0,5", "900"}}));
  report_ = output::ReportBuffer();
  const Status s = importSheets(bad, "UG-Wzorcowo", "G", dir_.path(), stamp_, report_);
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(text::toUtf8(s.message()), "Arkusz B: brak kolumny \"Nr działki\"");
  EXPECT_GT(rowWith(report_, 1, "Nic nie zapisano"), 0);
  EXPECT_EQ(platform::readWholeFile(base(kNewBaseName)), before);
}

TEST_F(ImportTest, EveryRowRefusedKeepsTheEarlierNewBase) {
  Workbook good;
  good.sheets.push_back(sheetOf("A", {{"Nr działki", "Wartość"}, {"12/3", "1500"}}));
  ASSERT_TRUE(importSheets(good, "UG-Wzorcowo", "G", dir_.path(), stamp_, report_).ok());
  const std::optional<std::string> before = platform::readWholeFile(base(kNewBaseName));
  ASSERT_TRUE(before);
  // Every row refused, or no data rows at all: nothing replaces the earlier base.
  Workbook refused;
  refused.sheets.push_back(
      sheetOf("B", {{"Nr działki", "Pow. [ha]", "Wartość"}, {"12/4", "abc", "900"}}));
  Workbook headsOnly;
  headsOnly.sheets.push_back(sheetOf("C", {{"Nr działki", "Wartość"}}));
  for (const Workbook* book : {&refused, &headsOnly}) {
    report_ = output::ReportBuffer();
    const Status s = importSheets(*book, "UG-Wzorcowo", "G", dir_.path(), stamp_, report_);
    EXPECT_FALSE(s.ok());
    EXPECT_GT(rowWith(report_, 1, "Nic nie zapisano"), 0);
    EXPECT_EQ(platform::readWholeFile(base(kNewBaseName)), before);
  }
  report_ = output::ReportBuffer();
  ASSERT_FALSE(importSheets(refused, "UG-Wzorcowo", "G", dir_.path(), stamp_, report_).ok());
  EXPECT_GT(rowWith(report_, 1, "B w. 2"), 0);
}

class TableImportTest : public ImportTest {
 protected:
  void writeTable(const std::vector<std::vector<std::string>>& rows) {
    using namespace import_test;
    std::vector<DbfField> fields;
    for (int i = 0; i < kLayout1FieldCount; ++i)
      fields.push_back({kLayout1Names[i], kLayout1Types[i], kLayout1Widths[i], layout1Decimals(i)});
    import_test::writeDbf(source("SRODKI.DBF"), "LDID/100", fields, rows);
  }
  Status run(AssetRegister& reg, BaseJournal& journal) {
    Workbook book;
    if (Status s = readWorkbook(source("SRODKI.DBF"), book); !s) return s;
    return importTable(
        book, "Srodki", reg, journal, report_, [] { return false; },
        text::dayFromDate(2026, 12, 9));
  }
};

TEST_F(TableImportTest, RowsBecomeAssetsWithTheirEntriesAndARerunAppendsNothing) {
  writeTable(
      {{"ST/1", "U1", "POK12", "75023", "Z1", "4", "9", "1", text::toMazovia(fromUtf8("Kocioł")),
        "gazowy", "20190101", "20200315", "N", "20200401", "10.00", "12000.00", "2400.00", "", ""},
       {"ST/2", "", "MAG", "75023", "", "8", "0", "3", "Wyposaz biurowe", "", "", "20210110", "T",
        "", "20.00", "800.00", "0.00", "", ""},
       {"ST/3", "", "", "75023", "", "4", "9", "1", "Zła", "", "", "20211340", "", "", "", "1.00",
        "", "", ""}});
  AssetRegister reg;
  BaseJournal journal(base("Srodki.PST"));
  ASSERT_TRUE(journal.load(reg).ok());
  ASSERT_TRUE(run(reg, journal).ok());
  EXPECT_EQ(report_.code(), "TST");
  EXPECT_LE(static_cast<int>(report_.columns().size()), output::ReportBuffer::kMaxColumns);
  EXPECT_GT(rowWith(report_, 1, "w. 4: Dat_nab: to nie jest data"), 0);
  EXPECT_GT(rowWith(report_, 1, "Zapisane wiersze: 2, 3"), 0);
  EXPECT_GT(rowWith(report_, 1, "Niezapisane wiersze: 4"), 0);
  EXPECT_GT(rowWith(report_, 0, "max"), 0);

  ASSERT_TRUE(reg.exists("ST/1"));
  const AssetRecord a = reg.currentRecord();
  EXPECT_EQ(a.Nazw, fromUtf8("Kocioł"));
  EXPECT_EQ(a.DtZa, text::dayFromDate(2020, 3, 15));
  EXPECT_EQ(a.DtOT, text::dayFromDate(2020, 4, 1));
  EXPECT_EQ(a.WaOT, 12000.0L);
  EXPECT_EQ(a.RokP, 2026);
  EXPECT_EQ(a.WaUm, 2400.0L);
  EXPECT_EQ(a.K[0].SKST, "491");
  EXPECT_EQ(a.K[0].StBi, 10.0L);
  EXPECT_EQ(a.Z[0], "MU:010112,POK12");
  EXPECT_EQ(a.Z[1], "KK:010112,75023-6050");
  EXPECT_EQ(a.Z[2], "");
  ASSERT_TRUE(reg.exists("ST/2"));
  const AssetRecord& b = reg.currentRecord();
  EXPECT_EQ(b.Z[1], "KK:010112,75023-4210");
  EXPECT_EQ(b.Z[2], "LT:100121");
  EXPECT_NE(std::find(b.Opis.begin(), b.Opis.end(), fromUtf8("Ilość: 1 szt")), b.Opis.end());

  const std::int64_t appended = journal.recordsAppended();
  report_ = output::ReportBuffer();
  ASSERT_TRUE(run(reg, journal).ok());
  EXPECT_EQ(journal.recordsAppended(), appended);
  EXPECT_GT(rowWith(report_, 1, "Bez zmian (już w bazie): 2, 3"), 0);
  EXPECT_EQ(reg.assetCount(), 2);
}

TEST_F(TableImportTest, AMissingFieldIsNamedAndTheTableIsRefusedWithoutOneAnAssetNeeds) {
  using namespace import_test;
  // Layout 1 without "Stopa": the field after it is no rate to read.
  std::vector<DbfField> fields;
  std::vector<std::string> row;
  const std::vector<std::string> values{"ST/1",  "",         "POK",  "75023", "",         "4", "9",
                                        "1",     "Kocioł",   "",     "",      "20200315", "N", "",
                                        "10.00", "12000.00", "0.00", "",      ""};
  for (int i = 0; i < kLayout1FieldCount; ++i)
    if (std::string(kLayout1Names[i]) != "STOPA") {
      fields.push_back({kLayout1Names[i], kLayout1Types[i], kLayout1Widths[i], layout1Decimals(i)});
      row.push_back(values[i]);
    }
  writeDbf(source("SRODKI.DBF"), "LDID/200", fields, {row});
  AssetRegister reg;
  BaseJournal journal(base("Srodki.PST"));
  ASSERT_TRUE(journal.load(reg).ok());
  ASSERT_TRUE(run(reg, journal).ok());
  EXPECT_GT(rowWith(report_, 1, "brak kolumny \"Stopa\" (czytane jako puste)"), 0);
  ASSERT_TRUE(reg.exists("ST/1"));
  EXPECT_EQ(reg.currentRecord().K[0].StBi, 0.0L);
  EXPECT_EQ(reg.currentRecord().WaOT, 12000.0L);

  // A table of the second layout read as the first lacks the name, the day
  // and the value: nothing of it is saved.
  writeDbf(
      source("SRODKI.DBF"), "LDID/200",
      {{"NR_EWID", 'C', 32, 0}, {"DAT_REJ", 'D', 8, 0}, {"OPIS", 'C', 32, 0}, {"CENA", 'N', 10, 2}},
      {{"ST/9", "20200315", "Szafa", "300.00"}});
  report_ = output::ReportBuffer();
  const std::int64_t appended = journal.recordsAppended();
  const Status s = run(reg, journal);
  EXPECT_FALSE(s.ok());
  EXPECT_NE(text::toUtf8(s.message()).find("brak kolumn \"Nazwa\", \"Dat_nab\", \"Wart_pocz\""),
            std::string::npos);
  EXPECT_GT(rowWith(report_, 1, "Niezapisane wiersze: 2"), 0);
  EXPECT_EQ(journal.recordsAppended(), appended);
  EXPECT_FALSE(reg.exists("ST/9"));
}

TEST_F(TableImportTest, AStoppedImportListsTheRowsItDidNotReach) {
  writeTable({{"A/1"}, {"A/2"}, {"A/3"}});
  AssetRegister reg;
  BaseJournal journal(base("Srodki.PST"));
  ASSERT_TRUE(journal.load(reg).ok());
  Workbook book;
  ASSERT_TRUE(readWorkbook(source("SRODKI.DBF"), book).ok());
  int polled = 0;
  const Status s = importTable(
      book, "Srodki", reg, journal, report_, [&polled] { return ++polled > 1; }, 0);
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(reg.assetCount(), 1);
  EXPECT_GT(rowWith(report_, 1, "Zapisane wiersze: 2"), 0);
  EXPECT_GT(rowWith(report_, 1, "nie czytane wiersze: 3, 4"), 0);
}

TEST_F(ImportTest, AMissingSourceIsNamedAndTheRetryQuestionReadsAgainWhileAnsweredYes) {
  const OptionInfo& option = *findOption(63);
  FieldValues values;
  AssetRegister reg;
  OperationRun run{option, values, &reg, dir_.path() + "/", 0, "p", &report_};
  int asked = 0;
  run.ask = [&asked](std::string_view q) {
    EXPECT_EQ(text::toUtf8(q), "Spróbować ponownie");
    return ++asked < 3;
  };
  ImportRequest request{false, "Brak", "Fabrika"};
  const Status s = runImport(request, run);
  EXPECT_TRUE(request.sourceFailed);
  EXPECT_EQ(s.message(), "Nie ma pliku \"" + source("Brak.xls") + "\"");
  EXPECT_EQ(asked, 3);

  // A DBF source is found whatever the letter case of its extension.
  import_test::writeDbf(source("Inne.Dbf"), "LDID/200", {{"NR_EWID", 'C', 10, 0}}, {{"X-1"}});
  EXPECT_EQ(sourcePath(dir_.path(), "Inne", tableExtensions()), source("Inne.Dbf"));
}

TEST_F(ImportTest, OptionsRunFromTheirFieldsAsTheParameterSetGivesThem) {
  registerBuiltOperations();
  ASSERT_TRUE(platform::writeWholeFile(source("Lista.csv"), "Obiekt;Opis obiektu\nA-1;Biurko\n"));
  FieldValues values;
  values.set("IXLP", "Analiza");
  values.set("IXLZ", "Lista");
  AssetRegister reg;
  RunEnvironment env;
  env.assets = &reg;
  env.baseFolder = dir_.path() + "/";
  env.report = &report_;
  ASSERT_TRUE(wykonaOpc(*findOption(63), values, env).status.ok());
  EXPECT_EQ(report_.code(), "AP");
  values.set("IXLP", "Fabrika");
  ASSERT_TRUE(wykonaOpc(*findOption(63), values, env).status.ok());
  EXPECT_EQ(report_.code(), "XU");
  EXPECT_TRUE(platform::exists(base(kNewBaseName)));

  // Option 64 without a base in force saves nothing and says so.
  import_test::writeDbf(source("SRODKI.DBF"), "LDID/200", {{"NR_EWID", 'C', 10, 0}}, {{"X-1"}});
  FieldValues table;
  table.set("IDBP", "Srodki");
  const RunOutcome r = wykonaOpc(*findOption(64), table, env);
  EXPECT_FALSE(r.status.ok());
  EXPECT_EQ(reg.assetCount(), 0);
}

}  // namespace
}  // namespace zefir::operations::import
