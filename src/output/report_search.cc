#include "output/report_search.h"

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>

#include "text/codepage.h"

namespace zefir::output {

namespace {

// The text helpers' forms as byte tables: the index maps every byte of a
// report of 100,000 rows, so it looks each one up rather than building strings.
std::array<unsigned char, 256> tableOf(std::string (*form)(std::string_view)) {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) {
    char c = static_cast<char>(i);
    t[i] = static_cast<unsigned char>(form(std::string_view(&c, 1))[0]);
  }
  return t;
}

std::string searchStarted(std::string_view text) {
  return text::searchForm(text, true);
}

const std::array<unsigned char, 256> kPlain = tableOf(text::plainLetters);
const std::array<unsigned char, 256> kSearch = tableOf(searchStarted);

std::string mapped(std::string_view text, const std::array<unsigned char, 256>& table) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
  return out;
}

}  // namespace

std::string searchForm(std::string_view text) {
  return mapped(text, kSearch);
}
std::string plainForm(std::string_view text) {
  return mapped(text, kPlain);
}

void SearchIndex::clear() {
  text_.clear();
  starts_.clear();
}

void SearchIndex::reserve(std::size_t rows, std::size_t bytes) {
  starts_.reserve(rows);
  text_.reserve(bytes);
}

void SearchIndex::appendRow(const std::string_view* cells, std::size_t count) {
  starts_.push_back(static_cast<std::uint32_t>(text_.size()));
  // The blanks between cells and the row's '\n' (a row without cells still ends).
  std::size_t length = std::max<std::size_t>(count, 1);
  for (std::size_t i = 0; i < count; ++i) length += cells[i].size();
  std::size_t at = text_.size();
  text_.resize(at + length);
  char* out = text_.data() + at;
  for (std::size_t i = 0; i < count; ++i) {
    if (i) *out++ = ' ';
    for (unsigned char c : cells[i]) *out++ = static_cast<char>(kSearch[c]);
  }
  *out = '\n';
}

std::size_t SearchIndex::startOf(int row) const {
  return row > rowCount() ? text_.size() : starts_[row - 1];
}

std::string_view SearchIndex::rowText(int row) const {
  std::size_t b = startOf(row), e = startOf(row + 1);
  return std::string_view(text_).substr(b, e - b - 1);
}

int SearchIndex::rowAt(std::size_t offset) const {
  auto it = std::upper_bound(starts_.begin(), starts_.end(), offset);
  return static_cast<int>(it - starts_.begin());
}

int SearchIndex::findForward(std::string_view pattern, std::size_t begin, std::size_t end) const {
  if (begin >= end) return 0;
  const char* first = text_.data() + begin;
  const char* last = text_.data() + end;
  const char* hit =
      std::search(first, last, std::boyer_moore_horspool_searcher(pattern.begin(), pattern.end()));
  return hit == last && !pattern.empty() ? 0 : rowAt(static_cast<std::size_t>(hit - text_.data()));
}

int SearchIndex::findBackward(std::string_view pattern, std::size_t begin, std::size_t end) const {
  if (begin >= end) return 0;
  if (pattern.empty()) return rowAt(end - 1);
  std::reverse_iterator<const char*> rfirst(text_.data() + end), rlast(text_.data() + begin);
  auto hit = std::search(rfirst, rlast,
                         std::boyer_moore_horspool_searcher(pattern.rbegin(), pattern.rend()));
  if (hit == rlast) return 0;
  std::size_t start = end - static_cast<std::size_t>(hit - rfirst) - pattern.size();
  return rowAt(start);
}

int SearchIndex::find(std::string_view pattern, int start, bool forward) const {
  // A row's text never holds '\n', so such a pattern could only match across rows;
  // nothing typed finds nothing (not merely the next row).
  if (pattern.empty() || pattern.find('\n') != std::string_view::npos || rowCount() == 0) return 0;
  start = std::clamp(start, 0, rowCount() + 1);
  std::size_t before = start >= 1 ? startOf(start) : 0;  // rows 1 .. start-1
  std::size_t after = startOf(start + 1);                // rows start+1 .. last
  if (start == 0) after = 0;
  if (forward) {
    if (int row = findForward(pattern, after, text_.size())) return row;
    return findForward(pattern, 0, before);
  }
  if (int row = findBackward(pattern, 0, before)) return row;
  return findBackward(pattern, after, text_.size());
}

}  // namespace zefir::output
