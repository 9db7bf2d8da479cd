// zefir-cli: the register's command-line tool.
#include <cstdio>
#include <iostream>

#include "cli/commands.h"

int main(int argc, char** argv) {
  CLI::App app{"zefir-cli: narzędzie wiersza poleceń rejestru środków trwałych Zefir"};
  app.require_subcommand(1);
  app.set_help_flag("-h,--help", "Pokaż pomoc i zakończ");
  zefir::cli::addDumpCommand(app);
  zefir::cli::addPutCommand(app);
  zefir::cli::addCheckCommand(app);
  zefir::cli::addDemoCommand(app);
  zefir::cli::addComputeCommands(app);
  zefir::cli::addRenderCommand(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "Błąd wywołania: " << e.what() << " (zob. zefir-cli --help)\n";
    return 1;
  } catch (const zefir::cli::CliExit& e) {
    if (!e.message.empty()) std::cerr << e.message << "\n";
    return e.status;
  }
  return 0;
}
