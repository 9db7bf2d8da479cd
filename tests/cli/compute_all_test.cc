// zefir-cli compute-all writes its lines straight, without a JSON document
// per asset, and on several workers: the lines must be exactly what dumping a
// document tree of each working record gives, in register order, whatever
// the number of workers.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_runner.h"
#include "register/base_journal.h"
#include "register/depreciation_engine.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir {
namespace {

using nlohmann::ordered_json;

double number(long double x) {
  return static_cast<double>(x);
}

std::string utf8(std::string_view cp1250) {
  return text::toUtf8(cp1250);
}

// The document tree the command used to build and dump for each asset.
ordered_json treeOf(const WorkingRecord& wr) {
  ordered_json j;
  j["symbol"] = utf8(wr.asset.Symb);
  j["asOf"] = wr.asOf;
  j["asOfYear"] = wr.asOfYear;
  j["asOfMonth"] = wr.asOfMonth;
  j["years"] = ordered_json::array();
  for (int i = 0; i < wr.yearCount; ++i) {
    const YearEntry& y = wr.years[i];
    j["years"].push_back({{"year", y.year},
                          {"Brutt", number(y.Brutt)},
                          {"Zwiek", number(y.Zwiek)},
                          {"Zmnie", number(y.Zmnie)},
                          {"UmoBO", number(y.UmoBO)},
                          {"UmoBi", number(y.UmoBi)},
                          {"WykBi", number(y.WykBi)}});
  }
  j["months"] = ordered_json::array();
  for (const MonthValues& m : wr.months)
    j["months"].push_back({{"charge", number(m.charge)},
                           {"writeUp", number(m.writeUp)},
                           {"writtenOff", number(m.writtenOff)}});
  const AsOfSummary& s = wr.summary;
  j["summary"] = {{"grossBO", number(s.grossBO)},
                  {"increasesYTD", number(s.increasesYTD)},
                  {"decreasesYTD", number(s.decreasesYTD)},
                  {"chargeYTD", number(s.chargeYTD)},
                  {"chargeMonth", number(s.chargeMonth)},
                  {"accumBO", number(s.accumBO)},
                  {"accumDay", number(s.accumDay)},
                  {"correctionsYTD", number(s.correctionsYTD)},
                  {"transferredYTD", number(s.transferredYTD)},
                  {"writtenOffYTD", number(s.writtenOffYTD)}};
  j["classification"] = {{"SKST", utf8(wr.classification.entry.SKST)},
                         {"rate", number(wr.classification.rate)},
                         {"coef", number(wr.classification.coef)}};
  j["gross"] = number(wr.split.gross);
  j["quantity"] = number(wr.split.quantity.quantity);
  j["unit"] = utf8(wr.split.quantity.unit);
  j["holdings"] = ordered_json::array();
  for (const Holding& h : wr.split.holdings)
    j["holdings"].push_back({{"kind", utf8(h.kind)},
                             {"key", utf8(h.key)},
                             {"origin", h.origin},
                             {"amount", number(h.amount)},
                             {"quantityShare", number(h.quantityShare)}});
  return j;
}

class ComputeAll : public cli_test::CliTest {
 protected:
  // Each asset of `base` computed here and dumped from its tree, one a line.
  static std::string expectedLines(const std::string& base, const std::string& ddmmyy,
                                   Basis basis) {
    AssetRegister reg;
    BaseJournal journal(base);
    EXPECT_TRUE(journal.load(reg).ok());
    DepreciationEngine engine(basis);
    const DayNumber day = text::dayFromShortText(ddmmyy);
    std::string lines;
    for (int slot = 1; slot < reg.count(); ++slot)
      lines += treeOf(engine.compute(reg, slot, day)).dump() + "\n";
    return lines;
  }
};

TEST_F(ComputeAll, LinesEqualTheDumpedTreesOnAnyDayBasisAndWorkerCount) {
  const std::string demo = std::string(ZEFIR_DEMO_DIR) + "/Srodki.PST";
  int compared = 0;
  for (const char* day : {"311224", "150318", "010120", "300625"}) {
    for (const auto& [letter, basis] : {std::pair{"B", Basis::Balance}, {"P", Basis::Tax}}) {
      const std::string expected = expectedLines(demo, day, basis);
      ASSERT_GT(expected.size(), 10000u);
      for (const char* workers : {"1", "2", "5"}) {
        const auto r = run(std::string("compute-all '") + demo + "' " + day + " --basis " + letter +
                           " --workers " + workers);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, expected) << day << " " << letter << " workers " << workers;
        ++compared;
      }
    }
  }
  EXPECT_EQ(compared, 24);
}

// Texts go through UTF-8 and the JSON escapes, a quotation mark and a
// backslash included.
TEST_F(ComputeAll, TextsWithPolishLettersAndEscapesMatchTheTree) {
  const std::string base = path("Srodki.PST").string();
  AssetRegister reg;
  BaseJournal journal(base);
  ASSERT_TRUE(journal.load(reg).ok());
  AssetRecord a;
  a.Symb = "Q/1";
  a.Nazw = text::fromUtf8("Wózek \"Ż\" 2 szt");
  a.DtOT = text::dayFromDate(2021, 5, 4);
  a.WaOT = a.WaBr = 1000.1L;
  a.MeUm = 'L';
  a.K[0] = RateEntry{0, text::fromUtf8("Ł\\7"), 14, 1, 0, 0};
  a.Z[0] = text::fromUtf8("MU:040521,HALA \"Ś\"\\2");
  a.Z[1] = "OO:010622,KOWALSKI,400";
  ASSERT_TRUE(journal.saveAsset(reg, AssetRegister::emptyRecord(), a).ok());
  const auto r = run("compute-all " + quoted(base) + " 311222 --workers 2");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, expectedLines(base, "311222", Basis::Balance));
  EXPECT_NE(r.out.find("\\\""), std::string::npos) << r.out;
}

TEST_F(ComputeAll, AWorkerCountOutsideOneTo256IsAUsageError) {
  const std::string demo = std::string(ZEFIR_DEMO_DIR) + "/Srodki.PST";
  EXPECT_EQ(run("compute-all '" + demo + "' 311224 --workers 0").status, 1);
  EXPECT_EQ(run("compute-all '" + demo + "' 311224 --workers x").status, 1);
}

}  // namespace
}  // namespace zefir
