// The readers of the two binary sources: DBF tables through shapelib and
// .xls workbooks through FreeXL. Both give row 1 the column heads as a
// spreadsheet program shows them when it opens the file (DBF field names),
// or as the workbook holds them (.xls).
#include <freexl.h>
#include <shapefil.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "operations/import_source.h"
#include "operations/import_values.h"
#include "platform/file_system.h"
#include "platform/isolated_run.h"
#include "text/codepage.h"

namespace zefir::operations::import {

namespace {

constexpr std::size_t kDbfHeaderSize = 32;
// Language bytes of the Windows code pages whose Polish letters are already 1250.
constexpr unsigned char kLanguage1250 = 0xC8;
constexpr unsigned char kLanguageAnsi = 0x57;

unsigned le16(const std::string& s, std::size_t at) {
  return static_cast<unsigned char>(s[at]) | static_cast<unsigned char>(s[at + 1]) << 8;
}

std::uint32_t le32(const std::string& s, std::size_t at) {
  return le16(s, at) | static_cast<std::uint32_t>(le16(s, at + 2)) << 16;
}

// "20200315" -> "2020-03-15"; blanks stay empty; anything else as it is.
std::string dbfDate(std::string_view v) {
  if (v.size() != 8 || v.find_first_not_of("0123456789") != std::string_view::npos)
    return std::string(v);
  return std::string(v.substr(0, 4)) + "-" + std::string(v.substr(4, 2)) + "-" +
         std::string(v.substr(6, 2));
}

struct DbfCloser {
  void operator()(DBFInfo* h) const { DBFClose(h); }
};

// The first `n` bytes of the file, or nullopt when it is shorter.
std::optional<std::string> leadingBytes(const std::string& path, std::size_t n) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!f) return std::nullopt;
  std::string bytes(n, '\0');
  if (std::fread(bytes.data(), 1, n, f.get()) != n) return std::nullopt;
  return bytes;
}

// The field descriptors (32 bytes each after the file header, up to the
// terminator 0x0D or the header's end) as shapelib reads them: each field's
// width is its byte 16, and the fields lie one after another after the
// record's deletion mark. True when at least one field is there and they
// all fit within the record.
bool fieldsFitRecord(const std::string& header, unsigned recordLength) {
  unsigned end = 1, fields = 0;
  for (std::size_t at = kDbfHeaderSize; at + kDbfHeaderSize <= header.size();
       at += kDbfHeaderSize, ++fields) {
    if (header[at] == '\x0D') break;
    end += static_cast<unsigned char>(header[at + 16]);
  }
  return fields > 0 && end <= recordLength;
}

}  // namespace

