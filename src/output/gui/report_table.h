// The report window's drawing area: paints the column headers and at most
// 100 rows from the top row, and tells the window where the mouse went.
#pragma once

#include <QWidget>
#include <vector>

#include "output/report_buffer.h"

namespace zefir::output {

// Screen metrics of the table in the report font.
struct TableMetrics {
  double charWidth = 0;  // the 50-character sample's width / 50
  std::vector<int> colX;
  std::vector<int> colW;
  int rowHeight = 0;
  int headerHeight = 0;
  int rightEdge = 0;  // last column's x + its width + 1
};

class ReportTable : public QWidget {
  Q_OBJECT

 public:
  explicit ReportTable(ReportBuffer& buffer, QWidget* parent = nullptr);

  TableMetrics metrics() const;
  // Rows that fit below the header.
  int visibleRows() const;
  // The row at a y in the widget (may lie beyond the report).
  int rowAt(int y) const;
  // The table's width after the last full paint (right edge + 3).
  int tableWidth() const { return tableWidth_; }

 signals:
  void leftClicked(int row);
  void rightClicked(int row, QPoint globalPos);
  void wheelTurned(int notches);  // positive: towards the end of the report

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void paintHeader(QPainter& p, const TableMetrics& m);
  void paintRow(QPainter& p, const TableMetrics& m, int row);

  ReportBuffer& buffer_;
  int tableWidth_ = 0;
};

}  // namespace zefir::output
