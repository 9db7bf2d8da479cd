#include "operations/listing_selection.h"

#include "register/asset_record.h"
#include "text/codepage.h"
#include "text/short_strings.h"

namespace zefir::operations {

namespace {
// A mask is compared over a symbol's longest text; "*" fills it with "?".
constexpr int kMaskLength = kSymbMax;
constexpr std::size_t kExcludedChars = 8;
}  // namespace

SymbolMasks::SymbolMasks(const std::vector<std::string>& typed) {
  for (const std::string& mask : typed) {
    if (mask.empty()) continue;
    patterns_.push_back(text::pattern(text::upperCase(mask), kMaskLength));
  }
}

bool SymbolMasks::matches(std::string_view symbol) const {
  if (patterns_.empty()) return true;
  const std::string upper = text::upperCase(symbol);
  for (const std::string& p : patterns_)
    if (text::matchesPattern(upper, p)) return true;
  return false;
}

NameFilter::NameFilter(std::string_view typed) {
  if (!typed.empty() && typed.front() == '-') {
    excludes_ = true;
    typed.remove_prefix(1);
    typed = typed.substr(0, kExcludedChars);
  }
  text_ = text::upperCase(typed);
}

bool NameFilter::passes(std::string_view name) const {
  if (text_.empty()) return true;
  const bool contains = text::upperCase(name).find(text_) != std::string::npos;
  return excludes_ ? !contains : contains;
}

}  // namespace zefir::operations
