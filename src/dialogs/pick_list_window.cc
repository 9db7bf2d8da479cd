#include "dialogs/pick_list_window.h"

#include <QCalendarWidget>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

#include "output/gui/qt_text.h"
#include "register/asset_record.h"
#include "shell/window_requests.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::gui {

namespace {

using output::cpText;
using output::qtText;
using output::u;

}  // namespace

TFLisF45::TFLisF45(QWidget* parent) : QWidget(parent) {
  setObjectName("TFLisF45");
  QFont fixed(u("Courier New"));
  fixed.setStyleHint(QFont::Monospace);
  kind_ = new QLabel(this);
  nl_ = new QLabel(this);
  nl_->setObjectName("NL");
  nl_->setFont(fixed);
  lis_ = new QListWidget(this);
  lis_->setObjectName("Lis");
  lis_->setFont(fixed);
  lis_->setUniformItemSizes(true);
  lis_->setStyleSheet("QListWidget { background: silver; }");
  pre_ = new QLineEdit(this);
  pre_->setObjectName("PreE");
  pre_->setPlaceholderText(u(" wpisz i Enter"));
  pos_ = new QLineEdit(this);
  pos_->setObjectName("PosE");
  pos_->setPlaceholderText(u(" wpisz i Enter"));
  go_ = new QPushButton(u("Go"), this);
  esc_ = new QPushButton(u("Esc"), this);
  ren_ = new QPushButton(u("Ren"), this);
  del_ = new QPushButton(u("Del"), this);
  for (QPushButton* b : {go_, esc_, ren_, del_}) b->setFocusPolicy(Qt::NoFocus);
  mc_ = new QCalendarWidget(this);
  mc_->setObjectName("MC");
  mc_->setDateRange(QDate(1900, 1, 1), QDate(2099, 12, 31));
  logo_ = new QLabel(this);
  czeka_ = new QLabel(u("Proszę czekać, tworzę listę podpowiedzi."), this);
  czeka_->setObjectName("Czeka");
  czeka_->hide();
  newSymbolLabel_ = new QLabel(u("Nowy symbol"), this);
  newSymbol_ = new QLineEdit(this);
  newSymbol_->setObjectName("NowyE");
  newSymbol_->setMaxLength(kSymbMax);
  newSymbolLabel_->hide();
  newSymbol_->hide();

  auto* grid = new QGridLayout(this);
  grid->addWidget(kind_, 0, 0, 1, 4);
  grid->addWidget(new QLabel(u("Filtr listy"), this), 1, 0);
  grid->addWidget(pre_, 1, 1);
  grid->addWidget(new QLabel(u("Szukaj"), this), 1, 2);
  grid->addWidget(pos_, 1, 3);
  grid->addWidget(nl_, 2, 0, 1, 4);
  grid->addWidget(lis_, 3, 0, 1, 4);
  grid->addWidget(mc_, 3, 4);
  grid->addWidget(logo_, 3, 5);
  grid->addWidget(czeka_, 4, 0, 1, 4);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {go_, esc_, ren_, del_}) buttons->addWidget(b);
  grid->addLayout(buttons, 5, 0, 1, 4);
  grid->addWidget(newSymbolLabel_, 6, 0);
  grid->addWidget(newSymbol_, 6, 1, 1, 3);

  lis_->installEventFilter(this);
  pre_->installEventFilter(this);
  pos_->installEventFilter(this);
  newSymbol_->installEventFilter(this);
  connect(go_, &QPushButton::clicked, this, &TFLisF45::go);
  connect(esc_, &QPushButton::clicked, this, &TFLisF45::escape);
  connect(del_, &QPushButton::clicked, this, &TFLisF45::deleteSelected);
  connect(ren_, &QPushButton::clicked, this, &TFLisF45::startRename);
  connect(lis_, &QListWidget::currentRowChanged, this, [this](int) { followSelection(); });
  connect(lis_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
  connect(mc_, &QCalendarWidget::clicked, this, [this](const QDate& d) {
    const long day = operations::calendarDayNumber(d.year(), d.month(), d.day());
    const int row = list_.rowAtOrAfter(std::to_string(day));
    if (row >= 0 && row < lis_->count()) {
      const QSignalBlocker block(lis_);
      lis_->setCurrentRow(row);
    }
  });
  connect(mc_, &QCalendarWidget::activated, this, [this] { acceptCalendar(true); });
}

