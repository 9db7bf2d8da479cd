// TFZestaw, the parameter-set dialog: every option of the menu and every
// settings page runs through it. Built anew for each window request from the
// option catalogue (or the settings pages), it lays the fields out line by
// line, lets the user fill them from the keyboard, and on Go stores them
// (settings into the registers, the rest remembered for the next opening),
// checks them and runs the option through WykonaOpc.
//
// It works standalone (tests) or as the desktop's parameter-set window: the
// desktop connects showRequested() and closeRequested() to place, show and
// hide it with its slot bookkeeping, and printerChosen() to the report
// window's printer.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "operations/operation_registry.h"
#include "operations/option_catalogue.h"
#include "operations/output_choices.h"
#include "shell/desktop_settings.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace zefir::gui {

class TFZestaw : public QWidget, public operations::ReportBracket {
  Q_OBJECT

 public:
  explicit TFZestaw(QWidget* parent = nullptr);
  ~TFZestaw() override;

  // The installed printers (by default the system's); Zefir's own PDF
  // printer is always offered after them.
  void setPrinters(const QStringList& names);
  // The settings the desktop writes back at close; a page's change updates
  // them too.
  void setCarriedSettings(shell::DesktopSettings* settings) { carried_ = settings; }
  void setToday(DayNumber day) { today_ = day; }

  // The values typed into fields that no setting keeps, by field code (see
  // Input::rememberKey); they
  // come back when an option with that field opens again.
  static std::map<std::string, std::string>& rememberedValues();

  int slot() const { return slot_; }
  const operations::OptionInfo* option() const { return option_; }
  int fieldCount() const { return static_cast<int>(inputs_.size()); }
  QLineEdit* field(int index) const;
  QLineEdit* field(const QString& code) const;  // the first with that code
  QString fieldCode(int index) const;
  int currentField() const { return current_; }
  QPushButton* goButton() const { return go_; }
  QPushButton* cancelButton() const { return cancel_; }
  QWidget* outputPanel() const { return output_panel_; }
  QListWidget* outputList() const { return output_list_; }
  QComboBox* printerList() const { return printers_; }
  QPushButton* pdfButton() const { return pdf_; }
  QPushButton* pdfOriginalButton() const { return pdf_original_; }
  QPushButton* saveDefaultButton() const { return save_default_; }
  QLabel* messagePanel() const { return message_; }
  QStringList labelTexts() const;
  // A display field of the asset edit form ("eNaD", "eZwi", ...), or nullptr.
  QLineEdit* displayField(const QString& code) const;
  bool running() const { return running_; }

  // ReportBracket
  void begin(const std::string& period) override;
  void end(output::ReportBuffer& report, const Status& result) override;

 signals:
  void showRequested(int slot);   // place and show the dialog
  void closeRequested(int slot);  // hide it and bring the menu back
  void printerChosen(const QString& name);

 public slots:
  // A window request: value 1 builds the dialog for the slot anew; 2..5
  // (back from an F3 window or a pick list) show it as it was.
  void openFor(int slot, int value);
  void build(int slot);
  void go();
  void escape();
  void saveOutputAsDefault();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  struct Input {
    operations::FieldPlacement placement;
    const operations::FieldInfo* info = nullptr;  // null for a settings page's own field
    QLineEdit* edit = nullptr;
    QString previous;  // the value it opened with (F6, F7)
    // The key it is remembered under: the code, and for a code repeated in
    // the layout (grid cells, pattern lines) the code and its place, "WzoA#2".
    std::string rememberKey;
  };
  class MirroringStatusLine;
  void mirrorStatus();      // the message panel follows the status line
  int statusCount() const;  // messages shown since the dialog was created

  void clearFields();
  std::vector<operations::LayoutLine> declaredLines();
  void layOut(const std::vector<operations::LayoutLine>& lines);
  void buildOutputPanel(int x, int top);
  void grow();
  QString initialText(const Input& input) const;
  operations::FieldContext fieldContext() const;

  // Field moves (parameter_set_keys.cc).
  bool fieldKey(int index, QKeyEvent* event);
  void enterField(int index);
  bool leaveField(int index);
  void enterKey(int index);
  void f3Key(int index);
  void pickListKey(int index, int key);
  void repeatKey(int index);
  void onEdited(int index);

  // The asset edit form of option 11 (parameter_set_editor.cc): its fields
  // show the program's edit form and write into it when accepted.
  bool editForm() const;
  void loadEditForm();
  void fillEditForm();
  // False when the field refused the text (its text is put back).
  bool storeEditField(int index, const std::string& text);
  bool pagingKey(int index, int key);
  void dropUnsavedEdits();
  void afterEditFormSave(const Status& saved);
  // The dictionary editors, options 55 to 58 (parameter_set_dictionaries.cc):
  // the grid's window over the dictionary's 999 slots, the classification
  // entry's fields filled when its symbol is accepted, paging in `HKSE`.
  void loadEditor();
  bool editorKey(int index, int key);
  void editorAccepted(int index);
  void editorAfterRun(const operations::FieldValues& values);
  void storeGridWindow();
  void fillGrid();
  std::string acceptedSymbol_;  // the classification symbol whose entry the fields show

  // Go (parameter_set_go.cc).
  bool storeFields(operations::FieldValues& values);
  void runWith(const std::string& outputCode, const QString& outputText, const QString& printer);
  // The login page's and the password page's Go.
  void logIn(const operations::FieldValues& values);
  void changePassword(const operations::FieldValues& values);
  void goPdf(bool original);
  QString chosenPrinter() const;

  int slot_ = 0;
  const operations::OptionInfo* option_ = nullptr;
  std::vector<Input> inputs_;
  std::vector<QWidget*> widgets_;  // everything built for the slot
  std::map<std::string, QLineEdit*> displays_;
  bool keepEdits_ = false;  // the focus goes back to the symbol without reloading
  std::vector<operations::OutputChoice> choices_;
  int current_ = -1;
  bool running_ = false;
  bool stop_requested_ = false;
  DayNumber today_ = 0;
  QStringList printer_names_;
  bool printers_given_ = false;
  shell::DesktopSettings* carried_ = nullptr;
  std::unique_ptr<MirroringStatusLine> mirror_;

  QPushButton* go_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QWidget* output_panel_ = nullptr;
  QListWidget* output_list_ = nullptr;
  QComboBox* printers_ = nullptr;
  QPushButton* pdf_ = nullptr;
  QPushButton* pdf_original_ = nullptr;
  QPushButton* save_default_ = nullptr;
  QLabel* message_ = nullptr;
  QLabel* memo_ = nullptr;
};

}  // namespace zefir::gui
