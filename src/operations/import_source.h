// The sources the import reads: a workbook of sheets of cells as text, read
// without a spreadsheet program from .xls (FreeXL), .xlsx and .ods (zip
// archives of XML), .csv and DBF tables (shapelib).
//
// Every reader gives the same shape: a workbook, its sheets in order, each a
// table of cells as code page 1250 texts, rows and columns counted from 1.
// Numbers stay as the source writes them ("1234.5"); spreadsheet dates come
// as serial days (xlsx) or as "YYYY-MM-DD" (ods, xls, DBF), and the import's
// field readers (import_values.h) take both.
//
// A source is read whole into memory, within fixed bounds: a declared size
// beyond them (a zip part that unpacks to more than 64 MiB, more than 100,000
// rows or 256 columns, a DBF whose record count disagrees with its length)
// is refused with a Polish message before anything is allocated for it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/status.h"

namespace zefir::operations::import {

inline constexpr int kMaxSourceRows = 100000;
inline constexpr int kMaxSourceColumns = 256;
inline constexpr std::size_t kMaxPartBytes = 64u << 20;
inline constexpr std::size_t kMaxCellText = 255;

class Sheet {
 public:
  std::string name;
  // "" beyond the cells held.
  std::string_view cell(int row, int column) const;
  int rowCount() const { return static_cast<int>(rows_.size()); }
  // Sets a cell (row, column >= 1), growing the table; refused beyond the bounds.
  Status set(int row, int column, std::string text);
  // The used area as the import measures it: rows down column 1 and
  // columns along row 1, each up to the first empty cell.
  int usedRows() const;
  int usedColumns() const;

 private:
  std::vector<std::vector<std::string>> rows_;
};

struct Workbook {
  std::vector<Sheet> sheets;
  // The sheet whose name equals `name` ignoring letter case, or nullptr.
  const Sheet* sheet(std::string_view name) const;
};

// Where a source's columns lie. A sheet whose row 1 names any of the heads
// is read by its heads: each head is the column of row 1 that matches it
// (letter case, Polish letters and punctuation ignored), and a head that is
// not there has no column (0, read as empty), whatever stands at its
// position. Only a sheet none of whose heads match is read by position
// (the heads' own order, 1, 2, ...), when `byPositionWithoutHeads`; a
// position beyond the used columns is no column either.
struct ColumnPlaces {
  std::vector<int> columns;  // per head; 0 when the sheet has no such column
  bool byPosition = false;
  // The heads that have no column: "brak kolumny "Data nabycia"",
  // "brak kolumn "A", "B"", or "" when all are there (code page 1250); of
  // all heads, or only of those among `which` (indexes into `headsUtf8`).
  std::string lacking(const std::vector<std::string>& headsUtf8) const;
  std::string lacking(const std::vector<std::string>& headsUtf8,
                      const std::vector<std::size_t>& which) const;
};
ColumnPlaces columnsByHead(const Sheet& sheet, const std::vector<std::string>& headsUtf8,
                           bool byPositionWithoutHeads = true);

// "Musisz najpierw zapisac dane w Excelu": the file is there but cannot be
// read as a workbook.
std::string unreadableText();
// A source refused as damaged or too large: "Plik " + name + ": " + why.
Status damagedSource(std::string_view path, std::string_view why);

// Reads the file by its extension (letter case ignored): .xls, .xlsx, .ods,
// .csv, .dbf. A missing file: "Nie ma pliku " with the quoted path.
Status readWorkbook(const std::string& path, Workbook& book);

// The readers, each for one kind of file.
Status readCsv(const std::string& path, Workbook& book);
Status readXlsx(const std::string& path, Workbook& book);
Status readOds(const std::string& path, Workbook& book);
Status readXls(const std::string& path, Workbook& book);
Status readDbf(const std::string& path, Workbook& book);

// The file's name without folder and extension ("SRODKI" for ".../SRODKI.DBF").
std::string stemOf(std::string_view path);

}  // namespace zefir::operations::import
