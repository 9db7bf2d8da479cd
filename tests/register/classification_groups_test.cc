#include "register/classification_groups.h"

#include <gtest/gtest.h>

#include "text/codepage.h"

namespace zefir {
namespace {

std::string twoBlanks(const char* utf8) {
  return "  " + text::fromUtf8(utf8);
}

TEST(GroupName, BuiltInNamesByKey) {
  AssetRegister reg;
  EXPECT_EQ(groupName(reg, "7"), twoBlanks("ŚRODKI TRANSPORTU"));
  EXPECT_EQ(groupName(reg, "0"), twoBlanks("GRUNTY"));
  EXPECT_EQ(groupName(reg, "K"), twoBlanks("będzie w/g KŚT"));
  EXPECT_EQ(groupName(reg, "020"), twoBlanks("Wart. Niem. i Prawne"));
  EXPECT_EQ(groupName(reg, "013"), twoBlanks("będzie w/g KŚT"));
  EXPECT_EQ(groupName(reg, "491"), twoBlanks("- - -"));
  EXPECT_EQ(groupName(reg, "49"), twoBlanks("- - -"));
  EXPECT_EQ(groupName(reg, "X"), twoBlanks("- - -"));
}

TEST(GroupName, RecordWithTheKeyNamesTheGroupAndPositionStays) {
  AssetRegister reg;
  for (const char* s : {"7", "A100"}) {
    ASSERT_FALSE(reg.exists(s));
    ASSERT_TRUE(reg.insertAtCurrent().ok());
    reg.currentRecord().Symb = s;
    reg.currentRecord().Nazw = std::string("Pojazdy ") + s;
  }
  reg.find("A100");
  const int position = reg.current();
  EXPECT_EQ(groupName(reg, "7"), "  Pojazdy 7");
  EXPECT_EQ(reg.current(), position);
  EXPECT_EQ(groupName(reg, "8"), twoBlanks("NARZĘDZIA, PRZYRZĄDY, RUCHOMOŚCI i..."));
}

}  // namespace
}  // namespace zefir
