// The keys of the pick list: stepping through the rows, typed digits and
// letters, the search round the end, the filter and search edits, and the
// action button's modes.
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "dialogs/pick_list_window.h"
#include "output/gui/qt_text.h"
#include "platform/status_line.h"
#include "text/codepage.h"

namespace zefir::gui {

namespace {

using output::cpText;
using output::u;

constexpr int kPage = 10;

}  // namespace

bool TFLisF45::eventFilter(QObject* watched, QEvent* event) {
  if (watched == newSymbol_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      renameSelected();
      return true;
    }
    if (key == Qt::Key_Escape) {  // leaves the rename, not the list
      endRename();
      lis_->setFocus();
      return true;
    }
    return QWidget::eventFilter(watched, event);
  }
  if (event->type() == QEvent::FocusIn) {
    if (watched == pre_) mode_ = 0;
    if (watched == pos_) enterSearch();
    if (watched == lis_) mode_ = 1;
  }
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Escape) {
    escape();
    return true;
  }
  if (watched == lis_) return listKey(key);
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    mode_ = watched == pre_ ? 0 : 2;
    go();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

bool TFLisF45::listKey(QKeyEvent* event) {
  const int row = lis_->currentRow();
  const int n = lis_->count();
  const bool keypad = event->modifiers() & Qt::KeypadModifier;
  switch (event->key()) {
    case Qt::Key_PageUp:
      select(row - kPage);
      return true;
    case Qt::Key_PageDown:
      select(row + kPage);
      return true;
    case Qt::Key_Home:
      select(0);
      return true;
    case Qt::Key_End:
      select(n - 1);
      return true;
    case Qt::Key_Up:
      select(row - 1);
      return true;
    case Qt::Key_Down:
      select(row + 1);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      accept();
      return true;
    case Qt::Key_F4:
      search_ = "WOLNE";
      searchFrom(true);
      return true;
    case Qt::Key_F5:
      enterSearch();
      return true;
    case Qt::Key_Delete:
      if (!editsAssets()) break;
      deleteSelected();
      return true;
    case Qt::Key_F2:
      if (!editsAssets()) break;
      startRename();
      return true;
    case Qt::Key_Plus:
      searchFrom(true);
      return true;
    case Qt::Key_Minus:
      if (keypad || event->text() == "-") searchFrom(false);
      return true;
    default:
      break;
  }
  const QString typed = event->text();
  if (typed.size() == 1) {
    const char c = typed.at(0).toLatin1();
    const int to = operations::digitMove(c, row, n);
    if (to >= 0) {
      select(to);
      return true;
    }
    const QChar letter = typed.at(0).toUpper();
    if (letter.isLetter()) {
      // A typed letter jumps to the next row beginning with it.
      for (int step = 1; step <= n; ++step) {
        const int i = (row + step) % n;
        if (lis_->item(i)->text().trimmed().startsWith(letter, Qt::CaseInsensitive)) {
          select(i);
          break;
        }
      }
      return true;
    }
  }
  if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) return false;
  showStatus(std::to_string(event->key()), StatusKind::Notice);
  return true;
}

void TFLisF45::enterSearch() {
  // Entering the search edit empties it for a new search text.
  mode_ = 2;
  pos_->clear();
  if (!pos_->hasFocus()) pos_->setFocus();
}

void TFLisF45::applyFilter() {
  const std::string current =
      lis_->currentRow() >= 0 ? list_.rows()[lis_->currentRow()] : std::string();
  rebuild(current);
  lis_->setFocus();
  pre_->setEnabled(false);
  pos_->setEnabled(true);
}

void TFLisF45::searchFrom(bool forward) {
  const int found = list_.find(search_, lis_->currentRow(), forward);
  if (found >= 0) select(found);
}

void TFLisF45::go() {
  if (mode_ == 0) {
    applyFilter();
  } else if (mode_ == 2) {
    search_ = text::upperCase(cpText(pos_->text()));
    searchFrom(true);
    pos_->setText(u(" - w tył   w przód + "));
    lis_->setFocus();
  } else {
    accept();
  }
}

}  // namespace zefir::gui
