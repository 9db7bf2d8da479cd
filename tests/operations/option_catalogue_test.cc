#include "operations/option_catalogue.h"

#include <gtest/gtest.h>

#include <set>

#include "shell/menu_table.h"
#include "text/codepage.h"

namespace zefir::operations {
namespace {

using text::fromUtf8;

std::string inputCodes(const OptionInfo& o) {
  std::string codes;
  for (const FieldPlacement& p : inputFields(optionLayout(o)))
    codes += (codes.empty() ? "" : " ") + p.code;
  return codes;
}

// Every option of the menu with its letters, action caption and the input
// fields in the order the focus visits them.
struct OptionCase {
  int number;
  const char* code;
  const char* letters;
  int action;
  const char* fields;
};

const OptionCase kOptionCases[] = {
    {11, "EdiST", "CB", 1, "SroE SroX ENaz EDaZ EDaO EMeU EKST EStA EWsA ENa2 eMie"},
    {12, "OpiST", "BA", 2, "SroJ DaDo"},
    {13, "DruOT", "BB", 2, "SroJ DokJ"},
    {14, "DruLT", "BC", 2, "SroJ DokJ"},
    {15, "DruPT", "BD", 2, "SroJ DokJ"},
    {16, "InfST", "BE", 2, "SroJ Rok4"},
    {17, "Tabli", "BF", 2, "MieJ DaDo"},
    {18, "Zmian", "CA", 1, "BazJ"},
    {19, "Sorto", "CC", 2, "TN_N"},
    {20, "WykaS", "CD", 2, "SroW DaDo Pod1 Pod3 Pod7"},
    {21, "WykaP", "CE", 2, "SroW DaDo Pod1 Pod3 Pod7"},
    {22, "EdiWZ", "CF", 1, "WzoN WzoA WzoA WzoA WzoA WzoA WzoA WzoA WzoA WzoA WzoA"},
    {23, "ZrzuZ", "CG", 2, "BaAr DaOd"},
    {24, "WybST", "CH", 2, "SroW BaZg BaPo"},
    {25, "Impor", "CI", 2, "NaIm"},
    {26, "Renum", "CJ", 2, "GrST GrNo RCyf RBeg REnd"},
    {27, "Karto", "DA", 2, "SroW DaDo Pod3"},
    {28, "WykaD", "DB", 2, "SroF SroW DaDo MieW Pod3 Opis"},
    {29, "CaUmo", "DC", 2, "SroW DaDo Pod1 Pod3 Pod7"},
    {30, "Zlikw", "DD", 2, "SroW DaDo Pod1 Pod3 Pod7"},
    {31, "Nowop", "DE", 2, "SroW DaOd DaDo Pod1 Pod3 Pod7"},
    {32, "Ilosc", "DF", 2, "SroW DaDo MieW Pod7"},
    {33, "Stell", "DG", 2, "SroW DaDo"},
    {34, "WgNum", "EA", 2, "SroW DaDo Pod7 Pod1 Pod3 Pod7"},
    {35, "WgKla", "EB", 2, "SroW DaDo KRSW PoKS"},
    {36, "WgOso", "EC", 2, "SroW DaDo OsoW PoOO"},
    {37, "WgMie", "ED", 2, "SroW DaDo MieW PoMU"},
    {38, "WgMPK", "EE", 2, "SroW DaDo MPKW PoKo"},
    {39, "Ksieg", "FA", 2, "SroW DaDo Pod1 Pod3 Pod7 LABC"},
    {40, "BZwZm", "FB", 2, "SroF SroW DaOd DaDo Pod1 Pod3 Pod7"},
    {41, "BZZPel", "FC", 2, "SroW DaOd DaDo Pod1 Pod3 Pod7"},
    {42, "BZZAna", "FD", 2, "SroW DaOd DaDo Pod1 Pod3 Pod7"},
    {43, "Plan12", "FE", 2, "SroW Rok4"},
    {44, "Zamkn", "FF", 2, "DaOd"},
    {45, "Kontr", "FG", 2, "SroW"},
    {46, "SG_01", "FH", 2, "Rok4 SroF SroW SGRa TZGr"},
    {47, "PlanAm", "GA", 2, "SroF SroW Rok4 Pod1 Pod3 Pod7"},
    {48, "Miesie", "GB", 2, "SroW DaDo Pod1 Pod3 Pod7 LABC"},
    {49, "WarNet", "GC", 2, "SroW DaDo Pod1 Pod3 Pod7"},
    {50, "GrOpis", "GD", 2, "SroW DaDo Pod1 Pod3 Pod7"},
    {51, "Stawki", "GE", 2, "SroW DaDo Pod1 Pod3 Pod7"},
    {52, "ABiPo", "GF", 2, "SroW DaDo"},
    {53, "RBiPo", "GG", 2, "SroW DaDo"},
    {54, "PlAm12", "GH", 2, "SroW Rok4 GrOd GrZn"},
    {55, "EditKR", "HA", 1, "HKSE HKSX HKSS HKSO"},
    {59, "ZliAm", "IA", 2, "Zlik AmBP"},
    {60, "ArkSpi", "JA", 2, "SroW DaDo OsoW MieW WMOS PokI PokW"},
    {61, "ArkPus", "JB", 2, "WPAS"},
    {62, "KodKre", "JC", 2,
     "KKKo KKLM KKOK KKPM KKWi KKGM KKOW KKDM KKMX KKMY KKOd KKPr KKFo KKF1 KKF2 KKF3 KK11 KK12 "
     "KK21 KK22 KK31 KK32 KKSr KKNa"},
    {63, "ImpXls", "KA", 2, "IXLP IXLZ"},
    {64, "ImpDbf", "KB", 2, "IDBP"},
    {81, "UsWir", "IB", 1, "Dla Pod1 Pod3 Pod7 AEGM PTLT PoKS PoOO PoMU PoKo"},
    {88, "InDok", "II", 1, "FLog FNaz FNa2 FAdr FAd2 FDod FDo2"},
};

TEST(OptionCatalogue, EveryOptionHasItsCodeLettersActionAndFieldsInOrder) {
  for (const OptionCase& c : kOptionCases) {
    SCOPED_TRACE(c.number);
    const OptionInfo* o = findOption(c.number);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->code, c.code);
    EXPECT_EQ(o->letters, c.letters);
    EXPECT_EQ(o->action, c.action);
    EXPECT_EQ(inputCodes(*o), c.fields);
    EXPECT_EQ(findOption(c.code), o);
  }
}

TEST(OptionCatalogue, EveryMenuEntryFindsItsOptionUnderTheSameNumberAndCaption) {
  int found = 0;
  for (char main = 'B'; main <= 'K'; ++main) {
    const auto& items = shell::submenuItems(main);
    for (std::size_t i = 1; i < items.size(); ++i) {
      std::string letters{main, items[i][1]};
      const shell::LetterEntry* e = shell::findLetterEntry(letters);
      if (!e) continue;
      SCOPED_TRACE(letters);
      const OptionInfo* o = findOption(e->slot);
      ASSERT_NE(o, nullptr);
      EXPECT_EQ(o->code, e->code);
      EXPECT_EQ(o->letters, letters);
      EXPECT_EQ(" " + o->caption, items[i]);
      ++found;
    }
  }
  EXPECT_EQ(found, 61);
}

TEST(OptionCatalogue, LayoutsUseOnlyKnownFieldsAtMostFourALine) {
  std::set<int> numbers;
  for (const FieldInfo& f : fields()) {
    if (f.number == 0) continue;
    EXPECT_TRUE(numbers.insert(f.number).second) << "field number used twice: " << f.number;
    EXPECT_EQ(findField(f.number), &f);
    EXPECT_EQ(findField(f.code), &f);
  }
  for (const OptionInfo& o : options()) {
    SCOPED_TRACE(o.code);
    for (const LayoutLine& line : optionLayout(o)) {
      EXPECT_GE(line.size(), 1u);
      EXPECT_LE(line.size(), 4u);
      for (const FieldPlacement& p : line) {
        if (p.code.empty()) continue;
        const FieldInfo* f = findField(p.code);
        ASSERT_NE(f, nullptr) << p.code;
        EXPECT_EQ(p.width, f->width);
      }
    }
  }
}

TEST(OptionCatalogue, PlacesGiveTheLabelsOfTheirLines) {
  auto line = [](int option, std::size_t n) { return optionLayout(*findOption(option)).at(n); };
  // The summary depths share one line under the first field's label.
  LayoutLine depths = line(20, 2);
  ASSERT_EQ(depths.size(), 3u);
  EXPECT_EQ(depths[0].label, fromUtf8("Głębokość podsumowań"));
  EXPECT_EQ(depths[1].label, "");
  EXPECT_EQ(depths[2].label, "");
  // Alone, Pod3 and Pod7 carry their own labels.
  EXPECT_EQ(line(27, 2)[0].label, fromUtf8("Długość grupy syntetycznej"));
  EXPECT_EQ(line(32, 3)[0].label, fromUtf8("Długość grupy analitycznej"));
  EXPECT_EQ(line(31, 1)[1].label, "do");
  EXPECT_EQ(line(44, 0)[0].label, fromUtf8("Zamknąć okres przed"));
  EXPECT_EQ(line(81, 4)[0].label, fromUtf8("Głębokość podsumowań w/g KŚT"));
  EXPECT_EQ(line(36, 3)[0].label, fromUtf8("Długość grupy sumowanej"));
  // A trailing label is a field without a box.
  LayoutLine sheets = line(61, 0);
  ASSERT_EQ(sheets.size(), 2u);
  EXPECT_EQ(sheets[1].label, "pustych arkuszy");
  EXPECT_EQ(sheets[1].width, 0);
  EXPECT_EQ(line(22, 10)[0].label, "10");
}

TEST(OptionCatalogue, AssetFormHasThreeColumnsWithDisplayFields) {
  std::vector<LayoutLine> form = optionLayout(*findOption(11));
  ASSERT_EQ(form.size(), 14u);
  EXPECT_EQ(form[2].size(), 3u);
  EXPECT_EQ(form[2][2].code, "eSty");
  EXPECT_EQ(form[2][2].label, "01");
  EXPECT_TRUE(form[2][2].display);
  EXPECT_FALSE(form[2][0].display);
  EXPECT_EQ(form[13][1].code, "eGru");
  EXPECT_EQ(form[9][0].code, "eZwi");
  EXPECT_EQ(form[9][0].width, 70);
}

TEST(OptionCatalogue, DictionaryLayoutsNameTheirFilesInTheBaseFolder) {
  LayoutContext c{"D:\\Baza", "SETUP\\KST"};
  std::vector<LayoutLine> places = optionLayout(*findOption(56), c);
  ASSERT_EQ(places.size(), 13u);  // title, 11 rows, capacity line
  EXPECT_EQ(places[0][0].label,
            fromUtf8(" Lp      Symbol miejsca   Opis.. [ miejsca użytkowania ze zbioru ") +
                "D:\\Baza\\MiejscaU.MST ]");
  EXPECT_EQ(places[11][0].label, "11");
  EXPECT_EQ(places[11][1].code, "HMUS");
  EXPECT_EQ(places[11][1].kind, kGridCell);
  EXPECT_EQ(places[11][2].width, 50);
  EXPECT_EQ(places[12][0].label, fromUtf8(" Maksymalnie zapisów 999"));
  EXPECT_EQ(optionLayout(*findOption(58), c)[1][1].code, "HKoS");

  std::vector<LayoutLine> kst = optionLayout(*findOption(55), c);
  EXPECT_EQ(kst[0][0].label, fromUtf8("Klasyfikacja ŚT ze zbioru SETUP\\KST.   Podaj symbol KŚT"));
}

TEST(OptionCatalogue, PositionKeysDocumentKindsAndPanels) {
  EXPECT_EQ(findOption(47)->positionKey, "PlanA");
  EXPECT_EQ(findOption(63)->positionKey, "ImpXLS");
  EXPECT_EQ(findOption("PlanA"), findOption(47));
  EXPECT_EQ(findOption(20)->positionKey, "WykaS");
  EXPECT_EQ(findOption(13)->documentKind, "OT");
  EXPECT_EQ(findOption(15)->documentKind, "PT");
  EXPECT_FALSE(findOption(14)->printPanel);
  EXPECT_TRUE(findOption(16)->printPanel);
  EXPECT_FALSE(findOption(10)->hasLayout());
  EXPECT_EQ(actionCaption(1), "Zapisz");
  EXPECT_EQ(actionCaption(4), "Teraz");
  // Report options keep their output choice apart, even with similar codes.
  EXPECT_NE(findOption(20)->outputKey, findOption(21)->outputKey);
  EXPECT_LE(findOption(64)->outputKey.size(), 4u);
}

}  // namespace
}  // namespace zefir::operations
