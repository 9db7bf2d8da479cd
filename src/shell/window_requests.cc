#include "shell/window_requests.h"

#include <utility>

#include "shell/desktop_services.h"

namespace zefir::shell {

namespace {

PickListCall& lastCall() {
  static PickListCall call;
  return call;
}

PickListAnswer& lastAnswer() {
  static PickListAnswer answer;
  return answer;
}

}  // namespace

const PickListAnswer& pickListAnswer() {
  return lastAnswer();
}

void setPickListAnswer(PickListAnswer answer) {
  lastAnswer() = std::move(answer);
}

const PickListCall& pickListCall() {
  return lastCall();
}

void callPickList(int callingSlot, int fieldKind, std::string_view startText, int key,
                  std::string_view fieldCode) {
  lastAnswer() = {};
  lastCall() = {callingSlot, fieldKind, std::string(fieldCode), std::string(startText),
                key,         key == 5};
  desktopServices().requestWindow(kPickListSlot, 1);
}

void returnFromPickList(bool chosen) {
  desktopServices().requestWindow(lastCall().callingSlot, chosen ? 5 : 4);
}

void returnFromF3(int pageSlot, bool chosen) {
  desktopServices().requestWindow(pageSlot, chosen ? 3 : 2);
}

}  // namespace zefir::shell
