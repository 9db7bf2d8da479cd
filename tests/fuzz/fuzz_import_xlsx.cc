// An import source of kind .xlsx.
#include "import_source_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zefir::fuzz::readImportSource("Zrodlo.xlsx", data, size);
  return 0;
}
