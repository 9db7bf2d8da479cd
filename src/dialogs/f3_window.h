// TFOknaF3, the F3 window: edits one section of the asset card field by field.
// Below a fixed bar (title, the buttons Ent, Tab, Zatwierdzam and Anuluj, the
// status panel pSt and the F4/F5 hint PaF) the section's cells stand as
// captioned fields or grid rows; the one edit box sits over the current cell
// and every change in it goes into the cell at once. Accepting copies the
// cells back into the card's state (operations/asset_card).
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

#include "operations/asset_card.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QGridLayout;

namespace zefir::gui {

class TFLisF45;

class TFOknaF3 : public QWidget {
  Q_OBJECT

 public:
  explicit TFOknaF3(QWidget* parent = nullptr);

  void setToday(DayNumber day) { today_ = day; }
  // The pick list F4 and F5 open on a cell.
  void setPickList(TFLisF45* list) { pick_ = list; }
  // Lays out the section `letter` and fills it from the card's state.
  void openSection(char letter);

  char section() const { return section_; }
  QString title() const;
  int cellCount() const { return static_cast<int>(texts_.size()); }
  QString cellText(int index) const;
  int cellIndex(const std::string& code, int row = 0) const;
  int currentCell() const { return current_; }
  QLineEdit* edit() const { return ed_; }
  QLabel* statusPanel() const { return pst_; }
  QPushButton* goButton() const { return go_; }
  bool accepted() const { return accepted_; }

 signals:
  void showRequested(int slot);
  void closeRequested(int slot, bool accepted);

 public slots:
  // A window request for an F3 slot (66 'B' .. 77 'M').
  void openFor(int slot, int value);
  void go();
  void escape();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void clearCells();
  void moveTo(int index);
  bool leaveCell();
  void placeEdit();
  void edited(const QString& text);
  void completeDate();
  void openPickList(bool search);
  int rowStep(int direction) const;
  void finish(bool accepted);
  void status(const std::string& text);

  char section_ = 0;
  int slot_ = 0;
  bool fromDesktop_ = false;
  bool accepted_ = false;
  DayNumber today_ = 0;
  operations::CardLayout layout_;
  std::vector<std::string> texts_;  // code page 1250
  int current_ = -1;
  QPointer<TFLisF45> pick_;
  bool waitingForList_ = false;

  QLabel* lab_;
  QLineEdit* ed_;
  QPushButton* ent_;
  QPushButton* tab_;
  QPushButton* go_;
  QPushButton* esc_;
  QLabel* pst_;
  QLabel* paf_;
  QWidget* body_;
  QGridLayout* grid_;
  std::vector<QLabel*> cells_;
  std::vector<QWidget*> built_;
};

}  // namespace zefir::gui
