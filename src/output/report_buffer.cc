#include "output/report_buffer.h"

#include <algorithm>

#include "platform/status_line.h"
#include "text/codepage.h"

namespace zefir::output {

namespace {

std::string_view cut(std::string_view text, std::size_t limit) {
  return text.substr(0, limit);
}

std::string_view trimmed(std::string_view text) {
  std::size_t b = text.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  std::size_t e = text.find_last_not_of(' ');
  return text.substr(b, e - b + 1);
}

}  // namespace

void ReportBuffer::beginReport(std::string_view code, std::string_view title, int stretch) {
  code_ = cut(code, kMaxText);
  title_ = cut(title, kMaxText);
  stretch_ = stretch;
  params_.clear();
  columns_.clear();
  rows_.clear();
  ended_ = false;
  index_.clear();
  indexValid_ = false;
}

void ReportBuffer::addColumn(char align, int width, std::string_view header1,
                             std::string_view header2) {
  if (static_cast<int>(columns_.size()) >= kMaxColumns) return;
  columns_.push_back(ReportColumn{align, std::clamp(width, 0, 255),
                                  std::string(cut(header1, kMaxText)),
                                  std::string(cut(header2, kMaxText))});
}

void ReportBuffer::endHeaders(std::string_view params) {
  params_ = cut(params, kMaxParams);
  rows_.clear();
  ended_ = false;
  index_.clear();
  indexValid_ = false;
  view = ReportViewState{.rowsPortrait = view.rowsPortrait,
                         .rowsLandscape = view.rowsLandscape,
                         .rowsLatest = view.rowsLatest};
  if (observer_) observer_->headersEnded(*this);
}

void ReportBuffer::appendCells(const std::string_view* cells, std::size_t count) {
  Row row;
  std::size_t columns = columns_.size();
  row.packed.reserve(columns * 8);
  for (std::size_t i = 0; i < columns; ++i) {
    std::string_view text = i < count ? cut(trimmed(cells[i]), kMaxText) : std::string_view{};
    row.packed += static_cast<char>(text.size());
    row.packed += text;
  }
  rows_.push_back(std::move(row));
  indexValid_ = false;
}

void ReportBuffer::addRow(std::initializer_list<std::string_view> cells) {
  appendCells(cells.begin(), cells.size());
}

void ReportBuffer::addRow(std::span<const std::string_view> cells) {
  appendCells(cells.data(), cells.size());
}

void ReportBuffer::addRow(std::span<const std::string> cells) {
  std::vector<std::string_view> views(cells.begin(), cells.end());
  appendCells(views.data(), views.size());
}

void ReportBuffer::addRule(char rule) {
  Row row;
  // A rule row keeps its character; a NUL would read as a data row.
  row.rule = rule ? rule : ' ';
  rows_.push_back(std::move(row));
  indexValid_ = false;
}

std::string_view ReportBuffer::cell(int row, int column) const {
  const std::string& packed = rows_[row - 1].packed;
  std::size_t pos = 0;
  for (int c = 0; pos < packed.size(); ++c) {
    std::size_t len = static_cast<unsigned char>(packed[pos]);
    if (c == column) return std::string_view(packed).substr(pos + 1, len);
    pos += 1 + len;
  }
  return {};
}

void ReportBuffer::endReport() {
  addRule('=');
  ended_ = true;
  ReportObserver fallback;
  ReportObserver& pages = observer_ ? *observer_ : fallback;
  view.rowsLandscape = pages.rowsPerPage(*this, Orientation::Landscape);
  view.rowsPortrait = pages.rowsPerPage(*this, Orientation::Portrait);
  view.rowsLatest = view.rowsPortrait;
  showRowsPerPage(view.rowsPortrait, view.rowsLandscape);
  view.current = 0;
  view.from = 1;
  view.to = rowCount();
  view.top = 1;
  if (observer_) observer_->reportEnded(*this);
}

std::string ReportBuffer::caption() const {
  return " * Zorza-Soft * " + title_ + " * " + params_ + " *";
}

const SearchIndex& ReportBuffer::searchIndex() {
  if (!indexValid_) {
    index_.clear();
    std::size_t bytes = 0;
    for (const Row& row : rows_) bytes += row.packed.size() + columns_.size();
    index_.reserve(rows_.size(), bytes);
    std::vector<std::string_view> cells(columns_.size());
    for (int r = 1; r <= rowCount(); ++r) {
      for (std::size_t c = 0; c < cells.size(); ++c) cells[c] = cell(r, static_cast<int>(c));
      index_.appendRow(cells.data(), cells.size());
    }
    indexValid_ = true;
  }
  return index_;
}

ReportBuffer& reportBuffer() {
  static ReportBuffer buffer;
  return buffer;
}

void showRowsPerPage(int rows, int landscapeRows) {
  showStatus(text::fromUtf8("Wierszy na str: ") + std::to_string(rows) + " / " +
                 std::to_string(landscapeRows),
             StatusKind::Information);
}

}  // namespace zefir::output
