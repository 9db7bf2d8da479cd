// The demo base's classification table, from the public KŚT lists in
// data/kst/ (compiled in, see demo_kst_data.cc.in).
#include <sstream>

#include "cli/demo_base.h"
#include "text/codepage.h"

namespace zefir::cli {

extern const char* const kKst2016Group0Csv;
extern const char* const kKst2010Csv;

namespace {

constexpr std::size_t kSymbolMax = 3;
constexpr std::size_t kNameMax = 93;

// "symbol;name" lines after the header: the rows of group 0 or of groups 1-9.
void addRows(const char* csv, bool groupZero, std::vector<ClassificationEntry>& out) {
  std::istringstream in(csv);
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto semicolon = line.find(';');
    if (semicolon == std::string::npos || semicolon == 0 || semicolon > kSymbolMax) continue;
    const std::string symbol = line.substr(0, semicolon);
    if ((symbol[0] == '0') != groupZero) continue;
    std::string name = text::fromUtf8(line.substr(semicolon + 1));
    if (name.size() > kNameMax) name.resize(kNameMax);
    out.push_back({symbol, name});
  }
}

}  // namespace

std::vector<ClassificationEntry> demoClassification() {
  std::vector<ClassificationEntry> table;
  addRows(kKst2016Group0Csv, true, table);
  addRows(kKst2010Csv, false, table);
  return table;
}

}  // namespace zefir::cli
