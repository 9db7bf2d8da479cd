// Pick lists: the rows providers build, what filters keep, where searches and
// typed digits land, and what accepting a row hands back.
#include "operations/pick_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "operations/asset_card.h"
#include "operations/import_operations.h"
#include "operations/option_catalogue.h"
#include "platform/file_system.h"
#include "register/asset_register.h"
#include "text/codepage.h"

namespace zefir::operations {
namespace {

std::string u(const char* utf8) {
  return text::fromUtf8(utf8);
}

void addAsset(AssetRegister& reg, const std::string& symb, const std::string& name = "X") {
  ASSERT_FALSE(reg.exists(symb));
  ASSERT_TRUE(reg.insertAtCurrent().ok());
  reg.currentRecord().Symb = symb;
  reg.currentRecord().Nazw = name;
}

std::vector<std::string> keysOf(const PickList& list) {
  std::vector<std::string> keys;
  for (const std::string& row : list.rows()) keys.push_back(acceptRow(list.listKey, row).key);
  return keys;
}

TEST(PickListAssets, FreeNumbersStandBetweenAssetsWithTheirCarry) {
  AssetRegister reg;
  for (const char* s : {"A1", "A3", "A9", "B1", "B2"}) addAsset(reg, s);
  PickListSources src;
  src.reg = &reg;
  const PickList list = buildPickList('s', src, "");
  const std::vector<std::string> want = {"A1", "A2", "A3", "A4", "A9", "B0", "B1", "B2", "B3"};
  EXPECT_EQ(keysOf(list), want);
  EXPECT_EQ(acceptRow('s', list.rows()[1]).description, "wolne");
  EXPECT_TRUE(list.freeNumbers);
  // The symbol and " × " take 18 characters before the name.
  EXPECT_EQ(list.rows()[0], "A1 \xD7              X, ");
}

TEST(PickListAssets, OdometerStopsAtOtherCharactersAndNeverGoesBack) {
  EXPECT_EQ(nextSymbol("AZ9"), "BA0");
  EXPECT_EQ(nextSymbol("ZZ"), "AA");
  EXPECT_EQ(nextSymbol("1-9"), "1-0");
  EXPECT_EQ(nextSymbol("X/a"), "X/a");
  // "1-9" would give "1-0", which sorts before it: no free row for it.
  AssetRegister reg;
  for (const char* s : {"1-0", "1-9", "2-1"}) addAsset(reg, s);
  PickListSources src;
  src.reg = &reg;
  const std::vector<std::string> want = {"1-0", "1-1", "1-9", "2-1", "2-2"};
  EXPECT_EQ(keysOf(buildPickList('s', src, "")), want);
}

TEST(PickListAssets, EmptyRegisterShowsSamplesAndTheDemoRow) {
  AssetRegister reg;
  PickListSources src;
  src.reg = &reg;
  const PickList list = buildPickList(kAssetListEditable, src, "");
  ASSERT_GE(list.size(), 2);
  EXPECT_EQ(list.rows().back(), u("DEMO  ×  w opcji A można wprowadzić rzeczywiste dane."));
}

TEST(PickListDictionaries, EmptyDictionariesShowSamplesNamingTheirEditor) {
  AssetRegister reg;
  PickListSources src;
  src.reg = &reg;
  const struct {
    int key;
    const char* entry;
  } cases[] = {{'k', "H.D"}, {'m', "H.C"}, {'o', "H.B"}, {'q', "H.A"}};
  for (const auto& c : cases) {
    const PickList list = buildPickList(c.key, src, "");
    ASSERT_GE(list.size(), 3) << c.entry;
    EXPECT_EQ(list.rows().back(), "DEMO  \xD7  w opcji " + std::string(c.entry) +
                                      u(" można wprowadzić rzeczywiste dane."))
        << c.entry;
  }
}

TEST(PickListDictionaries, FilterKeepsRowsContainingItInAnyCaseAndPlainLetters) {
  AssetRegister reg;
  ASSERT_TRUE(reg.places.add({"WAR-01", u("Warszawa, biuro")}).ok());
  ASSERT_TRUE(reg.places.add({"KRK", u("Kraków, oddział")}).ok());
  ASSERT_TRUE(reg.places.add({"ZYW", u("Żywiec, magazyn w Bażantarni")}).ok());
  PickListSources src;
  src.reg = &reg;
  const PickList war = buildPickList('m', src, "war");
  ASSERT_EQ(war.size(), 1);
  EXPECT_EQ(acceptRow('m', war.rows()[0]).key, "WAR-01");
  EXPECT_EQ(war.rows()[0].find(u("WAR-01               × ")), 0u);  // key padded to 20
  const PickList polish = buildPickList('m', src, u("kraKÓW"));
  ASSERT_EQ(polish.size(), 1);
  EXPECT_EQ(acceptRow('m', polish.rows()[0]).key, "KRK");
  const PickList none = buildPickList('m', src, "xyz");
  ASSERT_EQ(none.size(), 1);
  EXPECT_EQ(none.rows()[0], u("XYZ × pusta lista"));
}

TEST(PickListMoves, TypedDigitsMoveLikeTheKeypadAndClamp) {
  EXPECT_EQ(digitMove('6', 1, 5), 4);
  EXPECT_EQ(digitMove('4', 3, 5), 0);
  EXPECT_EQ(digitMove('1', 0, 5), 4);
  EXPECT_EQ(digitMove('7', 4, 5), 0);
  EXPECT_EQ(digitMove('3', 2, 5), 4);
  EXPECT_EQ(digitMove('8', 0, 5), 0);
  EXPECT_EQ(digitMove('x', 0, 5), -1);
}

TEST(PickListMoves, SearchWrapsPastEitherEnd) {
  const PickList list = buildPickList('z', {}, "");  // KK KN KP KR KS KU LT MU ...
  const int ks = list.find(u("konta środka"), -1, true);
  ASSERT_GE(ks, 0);
  EXPECT_EQ(acceptRow('z', list.rows()[ks]).key, "KS");
  // "zmiana konta" matches KK..KU; forward from KU goes round to KK.
  const int ku = list.find(u("umorzeń"), -1, true);
  EXPECT_EQ(acceptRow('z', list.rows()[list.find("zmiana konta", ku, true)]).key, "KK");
  EXPECT_EQ(acceptRow('z', list.rows()[list.find("zmiana konta", 0, false)]).key, "KU");
  EXPECT_EQ(list.find("nie ma takiego", 0, true), -1);
}

TEST(PickListAccept, KeyAndDescriptionComeBackWithoutPadding) {
  const PickResult r = acceptRow('k', u("  KS-01              × Środki trwałe  "));
  EXPECT_EQ(r.key, "KS-01");
  EXPECT_EQ(r.description, u("Środki trwałe"));
  // The text-line list cuts its key at the first blank.
  EXPECT_EQ(acceptRow(' ', "ABC DEF").key, "ABC");
  // The exchange-rate list gives the row's rate, whole, and the whole row.
  const std::string rate = "16-03-2020  36600  4.3288  052/A/NBP/2020";
  EXPECT_EQ(acceptRow('A', rate).key, "4.3288");
  EXPECT_EQ(acceptRow('A', rate).description, rate);
  // Per 100 units the rate has six decimals; the head on a currency's last
  // line moves the rate along.
  EXPECT_EQ(acceptRow('A', "100HUF31-12-2020  36890  1.137500  255/A/NBP/2020").key, "1.137500");
  EXPECT_EQ(acceptRow('A', "10000IDR31-12-2020  36890  0.00026700  255/A/NBP/2020").key,
            "0.00026700");
  EXPECT_EQ(acceptRow('A', u(" × Nie widzę archiwum kursów Kurs2020")).key, "");
}

TEST(PickListDates, DateRowsGiveTheirDateTextNotTheDayNumber) {
  const PickList list = buildPickList('D', {}, "");
  EXPECT_TRUE(list.calendar);
  EXPECT_EQ(list.size(), 37620 - 32873 + 1);
  EXPECT_EQ(acceptRow('D', list.rows().front()).key, "010110");
  EXPECT_EQ(acceptRow('D', list.rows().back()).key, "311222");
  EXPECT_NE(list.rows().front().find(u("piątek")), std::string::npos);
}

TEST(PickListDates, CalendarOutsideTheRangeGivesNoDateOrTheBound) {
  EXPECT_EQ(calendarDayNumber(1920, 1, 1), 0);
  EXPECT_EQ(calendarDayNumber(2010, 1, 1), 32873);
  EXPECT_EQ(calendarDayNumber(2039, 12, 31), 43829);
  EXPECT_EQ(calendarAccept(2020, 3, 15), "150320");
  EXPECT_EQ(calendarAccept(1919, 12, 31), "");
  EXPECT_EQ(calendarAccept(2040, 1, 1), "");
  EXPECT_EQ(calendarDoubleClick(1919, 12, 31), "010120");
  EXPECT_EQ(calendarDoubleClick(2040, 1, 1), "311239");
}

TEST(PickListFixed, ListsKeepTheirOrderOrSortAndCaptionCountsRows) {
  const PickList p = buildPickList('P', {}, "");
  EXPECT_EQ(acceptRow('P', p.rows()[0]).key, "LG");  // not sorted
  const PickList w = buildPickList('W', {}, "");
  EXPECT_EQ(w.size(), 35);
  EXPECT_EQ(acceptRow('W', w.rows()[0]).key, "THB");
  const PickList c = buildPickList('C', {}, "");
  EXPECT_EQ(c.size(), 15);
  EXPECT_EQ(acceptRow('C', c.rows()[0]).key, "06");
  const PickList a = buildPickList('a', {}, "");
  EXPECT_EQ(a.caption(), u("    Lista F4 / F5    Wybierz metodę amortyzacji / umorzenia         7 "
                           "pozycji    [F4] wolne"));
  EXPECT_EQ(a.rowAtOrAfter("L"), 3);
  EXPECT_EQ(a.rowAtOrAfter("Z"), 6);
}

TEST(PickListFixed, CatalogueNamesMapToListKeys) {
  EXPECT_EQ(listKeyOf("s", 0), 's');
  EXPECT_EQ(listKeyOf("s", 156), 156);
  EXPECT_EQ(listKeyOf(".PST", 0), 'Z');
  EXPECT_EQ(listKeyOf(".WZO", 0), kPatternFiles);
  EXPECT_EQ(listKeyOf("MOS", 243), 243);
  EXPECT_EQ(listKeyOf("", 0), -1);
  EXPECT_EQ(fileListExtension(".PST"), "PST");
}

TEST(PickListDocuments, DocumentsOfTheKindWithWholeLiquidationSaidInWords) {
  AssetRecord a;
  a.Z[0] = u("OT:150320,FV 12,1500zł");
  a.Z[1] = u("MU:150320,POK 1,");
  a.Z[2] = u("OT:010621,FV 40,250.5zł");
  a.Z[3] = "LT:311222,LT 1";
  PickListSources src;
  src.asset = &a;
  src.documentKind = "OT";
  const PickList ot = buildPickList('d', src, "");
  ASSERT_EQ(ot.size(), 2);
  EXPECT_EQ(acceptRow('d', ot.rows()[1]).key, "B");
  EXPECT_NE(ot.rows()[1].find("01-06-2021"), std::string::npos);
  EXPECT_NE(ot.rows()[1].find("250,50"), std::string::npos);
  EXPECT_NE(ot.rows()[1].find("FV 40"), std::string::npos);
  src.documentKind = "LT";
  const PickList lt = buildPickList('d', src, "");
  ASSERT_EQ(lt.size(), 1);
  EXPECT_NE(lt.rows()[0].find(u("w całości")), std::string::npos);
}

TEST(PickListFiles, FilesOfAnExtensionAndTheirAbsence) {
  const std::string dir = testing::TempDir() + "pick_files";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir + "/Firma2");
  ASSERT_TRUE(platform::writeWholeFile(dir + "/Srodki.PST", std::string(256, 'x')));
  ASSERT_TRUE(platform::writeWholeFile(dir + "/Firma2/Srodki.pst", "x"));
  ASSERT_TRUE(platform::writeWholeFile(dir + "/linie.txt", "pierwsza linia\r\ndruga\n"));
  PickListSources src;
  src.baseFolder = dir + "/";
  src.programFolder = dir;
  src.textFile = dir + "/linie.txt";
  const PickList pst = buildPickList('Z', src, "", "PST");
  ASSERT_EQ(pst.size(), 1);
  EXPECT_EQ(acceptRow('Z', pst.rows()[0]).key, "Srodki.PST");
  EXPECT_NE(pst.rows()[0].find("256"), std::string::npos);
  EXPECT_EQ(buildPickList(kPatternFiles, src, "").rows()[0], u(" × Nie widzę zbiorów WZO"));
  const PickList folders = buildPickList('K', src, "");
  ASSERT_EQ(folders.size(), 1);
  EXPECT_EQ(acceptRow('K', folders.rows()[0]).key, "Firma2");
  const PickList lines = buildPickList('Y', src, "");
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines.rows()[0], "pierwsza linia");
  src.rateFile = dir + "/brak.csv";
  EXPECT_EQ(buildPickList('A', src, "").rows()[0].find(u(" × Nie widzę")), 0u);
  // The rate list keeps the file's order, each currency's days together and
  // its head on the last of them: sorted, the currencies would mix.
  const std::string usdLast = "1USD03-01-2020  36527  3.8000  002/A/NBP/2020";
  ASSERT_TRUE(platform::writeWholeFile(dir + "/Kurs2020",
                                       "02-01-2020  36526  3.7900  001/A/NBP/2020\r\n" + usdLast +
                                           "\r\n"
                                           "02-01-2020  36526  4.2500  001/A/NBP/2020\r\n"
                                           "1EUR03-01-2020  36527  4.2600  002/A/NBP/2020\r\n"));
  src.rateFile = dir + "/Kurs2020";
  const PickList rates = buildPickList('A', src, "");
  ASSERT_EQ(rates.size(), 4);
  EXPECT_EQ(rates.rows()[1], usdLast);
  EXPECT_EQ(acceptRow('A', rates.rows()[2]).key, "4.2500");
}

