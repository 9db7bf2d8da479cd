// The document viewer's picture: zoom, pages, scrolling by keys, wheel and
// scroll bar, the calibration option, and dragging the window.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include "output/gui/document_viewer.h"
#include "output/gui/qt_text.h"

namespace zefir::output {

namespace {

// The code shown in the caption for each scrolling key (the keyboard's
// virtual key codes, as the accountants know them from the other windows).
int keyCode(const QKeyEvent& e) {
  switch (e.key()) {
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Plus:
      return 107;
    case Qt::Key_Minus:
      return 109;
    default:
      return e.key() & 0xffff;
  }
}

}  // namespace

void TFViewer::setOffset(int offset) {
  offset_ = clampedOffset(offset, panelHeight(), picture_.height());
  updateScrollBar();
  panel_->update();
}

void TFViewer::updateScrollBar() {
  updatingScroll_ = true;
  scroll_->setRange(0, std::max(0, picture_.height() - panelHeight()));
  scroll_->setPageStep(std::max(1, panelHeight()));
  scroll_->setValue(-offset_);
  updatingScroll_ = false;
}

void TFViewer::zoomIn() {
  zoom_ = zoomedIn(zoom_);
  redraw();
}

void TFViewer::zoomOut() {
  zoom_ = zoomedOut(zoom_);
  redraw();
}

void TFViewer::nextPage() {
  if (page() >= pageCount()) return;
  ++document_.settings.page;
  updatePageButtons();
  redraw();
}

void TFViewer::previousPage() {
  if (page() <= 1) return;
  --document_.settings.page;
  updatePageButtons();
  redraw();
}

void TFViewer::setCalibration(bool on) {
  calibration_ = on;
  if (isVisible()) redraw();
}

bool TFViewer::scrollKey(QKeyEvent* e) {
  const bool keypad = e->modifiers() & Qt::KeypadModifier;
  switch (e->key()) {
    case Qt::Key_PageUp:
      setOffset(offset_ + 300);
      break;
    case Qt::Key_PageDown:
      setOffset(offset_ - 300);
      break;
    case Qt::Key_Home:
      setOffset(0);
      break;
    case Qt::Key_End:
      setOffset(panelHeight() - picture_.height());
      break;
    case Qt::Key_Up:
      setOffset(offset_ + 30);
      break;
    case Qt::Key_Down:
      setOffset(offset_ - 30);
      break;
    case Qt::Key_Plus:
      if (!keypad) return false;
      zoomIn();
      break;
    case Qt::Key_Minus:
      if (!keypad) return false;
      zoomOut();
      break;
    default:
      return false;
  }
  const int page = document_.settings.page;
  const QString title = page >= 1 && page <= static_cast<int>(copies_list_.size())
                            ? qtText(copies_list_[page - 1].title)
                            : QString();
  setWindowTitle(u(" ") + title + u("   ") + QString::number(keyCode(*e)));
  return true;
}

bool TFViewer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == panel_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    // Ctrl+K: the calibration grid under the document, on or off.
    if (key->key() == Qt::Key_K && (key->modifiers() & Qt::ControlModifier)) {
      setCalibration(!calibration_);
      return true;
    }
    return scrollKey(key);
  }
  if (watched == panel_ && event->type() == QEvent::Wheel) {
    setOffset(offset_ + wheelScroll(static_cast<QWheelEvent*>(event)->angleDelta().y(), zoom_));
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TFViewer::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  setOffset(offset_);
}

// The window follows the mouse pressed on its background (inside the
// desktop, its frame does).
QPoint TFViewer::dragPoint(const QMouseEvent& event) {
  const QPoint global = event.globalPosition().toPoint();
  QWidget* parent = frameWidget()->parentWidget();
  return parent ? parent->mapFromGlobal(global) : global;
}

void TFViewer::mousePressEvent(QMouseEvent* event) {
  dragOffset_ = dragPoint(*event) - frameWidget()->pos();
}

void TFViewer::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) frameWidget()->move(dragPoint(*event) - dragOffset_);
}

}  // namespace zefir::output
