// The import's source files: one target per kind of file, each reading the
// input as the import reads a source of that kind, then measuring its sheets
// as the import's analysis does.
#pragma once

#include "fuzz_target.h"
#include "operations/import_source.h"

namespace zefir::fuzz {

inline void readImportSource(std::string_view fileName, const std::uint8_t* data,
                             std::size_t size) {
  using namespace operations::import;
  Workbook book;
  if (!readWorkbook(inputFile(fileName, asText(data, size)), book).ok()) return;
  for (const Sheet& sheet : book.sheets) {
    (void)sheet.usedRows();
    (void)sheet.usedColumns();
    (void)columnsByHead(sheet, {"Symbol", "Nazwa", "Wartość"});
  }
}

}  // namespace zefir::fuzz
