#include "cli/commands.h"

namespace zefir::cli {

void addRenderCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand("render", "(jeszcze niedostępne)");
  cmd->allow_extras();
  cmd->callback([] { throw CliExit{2, "Polecenie render jest jeszcze niedostępne"}; });
}

}  // namespace zefir::cli
