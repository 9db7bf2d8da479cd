// Reaching an option's parameter set from the desktop's menu, as the user
// does: the desktop started up to the menu, then the menu's letters.
#pragma once

#include <QListWidget>
#include <QTest>
#include <memory>

#include "dialogs/parameter_set_dialog.h"
#include "shell/gui/desktop_window.h"
#include "shell/gui/zefir_main_windows.h"

namespace zefir::gui::testing {

// The desktop on the program folder's base, up to the menu.
inline std::unique_ptr<DesktopWindows> desktopAtMenu() {
  auto w = std::make_unique<DesktopWindows>("1");
  w->desktop->show();
  for (int i = 0; i < 4; ++i) w->desktop->tickNow();
  return w;
}

// The main menu's letter `main` and the submenu's `letter`, then the ticks
// that open the option; fails the test unless option `slot` opened.
inline TFZestaw* chooseOption(DesktopWindows& w, const char* main, const char* letter, int slot) {
  QTest::keyClicks(w.menu->mainList(), QString::fromLatin1(main));
  QTest::keyClicks(w.menu->subList(), QString::fromLatin1(letter));
  w.desktop->tickNow();
  w.desktop->tickNow();
  auto* page = static_cast<TFZestaw*>(w.parameterSet);
  [&] {
    QVERIFY(page->isVisible());
    QCOMPARE(page->slot(), slot);
  }();
  return page;
}

}  // namespace zefir::gui::testing
