#include "shell/window_slots.h"

#include <gtest/gtest.h>

namespace zefir::shell {
namespace {

TEST(WindowSlots, NamesFollowTheSlotTable) {
  EXPECT_EQ(slotName(1), "LHa");
  EXPECT_EQ(slotName(3), "Men");
  EXPECT_EQ(slotName(7), "Rap");
  EXPECT_EQ(slotName(11), "EdiST");
  EXPECT_EQ(slotName(57), "EditOO");
  EXPECT_EQ(slotName(64), "ImpDbf");
  EXPECT_EQ(slotName(67), "EdSTDz");
  EXPECT_EQ(slotName(77), "F3MPKW");
  EXPECT_EQ(slotName(88), "InDok");
  for (int unsaved : {0, 4, 5, 9, 65, 66, 78, 79, 84, 89, 91}) EXPECT_EQ(slotName(unsaved), "");
  EXPECT_EQ(slotOfName("WykaS"), 20);
  EXPECT_EQ(slotOfName(""), -1);
}

TEST(WindowSlots, OptionPagesShareTheDialogsOpenFlagAndF3PagesTheF3Windows) {
  EXPECT_EQ(openFlagSlot(10), 4);
  EXPECT_EQ(openFlagSlot(65), 4);
  EXPECT_EQ(openFlagSlot(66), 5);
  EXPECT_EQ(openFlagSlot(78), 5);
  EXPECT_EQ(openFlagSlot(79), 79);
  EXPECT_EQ(openFlagSlot(3), 3);

  WindowTable t;
  EXPECT_TRUE(t.isOpen(20));
  t.noteShown(20);
  EXPECT_FALSE(t[4].open);
  EXPECT_FALSE(t.isOpen(33));
}

TEST(WindowSlots, HidingRemembersThePositionAndSaysWhenToWriteIt) {
  WindowTable t;
  int left = 3, top = -4;
  EXPECT_TRUE(t.noteHidden(3, left, top));  // top 0 is always written
  EXPECT_EQ(left, 8);
  EXPECT_EQ(top, 0);
  EXPECT_TRUE(t[3].open);

  t[3].top = 50;
  t[3].left = 20;
  left = 20, top = 50;
  EXPECT_FALSE(t.noteHidden(3, left, top));  // unchanged
  left = 30;
  EXPECT_TRUE(t.noteHidden(3, left, top));  // moved
  EXPECT_EQ(t[3].left, 30);

  WindowTable fresh;  // remembered top 0: a window never placed is not saved
  left = 100, top = 100;
  EXPECT_FALSE(fresh.noteHidden(7, left, top));
}

TEST(WindowSlots, PlacingUsesTheAskedPointTheCascadeOrTheSavedPosition) {
  EXPECT_EQ(placeWindow({10, 20}, {40, 40}, 3, false, {}).x, 10);
  Point p = placeWindow({10, 0}, {40, 40}, 0, false, {});
  EXPECT_EQ(p.x, 55);
  EXPECT_EQ(p.y, 25);
  p = placeWindow({10, 0}, {40, 40}, 6, false, {});
  EXPECT_EQ(p.x, 25);
  EXPECT_EQ(p.y, 55);
  p = placeWindow({10, 20}, {40, 40}, 3, true, {300, 200});
  EXPECT_EQ(p.x, 300);
  p = placeWindow({10, 20}, {40, 40}, 3, true, {300, 0});  // a saved top of 0 is ignored
  EXPECT_EQ(p.x, 10);
}

}  // namespace
}  // namespace zefir::shell
