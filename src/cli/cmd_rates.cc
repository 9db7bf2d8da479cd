// zefir-cli rates FOLDER [--year YYYY] [--from URL-or-FILE]
// Refreshes the exchange-rate table headless, as the pick list of rates does
// before it lists them, and prints the rate file's path.
#include <iostream>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "net/rate_refresh.h"
#include "platform/status_line.h"
#include "text/codepage.h"

namespace zefir::cli {

namespace {

struct RatesOptions {
  std::string folder;
  int year = 0;
  std::string from = std::string(net::kRateServer);
};

void refresh(const RatesOptions& o) {
  RememberingStatusLine line;
  setStatusLine(&line);
  net::RateRefresh request;
  request.folder = o.folder;
  request.year = o.year;
  request.source = o.from;
  const net::RateRefreshResult result = net::refreshRates(request);
  setStatusLine(nullptr);
  if (!result.status) throw CliExit{2, text::toUtf8(result.status.message())};
  if (result.year_read != 0) std::cerr << text::toUtf8(line.last_text) << "\n";
  std::cout << result.rate_file << "\n";
}

}  // namespace

void addRatesCommand(CLI::App& app) {
  auto options = std::make_shared<RatesOptions>();
  auto* cmd = app.add_subcommand(
      "rates",
      "Pobiera tabelę A kursów NBP i zapisuje plik kursów KursRRRR; wypisuje jego ścieżkę");
  cmd->add_option("FOLDER", options->folder, "Folder pliku kursów i archiwum")->required();
  cmd->add_option("--year", options->year, "Rok tabeli (domyślnie bieżący)")
      ->check(CLI::Range(1920, 2039));
  cmd->add_option("--from", options->from,
                  "Adres folderu archiwów, adres pliku .csv albo plik archiwum na dysku");
  cmd->callback([options] { refresh(*options); });
}

}  // namespace zefir::cli
