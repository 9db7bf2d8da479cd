// An import source of kind .csv.
#include "import_source_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zefir::fuzz::readImportSource("Zrodlo.csv", data, size);
  return 0;
}
