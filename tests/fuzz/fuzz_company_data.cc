// The company data file Podmiot1.TXT of a base folder.
#include "fuzz_target.h"
#include "output/company_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zefir;
  (void)fuzz::inputFile("Podmiot1.TXT", fuzz::asText(data, size));
  (void)output::readCompanyData(fuzz::scratchFolder(), "#");
  return 0;
}
