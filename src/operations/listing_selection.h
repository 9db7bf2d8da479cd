// Which assets a listing takes: the symbol masks and the name filter.
// Texts are code page 1250; both sides are compared upper-cased.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zefir::operations {

// The masks as typed ("4*", "A?"), made patterns once for the whole walk:
// "?" matches any character, or none past the symbol's end; "*" stands for
// any run of characters.
class SymbolMasks {
 public:
  SymbolMasks() = default;
  explicit SymbolMasks(const std::vector<std::string>& typed);
  // An empty list takes every symbol.
  bool matches(std::string_view symbol) const;
  bool empty() const { return patterns_.empty(); }

 private:
  std::vector<std::string> patterns_;
};

// The name filter: empty takes everything; "-" followed by a text drops the
// names containing its first 8 characters; any other text takes only the
// names containing it.
class NameFilter {
 public:
  NameFilter() = default;
  explicit NameFilter(std::string_view typed);
  bool passes(std::string_view name) const;

 private:
  std::string text_;
  bool excludes_ = false;
};

}  // namespace zefir::operations
