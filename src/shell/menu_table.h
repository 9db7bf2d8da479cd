// The menu's lists and its letter table: the main list of lettered areas, the
// submenu of each area, the option (slot and option code) behind each pair of
// letters, and the settings pages bound to the function keys.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zefir::shell {

// The option chosen from the menu; the parameter-set dialog reads it.
struct MenuOption {
  int slot = 0;
  std::string code;     // option code, up to 6 characters
  std::string letters;  // main letter and sub letter, or the main letter alone
  std::string title;    // code page 1250, up to 40 characters
};

// The main list's items, each a blank and its text (code page 1250); item 0 is
// the Esc item, items 1.. bear the letters A..K.
const std::vector<std::string>& mainMenuItems();
// The submenu of a main letter B..K: the Esc item, then its lettered options.
// Empty for other letters.
const std::vector<std::string>& submenuItems(char mainLetter);

// The entry of the letter table for a pair of letters ("HB", or "A" alone).
struct LetterEntry {
  int slot;
  const char* code;
};
// nullptr when the pair has no option ("BG").
const LetterEntry* findLetterEntry(std::string_view letters);

// Title of a list item: its text from the sixth character on, up to 40.
std::string itemTitle(std::string_view item);

// The settings page bound to function key F<n> (1..11): slot, or 0 when none.
int functionKeySlot(int n);
// The button captions of the function-key panels, in order, with their keys.
struct FunctionButton {
  const char* key;      // "Esc", "F1" ...
  std::string caption;  // code page 1250
  int n;                // function key number, 0 for Esc
};
const std::vector<FunctionButton>& functionButtons();
// The option a settings page opens as (code from the window-slot names).
MenuOption settingsPageOption(int slot);

}  // namespace zefir::shell
