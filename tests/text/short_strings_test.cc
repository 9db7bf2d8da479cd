#include "text/short_strings.h"

#include <gtest/gtest.h>

namespace zefir::text {
namespace {

TEST(ShortStrings, Normalised) {
  EXPECT_EQ(normalised("   Jan    Kowalski  "), "Jan Kowalski");
  EXPECT_EQ(normalised("    "), "");
  EXPECT_EQ(normalised(std::string(79, 'x') + "yz"), std::string(79, 'x') + "y");
}

TEST(ShortStrings, PaddingAndCutting) {
  EXPECT_EQ(blanks(3), "   ");
  EXPECT_EQ(blanks(-1), "");
  EXPECT_EQ(blanks(1000).size(), 250u);
  EXPECT_EQ(repeated('=', 4), "====");
  EXPECT_EQ(fixedWidth("abc", 5), "abc  ");
  EXPECT_EQ(fixedWidth("abcdef", 3), "abc");
  EXPECT_EQ(fixedWidth("abc", 0), "");
  EXPECT_EQ(leftPart("abcdef", 2), "ab");
  EXPECT_EQ(leftPart("abcdef", -2), "abcd");
  EXPECT_EQ(leftPart("abc", -5), "");
  EXPECT_EQ(leftPart("abc", 10), "abc");
  EXPECT_EQ(firstLetter(""), ' ');
  EXPECT_EQ(firstLetter("Xy"), 'X');
  EXPECT_EQ(yesNoLetter(true), 'T');
  EXPECT_EQ(yesNoLetter(false), 'N');
}

TEST(ShortStrings, Translate) {
  bool found = false;
  EXPECT_EQ(translate('b', "abc", "xyz", &found), 'y');
  EXPECT_TRUE(found);
  EXPECT_EQ(translate('q', "abc", "xyz", &found), 'q');
  EXPECT_FALSE(found);
  EXPECT_EQ(translate('c', "abc", "x"), 'c');
}

TEST(Patterns, StarStandsForAnyRest) {
  std::string p = pattern("1*", 15);
  EXPECT_EQ(p, "1" + std::string(14, '?'));
  EXPECT_TRUE(matchesPattern("1", p));
  EXPECT_TRUE(matchesPattern("10", p));
  EXPECT_TRUE(matchesPattern("199999999999999", p));
  EXPECT_FALSE(matchesPattern("20", p));
  EXPECT_FALSE(matchesPattern("", p));
  EXPECT_EQ(pattern("A*B", 100), "A" + std::string(25, '?') + "B");
}

TEST(Patterns, QuestionMarkIsOneCharacterOtherCharactersExact) {
  EXPECT_TRUE(matchesPattern("A1C", "A?C"));
  EXPECT_FALSE(matchesPattern("A1D", "A?C"));
  EXPECT_FALSE(matchesPattern("ABCD", "ABC"));  // longer than the pattern
  EXPECT_FALSE(matchesPattern("AB", "ABC"));
  EXPECT_TRUE(matchesPattern("AB", "AB?"));
}

}  // namespace
}  // namespace zefir::text
