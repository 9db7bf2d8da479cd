// The subcommands of zefir-cli. Each adds itself to the application; its
// callback sets the exit status through CliExit.
//
// Exit status: 0 success, 1 usage error, 2 an input could not be read or is
// invalid. Messages go to stderr in Polish, one line.
#pragma once

#include <CLI/CLI.hpp>

namespace zefir::cli {

// Thrown by a subcommand to end with a status and a one-line message (UTF-8).
struct CliExit {
  int status;
  std::string message;
};

void addDumpCommand(CLI::App& app);
void addPutCommand(CLI::App& app);
void addCheckCommand(CLI::App& app);
void addDemoCommand(CLI::App& app);
void addComputeCommands(CLI::App& app);  // compute, compute-all
void addRenderCommand(CLI::App& app);
void addReportCommand(CLI::App& app);  // listing options as Go runs them
void addJpkStCommand(CLI::App& app);
void addDescribeCommand(CLI::App& app);   // OpiST and InfST
void addDocumentCommand(CLI::App& app);   // OT, LT and PT as PDF
void addImportCommand(CLI::App& app);     // options 63 and 64
void addRatesCommand(CLI::App& app);      // the exchange-rate table
void addLoginHashCommand(CLI::App& app);  // hasla: clear passwords hashed

}  // namespace zefir::cli
