// The classification table file (KST), read as a load reads it.
#include "fuzz_target.h"
#include "register/base_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zefir;
  static ClassificationTable table;
  (void)base::loadClassificationTable(table, fuzz::inputFile("KST", fuzz::asText(data, size)));
  return 0;
}
