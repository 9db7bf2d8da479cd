// zefir-cli describe BASEFOLDER SYMBOL (--day DDMMYY | --year YYYY)
//                    (--json OUT | --text OUT | --pdf OUT) [--station N]
// The asset's description as of a day (`OpiST`) or its full description for
// a year (`InfST`), run as Go runs the options in the desktop.
#include <iostream>
#include <memory>

#include "cli/base_access.h"
#include "cli/commands.h"
#include "cli/report_output.h"
#include "operations/listing_options.h"
#include "operations/operation_registry.h"
#include "platform/paths.h"
#include "register/base_record.h"
#include "shell/listing_settings.h"
#include "shell/settings_register.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::cli {

namespace {

struct DescribeOptions {
  std::string folder, symbol, day, year;
  std::string json, text, pdf;
  int station = 1;
};

void runDescribe(const DescribeOptions& o) {
  if (o.day.empty() == o.year.empty())
    throw CliExit{1, "Błąd wywołania: podaj dokładnie jedno z --day, --year"};
  if (!o.json.empty() + !o.text.empty() + !o.pdf.empty() != 1)
    throw CliExit{1, "Błąd wywołania: podaj dokładnie jedno z --json, --text, --pdf"};
  if (!o.day.empty() && text::dayFromShortText(o.day) == 0)
    throw CliExit{1, "Błąd wywołania: --day " + o.day + " nie jest datą DDMMRR"};
  const operations::OptionInfo& option = *operations::findOption(o.day.empty() ? "InfST" : "OpiST");

  const std::string path = basePath(o.folder);
  AssetRegister reg;
  loadExistingBase(path, reg);
  if (o.symbol.empty() || !findAsset(reg, o.symbol))
    throw CliExit{2, "Nie ma środka o symbolu " + o.symbol};
  shell::SettingsRegister settings;
  const std::string folder = platform::folderOf(path);
  // A missing base register reads as its defaults.
  (void)settings.load(shell::baseRegisterPath(folder), base::workstationSuffix(o.station));

  operations::registerBuiltOperations();
  operations::listingEnvironment() = {shell::listingSettingsFrom(settings), {}, {}};
  operations::FieldContext context;
  context.assets = &reg;
  context.baseFolder = folder;
  context.today = today();
  operations::FieldValues values;
  values.set("SroJ", text::upperCase(text::fromUtf8(o.symbol)));
  if (!o.day.empty()) values.set("DaDo", o.day);
  if (!o.year.empty()) values.set("Rok4", o.year);
  if (Status s = operations::checkAndComplete(option, values, context); !s)
    throw CliExit{1, text::toUtf8(s.message())};

  runReportToFiles(option, values, context, {o.json, o.text, o.pdf, {}, false});
}

}  // namespace

void addDescribeCommand(CLI::App& app) {
  auto o = std::make_shared<DescribeOptions>();
  auto* cmd = app.add_subcommand(
      "describe", "Opis środka trwałego na dzień (--day) albo pełny opis na rok (--year)");
  cmd->add_option("BASEFOLDER", o->folder, "Folder bazy (albo plik .PST)")->required();
  cmd->add_option("SYMBOL", o->symbol, "Symbol środka trwałego")->required();
  cmd->add_option("--day", o->day, "Dzień opisu DDMMRR (opis OST)");
  cmd->add_option("--year", o->year, "Rok pełnego opisu RRRR (opis OSP)");
  cmd->add_option("--json", o->json, "Bufor raportu jako JSON (dla render)");
  cmd->add_option("--text", o->text, "Opis jako tekst");
  cmd->add_option("--pdf", o->pdf, "Opis jako PDF");
  cmd->add_option("--station", o->station, "Numer stanowiska dla ustawień bazy (1-197)")
      ->check(CLI::Range(1, 197));
  cmd->callback([o] { runDescribe(*o); });
}

}  // namespace zefir::cli
