// zefir-cli's help in Polish: CLI11's formatter with Polish labels, group
// titles, argument names and value kinds, and the "help" command.
#pragma once

#include <CLI/CLI.hpp>

namespace zefir::cli {

// Gives `app` and the subcommands added to it afterwards the Polish help.
// Call before adding the subcommands: they take the formatter and the group
// title over from `app` as they are created.
void usePolishHelp(CLI::App& app);

// "help [POLECENIE]": the help of zefir-cli, or of one command.
void addHelpCommand(CLI::App& app);

}  // namespace zefir::cli
