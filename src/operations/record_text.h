// A text field of an asset record as a std::string, whatever string-like
// type holds it.
#pragma once

#include <string>
#include <string_view>

namespace zefir::operations {

template <typename Text>
std::string str(const Text& t) {
  return std::string(std::string_view(t));
}

}  // namespace zefir::operations
