#include "operations/output_choices.h"

#include <gtest/gtest.h>

#include "operations/option_catalogue.h"

namespace zefir::operations {
namespace {

std::string codes(const std::vector<OutputChoice>& list) {
  std::string s;
  for (const OutputChoice& c : list) s += c.code + " ";
  return s;
}

TEST(OutputChoices, KindsPickTheirEntriesInOrderAndAnEditingOptionOnlySaves) {
  EXPECT_EQ(codes(outputChoices(kOutputCopies | kOutputOriginal)),
            "p e ee eee eeee o ok okl oklm k kl klm ");
  EXPECT_EQ(codes(outputChoices(kOutputCopies)), "p e ee eee eeee ");
  EXPECT_EQ(codes(outputChoices(31)).size(), codes(outputChoices(15)).size() + 2);
  EXPECT_LE(outputChoices(31).size(), 18u);
  EXPECT_EQ(codes(outputChoices(0)), "e ");
  EXPECT_EQ(outputChoices(0)[0].text, "Zapis");
}

TEST(OutputChoices, RememberedPositionOutsideTheListFallsBackToTheFirst) {
  EXPECT_EQ(rememberedChoice(3, 5), 2);
  EXPECT_EQ(rememberedChoice(0, 5), 0);
  EXPECT_EQ(rememberedChoice(6, 5), 0);
  EXPECT_EQ(outputChoiceKey("20"), "Zes-20");
}

}  // namespace
}  // namespace zefir::operations
