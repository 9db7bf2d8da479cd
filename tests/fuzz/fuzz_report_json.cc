// A saved report buffer, read back as `zefir-cli render` reads it.
#include "fuzz_target.h"
#include "output/report_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zefir;
  output::ReportBuffer buffer;
  if (output::reportFromJson(fuzz::asText(data, size), buffer).ok())
    (void)output::reportToJson(buffer);
  return 0;
}
