// How one cell's text is placed, on screen and in print, including the
// marker character 0xFE that a generator puts into a cell to change its
// alignment. Widths are measured by the caller (pixels or characters).
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zefir::output {

enum class CellAlign { Left, Centre, Right };

// The alignment of a column letter: 'l' left, 'c' centred, 'p' 'b' 'd' right
// (anything else left).
CellAlign alignOf(char letter);

struct PlacedText {
  std::string text;
  CellAlign align;
};

// On screen: the first marker is removed and the cell is right-aligned; when a
// second marker follows, the text from it on is not shown and the cell starts
// at the column's left edge.
PlacedText screenCell(std::string_view cell, char letter);
// In print: the first marker is removed and the cell is left-aligned.
PlacedText printCell(std::string_view cell, char letter);

using TextWidth = std::function<int(std::string_view)>;

// Screen fitting: one blank on each side, then the last character dropped
// while the text is wider than `width`.
std::string fitScreenText(std::string_view text, int width, const TextWidth& measure);
// Print fitting: while wider than `width`, a leading blank is dropped, else
// the last character.
std::string fitPrintText(std::string_view text, int width, const TextWidth& measure);

// The x offset of a text of `textWidth` in `width` for an alignment.
int alignedOffset(CellAlign align, int width, int textWidth);

}  // namespace zefir::output