TEST(PickListImport, VersionRowsNameWhatTheImportReadsAndFitTheirFields) {
  const PickList sheets = buildPickList('i', {}, "");
  const std::vector<std::string> versions = keysOf(sheets);
  ASSERT_EQ(versions.size(), 1 + import::sheetVersions().size());
  EXPECT_EQ(versions.front(), import::kAnalysisVersion);
  const PickResult parcels = acceptRow('i', sheets.rows()[2]);
  EXPECT_EQ(parcels.key, "UG-Wzorcowo");
  EXPECT_NE(parcels.description.find(u("Nr działki, Pow. [ha], AM")), std::string::npos);
  for (std::size_t i = 1; i < versions.size(); ++i)
    EXPECT_FALSE(import::sheetVersionColumns(versions[i]).empty()) << versions[i];

  const PickList tables = buildPickList('j', {}, "");
  const std::vector<std::string> programs = keysOf(tables);
  const std::vector<std::string> want = {"Analiza", "Srodki", "Nie ma"};
  EXPECT_EQ(programs, want);
  // The "Srodki" row lists the 19 fields of the first layout.
  const std::string fields = acceptRow('j', tables.rows()[1]).description;
  EXPECT_NE(fields.find("Nr_ewid, Uzytk, M_uzytk"), std::string::npos);
  EXPECT_NE(fields.find("Wart_inw, Wart_um"), std::string::npos);
  EXPECT_EQ(acceptRow('j', tables.rows()[2]).description,
            u("Nie ma jeszcze dobrej bazy do przeciągania"));

  // A key longer than its field would be cut into a name the import refuses.
  const FieldInfo* version = findField("IXLP");
  const FieldInfo* program = findField("IDBP");
  ASSERT_TRUE(version && program);
  EXPECT_EQ(listKeyOf(version->pickList, version->pickVariant), 'i');
  EXPECT_EQ(listKeyOf(program->pickList, program->pickVariant), 'j');
  for (const std::string& k : versions) EXPECT_LE(static_cast<int>(k.size()), version->width);
  for (const std::string& k : programs) EXPECT_LE(static_cast<int>(k.size()), program->width);
}

