#include "shell/gui/zefir_main_windows.h"

#include "shell/gui/stand_in_window.h"

namespace zefir::gui {

namespace {

QWidget* standIn(TFPulpit* desktop, const char* name, int slot) {
  auto* w = new StandInWindow(desktop, QString::fromLatin1(name), slot);
  desktop->addWindow(w);
  return w;
}

}  // namespace

DesktopWindows::DesktopWindows(const QString& firstArgument)
    : desktop(std::make_unique<TFPulpit>(firstArgument)) {
  TFPulpit* d = desktop.get();
  answer = new TFOdpowi(d);
  d->setAnswerDialog(answer);
  pickList = standIn(d, "TFLisF45", 6);
  report = standIn(d, "TFRaport", 7);
  viewer = standIn(d, "TFViewer", 8);
  webPage = standIn(d, "TFWebPage", 0);
  f3 = standIn(d, "TFOknaF3", 66);
  parameterSet = standIn(d, "TFZestaw", 4);
  menu = new TFMen(d);
  d->addWindow(menu);
  d->setMenuWindow(menu);
  d->setWindow(shell::WindowKind::PickList, pickList);
  d->setWindow(shell::WindowKind::Viewer, viewer);
  d->setWindow(shell::WindowKind::F3, f3);
  d->setWindow(shell::WindowKind::ParameterSet, parameterSet);
}

DesktopWindows::~DesktopWindows() = default;

}  // namespace zefir::gui
