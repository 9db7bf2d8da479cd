// The parameter set as a dictionary editor: the classification entry's
// fields (option 55) and the grids of places, persons and accounts (56, 57,
// 58), whose 11 rows are a window over the dictionary's 999 slots.
#include <QLabel>
#include <QLineEdit>

#include "dialogs/parameter_set_dialog.h"
#include "operations/dictionary_editing.h"
#include "output/gui/qt_text.h"
#include "shell/base_loading.h"

namespace zefir::gui {

using output::cpText;
using output::qtText;

namespace {

constexpr int kClassificationOption = 55;

bool gridOption(const operations::OptionInfo* option, operations::DictionaryKind* kind) {
  return option && operations::dictionaryOfOption(option->number, kind);
}

}  // namespace

void TFZestaw::loadEditor() {
  acceptedSymbol_.clear();
  operations::DictionaryKind kind;
  if (!gridOption(option_, &kind)) return;
  operations::dictionaryGrid().load(operations::dictionaryIn(shell::desktopRegister(), kind), kind);
  fillGrid();
}

void TFZestaw::fillGrid() {
  const operations::DictionaryGrid& grid = operations::dictionaryGrid();
  // The row numbers are the slots the rows show (`LiPo`).
  int row = 0;
  for (QLabel* l : findChildren<QLabel*>("LiPo", Qt::FindDirectChildrenOnly)) {
    if (l->isHidden()) continue;  // of a layout being taken down
    l->setText(QString::number(grid.slotOfRow(++row)));
    l->adjustSize();
  }
  const std::string key = operations::dictionaryKeyCode(grid.kind());
  int keyRow = 0, descriptionRow = 0;
  for (Input& in : inputs_) {
    if (in.placement.code == key)
      in.edit->setText(qtText(grid.slot(grid.slotOfRow(++keyRow)).key));
    else if (in.placement.code == operations::dictionaryDescriptionCode(grid.kind()))
      in.edit->setText(qtText(grid.slot(grid.slotOfRow(++descriptionRow)).description));
  }
}

void TFZestaw::storeGridWindow() {
  operations::DictionaryGrid& grid = operations::dictionaryGrid();
  std::vector<std::string> keys, descriptions;
  for (const Input& in : inputs_) {
    if (in.placement.code == operations::dictionaryKeyCode(grid.kind()))
      keys.push_back(cpText(in.edit->text()));
    else if (in.placement.code == operations::dictionaryDescriptionCode(grid.kind()))
      descriptions.push_back(cpText(in.edit->text()));
  }
  grid.setWindow(keys, descriptions);
}

bool TFZestaw::editorKey(int index, int key) {
  const int step = key == Qt::Key_Up         ? -1
                   : key == Qt::Key_Down     ? 1
                   : key == Qt::Key_PageUp   ? -10
                   : key == Qt::Key_PageDown ? 10
                                             : 0;
  if (step == 0 || !option_) return false;
  if (option_->number == kClassificationOption) {
    if (index != 0) return false;
    // Paging through the classification table in its symbol field.
    const std::string symbol = operations::classificationStep(
        shell::desktopRegister().classification, cpText(inputs_[0].edit->text()), step);
    inputs_[0].edit->setText(qtText(symbol));
    if (leaveField(0)) enterField(0);
    return true;
  }
  operations::DictionaryKind kind;
  if (!gridOption(option_, &kind) || (key != Qt::Key_Up && key != Qt::Key_Down)) return false;
  // A row holds the key and the description cell: Up and Down keep the
  // column; past the first or the last row the window scrolls (`DokumZrol`).
  const int rowFields = 2;
  const int target = index + step * rowFields;
  if (!leaveField(index)) return true;
  if (target >= 0 && target < fieldCount()) {
    enterField(target);
    return true;
  }
  storeGridWindow();
  if (operations::dictionaryGrid().scroll(step)) fillGrid();
  enterField(index);
  return true;
}

void TFZestaw::editorAccepted(int index) {
  if (!option_ || option_->number != kClassificationOption || index != 0 || fieldCount() < 4)
    return;
  // `HKSE` accepted with another symbol: the entry's rate and name fill their
  // fields, the new symbol starts empty. Accepted again unchanged (Go checks
  // every field), the edits stay.
  const std::string symbol = cpText(inputs_[0].edit->text());
  if (symbol == acceptedSymbol_) return;
  acceptedSymbol_ = symbol;
  const ClassificationEntry e =
      operations::classificationEntryFor(shell::desktopRegister().classification, symbol);
  inputs_[1].edit->clear();
  inputs_[2].edit->setText(qtText(operations::classificationRateText(e.rate)));
  inputs_[3].edit->setText(qtText(e.name));
}

void TFZestaw::editorAfterRun(const operations::FieldValues& values) {
  operations::DictionaryKind kind;
  if (gridOption(option_, &kind)) {
    fillGrid();  // the written dictionary, without gaps
    return;
  }
  if (!option_ || option_->number != kClassificationOption || fieldCount() < 1) return;
  // Back to the symbol field with the edited symbol, accepted again.
  const std::string& renamed = values.text("HKSX");
  inputs_[0].edit->setText(qtText(renamed.empty() ? values.text("HKSE") : renamed));
  acceptedSymbol_.clear();
  if (leaveField(0)) enterField(0);
}

}  // namespace zefir::gui
