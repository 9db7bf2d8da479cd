#include "shell/menu_table.h"

#include <map>

#include "text/codepage.h"

namespace zefir::shell {

namespace {

using text::fromUtf8;

std::string item(const char* utf8) {
  return " " + fromUtf8(utf8);
}

const char* const kMainTexts[] = {
    "Esc - koniec pracy z programem",    "A - korekta opisu środków trwałych",
    "B - wydruk dokumentów OT, LT, ...", "C - obsługa planu środków trwałych",
    "D - zestawienia środków trwałych",  "E - zestawienia według klucza",
    "F - księgowanie i eksport do Lipa", "G - naliczenie amortyzacji",
    "H - ewidencje pomocnicze",          "I - instalacja i ustawienia Zefir",
    "J - obsługa inwentaryzacji",        "K - import z zewnętrznych baz danych",
};

struct SubEntry {
  char main;
  const char* text;  // UTF-8, begins with the sub letter
  int slot;          // 0: no option
  const char* code;
};

const SubEntry kSubEntries[] = {
    {'B', "A - opis środka trwałego", 12, "OpiST"},
    {'B', "B - wydruk dokumentu OT", 13, "DruOT"},
    {'B', "C - wydruk dokumentu LT", 14, "DruLT"},
    {'B', "D - wydruk dokumentu PT", 15, "DruPT"},
    {'B', "E - pełny opis środka trwałego", 16, "InfST"},
    {'B', "F - wydruk tabliczki środków", 17, "Tabli"},
    {'B', "G - zbiorczy dokument PT", 0, ""},
    {'C', "A - zmiana obowiązującego planu", 18, "Zmian"},
    {'C', "B - korekta opisu środków trwałych", 11, "EdiST"},
    {'C', "C - sortowanie środków trwałych", 19, "Sorto"},
    {'C', "D - wykaz środków trwałych", 20, "WykaS"},
    {'C', "E - pełny wykaz środków trwałych", 21, "WykaP"},
    {'C', "F - edytor wzorców indeksów", 22, "EdiWZ"},
    {'C', "G - zrzut zerowych do archiwum", 23, "ZrzuZ"},
    {'C', "H - wybranie środków z planu", 24, "WybST"},
    {'C', "I - import bazy środków trwałych", 25, "Impor"},
    {'C', "J - renumeracja grupy środków", 26, "Renum"},
    {'D', "A - kartoteka środków trwałych", 27, "Karto"},
    {'D', "B - wykaz środków trwałych - skrót", 28, "WykaD"},
    {'D', "C - środki całkowicie umorzone", 29, "CaUmo"},
    {'D', "D - zlikwidowane w ostatnim roku", 30, "Zlikw"},
    {'D', "E - nowoprzyjęte środki trwałe", 31, "Nowop"},
    {'D', "F - kart.ilościowo-wartościowa", 32, "Ilosc"},
    {'D', "G - raport naturalny", 33, "Stell"},
    {'E', "A - w/g numerów inwentarzowych", 34, "WgNum"},
    {'E', "B - w/g klasyfikacji śr.trwałych", 35, "WgKla"},
    {'E', "C - w/g osoby odpowiedzialnej", 36, "WgOso"},
    {'E', "D - w/g miejsca użytkowania", 37, "WgMie"},
    {'E', "E - w/g miejsca powstaw.kosztów", 38, "WgMPK"},
    {'F', "A - księgowanie planu amortyzacji", 39, "Ksieg"},
    {'F', "B - BO, zwiększenia i zmniejszenia", 40, "BZwZm"},
    {'F', "C - to samo z pełną listą środków", 41, "BZZPel"},
    {'F', "D - to samo analitycznie OT/LT/..", 42, "BZZAna"},
    {'F', "E - plan amortyzacji 12.miesięczny", 43, "Plan12"},
    {'F', "F - zamknięcie okresu", 44, "Zamkn"},
    {'F', "G - dokładna kontrola bazy danych", 45, "Kontr"},
    {'F', "H - sprawozdanie GUS SG-01", 46, "SG_01"},
    {'G', "A - plan amortyzacji", 47, "PlanAm"},
    {'G', "B - zestawienie miesięczne", 48, "Miesie"},
    {'G', "C - przeliczenie wartości netto", 49, "WarNet"},
    {'G', "D - śr. trwałe grupami z opisem", 50, "GrOpis"},
    {'G', "E - zestawienie kontrolne stawek", 51, "Stawki"},
    {'G', "F - analityka bilansowo-podatkowa", 52, "ABiPo"},
    {'G', "G - różnice bilansowo-podatkowe", 53, "RBiPo"},
    {'G', "H - planowanie amortyzacji", 54, "PlAm12"},
    {'H', "A - klasyfikacja ŚT", 55, "EditKR"},
    {'H', "B - osoby odpowiedzialne", 57, "EditOO"},
    {'H', "C - miejsca użytkowania", 56, "EditMU"},
    {'H', "D - konta księgowe", 58, "EditKK"},
    {'I', "A - zlikwidowane, amortyzacja", 59, "ZliAm"},
    {'I', "B - ustawienia programu Zefir [F9]", 81, "UsWir"},
    {'I', "C - ustawienia okienek [F1]", 82, "UsOki"},
    {'I', "D - ustawienia drukarki [F2]", 83, "UsDru"},
    {'I', "F - zmiana bazy danych [F4]", 85, "ZmKat"},
    {'I', "G - szukaj bazy danych [F5]", 86, "ZmBaz"},
    {'I', "H - instalacja, zmiana hasła [F6]", 87, "ZmHas"},
    {'I', "I - dane dla dokumentów Zefir [F7]", 88, "InDok"},
    {'J', "A - wydruk arkuszy spisowych", 60, "ArkSpi"},
    {'J', "B - wydruk pustych arkuszy", 61, "ArkPus"},
    {'J', "C - wydruk kodów kreskowych", 62, "KodKre"},
    {'K', "A - import z wybranych baz XLS", 63, "ImpXls"},
    {'K', "B - import z wybranych baz DBF", 64, "ImpDbf"},
};

struct Tables {
  std::vector<std::string> main;
  std::map<char, std::vector<std::string>> sub;
  std::map<std::string, LetterEntry, std::less<>> letters;
};

const Tables& tables() {
  static const Tables t = [] {
    Tables t;
    for (const char* s : kMainTexts) t.main.push_back(item(s));
    for (char c = 'B'; c <= 'K'; ++c) t.sub[c].push_back(item("Esc - powrót do głównego menu"));
    for (const SubEntry& e : kSubEntries) {
      t.sub[e.main].push_back(item(e.text));
      if (e.slot != 0) t.letters[std::string{e.main, e.text[0]}] = {e.slot, e.code};
    }
    t.letters["A"] = {11, "EdiST"};
    // Two entries the lists never produce (keys are upper-cased).
    t.letters["a"] = {10, "ZestA"};
    t.letters["z"] = {78, "ZestZ"};
    return t;
  }();
  return t;
}

}  // namespace

const std::vector<std::string>& mainMenuItems() {
  return tables().main;
}

const std::vector<std::string>& submenuItems(char mainLetter) {
  static const std::vector<std::string> none;
  auto it = tables().sub.find(mainLetter);
  return it == tables().sub.end() ? none : it->second;
}

const LetterEntry* findLetterEntry(std::string_view letters) {
  auto it = tables().letters.find(letters);
  return it == tables().letters.end() ? nullptr : &it->second;
}

std::string itemTitle(std::string_view item) {
  if (item.size() <= 5) return {};
  return std::string(item.substr(5, 40));
}

int functionKeySlot(int n) {
  static const int slots[12] = {0, 82, 83, 0, 85, 86, 87, 88, 89, 81, 80, 82};
  return n >= 1 && n <= 11 ? slots[n] : 0;
}

const std::vector<FunctionButton>& functionButtons() {
  static const std::vector<FunctionButton> buttons = {
      {"Esc", fromUtf8("Wyjdź  Esc"), 0},
      {"F1", "Okienka ", 1},
      {"F2", "Drukarka", 2},
      {"F4", "Katalog ", 4},
      {"F5", "Srodki", 5},
      {"F6", fromUtf8(" Hasło "), 6},
      {"F7", "Ins.dok", 7},
      {"F8", "2 start", 8},
      {"F9", "Ust.Zefir", 9},
      {"F10", "Akt.Zefir", 10},
  };
  return buttons;
}

MenuOption settingsPageOption(int slot) {
  static const std::map<int, const char*> names = {
      {80, "AkWir"}, {81, "UsWir"}, {82, "UsOki"}, {83, "UsDru"}, {85, "ZmKat"},
      {86, "ZmBaz"}, {87, "ZmHas"}, {88, "InDok"}, {89, ""},      {90, "SzDbf"}};
  MenuOption o;
  o.slot = slot;
  if (auto it = names.find(slot); it != names.end()) o.code = it->second;
  // The I submenu names most of these pages; its title is theirs too.
  for (const auto& [letters, entry] : tables().letters) {
    if (entry.slot == slot && letters.size() == 2 && letters[0] == 'I') {
      o.letters = letters;
      for (const std::string& it : tables().sub.at('I'))
        if (it.size() > 1 && it[1] == letters[1]) o.title = itemTitle(it);
    }
  }
  return o;
}

}  // namespace zefir::shell
