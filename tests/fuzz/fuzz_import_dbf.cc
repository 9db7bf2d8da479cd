// An import source of kind .dbf.
#include "import_source_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zefir::fuzz::readImportSource("Zrodlo.dbf", data, size);
  return 0;
}
