#include "cli/commands.h"

namespace zefir::cli {

void addCheckCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand("check", "(jeszcze niedostępne)");
  cmd->allow_extras();
  cmd->callback([] { throw CliExit{2, "Polecenie check jest jeszcze niedostępne"}; });
}

}  // namespace zefir::cli
