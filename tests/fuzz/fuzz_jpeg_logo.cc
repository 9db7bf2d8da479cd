// The organisation's logo file for the printed documents.
#include "fuzz_target.h"
#include "output/jpeg_logo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zefir;
  (void)fuzz::inputFile("Logo.jpg", fuzz::asText(data, size));
  const output::LogoImage logo = output::loadLogo("Logo.jpg", fuzz::scratchFolder());
  if (logo.rgb.size() != static_cast<std::size_t>(logo.width) * logo.height * 3) std::abort();
  return 0;
}
