// The organisation's logo for the printed documents: a JPEG file decoded
// into RGB pixels. A file that is missing, not a JPEG, cut short or claims
// more than 8,000 pixels a side is refused, never half-decoded.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zefir::output {

inline constexpr int kMaxLogoSide = 8000;

struct LogoImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // width * height * 3 bytes, rows top to bottom

  bool empty() const { return width == 0 || height == 0; }
};

// Decodes JPEG bytes; false (with `image` left empty) when they are refused.
bool decodeJpegLogo(std::string_view bytes, LogoImage& image);

// The logo file `name`: tried as given, then, unless it begins with a folder
// separator, once more under `folder`. Empty when neither loads.
LogoImage loadLogo(std::string_view name, std::string_view folder);

}  // namespace zefir::output
