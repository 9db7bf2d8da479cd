// zefir-cli dump BASE.PST: the register after replaying the journal, one JSON
// object per asset in register order (JSON Lines).
#include <iostream>

#include "cli/asset_json.h"
#include "cli/base_access.h"
#include "cli/commands.h"

namespace zefir::cli {

void addDumpCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand("dump", "Wypisz środki bazy jako JSON Lines");
  static std::string path;
  cmd->add_option("BASE", path, "Plik bazy (.PST)")->required();
  cmd->callback([] {
    AssetRegister reg;
    BaseJournal journal = loadExistingBase(path, reg);
    for (int i = 1; i < reg.count(); ++i) std::cout << assetToJson(reg.slot(i)).dump() << '\n';
    std::cout.flush();
  });
}

}  // namespace zefir::cli
