// The desktop's timer: its interval is also its state.
//
//   1000  first tick: the program file's name check         -> 100
//   100   initialisation (settings, windows, marker, base)   -> 1234, or 12
//                                                               when it requested the menu
//   12    a window request was made                          -> 123
//   123   carry out the request once the menu list is enabled -> 1234 (123 while waiting)
//   1234  idle watch                                         -> 1234
//
// A window request at any time sets the interval to 12, so the window opens
// from a fresh tick and never from inside the handler that asked for it.
#pragma once

#include <string>

namespace zefir::shell {

inline constexpr int kTickFirst = 1000;
inline constexpr int kTickInitialise = 100;
inline constexpr int kTickRequestMade = 12;
inline constexpr int kTickRequestDue = 123;
inline constexpr int kTickIdle = 1234;

// What the slot of a request opens.
enum class WindowKind { None, ParameterSet, Menu, PickList, Viewer, F3, NotReady };
WindowKind windowKindOfSlot(int slot);

// The desktop window's side of the timer.
class DesktopHost {
 public:
  virtual ~DesktopHost() = default;
  virtual void everyTick() = 0;  // clock label and close-panel hint
  virtual void checkProgramName() = 0;
  virtual void initialise() = 0;
  virtual bool menuListEnabled() const = 0;
  virtual bool mayOpenOptions() const = 0;  // the rights letter allows options
  virtual void openWindow(WindowKind kind, int slot, int value) = 0;
  virtual void idleWatch() = 0;
};

class DesktopTimer {
 public:
  int interval() const { return interval_; }
  // Remembers the request and makes the next tick come in 12 ms.
  void request(int slot, int value);
  // As request(), but carried out on the next tick (interval 123).
  void requestDue(int slot, int value) {
    request(slot, value);
    interval_ = kTickRequestDue;
  }
  // Runs one tick and returns the next interval.
  int tick(DesktopHost& host);

  bool hasRequest() const { return pending_; }
  int requestSlot() const { return slot_; }
  int requestValue() const { return value_; }
  // A countdown other windows use; decreased by one on every tick.
  int countdown = 0;

 private:
  void carryOut(DesktopHost& host);

  int interval_ = kTickFirst;
  bool pending_ = false;
  int slot_ = 0;
  int value_ = 0;
};

}  // namespace zefir::shell
