#include "shell/start_mode.h"

#include <gtest/gtest.h>

namespace zefir::shell {
namespace {

TEST(StartMode, WorkstationNumberGivesItsSuffixNetworkAndFullRights) {
  StartMode m = startModeFrom("5", true);  // the login file does not matter
  EXPECT_EQ(m.mode, 5);
  EXPECT_EQ(m.suffix, ".005");
  EXPECT_TRUE(m.network);
  EXPECT_EQ(m.rights, 'A');
  EXPECT_TRUE(m.mayLoadBase());
  EXPECT_EQ(startModeFrom("197", false).suffix, ".197");
  EXPECT_EQ(startModeFrom("012", false).mode, 12);
}

TEST(StartMode, NumbersOutsideOneTo197AreNoWorkstation) {
  for (const char* arg : {"0", "198", "1000", "5x", "-5"}) {
    StartMode m = startModeFrom(arg, false);
    EXPECT_EQ(m.mode, kModeNoLogin) << arg;
    EXPECT_EQ(m.suffix, ".xxx") << arg;
    EXPECT_FALSE(m.network) << arg;
  }
}

TEST(StartMode, WithoutArgumentTheLoginFileDecides) {
  StartMode none = startModeFrom("", false);
  EXPECT_EQ(none.mode, 220);
  EXPECT_EQ(none.suffix, ".xxx");
  EXPECT_TRUE(none.mayLoadBase());
  EXPECT_TRUE(none.mayOpenOptions());

  StartMode login = startModeFrom("", true);
  EXPECT_EQ(login.mode, 222);
  EXPECT_EQ(login.suffix, "");
  EXPECT_FALSE(login.mayLoadBase());
  EXPECT_FALSE(login.mayOpenOptions());  // until a login gives the rights
}

TEST(StartMode, DoubleZeroShowsProgressAndTestStartNeverLoads) {
  StartMode zero = startModeFrom("00", false);
  EXPECT_TRUE(zero.showProgress);
  EXPECT_EQ(zero.mode, 220);
  EXPECT_FALSE(startModeFrom("5", false).showProgress);

  StartMode test = startModeFrom("-o", false);
  EXPECT_EQ(test.mode, kModeTest);
  EXPECT_FALSE(test.mayLoadBase());
}

TEST(StartMode, SuffixIsTheLastThreeDigitsOfThousandPlusNumber) {
  EXPECT_EQ(workstationSuffix(1), ".001");
  EXPECT_EQ(workstationSuffix(99), ".099");
  EXPECT_EQ(workstationSuffix(197), ".197");
}

}  // namespace
}  // namespace zefir::shell