TEST(PickListImport, SourceFilesAreEverySpreadsheetKindInTheImportFolder) {
  const std::string dir = testing::TempDir() + "pick_sources";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir + "/DBF");
  for (const char* name : {"DBF/Maszyny.xls", "DBF/Stan.XLSX", "DBF/Lista.ods", "DBF/Spis.csv",
                           "DBF/SRODKI.DBF", "Obok.xls"})
    ASSERT_TRUE(platform::writeWholeFile(dir + "/" + name, "x"));
  PickListSources src;
  src.baseFolder = dir + "/";
  const PickList files = buildPickList(kSpreadsheetFiles, src, "");
  const std::vector<std::string> want = {"Lista.ods", "Maszyny.xls", "Spis.csv", "Stan.XLSX"};
  EXPECT_EQ(keysOf(files), want);
  // Each key names its source as the import looks for it.
  for (const std::string& k : want)
    EXPECT_EQ(import::sourcePath(src.baseFolder, k, import::sheetExtensions()),
              import::sourceFolder(src.baseFolder) + k);
  std::filesystem::remove_all(dir + "/DBF");
  EXPECT_EQ(buildPickList(kSpreadsheetFiles, src, "").rows()[0], u(" × Nie widzę zbiorów XLS"));
}

TEST(PickListTextLines, FieldsAndCardCellsNameTheirFileAndTheBlankListKeepsTheFirstWord) {
  const std::string dir = testing::TempDir() + "pick_lines/";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  ASSERT_TRUE(platform::writeWholeFile(
      dir + "Kontrah.TXT", u("ABC-1 Hurtownia Świętokrzyska\r\nZ2 Zakład Usług Leśnych\r\n")));
  PickListSources src;
  src.textFile = dir + textListFile("ZmKo");
  const PickList contractors = buildPickList(' ', src, u("leśn"));
  ASSERT_EQ(contractors.size(), 1);
  EXPECT_EQ(contractors.kind, "Kontrah.TXT");
  EXPECT_EQ(acceptRow(' ', contractors.rows()[0]).key, "Z2");
  EXPECT_EQ(acceptRow('Y', contractors.rows()[0]).key, u("Z2 Zakład Usług Leśnych"));
  // A file with no lines, or none at all, says so with its name.
  src.textFile = dir + textListFile("ENa2");
  EXPECT_EQ(buildPickList('Y', src, "").rows(),
            std::vector<std::string>{u(" × Pusty zbiór Opisy.TXT")});

  // Which fields and cells read which file.
  EXPECT_EQ(listKeyOf(findField("ENa2")->pickList, 0), 'Y');
  EXPECT_EQ(textListFile("Opis"), "Opisy.TXT");
  EXPECT_EQ(textListFile("Dost"), "Dostawcy.TXT");
  EXPECT_EQ(textListFile("SroW"), "");
  EXPECT_EQ(cardPickList('D', "Opis", ""), 'Y');
  EXPECT_EQ(cardPickList('E', "Dost", ""), 'Y');
  EXPECT_EQ(cardPickList('H', "ZmKo", "LT"), ' ');
  EXPECT_EQ(cardPickList('H', "ZmKo", "MU"), 'm');
  EXPECT_EQ(cardPickList('H', "ZmKo", "KS"), 'k');
  EXPECT_EQ(cardPickList('H', "ZmKo", "F4"), -1);
  EXPECT_EQ(cardPickList('H', "ZmKo", ""), -1);
}

}  // namespace
}  // namespace zefir::operations
