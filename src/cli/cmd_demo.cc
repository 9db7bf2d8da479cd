#include <filesystem>
#include <fstream>

#include "cli/commands.h"

namespace zefir::cli {

// Placeholder until the demo generator exists: an empty base folder.
void addDemoCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand("demo", "Zapisz folder bazy demonstracyjnej");
  static std::string dir;
  cmd->add_option("DIR", dir, "Folder bazy")->required();
  cmd->callback([] {
    std::filesystem::create_directories(dir);
    std::ofstream(std::filesystem::path(dir) / "Srodki.PST", std::ios::binary);
  });
}

}  // namespace zefir::cli
