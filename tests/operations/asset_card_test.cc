// The asset card's sections: what their cells show and what accepting them
// writes back into the edited asset, the change rows read back by the
// register's change-entry parser, date cells and selection patterns.
#include "operations/asset_card.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "operations/pick_list.h"
#include "platform/file_system.h"
#include "register/change_entry.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/short_strings.h"

namespace zefir::operations {
namespace {

std::string u(const char* utf8) {
  return text::fromUtf8(utf8);
}

// The cell of `code` in grid row `row` (0 for a captioned field).
int cellOf(const CardLayout& l, const std::string& code, int row = 0, int nth = 0) {
  for (std::size_t i = 0; i < l.cells.size(); ++i)
    if (l.cells[i].code == code && l.cells[i].row == row && nth-- == 0) return static_cast<int>(i);
  return -1;
}

CardState stateWith(std::initializer_list<const char*> entries) {
  CardState s;
  s.edited.Symb = "A1";
  s.edited.DtOT = text::dayFromDate(2020, 3, 15);
  int i = 0;
  for (const char* e : entries) s.edited.Z[i++] = u(e);
  s.original = s.edited;
  return s;
}

TEST(AssetCardChanges, RowsWrittenBackReadAsTheyWereTyped) {
  CardState s = stateWith({"OT:150320,FV 12/2020,1500zł"});
  const CardLayout l = cardLayout('H', s);
  std::vector<std::string> cells = fillCells('H', s);
  ASSERT_EQ(cells.size(), l.cells.size());
  EXPECT_EQ(cells[cellOf(l, "ZmWa", 1)], "1500");
  // Row 2: a dated liquidation with a note; row 3: a change of place without a date.
  cells[cellOf(l, "ZmDt", 2)] = "310521";
  cells[cellOf(l, "ZmCo", 2)] = "lt";
  cells[cellOf(l, "ZmKo", 2)] = "LT 1/21";
  cells[cellOf(l, "ZmWa", 2)] = "250.50";
  cells[cellOf(l, "ZmND", 2)] = u("SPRZEDAŻ");
  cells[cellOf(l, "ZmCo", 3)] = "MU";
  cells[cellOf(l, "ZmKo", 3)] = "POK 12";
  ASSERT_TRUE(acceptCells('H', cells, s).ok());
  EXPECT_EQ(s.edited.Z[0], u("OT:150320,FV 12/2020,1500zł"));  // untouched row kept as it was
  EXPECT_EQ(s.edited.Z[1], u("LT:310521,LT 1/21,250.5zł,SPRZEDAŻ"));
  EXPECT_EQ(s.edited.Z[2], "MU:POK 12,");
  const ChangeEntry lt = parseChangeEntry(s.edited.Z[1], 0);
  EXPECT_EQ(lt.D, text::dayFromDate(2021, 5, 31));
  EXPECT_EQ(lt.C, "LT");
  EXPECT_EQ(lt.K, "LT 1/21");
  EXPECT_DOUBLE_EQ(static_cast<double>(lt.W), 250.5);
  EXPECT_EQ(lt.N, u("SPRZEDAŻ"));
  const ChangeEntry mu = parseChangeEntry(s.edited.Z[2], 0);
  EXPECT_EQ(mu.D, 0);
  EXPECT_EQ(mu.K, "POK 12");
  EXPECT_FALSE(mu.hasAmount);
  EXPECT_EQ(s.original.Z[1], "");  // the original stays as it was
}

TEST(AssetCardChanges, EditedRowKeepsItsReferences) {
  CardState s = stateWith({"MU:010120,BIURO,", "MU:010421,POK 12,,1/"});
  const CardLayout l = cardLayout('H', s);
  std::vector<std::string> cells = fillCells('H', s);
  cells[cellOf(l, "ZmND", 2)] = "NOTA";
  ASSERT_TRUE(acceptCells('H', cells, s).ok());
  const auto parsed = parseChangeEntries(s.edited);
  EXPECT_EQ(parsed[1].Z[0], 1);
  EXPECT_EQ(parsed[1].N, "NOTA");
  EXPECT_EQ(parsed[1].K, "POK 12");
}

TEST(AssetCardChanges, UnknownKindRefusesAndWritesNothing) {
  EXPECT_EQ(checkedKind("ot"), "OT");
  EXPECT_EQ(checkedKind("XX"), "F4");
  EXPECT_EQ(checkedKind("O"), "F4");
  EXPECT_EQ(checkedKind(""), "");
  CardState s = stateWith({"OT:150320,FV 1,100zł"});
  const CardLayout l = cardLayout('H', s);
  std::vector<std::string> cells = fillCells('H', s);
  cells[cellOf(l, "ZmWa", 1)] = "200";
  cells[cellOf(l, "ZmCo", 2)] = "XY";
  cells[cellOf(l, "ZmKo", 2)] = "COS";
  const Status st = acceptCells('H', cells, s);
  ASSERT_FALSE(st.ok());
  EXPECT_EQ(st.message(), u("Wiersz 2: wybierz rodzaj zmiany z listy [F4]"));
  EXPECT_EQ(s.edited.Z[0], u("OT:150320,FV 1,100zł"));
  EXPECT_EQ(s.edited.Z[1], "");
}

TEST(AssetCardChanges, TooLongRowIsRefusedRatherThanCut) {
  CardState s = stateWith({});
  const CardLayout l = cardLayout('H', s);
  std::vector<std::string> cells = fillCells('H', s);
  cells[cellOf(l, "ZmCo", 1)] = "OT";
  cells[cellOf(l, "ZmDt", 1)] = "150320";
  cells[cellOf(l, "ZmKo", 1)] = std::string(20, 'K');
  cells[cellOf(l, "ZmWa", 1)] = "123456789.12";
  cells[cellOf(l, "ZmND", 1)] = std::string(20, 'N');
  EXPECT_FALSE(acceptCells('H', cells, s).ok());
  EXPECT_EQ(s.edited.Z[0], "");
}

TEST(AssetCardSections, DescriptionPurchaseAcceptanceAndRatesGoBackIntoTheAsset) {
  CardState s = stateWith({});
  std::vector<std::string> d = fillCells('D', s);
  ASSERT_EQ(d.size(), 10u);
  d[2] = u("Linia trzecia opisu");
  ASSERT_TRUE(acceptCells('D', d, s).ok());
  EXPECT_EQ(s.edited.Opis[2], u("Linia trzecia opisu"));

  std::vector<std::string> f = fillCells('F', s);
  EXPECT_EQ(f[0], "150320");
  f[1] = "12500.5";
  f[3] = "2021";
  ASSERT_TRUE(acceptCells('F', f, s).ok());
  EXPECT_DOUBLE_EQ(static_cast<double>(s.edited.WaOT), 12500.5);
  EXPECT_EQ(s.edited.RokP, 2021);

  const CardLayout g = cardLayout('G', s);
  EXPECT_EQ(g.gridHeader.size(), 7u);
  std::vector<std::string> k = fillCells('G', s);
  ASSERT_EQ(k.size(), g.cells.size());
  k[cellOf(g, "Klas", 1)] = "491";  // no date: applies from the start
  k[cellOf(g, "KRSP", 1)] = "30";
  ASSERT_TRUE(acceptCells('G', k, s).ok());
  EXPECT_EQ(s.edited.K[0].date, 0);
  EXPECT_EQ(s.edited.K[0].SKST, "491");
  EXPECT_DOUBLE_EQ(static_cast<double>(s.edited.K[0].StPo), 30.0);

  std::vector<std::string> c = fillCells('C', s);
  c[0] = "311220";
  ASSERT_TRUE(acceptCells('C', c, s).ok());
  EXPECT_EQ(s.planDay, text::dayFromDate(2020, 12, 31));
  EXPECT_EQ(sectionOfSlot(68), 'D');
}

TEST(AssetCardSections, BAndNShowTheEditedAndTheOriginalAssetWithoutCells) {
  CardState s = stateWith({});
  s.edited.Nazw = u("Koparka gąsienicowa");
  s.original.Nazw = "Koparka";
  for (char section : {'B', 'N'}) {
    const CardLayout l = cardLayout(section, s);
    EXPECT_TRUE(l.works()) << section;
    EXPECT_TRUE(l.cells.empty()) << section;
    EXPECT_TRUE(fillCells(section, s).empty());
    EXPECT_TRUE(acceptCells(section, {}, s).ok());
  }
  const auto has = [](const CardLayout& l, const std::string& line) {
    return std::find(l.notes.begin(), l.notes.end(), line) != l.notes.end();
  };
  EXPECT_TRUE(has(cardLayout('B', s), u("Pełna nazwa  Koparka gąsienicowa")));
  EXPECT_TRUE(has(cardLayout('N', s), u("Pełna nazwa  Koparka")));
  EXPECT_TRUE(has(cardLayout('B', s), "Data OT  150320"));
  EXPECT_EQ(cardLayout('B', s).title, u("Środek trwały A1"));
  EXPECT_EQ(sectionOfSlot(66), 'B');
  for (char other : {'A', 'O', 'Z'}) {
    EXPECT_EQ(cardLayout(other, s).title, "F3 tu nie pracuje");
    EXPECT_FALSE(cardLayout(other, s).works());
    EXPECT_FALSE(acceptCells(other, {}, s).ok());
  }
  EXPECT_EQ(sectionOfSlot(65), 0);
  EXPECT_EQ(sectionOfSlot(79), 0);
}

TEST(AssetCardPatterns, SingleStarPatternBecomesCurrentAndMatchesItsPrefix) {
  CardState s;
  std::vector<std::string> cells = fillCells('I', s);
  ASSERT_EQ(cells.size(), 6u);  // five empty rows and `WzoP`
  EXPECT_EQ(cardLayout('I', s).cells.back().code, "WzoP");
  cells[1] = "1*";
  ASSERT_TRUE(acceptCells('I', cells, s).ok());
  const PatternList& p = s.patterns[0];
  ASSERT_EQ(p.patterns.size(), 1u);
  EXPECT_EQ(p.current, std::string("1") + std::string(14, '?'));
  EXPECT_TRUE(text::matchesPattern("1-001", p.current));
  EXPECT_TRUE(text::matchesPattern("1", p.current));
  EXPECT_FALSE(text::matchesPattern("21", p.current));
  cells = fillCells('I', s);
  cells[3] = "2*";
  ASSERT_TRUE(acceptCells('I', cells, s).ok());
  EXPECT_EQ(s.patterns[0].current, "\x85\x85");
}

TEST(AssetCardPatterns, PatternFileAddsItsLinesAfterTheTypedOnesAndAMissingFileRefuses) {
  const std::string dir = ::testing::TempDir() + "card_patterns/";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  ASSERT_TRUE(platform::writeWholeFile(dir + "BIURA.WZO", u("biuro-*\r\n\r\n  ŁÓDŹ ?1 \nmag*")));
  CardState s;
  s.baseFolder = dir;
  CardLayout l = cardLayout('K', s);
  std::vector<std::string> cells = fillCells('K', s);
  cells[0] = "KRK";
  cells[cellOf(l, "WzoP")] = "biura";  // the extension is the pattern files'
  ASSERT_TRUE(acceptCells('K', cells, s).ok());
  const PatternList& p = s.patterns[2];
  ASSERT_EQ(p.patterns.size(), 4u);
  EXPECT_EQ(p.patterns[0], text::pattern("KRK", 16));
  EXPECT_EQ(p.patterns[1], text::pattern("BIURO-*", 16));
  EXPECT_EQ(p.patterns[2], text::pattern(u("ŁÓDŹ ?1"), 16));
  EXPECT_EQ(p.patterns[3], text::pattern("MAG*", 16));
  EXPECT_EQ(p.current, "\x85\x85");
  EXPECT_TRUE(text::matchesPattern("BIURO-7", p.patterns[1]));

  // The card shows the loaded list; a file that is not there changes nothing.
  l = cardLayout('K', s);
  cells = fillCells('K', s);
  EXPECT_EQ(cells[3], text::pattern("MAG*", 16));
  EXPECT_EQ(cells[cellOf(l, "WzoP")], "");
  cells[cellOf(l, "WzoP")] = "BRAK.WZO";
  const Status refused = acceptCells('K', cells, s);
  EXPECT_FALSE(refused.ok());
  EXPECT_EQ(refused.message(), "Nie ma " + dir + "BRAK.WZO");
  EXPECT_EQ(s.patterns[2].patterns.size(), 4u);
  EXPECT_EQ(cardPickList('K', "WzoP", ""), kPatternFiles);
}

// The purchase price opens the exchange rates; the price typed in the
// invoice's currency becomes złote at the rate picked, rounded to grosze.
TEST(AssetCardRates, PurchasePriceInACurrencyIsConvertedAtThePickedRate) {
  EXPECT_EQ(cardPickList('E', "CeZa", ""), 'A');
  EXPECT_EQ(cardPickList('F', "WaOT", ""), -1);
  EXPECT_EQ(amountAtRate("1000", "4.3288"), "4328.8");
  EXPECT_EQ(amountAtRate(" 12,5 ", "4.3288"), "54.11");      // 54.110, decimal comma
  EXPECT_EQ(amountAtRate("250000", "0.011375"), "2843.75");  // per 100 units, six decimals
  EXPECT_EQ(amountAtRate("", "4.3288"), "");                 // nothing to convert
  EXPECT_EQ(amountAtRate("0", "4.3288"), "");
  EXPECT_EQ(amountAtRate("1000", ""), "");  // the row " × Nie widzę archiwum ..." has no rate
}

TEST(AssetCardDates, ShortDateCellsCompleteFromTodayAndBadOnesAreFlagged) {
  const DayNumber today = text::dayFromDate(2026, 12, 9);
  bool error = true;
  EXPECT_EQ(leaveDateCell("15", today, &error), "151226");
  EXPECT_FALSE(error);
  EXPECT_EQ(leaveDateCell("5", today, &error), "051226");
  EXPECT_EQ(leaveDateCell("3102", today, &error), "030326");  // 31 February runs on
  EXPECT_TRUE(error);
  EXPECT_EQ(leaveDateCell("", today, &error), "");
  EXPECT_FALSE(error);
  EXPECT_EQ(completeFromToday("15", 2, 2, today), "151226");
  EXPECT_EQ(completeFromToday("15XXXX", 2, 6, today), "151226");
  EXPECT_EQ(completeFromToday("", 0, 0, today), "091226");
}

}  // namespace
}  // namespace zefir::operations
