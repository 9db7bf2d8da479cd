#include "output/xlsx_export.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <utility>
#include <vector>

#include "output/export_folder.h"
#include "output/report_cells.h"
#include "output/report_search.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::output {

namespace {

constexpr lxw_col_t kFirstColumn = 1;  // buffer column 0 is worksheet column B
constexpr lxw_row_t kFirstRow = 2;     // buffer row From is worksheet row 3
constexpr int kRuleLength = 250;

bool isNumberColumn(char align) {
  return align == 'p' || align == 'b' || align == 'd';
}

// Counts ("Lp", "Liczba") get whole numbers.
bool isCountColumn(const ReportColumn& c) {
  return c.header1.starts_with("Lp") || c.header1.find("iczba") != std::string::npos ||
         c.header2.find("iczba") != std::string::npos;
}

// The workbook with its formats; closing it writes the file.
class Workbook {
 public:
  explicit Workbook(const std::string& path) : book_(workbook_new(path.c_str())) {
    if (!book_) return;
    sheet_ = workbook_add_worksheet(book_, nullptr);
    bold_ = workbook_add_format(book_);
    format_set_bold(bold_);
    boldCentred_ = workbook_add_format(book_);
    format_set_bold(boldCentred_);
    format_set_align(boldCentred_, LXW_ALIGN_CENTER);
    text_ = workbook_add_format(book_);
    format_set_num_format(text_, "@");
    integer_ = workbook_add_format(book_);
    format_set_num_format(integer_, "#,##0");
    decimal_ = workbook_add_format(book_);
    format_set_num_format(decimal_, "#,##0.00");
    left_ = workbook_add_format(book_);
    format_set_align(left_, LXW_ALIGN_LEFT);
  }
  ~Workbook() {
    if (book_) workbook_close(book_);
  }
  bool close() {
    lxw_workbook* book = std::exchange(book_, nullptr);
    return book && workbook_close(book) == LXW_NO_ERROR;
  }
  bool ok() const { return book_ && sheet_; }

  lxw_workbook* book_;
  lxw_worksheet* sheet_ = nullptr;
  lxw_format *bold_ = nullptr, *boldCentred_ = nullptr, *text_ = nullptr, *integer_ = nullptr,
             *decimal_ = nullptr, *left_ = nullptr;
};

struct ColumnPlan {
  bool number = false;
  lxw_format* format = nullptr;
  std::size_t longest = 0;  // characters, for the fitted width
};

std::vector<ColumnPlan> writeHeaders(Workbook& w, const ReportBuffer& buffer,
                                     const XlsxTitles& titles) {
  const auto& columns = buffer.columns();
  std::vector<ColumnPlan> plan(columns.size());
  for (std::size_t j = 0; j < columns.size(); ++j) {
    const ReportColumn& c = columns[j];
    ColumnPlan& p = plan[j];
    p.number = isNumberColumn(c.align);
    p.format = !p.number ? w.text_ : isCountColumn(c) ? w.integer_ : w.decimal_;
    p.longest = std::max(c.align == 'b' ? 0 : c.header1.size(), c.header2.size());
    const auto col = static_cast<lxw_col_t>(kFirstColumn + j);
    const bool pair = c.align == 'b' && j + 1 < columns.size();
    if (pair) {
      worksheet_merge_range(w.sheet_, 0, col, 0, col + 1, text::toUtf8(c.header1).c_str(),
                            w.boldCentred_);
    } else if (c.align != 'd' || j == 0 || columns[j - 1].align != 'b') {
      worksheet_write_string(w.sheet_, 0, col, text::toUtf8(c.header1).c_str(), w.bold_);
    }
    const bool underPair = c.align == 'd' && j > 0 && columns[j - 1].align == 'b';
    worksheet_write_string(w.sheet_, 1, col, text::toUtf8(c.header2).c_str(),
                           pair || underPair ? w.boldCentred_ : w.bold_);
  }
  const auto titleColumn = static_cast<lxw_col_t>(kFirstColumn + columns.size());
  worksheet_write_string(w.sheet_, 0, titleColumn, text::toUtf8(titles.line1).c_str(), w.bold_);
  worksheet_write_string(w.sheet_, 1, titleColumn, text::toUtf8(titles.line2).c_str(), w.bold_);
  return plan;
}

void writeRule(Workbook& w, lxw_row_t row, char rule, std::size_t columns) {
  if (rule == ' ') return;  // an empty line
  const std::string line = text::toUtf8(std::string(kRuleLength, rule));
  worksheet_write_string(w.sheet_, row, 0, line.c_str(), nullptr);
  for (std::size_t j = 0; j < columns; ++j)
    worksheet_write_blank(w.sheet_, row, static_cast<lxw_col_t>(kFirstColumn + j), w.left_);
}

void writeDataRow(Workbook& w, lxw_row_t row, const ReportBuffer& buffer, int r,
                  std::vector<ColumnPlan>& plan) {
  const auto& columns = buffer.columns();
  for (std::size_t j = 0; j < columns.size(); ++j) {
    std::string_view raw = buffer.cell(r, static_cast<int>(j));
    if (raw.empty()) continue;
    const std::string cell = printCell(raw, columns[j].align).text;
    if (cell.empty()) continue;
    ColumnPlan& p = plan[j];
    p.longest = std::max(p.longest, cell.size());
    const auto col = static_cast<lxw_col_t>(kFirstColumn + j);
    if (p.number) {
      if (std::optional<double> n = spreadsheetNumber(cell)) {
        worksheet_write_number(w.sheet_, row, col, *n, p.format);
        continue;
      }
    }
    worksheet_write_string(w.sheet_, row, col, text::toUtf8(cell).c_str(), w.text_);
  }
}

void fitColumns(Workbook& w, const std::vector<ColumnPlan>& plan) {
  worksheet_set_column(w.sheet_, 0, 0, 0.95, nullptr);
  for (std::size_t j = 0; j < plan.size(); ++j) {
    const double width = std::max(2.5, static_cast<double>(plan[j].longest) + 1.0);
    const auto col = static_cast<lxw_col_t>(kFirstColumn + j);
    worksheet_set_column(w.sheet_, col, col, width, plan[j].format);
  }
}

}  // namespace

