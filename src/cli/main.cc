// zefir-cli: the register's command-line tool.
#include <cstdio>
#include <iostream>
#include <new>
#include <stdexcept>

#include "cli/commands.h"
#include "cli/polish_help.h"
#include "platform/shared_file.h"
#include "text/codepage.h"

namespace {

// CLI11 words its errors in English ("BASE is required"); the user gets the
// Polish words, with the argument or option CLI11 names kept.
std::string polishUsageError(const CLI::ParseError& e) {
  const std::string what = e.what();
  if (dynamic_cast<const CLI::ExtrasError*>(&e)) {
    const auto colon = what.rfind(": ");
    return "nieoczekiwany argument" + (colon == std::string::npos ? "" : what.substr(colon));
  }
  if (dynamic_cast<const CLI::RequiredError*>(&e)) {
    if (what.find("subcommand") != std::string::npos) return "brak polecenia";
    const auto is = what.find(" is required");
    return "brak argumentu" + (is == std::string::npos ? "" : " " + what.substr(0, is));
  }
  if (dynamic_cast<const CLI::ValidationError*>(&e) ||
      dynamic_cast<const CLI::ConversionError*>(&e)) {
    const auto colon = what.find(':');
    return "niepoprawna wartość" + (colon == std::string::npos ? "" : " " + what.substr(0, colon));
  }
  return "niepoprawne wywołanie";
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"zefir-cli: narzędzie wiersza poleceń rejestru środków trwałych Zefir"};
  app.require_subcommand(1);
  zefir::cli::usePolishHelp(app);
  zefir::cli::addDumpCommand(app);
  zefir::cli::addPutCommand(app);
  zefir::cli::addCheckCommand(app);
  zefir::cli::addDemoCommand(app);
  zefir::cli::addComputeCommands(app);
  zefir::cli::addRenderCommand(app);
  zefir::cli::addReportCommand(app);
  zefir::cli::addDescribeCommand(app);
  zefir::cli::addDocumentCommand(app);
  zefir::cli::addJpkStCommand(app);
  zefir::cli::addImportCommand(app);
  zefir::cli::addRatesCommand(app);
  zefir::cli::addLoginHashCommand(app);
  zefir::cli::addHelpCommand(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "Błąd wywołania: " << polishUsageError(e) << " (zob. zefir-cli --help)\n";
    return 1;
  } catch (const zefir::cli::CliExit& e) {
    if (!e.message.empty()) std::cerr << e.message << "\n";
    return e.status;
  } catch (const zefir::platform::IoError& e) {
    // A file that failed while being read or written: the message names it.
    std::cerr << zefir::text::toUtf8(e.message) << "\n";
    return 2;
  } catch (const std::bad_alloc&) {
    std::cerr << "Za mało pamięci na dane wejściowe\n";
    return 2;
  } catch (const std::exception& e) {
    // A fault no command foresaw ends with a message, never with an abort.
    std::cerr << "Nieoczekiwany błąd: " << e.what() << "\n";
    return 2;
  }
  return 0;
}
