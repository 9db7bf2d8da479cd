#include "shell/gui/desktop_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>
#include <algorithm>
#include <ctime>

#include "dialogs/answer_dialog.h"
#include "net/program_update.h"
#include "platform/assertion.h"
#include "platform/workstation_marks.h"
#include "shell/desktop_rules.h"
#include "shell/error_log.h"
#include "shell/gui/menu_window.h"
#include "shell/gui/zefir_application.h"
#include "shell/shell_state.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::gui {

namespace {

TFPulpit* the_desktop = nullptr;

std::tm localNow() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

TFPulpit* desktop() {
  return the_desktop;
}

TFPulpit::TFPulpit(const QString& firstArgument, QWidget* parent)
    : QMainWindow(parent), first_argument_(firstArgument) {
  the_desktop = this;
  if (shell::shellState().programFile.empty())
    shell::shellState().programFile =
        QCoreApplication::applicationFilePath().toLocal8Bit().toStdString();
  setObjectName("TFPulpit");
  setWindowTitle(QString::fromUtf8("Zefir środki trwałe Zorza-Soft"));
  mdi_ = new QMdiArea(this);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Without scroll bars the area would ask to be as large as its largest
  // window, and a wide menu would push the desktop past a small screen.
  mdi_->setMinimumSize(1, 1);
  setCentralWidget(mdi_);

  // Unhandled errors reach the status line; failed checks the error log.
  setStatusLine(this);
  setDesktopServices(this);
  setAssertionHandler(
      [](std::string_view message, std::string_view file, int line, std::uintptr_t address) {
        try {
          shell::appendErrorLog("#/Zefir.BAD", message, file, line, address);
        } catch (...) {
          handleException(currentExceptionMessage());
        }
      });

  report_list_ = new QListWidget(mdi_);
  for (const std::string& l : shell::initialErrorReportList()) report_list_->addItem(qtText(l));
  report_list_->hide();
  report_list_->installEventFilter(this);
  report_list_->viewport()->installEventFilter(this);

  strip_ = new QFrame(mdi_);
  strip_->setFrameShape(QFrame::VLine);
  strip_->setFixedWidth(4);
  strip_->installEventFilter(this);

  loading_panel_ = new QLabel(mdi_);
  loading_panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  loading_panel_->setLineWidth(3);
  loading_panel_->setMargin(17);
  loading_panel_->setAlignment(Qt::AlignCenter);
  loading_panel_->setAutoFillBackground(true);
  loading_panel_->hide();

  field_keys_ = new QMenu(this);
  for (const char* k : {"&Lista (F4)", "&Szukaj [F5]", "&Powtórz {F6} {+}", "P&rzepisz /F7/",
                        "S&kasuj - F8", "&Oblicz F9"})
    field_keys_->addAction(QString::fromUtf8(k));

  buildStatusBar();
  buildClosePanel();

  clock_->setText(QStringLiteral("Zefir 1.19"));
  status_panel_->setText(QString::fromUtf8(" Zefir - środki trwałe"));

  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &TFPulpit::tickNow);
  timer_.start(ticks_.interval());
}

TFPulpit::~TFPulpit() {
  setStatusLine(nullptr);
  setDesktopServices(nullptr);
  setAssertionHandler({});
  setWorkstationMarks(nullptr);
  if (the_desktop == this) the_desktop = nullptr;
}

void TFPulpit::buildStatusBar() {
  auto* bar = statusBar();
  status_panel_ = new QLabel(bar);
  status_panel_->setMinimumWidth(200);
  QFont f = status_panel_->font();
  f.setBold(true);
  status_panel_->setFont(f);
  status_panel2_ = new QLabel(bar);
  status_panel2_->setFrameShape(QFrame::NoFrame);
  bar->addWidget(status_panel_, 1);
  bar->addPermanentWidget(status_panel2_);
  bar->setSizeGripEnabled(false);
  bar->setAutoFillBackground(true);
  bar->setFixedHeight(statusBarHeight(shell::kIdleStatusBarHeight));
  const shell::Rgb idle = shell::idleColour(false);
  setStatusColour(idle.r, idle.g, idle.b);
}

