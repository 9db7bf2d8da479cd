// TFViewer, the document viewer: shows one page of a drawn document (OT, LT,
// PT) as a picture, zooms, scrolls and turns its pages, keeps the copies
// choice of each document ("Vie-" and the document code in the settings
// register), chooses the printer, and prints or writes the PDF.
//
// The producer gives the settings and a function that draws the document's
// copies for a copies code; the viewer asks it again after every change of
// the copies choice, and draws the copies with the same painter on its page
// picture, on a printer and on Zefir's own PDF printer. The pages are the
// copies the chosen entry prints (one page a copy). Like the report window it
// works standalone or as the desktop's window of slot 8 (showRequested and
// closeRequested).
#pragma once

#include <QDialog>
#include <QImage>
#include <QSize>
#include <QStringList>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "output/document_viewer_model.h"
#include "output/gui/document_painter.h"

class QComboBox;
class QPushButton;
class QScrollBar;

namespace zefir::shell {
class SettingsRegister;
}

namespace zefir::output {

// Draws a document's copies for a copies code ("okl": original, first and
// second copy; "ee": two unmarked copies).
using CopiesProducer = std::function<std::vector<DocumentCopy>(std::string_view codes)>;

// What the producer gives before opening the viewer.
struct ViewerDocument {
  ViewerSettings settings;
  CopiesProducer produce;
  std::string baseFolder;  // the PDF goes into its PDF/ folder
};

// Prints the copies on a printer, or with Zefir's own PDF printer writes them
// into the base folder's PDF/ named after the first copy's job title (the
// file's path in `pdfPath`); the status line tells where they went. False
// when nothing could be printed.
bool printDocumentCopies(const QString& printer, const std::vector<DocumentCopy>& copies,
                         const std::string& baseFolder, bool calibration, QString* pdfPath);

class TFViewer : public QDialog {
  Q_OBJECT

 public:
  // `memory` keeps the saved copies choices ("Vie-" keys).
  explicit TFViewer(shell::SettingsRegister& memory, QWidget* parent = nullptr);
  ~TFViewer() override;

  // Open: with a setting missing, the message box naming it (the template for
  // setting it goes to the clipboard) and false; else the lists are filled,
  // the window laid out and shown with the first page at the top.
  bool open(ViewerDocument document);

  // "Wydrukuj": the chosen copies on the current printer (Zefir's own PDF
  // printer writes the file as "PDF" does).
  void print();
  // "PDF": the chosen copies through the last printer whose name has "PDF"
  // in it; Zefir's own writes into the base folder's PDF/.
  void printPdf();
  void zoomIn();
  void zoomOut();
  void nextPage();
  void previousPage();
  // "ZAP": saves the copies choice for the document.
  void saveCopiesChoice();
  void setCurrentPrinter(const QString& name);
  // The calibration grid under the document, on screen and on paper.
  void setCalibration(bool on);
  bool calibration() const { return calibration_; }

  // The system's printers (QPrinterInfo by default); Zefir's own PDF printer
  // always follows them.
  void setPrinterSource(std::function<QStringList()> source) { printerSource_ = std::move(source); }
  // The screen the window is fitted to (its own screen by default).
  void setScreenSize(QSize size) { screenSize_ = size; }

  int zoom() const { return zoom_; }
  int page() const { return document_.settings.page; }
  int pageCount() const { return document_.settings.pageCount; }
  int offset() const { return offset_; }
  int panelHeight() const;
  QSize pictureSize() const;
  std::string copiesCode() const;
  const ViewerSettings& settings() const { return document_.settings; }
  QStringList printers() const { return printers_; }
  QString currentPrinter() const { return currentPrinter_; }
  QString lastPdfPath() const { return lastPdf_; }
  QComboBox* copiesList() const { return copies_; }
  QComboBox* printerChooser() const { return chooser_; }
  QWidget* picturePanel() const;
  // The size of the latest layout (the desktop's frame keeps it).
  QSize sizeHint() const override;
  QScrollBar* scrollBar() const { return scroll_; }
  // The page picture as last drawn.
  const QImage& picture() const { return picture_; }

 signals:
  void showRequested();   // the desktop shows the window (without it: show())
  void closeRequested();  // the desktop hides it and brings the parameter set back

 public slots:
  void reject() override;  // "Zamknij", Esc: the settings are reset
  // A window request of the desktop: Open with the settings given so far.
  void openFor(int slot, int value);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void createControls();
  QWidget* frameWidget();
  QPoint dragPoint(const QMouseEvent& event);
  QSize screenSize() const;
  void fillCopiesList();
  void copiesChosen(int index);
  void loadPrinters();
  void layOut();
  void produce();
  void redraw();
  void setOffset(int offset);
  void updateScrollBar();
  void updatePageButtons();
  bool scrollKey(QKeyEvent* event);

  shell::SettingsRegister& memory_;
  ViewerDocument document_;
  std::vector<CopiesEntry> entries_;
  std::vector<DocumentCopy> copies_list_;
  QPushButton *zap_, *print_, *previous_, *smaller_, *larger_, *next_, *close_, *pdf_;
  QComboBox *copies_, *chooser_;
  QWidget* panel_;  // the dark panel the picture lies on
  QScrollBar* scroll_;
  QImage picture_;
  QStringList printers_;
  QString currentPrinter_;
  QString lastPdf_;
  std::function<QStringList()> printerSource_;
  QSize screenSize_;
  QSize laidOut_;
  int zoom_ = kViewerStartZoom;
  int offset_ = 0;
  bool calibration_ = false;
  bool filling_ = false;
  bool updatingScroll_ = false;
  QPoint dragOffset_;
};

}  // namespace zefir::output
