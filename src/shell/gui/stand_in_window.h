// A window the desktop opens where the real one is still to come (pick list,
// web page, F3 window, parameter-set dialog): it says
// "Opcja w przygotowaniu" with the caption of what was asked for (the chosen
// option's title, or the window's own Polish name); Esc hides it and brings
// the menu back.
#pragma once

#include <QWidget>

class QLabel;

namespace zefir::gui {

class TFPulpit;

class StandInWindow : public QWidget {
  Q_OBJECT

 public:
  // `name` is the window's class name (its object name); `caption` its Polish
  // name, shown when no option title applies. `showsOptions`: the window
  // stands in for the chosen option's parameter set.
  StandInWindow(TFPulpit* desktop, const QString& name, const QString& caption, int slot,
                bool showsOptions);
  int slot() const { return slot_; }
  QString shownText() const;

 public slots:
  // Opened by the desktop's timer for a window request.
  void openFor(int slot, int value);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TFPulpit* desktop_;
  QString caption_;
  int slot_;
  bool shows_options_;
  QLabel* label_;
};

}  // namespace zefir::gui
