// A window the desktop opens where the real one is still to come (pick list,
// document viewer, web page, F3 window, parameter-set dialog): it shows the
// slot it was opened for with the current option's code and title; Esc hides
// it and brings the menu back.
#pragma once

#include <QWidget>

class QLabel;

namespace zefir::gui {

class TFPulpit;

class StandInWindow : public QWidget {
  Q_OBJECT

 public:
  StandInWindow(TFPulpit* desktop, const QString& name, int slot);
  int slot() const { return slot_; }
  QString shownText() const;

 public slots:
  // Opened by the desktop's timer for a window request.
  void openFor(int slot, int value);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TFPulpit* desktop_;
  QString name_;
  int slot_;
  QLabel* label_;
};

}  // namespace zefir::gui
