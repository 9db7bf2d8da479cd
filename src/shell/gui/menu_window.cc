#include "shell/gui/menu_window.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QThread>

#include "output/report_context.h"
#include "shell/command_file.h"
#include "shell/desktop_services.h"
#include "shell/gui/desktop_window.h"
#include "shell/shell_state.h"
#include "shell/window_area.h"
#include "text/codepage.h"

namespace zefir::gui {

using shell::MenuAction;
using shell::MenuKey;
using shell::shellState;

TFMen::TFMen(TFPulpit* desktop) : desktop_(desktop) {
  setObjectName("TFMen");
  setWindowTitle(QStringLiteral("Menu"));
  main_ = new QListWidget(this);
  sub_ = new QListWidget(this);
  for (QListWidget* list : {main_, sub_}) {
    list->installEventFilter(this);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  sub_->hide();
  connect(main_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) model_.selectMain(row);
  });
  connect(sub_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) model_.selectSub(row);
  });
  connect(main_, &QListWidget::itemDoubleClicked, this,
          [this] { handle(model_.chooseMain(main_->currentRow())); });
  connect(sub_, &QListWidget::itemDoubleClicked, this,
          [this] { handle(model_.chooseSub(sub_->currentRow())); });

  keys_ = new QWidget(this);
  auto* row = new QHBoxLayout(keys_);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  for (const shell::FunctionButton& b : shell::functionButtons()) {
    auto* button = new QPushButton(qtText(b.caption), keys_);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(QString::fromLatin1(b.key));
    const int n = b.n;
    connect(button, &QPushButton::clicked, this, [this, n] {
      if (n == 0)
        desktop_->ending();
      else
        settingsPage(n);
    });
    row->addWidget(button);
  }
  help_ = new QLabel(this);
  help_->setText(
      QString::fromUtf8("W opcjach:  F3 dodatkowe okno\nF4  lista wyboru \nF5 szukaj,wybierz\n"
                        "Pomoc techniczna: Zorza-Soft"));
  build();
}

void TFMen::applyFont(const QFont& font, bool compact) {
  setFont(font);
  compact_ = compact;
  const int textHeight = QFontMetrics(font).boundingRect(QString::fromUtf8("Ży")).height();
  item_height_ = compact ? textHeight * 5 / 4 : textHeight + 13;
  build();
}

void TFMen::build() {
  main_->clear();
  const auto& items = model_.mainItems();
  QFontMetrics fm(font());
  int width = 0;
  for (const std::string& it : items) {
    auto* item = new QListWidgetItem(qtText(it), main_);
    item->setSizeHint(QSize(0, item_height_));
    width = std::max(width, fm.horizontalAdvance(qtText(" " + it + " ")));
  }
  width += 8;
  const int height = static_cast<int>(items.size()) * item_height_ + 4;
  main_->setGeometry(4, 4, width, height);
  sub_->setGeometry(8 + width, 4, width, height);
  keys_->adjustSize();
  const int listsWidth = 12 + 2 * width;
  keys_->setGeometry(4, 8 + height, std::max(listsWidth - 8, keys_->sizeHint().width()),
                     keys_->sizeHint().height());
  help_->adjustSize();
  help_->move(4, keys_->geometry().bottom() + 4);
  setFixedSize(std::max(listsWidth, keys_->width() + 8), help_->geometry().bottom() + 6);
  syncLists();
}

void TFMen::setListEnabled(bool enabled) {
  main_->setEnabled(enabled);
  sub_->setEnabled(enabled);
}

void TFMen::showMenu(int /*value*/) {
  shell::ShellState& s = shellState();
  if (s.start.mode == shell::kModeTest) {  // the base-test page instead
    desktop_->requestWindow(2, 1);
    return;
  }
  if (s.start.mode == shell::kModeLoginStart) {
    if (auto* frame = parentWidget()) frame->move(8, 2);
  } else {
    desktop_->placeWindow("Men", this, 8, 2);
  }
  desktop_->showWindow(3, this);
  desktop_->menuActivated();
  syncLists();
  (model_.inSubmenu() ? sub_ : main_)->setFocus();
  if (s.start.mode == shell::kModeLoginStart && QFileInfo::exists("!/Login.txt"))
    s.start.mode = shell::kModeLoginPending;
  if (s.start.mode == shell::kModeLoginPending) runOption({});
  keepInsideDesktop();
  readCommandLines();
}

