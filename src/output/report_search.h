// The report's search index: every row's cells, stripped of Polish
// diacritics and upper-cased, joined with single blanks. It is built once per
// report and serves every search, so searching a report of 100,000 rows costs
// one pass over one contiguous text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zefir::output {

// The form searched for and indexed: Polish letters (code page 1250 and DOS
// Mazovia forms) made plain, then a-z upper-cased.
std::string searchForm(std::string_view text);
// Polish letters made plain, case kept (the job title uses this).
std::string plainForm(std::string_view text);

class SearchIndex {
 public:
  void clear();
  void reserve(std::size_t rows, std::size_t bytes);
  // Appends the next row (rows are numbered from 1 in the order appended).
  void appendRow(const std::string_view* cells, std::size_t count);
  int rowCount() const { return static_cast<int>(starts_.size()); }
  std::string_view rowText(int row) const;

  // The first row after `start` (forwards) or before it (backwards) whose text
  // contains `pattern` (already in search form), wrapping past either end and
  // stopping before `start` itself; 0 when there is none (always for an empty
  // pattern). `start` may be 0 or rowCount() + 1 to search every row.
  int find(std::string_view pattern, int start, bool forward) const;

 private:
  int rowAt(std::size_t offset) const;
  int findForward(std::string_view pattern, std::size_t begin, std::size_t end) const;
  int findBackward(std::string_view pattern, std::size_t begin, std::size_t end) const;
  std::size_t startOf(int row) const;

  std::string text_;                   // rows separated by '\n'
  std::vector<std::uint32_t> starts_;  // offset of each row's text
};

}  // namespace zefir::output
