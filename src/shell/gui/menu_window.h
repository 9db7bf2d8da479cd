// The menu window (TFMen): the main list of lettered areas, the submenu list
// beside it, the function-key panels and the help panel. The keyboard logic
// is the core's MenuModel; this window shows it and sends the choices on.
#pragma once

#include <QFile>
#include <QWidget>
#include <memory>

#include "shell/menu_model.h"

class QListWidget;
class QLabel;

namespace zefir::gui {

class TFPulpit;

class TFMen : public QWidget {
  Q_OBJECT

 public:
  explicit TFMen(TFPulpit* desktop);

  // Builds the lists in the window font (compact layout: tighter items).
  void applyFont(const QFont& font, bool compact);
  // Shown through the window request of slot 3.
  void showMenu(int value);
  void setListEnabled(bool enabled);
  // A command file whose lines are read while the menu is shown.
  void setCommandFile(const QString& path);

  QListWidget* mainList() const { return main_; }
  QListWidget* subList() const { return sub_; }
  const shell::MenuModel& model() const { return model_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build();
  void handle(const shell::MenuAction& action);
  void runOption(const shell::MenuOption& option);
  void settingsPage(int key);
  void syncLists();
  void fillSubmenu();
  void keepInsideDesktop();
  void readCommandLines();

  TFPulpit* desktop_;
  QListWidget* main_;
  QListWidget* sub_;
  QWidget* keys_;
  QLabel* help_;
  shell::MenuModel model_;
  int item_height_ = 24;
  bool compact_ = false;
  std::unique_ptr<QFile> commands_;
};

}  // namespace zefir::gui