void TFPulpit::buildClosePanel() {
  close_panel_ = new QFrame(mdi_);
  close_panel_->setFrameShape(QFrame::StyledPanel);
  close_panel_->setAutoFillBackground(true);
  auto* row = new QHBoxLayout(close_panel_);
  row->setContentsMargins(4, 1, 1, 1);
  clock_ = new QLabel(close_panel_);
  close_button_ = new QPushButton(QStringLiteral("X"), close_panel_);
  close_button_->setFocusPolicy(Qt::NoFocus);
  close_button_->setFixedWidth(25);
  connect(close_button_, &QPushButton::clicked, this, [this] { ending(); });
  row->addWidget(clock_);
  row->addWidget(close_button_);
}

void TFPulpit::layOutPanels() {
  close_panel_->adjustSize();
  close_panel_->setMinimumHeight(25);
  close_panel_->move(mdi_->width() - close_panel_->width(), 0);
  close_panel_->raise();
  strip_->setGeometry(0, 0, 4, mdi_->height());
  strip_->raise();
  if (loading_panel_->isVisible()) {
    const int w = mdi_->width();
    const int h = mdi_->height();
    loading_panel_->setGeometry(w / 5, h * 7 / 17, w * 3 / 5, loading_panel_->sizeHint().height());
  }
}

void TFPulpit::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  layOutPanels();
}

int TFPulpit::statusBarHeight(int nominal) const {
  // The accents over capitals ("Ś", "Ż") reach above the font's ascent and
  // the tails of "ą" and "ę" may reach below its descent. The panel centres
  // its line, so what sticks out needs room on both sides, or a low bar cuts
  // the accents off and "Środków" reads "Srodków".
  const QFontMetrics fm(status_panel_->font());
  const QRect ink = fm.boundingRect(QString::fromUtf8("ŚŻŹĆŃÓĄĘŁąęśżjgy"));
  const int overhang = std::max({0, -ink.top() - fm.ascent(), ink.bottom() - fm.descent()});
  const int panel = fm.height() + 2 * overhang;
  const int around =
      statusBar()->minimumSizeHint().height() - status_panel_->minimumSizeHint().height();
  return nominal + std::max(0, panel + around - shell::kIdleStatusBarHeight);
}

void TFPulpit::setStatusColour(unsigned r, unsigned g, unsigned b) {
  QPalette p = statusBar()->palette();
  p.setColor(QPalette::Window, QColor(r, g, b));
  statusBar()->setPalette(p);
}

void TFPulpit::show(std::string_view text, StatusKind kind) {
  shell::ShellState& s = shell::shellState();
  s.lastStatusText = std::string(text);
  s.lastStatusKind = kind;
  status_panel_->setText(QStringLiteral(" ") + qtText(text));
  statusBar()->setFixedHeight(statusBarHeight(shell::kStatusBarHeight));
  const shell::Rgb c = shell::statusColour(kind);
  setStatusColour(c.r, c.g, c.b);
  // Painted at once, without running other events from inside the caller.
  status_panel_->repaint();
}

void TFPulpit::clearStatus() {
  shell::shellState().lastStatusText.clear();
  status_panel_->clear();
  statusBar()->setFixedHeight(statusBarHeight(shell::kIdleStatusBarHeight));
  const shell::Rgb c = shell::idleColour(shell::shellState().windowFont.compact());
  setStatusColour(c.r, c.g, c.b);
}

