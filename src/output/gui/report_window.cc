#include "output/gui/report_window.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include "output/gui/font_lookup.h"
#include "output/gui/qt_text.h"
#include "output/gui/report_table.h"
#include "output/report_context.h"
#include "output/report_view.h"

namespace zefir::output {

namespace {

QPushButton* button(QWidget* parent, const char* caption, const char* hint) {
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setToolTip(QString::fromUtf8(hint));
  b->setAutoDefault(false);
  return b;
}

QLineEdit* rangeField(QWidget* parent) {
  auto* f = new QLineEdit(parent);
  f->setMaxLength(5);
  f->setValidator(new QRegularExpressionValidator(QRegularExpression("\\d{0,5}"), f));
  return f;
}

}  // namespace

TFRaport::TFRaport(ReportBuffer& buffer, QWidget* parent) : QDialog(parent), buffer_(buffer) {
  createControls();
  loadPrinters();
  setButtonsEnabled(true);
  setMinimumHeight(333);
  resize(width(), 0);
  buffer_.setObserver(this);
}

TFRaport::~TFRaport() {
  if (buffer_.observer() == this) buffer_.setObserver(nullptr);
}

void TFRaport::createControls() {
  portrait_ = button(this, "Druk portret", " drukuj ");
  landscape_ = button(this, "Druk pejzaż", " drukuj ");
  chooser_ = new QComboBox(this);
  xls_ = button(this, "XLS", " wrzut do Excela ");
  jpk_ = button(this, "JPK", " XML / JPK ");
  pdf_ = button(this, "PDF", " portret / pejzaż ");
  save_ = button(this, "Zapisz", " zapis bufora raportu (Ctrl+S) ");
  back_ = button(this, "Wstecz", " szukaj wstecz (Tab) ");
  search_ = new QLineEdit(QStringLiteral("...szukaj..."), this);
  forward_ = button(this, "Szukaj", " szukaj wprzód (Enter) ");
  forward_->setDefault(true);
  rowsLabel_ = new QLabel(QStringLiteral("Wiersze"), this);
  from_ = rangeField(this);
  dotsLabel_ = new QLabel(QStringLiteral(".."), this);
  to_ = rangeField(this);
  close_ = button(this, "Zamknij", " zakończ ");
  table_ = new ReportTable(buffer_, this);
  scroll_ = new QScrollBar(Qt::Vertical, this);

  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  for (QWidget* w : std::initializer_list<QWidget*>{portrait_, landscape_, chooser_, xls_, jpk_,
                                                    pdf_, save_, back_, search_, forward_,
                                                    rowsLabel_, from_, dotsLabel_, to_, close_})
    row->addWidget(w);
  row->addStretch();
  auto* area = new QHBoxLayout;
  area->setSpacing(0);
  area->addWidget(table_, 1);
  area->addWidget(scroll_);
  auto* all = new QVBoxLayout(this);
  all->setContentsMargins(4, 4, 4, 4);
  all->addLayout(row);
  all->addLayout(area, 1);
  setTabOrder(search_, back_);

  connect(portrait_, &QPushButton::clicked, this, [this] { printReport(false); });
  connect(landscape_, &QPushButton::clicked, this, [this] { printReport(true); });
  connect(pdf_, &QPushButton::clicked, this, [this] { printPdf(false); });
  connect(save_, &QPushButton::clicked, this, &TFRaport::saveBuffer);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, this,
          [this] {
            if (save_->isEnabled()) saveBuffer();
          });
  connect(xls_, &QPushButton::clicked, this, &TFRaport::exportXls);
  connect(jpk_, &QPushButton::clicked, this, &TFRaport::exportJpk);
  connect(forward_, &QPushButton::clicked, this, [this] { search(true); });
  connect(back_, &QPushButton::clicked, this, [this] { search(false); });
  connect(close_, &QPushButton::clicked, this, &TFRaport::reject);
  connect(from_, &QLineEdit::textEdited, this, &TFRaport::rangeEdited);
  connect(to_, &QLineEdit::textEdited, this, &TFRaport::rangeEdited);
  connect(chooser_, &QComboBox::activated, this,
          [this](int i) { setCurrentPrinter(printers_.value(i)); });
  connect(table_, &ReportTable::leftClicked, this, &TFRaport::tableClicked);
  connect(table_, &ReportTable::rightClicked, this, &TFRaport::tableRightClicked);
  connect(table_, &ReportTable::wheelTurned, this, [this](int notches) {
    setTop(wheeledTop(notches, buffer_.view.top, buffer_.rowCount()));
  });
  connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
    if (updatingScroll_) return;
    buffer_.view.top = value;
    table_->update();
    search_->setFocus();
  });
  for (QObject* o : std::initializer_list<QObject*>{search_, from_, to_, back_, chooser_, pdf_})
    o->installEventFilter(this);
}

