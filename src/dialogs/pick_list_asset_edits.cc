// Del and Ren of the editable asset list (140): the highlighted asset is
// deleted, or saved under the symbol typed into "Nowy symbol", through the
// journal with the symbol step's questions, and the list is built again.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "dialogs/pick_list_window.h"
#include "operations/symbol_step.h"
#include "output/gui/qt_text.h"
#include "platform/status_line.h"
#include "shell/desktop_services.h"
#include "text/codepage.h"
#include "text/short_strings.h"

namespace zefir::gui {

namespace {

using output::cpText;
using output::qtText;

// The answers of the symbol step's questions, offered again for the
// program's run.
operations::SymbolAnswers& symbolAnswers() {
  static operations::SymbolAnswers answers;
  return answers;
}

char askedLetter(std::string_view question, char defaultAnswer) {
  switch (askYesNo(question, defaultAnswer)) {
    case Answer::Yes:
      return 'T';
    case Answer::No:
      return 'N';
    default:
      return 0;
  }
}

}  // namespace

void TFLisF45::setAssetBase(BaseJournal* journal, AssetRegister* reg) {
  journal_ = journal;
  assets_ = reg;
}

bool TFLisF45::editsAssets() const {
  return listKey_ == operations::kAssetListEditable && journal_ && assets_;
}

std::string TFLisF45::selectedKey() const {
  const int row = lis_->currentRow();
  if (row < 0 || row >= list_.size()) return {};
  return operations::acceptRow(listKey_, list_.rows()[row]).key;
}

void TFLisF45::showAgainAt(const std::string& symbol) {
  sources_.reg = assets_;
  rebuild(symbol);
  lis_->setFocus();
}

void TFLisF45::deleteSelected() {
  if (!editsAssets()) return;
  const std::string symbol = selectedKey();
  std::string outcome;
  const Status s =
      operations::deleteListedAsset(*journal_, *assets_, symbol, askedLetter, &outcome);
  if (!s.ok()) {
    showStatus(s.message(), StatusKind::Error);
  } else {
    showStatus(outcome, StatusKind::Notice);
  }
  showAgainAt(symbol);
}

void TFLisF45::startRename() {
  if (!editsAssets()) return;
  renaming_ = selectedKey();
  if (renaming_.empty()) return;
  newSymbolLabel_->show();
  newSymbol_->show();
  newSymbol_->setText(qtText(renaming_));
  newSymbol_->selectAll();
  newSymbol_->setFocus();
}

void TFLisF45::renameSelected() {
  const std::string from = renaming_;
  const std::string to = text::upperCase(text::trimmed(cpText(newSymbol_->text())));
  endRename();
  std::string outcome;
  const Status s = operations::renameListedAsset(*journal_, *assets_, from, to, symbolAnswers(),
                                                 askedLetter, &outcome);
  if (!s.ok()) {
    showStatus(s.message(), StatusKind::Error);
  } else if (!outcome.empty()) {
    showStatus(outcome, StatusKind::Notice);
  }
  showAgainAt(s.ok() ? to : from);
}

void TFLisF45::endRename() {
  renaming_.clear();
  newSymbol_->clear();
  newSymbol_->hide();
  newSymbolLabel_->hide();
}

}  // namespace zefir::gui
