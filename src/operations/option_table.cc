// The option table: one row per option. A layout is written as text:
//
//   lines separated by ";", the fields of one line joined with "+",
//   a field by its code, "CODE:label" giving the label of that place
//   (possibly empty), "=text" a label alone.
//
// The layouts that depend on the base (the classification editor, the
// dictionary grids) are written "@KST" and "@MU", "@OO", "@KK" and are built
// in option_layout.cc.
#include <map>

#include "operations/option_catalogue.h"
#include "text/codepage.h"

namespace zefir::operations {

namespace {

using O = OperationKind;

struct Row {
  int number;
  const char* code;
  const char* letters;
  const char* caption;
  int action;
  const char* layout;
  O operation;
  const char* report = "";
};

// The summary depths line of the listings.
#define POD "Pod1+Pod3:+Pod7:"

const Row kRows[] = {
    {10, "ZestA", "a", "", 2, "", O::Nothing},
    {11, "EdiST", "CB", "B - korekta opisu środków trwałych", 1,
     "SroE+eNaD;SroX+=gdy potrzebna jest zmiana symbolu;ENaz+eDos+eSty;EDaZ+eZak+eLut;"
     "EDaO+eDOT+eMar;EMeU+eOdR+eKwi;EKST+eBru+eMaj;EStA+eUmo+eCze;EWsA+eOpK+eLip;eZwi+eSie;"
     "ENa2+eZmn+eWrz;eOso+ePaz;eMie+eLis;eKon+eGru",
     O::AssetEditing},
    {12, "OpiST", "BA", "A - opis środka trwałego", 2, "SroJ;DaDo", O::Report},
    {13, "DruOT", "BB", "B - wydruk dokumentu OT", 2, "SroJ;DokJ", O::Document},
    {14, "DruLT", "BC", "C - wydruk dokumentu LT", 2, "SroJ;DokJ", O::Document},
    {15, "DruPT", "BD", "D - wydruk dokumentu PT", 2, "SroJ;DokJ", O::Document},
    {16, "InfST", "BE", "E - pełny opis środka trwałego", 2, "SroJ;Rok4", O::Report},
    {17, "Tabli", "BF", "F - wydruk tabliczki środków", 2, "MieJ;DaDo", O::Report},
    {18, "Zmian", "CA", "A - zmiana obowiązującego planu", 1, "BazJ", O::Report},
    {19, "Sorto", "CC", "C - sortowanie środków trwałych", 2, "TN_N", O::Report},
    {20, "WykaS", "CD", "D - wykaz środków trwałych", 2, "SroW;DaDo;" POD, O::Report},
    {21, "WykaP", "CE", "E - pełny wykaz środków trwałych", 2, "SroW;DaDo;" POD, O::Report},
    {22, "EdiWZ", "CF", "F - edytor wzorców indeksów", 1,
     "WzoN;WzoA:1;WzoA:2;WzoA:3;WzoA:4;WzoA:5;WzoA:6;WzoA:7;WzoA:8;WzoA:9;WzoA:10", O::Editing},
    {23, "ZrzuZ", "CG", "G - zrzut zerowych do archiwum", 2, "BaAr;DaOd", O::Report},
    {24, "WybST", "CH", "H - wybranie środków z planu", 2, "SroW;BaZg;BaPo", O::Report},
    {25, "Impor", "CI", "I - import bazy środków trwałych", 2, "NaIm", O::Report},
    {26, "Renum", "CJ", "J - renumeracja grupy środków", 2, "GrST;GrNo;RCyf;RBeg;REnd", O::Report},
    {27, "Karto", "DA", "A - kartoteka środków trwałych", 2, "SroW;DaDo;Pod3", O::Report},
    {28, "WykaD", "DB", "B - wykaz środków trwałych - skrót", 2, "SroF;SroW;DaDo;MieW;Pod3;Opis",
     O::Report},
    {29, "CaUmo", "DC", "C - środki całkowicie umorzone", 2, "SroW;DaDo;" POD, O::Report},
    {30, "Zlikw", "DD", "D - zlikwidowane w ostatnim roku", 2, "SroW;DaDo;" POD, O::Report},
    {31, "Nowop", "DE", "E - nowoprzyjęte środki trwałe", 2, "SroW;DaOd+DaDo:do;" POD, O::Report},
    {32, "Ilosc", "DF", "F - kart.ilościowo-wartościowa", 2, "SroW;DaDo;MieW;Pod7", O::Report,
     "KIS"},
    {33, "Stell", "DG", "G - raport naturalny", 2, "SroW;DaDo", O::Report},
    {34, "WgNum", "EA", "A - w/g numerów inwentarzowych", 2, "SroW;DaDo;Pod7;" POD, O::Report},
    {35, "WgKla", "EB", "B - w/g klasyfikacji śr.trwałych", 2, "SroW;DaDo;KRSW;PoKS", O::Report},
    {36, "WgOso", "EC", "C - w/g osoby odpowiedzialnej", 2, "SroW;DaDo;OsoW;PoOO", O::Report,
     "WOO"},
    {37, "WgMie", "ED", "D - w/g miejsca użytkowania", 2, "SroW;DaDo;MieW;PoMU", O::Report},
    {38, "WgMPK", "EE", "E - w/g miejsca powstaw.kosztów", 2, "SroW;DaDo;MPKW;PoKo", O::Report},
    {39, "Ksieg", "FA", "A - księgowanie planu amortyzacji", 2, "SroW;DaDo;" POD ";LABC", O::Report,
     "PA"},
    {40, "BZwZm", "FB", "B - BO, zwiększenia i zmniejszenia", 2, "SroF;SroW;DaOd+DaDo:do;" POD,
     O::Report},
    {41, "BZZPel", "FC", "C - to samo z pełną listą środków", 2, "SroW;DaOd+DaDo:do;" POD,
     O::Report, "PA"},
    {42, "BZZAna", "FD", "D - to samo analitycznie OT/LT/..", 2, "SroW;DaOd+DaDo:do;" POD,
     O::Report, "PA"},
    {43, "Plan12", "FE", "E - plan amortyzacji 12.miesięczny", 2, "SroW;Rok4", O::Report},
    {44, "Zamkn", "FF", "F - zamknięcie okresu", 2, "DaOd:Zamknąć okres przed", O::FocusLast},
    {45, "Kontr", "FG", "G - dokładna kontrola bazy danych", 2, "SroW", O::Report, "PROK"},
    {46, "SG_01", "FH", "H - sprawozdanie GUS SG-01", 2, "Rok4;SroF;SroW;SGRa;TZGr", O::Report},
    {47, "PlanAm", "GA", "A - plan amortyzacji", 2, "SroF;SroW;Rok4;" POD, O::Report, "PA"},
    {48, "Miesie", "GB", "B - zestawienie miesięczne", 2, "SroW;DaDo;" POD ";LABC", O::Report,
     "PA"},
    {49, "WarNet", "GC", "C - przeliczenie wartości netto", 2, "SroW;DaDo;" POD, O::Report, "PWN"},
    {50, "GrOpis", "GD", "D - śr. trwałe grupami z opisem", 2, "SroW;DaDo;" POD, O::Report, "PWN"},
    {51, "Stawki", "GE", "E - zestawienie kontrolne stawek", 2, "SroW;DaDo;" POD, O::Report, "ZKS"},
    {52, "ABiPo", "GF", "F - analityka bilansowo-podatkowa", 2, "SroW;DaDo", O::Report},
    {53, "RBiPo", "GG", "G - różnice bilansowo-podatkowe", 2, "SroW;DaDo", O::Report},
    {54, "PlAm12", "GH", "H - planowanie amortyzacji", 2,
     "SroW;Rok4;=przykład a+=Xxx-xxx-xxx-xxx   podajemy  1  1;"
     "=przykład b+=xxx-xxx-XXX-xxx   podajemy  9  3;GrOd+GrZn",
     O::Report},
    {55, "EditKR", "HA", "A - klasyfikacja ŚT", 1, "@KST", O::Dictionary},
    {56, "EditMU", "HC", "C - miejsca użytkowania", 1, "@MU", O::Dictionary},
    {57, "EditOO", "HB", "B - osoby odpowiedzialne", 1, "@OO", O::Dictionary},
    {58, "EditKK", "HD", "D - konta księgowe", 1, "@KK", O::Dictionary},
    {59, "ZliAm", "IA", "A - zlikwidowane, amortyzacja", 2, "Zlik;AmBP", O::Settings},
    {60, "ArkSpi", "JA", "A - wydruk arkuszy spisowych", 2, "SroW;DaDo;OsoW;MieW;WMOS;PokI;PokW",
     O::Report},
    {61, "ArkPus", "JB", "B - wydruk pustych arkuszy", 2, "WPAS+=pustych arkuszy", O::Report},
    {62, "KodKre", "JC", "C - wydruk kodów kreskowych", 2,
     "KKKo+KKLM+KKOK+KKPM;KKWi+KKGM+KKOW+KKDM;KKMX+KKMY+KKOd+KKPr;KKFo+KKF1+KKF2+KKF3;"
     "KK11+KK12+KK21+KK22;KK31+KK32;KKSr+KKNa+=nalepek",
     O::Report},
    {63, "ImpXls", "KA", "A - import z wybranych baz XLS", 2, "IXLP;IXLZ", O::Import},
    {64, "ImpDbf", "KB", "B - import z wybranych baz DBF", 2, "IDBP", O::Import},
    {78, "ZestZ", "z", "", 2, "", O::Nothing},
    {81, "UsWir", "IB", "B - ustawienia programu Zefir [F9]", 1,
     "Dla;Pod1:Głębokość podsumowań +Pod3:+Pod7:;AEGM;PTLT;PoKS:Głębokość podsumowań w/g KŚT;"
     "PoOO:Głębokość podsumowań w/g osób;PoMU:Głębokość podsumowań w/g miejsc;"
     "PoKo:Głębokość podsumowań w/g kont",
     O::Settings},
    // The shell's own pages: their fields are the dialog's settings pages.
    {82, "UsOki", "IC", "C - ustawienia okienek [F1]", 1, "", O::FocusLast},
    {83, "UsDru", "ID", "D - ustawienia drukarki [F2]", 1, "", O::FocusLast},
    {85, "ZmKat", "IF", "F - zmiana bazy danych [F4]", 1, "", O::FocusLast},
    {86, "ZmBaz", "IG", "G - szukaj bazy danych [F5]", 1, "", O::FocusLast},
    // The password page stores nothing by itself: the change of password is
    // the login's operation and registers itself under this option.
    {87, "ZmHas", "IH", "H - instalacja, zmiana hasła [F6]", 1, "", O::Editing},
    {88, "InDok", "II", "I - dane dla dokumentów Zefir [F7]", 1,
     "FLog;FNaz;FNa2;FAdr;FAd2;FDod;FDo2", O::Settings},
};

#undef POD

struct OptionIndex {
  std::vector<OptionInfo> all;
  std::map<int, std::size_t> byNumber;
  std::map<std::string, std::size_t, std::less<>> byCode;
};

OptionInfo optionOfRow(const Row& r) {
  OptionInfo o;
  o.number = r.number;
  o.code = r.code;
  o.letters = r.letters;
  o.caption = text::fromUtf8(r.caption);
  o.action = r.action;
  o.layoutText = text::fromUtf8(r.layout);
  o.operation = r.operation;
  o.reportCode = r.report;
  // Two options save their position under a key other than their code.
  o.positionKey = r.number == 47 ? "PlanA" : r.number == 63 ? "ImpXLS" : r.code;
  if (r.number >= 13 && r.number <= 15) {
    static const char* const kinds[] = {"OT", "LT", "PT"};
    o.documentKind = kinds[r.number - 13];
    o.printPanel = false;
    o.outputKinds = kOutputCopies | kOutputOriginal;
  } else if (r.operation == O::Report || r.operation == O::Import) {
    o.outputKinds = kOutputCopies;
  }
  // The chosen output is remembered per option; the option number keeps the
  // key unique within its four characters (codes such as WykaS and WykaP
  // share their first four letters).
  o.outputKey = std::to_string(r.number);
  return o;
}

const OptionIndex& optionIndex() {
  static const OptionIndex index = [] {
    OptionIndex x;
    for (const Row& r : kRows) x.all.push_back(optionOfRow(r));
    for (std::size_t i = 0; i < x.all.size(); ++i) {
      x.byNumber[x.all[i].number] = i;
      x.byCode[x.all[i].code] = i;
      x.byCode[x.all[i].positionKey] = i;
    }
    return x;
  }();
  return index;
}

}  // namespace

std::string actionCaption(int action) {
  if (action < 0 || action > 4) return {};
  return text::fromUtf8(kActionCaptionsUtf8[action]);
}

const std::vector<OptionInfo>& options() {
  return optionIndex().all;
}

const OptionInfo* findOption(int number) {
  const OptionIndex& x = optionIndex();
  auto it = x.byNumber.find(number);
  return it == x.byNumber.end() ? nullptr : &x.all[it->second];
}

const OptionInfo* findOption(std::string_view code) {
  const OptionIndex& x = optionIndex();
  auto it = x.byCode.find(code);
  return it == x.byCode.end() ? nullptr : &x.all[it->second];
}

}  // namespace zefir::operations
