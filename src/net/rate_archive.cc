#include "net/rate_archive.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>

#include "net/page_text.h"
#include "platform/file_system.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace zefir::net {

namespace {

std::vector<std::string> fieldsOf(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (start <= line.size()) {
    const auto end = line.find(';', start);
    if (end == std::string_view::npos) {
      // A line without the final ";" still has its last field.
      if (start < line.size()) fields.emplace_back(line.substr(start));
      break;
    }
    fields.emplace_back(line.substr(start, end - start));
    start = end + 1;
  }
  return fields;
}

// "100HUF" or "1THBbat (Tajlandia)": leading digits, then three capitals.
std::optional<RateColumn> currencyOf(std::string_view head) {
  std::size_t digits = 0;
  while (digits < head.size() && std::isdigit(static_cast<unsigned char>(head[digits]))) ++digits;
  if (digits == 0 || digits > 6 || head.size() < digits + 3) return std::nullopt;
  for (std::size_t i = digits; i < digits + 3; ++i)
    if (!std::isupper(static_cast<unsigned char>(head[i]))) return std::nullopt;
  RateColumn column;
  column.code = std::string(head.substr(digits, 3));
  column.unit = static_cast<int>(text::intFromText(head.substr(0, digits)));
  if (column.unit <= 0) return std::nullopt;
  column.head = std::string(head.substr(0, digits + 3));
  return column;
}

bool isTableNumberHead(std::string_view head) {
  return text::plainLetters(text::upperCase(head)).find("TABELI") != std::string::npos;
}

DayNumber dayOfField(std::string_view field) {
  if (field.size() != 8) return 0;
  for (char c : field)
    if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
  const int date = static_cast<int>(text::intFromText(field));
  return text::dayFromDate(date / 10000, date / 100 % 100, date % 100);
}

std::vector<std::string_view> linesOf(std::string_view content) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    auto end = content.find('\n', start);
    if (end == std::string_view::npos) end = content.size();
    auto line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Four decimals as the table quotes them, and as many more as the unit has
// zeros: one forint of "100HUF 1,1365" is 0.011365, where four decimals would
// lose a third of a rupiah's rate.
std::string rateText(long double rate, int unit) {
  int decimals = 4;
  for (int u = unit; u >= 10; u /= 10) ++decimals;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, rate);
  return buffer;
}

}  // namespace

RateArchive readRateArchive(std::string_view content) {
  if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);
  const std::string text = isUtf8(content) ? text::fromUtf8(content) : std::string(content);
  const auto lines = linesOf(text);
  RateArchive archive;
  if (lines.empty()) return archive;

  std::vector<int> rate_fields;  // field index of each column
  int table_field = -1;  // the last table-number column: the full number where there are two
  const auto heads = fieldsOf(lines.front());
  for (std::size_t i = 1; i < heads.size(); ++i) {
    if (auto column = currencyOf(heads[i])) {
      archive.columns.push_back(*column);
      rate_fields.push_back(static_cast<int>(i));
    } else if (isTableNumberHead(heads[i])) {
      table_field = static_cast<int>(i);
    }
  }

  for (std::size_t n = 1; n < lines.size(); ++n) {
    const auto fields = fieldsOf(lines[n]);
    if (fields.empty()) continue;
    RateRow row;
    row.day = dayOfField(fields.front());
    if (row.day == 0) continue;
    if (table_field >= 0 && table_field < static_cast<int>(fields.size()))
      row.table = fields[table_field];
    for (std::size_t c = 0; c < rate_fields.size(); ++c) {
      const int f = rate_fields[c];
      std::optional<long double> rate;
      if (f < static_cast<int>(fields.size())) {
        const auto& field = fields[f];
        if (field.find_first_of("123456789") != std::string::npos)
          rate = text::realFromText(field) / archive.columns[c].unit;
      }
      row.rates.push_back(rate);
    }
    archive.rows.push_back(std::move(row));
  }
  return archive;
}

std::string rateFileText(const RateArchive& archive) {
  std::string out;
  for (std::size_t c = 0; c < archive.columns.size(); ++c) {
    std::vector<std::string> lines;
    for (const auto& row : archive.rows) {
      if (!row.rates[c]) continue;  // no rate that day
      lines.push_back(text::longTextOfDay(row.day) + "  " + std::to_string(row.day) + "  " +
                      rateText(*row.rates[c], archive.columns[c].unit) + "  " + row.table);
    }
    if (lines.empty()) continue;
    lines.back().insert(0, archive.columns[c].head);
    for (const auto& line : lines) out += line + "\r\n";
  }
  return out;
}

std::vector<std::string> readRateFile(std::string_view path) {
  std::vector<std::string> lines;
  const auto content = platform::readWholeFile(path);
  if (!content) return lines;
  for (auto line : linesOf(*content))
    if (!line.empty()) lines.emplace_back(line);
  return lines;
}

std::optional<RateLine> parseRateLine(std::string_view line) {
  RateLine parsed;
  if (const auto column = currencyOf(line)) {
    parsed.head = column->head;
    line.remove_prefix(parsed.head.size());
  }
  const auto date = line.substr(0, 10);
  if (date.size() != 10 || date[2] != '-' || date[5] != '-') return std::nullopt;
  parsed.day = text::dayFromDate(static_cast<int>(text::intFromText(date.substr(6, 4))),
                                 static_cast<int>(text::intFromText(date.substr(3, 2))),
                                 static_cast<int>(text::intFromText(date.substr(0, 2))));
  std::vector<std::string> words;
  std::size_t start = 10;
  while (start < line.size()) {
    const auto begin = line.find_first_not_of(' ', start);
    if (begin == std::string_view::npos) break;
    const auto end = std::min(line.find(' ', begin), line.size());
    words.emplace_back(line.substr(begin, end - begin));
    start = end;
  }
  if (parsed.day == 0 || words.size() < 2) return std::nullopt;
  parsed.rate = words[1];
  if (words.size() > 2) parsed.table = words[2];
  return parsed;
}

}  // namespace zefir::net
