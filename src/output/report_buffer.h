// The report buffer: the one table every report of the program is written
// into, and the state of the report window that shows it.
//
// A generator writes it only in this order: beginReport, addColumn (up to 17
// times), endHeaders, any number of addRow/addRule, endReport. Starting a new
// report discards the previous one. Texts are code page 1250.
//
// Rows are numbered from 1; columns are indexed from 0 in columns() and cell().
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "output/report_search.h"

namespace zefir::output {

enum class Orientation { Portrait, Landscape };

// Alignment letters: 'l' left, 'c' centred, 'p' right, 'b' right and opening a
// two-column header, 'd' right and under the header of the 'b' before it.
struct ReportColumn {
  char align = 'l';
  int width = 0;  // characters, 0..255
  std::string header1;
  std::string header2;
};

// The character that changes how a cell is aligned (code page 1250 "ţ").
inline constexpr char kCellMarker = '\xFE';

class ReportBuffer;

// What the report window (or zefir-cli) does at the buffer's milestones. The
// default does nothing and lays out pages as 50 rows.
class ReportObserver {
 public:
  virtual ~ReportObserver() = default;
  virtual void headersEnded(ReportBuffer&) {}
  // Page set-up for an orientation: returns the rows per printed page.
  virtual int rowsPerPage(ReportBuffer&, Orientation) { return 50; }
  virtual void reportEnded(ReportBuffer&) {}
};

// The window's state kept with the buffer (the other outputs read it too).
struct ReportViewState {
  int top = 1;      // first row shown
  int current = 0;  // 0 = none
  int from = 1;     // marked range
  int to = 1;
  int rowsPortrait = 50;
  int rowsLandscape = 50;
  int rowsLatest = 50;  // rows per page of the latest page set-up ("P" of the range menu)
  bool busy = false;    // an export runs
  bool cancelRequested = false;
};

class ReportBuffer {
 public:
  static constexpr int kMaxColumns = 17;
  static constexpr std::size_t kMaxText = 100;    // code, title, headers, cells
  static constexpr std::size_t kMaxParams = 250;  // parameter line

  // --- Writing, in this order ---
  void beginReport(std::string_view code, std::string_view title, int stretch);
  // An 18th column is ignored (generators keep within 17).
  void addColumn(char align, int width, std::string_view header1, std::string_view header2 = {});
  void endHeaders(std::string_view params);
  // Cells beyond the given ones are empty; each is trimmed of blanks and cut to
  // 100 characters; cells beyond the column count are dropped.
  void addRow(std::initializer_list<std::string_view> cells);
  void addRow(std::span<const std::string> cells);
  void addRow(std::span<const std::string_view> cells);
  // '-' thick, '.' thin, '=' double; anything else an empty line.
  void addRule(char rule);
  // Adds the closing '=' rule, sets up both page orientations, resets the view.
  void endReport();

  // --- Reading ---
  const std::string& code() const { return code_; }
  const std::string& title() const { return title_; }
  const std::string& params() const { return params_; }
  int stretch() const { return stretch_; }
  const std::vector<ReportColumn>& columns() const { return columns_; }
  int rowCount() const { return static_cast<int>(rows_.size()); }
  bool isRule(int row) const { return rows_[row - 1].rule != 0; }
  char rule(int row) const { return rows_[row - 1].rule; }
  // Empty for rule rows and for columns beyond the row's cells.
  std::string_view cell(int row, int column) const;
  bool ended() const { return ended_; }
  // The window caption: " * Zorza-Soft * " + title + " * " + parameter line + " *".
  std::string caption() const;

  // The search index, built on first use after endHeaders.
  const SearchIndex& searchIndex();
  bool searchIndexValid() const { return indexValid_; }

  ReportViewState view;

  void setObserver(ReportObserver* observer) { observer_ = observer; }
  ReportObserver* observer() const { return observer_; }

 private:
  struct Row {
    char rule = 0;       // 0 for a data row
    std::string packed;  // per column: a length byte, then the text
  };
  void appendCells(const std::string_view* cells, std::size_t count);

  std::string code_, title_, params_;
  int stretch_ = 1;
  std::vector<ReportColumn> columns_;
  std::vector<Row> rows_;
  bool ended_ = false;
  SearchIndex index_;
  bool indexValid_ = false;
  ReportObserver* observer_ = nullptr;
};

// The program's one report buffer.
ReportBuffer& reportBuffer();

// The status text after a page set-up: "Wierszy na str: " R " / " L (kind 2).
void showRowsPerPage(int rows, int landscapeRows);

}  // namespace zefir::output
