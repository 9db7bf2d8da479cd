// zefir-cli compute / compute-all: an asset's working record as JSON, as the
// depreciation engine computes it for a day.
#include <filesystem>
#include <iostream>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/base_access.h"
#include "cli/commands.h"
#include "register/asset_register.h"
#include "register/base_journal.h"
#include "register/depreciation_engine.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::cli {

namespace {

using nlohmann::ordered_json;

struct ComputeOptions {
  std::string base;
  std::string symbol;
  std::string date;
  std::string basis = "B";
};

// Money and rates go out as JSON numbers with their full precision (a double
// keeps far more than the 6 decimals readers need).
double number(long double x) {
  return static_cast<double>(x);
}

std::string utf8(std::string_view cp1250) {
  return text::toUtf8(cp1250);
}

ordered_json yearJson(const YearEntry& y) {
  return {{"year", y.year},           {"Brutt", number(y.Brutt)}, {"Zwiek", number(y.Zwiek)},
          {"Zmnie", number(y.Zmnie)}, {"UmoBO", number(y.UmoBO)}, {"UmoBi", number(y.UmoBi)},
          {"WykBi", number(y.WykBi)}};
}

ordered_json summaryJson(const AsOfSummary& s) {
  return {{"grossBO", number(s.grossBO)},
          {"increasesYTD", number(s.increasesYTD)},
          {"decreasesYTD", number(s.decreasesYTD)},
          {"chargeYTD", number(s.chargeYTD)},
          {"chargeMonth", number(s.chargeMonth)},
          {"accumBO", number(s.accumBO)},
          {"accumDay", number(s.accumDay)},
          {"correctionsYTD", number(s.correctionsYTD)},
          {"transferredYTD", number(s.transferredYTD)},
          {"writtenOffYTD", number(s.writtenOffYTD)}};
}

ordered_json workingRecordJson(const WorkingRecord& wr) {
  ordered_json j;
  j["symbol"] = utf8(wr.asset.Symb);
  j["asOf"] = wr.asOf;
  j["asOfYear"] = wr.asOfYear;
  j["asOfMonth"] = wr.asOfMonth;
  j["years"] = ordered_json::array();
  for (int i = 0; i < wr.yearCount; ++i) j["years"].push_back(yearJson(wr.years[i]));
  j["months"] = ordered_json::array();
  for (const MonthValues& m : wr.months)
    j["months"].push_back({{"charge", number(m.charge)},
                           {"writeUp", number(m.writeUp)},
                           {"writtenOff", number(m.writtenOff)}});
  j["summary"] = summaryJson(wr.summary);
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

// DDMMYY naming a real day; anything else is a usage error.
DayNumber asOfDay(const std::string& ddmmyy) {
  const DayNumber day = ddmmyy.size() == 6 ? text::dayFromShortText(ddmmyy) : 0;
  if (day == 0 || text::shortTextOfDay(day) != ddmmyy)
    throw CliExit{1, "Nieczytelna data: \"" + ddmmyy + "\" (oczekiwano DDMMRR)"};
  return day;
}

void loadBase(AssetRegister& reg, const std::string& path) {
  // The loader creates a missing base; a computation must not.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec))
    throw CliExit{2, "Nie można odczytać bazy: " + path};
  BaseJournal journal(path);
  if (const Status st = journal.load(reg); !st.ok())
    throw CliExit{2, "Nie można odczytać bazy: " + path + " (" + utf8(st.message()) + ")"};
}

Basis basisOf(const std::string& letter) {
  return letter == "P" ? Basis::Tax : Basis::Balance;
}

void runCompute(const ComputeOptions& o) {
  const DayNumber asOf = asOfDay(o.date);
  AssetRegister reg;
  loadBase(reg, o.base);
  if (Status s = checkSymbolLength(text::fromUtf8(o.symbol)); !s)
    throw CliExit{1, utf8(s.message())};
  if (!findAsset(reg, o.symbol))
    throw CliExit{1, "Nie ma środka o symbolu \"" + o.symbol + "\" w bazie " + o.base};
  DepreciationEngine engine(basisOf(o.basis));
  std::cout << workingRecordJson(engine.compute(reg, reg.current(), asOf)).dump() << "\n";
}

void runComputeAll(const ComputeOptions& o) {
  const DayNumber asOf = asOfDay(o.date);
  AssetRegister reg;
  loadBase(reg, o.base);
  DepreciationEngine engine(basisOf(o.basis));
  for (int slot = 1; slot < reg.count(); ++slot)
    std::cout << workingRecordJson(engine.compute(reg, slot, asOf)).dump() << "\n";
}

void addBasisOption(CLI::App* cmd, ComputeOptions& o) {
  cmd->add_option("--basis", o.basis, "Podstawa amortyzacji: B bilansowa (domyślnie), P podatkowa")
      ->check(CLI::IsMember({"B", "P"}));
}

}  // namespace

void addComputeCommands(CLI::App& app) {
  static ComputeOptions one, all;
  auto* cmd = app.add_subcommand("compute", "Wylicz amortyzację środka na dzień (JSON)");
  cmd->add_option("BASE", one.base, "Plik bazy .PST")->required();
  cmd->add_option("SYMBOL", one.symbol, "Symbol środka")->required();
  cmd->add_option("DATE", one.date, "Dzień DDMMRR")->required();
  addBasisOption(cmd, one);
  cmd->callback([] { runCompute(one); });

  auto* every = app.add_subcommand(
      "compute-all", "Wylicz amortyzację wszystkich środków na dzień (JSON, wiersz na środek)");
  every->add_option("BASE", all.base, "Plik bazy .PST")->required();
  every->add_option("DATE", all.date, "Dzień DDMMRR")->required();
  addBasisOption(every, all);
  every->callback([] { runComputeAll(all); });
}

}  // namespace zefir::cli
