// zefir-cli compute / compute-all: an asset's working record as JSON, as the
// depreciation engine computes it for a day.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/base_access.h"
#include "cli/commands.h"
#include "cli/working_record_json.h"
#include "platform/worker_pool.h"
#include "register/asset_register.h"
#include "register/base_journal.h"
#include "register/depreciation_engine.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::cli {

namespace {

struct ComputeOptions {
  std::string base;
  std::string symbol;
  std::string date;
  std::string basis = "B";
  int workers = 0;  // compute-all: 0 = one per hardware thread
};

std::string utf8(std::string_view cp1250) {
  return text::toUtf8(cp1250);
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
  std::string line;
  appendWorkingRecordJson(engine.compute(reg, reg.current(), asOf), line);
  std::cout << line << "\n";
}

void runComputeAll(const ComputeOptions& o) {
  const DayNumber asOf = asOfDay(o.date);
  AssetRegister reg;
  loadBase(reg, o.base);
  // Every asset is computed and written on the workers, each with its own
  // engine; the lines go out in register order.
  platform::WorkerPool pool(o.workers);
  std::vector<DepreciationEngine> engines(pool.workers(), DepreciationEngine(basisOf(o.basis)));
  pool.runInOrder<std::string>(
      static_cast<std::size_t>(reg.assetCount()),
      [&](std::size_t i, int worker, std::string& line) {
        line.clear();
        appendWorkingRecordJson(engines[worker].compute(reg, static_cast<int>(i) + 1, asOf), line);
        line += '\n';
      },
      [](std::size_t, const std::string& line) { std::cout.write(line.data(), line.size()); });
  std::cout.flush();
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
  every
      ->add_option("--workers", all.workers,
                   "Liczba wątków liczących (domyślnie: tyle, ile rdzeni procesora)")
      ->check(CLI::Range(1, 256));
  every->callback([] { runComputeAll(all); });
}

}  // namespace zefir::cli