Answer TFPulpit::ask(std::string_view question, char defaultAnswer) {
  // One question at a time: a second one while the first waits is "back".
  if (!answer_ || (answer_->isVisible() && answer_->answer() < 0)) return Answer::Back;
  QWidget* back = QApplication::focusWidget();
  const int a = answer_->ask(shell::shellState().lastStatusText, question, defaultAnswer, back);
  return a == 0 ? Answer::Yes : a == 1 ? Answer::No : Answer::Back;
}

void TFPulpit::progress(std::string_view text) {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  if (!shell::shellState().start.showProgress) return;
  show(text, StatusKind::Information);
  QThread::msleep(333);
}

void TFPulpit::stop(std::string_view text) {
  needs_confirm_ = false;
  stopping_ = true;  // a refused start writes no settings
  if (stop_) {
    stop_(qtText(text));
    return;
  }
  QMessageBox::critical(this, QStringLiteral("Zefir"), qtText(text));
  close();
  QCoreApplication::exit(1);
}

void TFPulpit::checkProgramName() {
  std::string& programFile = shell::shellState().programFile;
  const auto result = net::checkProgramFile(programFile);
  if (result.action == net::SelfCheck::GoOn) {
    programFile = result.programFile;  // an update goes beside the file as it is now named
    return;
  }
  // The new copy has taken the program's name (or could not): it ends here
  // without writing settings, and the program under its proper name goes on.
  stopping_ = true;
  endForProgram(result.action == net::SelfCheck::Restart
                    ? QString::fromLocal8Bit(result.restart.c_str())
                    : QString());
}

void TFPulpit::endForProgram(const QString& program) {
  needs_confirm_ = false;
  close();
  if (hand_over_) {
    hand_over_(program);
    return;
  }
  if (!program.isEmpty()) QProcess::startDetached(program, QCoreApplication::arguments().mid(1));
  QCoreApplication::exit(0);
}

void TFPulpit::tickNow() {
  // A tick never runs inside another (a message box shown by a tick waits).
  if (in_tick_) return;
  in_tick_ = true;
  // Also when the tick throws (the handler shows it): the timer goes on.
  struct Leave {
    TFPulpit* desktop;
    ~Leave() {
      desktop->in_tick_ = false;
      desktop->restartTimer();
    }
  } leave{this};
  ticks_.tick(*this);
}

void TFPulpit::restartTimer() {
  if (closed_) return;
  timer_.start(ticks_.interval());
}

void TFPulpit::everyTick() {
  const std::tm local = localNow();
  clock_->setText(QString::fromStdString(shell::clockText(local)));
  const DayNumber today = text::dayFromDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  close_panel_->setToolTip(qtText(text::weekdayOfDay(today)));
}

bool TFPulpit::mayOpenOptions() const {
  return shell::shellState().start.mayOpenOptions();
}

void TFPulpit::requestWindow(int slot, int value) {
  ticks_.request(slot, value);
  if (!in_tick_) restartTimer();
}

void TFPulpit::setWindow(shell::WindowKind kind, QWidget* window) {
  windows_.at(static_cast<int>(kind)) = window;
}

QMdiSubWindow* TFPulpit::addWindow(QWidget* window) {
  QMdiSubWindow* frame = mdi_->addSubWindow(window);
  frame->setAttribute(Qt::WA_DeleteOnClose, false);
  frame->hide();
  return frame;
}

void TFPulpit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    ending();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

bool TFPulpit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (watched == strip_) {
      saveErrorReport();
      return true;
    }
    if (watched == report_list_ || watched == report_list_->viewport()) {
      report_list_->hide();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TFPulpit::saveErrorReport() {
  std::vector<std::string> lines;
  for (int i = 0; i < report_list_->count(); ++i)
    lines.push_back(cpText(report_list_->item(i)->text()));
  const std::string name = shell::datedLogName(localNow());
  if (!shell::writeErrorReportList(name, lines))
    show(text::fromUtf8("Błąd zapisu ") + name, StatusKind::Error);
  else
    show(name, StatusKind::Notice);
}

}  // namespace zefir::gui
