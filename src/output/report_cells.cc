#include "output/report_cells.h"

#include "output/report_buffer.h"

namespace zefir::output {

CellAlign alignOf(char letter) {
  switch (letter) {
    case 'c':
      return CellAlign::Centre;
    case 'p':
    case 'b':
    case 'd':
      return CellAlign::Right;
    default:
      return CellAlign::Left;
  }
}

PlacedText screenCell(std::string_view cell, char letter) {
  std::size_t marker = cell.find(kCellMarker);
  if (marker == std::string_view::npos) return {std::string(cell), alignOf(letter)};
  std::string text(cell.substr(0, marker));
  std::string_view rest = cell.substr(marker + 1);
  std::size_t second = rest.find(kCellMarker);
  if (second == std::string_view::npos) return {text + std::string(rest), CellAlign::Right};
  return {text + std::string(rest.substr(0, second)), CellAlign::Left};
}

PlacedText printCell(std::string_view cell, char letter) {
  std::size_t marker = cell.find(kCellMarker);
  if (marker == std::string_view::npos) return {std::string(cell), alignOf(letter)};
  std::string text(cell);
  text.erase(marker, 1);
  return {text, CellAlign::Left};
}

std::string fitScreenText(std::string_view text, int width, const TextWidth& measure) {
  std::string out = " " + std::string(text) + " ";
  while (!out.empty() && measure(out) > width) out.pop_back();
  return out;
}

std::string fitPrintText(std::string_view text, int width, const TextWidth& measure) {
  std::string out(text);
  while (!out.empty() && measure(out) > width) {
    if (out.front() == ' ')
      out.erase(0, 1);
    else
      out.pop_back();
  }
  return out;
}

int alignedOffset(CellAlign align, int width, int textWidth) {
  switch (align) {
    case CellAlign::Left:
      return 0;
    case CellAlign::Centre:
      return (width - textWidth) / 2;
    case CellAlign::Right:
      return width - textWidth;
  }
  return 0;
}

}  // namespace zefir::output
