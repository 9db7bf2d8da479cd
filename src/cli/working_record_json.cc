#include "cli/working_record_json.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

#include <nlohmann/json.hpp>

#include "text/codepage.h"

namespace zefir::cli {

namespace {

// Writes one JSON object or array member by member, placing the commas.
class JsonText {
 public:
  explicit JsonText(std::string& out) : out_(out) {}

  JsonText& open(char bracket) {
    separate();
    out_ += bracket;
    needsComma_ = false;
    return *this;
  }
  JsonText& close(char bracket) {
    out_ += bracket;
    needsComma_ = true;
    return *this;
  }
  JsonText& key(std::string_view name) {
    separate();
    out_ += '"';
    out_ += name;  // our own names: nothing to escape
    out_ += "\":";
    needsComma_ = false;
    return *this;
  }

  // Money and rates go out as JSON numbers with their full precision (a
  // double keeps far more than the 6 decimals readers need), in the JSON
  // library's own shortest form ("1200.0", "1e-09"), non-finite as null.
  JsonText& number(long double value) {
    separate();
    const double x = static_cast<double>(value);
    if (!std::isfinite(x)) {
      out_ += "null";
    } else {
      char buffer[64];
      char* end = nlohmann::detail::to_chars(buffer, buffer + sizeof buffer, x);
      out_.append(buffer, end);
    }
    return *this;
  }
  JsonText& integer(long long value) {
    separate();
    char buffer[24];
    out_.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
    return *this;
  }
  // A code page 1250 text, as UTF-8 with the library's escapes.
  JsonText& text(std::string_view cp1250) {
    separate();
    out_ += '"';
    for (char c : text::toUtf8(cp1250)) {
      switch (c) {
        case '"':
          out_ += "\\\"";
          break;
        case '\\':
          out_ += "\\\\";
          break;
        case '\b':
          out_ += "\\b";
          break;
        case '\t':
          out_ += "\\t";
          break;
        case '\n':
          out_ += "\\n";
          break;
        case '\f':
          out_ += "\\f";
          break;
        case '\r':
          out_ += "\\r";
          break;
        default:
          if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
            out_ += escape;
          } else {
            out_ += c;
          }
      }
    }
    out_ += '"';
    return *this;
  }

 private:
  void separate() {
    if (needsComma_) out_ += ',';
    needsComma_ = true;
  }

  std::string& out_;
  bool needsComma_ = false;
};

void writeYear(JsonText& j, const YearEntry& y) {
  j.open('{').key("year").integer(y.year);
  j.key("Brutt").number(y.Brutt).key("Zwiek").number(y.Zwiek).key("Zmnie").number(y.Zmnie);
  j.key("UmoBO").number(y.UmoBO).key("UmoBi").number(y.UmoBi).key("WykBi").number(y.WykBi);
  j.close('}');
}

void writeSummary(JsonText& j, const AsOfSummary& s) {
  j.open('{');
  j.key("grossBO").number(s.grossBO).key("increasesYTD").number(s.increasesYTD);
  j.key("decreasesYTD").number(s.decreasesYTD).key("chargeYTD").number(s.chargeYTD);
  j.key("chargeMonth").number(s.chargeMonth).key("accumBO").number(s.accumBO);
  j.key("accumDay").number(s.accumDay).key("correctionsYTD").number(s.correctionsYTD);
  j.key("transferredYTD").number(s.transferredYTD).key("writtenOffYTD").number(s.writtenOffYTD);
  j.close('}');
}

}  // namespace

void appendWorkingRecordJson(const WorkingRecord& wr, std::string& out) {
  JsonText j(out);
  j.open('{').key("symbol").text(wr.asset.Symb);
  j.key("asOf").integer(wr.asOf).key("asOfYear").integer(wr.asOfYear);
  j.key("asOfMonth").integer(wr.asOfMonth);
  j.key("years").open('[');
  for (int i = 0; i < wr.yearCount; ++i) writeYear(j, wr.years[i]);
  j.close(']');
  j.key("months").open('[');
  for (const MonthValues& m : wr.months) {
    j.open('{').key("charge").number(m.charge).key("writeUp").number(m.writeUp);
    j.key("writtenOff").number(m.writtenOff).close('}');
  }
  j.close(']');
  j.key("summary");
  writeSummary(j, wr.summary);
  j.key("classification").open('{').key("SKST").text(wr.classification.entry.SKST);
  j.key("rate").number(wr.classification.rate).key("coef").number(wr.classification.coef);
  j.close('}');
  j.key("gross").number(wr.split.gross).key("quantity").number(wr.split.quantity.quantity);
  j.key("unit").text(wr.split.quantity.unit);
  j.key("holdings").open('[');
  for (const Holding& h : wr.split.holdings) {
    j.open('{').key("kind").text(h.kind).key("key").text(h.key).key("origin").integer(h.origin);
    j.key("amount").number(h.amount).key("quantityShare").number(h.quantityShare).close('}');
  }
  j.close(']');
  j.close('}');
}

}  // namespace zefir::cli
