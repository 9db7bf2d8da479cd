// The field table: one row per field number. Texts are UTF-8 here and become
// code page 1250 when the table is first asked for.
#include <map>

#include "operations/option_catalogue.h"
#include "text/codepage.h"

namespace zefir::operations {

namespace {

using C = FieldCheck;
using D = FieldDefault;
using P = FieldPattern;
using U = FieldCompletion;
using L = LetterCase;

struct Row {
  int number;
  const char* code;
  const char* label;
  int width;
  int f3 = 0;
  const char* pick = "";
  int variant = 0;
  D def = D::None;
  const char* defText = "";
  C check = C::None;
  P pattern = P::None;
  const char* patternText = "";
  L letterCase = L::Upper;
  U completion = U::None;
};

// The organisation's name, address and logo file keep their letters as
// typed: they are printed on the documents as they are.
// The report dates are completed like the asset form's dates: the dialog
// checks a date field by its kind.
// Where a field's table leaves its F4 list open, a list that helps the user
// at that field is chosen: none for the summary depths and the rates (they
// are numbers), the base's .PST files for the archive name (so a free name
// is easy to pick), the lines of the typical descriptions' file for the
// additional description.
const Row kRows[] = {
    // Report and selection fields.
    {.number = 33, .code = "BazJ", .label = "Obowiązywać będzie plan", .width = 8, .pick = ".PST"},
    {.number = 40,
     .code = "DaOd",
     .label = "W okresie od",
     .width = 6,
     .pick = "D",
     .completion = U::Date},
    {.number = 43,
     .code = "DaDo",
     .label = "Według stanu na dzień",
     .width = 6,
     .pick = "D",
     .completion = U::Date},
    {.number = 45,
     .code = "SroJ",
     .label = "Symbol środka",
     .width = 15,
     .pick = "s",
     .check = C::AssetExists,
     .pattern = P::CurrentAsset,
     .letterCase = L::UpperOnChange,
     .completion = U::AssetSymbol},
    {.number = 46,
     .code = "DokJ",
     .label = "Wskaż dokument [F4]",
     .width = 1,
     .pick = "d",
     .check = C::DocumentOfKind,
     .pattern = P::Text,
     .patternText = "A",
     .letterCase = L::UpperOnChange,
     .completion = U::DocumentLetter},
    {.number = 47,
     .code = "Rok4",
     .label = "Według stanu na rok",
     .width = 4,
     .check = C::Year2000To2039,
     .pattern = P::Text,
     .patternText = "2021",
     .completion = U::Year},
    {.number = 48,
     .code = "SroW",
     .label = "Wybrane środki trwałe",
     .width = 15,
     .f3 = 73,
     .pick = "s",
     .pattern = P::CurrentAsset,
     .letterCase = L::UpperOnChange,
     .completion = U::Selection},
    {.number = 49,
     .code = "SroF",
     .label = "Filtr opisu środków trwałych",
     .width = 10,
     .pattern = P::LastFilter},
    // The asset edit form (option 11).
    {.number = 50,
     .code = "SroE",
     .label = "Symbol środka [F3]",
     .width = 15,
     .f3 = 67,
     .pick = "s",
     .variant = 140,
     .letterCase = L::UpperOnChange,
     .completion = U::AssetSymbol},
    {.number = 52,
     .code = "SroX",
     .label = "Nowy symbol",
     .width = 15,
     .pick = "s",
     .variant = 156,
     .completion = U::AssetSymbol},
    {.number = 53, .code = "ENaz", .label = "Pełna nazwa [F3]", .width = 40, .f3 = 68},
    {.number = 55,
     .code = "EDaZ",
     .label = "Data zakupu [F3]",
     .width = 6,
     .f3 = 69,
     .pick = "D",
     .pattern = P::Today,
     .completion = U::Date},
    {.number = 57,
     .code = "EDaO",
     .label = "Data OT [F3]",
     .width = 6,
     .f3 = 70,
     .pick = "D",
     .completion = U::Date},
    {.number = 59, .code = "EMeU", .label = "Metoda umorzenia", .width = 1, .pick = "a"},
    {.number = 61,
     .code = "EKST",
     .label = "Przyjęta KŚT [F3]",
     .width = 16,
     .f3 = 71,
     .pick = "q"},
    {.number = 63, .code = "EStA", .label = "Roczna stawka amortyzacji", .width = 5, .f3 = 71},
    {.number = 65, .code = "EWsA", .label = "Współczynnik amortyzacji", .width = 5, .f3 = 71},
    {.number = 68,
     .code = "ENa2",
     .label = "Dodatkowy opis [F3]",
     .width = 40,
     .f3 = 68,
     .pick = "Y"},
    {.number = 71, .code = "eMie", .label = "Miejsce użytkowania", .width = 60, .pick = "m"},
    // Selection and register-maintenance fields.
    {.number = 85, .code = "MieJ", .label = "Dla miejsca użytkowania", .width = 20, .pick = "m"},
    {.number = 86,
     .code = "TN_N",
     .label = "Sortowanie bazy i zmian datami",
     .width = 1,
     .pick = "T",
     .pattern = P::Text,
     .patternText = "T",
     .completion = U::YesNo},
    {.number = 87, .code = "WzoN", .label = "Zakładanie wzorca", .width = 8, .pick = ".WZO"},
    {.number = 88, .code = "WzoA", .label = "1", .width = 15, .pick = "s"},
    {.number = 89,
     .code = "BaAr",
     .label = "Nazwa archiwum",
     .width = 8,
     .pick = ".PST",
     .def = D::ArchiveOfToday,
     .check = C::NewArchive,
     .letterCase = L::UpperOnChange,
     .completion = U::FileName},
    {.number = 90,
     .code = "BaZg",
     .label = "Zgodne zapisać do",
     .width = 8,
     .def = D::Text,
     .defText = "SrZgod",
     .check = C::NewBase,
     .completion = U::FileName},
    {.number = 91,
     .code = "BaPo",
     .label = "Pozostałe zapisać do",
     .width = 8,
     .def = D::Text,
     .defText = "SrPozos",
     .check = C::NewBase,
     .completion = U::FileName},
    {.number = 92,
     .code = "Opis",
     .label = "Opis (wierszy 1, 2,... 9, 0)",
     .width = 1,
     .def = D::Text,
     .defText = "1",
     .check = C::Digit,
     .pattern = P::Text,
     .patternText = "9",
     .completion = U::ClampDigit},
    {.number = 93,
     .code = "SGRa",
     .label = "Która ramka SG-01",
     .width = 1,
     .def = D::Text,
     .defText = "3",
     .check = C::OneToThree,
     .pattern = P::Text,
     .patternText = "1",
     .completion = U::ClampOneToThree},
    {.number = 94,
     .code = "TZGr",
     .label = "Dokładność (T/Z/G)",
     .width = 1,
     .pick = "E",
     .def = D::Text,
     .defText = "T",
     .check = C::LetterTZG,
     .pattern = P::Text,
     .patternText = "Z",
     .letterCase = L::UpperOnChange,
     .completion = U::FirstLetterTZG},
    {.number = 98,
     .code = "Zlik",
     .label = "Pokazywać na raportach środki zlikwidowane",
     .width = 1,
     .pick = "x",
     .letterCase = L::Keep,
     .completion = U::YesNo},
    {.number = 99,
     .code = "AmBP",
     .label = "Pokazywać amortyzację Podatkową / Bilansową",
     .width = 1,
     .pick = "y",
     .letterCase = L::Keep,
     .completion = U::FirstLetterBP},
    {.number = 100,
     .code = "LABC",
     .label = "sAmo PK, Bez PK, Całe ( A.B.C )",
     .width = 1,
     .pick = "b"},
    {.number = 102, .code = "GrOd", .label = "Grupa zaczyna się od znaku", .width = 2},
    {.number = 103, .code = "GrZn", .label = "i ma ich", .width = 2},
    {.number = 104,
     .code = "OsoW",
     .label = "Osoby odpowiedzialne",
     .width = 20,
     .f3 = 74,
     .pick = "o"},
    {.number = 105,
     .code = "MieW",
     .label = "Miejsca użytkowania",
     .width = 20,
     .f3 = 75,
     .pick = "m"},
    {.number = 106, .code = "KRSW", .label = "Wybrane KŚT", .width = 8, .f3 = 76},
    {.number = 107, .code = "MPKW", .label = "Wybrane MPK", .width = 16, .f3 = 77},
    // Dictionary editors.
    {.number = 111, .code = "HKSE", .label = "Podaj symbol KŚT", .width = 16, .pick = "q"},
    {.number = 112, .code = "HKSX", .label = "Nowy symbol", .width = 16, .pick = "q"},
    {.number = 113, .code = "HKSS", .label = "Ustawowa stawka amortyzacji", .width = 5},
    {.number = 114, .code = "HKSO", .label = "Nazwa", .width = 70},
    {.number = 115, .code = "LiPo", .label = "", .width = 0},
    {.number = 116, .code = "HMUS", .label = "", .width = 20, .pick = "m"},
    {.number = 117, .code = "HMUO", .label = "", .width = 50},
    {.number = 118, .code = "HOOS", .label = "", .width = 20, .pick = "o"},
    {.number = 119, .code = "HOOO", .label = "", .width = 50},
    {.number = 120, .code = "HKoS", .label = "", .width = 20, .pick = "k"},
    {.number = 121, .code = "HKoO", .label = "", .width = 50},
    {.number = 123, .code = "NaIm", .label = "Zaimportować bazę danych", .width = 8},
    {.number = 124, .code = "GrST", .label = "Grupa środków", .width = 15},
    {.number = 125, .code = "GrNo", .label = "Ma mieć początek", .width = 15},
    {.number = 126, .code = "RCyf", .label = "Liczba cyfr końcówki (1-9)", .width = 1},
    {.number = 127, .code = "RBeg", .label = "Zaczynając od numeru", .width = 8},
    {.number = 128, .code = "REnd", .label = "Kończąc na numerze", .width = 8},
    // Settings pages.
    {.number = 181, .code = "Dla", .label = "Dla", .width = 30, .letterCase = L::Keep},
    {.number = 182, .code = "Pod1", .label = "Głębokość podsumowań", .width = 2},
    {.number = 183, .code = "Pod3", .label = "Długość grupy syntetycznej", .width = 2},
    {.number = 184, .code = "Pod7", .label = "Długość grupy analitycznej", .width = 2},
    {.number = 185,
     .code = "AEGM",
     .label = "Plan amortyzacji (E,G,M)",
     .width = 1,
     .pick = "e",
     .check = C::LetterEGM,
     .pattern = P::Text,
     .patternText = "E",
     .completion = U::FirstLetterEGM},
    {.number = 186,
     .code = "PTLT",
     .label = "PT są jak LT (holding)",
     .width = 1,
     .def = D::SummaryDepths,
     .pattern = P::SummaryDepths,
     .letterCase = L::Keep,
     .completion = U::YesNo},
    {.number = 187,
     .code = "PoKS",
     .label = "Długość grupy sumowanej",
     .width = 2,
     .def = D::SummaryDepths,
     .pattern = P::Text,
     .patternText = "1",
     .completion = U::AtMost16},
    {.number = 188,
     .code = "PoOO",
     .label = "Długość grupy sumowanej",
     .width = 2,
     .def = D::SummaryDepths,
     .pattern = P::SummaryDepths,
     .completion = U::AtMost20},
    {.number = 189,
     .code = "PoMU",
     .label = "Długość grupy sumowanej",
     .width = 2,
     .def = D::SummaryDepths,
     .pattern = P::SummaryDepths,
     .completion = U::AtMost20},
    {.number = 190,
     .code = "PoKo",
     .label = "Długość grupy sumowanej",
     .width = 2,
     .def = D::SummaryDepths,
     .pattern = P::Text,
     .patternText = "3",
     .completion = U::AtMost20},
    {.number = 191,
     .code = "FLog",
     .label = "  Nazwa pliku z LOGO",
     .width = 40,
     .pick = "L",
     .letterCase = L::Keep},
    {.number = 192, .code = "FNaz", .label = "Nazwa 1", .width = 40, .letterCase = L::Keep},
    {.number = 193, .code = "FNa2", .label = "nazwa 2", .width = 40, .letterCase = L::Keep},
    {.number = 194, .code = "FAdr", .label = "Adres 1", .width = 40, .letterCase = L::Keep},
    {.number = 195, .code = "FAd2", .label = "adres 2", .width = 40, .letterCase = L::Keep},
    {.number = 196, .code = "FDod", .label = "Dodatkowy zapis", .width = 40, .letterCase = L::Keep},
    {.number = 197, .code = "FDo2", .label = "czyli 6 wierszy", .width = 40, .letterCase = L::Keep},
    // Stocktaking sheets, labels and import.
    {.number = 198,
     .code = "WMOS",
     .label = "W/g miejsc, osób, symboli [MOS]",
     .width = 1,
     .pick = "MOS",
     .variant = 243},
    {.number = 199, .code = "PokI", .label = "Czy pokazywać ilości", .width = 1, .pick = "T"},
    {.number = 200, .code = "PokW", .label = "Czy pokazywać wartości", .width = 1, .pick = "T"},
    {.number = 201, .code = "WPAS", .label = "Wydrukuj", .width = 2},
    {.number = 202, .code = "KKKo", .label = "Kolumn", .width = 1},
    {.number = 203, .code = "KKLM", .label = "Lewy m.", .width = 2},
    {.number = 204, .code = "KKOK", .label = "Odstępy", .width = 2},
    {.number = 205, .code = "KKPM", .label = "Prawy m.", .width = 2},
    {.number = 206, .code = "KKWi", .label = "Wierszy", .width = 2},
    {.number = 207, .code = "KKGM", .label = "Górny m.", .width = 2},
    {.number = 208, .code = "KKOW", .label = "Odstępy", .width = 2},
    {.number = 209, .code = "KKDM", .label = "Dolny m.", .width = 2},
    {.number = 210, .code = "KKMX", .label = "Poz.mar.", .width = 2},
    {.number = 211, .code = "KKMY", .label = "Pion.mar.", .width = 2},
    {.number = 212, .code = "KKOd", .label = "Odstępy", .width = 1},
    {.number = 213, .code = "KKPr", .label = "Przerwa", .width = 1},
    {.number = 214, .code = "KKFo", .label = "Numer fontu", .width = 2},
    {.number = 215, .code = "KKF1", .label = "Wielkość czcionki", .width = 2},
    {.number = 216, .code = "KKF2", .label = "", .width = 2},
    {.number = 217, .code = "KKF3", .label = "", .width = 2},
    {.number = 218, .code = "KK11", .label = "1 wiersz zawiera", .width = 1, .pick = "n"},
    {.number = 219, .code = "KK12", .label = "", .width = 2, .pick = "n"},
    {.number = 220, .code = "KK21", .label = "2 wiersz zawiera", .width = 2, .pick = "n"},
    {.number = 221, .code = "KK22", .label = "", .width = 1, .pick = "n"},
    {.number = 222, .code = "KK31", .label = "3 wiersz zawiera", .width = 1, .pick = "n"},
    {.number = 223, .code = "KK32", .label = "", .width = 2, .pick = "n"},
    {.number = 224, .code = "KKSr", .label = "Wybrane indeksy", .width = 15, .pick = "s"},
    {.number = 225, .code = "KKNa", .label = "...", .width = 2},
    {.number = 226, .code = "IXLP", .label = "Wybierz wersję importu", .width = 15, .pick = "i"},
    {.number = 227,
     .code = "IXLZ",
     .label = "Ze zbioru XLS",
     .width = 25,
     .pick = ".XLS",
     .variant = 143},
    {.number = 228, .code = "IDBP", .label = "Wybierz program", .width = 25, .pick = "j"},
};

// The display fields of the asset edit form: filled by the asset editor,
// never typed into.
struct DisplayRow {
  const char* code;
  const char* label;
  int width;
};
const DisplayRow kDisplayRows[] = {
    {"eNaD", "Analiza planu na dzień", 9},
    {"eDos", "", 30},
    {"eZak", "", 30},
    {"eDOT", "", 30},
    {"eOdR", "", 30},
    {"eBru", "", 30},
    {"eUmo", "", 30},
    {"eOpK", "", 30},
    {"eZwi", "OT-ki", 70},
    {"eZmn", "", 30},
    {"eOso", "Osoba odpowiedzialna", 60},
    {"eKon", "Konto środka, umorzeń, kosztów", 60},
    {"eSty", "01", 9},
    {"eLut", "02", 9},
    {"eMar", "03", 9},
    {"eKwi", "04", 9},
    {"eMaj", "05", 9},
    {"eCze", "06", 9},
    {"eLip", "07", 9},
    {"eSie", "08", 9},
    {"eWrz", "09", 9},
    {"ePaz", "10", 9},
    {"eLis", "11", 9},
    {"eGru", "12", 9},
};

// The fields `OznaczAqua` marks: those of the edit form and the asset
// selection that have an F3 window of their own.
bool markedByAqua(std::string_view code) {
  for (const char* c : {"SroW", "SroE", "ENaz", "EDaZ", "EDaO", "EKST", "ENa2"})
    if (code == c) return true;
  return false;
}

struct FieldIndex {
  std::vector<FieldInfo> all;
  std::map<int, std::size_t> byNumber;
  std::map<std::string, std::size_t, std::less<>> byCode;
};

const FieldIndex& fieldIndex() {
  static const FieldIndex index = [] {
    FieldIndex x;
    for (const Row& r : kRows) {
      FieldInfo f;
      f.number = r.number;
      f.code = r.code;
      f.label = text::fromUtf8(r.label);
      f.width = r.width;
      f.f3Window = r.f3;
      f.pickList = r.pick;
      f.pickVariant = r.variant;
      f.defaultRule = r.def;
      f.defaultText = r.defText;
      f.check = r.check;
      f.patternRule = r.pattern;
      f.patternText = r.patternText;
      f.letterCase = r.letterCase;
      f.completion = r.completion;
      f.markedF3 = markedByAqua(f.code);
      f.summaryDepth = f.number >= 186 && f.number <= 190;
      x.all.push_back(std::move(f));
    }
    for (const DisplayRow& r : kDisplayRows) {
      FieldInfo f;
      f.code = r.code;
      f.label = text::fromUtf8(r.label);
      f.width = r.width;
      f.display = true;
      x.all.push_back(std::move(f));
    }
    for (std::size_t i = 0; i < x.all.size(); ++i) {
      if (x.all[i].number != 0) x.byNumber[x.all[i].number] = i;
      x.byCode[x.all[i].code] = i;
    }
    return x;
  }();
  return index;
}

}  // namespace

const std::vector<FieldInfo>& fields() {
  return fieldIndex().all;
}

const FieldInfo* findField(int number) {
  const FieldIndex& x = fieldIndex();
  auto it = x.byNumber.find(number);
  return it == x.byNumber.end() ? nullptr : &x.all[it->second];
}

const FieldInfo* findField(std::string_view code) {
  const FieldIndex& x = fieldIndex();
  auto it = x.byCode.find(code);
  return it == x.byCode.end() ? nullptr : &x.all[it->second];
}

}  // namespace zefir::operations