QWidget* TFRaport::frameWidget() {
  auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
  return sub ? static_cast<QWidget*>(sub) : this;
}

QSize TFRaport::sizeHint() const {
  return laidOut_.isValid() ? laidOut_ : QDialog::sizeHint();
}

void TFRaport::sizeControls(const QFont& f) {
  setFont(f);
  table_->setFont(f);
  const QFontMetrics fm(f);
  const int height = fm.height() < 14 ? 22 : fm.height() + 8;
  for (QPushButton* b : {portrait_, landscape_, xls_, jpk_, pdf_, save_, back_, forward_, close_})
    b->setFixedSize(fm.horizontalAdvance(b->text()) + 16, height);
  search_->setFixedSize(fm.horizontalAdvance(QStringLiteral("...szukaj...")) + 24, height);
  for (QLineEdit* e : {from_, to_})
    e->setFixedSize(fm.horizontalAdvance(QStringLiteral("99999")) + 12, height);
  chooserWidth_ = fm.horizontalAdvance(QStringLiteral("M")) * 12;
  chooser_->setFixedSize(chooserWidth_, height);
}

// Inside the desktop the window is placed in the desktop's window area;
// standalone on the screen, or on the second monitor when the settings say so.
void TFRaport::layOut() {
  const ReportContext& ctx = reportContext();
  const QList<QScreen*> screens = QGuiApplication::screens();
  const bool second =
      screens.size() > 1 && ctx.onSecondScreen && screens[1]->geometry().width() >= 1000;
  QScreen* screen = second ? screens[1] : QGuiApplication::primaryScreen();
  const ReportWindowLayout& l = second ? ctx.secondScreen : ctx.screen;
  sizeControls(settingsFont(l.font, l.style, l.size));
  QWidget* frame = frameWidget();
  const bool inDesktop = frame != this;
  const QRect area = inDesktop ? frame->parentWidget()->rect()
                     : screen  ? screen->availableGeometry()
                               : QRect(0, 0, 1024, 768);
  const QSize border =
      inDesktop ? frame->size() - size() : frameGeometry().size() - geometry().size();
  const int need = layout()->minimumSize().width() + border.width();
  const int w = std::min(std::max(rememberedWidth_ + 26 + border.width(), need), area.width());
  const int h = std::max(l.length, 333);
  const char place = l.position.empty() ? 'C' : l.position[0];
  const int x = place == 'L'   ? area.left()
                : place == 'P' ? area.right() + 1 - w
                               : area.left() + (area.width() - w) / 2;
  laidOut_ = QSize(w - border.width(), std::max(h - border.height(), 333));
  if (inDesktop)
    frame->setGeometry(x, area.top() + l.fromTop, w, h);
  else
    setGeometry(x, area.top() + l.fromTop, laidOut_.width(), laidOut_.height());
  logReportError("aRaport", 230, text::fromUtf8("Celowe wystąpienie błędu"));
}

