#include "shell/desktop_timer.h"

#include "platform/status_line.h"
#include "text/codepage.h"

namespace zefir::shell {

WindowKind windowKindOfSlot(int slot) {
  if (slot == 3) return WindowKind::Menu;
  if (slot == 6) return WindowKind::PickList;
  if (slot == 8) return WindowKind::Viewer;
  if ((slot >= 1 && slot <= 2) || (slot >= 4 && slot <= 5) || (slot >= 10 && slot <= 65) ||
      (slot >= 80 && slot <= 90))
    return WindowKind::ParameterSet;
  if (slot >= 66 && slot <= 77) return WindowKind::F3;
  if (slot == 78 || slot == 79 || slot > 90) return WindowKind::NotReady;
  return WindowKind::None;
}

void DesktopTimer::request(int slot, int value) {
  pending_ = true;
  slot_ = slot;
  value_ = value;
  interval_ = kTickRequestMade;
}

int DesktopTimer::tick(DesktopHost& host) {
  if (countdown != 0) --countdown;
  host.everyTick();
  switch (interval_) {
    case kTickFirst:
      interval_ = kTickInitialise;
      host.checkProgramName();
      break;
    case kTickInitialise:
      // Set first: the menu request made during initialisation brings it to 12.
      interval_ = kTickIdle;
      host.initialise();
      break;
    case kTickRequestMade:
      interval_ = kTickRequestDue;
      break;
    case kTickRequestDue:
      if (!host.menuListEnabled()) break;  // the base is loading: wait
      // Set first: a request made by the window that opens now stays pending.
      interval_ = kTickIdle;
      carryOut(host);
      break;
    default:
      interval_ = kTickIdle;
      host.idleWatch();
      break;
  }
  return interval_;
}

void DesktopTimer::carryOut(DesktopHost& host) {
  if (!pending_) return;
  pending_ = false;
  if (!host.mayOpenOptions() && !(slot_ >= 1 && slot_ <= 3)) {
    showStatus(text::fromUtf8("Zaloguj się prawidłowo ponownie"), StatusKind::Error);
    return;
  }
  WindowKind kind = windowKindOfSlot(slot_);
  if (kind == WindowKind::NotReady) {
    showStatus("Funkcja w przygotowaniu", StatusKind::Notice);
    return;
  }
  if (kind != WindowKind::None) host.openWindow(kind, slot_, value_);
}

}  // namespace zefir::shell