int TFLisF45::currentRow() const {
  return lis_->currentRow();
}

void TFLisF45::open(int listKey, const std::string& currentText, bool search,
                    const std::string& extension) {
  listKey_ = listKey;
  extension_ = extension;
  search_.clear();
  chosen_ = false;
  key_.clear();
  description_.clear();
  pre_->clear();
  pre_->setEnabled(true);
  pos_->clear();
  pos_->setEnabled(true);
  endRename();
  if (listKey == 'A' && rateRefresh_) {
    czeka_->show();
    const std::string refreshed = rateRefresh_();
    if (!refreshed.empty()) sources_.rateFile = refreshed;
  }
  rebuild(currentText);
  emit showRequested(shell::kPickListSlot);
  show();
  if (search) {
    enterSearch();
  } else {
    lis_->setFocus();
    mode_ = 1;
  }
}

void TFLisF45::rebuild(const std::string& currentText) {
  czeka_->show();
  list_ = operations::buildPickList(listKey_, sources_, cpText(pre_->text()), extension_);
  QStringList rows;
  rows.reserve(list_.size());
  for (const std::string& row : list_.rows()) rows.append(qtText(row));
  lis_->clear();
  lis_->addItems(rows);
  setWindowTitle(qtText(list_.caption()));
  kind_->setText(qtText(list_.kind));
  nl_->setText(qtText(list_.header));
  mc_->setVisible(list_.calendar);
  logo_->setVisible(listKey_ == 'L');
  del_->setEnabled(editsAssets());
  ren_->setEnabled(editsAssets());
  // A date field holds DDMMYY; its list is ordered by day number.
  std::string at = currentText;
  if (listKey_ == 'D') {
    const DayNumber day = text::dayFromShortText(currentText);
    at = day == 0 ? std::string() : std::to_string(day);
  }
  const int row = list_.rowAtOrAfter(at);
  // The row first lands nine further on, so the chosen one shows with rows below it.
  lis_->setCurrentRow(std::min(row + 9, lis_->count() - 1));
  select(row);
  czeka_->hide();
}

void TFLisF45::select(int row) {
  if (lis_->count() == 0) return;
  lis_->setCurrentRow(std::clamp(row, 0, lis_->count() - 1));
}

void TFLisF45::followSelection() {
  const int row = lis_->currentRow();
  if (row < 0 || row >= list_.size()) return;
  const operations::PickResult r = operations::acceptRow(listKey_, list_.rows()[row]);
  if (list_.calendar) {
    const DayNumber day = text::dayFromShortText(r.key);
    if (day != 0) {
      const QSignalBlocker block(mc_);
      mc_->setSelectedDate(
          QDate(text::yearOfDay(day), text::monthOfDay(day), text::dayOfMonth(day)));
    }
  }
  if (listKey_ == 'L' && !r.key.empty())
    logo_->setPixmap(QPixmap(qtText(sources_.baseFolder + r.key)).scaledToWidth(120));
}

void TFLisF45::accept() {
  if (list_.calendar) {
    acceptCalendar(false);
    return;
  }
  const int row = lis_->currentRow();
  if (row < 0 || row >= list_.size()) return;
  const operations::PickResult r = operations::acceptRow(listKey_, list_.rows()[row]);
  key_ = r.key;
  description_ = r.description;
  finish(true);
}

void TFLisF45::acceptCalendar(bool clamp) {
  const QDate d = mc_->selectedDate();
  key_ = clamp ? operations::calendarDoubleClick(d.year(), d.month(), d.day())
               : operations::calendarAccept(d.year(), d.month(), d.day());
  description_.clear();
  const DayNumber day = text::dayFromShortText(key_);
  if (day != 0) description_ = text::longTextOfDay(day) + ' ' + text::weekdayOfDay(day);
  finish(true);
}

void TFLisF45::escape() {
  key_.clear();
  description_.clear();
  finish(false);
}

void TFLisF45::finish(bool chosen) {
  chosen_ = chosen;
  if (!fromDesktop_) {
    hide();
    emit closeRequested(shell::kPickListSlot, chosen);
    return;
  }
  fromDesktop_ = false;
  shell::setPickListAnswer({key_, description_});
  emit closeRequested(shell::kPickListSlot, chosen);
  shell::returnFromPickList(chosen);
}

}  // namespace zefir::gui
