// The pick list as the desktop's window: its sources from the desktop's state
// and the list of the field the parameter set called it for.
#include <QGuiApplication>
#include <QScreen>

#include "dialogs/pick_list_window.h"
#include "operations/asset_card.h"
#include "operations/option_catalogue.h"
#include "shell/base_loading.h"
#include "shell/settings_pages.h"
#include "shell/shell_state.h"
#include "shell/window_requests.h"

namespace zefir::gui {

void TFLisF45::useDesktopSources() {
  const shell::ShellState& s = shell::shellState();
  sources_.reg = &shell::desktopRegister();
  setAssetBase(&shell::desktopJournal(), &shell::desktopRegister());
  sources_.baseFolder = s.baseFolder;
  sources_.programFolder = s.programFolder;
  sources_.rateFile = desktopRateFile();
  // The document lists show the documents of the asset being edited.
  sources_.asset = &operations::cardState().edited;
  const operations::OptionInfo* option = operations::findOption(s.option.slot);
  sources_.documentKind = option ? option->documentKind : std::string();
  const auto screens = QGuiApplication::screens();
  if (!screens.isEmpty()) sources_.screenHeight = screens.front()->geometry().height();
  sources_.secondScreenHeight = screens.size() > 1 ? screens.at(1)->geometry().height() : 0;
}

void TFLisF45::openFor(int /*slot*/, int /*value*/) {
  const shell::PickListCall& call = shell::pickListCall();
  // A catalogue field names its list; a settings page field has it from the page.
  const operations::FieldInfo* field =
      call.fieldKind != 0 ? operations::findField(call.fieldKind) : nullptr;
  const int key = field ? operations::listKeyOf(field->pickList, field->pickVariant)
                        : shell::settingsPickList(call.fieldCode);
  if (key < 0) {
    shell::returnFromPickList(false);
    return;
  }
  useDesktopSources();
  setTextFile(shell::shellState().baseFolder +
              operations::textListFile(field ? std::string_view(field->code) : call.fieldCode));
  fromDesktop_ = true;
  open(key, call.startText, call.search,
       field ? operations::fileListExtension(field->pickList) : std::string());
}

}  // namespace zefir::gui
