// zefir-cli hasla PLIK: the clear passwords of a login file replaced by their
// hashes, so an old login file needs no password typed again.
#include <iostream>

#include "cli/commands.h"
#include "shell/login_file.h"
#include "text/codepage.h"

namespace zefir::cli {

void addLoginHashCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand("hasla", "Zamień jawne hasła pliku logowania na ich skróty");
  static std::string path;
  cmd->add_option("PLIK", path, "Plik logowania (!/Login.txt)")->required();
  cmd->callback([] {
    int hashed = 0;
    const Status s = shell::hashClearPasswords(path, &hashed);
    if (!s.ok()) throw CliExit{2, text::toUtf8(s.message())};
    std::cout << "Zamienione hasła: " << hashed << "\n";
  });
}

}  // namespace zefir::cli
