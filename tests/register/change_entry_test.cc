#include "register/change_entry.h"

#include <gtest/gtest.h>

#include "text/codepage.h"
#include "text/dates.h"

namespace zefir {
namespace {

using text::fromUtf8;

ChangeEntry parse(std::string_view utf8, int earlierOfKind = 0) {
  return parseChangeEntry(fromUtf8(utf8), earlierOfKind);
}

void expectNoAmount(const ChangeEntry& e) {
  EXPECT_FALSE(e.hasAmount);
  EXPECT_EQ(e.W, kNoAmount);
}

TEST(ChangeEntryStructure, TextWithoutColonAsThirdCharacterIsEmpty) {
  for (const char* text : {"", "OT", "OT150320,FV", "O:150320", "OTT:150320"})
    EXPECT_TRUE(parse(text).empty()) << text;
  EXPECT_FALSE(parse("OT:").empty());
}

TEST(ChangeEntryStructure, FullEntryGivesEveryField) {
  const auto e = parse("ot:150320,fv 12/2020,1500,00zł,2/uwaga", 3);
  EXPECT_EQ(e.D, text::dayFromDate(2020, 3, 15));
  EXPECT_EQ(e.C, "OT");
  EXPECT_EQ(e.K, "FV 12/2020");
  EXPECT_TRUE(e.hasAmount);
  EXPECT_EQ(e.W, 1500.0L);
  EXPECT_EQ(e.J, fromUtf8("zł"));
  EXPECT_EQ(e.Z[0], 2);
  EXPECT_EQ(e.Z[1], 0);
  EXPECT_EQ(e.N, "UWAGA");
}

TEST(ChangeEntryStructure, KeyAndNoteAreUpperCasedPolishLettersIncludedAndCutTo20) {
  EXPECT_EQ(parse("MU:010421,pokój źródło 12 piętro 3").K, fromUtf8("POKÓJ ŹRÓDŁO 12 PIĘT"));
  EXPECT_EQ(parse("MU:,K,,notatka ąę bardzo długa x").N, fromUtf8("NOTATKA ĄĘ BARDZO DŁ"));
}

TEST(ChangeEntryStructure, TextIsCutTo50Characters) {
  // The 50th character is the "5" of "50zł": the amount is 5.
  const auto e = parse("OT:150320," + std::string(38, 'a') + ",50zł");
  EXPECT_EQ(e.K, std::string(20, 'A'));
  EXPECT_EQ(e.W, 5.0L);
}

// An entry is dated exactly when characters 4-9 are a real DDMMYY day
// followed by a comma or by the end of the text.
TEST(ChangeEntryDate, DatedOnlyWhenSixDigitsAreARealDayBeforeTheComma) {
  EXPECT_EQ(parse("UU:010421").D, text::dayFromDate(2021, 4, 1));
  EXPECT_EQ(parse("UU:010421").K, "");
  EXPECT_EQ(parse("WU:311299,X").D, text::dayFromDate(1999, 12, 31));

  const auto feb31 = parse("MU:310220");  // no 31st of February: the digits stay as the key
  EXPECT_EQ(feb31.D, 0);
  EXPECT_EQ(feb31.K, "310220");

  const auto seven = parse("MU:1503201,,POK");  // first comma is the eleventh character
  EXPECT_EQ(seven.D, 0);
  EXPECT_EQ(seven.K, "1503201");

  const auto five = parse("MU:15032,,POK");
  EXPECT_EQ(five.D, 0);
  EXPECT_EQ(five.K, "15032");

  const auto blank = parse("MU:15 320,,POK");
  EXPECT_EQ(blank.D, 0);
  EXPECT_EQ(blank.K, "15 320");
}

TEST(ChangeEntryDate, CommaAfterColonIsTheEmptyDateAndIsConsumed) {
  for (const char* text : {"OT:,FV 1,100zł", "OT:FV 1,100zł"}) {
    const auto e = parse(text);
    EXPECT_EQ(e.D, 0) << text;
    EXPECT_EQ(e.K, "FV 1") << text;
    EXPECT_TRUE(e.hasAmount) << text;
    EXPECT_EQ(e.W, 100.0L) << text;
    EXPECT_EQ(e.N, "") << text;
  }
}

TEST(ChangeEntryDate, DayZeroHasYearAndMonthZero) {
  const auto e = parse("OT:,FV 1,100zł");
  EXPECT_EQ(text::yearOfDay(e.D), 0);
  EXPECT_EQ(text::monthOfDay(e.D), 0);
}

TEST(ChangeEntryAmount, RunsUpToZlAcrossADecimalComma) {
  EXPECT_EQ(parse("OT:150320,FV 1,100,50zł").W, 100.50L);
  const auto spaced = parse("OT:150320,FV 1,1 500,50 zł,UWAGA");
  EXPECT_EQ(spaced.W, 1500.50L);
  EXPECT_EQ(spaced.N, "UWAGA");
  EXPECT_EQ(parse("PK:150320,,-12.5ZŁ").W, -12.5L);
  // A comma before any digit is the end of an empty amount, not a decimal comma.
  const auto empty = parse("LT:150320,DOC,,5zł");
  expectNoAmount(empty);
  EXPECT_EQ(empty.N, fromUtf8("5ZŁ"));
}

TEST(ChangeEntryAmount, WithoutZlEndsAtTheNextComma) {
  const auto e = parse("LT:010120,DOC,100,NOTA");
  EXPECT_EQ(e.D, text::dayFromDate(2020, 1, 1));
  EXPECT_EQ(e.K, "DOC");
  EXPECT_EQ(e.W, 100.0L);
  EXPECT_EQ(e.N, "NOTA");
  // Two commas before "zł" are not one number: the amount ends at the first.
  const auto two = parse("OT:150320,FV,100,50,7zł");
  EXPECT_EQ(two.W, 100.0L);
  EXPECT_EQ(two.N, "50");
}

TEST(ChangeEntryAmount, TextThatIsNotANumberBecomesTheNote) {
  const auto e = parse("LT:010120,DOC,sprzedaż");
  EXPECT_EQ(e.K, "DOC");
  EXPECT_EQ(e.N, fromUtf8("SPRZEDAŻ"));
  expectNoAmount(e);
  expectNoAmount(parse("LT:010120,DOC"));
  expectNoAmount(parse("LT:010120,DOC,"));
}

TEST(ChangeEntryZl, RemovedAfterANumberInAnyLetterCaseOnly) {
  EXPECT_EQ(parse("OT:150320,FV,500zł").W, 500.0L);
  EXPECT_EQ(parse("OT:150320,FV,12,5 ZŁ").W, 12.5L);
  EXPECT_EQ(parse("OT:150320,FV,7 Zł").W, 7.0L);
  // Inside a word "zł" is not the currency.
  const auto word = parse("MU:010421,złota 5");
  EXPECT_EQ(word.K, fromUtf8("ZŁOTA 5"));
  expectNoAmount(word);
  const auto trailingWord = parse("OT:150320,FV,100 złotych");
  expectNoAmount(trailingWord);
  EXPECT_EQ(trailingWord.N, fromUtf8("100 ZŁOTYCH"));
}

// A key written as an amount is the amount written first.
TEST(ChangeEntryKeyAsAmount, ZlNumberInTheKeyIsTheAmount) {
  const auto e = parse("PK:150320,500zł");
  EXPECT_EQ(e.K, "");
  EXPECT_EQ(e.W, 500.0L);
  EXPECT_TRUE(e.hasAmount);
  const auto withNote = parse("OT:150320,1200 zł,FV 3");
  EXPECT_EQ(withNote.K, "");
  EXPECT_EQ(withNote.W, 1200.0L);
  EXPECT_EQ(withNote.N, "FV 3");
}

TEST(ChangeEntryKeyAsAmount, NumberKeyBeforeATextAmountSwaps) {
  const auto e = parse("OT:150320,100,FV 1");
  EXPECT_EQ(e.K, "");
  EXPECT_EQ(e.W, 100.0L);
  EXPECT_EQ(e.N, "FV 1");
}

TEST(ChangeEntryKeyAsAmount, LoneNumberIsTheAmountOfACorrectionOnly) {
  const auto pk = parse("PK:150320,50");
  EXPECT_EQ(pk.K, "");
  EXPECT_EQ(pk.W, 50.0L);
  const auto pa = parse("PA:150320,-20");
  EXPECT_EQ(pa.K, "");
  EXPECT_EQ(pa.W, -20.0L);
  // For other kinds a lone number is a key (a document or place number).
  const auto ot = parse("OT:150320,50");
  EXPECT_EQ(ot.K, "50");
  expectNoAmount(ot);
  const auto mu = parse("MU:010421,12");
  EXPECT_EQ(mu.K, "12");
  expectNoAmount(mu);
}

TEST(ChangeEntryReferences, TakenWithinTheCountOfEarlierEntriesOfTheKind) {
  const auto e = parse("MU:010421,POK 12,,1/2/NOTA", 2);
  EXPECT_EQ(e.Z[0], 1);
  EXPECT_EQ(e.Z[1], 2);
  EXPECT_EQ(e.Z[2], 0);
  EXPECT_EQ(e.N, "NOTA");
  expectNoAmount(e);

  // A reference above the count ends the list and stays in the text.
  const auto above = parse("MU:010421,POK 12,,1/2/NOTA", 1);
  EXPECT_EQ(above.Z[0], 1);
  EXPECT_EQ(above.Z[1], 0);
  EXPECT_EQ(above.N, "2/NOTA");
  EXPECT_EQ(parse("MU:010421,P,,61/", 60).Z[0], 0);
  EXPECT_EQ(parse("MU:010421,P,,61/", 60).N, "61/");
  EXPECT_EQ(parse("MU:010421,P,,0/", 60).Z[0], 0);
  EXPECT_EQ(parse("MU:010421,P,,60/", 60).Z[0], 60);
}

TEST(ChangeEntryReferences, AtMostNineAndACommaBeforeTheNoteIsNotAnEmptyNote) {
  const auto nine = parse("MU:,A,,1/2/3/4/5/6/7/8/9/10/", 20);
  for (int i = 0; i < kChangeReferences; ++i) EXPECT_EQ(nine.Z[i], i + 1);
  EXPECT_EQ(nine.N, "10/");
  const auto comma = parse("OO:010421,KOWALSKI,300zł,1/,PRZEKAZANIE", 1);
  EXPECT_EQ(comma.W, 300.0L);
  EXPECT_EQ(comma.Z[0], 1);
  EXPECT_EQ(comma.N, "PRZEKAZANIE");
}

TEST(ChangeEntryList, ReferencesCountEntriesOfTheSameTwoLetterKind) {
  AssetRecord a;
  a.Z[0] = "MU:010121,A";
  a.Z[1] = "OT:010221,FV,100";
  a.Z[2] = "OZ:010321,FV 2,50";
  a.Z[4] = "mu:010421,B";  // lower case still counts as MU; slot 4 stays free
  a.Z[5] = "MU:010521,C,,2/3/";
  a.Z[6] = "MUX010521,D";  // not an entry: counts for no kind
  a.Z[7] = "MU:010621,E,,3/";
  const auto parsed = parseChangeEntries(a);
  EXPECT_TRUE(parsed[3].empty());
  EXPECT_TRUE(parsed[6].empty());
  // Entry 6 is the third MU: 2 is a reference, 3 is not (it would be if every
  // earlier entry counted).
  EXPECT_EQ(parsed[5].Z[0], 2);
  EXPECT_EQ(parsed[5].Z[1], 0);
  EXPECT_EQ(parsed[5].N, "3/");
  EXPECT_EQ(parsed[7].Z[0], 3);
  EXPECT_EQ(parsed[1].W, 100.0L);
}

TEST(ChangeEntryDisplay, LabelsWithTheMarkAfterEmptyValues) {
  const std::string zl = fromUtf8("zł");
  EXPECT_EQ(changeEntryDisplayText(parse("LT:010120,DOC,100,NOTA")),
            "D=01-01-2020 C=LT Z1=\x9E Z2=\x9E Z3=\x9E K=DOC W=100 J=" + zl + " N=\x9E NOTA ");
  // Undated, no amount: the ten blanks of day 0 shrink to one.
  EXPECT_EQ(changeEntryDisplayText(parse("MU:,POK 7,,2/1/", 2)),
            "D=\x9E C=MU Z1=2 Z2=1 Z3=\x9E K=POK 7 W=\x9E J=" + zl + " N=\x9E ");
  EXPECT_EQ(changeEntryDisplayText(parse("PK:150320,,-12,50zł")),
            "D=15-03-2020 C=PK Z1=\x9E Z2=\x9E Z3=\x9E K=\x9E W=-12.5 J=" + zl + " N=\x9E ");
}

}  // namespace
}  // namespace zefir
