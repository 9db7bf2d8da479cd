// The full description (`OSP`): every field under its name, three name and
// value pairs to a row of the six columns.
#include <string>
#include <vector>

#include "operations/asset_description.h"
#include "operations/record_text.h"
#include "register/change_entry.h"
#include "register/depreciation_engine.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

std::string real(long double v) {
  const std::string t = text::plainRealText(v, 4);
  return t.empty() ? "0" : t;
}

// Fills the six columns left to right and starts a new row when they are full.
class Cells {
 public:
  explicit Cells(output::ReportBuffer& out) : out_(out) {}
  ~Cells() { flush(); }
  void add(std::string text) {
    cells_.push_back(std::move(text));
    if (cells_.size() == 6) flush();
  }
  void pair(std::string name, std::string value) {
    if (cells_.size() % 2 != 0) add("");
    add(std::move(name));
    add(std::move(value));
  }
  void flush() {
    if (cells_.empty()) return;
    out_.addRow(std::span<const std::string>(cells_));
    cells_.clear();
  }

 private:
  output::ReportBuffer& out_;
  std::vector<std::string> cells_;
};

void writeRecordFields(const WorkingRecord& wr, Cells& c) {
  const AssetRecord& a = wr.asset;
  c.pair("RI.Nazw", str(a.Nazw));
  c.pair("RI.Symb", str(a.Symb));
  for (int i = 0; i < kOpisLines; ++i)
    if (!str(a.Opis[i]).empty()) c.pair("RI.Opis[" + std::to_string(i + 1) + "]", str(a.Opis[i]));
  c.pair("RI.DtZa", text::longTextOfDay(a.DtZa));
  c.pair("RI.CeZa", real(a.CeZa));
  c.pair("RI.DdZa", str(a.DdZa));
  c.pair("RI.DtOT", text::longTextOfDay(a.DtOT));
  c.pair("RI.WaOT", real(a.WaOT));
  c.pair("RI.RokP", std::to_string(a.RokP));
  c.pair("RI.WaBr", real(a.WaBr));
  c.pair("RI.WaUm", real(a.WaUm));
  c.pair("RI.MeUm", a.MeUm > ' ' ? std::string(1, a.MeUm) : std::string());
  c.pair("RI.UmPo", real(a.UmPo));
  c.pair("RI.Na2w", str(a.Na2w));
  c.pair("RI.DdOT", str(a.DdOT));
  c.pair("RI.Dost", str(a.Dost));
  c.flush();
}

void writeRateHistory(const AssetRecord& a, Cells& c) {
  for (int i = 0; i < kRateEntries; ++i) {
    const RateEntry& k = a.K[i];
    if (i > 0 && k.date == 0) continue;
    const std::string index = "RI.K[" + std::to_string(i + 1) + "]";
    c.add(i == 0 ? index + " od pocz." : index + " od " + text::longTextOfDay(k.date));
    c.add("SKST=" + str(k.SKST));
    c.add("StPo=" + real(k.StPo));
    c.add("WsPo=" + real(k.WsPo));
    c.add("StBi=" + real(k.StBi));
    c.add("WsBi=" + real(k.WsBi));
  }
}

void writeChangeEntries(const WorkingRecord& wr, Cells& c) {
  for (int i = 0; i < kChangeEntries; ++i) {
    const std::string entry = str(wr.asset.Z[i]);
    if (entry.empty()) continue;
    c.add("RI.Z[" + std::to_string(i + 1) + "]");
    c.add(entry);
    c.flush();
    const ChangeEntry& e = wr.entries[i];
    std::string refs;
    for (std::uint8_t z : e.Z)
      if (z != 0) refs += std::to_string(z) + "/";
    c.add("D=" + text::longTextOfDay(e.D));
    c.add("C=" + e.C);
    c.add("K=" + e.K);
    c.add("W=" + (e.hasAmount ? real(e.W) : std::string()));
    c.add("Z=" + refs);
    c.add("N=" + e.N);
  }
}

void writeYearTable(const WorkingRecord& all, int fromYear, Cells& c) {
  c.add("UmoBO");
  c.add("UmoBi");
  c.add("WykBi");
  c.add("Zwiek");
  c.add("Zmnie");
  c.add("Brutt");
  for (int i = 0; i < all.yearCount; ++i) {
    const YearEntry& y = all.years[i];
    if (y.year < fromYear) continue;
    if (y.Brutt <= 0 && y.Zwiek <= 0 && y.UmoBO <= 0 && y.UmoBi <= 0) continue;
    c.add("RI.P[" + std::to_string(y.year) + "]");
    c.flush();
    for (long double v : {y.UmoBO, y.UmoBi, y.WykBi, y.Zwiek, y.Zmnie, y.Brutt}) c.add(real(v));
  }
}

int entriesOfKind(const WorkingRecord& wr, std::string_view kind) {
  int n = 0;
  for (const ChangeEntry& e : wr.entries) n += e.C == kind;
  return n;
}

void writeSums(const WorkingRecord& wr, Basis basis, Cells& c) {
  const AsOfSummary& s = wr.summary;
  // The engine keeps one variant, that of the basis it computed with.
  const std::string v = basis == Basis::Balance ? "Bi" : "Po";
  c.pair("sRI.Bru" + v, real(s.grossBO + s.increasesYTD - s.decreasesYTD));
  c.pair("sRI.Zwi" + v, real(s.increasesYTD));
  c.pair("sRI.Zmn" + v, real(s.decreasesYTD));
  c.pair("sRI.Amo" + v, real(s.chargeYTD));
  c.pair("sRI.Umo" + v, real(s.accumDay));
  c.pair("sRI.KOT", std::to_string(entriesOfKind(wr, "OT")));
  c.pair("sRI.KPT", std::to_string(entriesOfKind(wr, "PT")));
  c.pair("sRI.KLT", std::to_string(entriesOfKind(wr, "LT")));
}

}  // namespace

void writeFullAssetDescription(const AssetRecord& asset, int year, Basis basis,
                               output::ReportBuffer& out) {
  DepreciationEngine engine(basis);
  out.beginReport("OSP", text::fromUtf8("Pełny opis środka trwałego"), 1);
  for (int i = 1; i <= 6; ++i) out.addColumn('l', 25, "kolumna " + std::to_string(i));
  out.endHeaders(str(asset.Symb) + text::fromUtf8(" na rok ") + std::to_string(year));
  {
    // The year table runs to the register's last year; the rest is as of
    // 31 December of the chosen one.
    const WorkingRecord all = engine.compute(asset, text::dayFromDate(kLastComputedYear, 12, 31));
    const WorkingRecord& wr = engine.compute(asset, text::dayFromDate(year, 12, 31));
    Cells c(out);
    writeRecordFields(wr, c);
    writeRateHistory(wr.asset, c);
    c.flush();
    out.addRule('.');
    writeChangeEntries(wr, c);
    c.flush();
    out.addRule('.');
    writeYearTable(all, year, c);
    c.flush();
    out.addRule('.');
    writeSums(wr, basis, c);
  }
  out.endReport();
}

}  // namespace zefir::operations
