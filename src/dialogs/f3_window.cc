#include "dialogs/f3_window.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/pick_list_window.h"
#include "operations/catalogue_hooks.h"
#include "output/gui/qt_text.h"
#include "platform/file_system.h"
#include "platform/status_line.h"
#include "register/change_entry.h"
#include "shell/shell_state.h"
#include "shell/window_requests.h"
#include "text/codepage.h"
#include "text/short_strings.h"

namespace zefir::gui {

namespace {

using output::cpText;
using output::qtText;
using output::u;

constexpr int kCellMargin = 3;
constexpr const char* kTitlePrefix = "F3:  ";

}  // namespace

TFOknaF3::TFOknaF3(QWidget* parent) : QWidget(parent), today_(platform::localClock().day) {
  setObjectName("TFOknaF3");
  QFont f(u("Tahoma"));
  f.setPixelSize(13);
  f.setBold(true);
  setFont(f);
  lab_ = new QLabel(this);
  lab_->setObjectName("Lab");
  ent_ = new QPushButton(u("Ent"), this);
  tab_ = new QPushButton(u("Tab"), this);
  go_ = new QPushButton(u("Go"), this);
  esc_ = new QPushButton(u("Esc"), this);
  for (QPushButton* b : {ent_, tab_, go_, esc_}) b->setFocusPolicy(Qt::NoFocus);
  pst_ = new QLabel(this);
  pst_->setObjectName("pSt");
  paf_ = new QLabel(u("Klik  F4  lista\nPrawy  F5  szukaj"), this);
  paf_->setObjectName("PaF");
  body_ = new QWidget(this);
  grid_ = new QGridLayout(body_);
  grid_->setHorizontalSpacing(6);
  grid_->setVerticalSpacing(2);
  ed_ = new QLineEdit(body_);
  ed_->setObjectName("ed");
  ed_->setFrame(false);
  ed_->installEventFilter(this);
  paf_->installEventFilter(this);

  auto* bar = new QHBoxLayout;
  for (QWidget* w : {static_cast<QWidget*>(esc_), static_cast<QWidget*>(ent_),
                     static_cast<QWidget*>(tab_), static_cast<QWidget*>(go_)})
    bar->addWidget(w);
  bar->addWidget(paf_);
  auto* all = new QVBoxLayout(this);
  all->addWidget(lab_);
  all->addWidget(body_);
  all->addLayout(bar);
  all->addWidget(pst_);

  connect(ed_, &QLineEdit::textEdited, this, &TFOknaF3::edited);
  connect(ent_, &QPushButton::clicked, this, [this] { moveTo(current_ + 1); });
  connect(tab_, &QPushButton::clicked, this, [this] { moveTo(current_ + 1); });
  connect(go_, &QPushButton::clicked, this, &TFOknaF3::go);
  connect(esc_, &QPushButton::clicked, this, &TFOknaF3::escape);
}

QString TFOknaF3::title() const {
  return lab_->text();
}

QString TFOknaF3::cellText(int index) const {
  return qtText(texts_.at(index));
}

int TFOknaF3::cellIndex(const std::string& code, int row) const {
  for (std::size_t i = 0; i < layout_.cells.size(); ++i)
    if (layout_.cells[i].code == code && layout_.cells[i].row == row) return static_cast<int>(i);
  return -1;
}

void TFOknaF3::clearCells() {
  for (QWidget* w : built_) {
    w->hide();
    w->deleteLater();
  }
  built_.clear();
  cells_.clear();
  texts_.clear();
  current_ = -1;
}

void TFOknaF3::openSection(char letter) {
  clearCells();
  section_ = letter;
  accepted_ = false;
  operations::CardState& state = operations::cardState();
  state.baseFolder = shell::shellState().baseFolder;  // pattern files (`WzoP`)
  layout_ = operations::cardLayout(letter, state);
  texts_ = operations::fillCells(letter, state);
  lab_->setText(qtText(layout_.title));
  setWindowTitle(u(kTitlePrefix) + qtText(layout_.title));
  esc_->setText(u("Anuluj"));
  go_->setText(layout_.works() ? u("Zatwierdzam") : u("Go"));
  go_->setStyleSheet({});
  pst_->clear();
  if (letter == 'H') {
    const auto parsed = parseChangeEntries(state.edited);
    for (int i = kChangeEntries - 1; i >= 0; --i)
      if (!parsed[i].empty()) {
        pst_->setText(qtText(changeEntryDisplayText(parsed[i])));
        break;
      }
  }

  const QFontMetrics fm(font());
  const int zero = fm.horizontalAdvance('0');
  int nextRow = 0;  // the grid's next free line
  for (const std::string& note : layout_.notes) {
    auto* label = new QLabel(qtText(note), body_);
    grid_->addWidget(label, nextRow++, 0, 1, -1);
    built_.push_back(label);
  }
  for (std::size_t c = 0; c < layout_.gridHeader.size(); ++c) {
    auto* h = new QLabel(qtText(layout_.gridHeader[c]), body_);
    grid_->addWidget(h, nextRow, static_cast<int>(c));
    built_.push_back(h);
  }
  if (!layout_.gridHeader.empty()) ++nextRow;
  int gridRow = 0;
  int column = 1;
  int lastRow = -1;
  for (std::size_t i = 0; i < layout_.cells.size(); ++i) {
    const operations::CardCell& c = layout_.cells[i];
    if (c.row == 0 || c.row != lastRow) {
      // A new line: its caption (the row number of a grid row) first.
      gridRow = nextRow++;
      auto* label = new QLabel(qtText(c.caption), body_);
      grid_->addWidget(label, gridRow, 0);
      built_.push_back(label);
      column = 1;
      lastRow = c.row;
    }
    auto* cell = new QLabel(qtText(texts_[i]), body_);
    cell->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    cell->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    cell->setFixedWidth(zero * (c.width + 1) - 2 + 2 * kCellMargin);
    grid_->addWidget(cell, gridRow, column++, Qt::AlignLeft);
    cells_.push_back(cell);
    built_.push_back(cell);
  }
  ed_->setVisible(!cells_.empty());
  grid_->activate();
  if (!cells_.empty()) moveTo(0);
  adjustSize();
}

void TFOknaF3::openFor(int slot, int /*value*/) {
  slot_ = slot;
  fromDesktop_ = true;
  emit showRequested(slot);
  openSection(operations::sectionOfSlot(slot));
  show();
  if (cells_.empty())
    setFocus();  // a section without cells takes Enter, PgDn and Esc itself
  else
    ed_->setFocus();
}

void TFOknaF3::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_PageDown:
      go();
      return;
    case Qt::Key_Escape:
      escape();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void TFOknaF3::placeEdit() {
  if (current_ < 0) return;
  grid_->activate();
  ed_->setGeometry(cells_[current_]->geometry());
  ed_->raise();
}

bool TFOknaF3::leaveCell() {
  if (current_ < 0) return true;
  const operations::CardCell& c = layout_.cells[current_];
  std::string& t = texts_[current_];
  bool ok = true;
  if (c.date) {
    bool error = false;
    t = operations::leaveDateCell(t, today_, &error);
    if (error) {
      status(text::fromUtf8("Błędna postać daty"));
      ok = false;
    }
  } else if (c.code == "ZmCo") {
    t = operations::checkedKind(t);
  }
  cells_[current_]->setText(qtText(t));
  return ok;
}

void TFOknaF3::moveTo(int index) {
  if (cells_.empty()) return;
  leaveCell();
  if (index >= static_cast<int>(cells_.size())) {
    go();
    return;
  }
  current_ = std::clamp(index, 0, static_cast<int>(cells_.size()) - 1);
  ed_->setText(qtText(texts_[current_]));
  placeEdit();
  ed_->selectAll();
}

int TFOknaF3::rowStep(int direction) const {
  // In a grid Up and Down keep the column and change the row.
  if (current_ < 0 || layout_.cells[current_].row == 0) return current_ + direction;
  const int row = layout_.cells[current_].row;
  int column = 0;
  while (current_ - column - 1 >= 0 && layout_.cells[current_ - column - 1].row == row) ++column;
  for (int i = 0; i < cellCount(); ++i)
    if (layout_.cells[i].row == row + direction) return i + column;
  return current_;
}

void TFOknaF3::edited(const QString& typed) {
  if (current_ < 0) return;
  QString t = typed;
  if (t.startsWith(' ')) {
    t.remove(0, 1);
    ed_->setText(t);
  }
  texts_[current_] = cpText(t);
  cells_[current_]->setText(t);
  go_->setStyleSheet("color: black;");
}

void TFOknaF3::completeDate() {
  const int caret = ed_->hasSelectedText() ? ed_->selectionStart() : ed_->cursorPosition();
  const int end = ed_->hasSelectedText() ? ed_->selectionEnd() : caret;
  std::string t = operations::completeFromToday(cpText(ed_->text()), caret, end, today_);
  if (!t.empty() && t.back() == '+') t.pop_back();
  ed_->setText(qtText(t));
  edited(ed_->text());
}

void TFOknaF3::openPickList(bool search) {
  if (current_ < 0 || !pick_) return;
  const operations::CardCell& c = layout_.cells[current_];
  std::string kind;
  if (c.code == "ZmKo") kind = operations::checkedKind(texts_[current_ - 1]);
  const int key = operations::cardPickList(section_, c.code, kind);
  if (key < 0) {
    status(operations::noPickListText());
    return;
  }
  if (fromDesktop_) pick_->useDesktopSources();
  pick_->setTextFile(shell::shellState().baseFolder + operations::textListFile(c.code));
  waitingForList_ = true;
  const std::string amount = texts_[current_];
  connect(
      pick_, &TFLisF45::closeRequested, this,
      [this, key, amount](int, bool chosen) {
        if (!waitingForList_) return;
        waitingForList_ = false;
        if (chosen && current_ >= 0) {
          std::string value = pick_->key();
          if (key == 'A') {
            // The price typed in the invoice's currency, at the rate picked.
            value = operations::amountAtRate(amount, pick_->key());
            if (value.empty()) {
              status(text::fromUtf8("Wpisz kwotę w walucie i wybierz kurs [F4]"));
              value = amount;
            } else {
              status(text::trimmed(amount) + " \xD7 " + pick_->key() + " = " + value);
            }
          }
          ed_->setText(qtText(value));
          edited(ed_->text());
        }
        ed_->setFocus();
      },
      Qt::SingleShotConnection);
  // The rates stand in the file's order, not by amount: the list opens at its top.
  pick_->open(key, key == 'A' ? std::string() : texts_[current_], search);
}

bool TFOknaF3::eventFilter(QObject* watched, QEvent* event) {
  if (watched == paf_ && event->type() == QEvent::MouseButtonRelease) {
    openPickList(static_cast<QMouseEvent*>(event)->button() == Qt::RightButton);
    return true;
  }
  if (watched != ed_ || event->type() != QEvent::KeyPress)
    return QWidget::eventFilter(watched, event);
  auto* k = static_cast<QKeyEvent*>(event);
  const bool keypad = k->modifiers() & Qt::KeypadModifier;
  switch (k->key()) {
    case Qt::Key_Plus:
      if (!keypad) return false;
      completeDate();
      return true;
    case Qt::Key_F6:
    case Qt::Key_F7:
      completeDate();
      return true;
    case Qt::Key_Up:
      moveTo(rowStep(-1));
      return true;
    case Qt::Key_Down:
      moveTo(layout_.cells.empty() || layout_.cells[current_].row == 0 ? current_ + 1 : rowStep(1));
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      moveTo(current_ + 1);
      return true;
    case Qt::Key_PageUp:
      moveTo(0);
      return true;
    case Qt::Key_PageDown:
      go();
      return true;
    case Qt::Key_F4:
      openPickList(false);
      return true;
    case Qt::Key_F5:
      openPickList(true);
      return true;
    case Qt::Key_Escape:
      escape();
      return true;
    default:
      return false;
  }
}

void TFOknaF3::status(const std::string& text) {
  pst_->setText(qtText(text));
  showStatus(text, StatusKind::Error);
}

void TFOknaF3::go() {
  if (!layout_.works()) {
    finish(false);
    return;
  }
  if (!leaveCell()) return;  // the date shows normalised; Go again accepts it
  const Status s = operations::acceptCells(section_, texts_, operations::cardState());
  if (!s.ok()) {
    // Refused: the window stays so the row can be mended.
    status(s.message());
    return;
  }
  finish(true);
}

void TFOknaF3::escape() {
  finish(false);
}

void TFOknaF3::finish(bool accepted) {
  accepted_ = accepted;
  hide();
  emit closeRequested(slot_, accepted);
  if (fromDesktop_) {
    fromDesktop_ = false;
    shell::returnFromF3(shell::shellState().option.slot, accepted);
  }
}

}  // namespace zefir::gui
