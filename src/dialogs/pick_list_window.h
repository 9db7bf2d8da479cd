// TFLisF45, the pick-list window that F4 (list) and F5 (search) open on a
// field: the rows of the field's list, a filter edit, a search edit, the
// calendar for date lists, and the keys that step through the rows. Accepting
// a row leaves its key and description; Esc leaves without a choice.
//
// It works standalone (open(), tests) or as the desktop's pick-list window
// (openFor() for the call remembered in shell/window_requests, which it
// answers when it closes).
//
// On the editable asset list (140) Del deletes the selected asset and Ren
// gives it a new symbol typed into "Nowy symbol", both through the journal
// with the symbol step's questions; the list is then built again.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "operations/pick_list.h"

namespace zefir {
class AssetRegister;
class BaseJournal;
}  // namespace zefir

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zefir::gui {

class TFLisF45 : public QWidget {
  Q_OBJECT

 public:
  explicit TFLisF45(QWidget* parent = nullptr);

  // What the computed lists read; openFor() fills it from the desktop's state
  // (useDesktopSources()).
  void setSources(const operations::PickListSources& sources) { sources_ = sources; }
  void useDesktopSources();
  // The file the text-line lists (" ", Y) show next.
  void setTextFile(const std::string& path) { sources_.textFile = path; }
  // Run when the list of rates (A) opens, before it is built: brings the rate
  // file up to date and answers its path ("" keeps the one in the sources).
  void setRateRefresh(std::function<std::string()> refresh) { rateRefresh_ = std::move(refresh); }
  // The base Del and Ren of list 140 change; without it both stay disabled.
  void setAssetBase(BaseJournal* journal, AssetRegister* reg);
  // Builds the list `listKey` for a field holding `currentText` and shows it;
  // `search` (F5) puts the focus into the search edit.
  void open(int listKey, const std::string& currentText, bool search = false,
            const std::string& extension = {});

  bool chosen() const { return chosen_; }
  const std::string& key() const { return key_; }  // code page 1250
  const std::string& description() const { return description_; }
  const operations::PickList& rows() const { return list_; }
  int currentRow() const;

  QListWidget* listWidget() const { return lis_; }
  QLineEdit* filterEdit() const { return pre_; }
  QLineEdit* searchEdit() const { return pos_; }
  QCalendarWidget* calendar() const { return mc_; }
  QLabel* headerLabel() const { return nl_; }
  QPushButton* goButton() const { return go_; }
  QPushButton* deleteButton() const { return del_; }
  QPushButton* renameButton() const { return ren_; }
  QLineEdit* newSymbolEdit() const { return newSymbol_; }

 signals:
  void showRequested(int slot);
  void closeRequested(int slot, bool chosen);

 public slots:
  // A window request for slot 6: the list of the field remembered by the call.
  void openFor(int slot, int value);
  void go();
  void escape();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void rebuild(const std::string& currentText);
  void select(int row);
  bool listKey(QKeyEvent* event);
  void enterSearch();
  void applyFilter();
  void searchFrom(bool forward);
  void accept();
  void acceptCalendar(bool clamp);
  void finish(bool chosen);
  void followSelection();
  bool editsAssets() const;
  std::string selectedKey() const;
  void deleteSelected();
  void startRename();
  void renameSelected();
  void endRename();
  void showAgainAt(const std::string& symbol);

  operations::PickListSources sources_;
  std::function<std::string()> rateRefresh_;
  BaseJournal* journal_ = nullptr;
  AssetRegister* assets_ = nullptr;
  std::string renaming_;  // the symbol Ren is renaming
  operations::PickList list_;
  int listKey_ = 0;
  std::string extension_;
  std::string search_;
  int mode_ = 1;  // 0 filter edit, 2 search edit, else the list
  bool chosen_ = false;
  bool fromDesktop_ = false;
  std::string key_;
  std::string description_;

  QLabel* kind_;
  QLabel* nl_;
  QListWidget* lis_;
  QLineEdit* pre_;
  QLineEdit* pos_;
  QPushButton* go_;
  QPushButton* esc_;
  QPushButton* ren_;
  QPushButton* del_;
  QLabel* newSymbolLabel_;
  QLineEdit* newSymbol_;
  QCalendarWidget* mc_;
  QLabel* logo_;
  QLabel* czeka_;
};

// This year's rate file in the program folder, which list A reads.
std::string desktopRateFile();
// The desktop's refresh before list A: the archive from the address kept
// under `AdrNBP.xxx` (a folder address, a ".csv" address or a local file)
// into desktopRateFile(), unless that was written today; answers its path.
// A failed download leaves the file as it was, without a message.
std::string refreshDesktopRates();

}  // namespace zefir::gui
