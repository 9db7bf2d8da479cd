// Writing the audit files' XML one element a line, indented two blanks a
// level, values converted from code page 1250 to XML text.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::output {

// "YYYY-MM-DD".
inline std::string isoDate(DayNumber day) {
  return std::to_string(text::yearOfDay(day)) + "-" + text::twoDigits(text::monthOfDay(day)) + "-" +
         text::twoDigits(text::dayOfMonth(day));
}

class XmlLines {
 public:
  // Values longer than `maxValue` characters are cut.
  XmlLines(std::ostream& out, std::size_t maxValue) : out_(out), maxValue_(maxValue) {}
  void line(int level, std::string_view text) {
    out_ << std::string(static_cast<std::size_t>(level) * 2, ' ') << text << '\n';
  }
  // <name attributes>value</name>; the value in code page 1250.
  void element(int level, std::string_view name, std::string_view value,
               std::string_view attributes = {}) {
    std::string open = "<" + std::string(name);
    if (!attributes.empty()) open += " " + std::string(attributes);
    line(level,
         open + ">" + text::xmlText(value.substr(0, maxValue_)) + "</" + std::string(name) + ">");
  }
  // An opening or closing tag on its own line ("Naglowek", "/Naglowek").
  void tag(int level, std::string_view name) { line(level, "<" + std::string(name) + ">"); }

 private:
  std::ostream& out_;
  std::size_t maxValue_;
};

}  // namespace zefir::output
