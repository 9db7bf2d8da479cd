// Window requests between the pick list, the F3 window and the page that
// called them: the caller is remembered, and leaving returns to it through
// the desktop's timer.
#pragma once

#include <string>
#include <string_view>

namespace zefir::shell {

inline constexpr int kPickListSlot = 6;

// What the pick list was called for.
struct PickListCall {
  int callingSlot = 0;
  int fieldKind = 0;      // the catalogue's field number; 0 for a settings field
  std::string fieldCode;  // the field's code ("OkFo")
  std::string startText;  // code page 1250
  int key = 0;            // the function key number that called it (4 or 5)
  bool search = false;    // called with F5
};

const PickListCall& pickListCall();

// What the pick list was left with: the chosen key and description (code
// page 1250); both empty when it was left without a choice.
struct PickListAnswer {
  std::string key;
  std::string description;
};
const PickListAnswer& pickListAnswer();
void setPickListAnswer(PickListAnswer answer);

// Remembers the call and requests the pick list (slot 6).
void callPickList(int callingSlot, int fieldKind, std::string_view startText, int key,
                  std::string_view fieldCode = {});
// Back to the calling page: value 5 when the list was left with a choice, else 4.
void returnFromPickList(bool chosen);
// Back to the current parameter page `pageSlot`: value 3 with a choice, else 2.
void returnFromF3(int pageSlot, bool chosen);

}  // namespace zefir::shell
