// A downloaded web page, read for the text it keeps as its result.
#include "fuzz_target.h"
#include "net/page_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  (void)zefir::net::pageText(zefir::fuzz::asText(data, size));
  return 0;
}
