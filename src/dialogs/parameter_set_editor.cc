// The asset edit form of option 11 in the parameter set: its fields are
// filled from the program's edit form (operations/asset_editor) and write
// into it when accepted; the paging keys in the symbol field step through
// the register; going back to the symbol drops the unsaved edits.
#include <QKeyEvent>

#include "dialogs/parameter_set_dialog.h"
#include "operations/asset_editor.h"
#include "output/gui/qt_text.h"
#include "shell/base_loading.h"
#include "shell/desktop_settings.h"
#include "shell/listing_settings.h"
#include "shell/settings_pages.h"

namespace zefir::gui {

using output::cpText;
using output::qtText;

bool TFZestaw::editForm() const {
  return option_ && option_->operation == operations::OperationKind::AssetEditing;
}

void TFZestaw::loadEditForm() {
  operations::AssetEditor& editor = operations::assetEditor();
  editor.setToday(today_);
  editor.setBasis(shell::listingSettingsFrom(shell::desktopRegisters().base).basis);
  QLineEdit* symbol = field(QStringLiteral("SroE"));
  editor.load(shell::desktopRegister(), symbol ? cpText(symbol->text()) : std::string());
  fillEditForm();
}

void TFZestaw::fillEditForm() {
  // The display fields follow the edited asset (the card may have changed it).
  operations::AssetEditor& editor = operations::assetEditor();
  editor.refresh(shell::desktopRegister());
  for (Input& in : inputs_) {
    in.edit->setText(qtText(editor.text(in.placement.code)));
    in.previous = in.edit->text();
  }
  for (const auto& [code, edit] : displays_) edit->setText(qtText(editor.text(code)));
}

bool TFZestaw::storeEditField(int index, const std::string& text) {
  using Stored = operations::AssetEditor::Stored;
  Input& in = inputs_[index];
  const Stored stored =
      operations::assetEditor().store(shell::desktopRegister(), in.placement.code, text);
  if (stored == Stored::Reloaded) fillEditForm();
  if (stored != Stored::Refused) return true;
  // A display field the user could type into: what was typed is not kept.
  showStatus(operations::AssetEditor::refusedText(in.placement.code), StatusKind::Error);
  in.edit->setText(qtText(operations::assetEditor().text(in.placement.code)));
  in.previous = in.edit->text();
  return false;
}

bool TFZestaw::pagingKey(int index, int key) {
  if (!editForm() || inputs_[index].placement.code != "SroE") return false;
  int step = 0;
  switch (key) {
    case Qt::Key_PageUp:
      step = operations::kPageUpStep;
      break;
    case Qt::Key_PageDown:
      step = operations::kPageDownStep;
      break;
    case Qt::Key_Up:
      step = operations::kLineUpStep;
      break;
    case Qt::Key_Down:
      step = operations::kLineDownStep;
      break;
    default:
      return false;
  }
  QLineEdit* e = inputs_[index].edit;
  const auto symbol =
      operations::AssetEditor::pagedSymbol(shell::desktopRegister(), cpText(e->text()), step);
  if (!symbol) return true;  // no register to page through
  e->setText(qtText(*symbol));
  if (leaveField(index)) e->selectAll();  // accepted: that asset is loaded
  return true;
}

void TFZestaw::dropUnsavedEdits() {
  operations::assetEditor().setToday(today_);
  operations::assetEditor().reload(shell::desktopRegister());
  fillEditForm();
}

void TFZestaw::afterEditFormSave(const Status& saved) {
  // Saved: the form shows the asset as the register now holds it. Refused or
  // cancelled: the edits stay, also when the focus goes back to the symbol.
  if (saved.ok()) {
    dropUnsavedEdits();
    // A copy or rename made another asset the current one: it is the one
    // remembered, and the selection fields' pattern.
    operations::FieldValues current;
    current.set("SroE", operations::assetEditor().currentSymbol());
    const Status stored = shell::storeSettingFields(current, slot_, shell::desktopRegisters(),
                                                    shell::shellState(), carried_);
    if (!stored.ok()) showStatus(stored.message(), StatusKind::Error);
  }
  keepEdits_ = true;
}

}  // namespace zefir::gui
