#include "output/report_json.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <string>

#include "text/codepage.h"

namespace zefir::output {

using nlohmann::json;

std::string reportToJson(const ReportBuffer& buffer) {
  json doc;
  doc["code"] = text::toUtf8(buffer.code());
  doc["title"] = text::toUtf8(buffer.title());
  doc["stretch"] = buffer.stretch();
  doc["params"] = text::toUtf8(buffer.params());
  json columns = json::array();
  for (const ReportColumn& c : buffer.columns())
    columns.push_back({{"align", text::toUtf8(std::string_view(&c.align, 1))},
                       {"width", c.width},
                       {"h1", text::toUtf8(c.header1)},
                       {"h2", text::toUtf8(c.header2)}});
  doc["columns"] = std::move(columns);
  json rows = json::array();
  int last = buffer.rowCount() - (buffer.ended() ? 1 : 0);
  for (int r = 1; r <= last; ++r) {
    if (buffer.isRule(r)) {
      const char rule = buffer.rule(r);
      rows.push_back({{"rule", text::toUtf8(std::string_view(&rule, 1))}});
      continue;
    }
    json cells = json::array();
    for (std::size_t c = 0; c < buffer.columns().size(); ++c)
      cells.push_back(text::toUtf8(buffer.cell(r, static_cast<int>(c))));
    rows.push_back({{"cells", std::move(cells)}});
  }
  doc["rows"] = std::move(rows);
  return doc.dump(1);
}

namespace {

std::string textOf(const json& object, const char* key) {
  auto it = object.find(key);
  if (it == object.end() || it->is_null()) return {};
  return text::fromUtf8(it->get<std::string>());
}

// A whole number of the document brought within [low, high]: a number beyond
// int (1e300) cannot be converted as it is. `fallback` when absent or NaN;
// throws a json error when the value is no number.
int boundedInt(const json& object, const char* key, int fallback, int low, int high) {
  auto it = object.find(key);
  if (it == object.end()) return fallback;
  const double v = it->get<double>();
  if (std::isnan(v)) return fallback;
  return static_cast<int>(std::clamp(v, static_cast<double>(low), static_cast<double>(high)));
}

// Reads the document into a fresh buffer; throws json errors on a bad shape,
// with `row` the number of the row being read (0 before the rows).
void replay(const json& doc, ReportBuffer& out, int& row) {
  row = 0;
  out.beginReport(textOf(doc, "code"), textOf(doc, "title"),
                  boundedInt(doc, "stretch", 1, 0, ReportBuffer::kMaxColumns));
  for (const json& c : doc.at("columns")) {
    // Read as text like every other field, so a letter outside ASCII comes
    // back as its code page byte and is written out again as valid UTF-8.
    const std::string align = text::fromUtf8(c.value("align", std::string("l")));
    out.addColumn(align.empty() ? 'l' : align[0], boundedInt(c, "width", 0, 0, 255),
                  textOf(c, "h1"), textOf(c, "h2"));
  }
  out.endHeaders(textOf(doc, "params"));
  std::vector<std::string> cells;
  for (const json& r : doc.at("rows")) {
    ++row;
    if (r.contains("rule")) {
      std::string rule = text::fromUtf8(r.at("rule").get<std::string>());
      out.addRule(rule.empty() ? ' ' : rule[0]);
      continue;
    }
    cells.clear();
    for (const json& cell : r.at("cells")) cells.push_back(text::fromUtf8(cell.get<std::string>()));
    out.addRow(std::span<const std::string>(cells));
  }
}

}  // namespace

Status reportFromJson(std::string_view text, ReportBuffer& buffer) {
  json doc;
  try {
    doc = json::parse(text);
  } catch (const json::parse_error& e) {
    // The line of the fault, counted as an editor counts it.
    const std::size_t at = std::min<std::size_t>(e.byte ? e.byte - 1 : 0, text.size());
    const auto line = 1 + std::count(text.begin(), text.begin() + static_cast<long>(at), '\n');
    return Status::Error(text::fromUtf8("Bufor raportu nie jest poprawnym JSON (wiersz ") +
                         std::to_string(line) + ")");
  } catch (const json::exception&) {
    // A number beyond a double ("1E400") and the like.
    return Status::Error(text::fromUtf8("Bufor raportu nie jest poprawnym JSON"));
  }
  if (!doc.is_object())
    return Status::Error(text::fromUtf8("Bufor raportu nie jest poprawnym JSON"));
  ReportBuffer scratch;
  int row = 0;
  try {
    replay(doc, scratch, row);
  } catch (const json::exception&) {
    std::string message = text::fromUtf8("Bufor raportu ma niepoprawną budowę");
    if (row > 0) message += text::fromUtf8(" (wiersz raportu ") + std::to_string(row) + ")";
    return Status::Error(message);
  }
  // The program's buffer is replayed only once the document proved sound.
  replay(doc, buffer, row);
  buffer.endReport();
  return Status::Ok();
}

}  // namespace zefir::output
