// The analysis variant of the import: what each column of each sheet holds.
#include <algorithm>
#include <map>

#include "operations/import_operations.h"
#include "text/codepage.h"

namespace zefir::operations::import {

namespace {

constexpr std::size_t kFrequentShown = 3;

struct ColumnSummary {
  std::size_t longest = 0;
  std::string pattern;  // "*" where the values differ
  int filled = 0;
  std::map<std::string, int> counts;
};

ColumnSummary summarise(const Sheet& sheet, int column, int rows) {
  ColumnSummary s;
  bool first = true;
  for (int r = 2; r <= rows; ++r) {
    const std::string_view v = sheet.cell(r, column);
    if (v.empty()) continue;
    ++s.filled;
    ++s.counts[std::string(v)];
    s.longest = std::max(s.longest, v.size());
    if (first) {
      s.pattern = std::string(v);
      first = false;
      continue;
    }
    // A character stays where every value has the same one; a value shorter
    // or longer than the others differs in the positions it lacks.
    if (v.size() > s.pattern.size()) s.pattern.resize(v.size(), '*');
    for (std::size_t i = 0; i < s.pattern.size(); ++i)
      if (i >= v.size() || v[i] != s.pattern[i]) s.pattern[i] = '*';
  }
  return s;
}

std::string mostFrequent(const ColumnSummary& s) {
  std::vector<std::pair<std::string, int>> byCount(s.counts.begin(), s.counts.end());
  std::stable_sort(byCount.begin(), byCount.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  std::string out;
  for (std::size_t i = 0; i < byCount.size() && i < kFrequentShown; ++i)
    out += (i ? "; " : "") + byCount[i].first;
  return out;
}

}  // namespace

void writeAnalysis(const Workbook& book, std::string_view fileName, output::ReportBuffer& report) {
  using text::fromUtf8;
  report.beginReport("AP", "Analiza pliku " + std::string(fileName) + ".XLS", 1);
  report.addColumn('p', 4, "Lp");
  report.addColumn('l', 30, "Nazwa pola");
  report.addColumn('p', 4, fromUtf8("Dł."));
  report.addColumn('l', 20, "Ustalone", "zn.");
  report.addColumn('p', 7, fromUtf8("Róż"), fromUtf8("Różnych"));
  report.addColumn('p', 6, fromUtf8("Zapeł."), fromUtf8("Wypeł."));
  report.addColumn('l', 40, fromUtf8("Najczęstsze zapisy"));
  report.endHeaders(std::string(fileName));
  bool firstSheet = true;
  for (const Sheet& sheet : book.sheets) {
    if (!firstSheet) report.addRule('=');
    firstSheet = false;
    const int rows = sheet.usedRows(), columns = sheet.usedColumns();
    report.addRow({"", fromUtf8("Arkusz: ") + sheet.name + fromUtf8(", wierszy ") +
                           std::to_string(std::max(rows - 1, 0))});
    for (int c = 1; c <= columns; ++c) {
      const ColumnSummary s = summarise(sheet, c, rows);
      report.addRow({std::to_string(c), std::string(sheet.cell(1, c)), std::to_string(s.longest),
                     s.pattern, std::to_string(s.counts.size()), std::to_string(s.filled),
                     mostFrequent(s)});
    }
  }
  report.endReport();
}

}  // namespace zefir::operations::import
