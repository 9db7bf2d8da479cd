// The archive excerpts kept in tests/data/nbp, and edits of them.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "text/codepage.h"

namespace zefir::net::testing {

// The excerpt of `year` (2012, 2020 or 2024) in UTF-8, as stored.
inline std::string sampleArchive(int year) {
  return platform::readWholeFile(ZEFIR_TEST_DATA_DIR "/nbp/archiwum_tab_a_" + std::to_string(year) +
                                 ".sample.csv")
      .value_or("");
}

// The same in code page 1250, as the bank serves it.
inline std::string sampleArchive1250(int year) {
  return text::fromUtf8(sampleArchive(year));
}

// The line that begins with `start`.
inline std::string lineStarting(const std::string& content, const std::string& start) {
  const auto at = content.find("\n" + start);
  if (at == std::string::npos) return "";
  return content.substr(at + 1, content.find('\n', at + 1) - at - 1);
}

inline void replaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

}  // namespace zefir::net::testing
