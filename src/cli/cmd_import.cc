// zefir-cli import xls|dbf BASEFOLDER SOURCE --version NAME [--analyse]
//                  [--json OUT | --text OUT]
// Runs the import of options 63 and 64 headless: SOURCE is the file's name
// in BASEFOLDER/DBF (extension optional); the spreadsheet import writes
// BASEFOLDER/Nowe.PST, the DBF import saves into BASEFOLDER/Srodki.PST.
#include <filesystem>
#include <memory>

#include "cli/base_access.h"
#include "cli/commands.h"
#include "cli/report_output.h"
#include "operations/import_operations.h"
#include "platform/file_system.h"
#include "text/codepage.h"

namespace zefir::cli {

namespace {

namespace fs = std::filesystem;
namespace imp = operations::import;

constexpr std::string_view kBaseName = "Srodki.PST";

struct ImportOptions {
  std::string kind, folder, source, version, json, text;
  bool analyse = false;
};

void checkVersion(const ImportOptions& o) {
  if (o.version == imp::kAnalysisVersion) return;
  if (o.kind == "xls") {
    const auto& v = imp::sheetVersions();
    if (std::find(v.begin(), v.end(), o.version) == v.end())
      throw CliExit{1,
                    "Błąd wywołania: wersja importu xls to Analiza, Fabrika, UG-Wzorcowo "
                    "albo UM-Wzorcowo"};
  } else if (o.version.empty()) {
    throw CliExit{1, "Błąd wywołania: podaj --version Analiza, Srodki albo Inne"};
  }
}

void runImport(ImportOptions o) {
  if (o.analyse) o.version = imp::kAnalysisVersion;
  if (!o.json.empty() + !o.text.empty() > 1)
    throw CliExit{1, "Błąd wywołania: podaj najwyżej jedno z --json, --text"};
  checkVersion(o);
  if (!platform::isFolder(o.folder)) throw CliExit{2, "Nie ma folderu bazy " + o.folder};
  const std::string path = (fs::path(o.folder) / kBaseName).string();
  AssetRegister reg;
  std::optional<BaseJournal> journal;
  if (o.kind == "dbf" && o.version != imp::kAnalysisVersion)
    journal.emplace(loadOrCreateBase(path, reg, 0));
  else if (platform::exists(path))
    journal.emplace(loadExistingBase(path, reg));

  const operations::OptionInfo& option = *operations::findOption(o.kind == "xls" ? 63 : 64);
  const operations::FieldValues values;
  output::ReportBuffer buffer;
  operations::OperationRun run{option, values, &reg, o.folder + "/", platform::localClock().day,
                               "p",    &buffer};
  run.journal = journal ? &*journal : nullptr;
  imp::ImportRequest request{o.kind == "dbf", text::fromUtf8(o.source), text::fromUtf8(o.version)};
  const Status s = imp::runImport(request, run);
  // What was written to the report goes out even when the import stopped.
  if (buffer.ended()) {
    if (!o.json.empty()) writeReportJson(buffer, o.json);
    if (!o.text.empty()) writeReportText(buffer, 1, std::max(buffer.rowCount(), 1), o.text);
  }
  if (!s) throw CliExit{request.sourceFailed ? 2 : 1, text::toUtf8(s.message())};
}

}  // namespace

void addImportCommand(CLI::App& app) {
  auto o = std::make_shared<ImportOptions>();
  auto* cmd = app.add_subcommand(
      "import", "Import arkusza (xls: .xls, .xlsx, .ods, .csv) albo tabeli DBF z folderu DBF bazy");
  cmd->add_option("KIND", o->kind, "xls albo dbf")
      ->required()
      ->check(CLI::IsMember({"xls", "dbf"}));
  cmd->add_option("BASEFOLDER", o->folder, "Folder bazy")->required();
  cmd->add_option("SOURCE", o->source, "Nazwa pliku w folderze DBF bazy")->required();
  cmd->add_option("--version", o->version,
                  "Wersja: Analiza, Fabrika, UG-Wzorcowo, UM-Wzorcowo (xls); Analiza, Srodki, "
                  "Inne (dbf)");
  cmd->add_flag("--analyse", o->analyse, "To samo co --version Analiza");
  cmd->add_option("--json", o->json, "Bufor raportu jako JSON (dla render)");
  cmd->add_option("--text", o->text, "Raport jako tekst");
  cmd->callback([o] { runImport(*o); });
}

}  // namespace zefir::cli
