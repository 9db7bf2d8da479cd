#include "output/gui/report_table.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "output/gui/qt_text.h"
#include "output/page_setup.h"
#include "output/report_cells.h"

namespace zefir::output {

namespace {

const QColor kLightGrey(224, 224, 224);
const QColor kGreyGreen(208, 215, 208);
const QColor kOutside(128, 128, 128);

}  // namespace

ReportTable::ReportTable(ReportBuffer& buffer, QWidget* parent) : QWidget(parent), buffer_(buffer) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

TableMetrics ReportTable::metrics() const {
  QFontMetrics fm(font());
  TableMetrics m;
  m.charWidth = fm.horizontalAdvance(qtText(kFontSample)) / 50.0;
  int x = 4;
  for (const ReportColumn& c : buffer_.columns()) {
    int w = static_cast<int>(m.charWidth * (c.width + 3));
    m.colX.push_back(x);
    m.colW.push_back(w);
    m.rightEdge = x + w + 1;
    x += w + 6;
  }
  m.rowHeight = fm.height() + 2;
  m.headerHeight = 2 * m.rowHeight + 2;
  return m;
}

int ReportTable::visibleRows() const {
  TableMetrics m = metrics();
  return std::max((height() - m.headerHeight) / m.rowHeight, 0);
}

int ReportTable::rowAt(int y) const {
  TableMetrics m = metrics();
  return (y - m.headerHeight) / m.rowHeight + buffer_.view.top;
}

void ReportTable::paintHeader(QPainter& p, const TableMetrics& m) {
  const auto& cols = buffer_.columns();
  p.setPen(Qt::black);
  for (std::size_t c = 0; c < cols.size(); ++c) {
    if (cols[c].align == 'd') continue;
    int width = m.colW[c] + 4;
    if (cols[c].align == 'b' && c + 1 < cols.size()) width = m.colW[c] + m.colW[c + 1] + 10;
    QRect box(m.colX[c], 0, width, m.headerHeight);
    qDrawShadePanel(&p, box, palette(), false, 1, nullptr);
    p.drawText(QRect(m.colX[c], 2, width, m.rowHeight), Qt::AlignHCenter | Qt::AlignTop,
               qtText(cols[c].header1));
    p.drawText(QRect(m.colX[c], m.rowHeight + 2, width, m.rowHeight),
               Qt::AlignHCenter | Qt::AlignTop, qtText(cols[c].header2));
  }
}

void ReportTable::paintRow(QPainter& p, const TableMetrics& m, int row) {
  const ReportViewState& v = buffer_.view;
  const int y = (row - v.top + 2) * m.rowHeight + 4;
  const bool band = (row - 1) % 10 >= 5;  // rows 6-10, 16-20, ...
  const auto& cols = buffer_.columns();
  for (std::size_t c = 0; c < cols.size(); ++c)
    p.fillRect(m.colX[c], y, m.colW[c] + (cols[c].align == 'b' ? 6 : 0), m.rowHeight,
               band ? kGreyGreen : kLightGrey);
  QColor ink = row == v.current               ? QColor(Qt::red)
               : (row < v.from || row > v.to) ? kOutside
                                              : QColor(Qt::black);
  if (buffer_.isRule(row)) {
    const int mid = y + m.rowHeight / 2;
    switch (buffer_.rule(row)) {
      case '-':
        p.setPen(QPen(ink, 2));
        p.drawLine(3, mid, m.rightEdge, mid);
        break;
      case '.':
        p.setPen(QPen(ink, 1));
        p.drawLine(3, mid, m.rightEdge, mid);
        break;
      case '=':
        p.setPen(QPen(ink, 1));
        p.drawLine(3, mid - 5, m.rightEdge, mid - 5);
        p.setPen(QPen(ink, 2));
        p.drawLine(3, mid, m.rightEdge, mid);
        break;
      default:
        break;
    }
    return;
  }
  QFontMetrics fm(font());
  auto measure = [&fm](std::string_view t) { return fm.horizontalAdvance(qtText(t)); };
  p.setPen(ink);
  for (std::size_t c = 0; c < cols.size(); ++c) {
    PlacedText cell = screenCell(buffer_.cell(row, static_cast<int>(c)), cols[c].align);
    QString text = qtText(fitScreenText(cell.text, m.colW[c], measure));
    int x = m.colX[c] + alignedOffset(cell.align, m.colW[c], fm.horizontalAdvance(text));
    p.drawText(x, y + 1 + fm.ascent(), text);
  }
}

void ReportTable::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kLightGrey);
  const TableMetrics m = metrics();
  paintHeader(p, m);
  ReportViewState& v = buffer_.view;
  const int count = buffer_.rowCount();
  const int visible = std::max((height() - m.headerHeight) / m.rowHeight, 1);
  // The end of a report always fills the window.
  v.top = std::clamp(v.top, 1, std::max(count, 1));
  int last = std::min(v.top + 99, count);
  while (last - v.top + 1 < visible && v.top > 1) {
    --v.top;
    last = std::min(v.top + 99, count);
  }
  for (int r = v.top; r <= last; ++r) paintRow(p, m, r);
  tableWidth_ = m.rightEdge + 3;
}

void ReportTable::mousePressEvent(QMouseEvent* event) {
  const int row = rowAt(event->position().toPoint().y());
  if (event->button() == Qt::LeftButton) emit leftClicked(row);
  if (event->button() == Qt::RightButton) emit rightClicked(row, event->globalPosition().toPoint());
}

void ReportTable::wheelEvent(QWheelEvent* event) {
  const int notches = -event->angleDelta().y() / 120;
  if (notches) emit wheelTurned(notches);
  event->accept();
}

}  // namespace zefir::output