void TFMen::keepInsideDesktop() {
  QWidget* frame = parentWidget();
  QWidget* area = frame ? frame->parentWidget() : nullptr;
  if (!frame || !area) return;
  const QWidget* box = desktop_->clockLabel()->parentWidget();
  const QPoint corner = area->mapFrom(desktop_, box->mapTo(desktop_, QPoint(0, 0)));
  const shell::Rect r =
      shell::insideDesktop({frame->x(), frame->y(), frame->width(), frame->height()}, area->width(),
                           area->height(), {corner.x(), corner.y(), box->width(), box->height()});
  frame->move(r.left, r.top);
}

void TFMen::syncLists() {
  QSignalBlocker a(main_), b(sub_);
  main_->setCurrentRow(model_.mainIndex());
  if (model_.inSubmenu()) sub_->setCurrentRow(model_.subIndex());
}

void TFMen::fillSubmenu() {
  QSignalBlocker block(sub_);
  sub_->clear();
  for (const std::string& it : model_.subItems()) {
    auto* item = new QListWidgetItem(qtText(it), sub_);
    item->setSizeHint(QSize(0, item_height_));
  }
  sub_->show();
  sub_->setCurrentRow(model_.subIndex());
  sub_->setFocus();
}

void TFMen::handle(const MenuAction& action) {
  switch (action.kind) {
    case MenuAction::None:
      break;
    case MenuAction::Ending:
      desktop_->ending();
      return;
    case MenuAction::RunOption:
      runOption(action.option);
      break;
    case MenuAction::OpenedSubmenu:
      fillSubmenu();
      break;
    case MenuAction::BackToMain:
      sub_->hide();
      main_->setFocus();
      break;
    case MenuAction::SettingsPage:
      if (shellState().markerCreated) {  // refused while the program is still starting
        shellState().option = action.option;
        desktop_->requestWindow(action.option.slot, 1);
      }
      break;
    case MenuAction::Status:
      showStatus(action.status, action.statusKind);
      break;
  }
  syncLists();
}

void TFMen::runOption(const shell::MenuOption& option) {
  shell::ShellState& s = shellState();
  s.option = shell::optionToRun(option, s.start.mode);
  output::reportContext().menuPosition = s.option.letters;
  // The next window opens beside the chosen item.
  const QWidget* frame = parentWidget() ? parentWidget() : this;
  s.nextLeft = sub_->x() + frame->x();
  s.nextTop = sub_->y() + item_height_ * (model_.subIndex() + 1);
  desktop_->requestWindow(s.option.slot, 1);
}

void TFMen::settingsPage(int key) {
  handle(shell::MenuModel::functionKey(key));
}

bool TFMen::eventFilter(QObject* watched, QEvent* event) {
  if (watched == main_ && event->type() == QEvent::FocusIn && sub_->isVisible()) {
    sub_->hide();  // the submenu hides when the main list gets the focus
    model_.focusMain();
  }
  if (event->type() != QEvent::KeyPress || (watched != main_ && watched != sub_))
    return QWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  MenuKey k;
  const int code = key->key();
  if (code == Qt::Key_Escape) {
    k.kind = MenuKey::Esc;
  } else if (code == Qt::Key_Return || code == Qt::Key_Enter) {
    k.kind = MenuKey::Enter;
  } else if (code >= Qt::Key_F1 && code <= Qt::Key_F11) {
    k.kind = MenuKey::Function;
    k.fn = code - Qt::Key_F1 + 1;
  } else {
    const QString t = key->text().toUpper();
    const char c = t.size() == 1 ? t.at(0).toLatin1() : 0;
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
      return QWidget::eventFilter(watched, event);  // arrows and the rest: the list's own
    k.ch = c;
  }
  handle(model_.key(k));
  return true;
}

void TFMen::setCommandFile(const QString& path) {
  commands_ = std::make_unique<QFile>(path);
  if (!commands_->open(QIODevice::ReadOnly)) commands_.reset();
}

void TFMen::readCommandLines() {
  while (commands_) {
    if (commands_->atEnd()) {
      commands_.reset();
      return;
    }
    QByteArray raw = commands_->readLine();
    while (raw.endsWith('\n') || raw.endsWith('\r')) raw.chop(1);
    const std::string line = raw.toStdString();
    const shell::CommandLine c = shell::classifyCommandLine(line);
    switch (c.kind) {
      case shell::CommandLine::Skip:
        break;
      case shell::CommandLine::End:
        desktop_->ending();
        return;
      case shell::CommandLine::Wait:
        QThread::sleep(c.seconds);
        break;
      case shell::CommandLine::Comment:
        showStatus("Komentarz w pliku " + QFileInfo(commands_->fileName()).fileName().toStdString(),
                   StatusKind::Information);
        askYesNo(line, 'T');
        break;
      case shell::CommandLine::Stop:
        return;
    }
  }
}

}  // namespace zefir::gui
