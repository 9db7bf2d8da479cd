#include "operations/listing_layouts.h"

namespace zefir::operations {

namespace {

using C = ListingColumnDef;

std::vector<C> plateColumns() {
  return {{'p', 5, "Lp", ""},
          {'l', 15, "Symbol środka", "(inwentarzowy)"},
          {'l', 80, "Nazwa", "(opis)"}};
}

std::vector<C> depreciatedColumns() {
  return {{'p', 5, "Lp", ""},
          {'l', 15, "Symbol środka", "trwałego"},
          {'l', 50, "Nazwa", "(opis)"},
          {'p', 15, "Wartość OT", "(inwentarzowa)"}};
}

std::vector<C> liquidatedColumns() {
  std::vector<C> c = depreciatedColumns();
  c.push_back({'p', 15, "Umorzenie", "dotychczasowe"});
  c.push_back({'c', 5, "Mies.", ""});
  return c;
}

std::vector<C> groupColumns() {
  return {{'l', 60, "Symbol i nazwa", "grupy środków"},
          {'p', 5, "Ilość", ""},
          {'p', 15, "Wartość OT", "(inwentarzowa)"},
          {'p', 15, "Umorzenie", "dotychczasowe"}};
}

std::vector<C> statementColumns() {
  std::vector<C> c = {{'l', 60, "Symbol i nazwa", "grupy środków"}};
  for (auto [h1, h2] : {std::pair{"Wartość", "pocz.OT"},
                        {"Zwiększenia", "wart.OT"},
                        {"Zmniejszenia", "wart.OT"},
                        {"Wartość", "końcowa OT"},
                        {"Wartość", "pocz.Um"},
                        {"Zwiększenia", "wart.Um"},
                        {"Zmniejszenia", "wart.Um"},
                        {"Wartość", "końcowa Um"},
                        {"Wartość", "końcowa netto"}})
    c.push_back({'p', 15, h1, h2});
  return c;
}

ListingLayout group(ListingKind kind, std::string_view code, std::string_view title,
                    bool nameFilter = false) {
  return {kind, code, title, 1, groupColumns(), true, nameFilter};
}

std::vector<ListingLayout> makeLayouts() {
  using K = ListingKind;
  std::vector<ListingLayout> t;
  t.push_back({K::TST, "TST", "Tabliczka środków trwałych", 3, plateColumns(), false, false});
  t.push_back({K::WST,
               "WST",
               "Wykaz środków trwałych",
               3,
               {{'p', 5, "Lp", ""},
                {'l', 15, "Symbol środka", "(inwentarzowy)"},
                {'l', 40, "Nazwa", "(opis)"},
                {'c', 10, "Data", "OT"},
                {'c', 4, "St*Ws", "[%]"},
                {'l', 3, "KŚT", ""},
                {'p', 13, "Wartość OT", "(inwentarzowa)"},
                {'p', 12, "Umorzenie", "narastająco"},
                {'p', 10, "Umorzenie", "miesięczne"}},
               false,
               false});
  t.push_back({K::PWS,
               "PWS",
               "Pełny wykaz środków trwałych",
               3,
               {{'p', 5, "Lp", ""},
                {'l', 15, "Symbol środka", "(inwentarzowy)"},
                {'l', 50, "Nazwa", "(opis)"},
                {'c', 10, "Data OT", "D-d zakupu"},
                {'c', 5, "St*Ws", "KŚT"},
                {'p', 15, "Wartość OT", "Amortyzacja"},
                {'p', 15, "Umorzenie", ""},
                {'l', 10, "opis", ""}},
               false,
               false});
  t.push_back({K::ZZA, "ZZA", "Zrzut zerowych do archiwum", 3, plateColumns(), false, false});
  t.push_back({K::IBS, "IBS", "Import bazy środków trwałych", 3, plateColumns(), false, false});
  t.push_back({K::RGS, "RGS", "Renumeracja grupy środków", 3, plateColumns(), false, false});
  t.push_back({K::KST,
               "KST",
               "Kartoteka środków trwałych",
               3,
               {{'p', 5, "Lp", ""},
                {'l', 15, "Symbol środka", "trwałego"},
                {'l', 50, "Nazwa", "(opis)"},
                {'c', 10, "Data OT", "Dowód zak."},
                {'p', 15, "Wartość", "(inwentarzowa)"},
                {'l', 8, "St.am.", "[ % ]"},
                {'p', 15, "Umorzenie", "dotychczasowe"}},
               false,
               false});
  t.push_back({K::WSTShort,
               "WST",
               "Wykaz środków trwałych - skrót",
               2,
               {{'l', 15, "Symbol środka", "trwałego"},
                {'l', 90, "Nazwa wydłużona", "(oba opisy)"},
                {'l', 50, "Nazwa", "(opis)"},
                {'l', 50, "c.d nazwy", "(dodatkowy opis)"},
                {'l', 50, "Nazwa", "(opis)"},
                {'p', 15, "Wartość OT", "(inwentarzowa)"},
                {'p', 15, "Dotychczasowe", "umorzenie"},
                {'p', 15, "ewentualnie", "ilość"}},
               false,
               true});
  t.push_back({K::SCU, "SCU", "Środki całkowicie umorzone", 3, depreciatedColumns(), false, false});
  t.push_back({K::ZST, "ZST", "Zlikwidowane środki trwałe", 3, liquidatedColumns(), false, false});
  t.push_back({K::NST,
               "NST",
               "Nowoprzyjęte środki trwałe",
               3,
               {{'p', 5, "Lp.", ""},
                {'l', 15, "Symbol środka", "trwałego"},
                {'l', 50, "Nazwa", "(opis)"},
                {'p', 15, "Wartość OT", "(inwentarzowa)"},
                {'p', 15, "Wartość", "umorzenia"},
                {'c', 10, "Data", "OT"}},
               false,
               false});
  t.push_back(group(K::KIW, "KIW", "Kartoteka ilościowo-wartościowa"));
  t.push_back({K::EXC,
               "EXC",
               "Zestawienie środków trwałych",
               1,
               {{'p', 4, "Lp", ""},
                {'c', 1, "Grupa", ""},
                {'l', 40, "Nazwa", ""},
                {'c', 15, "Nr inwentarzowy", ""},
                {'c', 3, "KŚT", ""},
                {'c', 10, "Data OT", ""},
                {'p', 15, "Wartość OT", ""},
                {'p', 15, "Umorzenie", ""},
                {'c', 5, "Stawka", "podat."},
                {'c', 5, "Stawka", "bilan."},
                {'c', 10, "Źródło", "finansowania"},
                {'l', 40, "Krótki opis", "techniczny"}},
               false,
               false});
  t.push_back(group(K::KPA, "KPA", "Księgowanie planu amortyzacji"));
  t.push_back(
      {K::BZZ, "BZZ", "BO, zwiększenia i zmniejszenia", 1, statementColumns(), true, false});
  t.push_back(group(K::PZZ, "PZZ", "BO, zw. i zmn. z pełną listą środków"));
  t.push_back(group(K::AZZ, "AZZ", "BO, zw. i zmn. analitycznie OT/LT/.."));
  t.push_back(group(K::P12, "P12", "Plan amortyzacji 12.miesięczny"));
  t.push_back(group(K::PA, "PA", "Plan amortyzacji"));
  t.push_back(group(K::ZM, "ZM", "Zestawienie miesięczne"));
  t.push_back(group(K::PWN, "PWN", "Przeliczenie wartości netto", true));
  t.push_back(group(K::STG, "STG", "Środki trwałe grupami z opisem", true));
  t.push_back(group(K::ZKS, "ZKS", "Zestawienie kontrolne stawek", true));
  t.push_back({K::RBPValues,
               "RBP",
               "Różnice bilansowo-podatkowe",
               1,
               {{'l', 15, "Symbol środka", "trwałego"},
                {'l', 40, "Nazwa", "(opis)"},
                {'p', 15, "Wartość OT", "środka"},
                {'p', 15, "Umorzenie", "bilansowe"},
                {'p', 15, "Wart.netto", "bilansowa"},
                {'p', 15, "Umorzenie", "podatkowe"},
                {'p', 15, "Wart.netto", "podatkowa"},
                {'p', 15, "Różnica", ""}},
               false,
               false});
  t.push_back({K::RBPDepreciation,
               "RBP",
               "Różnice bilansowo-podatkowe",
               1,
               {{'l', 15, "Symbol środka", "trwałego"},
                {'l', 40, "Nazwa", "(opis)"},
                {'p', 15, "Amortyzacja", "bilansowa"},
                {'p', 5, "Stawka", "amort."},
                {'p', 15, "Amortyzacja", "podatkowa"},
                {'p', 5, "Stawka", "amort."},
                {'p', 15, "Różnica", ""},
                {'p', 15, "Umorzenie", "bilansowe"},
                {'p', 15, "Umorzenie", "podatkowe"},
                {'p', 15, "Różnica", ""}},
               false,
               false});
  t.push_back(group(K::PAm, "PAm", "Planowanie amortyzacji"));
  return t;
}

}  // namespace

const std::vector<ListingLayout>& listingLayouts() {
  static const std::vector<ListingLayout> layouts = makeLayouts();
  return layouts;
}

const ListingLayout& listingLayout(ListingKind kind) {
  return listingLayouts()[static_cast<int>(kind)];
}

}  // namespace zefir::operations
