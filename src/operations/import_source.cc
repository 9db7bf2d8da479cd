// The workbook shape shared by the import's readers, the choice of reader by
// extension, and the CSV reader.
#include "operations/import_source.h"

#include <algorithm>
#include <optional>

#include "platform/file_system.h"
#include "text/codepage.h"

namespace zefir::operations::import {

namespace {

std::string lowerExtension(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
  std::string ext(path.substr(dot + 1));
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

// True when the text is well-formed UTF-8 holding at least one multi-byte
// character; plain ASCII reads the same either way.
bool looksLikeUtf8(std::string_view s) {
  bool multi = false;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    const int extra = (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : 0;
    if (extra == 0 || c < 0xC2 || i + extra >= s.size()) return false;
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    multi = true;
    i += extra + 1;
  }
  return multi;
}

// The separator of the first line: ";" unless it holds more commas.
char separatorOf(std::string_view text) {
  const std::string_view first = text.substr(0, text.find('\n'));
  return std::count(first.begin(), first.end(), ',') > std::count(first.begin(), first.end(), ';')
             ? ','
             : ';';
}

std::string cut(std::string s) {
  if (s.size() > kMaxCellText) s.resize(kMaxCellText);
  return s;
}

}  // namespace

std::string_view Sheet::cell(int row, int column) const {
  if (row < 1 || column < 1 || row > rowCount()) return {};
  const auto& r = rows_[row - 1];
  return column > static_cast<int>(r.size()) ? std::string_view{} : std::string_view(r[column - 1]);
}

Status Sheet::set(int row, int column, std::string text) {
  if (row < 1 || column < 1 || row > kMaxSourceRows || column > kMaxSourceColumns)
    return Status::Error(text::fromUtf8("Arkusz ") + name +
                         text::fromUtf8(": za dużo wierszy lub kolumn (najwyżej ") +
                         std::to_string(kMaxSourceRows) + " x " +
                         std::to_string(kMaxSourceColumns) + ")");
  if (text.empty() && row > rowCount()) return Status::Ok();
  if (row > rowCount()) rows_.resize(row);
  auto& r = rows_[row - 1];
  if (column > static_cast<int>(r.size())) {
    if (text.empty()) return Status::Ok();
    r.resize(column);
  }
  r[column - 1] = cut(std::move(text));
  return Status::Ok();
}

int Sheet::usedRows() const {
  int n = 0;
  while (!cell(n + 1, 1).empty()) ++n;
  return n;
}

int Sheet::usedColumns() const {
  int n = 0;
  while (!cell(1, n + 1).empty()) ++n;
  return n;
}

const Sheet* Workbook::sheet(std::string_view name) const {
  const std::string wanted = text::upperCase(name);
  for (const Sheet& s : sheets)
    if (text::upperCase(s.name) == wanted) return &s;
  return nullptr;
}

namespace {

std::string headKey(std::string_view head) {
  std::string out;
  for (char c : text::upperCase(text::plainLetters(head)))
    if (std::isalnum(static_cast<unsigned char>(c))) out += c;
  return out;
}

}  // namespace

ColumnPlaces columnsByHead(const Sheet& sheet, const std::vector<std::string>& headsUtf8,
                           bool byPositionWithoutHeads) {
  ColumnPlaces places;
  const int used = sheet.usedColumns();
  bool matched = false;
  for (const std::string& head : headsUtf8) {
    const std::string key = headKey(text::fromUtf8(head));
    int found = 0;
    for (int c = 1; c <= used && !found; ++c)
      if (headKey(sheet.cell(1, c)) == key) found = c;
    matched = matched || found;
    places.columns.push_back(found);
  }
  if (!matched && byPositionWithoutHeads) {
    places.byPosition = true;
    for (std::size_t i = 0; i < places.columns.size(); ++i)
      places.columns[i] = static_cast<int>(i) < used ? static_cast<int>(i) + 1 : 0;
  }
  return places;
}

std::string ColumnPlaces::lacking(const std::vector<std::string>& headsUtf8) const {
  std::vector<std::size_t> all(headsUtf8.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
  return lacking(headsUtf8, all);
}

std::string ColumnPlaces::lacking(const std::vector<std::string>& headsUtf8,
                                  const std::vector<std::size_t>& which) const {
  std::string list;
  int count = 0;
  for (std::size_t i = 0; i < columns.size() && i < headsUtf8.size(); ++i)
    if (!columns[i] && std::ranges::find(which, i) != which.end()) {
      list += (count++ ? ", \"" : "\"") + text::fromUtf8(headsUtf8[i]) + "\"";
    }
  if (count == 0) return {};
  return (count == 1 ? "brak kolumny " : "brak kolumn ") + list;
}

std::string unreadableText() {
  return "Musisz najpierw zapisac dane w Excelu";
}

Status damagedSource(std::string_view path, std::string_view why) {
  return Status::Error("Plik " + stemOf(path) + ": " + std::string(why));
}

std::string stemOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

Status readWorkbook(const std::string& path, Workbook& book) {
  book.sheets.clear();
  if (!platform::exists(path) || platform::isFolder(path))
    return Status::Error("Nie ma pliku \"" + path + "\"");
  const std::string ext = lowerExtension(path);
  Status s = ext == "csv"    ? readCsv(path, book)
             : ext == "xlsx" ? readXlsx(path, book)
             : ext == "ods"  ? readOds(path, book)
             : ext == "xls"  ? readXls(path, book)
             : ext == "dbf"  ? readDbf(path, book)
                             : Status::Error(unreadableText());
  if (!s) book.sheets.clear();
  return s;
}

// A CSV file: ";" or "," between cells (whichever the first line holds
// more of), cells in double quotes may hold separators, line ends and
// doubled quotes; UTF-8 (with or without its mark) or code page 1250.
Status readCsv(const std::string& path, Workbook& book) {
  const std::optional<std::int64_t> size = platform::fileSize(path);
  if (!size) return Status::Error(unreadableText());
  if (static_cast<std::size_t>(*size) > kMaxPartBytes)
    return damagedSource(path, text::fromUtf8("plik za duży"));
  std::optional<std::string> raw = platform::readWholeFile(path);
  if (!raw) return Status::Error(unreadableText());
  std::string_view data = *raw;
  if (data.starts_with("\xEF\xBB\xBF")) data.remove_prefix(3);
  const bool utf8 = looksLikeUtf8(data);
  const char sep = separatorOf(data);
  Sheet sheet;
  sheet.name = stemOf(path);
  int row = 1, column = 1;
  std::string cell;
  bool quoted = false, any = false;
  auto flush = [&]() -> Status {
    Status s = sheet.set(row, column, utf8 ? text::fromUtf8(cell) : cell);
    cell.clear();
    return s;
  };
  for (std::size_t i = 0; i < data.size(); ++i) {
    const char c = data[i];
    if (quoted) {
      if (c == '"' && i + 1 < data.size() && data[i + 1] == '"') {
        cell += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        cell += c;
      }
      continue;
    }
    if (c == '"' && cell.empty()) {
      quoted = true;
    } else if (c == sep) {
      if (Status s = flush(); !s) return s;
      ++column;
    } else if (c == '\n') {
      if (Status s = flush(); !s) return s;
      ++row;
      column = 1;
      any = false;
      continue;
    } else if (c != '\r') {
      cell += c;
    }
    any = true;
  }
  if (any || !cell.empty())
    if (Status s = flush(); !s) return s;
  book.sheets.push_back(std::move(sheet));
  return Status::Ok();
}

}  // namespace zefir::operations::import
