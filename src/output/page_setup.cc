#include "output/page_setup.h"

#include <algorithm>
#include <cmath>

#include "output/report_search.h"

namespace zefir::output {

namespace {

void chooseFont(PageSetUp& p, FontMeasure& font) {
  // The sample measures the average character; the largest size whose row of
  // characters fits the printable width wins.
  p.S = 29;
  while (p.S > 1 && static_cast<long long>(font.sampleWidth(p.S)) * p.totalChars / 50 >= p.PW)
    --p.S;
  p.h = font.textHeight(p.S);
  p.Splus = p.S;
  while (p.Splus < 200 && font.textHeight(p.Splus) <= 1.3 * p.h) ++p.Splus;
}

void fitLines(PageSetUp& p) {
  p.lh = static_cast<int>(std::lround(p.h * 1.1));
  p.R = (p.lh < 1 || p.PH < 301) ? 50 : p.PH / p.lh - 7;
  // A font too tall for the page would leave no rows at all; one row a page
  // keeps printing (and the line fitting below) finite.
  p.R = std::max(p.R, 1);
  p.lh = std::max(p.lh, 1);
  while ((p.R + 7) * p.lh < p.PH) ++p.lh;
  while ((p.R + 7) * p.lh > p.PH && p.lh > 1) --p.lh;
  p.PH = (p.R + 7) * p.lh;
  p.T = p.H - p.PH;
}

}  // namespace

PageSetUp computePageSetUp(int pageWidth, int pageHeight, bool landscape,
                           const ReportBuffer& buffer, FontMeasure& font) {
  PageSetUp p;
  p.landscape = landscape;
  p.W = pageWidth - 2;
  p.H = pageHeight - 2;
  p.thin = std::max(std::min(p.W, p.H) / 2000, 1);
  p.thick = 3 * p.thin;
  if (landscape) {
    p.T = p.H / 15;
    p.Lm = 1;
  } else {
    p.Lm = p.W / 15;
    p.T = 1;
  }
  p.PW = p.W - p.Lm;
  p.PH = p.H - p.T;
  int total = 0;
  for (const ReportColumn& c : buffer.columns()) total += c.width + 2;
  p.totalChars = std::max(total, 100);
  chooseFont(p, font);
  fitLines(p);
  p.ppc = p.PW / p.totalChars;
  p.spare = p.PW - p.ppc * p.totalChars;
  int x = 0;
  const auto& cols = buffer.columns();
  for (std::size_t i = 0; i < cols.size(); ++i) {
    int w = (cols[i].width + 2) * p.ppc;
    if (static_cast<int>(i) + 1 == buffer.stretch()) w += p.spare;
    p.colX.push_back(x);
    p.colW.push_back(w);
    x += w;
  }
  return p;
}

int PrintRange::rowsOn(int page, int R) const {
  int before = (page - 1) * R;
  return std::clamp(rows() - before, 0, R);
}

PrintRange printRange(int from, int to, int rowCount, int rowsPerPage) {
  PrintRange r;
  r.first = std::max(from, 1);
  r.last = std::min(to, rowCount);
  int R = std::max(rowsPerPage, 1);
  // An empty range still prints one page with its frame.
  r.pages = r.rows() > 0 ? (r.rows() + R - 1) / R : 1;
  return r;
}

std::vector<Band> shadedBands(int rowsOnPage, int R) {
  std::vector<Band> bands;
  for (int i = 6; i <= rowsOnPage; i += 10) bands.push_back({i, std::min(i + 4, R)});
  return bands;
}

std::string printJobTitle(std::string_view menuPosition, std::string_view code,
                          std::string_view organisation) {
  std::string name;
  if (!code.empty()) name += "-" + std::string(code);
  if (!organisation.empty()) name += " " + std::string(organisation);
  std::string cleaned;
  static constexpr std::string_view kDropped = " \"%'*/:<>?\\|";
  for (char c : plainForm(name)) {
    if (c == ' ') c = '-';
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 32 || u > 127 || kDropped.find(c) != std::string_view::npos) continue;
    cleaned += c;
  }
  return "Zefir-" + std::string(menuPosition) + cleaned;
}

}  // namespace zefir::output
