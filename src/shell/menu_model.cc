#include "shell/menu_model.h"

#include <algorithm>

namespace zefir::shell {

namespace {

// Index of the item whose letter (its second character) is `letter`, or -1.
int itemWithLetter(const std::vector<std::string>& items, char letter) {
  for (std::size_t i = 1; i < items.size(); ++i)
    if (items[i].size() > 1 && items[i][1] == letter) return static_cast<int>(i);
  return -1;
}

MenuAction runOption(const std::string& letters, const std::string& item) {
  MenuAction a;
  const LetterEntry* entry = findLetterEntry(letters);
  if (!entry) return a;  // a pair with no option opens nothing
  a.kind = MenuAction::RunOption;
  a.option = {entry->slot, entry->code, letters, itemTitle(item)};
  return a;
}

}  // namespace

MenuModel::MenuModel() {
  remembered_.fill(1);
}

const std::vector<std::string>& MenuModel::mainItems() const {
  return mainMenuItems();
}

const std::vector<std::string>& MenuModel::subItems() const {
  return submenuItems(open_letter_);
}

int MenuModel::remembered(char mainLetter) const {
  return mainLetter >= 'A' && mainLetter <= 'P' ? remembered_[mainLetter - 'A'] : 1;
}

int MenuModel::moved(int index, char digit, int last) {
  switch (digit) {
    case '2':
      return std::min(index + 1, last);
    case '8':
      return std::max(index - 1, 0);
    case '7':
    case '9':
      return std::min(1, last);
    case '1':
    case '3':
      return last;
    default:
      return index;
  }
}

MenuAction MenuModel::key(const MenuKey& k) {
  return in_submenu_ ? subKey(k) : mainKey(k);
}

MenuAction MenuModel::mainKey(const MenuKey& k) {
  const int last = static_cast<int>(mainItems().size()) - 1;
  switch (k.kind) {
    case MenuKey::Esc:
      return {MenuAction::Ending};
    case MenuKey::Enter:
      return chooseMain(main_index_);
    case MenuKey::Function:
      return functionKey(k.fn);
    case MenuKey::Character:
      if (k.ch >= 'A' && k.ch <= 'Z') {
        int i = itemWithLetter(mainItems(), k.ch);
        if (i < 0) {
          MenuAction a{MenuAction::Status};
          a.status = "Taa...";
          a.statusKind = StatusKind::Error;
          return a;
        }
        main_index_ = i;
        return chooseMain(i);
      }
      main_index_ = moved(main_index_, k.ch, last);
      return {};
  }
  return {};
}

MenuAction MenuModel::functionKey(int n) {
  int slot = functionKeySlot(n);
  if (slot == 0) return {};
  MenuAction a{MenuAction::SettingsPage};
  a.option = settingsPageOption(slot);
  return a;
}

MenuAction MenuModel::subKey(const MenuKey& k) {
  const auto& items = subItems();
  const int last = static_cast<int>(items.size()) - 1;
  switch (k.kind) {
    case MenuKey::Esc:
      in_submenu_ = false;
      return {MenuAction::BackToMain};
    case MenuKey::Enter:
      return chooseSub(sub_index_);
    case MenuKey::Function:
      return {};  // function keys belong to the main list
    case MenuKey::Character:
      if (k.ch >= 'A' && k.ch <= 'O') {
        int i = itemWithLetter(items, k.ch);
        if (i < 0) return {};
        sub_index_ = i;
        return chooseSub(i);
      }
      if (k.ch >= 'P' && k.ch <= 'Z') return {};
      sub_index_ = moved(sub_index_, k.ch, last);
      return {};
  }
  return {};
}

MenuAction MenuModel::chooseMain(int index) {
  const auto& items = mainItems();
  if (index < 0 || index >= static_cast<int>(items.size())) return {};
  main_index_ = index;
  if (index == 0) return {MenuAction::Ending};
  const char letter = items[index][1];
  if (letter == 'A') return runOption("A", items[index]);
  if (submenuItems(letter).empty()) {
    MenuAction a{MenuAction::Status};
    a.status = std::string(1, letter) + " #" + std::to_string(static_cast<unsigned char>(letter));
    return a;
  }
  open_letter_ = letter;
  in_submenu_ = true;
  sub_index_ = std::min(remembered(letter), static_cast<int>(subItems().size()) - 1);
  return {MenuAction::OpenedSubmenu};
}

MenuAction MenuModel::chooseSub(int index) {
  const auto& items = subItems();
  if (index < 0 || index >= static_cast<int>(items.size())) return {};
  sub_index_ = index;
  if (index == 0) {
    in_submenu_ = false;
    return {MenuAction::BackToMain};
  }
  if (open_letter_ >= 'A' && open_letter_ <= 'P') remembered_[open_letter_ - 'A'] = index;
  // The sub letter is the one the item bears, so an item always runs its own
  // option even where the list skips a letter (I has no E).
  return runOption(std::string{open_letter_, items[index][1]}, items[index]);
}

void MenuModel::selectMain(int index) {
  if (index >= 0 && index < static_cast<int>(mainItems().size())) main_index_ = index;
  in_submenu_ = false;
}

void MenuModel::selectSub(int index) {
  if (index >= 0 && index < static_cast<int>(subItems().size())) sub_index_ = index;
}

}  // namespace zefir::shell
