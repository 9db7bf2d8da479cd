// The exchange-rate archive as downloaded, turned into the rate file; and a
// rate file read back for the pick list.
#include "fuzz_target.h"
#include "net/rate_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zefir;
  const std::string_view text = fuzz::asText(data, size);
  (void)net::rateFileText(net::readRateArchive(text));
  for (const std::string& line : net::readRateFile(fuzz::inputFile("Kurs2024", text)))
    (void)net::parseRateLine(line);
  return 0;
}
