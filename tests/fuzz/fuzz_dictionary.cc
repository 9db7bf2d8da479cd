// A dictionary file (places, persons or accounts), read as a load reads it.
#include "fuzz_target.h"
#include "register/base_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zefir;
  Dictionary dict;
  (void)base::loadDictionary(dict, fuzz::inputFile(base::kPlacesFile, fuzz::asText(data, size)));
  return 0;
}