void TFRaport::headersEnded(ReportBuffer&) {
  table_->update();
  layOut();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFRaport::reportEnded(ReportBuffer& buffer) {
  setWindowTitle(qtText(buffer.caption()));
  showRange();
  setButtonsEnabled(true);  // "JPK" follows the menu position of the report's option
  jpk_->setText(QStringLiteral("JPK"));
  if (isSignalConnected(QMetaMethod::fromSignal(&TFRaport::showRequested))) {
    emit showRequested();
  } else {
    frameWidget()->show();
    show();
    frameWidget()->raise();
    activateWindow();
  }
  refresh();
  rememberedWidth_ = table_->metrics().rightEdge + 3;
  layOut();
  refresh();
}

int TFRaport::visibleRows() const {
  return std::max(table_->visibleRows(), 1);
}

void TFRaport::refresh() {
  ReportViewState& v = buffer_.view;
  const int count = buffer_.rowCount();
  v.top = std::clamp(v.top, 1, std::max(count, 1));
  // As the paint does: the end of the report fills the window.
  while (std::min(v.top + 99, count) - v.top + 1 < visibleRows() && v.top > 1) --v.top;
  updateScrollBar();
  table_->update();
}

void TFRaport::updateScrollBar() {
  updatingScroll_ = true;
  const int visible = visibleRows();
  scroll_->setRange(1, std::max(buffer_.rowCount() - visible + 1, 1));
  scroll_->setPageStep(std::max(visible - 1, 1));
  scroll_->setSingleStep(1);
  scroll_->setValue(buffer_.view.top);
  updatingScroll_ = false;
}

void TFRaport::setTop(int top) {
  buffer_.view.top = top;
  refresh();
}

void TFRaport::search(bool forward) {
  const std::string text = searchForm(cpText(search_->text()));
  search_->setText(qtText(text));
  searchReport(buffer_, text, forward);
  setTop(topForCurrent(buffer_.view.current, buffer_.rowCount(), visibleRows()));
  search_->setFocus();
}

void TFRaport::tableClicked(int row) {
  if (search_->text().contains(QStringLiteral(" ... "))) {
    pickRangeRow(buffer_, row);
    showRange();
    refresh();
  } else {
    search_->setText(QStringLiteral(" ... od ... "));
  }
}

void TFRaport::tableRightClicked(int row, QPoint globalPos) {
  row = std::clamp(row, 1, std::max(buffer_.rowCount(), 1));
  buffer_.view.current = row;
  refresh();
  QMenu menu(this);
  for (const char* caption : kRangeCaptions) menu.addAction(QString::fromUtf8(caption));
  int chosen = -1;
  connect(&menu, &QMenu::triggered, this, [&menu, &chosen](QAction* action) {
    chosen = static_cast<int>(menu.actions().indexOf(action));
  });
  menu.exec(globalPos);
  applyRangeEntry(chosen, row);
}

void TFRaport::applyRangeEntry(int index, int row) {
  if (index < 0 || index >= kRangeEntries) return;
  applyRange(buffer_, static_cast<RangeEntry>(index), row);
  showRange();
  refresh();
}

void TFRaport::showRange() {
  from_->setText(QString::number(buffer_.view.from));
  to_->setText(QString::number(buffer_.view.to));
}

void TFRaport::rangeEdited() {
  buffer_.view.from = from_->text().toInt();
  buffer_.view.to = to_->text().toInt();
  table_->update();
}

bool TFRaport::scrollKey(int key) {
  ScrollKey k;
  switch (key) {
    case Qt::Key_PageUp:
      k = ScrollKey::PageUp;
      break;
    case Qt::Key_PageDown:
      k = ScrollKey::PageDown;
      break;
    case Qt::Key_Home:
      k = ScrollKey::Home;
      break;
    case Qt::Key_End:
      k = ScrollKey::End;
      break;
    case Qt::Key_Up:
      k = ScrollKey::Up;
      break;
    case Qt::Key_Down:
      k = ScrollKey::Down;
      break;
    default:
      return false;
  }
  setTop(scrolledTop(k, buffer_.view.top, buffer_.rowCount(), visibleRows()));
  return true;
}

bool TFRaport::eventFilter(QObject* watched, QEvent* event) {
  const bool field = watched == search_ || watched == from_ || watched == to_;
  if (field && event->type() == QEvent::KeyPress &&
      scrollKey(static_cast<QKeyEvent*>(event)->key()))
    return true;
  if (watched == search_ && event->type() == QEvent::FocusIn) {
    const qsizetype dots = search_->text().indexOf(QStringLiteral("..."));
    if (dots == 0 || dots == 1) search_->clear();
  }
  if (watched == back_ && event->type() == QEvent::FocusIn) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) search(false);
  }
  if (watched == chooser_ && event->type() == QEvent::FocusIn) {
    int longest = 0;
    for (int i = 0; i < chooser_->count(); ++i)
      longest = std::max(longest, chooser_->fontMetrics().horizontalAdvance(chooser_->itemText(i)));
    chooser_->setFixedWidth(longest + 37);
  }
  if (watched == chooser_ && event->type() == QEvent::FocusOut && chooserWidth_ > 0)
    chooser_->setFixedWidth(chooserWidth_);
  if (watched == pdf_ && event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    if (pdf_->isEnabled()) printPdf(true);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TFRaport::reject() {
  if (buffer_.view.busy) {
    buffer_.view.cancelRequested = true;
    return;
  }
  rememberedWidth_ = 0;
  if (isSignalConnected(QMetaMethod::fromSignal(&TFRaport::closeRequested)))
    emit closeRequested();
  else
    hide();
}

void TFRaport::closeEvent(QCloseEvent* event) {
  if (buffer_.view.busy) {
    buffer_.view.cancelRequested = true;
    event->ignore();
    return;
  }
  rememberedWidth_ = 0;
  if (isSignalConnected(QMetaMethod::fromSignal(&TFRaport::closeRequested))) {
    event->ignore();
    emit closeRequested();
    return;
  }
  QDialog::closeEvent(event);
}

void TFRaport::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  refresh();
}

// The window is dragged by its background.
void TFRaport::mousePressEvent(QMouseEvent* event) {
  dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void TFRaport::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - dragOffset_);
}

}  // namespace zefir::output
