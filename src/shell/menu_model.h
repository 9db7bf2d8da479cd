// The menu's keyboard logic without its window: which list has the focus,
// the selection in each, the submenu item remembered per main letter, and
// what a key or a choice asks the program to do.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/status_line.h"
#include "shell/menu_table.h"

namespace zefir::shell {

// A key as the menu sees it (letters already upper-cased by the caller).
struct MenuKey {
  enum Kind { Character, Enter, Esc, Function } kind = Character;
  char ch = 0;  // Character: a letter or keypad digit
  int fn = 0;   // Function: 1..11
};

struct MenuAction {
  enum Kind {
    None,
    Ending,         // "Czy już koniec pracy"
    RunOption,      // option holds the chosen option
    OpenedSubmenu,  // the submenu list is filled and has the focus
    BackToMain,     // the main list has the focus again
    SettingsPage,   // option holds the settings page of a function key
    Status,         // status and kind to show
  } kind = None;
  MenuAction() = default;
  MenuAction(Kind k) : kind(k) {}  // NOLINT: a kind alone converts
  MenuOption option;
  std::string status;
  StatusKind statusKind = StatusKind::Information;
};

class MenuModel {
 public:
  MenuModel();

  bool inSubmenu() const { return in_submenu_; }
  char openLetter() const { return open_letter_; }  // letter of the shown submenu
  int mainIndex() const { return main_index_; }
  int subIndex() const { return sub_index_; }
  const std::vector<std::string>& mainItems() const;
  // Items of the shown submenu (empty before the first one opens).
  const std::vector<std::string>& subItems() const;
  // The submenu item last chosen under main letter A..P (1, item A, at first).
  int remembered(char mainLetter) const;

  MenuAction key(const MenuKey& k);
  // Enter or a double click on an item of the main list / the submenu.
  MenuAction chooseMain(int index);
  MenuAction chooseSub(int index);
  // A click moves the selection; the main list taking the focus hides the submenu.
  void selectMain(int index);
  void selectSub(int index);
  void focusMain() { in_submenu_ = false; }
  // The settings page of function key n (a key in the main list, or a click
  // on its panel whichever list has the focus).
  static MenuAction functionKey(int n);

 private:
  MenuAction mainKey(const MenuKey& k);
  MenuAction subKey(const MenuKey& k);
  static int moved(int index, char digit, int last);

  bool in_submenu_ = false;
  char open_letter_ = 0;
  int main_index_ = 0;
  int sub_index_ = 0;
  std::array<int, 16> remembered_{};  // A..P
};

}  // namespace zefir::shell
