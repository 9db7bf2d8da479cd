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

}  // namespace
}  // namespace zefir::output
