#include "cli/commands.h"

namespace zefir::cli {

void addComputeCommands(CLI::App& app) {
  auto* cmd = app.add_subcommand("compute", "(jeszcze niedostępne)");
  cmd->allow_extras();
  cmd->callback([] { throw CliExit{2, "Polecenie compute jest jeszcze niedostępne"}; });
}

}  // namespace zefir::cli
