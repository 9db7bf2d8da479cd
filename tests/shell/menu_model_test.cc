#include "shell/menu_model.h"

#include <gtest/gtest.h>

#include "text/codepage.h"

namespace zefir::shell {
namespace {

MenuKey ch(char c) {
  return {MenuKey::Character, c, 0};
}
MenuKey esc() {
  return {MenuKey::Esc, 0, 0};
}
MenuKey enter() {
  return {MenuKey::Enter, 0, 0};
}
MenuKey fn(int n) {
  return {MenuKey::Function, 0, n};
}

TEST(MenuModel, MainLettersOpenSubmenusAndAStartsItsOptionAtOnce) {
  MenuModel m;
  MenuAction a = m.key(ch('A'));
  ASSERT_EQ(a.kind, MenuAction::RunOption);
  EXPECT_EQ(a.option.slot, 11);
  EXPECT_EQ(a.option.code, "EdiST");
  EXPECT_EQ(a.option.letters, "A");
  EXPECT_EQ(a.option.title, text::fromUtf8("korekta opisu środków trwałych"));
  EXPECT_FALSE(m.inSubmenu());

  EXPECT_EQ(m.key(ch('D')).kind, MenuAction::OpenedSubmenu);
  EXPECT_TRUE(m.inSubmenu());
  EXPECT_EQ(m.openLetter(), 'D');
  EXPECT_EQ(m.subItems().front(), text::fromUtf8(" Esc - powrót do głównego menu"));
  EXPECT_EQ(m.subItems().size(), 8u);  // Esc item and A..G
}

TEST(MenuModel, LetterWithoutItemInMainListSaysTaa) {
  MenuModel m;
  const int before = m.mainIndex();
  MenuAction a = m.key(ch('Z'));
  EXPECT_EQ(a.kind, MenuAction::Status);
  EXPECT_EQ(a.status, "Taa...");
  EXPECT_EQ(a.statusKind, StatusKind::Error);
  EXPECT_EQ(m.mainIndex(), before);
}

TEST(MenuModel, SubmenuPairsRunTheirOptions) {
  struct Case {
    char main, sub;
    int slot;
    const char* code;
  } cases[] = {{'H', 'B', 57, "EditOO"}, {'H', 'C', 56, "EditMU"}, {'B', 'A', 12, "OpiST"},
               {'F', 'H', 46, "SG_01"},  {'G', 'A', 47, "PlanAm"}, {'K', 'B', 64, "ImpDbf"},
               {'C', 'B', 11, "EdiST"},  {'I', 'D', 83, "UsDru"}};
  for (const Case& c : cases) {
    MenuModel m;
    m.key(ch(c.main));
    MenuAction a = m.key(ch(c.sub));
    ASSERT_EQ(a.kind, MenuAction::RunOption) << c.main << c.sub;
    EXPECT_EQ(a.option.slot, c.slot) << c.main << c.sub;
    EXPECT_EQ(a.option.code, c.code);
    EXPECT_EQ(a.option.letters, std::string({c.main, c.sub}));
  }
}

TEST(MenuModel, ItemsAfterTheGapInSubmenuIRunTheirOwnOptions) {
  // Submenu I has no item E: "F - zmiana bazy danych" stands fifth and must
  // still change the base folder, not search for a base.
  MenuModel m;
  m.key(ch('I'));
  MenuAction a = m.key(ch('F'));
  ASSERT_EQ(a.kind, MenuAction::RunOption);
  EXPECT_EQ(a.option.code, "ZmKat");
  EXPECT_EQ(a.option.letters, "IF");
  EXPECT_EQ(m.key(ch('E')).kind, MenuAction::None);  // no item bears E
  a = m.key(ch('I'));
  EXPECT_EQ(a.option.code, "InDok");
}

TEST(MenuModel, PairWithoutOptionOrLetterBeyondTheListOpensNothing) {
  MenuModel m;
  m.key(ch('B'));
  EXPECT_EQ(m.key(ch('G')).kind, MenuAction::None);  // "zbiorczy dokument PT"
  EXPECT_EQ(m.key(ch('K')).kind, MenuAction::None);  // beyond the last item
  EXPECT_EQ(m.key(ch('P')).kind, MenuAction::None);  // not a submenu letter
  EXPECT_TRUE(m.inSubmenu());
}

TEST(MenuModel, EscLeavesTheSubmenuAndEndsFromTheMainList) {
  MenuModel m;
  m.key(ch('C'));
  EXPECT_EQ(m.key(esc()).kind, MenuAction::BackToMain);
  EXPECT_FALSE(m.inSubmenu());
  EXPECT_EQ(m.key(esc()).kind, MenuAction::Ending);
}

TEST(MenuModel, KeypadDigitsMoveTheSelectionWithinTheList) {
  MenuModel m;
  ASSERT_EQ(m.mainIndex(), 0);
  m.key(ch('8'));
  EXPECT_EQ(m.mainIndex(), 0);  // not above the Esc item
  m.key(ch('2'));
  m.key(ch('2'));
  EXPECT_EQ(m.mainIndex(), 2);
  m.key(ch('7'));
  EXPECT_EQ(m.mainIndex(), 1);  // item A
  m.key(ch('1'));
  EXPECT_EQ(m.mainIndex(), 11);  // the last item, K
  m.key(ch('2'));
  EXPECT_EQ(m.mainIndex(), 11);  // not past it
  m.key(ch('9'));
  EXPECT_EQ(m.mainIndex(), 1);
  m.key(ch('3'));
  EXPECT_EQ(m.mainIndex(), 11);
  EXPECT_EQ(m.key(enter()).kind, MenuAction::OpenedSubmenu);
  EXPECT_EQ(m.openLetter(), 'K');
}

TEST(MenuModel, SubmenuRemembersTheItemChosenLast) {
  MenuModel m;
  m.key(ch('D'));
  EXPECT_EQ(m.subIndex(), 1);  // item A at first
  m.key(ch('F'));
  m.key(esc());
  m.key(ch('E'));
  EXPECT_EQ(m.subIndex(), 1);  // each letter remembers its own
  m.key(esc());
  m.key(ch('D'));
  EXPECT_EQ(m.subIndex(), 6);  // F again
  MenuAction a = m.key(enter());
  EXPECT_EQ(a.option.code, "Ilosc");
}

TEST(MenuModel, EnterOnTheEscItemsEndsOrGoesBack) {
  MenuModel m;
  m.key(ch('G'));
  m.key(ch('7'));
  m.key(ch('8'));
  EXPECT_EQ(m.subIndex(), 0);
  EXPECT_EQ(m.key(enter()).kind, MenuAction::BackToMain);
  EXPECT_EQ(m.chooseMain(0).kind, MenuAction::Ending);
}

TEST(MenuModel, FunctionKeysOpenSettingsPagesFromTheMainListOnly) {
  MenuModel m;
  struct Case {
    int key, slot;
    const char* code;
  } cases[] = {{1, 82, "UsOki"},  {2, 83, "UsDru"}, {4, 85, "ZmKat"}, {5, 86, "ZmBaz"},
               {6, 87, "ZmHas"},  {7, 88, "InDok"}, {8, 89, ""},      {9, 81, "UsWir"},
               {10, 80, "AkWir"}, {11, 82, "UsOki"}};
  for (const Case& c : cases) {
    MenuAction a = m.key(fn(c.key));
    ASSERT_EQ(a.kind, MenuAction::SettingsPage) << c.key;
    EXPECT_EQ(a.option.slot, c.slot);
    EXPECT_EQ(a.option.code, c.code);
  }
  EXPECT_EQ(m.key(fn(3)).kind, MenuAction::None);
  m.key(ch('B'));
  EXPECT_EQ(m.key(fn(1)).kind, MenuAction::None);
}

TEST(MenuTable, TitlesAreTheItemTextFromTheSixthCharacter) {
  EXPECT_EQ(itemTitle(" B - wydruk dokumentu OT"), "wydruk dokumentu OT");
  EXPECT_EQ(itemTitle(" A - " + std::string(50, 'x')).size(), 40u);
  EXPECT_EQ(itemTitle(" A -"), "");
  const LetterEntry* a = findLetterEntry("a");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->slot, 10);
  EXPECT_EQ(findLetterEntry("z")->slot, 78);
  EXPECT_EQ(findLetterEntry("BG"), nullptr);
}

}  // namespace
}  // namespace zefir::shell
