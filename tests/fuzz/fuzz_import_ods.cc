// An import source of kind .ods.
#include "import_source_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zefir::fuzz::readImportSource("Zrodlo.ods", data, size);
  return 0;
}
