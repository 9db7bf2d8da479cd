// TFRaport, the report window: shows the report buffer, pages through it,
// searches it, marks a range of rows and sends it to the printer, to a PDF
// file, and (through the desktop) to the spreadsheet and the audit file.
//
// There is one report buffer and one report window in the program. The window
// makes itself the buffer's observer, so a generator writing the buffer lays
// the window out (end of headers) and shows it (end of report). It works
// standalone (tests, its own top-level window) or as the desktop's window of
// slot 7, in the desktop's sub-window: the desktop connects showRequested()
// and closeRequested() to show and hide it with its slot bookkeeping. The
// "XLS" and "JPK" buttons write their files themselves and then announce them.
#pragma once

#include <QDialog>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

#include "output/gui/printer_choice.h"
#include "output/report_buffer.h"
#include "output/report_context.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace zefir::output {

class ReportTable;

// The "JPK" button writes JPK_ST_KR for a listing that named its year and
// register (and is not the accounting-books or VAT option).
bool writesRegisterFile(const ReportContext& context);

class TFRaport : public QDialog, public ReportObserver {
  Q_OBJECT

 public:
  explicit TFRaport(ReportBuffer& buffer = reportBuffer(), QWidget* parent = nullptr);
  ~TFRaport() override;

  // ReportObserver
  void headersEnded(ReportBuffer& buffer) override;
  int rowsPerPage(ReportBuffer& buffer, Orientation orientation) override;
  void reportEnded(ReportBuffer& buffer) override;

  // Printing (the print buttons): From..To on the current printer.
  void printReport(bool landscape);
  // The "PDF" button: the last printer whose name contains "PDF".
  void printPdf(bool landscape);
  // The "XLS" button: From..To into a workbook in the base folder's XLS
  // folder, then the offer to open it.
  void exportXls();
  QString lastXlsxPath() const { return lastXlsx_; }
  // The "JPK" button: the audit file of the running option.
  void exportJpk();
  // "Zapisz" (Ctrl+S): the buffer as JSON (what zefir-cli render reads), in
  // the file the chooser gives; the status line tells where it went.
  void saveBuffer();
  // Asks for the file to save into, starting from a suggested path; an empty
  // answer saves nothing. By default a file dialog.
  using SavePathChooser = std::function<QString(const QString& suggested)>;
  void setSavePathChooser(SavePathChooser chooser) { chooseSavePath_ = std::move(chooser); }
  void searchForward() { search(true); }
  void searchBackward() { search(false); }
  // Applies entry `index` (0..12) of the range menu at row `row`.
  void applyRangeEntry(int index, int row);

  QStringList printers() const { return printers_; }
  QString currentPrinter() const { return currentPrinter_; }
  void setCurrentPrinter(const QString& name);
  // The last PDF file written by Zefir's own PDF printer.
  QString lastPdfPath() const { return lastPdf_; }
  int visibleRows() const;
  ReportTable* table() const { return table_; }
  QLineEdit* searchField() const { return search_; }
  QLineEdit* fromField() const { return from_; }
  QLineEdit* toField() const { return to_; }
  QScrollBar* scrollBar() const { return scroll_; }
  // The size of the latest layout (a desktop frame that adjusts its size keeps it).
  QSize sizeHint() const override;

 signals:
  void showRequested();   // the desktop shows the window (without it: show())
  void closeRequested();  // the desktop hides the window (without it: hide())
  void xlsWritten(const QString& path);
  void jpkWritten(const QString& path);

 public slots:
  void reject() override;  // "Zamknij", Esc

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void createControls();
  QWidget* frameWidget();
  void sizeControls(const QFont& font);
  void layOut();
  void refresh();
  void updateScrollBar();
  void setTop(int top);
  void search(bool forward);
  void tableClicked(int row);
  void tableRightClicked(int row, QPoint globalPos);
  void rangeEdited();
  void showRange();
  void setButtonsEnabled(bool enabled);
  bool scrollKey(int key);
  void loadPrinters();
  int pageSetUp(const QString& printer, bool landscape);
  void printOn(const QString& printer, bool landscape);
  bool exportProgress(int row);
  void offerToOpen(const QString& path);

  ReportBuffer& buffer_;
  QPushButton *portrait_, *landscape_, *xls_, *jpk_, *pdf_, *save_, *back_, *forward_, *close_;
  QComboBox* chooser_;
  QLineEdit *search_, *from_, *to_;
  QLabel *rowsLabel_, *dotsLabel_;
  ReportTable* table_;
  QScrollBar* scroll_;
  QStringList printers_;
  QString currentPrinter_;
  QString lastPdf_;
  QString lastXlsx_;
  SavePathChooser chooseSavePath_;
  int rememberedWidth_ = 0;  // table width the window was laid out to
  QSize laidOut_;            // the size the last layout gave the window
  int chooserWidth_ = 0;
  bool printing_ = false;
  bool updatingScroll_ = false;
  QPoint dragOffset_;
};

}  // namespace zefir::output