// A DBF table: the header is checked against the file's length before
// shapelib reads it (a record count that the file cannot hold, a header
// longer than the file, fields wider than the record are refused, never
// read past the end of a buffer); deleted records are left out, as the
// program that wrote the table left them out. Texts are code page 1250
// when the language byte says so (0xC8, 0x57), else DOS (852 or Mazovia).
Status readDbf(const std::string& path, Workbook& book) {
  const std::optional<std::int64_t> size = platform::fileSize(path);
  std::optional<std::string> head;
  if (size && *size >= static_cast<std::int64_t>(kDbfHeaderSize))
    head = leadingBytes(path, kDbfHeaderSize);
  if (!head) return Status::Error(unreadableText());
  const std::uint32_t records = le32(*head, 4);
  const unsigned headerLength = le16(*head, 8), recordLength = le16(*head, 10);
  const unsigned char language = static_cast<unsigned char>((*head)[29]);
  if (headerLength < kDbfHeaderSize + 1 || recordLength == 0)
    return damagedSource(path, text::fromUtf8("uszkodzony nagłówek tabeli"));
  const std::int64_t expected =
      headerLength + static_cast<std::int64_t>(records) * static_cast<std::int64_t>(recordLength);
  // The end-of-file byte 0x1A may follow the last record.
  if (*size < expected || *size > expected + 1)
    return damagedSource(path, text::fromUtf8("liczba rekordów niezgodna z długością pliku"));
  if (records >= static_cast<std::uint32_t>(kMaxSourceRows))
    return damagedSource(path, text::fromUtf8("za dużo rekordów"));
  // The header lies within the file (checked above).
  head = leadingBytes(path, headerLength);
  if (!head) return Status::Error(unreadableText());
  if (!fieldsFitRecord(*head, recordLength))
    return damagedSource(path, text::fromUtf8("uszkodzony nagłówek tabeli"));
  std::unique_ptr<DBFInfo, DbfCloser> dbf(DBFOpen(path.c_str(), "rb"));
  if (!dbf) return Status::Error(unreadableText());
  const bool windows = language == kLanguage1250 || language == kLanguageAnsi;
  auto local = [windows](std::string_view v) {
    return windows ? std::string(v) : text::toWindows(v);
  };
  Sheet sheet;
  sheet.name = stemOf(path);
  const int fields = DBFGetFieldCount(dbf.get());
  if (fields > kMaxSourceColumns) return damagedSource(path, text::fromUtf8("za dużo pól"));
  std::vector<char> types(fields);
  for (int f = 0; f < fields; ++f) {
    char name[XBASE_FLDNAME_LEN_READ + 1] = {};
    int width = 0, decimals = 0;
    DBFGetFieldInfo(dbf.get(), f, name, &width, &decimals);
    types[f] = DBFGetNativeFieldType(dbf.get(), f);
    if (Status s = sheet.set(1, f + 1, local(name)); !s) return s;
  }
  int row = 1;
  for (int r = 0; r < DBFGetRecordCount(dbf.get()); ++r) {
    if (DBFIsRecordDeleted(dbf.get(), r)) continue;
    ++row;
    for (int f = 0; f < fields; ++f) {
      const char* v = DBFReadStringAttribute(dbf.get(), r, f);
      if (!v)
        return damagedSource(path, text::fromUtf8("nieczytelny rekord ") + std::to_string(r + 1));
      std::string cell = trimmed(v);
      if (types[f] == 'D') cell = dbfDate(cell);
      if (Status s = sheet.set(row, f + 1, local(cell)); !s) return s;
    }
  }
  book.sheets.push_back(std::move(sheet));
  return Status::Ok();
}

namespace {

// The workbook through FreeXL: texts come as UTF-8, dates as "YYYY-MM-DD",
// numbers as their shortest text.
Status readXlsInPlace(const std::string& path, Workbook& book) {
  const void* handle = nullptr;
  if (freexl_open(path.c_str(), &handle) != FREEXL_OK) {
    if (handle) freexl_close(handle);
    return Status::Error(unreadableText());
  }
  std::unique_ptr<const void, int (*)(const void*)> closer(handle, freexl_close);
  unsigned int count = 0;
  if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK)
    return Status::Error(unreadableText());
  for (unsigned short i = 0; i < count; ++i) {
    Sheet sheet;
    const char* name = nullptr;
    if (freexl_get_worksheet_name(handle, i, &name) == FREEXL_OK && name)
      sheet.name = text::fromUtf8(name);
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(handle, i) != FREEXL_OK ||
        freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK)
      return damagedSource(path, text::fromUtf8("nieczytelny arkusz ") + sheet.name);
    if (rows > static_cast<unsigned>(kMaxSourceRows) || columns > kMaxSourceColumns)
      return damagedSource(path, text::fromUtf8("za dużo wierszy lub kolumn"));
    for (unsigned int r = 0; r < rows; ++r)
      for (unsigned short c = 0; c < columns; ++c) {
        FreeXL_CellValue v;
        if (freexl_get_cell_value(handle, r, c, &v) != FREEXL_OK) continue;
        std::string cell;
        char number[40];
        switch (v.type) {
          case FREEXL_CELL_INT:
            cell = std::to_string(v.value.int_value);
            break;
          case FREEXL_CELL_DOUBLE:
            std::snprintf(number, sizeof number, "%.15g", v.value.double_value);
            cell = number;
            break;
          case FREEXL_CELL_TEXT:
          case FREEXL_CELL_SST_TEXT:
          case FREEXL_CELL_DATE:
          case FREEXL_CELL_DATETIME:
          case FREEXL_CELL_TIME:
            cell = v.value.text_value ? text::fromUtf8(v.value.text_value) : "";
            break;
          default:
            break;
        }
        if (Status s = sheet.set(static_cast<int>(r) + 1, c + 1, std::move(cell)); !s) return s;
      }
    book.sheets.push_back(std::move(sheet));
  }
  return Status::Ok();
}