XlsxTitles xlsxTitles(const ReportContext& ctx, std::string_view stamp) {
  XlsxTitles t;
  t.line1 = "Zefir ver " + ctx.version + "   Opcja " + ctx.menuPosition + " " + ctx.optionCaption +
            "   " + std::string(stamp);
  t.line2 = ctx.organisation;
  if (!ctx.secondOrganisation.empty()) t.line2 += " dla " + ctx.secondOrganisation;
  return t;
}

std::optional<double> spreadsheetNumber(std::string_view cell) {
  std::string plain;
  plain.reserve(cell.size());
  for (char c : cell) {
    if (c == '.' || c == ' ') continue;
    plain += c == ',' ? '.' : c;
  }
  if (plain.empty()) return std::nullopt;
  double value = 0;
  const char* first = plain.data() + (plain[0] == '+' ? 1 : 0);
  const char* last = plain.data() + plain.size();
  auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

XlsxOutcome writeXlsx(const ReportBuffer& buffer, int from, int to, const std::string& path,
                      const XlsxTitles& titles, const XlsxProgress& progress) {
  if (to - from > kXlsxMaxSpan) return XlsxOutcome::TooManyRows;
  Workbook w(path);
  if (!w.ok()) return XlsxOutcome::NotWritten;
  std::vector<ColumnPlan> plan = writeHeaders(w, buffer, titles);
  worksheet_set_row(w.sheet_, 0, LXW_DEF_ROW_HEIGHT, w.bold_);
  worksheet_set_row(w.sheet_, 1, LXW_DEF_ROW_HEIGHT, w.bold_);
  bool cancelled = false;
  from = std::max(from, 1);
  to = std::min(to, buffer.rowCount());
  for (int r = from; r <= to; ++r) {
    if (progress && !progress(r)) {
      cancelled = true;
      break;
    }
    const auto row = static_cast<lxw_row_t>(kFirstRow + (r - from));
    if (buffer.isRule(r))
      writeRule(w, row, buffer.rule(r), plan.size());
    else
      writeDataRow(w, row, buffer, r, plan);
  }
  fitColumns(w, plan);
  worksheet_freeze_panes(w.sheet_, 2, 0);
  worksheet_set_selection(w.sheet_, 2, 1, 2, 1);
  if (!w.close()) return XlsxOutcome::NotWritten;
  return cancelled ? XlsxOutcome::Cancelled : XlsxOutcome::Written;
}

std::string xlsxStamp(const ReportContext& ctx) {
  const std::tm t = localNow();
  std::string stamp =
      text::longTextOfDay(text::dayFromDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday)) + " " +
      text::twoDigits(t.tm_hour) + ":" + text::twoDigits(t.tm_min);
  if (!ctx.workstationMark.empty()) stamp += " " + ctx.workstationMark;
  return stamp;
}

std::string xlsxExportPath(const ReportContext& ctx, std::string_view code) {
  const std::tm t = localNow();
  std::string name;
  for (char c : plainForm(code.empty() ? std::string_view("Raport") : code))
    if (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') name += c;
  char when[64];
  std::snprintf(when, sizeof when, "_%04d-%02d-%02d_%02d%02d%02d", t.tm_year + 1900, t.tm_mon + 1,
                t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
  return (exportFolder(ctx, "XLS") / (name + when + ".xlsx")).string();
}

}  // namespace zefir::output
