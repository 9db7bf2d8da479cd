#include "output/report_text.h"

#include <algorithm>

#include "output/report_cells.h"

namespace zefir::output {

namespace {

int charCount(std::string_view s) {
  return static_cast<int>(s.size());
}

// `text` placed in a field of `width` characters.
std::string placed(std::string_view text, CellAlign align, int width) {
  std::string fitted = fitPrintText(text, width, charCount);
  int offset = alignedOffset(align, width, charCount(fitted));
  std::string out(static_cast<std::size_t>(width), ' ');
  out.replace(static_cast<std::size_t>(offset), fitted.size(), fitted);
  return out;
}

void trimRight(std::string& line) {
  while (!line.empty() && line.back() == ' ') line.pop_back();
}

std::string headerLine(const ReportBuffer& buffer, bool first) {
  const auto& cols = buffer.columns();
  std::string line;
  for (std::size_t i = 0; i < cols.size(); ++i) {
    int width = cols[i].width + 2;
    if (first && cols[i].align == 'd') continue;  // under the 'b' before it
    if (first && cols[i].align == 'b' && i + 1 < cols.size()) width += cols[i + 1].width + 2;
    line += placed(first ? cols[i].header1 : cols[i].header2, CellAlign::Centre, width);
  }
  trimRight(line);
  return line;
}

}  // namespace

std::string renderText(const ReportBuffer& buffer, int from, int to) {
  const auto& cols = buffer.columns();
  int width = 0;
  for (const ReportColumn& c : cols) width += c.width + 2;
  std::string out;
  auto line = [&out](std::string text) {
    trimRight(text);
    out += text;
    out += '\n';
  };
  line(placed(buffer.title(), CellAlign::Centre, std::max(width, charCount(buffer.title()))));
  line(placed(buffer.params(), CellAlign::Centre, std::max(width, charCount(buffer.params()))));
  line(std::string(static_cast<std::size_t>(width), '-'));
  line(headerLine(buffer, true));
  line(headerLine(buffer, false));
  line(std::string(static_cast<std::size_t>(width), '-'));
  int last = std::min(to, buffer.rowCount());
  for (int r = std::max(from, 1); r <= last; ++r) {
    if (buffer.isRule(r)) {
      char c = buffer.rule(r);
      line(c == '-' || c == '.' || c == '=' ? std::string(static_cast<std::size_t>(width), c) : "");
      continue;
    }
    std::string text;
    for (std::size_t i = 0; i < cols.size(); ++i) {
      PlacedText cell = printCell(buffer.cell(r, static_cast<int>(i)), cols[i].align);
      // One blank each side, as the printed cell keeps one character's margin.
      text += " " + placed(cell.text, cell.align, cols[i].width) + " ";
    }
    line(text);
  }
  return out;
}

}  // namespace zefir::output
