#include "shell/gui/stand_in_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/gui/desktop_window.h"
#include "shell/shell_state.h"
#include "shell/window_slots.h"
#include "text/codepage.h"

namespace zefir::gui {

StandInWindow::StandInWindow(TFPulpit* desktop, const QString& name, const QString& caption,
                             int slot, bool showsOptions)
    : desktop_(desktop), caption_(caption), slot_(slot), shows_options_(showsOptions) {
  setObjectName(name);
  setWindowTitle(caption);
  setFocusPolicy(Qt::StrongFocus);
  label_ = new QLabel(this);
  label_->setMinimumWidth(360);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(new QLabel(QString::fromUtf8("Esc - powrót do menu"), this));
}

QString StandInWindow::shownText() const {
  return label_->text();
}

void StandInWindow::openFor(int slot, int value) {
  slot_ = slot;
  const shell::ShellState& s = shell::shellState();
  const QString caption =
      shows_options_ && !s.option.title.empty() ? qtText(s.option.title) : caption_;
  label_->setText(QString::fromUtf8("Opcja w przygotowaniu\n") + caption);
  setWindowTitle(caption);
  setProperty("zefirValue", value);
  // Placed by the slot's name, the name its position is saved under when it hides.
  desktop_->placeWindow(shell::slotName(slot), this, s.nextLeft, s.nextTop);
  desktop_->showWindow(slot, this);
}

void StandInWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    if (slot_ == 1) {  // leaving the login page ends the program
      desktop_->stop(text::fromUtf8("Rezygnujesz ? Zapraszam następnym razem !"));
      return;
    }
    desktop_->hideWindow(slot_, this, true);
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace zefir::gui
