#include "text/codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace zefir::text {
namespace {

std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

// ą ć ę ł ń ó ś ż ź Ą Ć Ę Ł Ń Ó Ś Ż Ź in each code page.
const std::string kWindowsLetters = bytes({0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3, 0x9C, 0xBF, 0x9F,
                                           0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0xAF, 0x8F});
const std::string kMazoviaLetters = bytes({0x86, 0x8D, 0x91, 0x92, 0xA4, 0xA2, 0x9E, 0xA7, 0xA6,
                                           0x8F, 0x95, 0x90, 0x9C, 0xA5, 0xA3, 0x98, 0xA1, 0xA0});

TEST(CodePages, PolishLettersAreTheUnicodeOnes) {
  EXPECT_EQ(toUtf8(kWindowsLetters), "ąćęłńóśżźĄĆĘŁŃÓŚŻŹ");
}

TEST(CodePages, MazoviaRoundTripOfAllLetters) {
  EXPECT_EQ(toWindows(kMazoviaLetters), kWindowsLetters);
  EXPECT_EQ(toMazovia(kWindowsLetters), kMazoviaLetters);
  std::string sentence = fromUtf8("Zażółć gęślą jaźń, ŻÓŁW Ćma");
  EXPECT_EQ(toWindows(toMazovia(sentence)), sentence);
  EXPECT_EQ(toMazovia("Plain ASCII 123"), "Plain ASCII 123");
}

TEST(CodePages, DosExtraCharacters) {
  const std::string dos = bytes({0x84, 0x94, 0x81, 0xE1, 0x8E, 0x99, 0x9A, 0x15});
  const std::string windows = fromUtf8("äöüßÄÖÜ§");
  EXPECT_EQ(toWindows(dos), windows);
  EXPECT_EQ(toMazovia(windows), dos);
  // DOS 0xFA reads as a blank, but a blank is written back as a blank.
  EXPECT_EQ(toWindows(bytes({'a', 0xFA, 'b'})), "a b");
  EXPECT_EQ(toMazovia("a b"), "a b");
}

TEST(CodePages, Dos852WhereMazoviaDoesNotClaimTheByte) {
  // 852 letters on bytes that are no Mazovia letter or DOS extra character.
  EXPECT_EQ(toWindows(bytes({0xA9, 0x88, 0xE4, 0xBE, 0xAB})), fromUtf8("ęłńżź"));
  EXPECT_EQ(toWindows(bytes({0xA8, 0x9D, 0xE3, 0xE0, 0x97, 0xBD})), fromUtf8("ĘŁŃÓŚŻ"));
  // Bytes both tables use read as Mazovia: 0x86 is ą (852: ć), 0xA5 is Ń (852: ą).
  EXPECT_EQ(toWindows(bytes({0x86, 0xA5})), fromUtf8("ąŃ"));
}

TEST(Letters, UpperCase) {
  EXPECT_EQ(upperCase(fromUtf8("ąćęłńóśżź abc xyz")), fromUtf8("ĄĆĘŁŃÓŚŻŹ ABC XYZ"));
  EXPECT_EQ(upperCase(fromUtf8("ĄĆĘ Ab1")), fromUtf8("ĄĆĘ AB1"));
  EXPECT_EQ(upperCase(fromUtf8("ä")), fromUtf8("ä"));  // not a Polish letter
}

TEST(Letters, PlainLettersFromWindowsAndMazovia) {
  EXPECT_EQ(plainLetters(kWindowsLetters), "acelnoszzACELNOSZZ");
  EXPECT_EQ(plainLetters(bytes({0x86, 0x8D, 0x91, 0x92, 0xA4, 0xA2, 0x9E, 0xA7, 0xA6})),
            "acelnoszz");
  // A byte that is a letter in both code pages folds as the 1250 letter (memory holds 1250).
  EXPECT_EQ(plainLetters(bytes({0x9C, 0xA5, 0xA3, 0x8F})), "sALZ");
  EXPECT_EQ(plainLetters("Zwykly tekst"), "Zwykly tekst");
}

TEST(Letters, SearchFormOnlyOnceTheSearchStarted) {
  EXPECT_EQ(searchForm(fromUtf8("Łódź, ul. Źródlana")), "LODZ, UL. ZRODLANA");
  EXPECT_EQ(searchForm(fromUtf8("Łódź"), false), fromUtf8("Łódź"));
}

TEST(Letters, Capitalised) {
  EXPECT_EQ(capitalised("jAN KOWALSKI"), "Jan kowalski");
  EXPECT_EQ(capitalised(fromUtf8("ŁUKASZ")), fromUtf8("Łukasz"));
  EXPECT_EQ(capitalised(""), "");
  EXPECT_EQ(capitalised("1A"), "1a");
}

TEST(Xml, EscapesAndLetters) {
  EXPECT_EQ(xmlText("<&"), "&lt;&amp;");
  EXPECT_EQ(xmlText("a \"b\" > c"), "a &quot;b&quot; &gt; c");
  EXPECT_EQ(xmlText("A&amp;B"), "A&amp;B");  // already escaped
  EXPECT_EQ(xmlText("A&ampB"), "A&amp;ampB");
  EXPECT_EQ(xmlText(fromUtf8("Źródło żółwia")), "Źródło żółwia");
  // Other characters from 127 up are dropped, and so are control characters.
  EXPECT_EQ(xmlText(fromUtf8("Müller §1")), "Mller 1");
  EXPECT_EQ(xmlText(bytes({'a', 0x01, 'b', '\t', 'c', 0x7F})), "ab\tc");
}

}  // namespace
}  // namespace zefir::text
