#include "cli/commands.h"

namespace zefir::cli {

void addDumpCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand("dump", "(jeszcze niedostępne)");
  cmd->allow_extras();
  cmd->callback([] { throw CliExit{2, "Polecenie dump jest jeszcze niedostępne"}; });
}

}  // namespace zefir::cli
