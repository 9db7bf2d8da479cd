#include "shell/gui/zefir_main_windows.h"

#include "dialogs/parameter_set_dialog.h"
#include "operations/catalogue_hooks.h"
#include "output/gui/report_window.h"
#include "shell/gui/document_pdf_output.h"
#include "shell/gui/stand_in_window.h"
#include "shell/shell_state.h"
#include "shell/window_slots.h"

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

// The parameter-set dialog: placed under its option's position key (the
// slot's name for the settings pages), hidden with its slot's bookkeeping.
TFZestaw* parameterSetDialog(TFPulpit* desktop, output::TFRaport* report) {
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
  return w;
}

}  // namespace

DesktopWindows::DesktopWindows(const QString& firstArgument)
    : desktop(std::make_unique<TFPulpit>(firstArgument)) {
  TFPulpit* d = desktop.get();
  operations::registerBuiltOperations();
  installDocumentPdfOutput();
  answer = new TFOdpowi(d);
  d->setAnswerDialog(answer);
  pickList = standIn(d, "TFLisF45", "Lista wyboru", 6);
  auto* reportW = reportWindow(d);
  report = reportW;
  viewer = standIn(d, "TFViewer", "Przeglądarka dokumentów", 8);
  webPage = standIn(d, "TFWebPage", "Strona internetowa", 0);
  f3 = standIn(d, "TFOknaF3", "Okno F3", 66);
  parameterSet = parameterSetDialog(d, reportW);
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
