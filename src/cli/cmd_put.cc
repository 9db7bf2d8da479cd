#include "cli/commands.h"

namespace zefir::cli {

void addPutCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand("put", "(jeszcze niedostępne)");
  cmd->allow_extras();
  cmd->callback([] { throw CliExit{2, "Polecenie put jest jeszcze niedostępne"}; });
}

}  // namespace zefir::cli
