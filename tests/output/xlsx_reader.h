// Reads a workbook back for the tests: the first sheet's cells with their
// number formats, its merged ranges and frozen rows, taken from the package's
// XML with `unzip -p`.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace zefir::xlsx_test {

inline std::string unzipEntry(const std::string& file, const std::string& entry) {
  std::string command = "unzip -p '" + file + "' '" + entry + "' 2>/dev/null";
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) out.append(chunk, n);
    ::pclose(pipe);
  }
  return out;
}

// `unzip -t` finds the package sound.
inline bool packageSound(const std::string& file) {
  return std::system(("unzip -tqq '" + file + "' >/dev/null 2>&1").c_str()) == 0;
}

inline std::string unescaped(std::string s) {
  static const std::pair<const char*, const char*> kEntities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}};
  for (auto [from, to] : kEntities)
    for (std::size_t p; (p = s.find(from)) != std::string::npos;) s.replace(p, strlen(from), to);
  return s;
}

struct Cell {
  std::optional<double> number;  // a numeric cell
  std::string text;              // a string cell (UTF-8)
  std::string format;            // its number format code ("General" by default)
  bool bold = false;
  bool centred = false;
  bool hasValue() const { return number || !text.empty(); }
};

struct Sheet {
  std::map<std::string, Cell> cells;  // by reference ("B3")
  std::vector<std::string> merges;    // "D1:E1"
  int frozenRows = 0;
  std::string xml;
  const Cell* at(const std::string& ref) const {
    auto it = cells.find(ref);
    return it == cells.end() ? nullptr : &it->second;
  }
};

inline Sheet readSheet(const std::string& file) {
  Sheet sheet;
  sheet.xml = unzipEntry(file, "xl/worksheets/sheet1.xml");
  const std::string strings = unzipEntry(file, "xl/sharedStrings.xml");
  const std::string styles = unzipEntry(file, "xl/styles.xml");

  std::vector<std::string> shared;
  const std::regex si("<si>(?:<t[^>]*>([^<]*)</t>|<t/>)</si>");
  for (auto it = std::sregex_iterator(strings.begin(), strings.end(), si);
       it != std::sregex_iterator(); ++it)
    shared.push_back(unescaped((*it)[1]));

  std::map<int, std::string> codes = {{0, "General"}, {3, "#,##0"}, {4, "#,##0.00"}, {49, "@"}};
  const std::regex numFmt("<numFmt numFmtId=\"(\\d+)\" formatCode=\"([^\"]*)\"");
  for (auto it = std::sregex_iterator(styles.begin(), styles.end(), numFmt);
       it != std::sregex_iterator(); ++it)
    codes[std::stoi((*it)[1])] = unescaped((*it)[2]);
  std::vector<std::string> fonts;
  const std::regex font("<font>(.*?)</font>");
  for (auto it = std::sregex_iterator(styles.begin(), styles.end(), font);
       it != std::sregex_iterator(); ++it)
    fonts.push_back((*it)[1]);
  struct Xf {
    std::string format;
    bool bold, centred;
  };
  std::vector<Xf> xfs;
  const std::size_t cellXfs = styles.find("<cellXfs");
  const std::string xfPart = styles.substr(cellXfs, styles.find("</cellXfs>") - cellXfs);
  const std::regex xf("<xf numFmtId=\"(\\d+)\" fontId=\"(\\d+)\"[^>]*?(/>|>(.*?)</xf>)");
  for (auto it = std::sregex_iterator(xfPart.begin(), xfPart.end(), xf);
       it != std::sregex_iterator(); ++it) {
    const std::size_t fontId = std::stoul((*it)[2]);
    xfs.push_back({codes[std::stoi((*it)[1])],
                   fontId < fonts.size() && fonts[fontId].find("<b/>") != std::string::npos,
                   std::string((*it)[4]).find("horizontal=\"center\"") != std::string::npos});
  }

  const std::regex cell(
      "<c r=\"([A-Z]+\\d+)\"(?: s=\"(\\d+)\")?(?: t=\"(\\w+)\")?(?:/>|>(?:<v>([^<]*)</v>)?</c>)");
  for (auto it = std::sregex_iterator(sheet.xml.begin(), sheet.xml.end(), cell);
       it != std::sregex_iterator(); ++it) {
    Cell c;
    const std::string s = (*it)[2], t = (*it)[3], v = (*it)[4];
    const Xf style = s.empty() ? Xf{"General", false, false} : xfs.at(std::stoul(s));
    c.format = style.format;
    c.bold = style.bold;
    c.centred = style.centred;
    if (t == "s" && !v.empty())
      c.text = shared.at(std::stoul(v));
    else if (!v.empty())
      c.number = std::stod(v);
    sheet.cells[(*it)[1]] = c;
  }
  const std::regex merge("<mergeCell ref=\"([A-Z0-9:]+)\"");
  for (auto it = std::sregex_iterator(sheet.xml.begin(), sheet.xml.end(), merge);
       it != std::sregex_iterator(); ++it)
    sheet.merges.push_back((*it)[1]);
  std::smatch pane;
  const std::regex frozen("<pane ySplit=\"(\\d+)\"[^>]*state=\"frozen\"");
  if (std::regex_search(sheet.xml, pane, frozen)) sheet.frozenRows = std::stoi(pane[1]);
  return sheet;
}

}  // namespace zefir::xlsx_test
