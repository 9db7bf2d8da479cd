#include "shell/gui/zefir_main_windows.h"

#include "dialogs/f3_window.h"
#include "dialogs/parameter_set_dialog.h"
#include "dialogs/pick_list_window.h"
#include "operations/catalogue_hooks.h"
#include "output/gui/report_window.h"
#include "shell/base_switch.h"
#include "shell/desktop_settings.h"
#include "shell/gui/document_output.h"
#include "shell/shell_state.h"
#include "shell/window_slots.h"

namespace zefir::gui {

namespace {

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

// The document viewer of slot 8: the documents' preview opens it; its
// "Zamknij" hides it and brings back the parameter set that ran the option.
output::TFViewer* documentViewer(TFPulpit* desktop) {
  auto* w = new output::TFViewer(shell::desktopRegisters().base);
  desktop->addWindow(w);
  QObject::connect(w, &output::TFViewer::showRequested, desktop,
                   [desktop, w] { desktop->showWindow(8, w); });
  installDocumentOutput(*w);
  return w;
}

void returnToParameterSet(TFPulpit* desktop, output::TFViewer* viewer, QWidget* parameterSet) {
  QObject::connect(viewer, &output::TFViewer::closeRequested, desktop,
                   [desktop, viewer, parameterSet] {
                     const bool back = parameterSet->isVisible();
                     desktop->hideWindow(8, viewer, !back);
                     if (!back) return;
                     parameterSet->parentWidget()->raise();
                     parameterSet->activateWindow();
                     parameterSet->setFocus();
                   });
}

// The parameter-set dialog: placed under its option's position key (the
// slot's name for the settings pages), hidden with its slot's bookkeeping.
TFZestaw* parameterSetDialog(TFPulpit* desktop, output::TFRaport* report,
                             output::TFViewer* viewer) {
  auto* w = new TFZestaw;
  desktop->addWindow(w);
  w->setCarriedSettings(&desktop->carriedSettings());
  QObject::connect(w, &TFZestaw::showRequested, desktop, [desktop, w](int slot) {
    std::string key;
    if (operations::nLeftTopRd(operations::kCatalogueModule, slot, &key) != 0 || key.empty())
      key = shell::slotName(slot);
    const shell::ShellState& s = shell::shellState();
    desktop->placeWindow(key, w, s.nextLeft, s.nextTop);
    desktop->showWindow(slot, w);
  });
  QObject::connect(w, &TFZestaw::closeRequested, desktop,
                   [desktop, w](int slot) { desktop->hideWindow(slot, w, true); });
  QObject::connect(w, &TFZestaw::printerChosen, report, &output::TFRaport::setCurrentPrinter);
  QObject::connect(w, &TFZestaw::printerChosen, viewer, &output::TFViewer::setCurrentPrinter);
  returnToParameterSet(desktop, viewer, w);
  return w;
}

// The pick list: placed under its slot's name; its close hands the answer
// back to the calling page through the window requests.
TFLisF45* pickListWindow(TFPulpit* desktop) {
  auto* w = new TFLisF45;
  desktop->addWindow(w);
  w->setRateRefresh(refreshDesktopRates);
  QObject::connect(w, &TFLisF45::showRequested, desktop, [desktop, w](int slot) {
    const shell::ShellState& s = shell::shellState();
    desktop->placeWindow(shell::slotName(slot), w, s.nextLeft, s.nextTop);
    desktop->showWindow(slot, w);
  });
  QObject::connect(w, &TFLisF45::closeRequested, desktop,
                   [desktop, w](int slot, bool) { desktop->hideWindow(slot, w, false); });
  return w;
}

// The F3 window: placed under its section's slot name; closing it returns to
// the page that opened it through the window requests.
TFOknaF3* f3Window(TFPulpit* desktop, TFLisF45* pickList) {
  auto* w = new TFOknaF3;
  desktop->addWindow(w);
  w->setPickList(pickList);
  QObject::connect(w, &TFOknaF3::showRequested, desktop, [desktop, w](int slot) {
    const shell::ShellState& s = shell::shellState();
    desktop->placeWindow(shell::slotName(slot), w, s.nextLeft, s.nextTop);
    desktop->showWindow(slot, w);
  });
  QObject::connect(w, &TFOknaF3::closeRequested, desktop,
                   [desktop, w](int slot, bool) { desktop->hideWindow(slot, w, false); });
  return w;
}

}  // namespace

DesktopWindows::DesktopWindows(const QString& firstArgument)
    : desktop(std::make_unique<TFPulpit>(firstArgument)) {
  TFPulpit* d = desktop.get();
  operations::registerBuiltOperations();
  shell::registerShellOperations();
  answer = new TFOdpowi(d);
  d->setAnswerDialog(answer);
  auto* pickListW = pickListWindow(d);
  pickList = pickListW;
  auto* reportW = reportWindow(d);
  report = reportW;
  auto* viewerW = documentViewer(d);
  viewer = viewerW;
  webPage = new TFWebPage;
  d->addWindow(webPage);
  f3 = f3Window(d, pickListW);
  parameterSet = parameterSetDialog(d, reportW, viewerW);
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
