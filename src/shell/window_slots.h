// The window table: every window and parameter page has a slot 0..91 with
// its remembered position and an open flag (set while the window is hidden).
// Positions are saved in the program register under the slot's name and "LT".
#pragma once

#include <array>
#include <string>

namespace zefir::shell {

inline constexpr int kSlots = 92;

// The slot's name for its position key ("Men", "EdiST", "F3SroW"), or "" for
// the slots whose positions are not saved.
std::string slotName(int slot);
// The slot whose open flag a slot uses: 10..65 share the parameter-set
// dialog's (4), 66..78 the F3 window's (5).
int openFlagSlot(int slot);
// The slot of a name, or -1.
int slotOfName(const std::string& name);

struct WindowPosition {
  int left = 0;
  int top = 0;
  bool open = true;  // set while the window is hidden
};

class WindowTable {
 public:
  WindowTable() { clear(); }
  // Every slot at 0, 0 with its open flag set.
  void clear();
  WindowPosition& operator[](int slot) { return slots_.at(slot); }
  const WindowPosition& operator[](int slot) const { return slots_.at(slot); }

  // Hiding the window of `slot` at left/top: the left is raised to 8 and the
  // top to 0, the position remembered and the open flag set. Returns true when
  // the position key should be written.
  bool noteHidden(int slot, int& left, int& top);
  // Showing clears the open flag.
  void noteShown(int slot) { slots_.at(openFlagSlot(slot)).open = false; }
  bool isOpen(int slot) const { return slots_.at(openFlagSlot(slot)).open; }

 private:
  std::array<WindowPosition, kSlots> slots_;
};

// Placing a window: `left`/`top` when top is above 0, else the cascade point
// moved right and up by 15 - 5 * r (r random 0..6); a saved position (left,
// top, with a top above 0) then wins.
struct Point {
  int x = 0;
  int y = 0;
};
Point placeWindow(Point asked, Point cascade, int random06, bool hasSaved, Point saved);

}  // namespace zefir::shell
