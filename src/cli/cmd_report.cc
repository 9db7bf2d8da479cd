// zefir-cli report OPTION BASEFOLDER [--FIELD VALUE]... (--json OUT | --text OUT |
//                  --pdf OUT [--landscape] | --xlsx OUT) [--station N]
// Runs a listing option of the menu as Go runs it in the desktop: the fields
// given by their codes, the others taking the option's defaults and the base
// register's settings; the report buffer goes to a file.
#include <chrono>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

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

namespace fs = std::filesystem;

// Progress shows once the run has taken a second, every so many assets.
constexpr auto kQuietTime = std::chrono::seconds(1);
constexpr int kProgressStep = 1000;

struct ReportOptions {
  std::string option;
  std::string folder;
  std::string json, text, pdf, xlsx;
  bool landscape = false;
  int station = 1;
  std::vector<std::string> fields;  // "--CODE", "VALUE", ... as given
};

// The option, which must be a report option of the catalogue whose report
// is built.
const operations::OptionInfo& optionOf(const std::string& code) {
  const operations::OptionInfo* info = operations::findOption(code);
  if (!info) throw CliExit{1, "Błąd wywołania: nieznana opcja " + code};
  if (info->operation != operations::OperationKind::Report ||
      !operations::hasOperation(info->number))
    throw CliExit{1, "Błąd wywołania: opcja " + code + " nie jest wykazem"};
  return *info;
}

// "--CODE VALUE" pairs; each code must be a field of the option.
operations::FieldValues fieldValues(const ReportOptions& o, const operations::OptionInfo& option) {
  const std::vector<std::string> known = operations::optionFields(option);
  operations::FieldValues values;
  for (std::size_t i = 0; i < o.fields.size(); i += 2) {
    const std::string& arg = o.fields[i];
    const std::string code = arg.starts_with("--") ? arg.substr(2) : arg;
    if (!arg.starts_with("--") || std::find(known.begin(), known.end(), code) == known.end())
      throw CliExit{1, "Błąd wywołania: nieznane pole " + arg + " opcji " + o.option};
    if (i + 1 >= o.fields.size()) throw CliExit{1, "Błąd wywołania: brak wartości pola " + arg};
    values.add(code, text::fromUtf8(o.fields[i + 1]));
  }
  return values;
}

// Progress on stderr once the run is slower than a second.
std::function<void(int, int)> progressOnStderr() {
  const auto start = std::chrono::steady_clock::now();
  return [start](int slot, int count) {
    if (slot % kProgressStep != 0 || slot >= count) return;
    if (std::chrono::steady_clock::now() - start < kQuietTime) return;
    std::cerr << "Raport: " << slot << " / " << count - 1 << "\n";
  };
}

void runReport(const ReportOptions& o) {
  const int outputs = !o.json.empty() + !o.text.empty() + !o.pdf.empty() + !o.xlsx.empty();
  if (outputs != 1)
    throw CliExit{1, "Błąd wywołania: podaj dokładnie jedno z --json, --text, --pdf, --xlsx"};
  if (o.landscape && o.pdf.empty())
    throw CliExit{1, "Błąd wywołania: --landscape dotyczy tylko --pdf"};
  operations::registerBuiltOperations();
  const operations::OptionInfo& option = optionOf(o.option);
  operations::FieldValues given = fieldValues(o, option);

  const std::string path = basePath(o.folder);
  AssetRegister reg;
  loadExistingBase(path, reg);
  shell::SettingsRegister settings;
  const std::string folder = platform::folderOf(path);
  // A missing base register reads as its defaults.
  (void)settings.load(shell::baseRegisterPath(folder), base::workstationSuffix(o.station));

  operations::listingEnvironment() = {shell::listingSettingsFrom(settings), progressOnStderr(),
                                      path};
  operations::FieldContext context;
  context.assets = &reg;
  context.baseFolder = folder;
  context.today = today();
  operations::FieldValues values = operations::withDefaults(option, std::move(given), context);
  if (Status s = operations::checkAndComplete(option, values, context); !s)
    throw CliExit{1, text::toUtf8(s.message())};

  runReportToFiles(option, values, context, {o.json, o.text, o.pdf, o.xlsx, o.landscape});
}

}  // namespace

void addReportCommand(CLI::App& app) {
  auto o = std::make_shared<ReportOptions>();
  auto* cmd = app.add_subcommand(
      "report", "Wykonuje wykaz z menu (np. WykaS) na bazie; pola podaje się jako --KOD WARTOŚĆ");
  cmd->add_option("OPTION", o->option, "Kod opcji, np. WykaS")->required();
  cmd->add_option("BASEFOLDER", o->folder, "Folder bazy (albo plik .PST)")->required();
  cmd->add_option("--json", o->json, "Bufor raportu jako JSON (dla render)");
  cmd->add_option("--text", o->text, "Raport jako tekst");
  cmd->add_option("--pdf", o->pdf, "Raport jako PDF");
  cmd->add_option("--xlsx", o->xlsx, "Raport jako skoroszyt XLSX");
  cmd->add_flag("--landscape", o->landscape, "Strony poziome (pejzaż)");
  cmd->add_option("--station", o->station, "Numer stanowiska dla ustawień bazy (1-197)")
      ->check(CLI::Range(1, 197));
  cmd->allow_extras();
  cmd->callback([o, cmd] {
    o->fields = cmd->remaining();
    runReport(*o);
  });
}

}  // namespace zefir::cli
