// The document viewer's copies list, saved choice, settings check and zoom.
#include "output/document_viewer_model.h"

#include <gtest/gtest.h>

namespace zefir::output {
namespace {

std::vector<std::string> codes(int kind) {
  std::vector<std::string> out;
  for (const CopiesEntry& e : copiesEntries(kind)) out.push_back(e.code);
  return out;
}

TEST(ViewerCopies, ListedByKind) {
  EXPECT_EQ(codes(1), (std::vector<std::string>{"e", "ee", "eee", "eeee"}));
  EXPECT_EQ(codes(2).size(), 7u);
  EXPECT_EQ(codes(2).front(), "o");
  EXPECT_EQ(codes(3).size(), 11u);
  EXPECT_TRUE(codes(0).empty());
}

TEST(ViewerCopies, SavedNumberCountsWithinTheListAsShown) {
  EXPECT_STREQ(copiesEntries(2)[savedCopiesIndex(2, "5")].label, "Kopia");
  EXPECT_STREQ(copiesEntries(3)[savedCopiesIndex(3, "5")].label, "Oryginał");
  EXPECT_EQ(savedCopiesIndex(3, ""), 0);
  EXPECT_EQ(savedCopiesIndex(3, "0"), 0);
  EXPECT_EQ(savedCopiesIndex(1, "5"), 0) << "past the four entries of kind 1";
  EXPECT_EQ(savedCopiesIndex(3, "x"), 0);
  EXPECT_EQ(savedCopiesIndex(3, "99999999999999"), 0);
  EXPECT_EQ(viewerKey("OT"), "Vie-OT");
}

TEST(ViewerSettings, EachMissingSettingIsNamedBeforeOpening) {
  ViewerSettings s;
  EXPECT_EQ(missingViewerSetting(s), "DokKod");
  s.documentCode = "OT";
  EXPECT_EQ(missingViewerSetting(s), "KopRodz");
  s.copiesKind = 2;
  EXPECT_EQ(missingViewerSetting(s), "Rozmiar");
  s.extentWidth = 184;
  s.extentHeight = 290;
  EXPECT_EQ(missingViewerSetting(s), "");
}

TEST(ViewerZoom, StopsAtFourAndHasNoUpperLimit) {
  int zoom = kViewerStartZoom;
  for (int i = 0; i < 40; ++i) zoom = zoomedOut(zoom);
  EXPECT_EQ(zoom, 4);
  EXPECT_EQ(zoomedIn(200), 201);
  EXPECT_EQ(picturePixels(184, 30), 184 * 6 + 7);
}

TEST(ViewerZoom, FittedToTheScreenStepByStepButNeverBelowFour) {
  // A4 (210 mm) at 30 is 1267 pixels: the window needs 1298 of a screen 10 wider.
  EXPECT_EQ(fittedZoom(30, 210, 1308), 30);
  EXPECT_EQ(fittedZoom(30, 210, 1307), 29);
  const int z = fittedZoom(30, 210, 800);
  EXPECT_LE(picturePixels(210, z) + 31, 790);
  EXPECT_GT(picturePixels(210, z + 1) + 31, 790);
  EXPECT_EQ(fittedZoom(30, 210, 100), 4);
  EXPECT_EQ(fittedZoom(50, 210, 5000), 50) << "only ever lowered";
}

TEST(ViewerScrolling, OffsetStaysBetweenTheBottomAndTheTop) {
  EXPECT_EQ(clampedOffset(-300, 500, 1800), -300);
  EXPECT_EQ(clampedOffset(120, 500, 1800), 0);
  EXPECT_EQ(clampedOffset(-5000, 500, 1800), -1300);
  EXPECT_EQ(clampedOffset(-10, 500, 400), 0) << "a picture shorter than the panel stays on top";
  EXPECT_EQ(wheelScroll(120, 30), 144);
  EXPECT_EQ(wheelScroll(-120, 5), -24);
}

TEST(ViewerButtons, SpareWidthSharedAndCaptionsDroppedWhenTight) {
  const ViewerButtonRow wide = viewerButtonRow(1000);
  EXPECT_FALSE(wide.compact);
  EXPECT_EQ(wide.copiesList + wide.printerList + 39 + 89 + 4 * 25 + 79 + 39, 1000);
  EXPECT_LE(std::abs(wide.copiesList - wide.printerList), 1);
  const ViewerButtonRow tight = viewerButtonRow(400);
  EXPECT_TRUE(tight.compact);
  EXPECT_EQ(tight.print, 25);
  EXPECT_EQ(tight.close, 25);
  EXPECT_EQ(tight.copiesList + tight.printerList + 39 + 25 + 4 * 25 + 25 + 39, 400);
}

}  // namespace
}  // namespace zefir::output
