// The program's windows, created in this order: the desktop, the answer
// dialog, the pick-list window, the report window, the document viewer, the
// web-page window, the F3 window, the parameter-set dialog and the menu.
#pragma once

#include <QString>
#include <memory>

#include "dialogs/answer_dialog.h"
#include "net/gui/web_page_window.h"
#include "shell/gui/desktop_window.h"
#include "shell/gui/menu_window.h"

namespace zefir::gui {

struct DesktopWindows {
  explicit DesktopWindows(const QString& firstArgument);
  ~DesktopWindows();

  std::unique_ptr<TFPulpit> desktop;
  TFOdpowi* answer = nullptr;
  QWidget* pickList = nullptr;
  QWidget* report = nullptr;
  QWidget* viewer = nullptr;
  TFWebPage* webPage = nullptr;  // hidden; loads a page and keeps its text
  QWidget* f3 = nullptr;
  QWidget* parameterSet = nullptr;
  TFMen* menu = nullptr;
};

}  // namespace zefir::gui
