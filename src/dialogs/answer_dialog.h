// The answer dialog (TFOdpowi): one yes/no question with three buttons. The
// call returns only after an answer while the rest of the program keeps
// painting.
#pragma once

#include <QDialog>
#include <QPointer>
#include <array>
#include <string>
#include <string_view>

class QLabel;
class QPushButton;

namespace zefir::gui {

class TFOdpowi : public QDialog {
  Q_OBJECT

 public:
  explicit TFOdpowi(QWidget* parent = nullptr);

  // Asks `question` (code page 1250) below `firstLine` (the status line's last
  // text); 'T' makes "Tak" the default, anything else "Nie". Returns 0 for
  // yes, 1 for no, 2 for back; the focus then returns to `returnTo`.
  int ask(std::string_view firstLine, std::string_view question, char defaultAnswer,
          QWidget* returnTo = nullptr);

  // The highlighted button: 1 Tak, 2 Nie, 3 Powrót; and the answer (negative
  // while waiting).
  int highlighted() const { return highlighted_; }
  int answer() const { return answer_; }
  QPushButton* button(int n) const { return buttons_.at(n - 1); }
  // Answers an open question with yes (the administrator's "Logout").
  void answerYes() { answerWith(1); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void highlight(int n);
  void answerWith(int n);

  QLabel* line1_;
  QLabel* line2_;
  QLabel* hint_;  // what Enter answers now, and "[esc] = WRÓĆ"
  std::array<QPushButton*, 3> buttons_{};
  int highlighted_ = 1;
  int answer_ = -1;
  QPointer<QWidget> return_to_;
};

}  // namespace zefir::gui
