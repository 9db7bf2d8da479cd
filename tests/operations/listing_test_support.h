// A small register built in the test, and the report buffer read back as
// lines of UTF-8 text, for the listing tests.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "operations/listing_frame.h"
#include "output/report_buffer.h"
#include "register/asset_register.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::listing_test {

inline DayNumber day(int d, int m, int y) {
  return text::dayFromDate(y, m, d);
}

// A linear asset of `value` accepted on `accepted`, kept from its acceptance,
// at `rate` % a year on both bases (`taxRate` for the tax basis when given).
inline AssetRecord asset(const char* symb, const char* nameUtf8, DayNumber accepted,
                         long double value, long double rate, long double taxRate = 0) {
  AssetRecord a;
  a.Symb = symb;
  a.Nazw = text::fromUtf8(nameUtf8);
  a.DtOT = accepted;
  a.WaOT = a.WaBr = value;
  a.MeUm = 'L';
  a.K[0].SKST = symb[0] == '7' ? "741" : "491";
  a.K[0].StPo = taxRate != 0 ? taxRate : rate;
  a.K[0].WsPo = 1;
  a.K[0].StBi = rate;
  a.K[0].WsBi = 1;
  return a;
}

inline void add(AssetRegister& reg, const AssetRecord& a) {
  ASSERT_FALSE(reg.exists(a.Symb)) << a.Symb;
  ASSERT_TRUE(reg.insertAtCurrent().ok());
  reg.currentRecord() = a;
}

// Each row as one line: a rule as "rule" and its character, a data row as its
// cells joined by "|" with the empty cells at the end dropped.
inline std::vector<std::string> lines(const output::ReportBuffer& b) {
  std::vector<std::string> out;
  for (int r = 1; r <= b.rowCount(); ++r) {
    if (b.isRule(r)) {
      out.push_back(std::string("rule") + b.rule(r));
      continue;
    }
    std::vector<std::string> cells;
    for (int c = 0; c < static_cast<int>(b.columns().size()); ++c)
      cells.push_back(text::toUtf8(b.cell(r, c)));
    while (!cells.empty() && cells.back().empty()) cells.pop_back();
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "|" : "") + cells[i];
    out.push_back(line);
  }
  return out;
}

// The money cell as a number ("1.200,00" -> 1200).
inline long double money(std::string_view cell) {
  std::string plain;
  for (char c : cell)
    if (c == ',')
      plain += '.';
    else if (c != '.' && c != ' ')
      plain += c;
  return plain.empty() ? 0 : std::stold(plain);
}

// The small register of the hand-worked reports: 401 and 402 accepted in
// June 2025 (10.00 and 20.00 a month from July), 403 of zero value, 701
// accepted on 10 January 2026 (600.00 a month from February); the report day
// 31 March 2026.
class SmallBase : public ::testing::Test {
 protected:
  void SetUp() override {
    add(reg_, asset("401", "Tokarka", day(15, 6, 2025), 1200, 10));
    add(reg_, asset("402", "Frezarka", day(15, 6, 2025), 2400, 10));
    add(reg_, asset("403", "Wiertarka", day(15, 6, 2025), 0, 10));
    add(reg_, asset("701", "Samochód", day(10, 1, 2026), 36000, 20));
  }
  operations::ListingParams params(int pod1, int pod3, int pod7) const {
    operations::ListingParams p;
    p.reportDay = day(31, 3, 2026);
    p.pod1 = pod1;
    p.pod3 = pod3;
    p.pod7 = pod7;
    return p;
  }
  std::vector<std::string> run(operations::ListingKind kind, const operations::ListingParams& p) {
    operations::runListing(reg_, kind, p, out_);
    return lines(out_);
  }
  std::vector<std::string> run(operations::ListingKind kind, int pod1, int pod3, int pod7) {
    return run(kind, params(pod1, pod3, pod7));
  }
  // Gives the asset of `symbol` these change entries.
  void entries(const char* symbol, std::initializer_list<const char*> texts) {
    ASSERT_TRUE(reg_.find(symbol));
    AssetRecord& a = reg_.currentRecord();
    int i = 0;
    for (const char* t : texts) a.Z[i++] = t;
  }

  AssetRegister reg_;
  output::ReportBuffer out_;
};

}  // namespace zefir::listing_test