// What the reading child sends back: "E" and the refusal, or "W" and each
// sheet as its name, its row count and its cells that are not empty, every
// number a 4-byte count and every text led by its length.
void putNumber(std::string& out, std::size_t n) {
  const auto v = static_cast<std::uint32_t>(n);
  out.append(reinterpret_cast<const char*>(&v), sizeof v);
}
void putText(std::string& out, std::string_view text) {
  putNumber(out, text.size());
  out += text;
}

std::string packedWorkbook(const Status& read, const Workbook& book) {
  if (!read.ok()) return "E" + read.message();
  std::string out = "W";
  for (const Sheet& sheet : book.sheets) {
    putText(out, sheet.name);
    putNumber(out, static_cast<std::size_t>(sheet.rowCount()));
    std::size_t cells = 0;
    std::string packed;
    for (int r = 1; r <= sheet.rowCount(); ++r)
      for (int c = 1; c <= kMaxSourceColumns; ++c)
        if (const std::string_view cell = sheet.cell(r, c); !cell.empty()) {
          putNumber(packed, static_cast<std::size_t>(r));
          putNumber(packed, static_cast<std::size_t>(c));
          putText(packed, cell);
          ++cells;
        }
    putNumber(out, cells);
    out += packed;
  }
  return out;
}

// Reads what packedWorkbook wrote; false for anything else.
class Unpacker {
 public:
  explicit Unpacker(std::string_view bytes) : rest_(bytes) {}
  bool done() const { return rest_.empty(); }
  bool number(std::uint32_t& n) {
    if (rest_.size() < sizeof n) return false;
    std::memcpy(&n, rest_.data(), sizeof n);
    rest_.remove_prefix(sizeof n);
    return true;
  }
  bool text(std::string& t) {
    std::uint32_t n = 0;
    if (!number(n) || n > rest_.size()) return false;
    t.assign(rest_.substr(0, n));
    rest_.remove_prefix(n);
    return true;
  }

 private:
  std::string_view rest_;
};

bool unpackWorkbook(std::string_view bytes, Workbook& book) {
  Unpacker in(bytes);
  while (!in.done()) {
    Sheet sheet;
    std::uint32_t rows = 0, cells = 0;
    if (!in.text(sheet.name) || !in.number(rows) || !in.number(cells)) return false;
    if (rows > 0 && !sheet.set(static_cast<int>(rows), 1, "").ok()) return false;
    for (std::uint32_t i = 0; i < cells; ++i) {
      std::uint32_t r = 0, c = 0;
      std::string cell;
      if (!in.number(r) || !in.number(c) || !in.text(cell) || r > rows ||
          !sheet.set(static_cast<int>(r), static_cast<int>(c), std::move(cell)).ok())
        return false;
    }
    book.sheets.push_back(std::move(sheet));
  }
  return true;
}

// How long the reading child may take, and how much it may send back.
constexpr int kXlsSeconds = 60;
constexpr std::size_t kXlsResultBytes = 256u << 20;

}  // namespace

// An .xls workbook (BIFF 2 to 8). FreeXL has faults of its own (a damaged
// directory entry makes it read past a buffer), so the workbook is read in a
// child process that sends the cells back: a file that crashes or hangs the
// library is refused as damaged, and the program goes on.
Status readXls(const std::string& path, Workbook& book) {
  const std::optional<std::string> packed = platform::runIsolated(
      [&] {
        Workbook read;
        const Status s = readXlsInPlace(path, read);
        return packedWorkbook(s, read);
      },
      kXlsResultBytes, kXlsSeconds);
  if (!packed || packed->empty())
    return damagedSource(path, text::fromUtf8("uszkodzony skoroszyt"));
  if ((*packed)[0] == 'E') return Status::Error(packed->substr(1));
  Workbook read;
  if ((*packed)[0] != 'W' || !unpackWorkbook(std::string_view(*packed).substr(1), read))
    return damagedSource(path, text::fromUtf8("uszkodzony skoroszyt"));
  book.sheets.insert(book.sheets.end(), std::make_move_iterator(read.sheets.begin()),
                     std::make_move_iterator(read.sheets.end()));
  return Status::Ok();
}

}  // namespace zefir::operations::import
