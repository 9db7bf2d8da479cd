// Padding, trimming and small helpers for the program's short strings.
#include "text/short_strings.h"

#include <algorithm>

namespace zefir::text {

namespace {
constexpr int kMaxShort = 250;
}

std::string trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string normalised(std::string_view text) {
  text = text.substr(0, 80);
  std::string out;
  for (char c : text) {
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += c;
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string blanks(int count) {
  return repeated(' ', count);
}

std::string repeated(char c, int count) {
  return std::string(std::clamp(count, 0, kMaxShort), c);
}

std::string fixedWidth(std::string_view text, int width) {
  std::string out(text.substr(0, width > 0 ? width : 0));
  out.resize(width > 0 ? width : 0, ' ');
  return out;
}

std::string leftPart(std::string_view text, int n) {
  if (n >= 0) return std::string(text.substr(0, n));
  size_t drop = static_cast<size_t>(-static_cast<long>(n));
  return drop >= text.size() ? std::string() : std::string(text.substr(0, text.size() - drop));
}

char firstLetter(std::string_view text) {
  return text.empty() ? ' ' : text.front();
}

char yesNoLetter(bool flag) {
  return flag ? 'T' : 'N';
}

char translate(char c, std::string_view source, std::string_view target, bool* found) {
  size_t at = source.find(c);
  bool ok = at != std::string_view::npos && at < target.size();
  if (found) *found = ok;
  return ok ? target[at] : c;
}

std::string pattern(std::string_view text, int length) {
  std::string out;
  for (char c : text) {
    if (c == '*')
      out.append(25, '?');
    else
      out += c;
  }
  if (length >= 0 && out.size() > static_cast<size_t>(length)) out.resize(length);
  return out;
}

bool matchesPattern(std::string_view text, std::string_view pattern) {
  if (text.size() > pattern.size()) return false;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '?') continue;
    if (i >= text.size() || text[i] != pattern[i]) return false;
  }
  return true;
}

std::string asciiLowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

}  // namespace zefir::text
