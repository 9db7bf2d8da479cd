// The .xlsx and .ods readers: a zip archive (libzip) whose XML parts are
// streamed through expat, so a part is never held whole in memory and a part
// declaring more than 64 MiB unpacked is refused before it is read.
#include <expat.h>
#include <zip.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>

#include "operations/import_source.h"
#include "text/codepage.h"

namespace zefir::operations::import {

namespace {

using Handler = std::function<void(std::string_view, const char**)>;

struct ZipCloser {
  void operator()(zip_t* z) const { zip_discard(z); }
};
using Archive = std::unique_ptr<zip_t, ZipCloser>;

// The element's name without its namespace prefix ("table:table-cell" -> "table-cell").
std::string_view localName(const char* name) {
  std::string_view n(name);
  const std::size_t colon = n.find(':');
  return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

const char* attribute(const char** atts, std::string_view local) {
  for (int i = 0; atts[i]; i += 2)
    if (localName(atts[i]) == local) return atts[i + 1];
  return nullptr;
}

// Streams one part of the archive through expat. Reports elements opening
// and closing, and character data. False with `error` set when the part is
// missing, too large or not well-formed XML.
struct XmlEvents {
  Handler open;
  std::function<void(std::string_view)> close;
  std::function<void(std::string_view)> text;
  std::string error;  // set by a handler to stop with a refusal
};

Status parsePart(zip_t* zip, const std::string& part, XmlEvents& events, const std::string& path,
                 bool required = true) {
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat(zip, part.c_str(), 0, &st) != 0)
    return required ? damagedSource(path, "brak " + part) : Status::Ok();
  if ((st.valid & ZIP_STAT_SIZE) && st.size > kMaxPartBytes)
    return damagedSource(path, text::fromUtf8("część ") + part + text::fromUtf8(" za duża"));
  zip_file_t* file = zip_fopen(zip, part.c_str(), 0);
  if (!file) return damagedSource(path, text::fromUtf8("nieczytelna część ") + part);
  std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> closer(file, zip_fclose);
  std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> parser(XML_ParserCreate("UTF-8"),
                                                                 XML_ParserFree);
  XML_SetUserData(parser.get(), &events);
  XML_SetElementHandler(
      parser.get(),
      [](void* data, const XML_Char* name, const XML_Char** atts) {
        auto* e = static_cast<XmlEvents*>(data);
        if (e->open) e->open(localName(name), atts);
      },
      [](void* data, const XML_Char* name) {
        auto* e = static_cast<XmlEvents*>(data);
        if (e->close) e->close(localName(name));
      });
  XML_SetCharacterDataHandler(parser.get(), [](void* data, const XML_Char* s, int len) {
    auto* e = static_cast<XmlEvents*>(data);
    if (e->text) e->text(std::string_view(s, static_cast<std::size_t>(len)));
  });
  char buffer[1 << 16];
  std::size_t total = 0;
  for (;;) {
    const zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
    if (n < 0) return damagedSource(path, text::fromUtf8("uszkodzona część ") + part);
    total += static_cast<std::size_t>(n);
    // The declared size may lie; the bound holds for what really unpacks.
    if (total > kMaxPartBytes)
      return damagedSource(path, text::fromUtf8("część ") + part + text::fromUtf8(" za duża"));
    if (XML_Parse(parser.get(), buffer, static_cast<int>(n), n == 0) == XML_STATUS_ERROR)
      return damagedSource(path, text::fromUtf8("uszkodzony XML w ") + part);
    if (!events.error.empty()) return damagedSource(path, events.error);
    if (n == 0) break;
  }
  return Status::Ok();
}

Status openArchive(const std::string& path, Archive& out) {
  int error = 0;
  zip_t* z = zip_open(path.c_str(), ZIP_RDONLY, &error);
  if (!z) return Status::Error(unreadableText());
  out.reset(z);
  return Status::Ok();
}

// "B12" -> column 2, row 12; false for anything else.
bool cellReference(std::string_view ref, int& row, int& column) {
  std::size_t i = 0;
  long c = 0, r = 0;
  for (; i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z' && c <= kMaxSourceColumns; ++i)
    c = c * 26 + (ref[i] - 'A' + 1);
  if (i == 0) return false;
  for (; i < ref.size() && ref[i] >= '0' && ref[i] <= '9' && r <= kMaxSourceRows; ++i)
    r = r * 10 + (ref[i] - '0');
  if (i != ref.size() || r == 0) return false;
  row = static_cast<int>(r);
  column = static_cast<int>(c);
  return true;
}

// xl/sharedStrings.xml: each <si> one string, made of all its <t> texts.
Status sharedStrings(zip_t* zip, const std::string& path, std::vector<std::string>& out) {
  XmlEvents e;
  bool inT = false;
  std::string current;
  e.open = [&](std::string_view n, const char**) {
    if (n == "si") current.clear();
    if (n == "t") inT = true;
    if (n == "si" && out.size() >= static_cast<std::size_t>(kMaxSourceRows) * 10)
      e.error = text::fromUtf8("za dużo tekstów");
  };
  e.close = [&](std::string_view n) {
    if (n == "t") inT = false;
    if (n == "si") out.push_back(text::fromUtf8(current));
  };
  e.text = [&](std::string_view s) {
    if (inT && current.size() < kMaxCellText * 4) current += s;
  };
  return parsePart(zip, "xl/sharedStrings.xml", e, path, false);
}

// The sheets' names and parts, in workbook order.
Status xlsxSheets(zip_t* zip, const std::string& path,
                  std::vector<std::pair<std::string, std::string>>& sheets) {
  std::map<std::string, std::string> targets;
  XmlEvents rels;
  rels.open = [&](std::string_view n, const char** atts) {
    if (n != "Relationship") return;
    const char* id = attribute(atts, "Id");
    const char* target = attribute(atts, "Target");
    if (id && target) targets[id] = target;
  };
  if (Status s = parsePart(zip, "xl/_rels/workbook.xml.rels", rels, path); !s) return s;
  XmlEvents book;
  book.open = [&](std::string_view n, const char** atts) {
    if (n != "sheet") return;
    const char* name = attribute(atts, "name");
    const char* id = attribute(atts, "id");
    if (!name || !id || !targets.count(id)) return;
    std::string target = targets[id];
    target = target.starts_with("/") ? target.substr(1) : "xl/" + target;
    sheets.emplace_back(text::fromUtf8(name), target);
  };
  return parsePart(zip, "xl/workbook.xml", book, path);
}

Status xlsxSheet(zip_t* zip, const std::string& path, const std::string& part,
                 const std::vector<std::string>& strings, Sheet& sheet) {
  XmlEvents e;
  int row = 0, column = 0, nextColumn = 1;
  std::string type, value;
  bool inValue = false, inCell = false;
  e.open = [&](std::string_view n, const char** atts) {
    if (n == "row") {
      const char* r = attribute(atts, "r");
      row = r ? std::atoi(r) : row + 1;
      nextColumn = 1;
    } else if (n == "c") {
      const char* ref = attribute(atts, "r");
      const char* t = attribute(atts, "t");
      int r = row, c = nextColumn;
      if (ref && !cellReference(ref, r, c)) e.error = text::fromUtf8("zły adres komórki");
      row = r;
      column = c;
      nextColumn = c + 1;
      type = t ? t : "n";
      value.clear();
      inCell = true;
    } else if (inCell && (n == "v" || n == "t")) {
      inValue = true;
    }
  };
  e.close = [&](std::string_view n) {
    if (n == "v" || n == "t") inValue = false;
    if (n != "c") return;
    inCell = false;
    std::string text;
    if (type == "s") {
      char* end = nullptr;
      const unsigned long i = std::strtoul(value.c_str(), &end, 10);
      if (value.empty() || *end || i >= strings.size()) {
        e.error = text::fromUtf8("zły numer tekstu");
        return;
      }
      text = strings[i];
    } else if (type == "b") {
      text = value == "1" ? "TRUE" : "FALSE";
    } else {
      text = text::fromUtf8(value);
    }
    if (Status s = sheet.set(row, column, std::move(text)); !s) e.error = s.message();
  };
  e.text = [&](std::string_view s) {
    if (inValue && value.size() < kMaxCellText * 4) value += s;
  };
  return parsePart(zip, part, e, path);
}

}  // namespace

// An .xlsx workbook: shared strings, inline strings, numbers (dates as
// serial days, as the file stores them), booleans; empty cells stay empty.
Status readXlsx(const std::string& path, Workbook& book) {
  Archive zip;
  if (Status s = openArchive(path, zip); !s) return s;
  std::vector<std::string> strings;
  if (Status s = sharedStrings(zip.get(), path, strings); !s) return s;
  std::vector<std::pair<std::string, std::string>> sheets;
  if (Status s = xlsxSheets(zip.get(), path, sheets); !s) return s;
  for (const auto& [name, part] : sheets) {
    Sheet sheet;
    sheet.name = name;
    if (Status s = xlsxSheet(zip.get(), path, part, strings, sheet); !s) return s;
    book.sheets.push_back(std::move(sheet));
  }
  return Status::Ok();
}

// An .ods workbook (content.xml): repeated rows and cells are counted, not
// laid out, so a sheet that repeats an empty row a million times to its end
// costs nothing; dates come as "YYYY-MM-DD", numbers as office:value.
Status readOds(const std::string& path, Workbook& book) {
  Archive zip;
  if (Status s = openArchive(path, zip); !s) return s;
  XmlEvents e;
  Sheet* sheet = nullptr;
  long row = 0, column = 0, cellRepeat = 1, rowRepeat = 1;
  int depthP = 0;
  std::string value, shown;
  bool hasValue = false;
  auto number = [](const char* s) {
    const long n = s ? std::atol(s) : 1;
    return n < 1 ? 1L : n;
  };
  e.open = [&](std::string_view n, const char** atts) {
    if (n == "table") {
      book.sheets.emplace_back();
      sheet = &book.sheets.back();
      const char* name = attribute(atts, "name");
      sheet->name = name ? text::fromUtf8(name) : "";
      row = 0;
    } else if (n == "table-row" && sheet) {
      ++row;
      column = 0;
      rowRepeat = number(attribute(atts, "number-rows-repeated"));
    } else if ((n == "table-cell" || n == "covered-table-cell") && sheet) {
      ++column;
      cellRepeat = number(attribute(atts, "number-columns-repeated"));
      const char* type = attribute(atts, "value-type");
      const char* v =
          attribute(atts, type && std::string_view(type) == "date" ? "date-value" : "value");
      hasValue = v && type && std::string_view(type) != "string";
      value = hasValue ? std::string(v).substr(0, kMaxCellText) : std::string();
      shown.clear();
    } else if (n == "p") {
      if (depthP++ == 0 && !shown.empty()) shown += ' ';
    }
  };
  e.close = [&](std::string_view n) {
    if (n == "p") --depthP;
    if (n == "table-row" && sheet) row += rowRepeat - 1;
    if ((n != "table-cell" && n != "covered-table-cell") || !sheet) return;
    std::string text = hasValue ? value : shown;
    if (!text.empty()) {
      if (row > kMaxSourceRows || column + cellRepeat - 1 > kMaxSourceColumns ||
          rowRepeat > kMaxSourceRows) {
        e.error = text::fromUtf8("za dużo wierszy lub kolumn");
        return;
      }
      for (long r = 0; r < rowRepeat && e.error.empty(); ++r)
        for (long c = 0; c < cellRepeat && e.error.empty(); ++c)
          if (Status s = sheet->set(static_cast<int>(row + r), static_cast<int>(column + c),
                                    text::fromUtf8(text));
              !s)
            e.error = s.message();
    }
    column += cellRepeat - 1;
  };
  e.text = [&](std::string_view s) {
    if (depthP > 0 && shown.size() < kMaxCellText * 4) shown += s;
  };
  return parsePart(zip.get(), "content.xml", e, path);
}

}  // namespace zefir::operations::import
