#include "shell/gui/zefir_main_windows.h"

#include "output/gui/report_window.h"
#include "shell/gui/stand_in_window.h"

namespace zefir::gui {

namespace {

QWidget* standIn(TFPulpit* desktop, const char* name, const char* caption, int slot,
                 bool showsOptions = false) {
  auto* w = new StandInWindow(desktop, QString::fromLatin1(name), QString::fromUtf8(caption), slot,
                              showsOptions);
  desktop->addWindow(w);
  return w;
}

// The report window of slot 7: the report buffer shows it when a report
// ends, and its Esc or "Zamknij" hides it and brings the menu back.
output::TFRaport* reportWindow(TFPulpit* desktop) {
  auto* w = new output::TFRaport(output::reportBuffer());
  desktop->addWindow(w);
  QObject::connect(w, &output::TFRaport::showRequested, desktop,
                   [desktop, w] { desktop->showWindow(7, w); });
  QObject::connect(w, &output::TFRaport::closeRequested, desktop,
                   [desktop, w] { desktop->hideWindow(7, w, true); });
  return w;
}

}  // namespace

DesktopWindows::DesktopWindows(const QString& firstArgument)
    : desktop(std::make_unique<TFPulpit>(firstArgument)) {
  TFPulpit* d = desktop.get();
  answer = new TFOdpowi(d);
  d->setAnswerDialog(answer);
  pickList = standIn(d, "TFLisF45", "Lista wyboru", 6);
  report = reportWindow(d);
  viewer = standIn(d, "TFViewer", "Przeglądarka dokumentów", 8);
  webPage = standIn(d, "TFWebPage", "Strona internetowa", 0);
  f3 = standIn(d, "TFOknaF3", "Okno F3", 66);
  parameterSet = standIn(d, "TFZestaw", "Zestaw parametrów", 4, true);
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
