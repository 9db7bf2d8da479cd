#include "output/report_json.h"

#include <nlohmann/json.hpp>

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
    columns.push_back({{"align", std::string(1, c.align)},
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

// Reads the document into a fresh buffer; throws json errors on a bad shape.
void replay(const json& doc, ReportBuffer& out) {
  out.beginReport(textOf(doc, "code"), textOf(doc, "title"), doc.value("stretch", 1));
  for (const json& c : doc.at("columns")) {
    std::string align = c.value("align", std::string("l"));
    out.addColumn(align.empty() ? 'l' : align[0], c.value("width", 0), textOf(c, "h1"),
                  textOf(c, "h2"));
  }
  out.endHeaders(textOf(doc, "params"));
  std::vector<std::string> cells;
  for (const json& row : doc.at("rows")) {
    if (row.contains("rule")) {
      std::string rule = text::fromUtf8(row.at("rule").get<std::string>());
      out.addRule(rule.empty() ? ' ' : rule[0]);
      continue;
    }
    cells.clear();
    for (const json& cell : row.at("cells"))
      cells.push_back(text::fromUtf8(cell.get<std::string>()));
    out.addRow(std::span<const std::string>(cells));
  }
}

}  // namespace

Status reportFromJson(std::string_view text, ReportBuffer& buffer) {
  json doc = json::parse(text, nullptr, false);
  if (doc.is_discarded() || !doc.is_object())
    return Status::Error(text::fromUtf8("Bufor raportu nie jest poprawnym JSON"));
  ReportBuffer scratch;
  try {
    replay(doc, scratch);
  } catch (const json::exception&) {
    return Status::Error(text::fromUtf8("Bufor raportu ma niepoprawną budowę"));
  }
  // The program's buffer is replayed only once the document proved sound.
  replay(doc, buffer);
  buffer.endReport();
  return Status::Ok();
}

}  // namespace zefir::output
