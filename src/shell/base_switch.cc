#include "shell/base_switch.h"

#include "operations/field_rules.h"
#include "operations/import_values.h"
#include "operations/listing_options.h"
#include "operations/register_maintenance.h"
#include "platform/workstation_marks.h"
#include "shell/base_loading.h"
#include "shell/shell_state.h"
#include "text/codepage.h"

namespace zefir::shell {

namespace {

Status runSwitch(operations::OperationRun& run) {
  if (!run.report) return Status::Error(text::fromUtf8("Brak bufora raportu"));
  const std::string before = shellState().mainBaseFile();
  if (Status s = switchBaseInForce(run.values.text("BazJ")); !s.ok()) return s;
  const AssetRegister& reg = desktopRegister();
  std::vector<AssetRecord> assets;
  for (int slot = 1; slot < reg.count(); ++slot) assets.push_back(reg.slot(slot));
  const std::vector<std::string> done{text::fromUtf8("Obowiązuje plan ") +
                                          shellState().mainBaseFile() +
                                          text::fromUtf8(" (poprzednio ") + before + ")",
                                      text::fromUtf8("Środków: ") + std::to_string(assets.size())};
  operations::listWhatWasDone(run, operations::ListingKind::TST, std::move(assets), done);
  return Status::Ok();
}

}  // namespace

Status switchBaseInForce(std::string_view typed) {
  ShellState& state = shellState();
  const std::string name = operations::import::trimmed(typed);
  const std::optional<std::string> file =
      name.empty() ? std::nullopt : operations::existingBaseFile(state.baseFolder, name);
  if (!file) {
    const std::string message =
        "Nie ma " + operations::baseFilePath(state.baseFolder, name.empty() ? "?" : name);
    showStatus(message, StatusKind::Error);
    return Status::Error(message);
  }
  // The name as the folder holds it, without ".PST".
  state.baseName = file->substr(0, file->size() - 4);
  operations::listingEnvironment().baseFile = state.mainBaseFile();
  // The workstation table shows the file this workstation now works on.
  (void)workstationMarks().mark('!', state.mainBaseFile());
  loadDesktopBase(desktopJournal().onCaption);
  return Status::Ok();
}

void registerShellOperations() {
  operations::registerOperation("Zmian", runSwitch);
}

}  // namespace zefir::shell
