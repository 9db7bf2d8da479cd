#include "output/gui/document_viewer.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "output/gui/printer_choice.h"
#include "output/gui/qt_text.h"
#include "platform/status_line.h"
#include "shell/settings_register.h"

namespace zefir::output {

namespace {

const QColor kPanelColour(96, 80, 64);
const QColor kOutsideColour(192, 192, 192);
const QColor kPageColour(226, 228, 229);
constexpr int kPageInset = 3;  // pixels of the grey around the page's top left

// The one-line template for setting what the producer left out.
QString settingTemplate(const std::string& setting) {
  const QString name = qtText(setting);
  if (setting == "DokKod") return "FViewer." + name + " := 'OT';";
  if (setting == "KopRodz") return "FViewer." + name + " := 2;";
  if (setting == "Rozmiar") return "FViewer." + name + " := Rect(0, 0, 210, 297);";
  return "FViewer." + name + " := ...;";
}

}  // namespace

// The dark panel the page picture lies on, at the viewer's offset.
class ViewerPanel : public QWidget {
 public:
  explicit ViewerPanel(TFViewer* viewer) : QWidget(viewer), viewer_(viewer) {
    setFocusPolicy(Qt::StrongFocus);
    setObjectName(QStringLiteral("picturePanel"));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), kPanelColour);
    const QImage& picture = viewer_->picture();
    const int x = std::max(0, (width() - picture.width()) / 2);
    p.drawImage(x, viewer_->offset(), picture);
  }
  void mousePressEvent(QMouseEvent*) override { setFocus(); }

 private:
  TFViewer* viewer_;
};

TFViewer::TFViewer(shell::SettingsRegister& memory, QWidget* parent)
    : QDialog(parent), memory_(memory) {
  setObjectName(QStringLiteral("TFViewer"));
  setWindowTitle(u("Przeglądarka dokumentów"));
  createControls();
  resize(width(), 0);
  // The copies an option prints at once go here until the viewer or the
  // parameter set chooses a printer.
  currentPrinter_ = QPrinterInfo::defaultPrinterName();
  if (currentPrinter_.isEmpty()) currentPrinter_ = kZefirPdfPrinter;
}

TFViewer::~TFViewer() = default;

void TFViewer::createControls() {
  auto button = [this](const char* caption, const char* hint, void (TFViewer::*act)()) {
    auto* b = new QPushButton(u(caption), this);
    b->setToolTip(u(hint));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QPushButton::clicked, this, act);
    return b;
  };
  zap_ = button("ZAP", " Zapamiętaj na przyszłość ", &TFViewer::saveCopiesChoice);
  copies_ = new QComboBox(this);
  copies_->setToolTip(u(" ZAP zapisze to ustawienie na stałe "));
  connect(copies_, &QComboBox::currentIndexChanged, this, &TFViewer::copiesChosen);
  print_ = button("Wydrukuj", " drukuj ", &TFViewer::print);
  previous_ = button("<", " poprzednia strona ", &TFViewer::previousPage);
  smaller_ = button("-", " pomniejsz ", &TFViewer::zoomOut);
  larger_ = button("+", " powiększ ", &TFViewer::zoomIn);
  next_ = button(">", " następna strona ", &TFViewer::nextPage);
  close_ = button("Zamknij", " zakończ ", &TFViewer::reject);
  chooser_ = new QComboBox(this);
  connect(chooser_, &QComboBox::activated, this, [this](int index) {
    if (index < 0 || index >= printers_.size()) return;
    setCurrentPrinter(printers_[index]);
    showStatus(text::fromUtf8("Zm.na \"") + cpText(currentPrinter_) + "\"",
               StatusKind::Information);
  });
  pdf_ = button("PDF", " PDF ", &TFViewer::printPdf);

  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  for (QWidget* w : std::initializer_list<QWidget*>{zap_, copies_, print_, previous_, smaller_,
                                                    larger_, next_, close_, chooser_, pdf_})
    row->addWidget(w);
  row->addStretch();

  panel_ = new ViewerPanel(this);
  panel_->installEventFilter(this);
  scroll_ = new QScrollBar(Qt::Vertical, this);
  connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
    if (!updatingScroll_) setOffset(-value);
  });
  auto* body = new QHBoxLayout;
  body->setContentsMargins(0, 0, 0, 0);
  body->setSpacing(0);
  body->addWidget(panel_, 1);
  body->addWidget(scroll_);

  auto* all = new QVBoxLayout(this);
  all->setContentsMargins(2, 2, 2, 2);
  all->setSpacing(2);
  all->addLayout(row);
  all->addLayout(body, 1);
}

QWidget* TFViewer::picturePanel() const {
  return panel_;
}

QWidget* TFViewer::frameWidget() {
  auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
  return sub ? static_cast<QWidget*>(sub) : this;
}

QSize TFViewer::screenSize() const {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()); sub && sub->parentWidget())
    return sub->parentWidget()->size();
  if (screenSize_.isValid()) return screenSize_;
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  return s ? s->availableGeometry().size() : QSize(1024, 768);
}

