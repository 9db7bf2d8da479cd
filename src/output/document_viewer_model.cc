#include "output/document_viewer_model.h"

#include <algorithm>
#include <cmath>

namespace zefir::output {

namespace {

struct ListedEntry {
  CopiesEntry entry;
  bool forCopies;  // listed for kinds 1 and 3, else for 2 and 3
};

const ListedEntry kEntries[] = {
    {{"1 egzemplarz", "e"}, true},
    {{"2 egzemplarze", "ee"}, true},
    {{"3 egzemplarze", "eee"}, true},
    {{"4 egzemplarze", "eeee"}, true},
    {{"Oryginał", "o"}, false},
    {{"Oryginał + kopia", "ok"}, false},
    {{"Oryginał + 2 kopie", "okl"}, false},
    {{"Oryginał + 3 kopie", "oklm"}, false},
    {{"Kopia", "k"}, false},
    {{"2 kopie", "kl"}, false},
    {{"3 kopie", "klm"}, false},
};

}  // namespace

std::vector<CopiesEntry> copiesEntries(int kind) {
  std::vector<CopiesEntry> out;
  for (const ListedEntry& e : kEntries)
    if (kind == 3 || (kind == 1 && e.forCopies) || (kind == 2 && !e.forCopies))
      out.push_back(e.entry);
  return out;
}

int savedCopiesIndex(int kind, std::string_view saved) {
  int n = 0;
  for (char c : saved) {
    if (c < '0' || c > '9' || n > 1000) return 0;
    n = n * 10 + (c - '0');
  }
  const int count = static_cast<int>(copiesEntries(kind).size());
  return n >= 1 && n <= count ? n - 1 : 0;
}

std::string viewerKey(std::string_view documentCode) {
  return "Vie-" + std::string(documentCode);
}

std::string missingViewerSetting(const ViewerSettings& s) {
  if (s.documentCode.empty() || s.documentCode == "x") return "DokKod";
  if (s.copiesKind < 1 || s.copiesKind > 3) return "KopRodz";
  if (s.extentWidth <= 0 || s.extentHeight <= 0) return "Rozmiar";
  return {};
}

int zoomedIn(int zoom) {
  return zoom + 1;
}

int zoomedOut(int zoom) {
  return zoom > kViewerLeastZoom ? zoom - 1 : kViewerLeastZoom;
}

int picturePixels(double extent, int zoom) {
  return static_cast<int>(std::floor(extent * zoom / 5)) + 7;
}

int fittedZoom(int zoom, double extentWidth, int screenWidth) {
  while (zoom > kViewerLeastZoom && picturePixels(extentWidth, zoom) + 31 > screenWidth - 10)
    --zoom;
  return std::max(zoom, kViewerLeastZoom);
}

int clampedOffset(int offset, int panelHeight, int pictureHeight) {
  return std::min(0, std::max(offset, panelHeight - pictureHeight));
}

int wheelScroll(int delta, int zoom) {
  return delta * zoom / 25;
}

ViewerButtonRow viewerButtonRow(int width) {
  ViewerButtonRow row;
  constexpr int kFixed = 39 + 4 * 25 + 39;
  if (width - kFixed - row.print - row.close < 2 * kLeastListWidth) {
    row.compact = true;
    row.print = row.close = 25;
  }
  const int spare = std::max(0, width - kFixed - row.print - row.close);
  row.copiesList = spare / 2;
  row.printerList = spare - row.copiesList;
  return row;
}

}  // namespace zefir::output
