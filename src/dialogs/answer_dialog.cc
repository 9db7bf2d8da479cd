#include "dialogs/answer_dialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "output/gui/qt_text.h"

namespace zefir::gui {

TFOdpowi::TFOdpowi(QWidget* parent) : QDialog(parent) {
  setObjectName("TFOdpowi");
  setWindowTitle(QStringLiteral("Zefir"));
  line1_ = new QLabel(this);
  line2_ = new QLabel(this);
  hint_ = new QLabel(this);
  auto* row = new QHBoxLayout;
  const char* captions[] = {"    Tak    ", "    Nie    ", " Powrót "};
  for (int i = 0; i < 3; ++i) {
    auto* b = new QPushButton(QString::fromUtf8(captions[i]), this);
    b->setAutoDefault(false);
    b->installEventFilter(this);
    connect(b, &QPushButton::clicked, this, [this, i] { answerWith(i + 1); });
    buttons_[i] = b;
    row->addWidget(b);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(line1_);
  layout->addWidget(line2_);
  layout->addLayout(row);
  layout->addWidget(hint_);
  highlight(1);
}

int TFOdpowi::ask(std::string_view firstLine, std::string_view question, char defaultAnswer,
                  QWidget* returnTo) {
  line1_->setText(output::qtText(firstLine) + ".");
  line2_->setText(output::qtText(question) + " ?");
  return_to_ = returnTo;
  answer_ = defaultAnswer == 'T' ? -1 : -2;
  highlight(defaultAnswer == 'T' ? 1 : 2);
  show();
  raise();
  activateWindow();
  buttons_[highlighted_ - 1]->setFocus();
  // The rest of the program keeps painting and its timer keeps ticking.
  QEventLoop loop;
  while (answer_ < 0) loop.processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
  if (return_to_) {
    return_to_->activateWindow();
    return_to_->setFocus();
  }
  return answer_ == 1 ? 0 : answer_ == 2 ? 1 : 2;
}

void TFOdpowi::highlight(int n) {
  highlighted_ = n;
  for (int i = 0; i < 3; ++i) {
    buttons_[i]->setFlat(i + 1 != n);
    QFont f = buttons_[i]->font();
    f.setBold(i + 1 == n);
    buttons_[i]->setFont(f);
  }
  // Enter answers with the highlighted button, so the hint names that answer.
  static const char* const kEnterAnswers[] = {"TAK", "NIE", "WRÓĆ"};
  hint_->setText(QString::fromUtf8("[enter] = ") + QString::fromUtf8(kEnterAnswers[n - 1]) +
                 QString::fromUtf8("   [esc] = WRÓĆ"));
}

void TFOdpowi::answerWith(int n) {
  if (answer_ > 0) return;
  highlight(n);
  answer_ = n;
  hide();
}

void TFOdpowi::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      answerWith(highlighted_);
      return;
    case Qt::Key_Escape:
      answerWith(3);
      return;
    default:
      break;
  }
  const QString t = event->text().toUpper();
  if (t.size() != 1) return;
  switch (t.at(0).toLatin1()) {
    case 'T':
    case 'Y':
    case 'A':
    case 'D':
    case 'J':
    case 'O':
    case 'S':
      answerWith(1);
      return;
    case 'N':
      answerWith(2);
      return;
    case '4':
    case '7':
      highlight(1);
      buttons_[0]->setFocus();
      return;
    case '1':
    case '6':
      highlight(2);
      buttons_[1]->setFocus();
      return;
    default:
      return;  // other keys are ignored
  }
}

bool TFOdpowi::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    for (int i = 0; i < 3; ++i)
      if (watched == buttons_[i] && answer_ < 0) highlight(i + 1);
  } else if (event->type() == QEvent::KeyPress) {
    // Enter and letters go to the dialog, not to the focused button; Tab moves on.
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

bool TFOdpowi::focusNextPrevChild(bool next) {
  // Tabbing past the last button comes back to " Powrót ".
  if (next && focusWidget() == buttons_[2]) {
    buttons_[2]->setFocus();
    return true;
  }
  return QDialog::focusNextPrevChild(next);
}

void TFOdpowi::closeEvent(QCloseEvent* event) {
  if (answer_ < 0) answer_ = 3;  // closing in any other way answers "Powrót"
  QDialog::closeEvent(event);
}

}  // namespace zefir::gui