bool TFViewer::open(ViewerDocument document) {
  const std::string missing = missingViewerSetting(document.settings);
  if (!missing.empty() || !document.produce) {
    const std::string name = missing.empty() ? "Rysuj" : missing;
    QApplication::clipboard()->setText(settingTemplate(name));
    QMessageBox box(QMessageBox::Warning, u("Wykonaj Shift-Ins w kodzie producenta dokumentu"),
                    u("aViewer wymaga ustawienia ") + qtText(name) + u(" przed FViewer.Jo (...);"),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("missingSetting"));
    box.exec();
    return false;
  }
  document_ = std::move(document);
  fillCopiesList();
  loadPrinters();
  zoom_ = fittedZoom(zoom_, document_.settings.extentWidth, screenSize().width());
  produce();
  layOut();
  offset_ = 0;
  if (isSignalConnected(QMetaMethod::fromSignal(&TFViewer::showRequested))) {
    emit showRequested();
  } else {
    show();
    raise();
    activateWindow();
  }
  layOut();  // a window shown before comes back at its old size otherwise
  panel_->setFocus();
  redraw();
  return true;
}

void TFViewer::openFor(int, int) {
  ViewerDocument given = std::move(document_);
  document_ = ViewerDocument{};
  open(std::move(given));
}

QSize TFViewer::sizeHint() const {
  return laidOut_.isValid() ? laidOut_ : QDialog::sizeHint();
}

void TFViewer::fillCopiesList() {
  filling_ = true;
  entries_ = copiesEntries(document_.settings.copiesKind);
  copies_->clear();
  for (const CopiesEntry& e : entries_) copies_->addItem(u(" ") + u(e.label));
  copies_->setCurrentIndex(savedCopiesIndex(
      document_.settings.copiesKind, memory_.text(viewerKey(document_.settings.documentCode))));
  zap_->setEnabled(false);
  filling_ = false;
}

std::string TFViewer::copiesCode() const {
  const int i = copies_->currentIndex();
  return i >= 0 && i < static_cast<int>(entries_.size()) ? entries_[i].code : "";
}

void TFViewer::copiesChosen(int) {
  if (filling_) return;
  zap_->setEnabled(true);
  produce();
  redraw();
}

void TFViewer::saveCopiesChoice() {
  const Status saved = memory_.set(viewerKey(document_.settings.documentCode),
                                   std::to_string(copies_->currentIndex() + 1));
  if (!saved) {
    showStatus(saved.message(), StatusKind::Error);
    return;
  }
  zap_->setEnabled(false);
}

void TFViewer::produce() {
  copies_list_ = document_.produce ? document_.produce(copiesCode()) : std::vector<DocumentCopy>{};
  ViewerSettings& s = document_.settings;
  s.pageCount = std::max<int>(1, static_cast<int>(copies_list_.size()));
  s.page = std::clamp(s.page, 1, s.pageCount);
  updatePageButtons();
}

void TFViewer::updatePageButtons() {
  previous_->setEnabled(page() > 1);
  next_->setEnabled(page() < pageCount());
}

void TFViewer::layOut() {
  const QSize area = screenSize();
  const int w = picturePixels(document_.settings.extentWidth, zoom_) + 31;
  const ViewerButtonRow row = viewerButtonRow(w - 4);
  zap_->setFixedWidth(39);
  copies_->setFixedWidth(row.copiesList);
  print_->setFixedWidth(row.print);
  print_->setText(row.compact ? QString() : u("Wydrukuj"));
  for (QPushButton* b : {previous_, smaller_, larger_, next_}) b->setFixedWidth(25);
  close_->setFixedWidth(row.close);
  close_->setText(row.compact ? QString() : u("Zamknij"));
  chooser_->setFixedWidth(row.printerList);
  pdf_->setFixedWidth(39);
  const QSize size(w, std::max(area.height() - 34, 200));
  laidOut_ = size;
  QWidget* frame = frameWidget();
  if (frame != this) {
    const QSize border = frame->size() - this->size();
    frame->setGeometry(std::max(0, (area.width() - w) / 2), 0, size.width() + border.width(),
                       size.height());
  } else {
    setGeometry(QRect(QPoint(std::max(0, (area.width() - w) / 2), 0), size));
  }
  resize(size);
}

void TFViewer::redraw() {
  const ViewerSettings& s = document_.settings;
  const double k = zoom_ / 5.0;
  picture_ = QImage(pictureSize(), QImage::Format_RGB32);
  picture_.fill(kOutsideColour);
  QPainter p(&picture_);
  const QRectF pageRect(kPageInset, kPageInset, s.extentWidth * k, s.extentHeight * k);
  p.fillRect(pageRect, kPageColour);
  p.setPen(QPen(Qt::black, 1));
  p.drawRect(pageRect);
  p.setRenderHint(QPainter::Antialiasing);
  if (s.page >= 1 && s.page <= static_cast<int>(copies_list_.size())) {
    const double margin = kDocumentPageMarginMm * k;
    const DocumentCopy& copy = copies_list_[s.page - 1];
    drawDocumentPage(p, pageRect.adjusted(margin, margin, -margin, -margin), k, copy, calibration_);
    setWindowTitle(u(" ") + qtText(copy.title));
  }
  p.end();
  setOffset(offset_);
  panel_->update();
}

QSize TFViewer::pictureSize() const {
  return QSize(picturePixels(document_.settings.extentWidth, zoom_),
               picturePixels(document_.settings.extentHeight, zoom_));
}

int TFViewer::panelHeight() const {
  return panel_->height();
}

void TFViewer::reject() {
  document_ = ViewerDocument{};
  copies_list_.clear();
  zoom_ = kViewerStartZoom;
  if (isSignalConnected(QMetaMethod::fromSignal(&TFViewer::closeRequested)))
    emit closeRequested();
  else
    hide();
}

}  // namespace zefir::output
