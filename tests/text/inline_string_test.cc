// The in-place text of the asset record's fields.
#include "text/inline_string.h"

#include <string>

#include <gtest/gtest.h>

namespace zefir::text {
namespace {

TEST(InlineString, ALongerValueIsCutAtTheCapacityAndAssignSaysSo) {
  InlineString<5> s;
  EXPECT_TRUE(s.empty());
  EXPECT_TRUE(s.assign("abcde"));
  EXPECT_EQ(s, "abcde");
  EXPECT_FALSE(s.assign("abcdefgh"));
  EXPECT_EQ(s, "abcde");
  s = std::string("0123456789");
  EXPECT_EQ(s.size(), 5u);
  EXPECT_EQ(s.view(), "01234");
  s = "ab";
  s += "cdefg";
  EXPECT_EQ(s, "abcde");
  s += "x";
  EXPECT_EQ(s, "abcde");
  EXPECT_TRUE(InlineString<5>::fits("abcde"));
  EXPECT_FALSE(InlineString<5>::fits("abcdef"));
  const InlineString<3> cut(std::string_view("\xA5\xA5\xA5\xA5"));
  EXPECT_EQ(cut.str(), "\xA5\xA5\xA5");
}

// Only the characters in use count: what a longer value left behind in the
// buffer never makes two equal texts differ.
TEST(InlineString, EqualityAndOrderAreByteWiseOverTheCharactersInUse) {
  InlineString<15> a, b;
  a = "ABCDEFGHIJ";
  a = "AB";
  b = "AB";
  EXPECT_EQ(a, b);
  EXPECT_EQ(a, std::string("AB"));
  EXPECT_EQ(std::string("AB"), a);
  EXPECT_NE(a, "AB1");
  b = "AB1";
  EXPECT_LT(a, b);                       // a prefix sorts first
  b = "\xA5Z";                           // Ą in code page 1250: above the ASCII letters
  EXPECT_LT(InlineString<15>("ZZ"), b);  // bytes compare unsigned
  EXPECT_LT(InlineString<15>(""), a);
  InlineString<15> copy = a;
  EXPECT_EQ(copy, a);
  a.clear();
  EXPECT_TRUE(a.empty());
  EXPECT_EQ(copy, "AB");
}

}  // namespace
}  // namespace zefir::text
