// zefir-cli demo DIR: writes the demo base folder (see demo_base.h). The
// assets are saved through the journal as the program saves them, most in two
// steps (the later change entries added by a second save) and one asset
// created and removed again, so the journal shows a realistic history.
#include <filesystem>

#include "cli/commands.h"
#include "cli/demo_base.h"
#include "platform/file_system.h"
#include "platform/shared_file.h"
#include "register/base_files.h"
#include "register/base_journal.h"
#include "register/base_record.h"
#include "text/codepage.h"

namespace zefir::cli {

namespace {

constexpr int kDemoStation = 1;
constexpr int kFirstSaveEntries = 5;  // change entries written by the first save

void save(BaseJournal& journal, AssetRegister& reg, const AssetRecord& before,
          const AssetRecord& after) {
  if (Status s = journal.saveAsset(reg, before, after); !s)
    throw CliExit{2, "Nie można zapisać bazy demonstracyjnej: " + text::toUtf8(s.message())};
}

void writeAssets(const std::string& pst) {
  AssetRegister reg;
  BaseJournal journal(pst);
  journal.setWorkstationSuffix(base::workstationSuffix(kDemoStation));
  if (Status s = journal.load(reg); !s)
    throw CliExit{2, "Nie można utworzyć bazy " + pst + ": " + text::toUtf8(s.message())};
  const AssetRecord empty;
  for (const AssetRecord& asset : demoAssets()) {
    AssetRecord first = asset;
    for (int i = kFirstSaveEntries; i < kChangeEntries; ++i) first.Z[i].clear();
    save(journal, reg, empty, first);
    if (!(first == asset)) save(journal, reg, first, asset);
  }
  // Entered by mistake and removed: a deletion record in the journal.
  AssetRecord mistake = empty;
  mistake.Symb = "ST/4/099";
  mistake.Nazw = text::fromUtf8("Drukarka - wprowadzona omyłkowo");
  save(journal, reg, empty, mistake);
  AssetRecord removed = mistake;
  removed.Symb.clear();
  save(journal, reg, mistake, removed);
}

template <typename Table, typename Entry>
Table tableOf(std::vector<Entry> entries) {
  Table table;
  for (auto& e : entries)
    if (Status s = table.add(std::move(e)); !s) throw CliExit{2, text::toUtf8(s.message())};
  return table;
}

}  // namespace

void addDemoCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand("demo", "Zapisz folder bazy demonstracyjnej");
  static std::string dir;
  cmd->add_option("DIR", dir, "Folder bazy")->required();
  cmd->callback([] {
    const std::filesystem::path folder(dir);
    const auto pst = folder / "Srodki.PST";
    if (platform::exists(pst.string()))
      throw CliExit{2, "Baza " + pst.string() + " już istnieje; podaj pusty folder"};
    if (!platform::createFolder(dir)) throw CliExit{2, "Nie można utworzyć folderu " + dir};
    try {
      writeAssets(pst.string());
      base::saveClassificationTable(tableOf<ClassificationTable>(demoClassification()),
                                    (folder / "KST").string());
      // Written as the program writes them: key, code 4, description, in Mazovia.
      DemoDictionaries d = demoDictionaries();
      base::saveDictionary(tableOf<Dictionary>(std::move(d.places)),
                           (folder / base::kPlacesFile).string());
      base::saveDictionary(tableOf<Dictionary>(std::move(d.persons)),
                           (folder / base::kPersonsFile).string());
      base::saveDictionary(tableOf<Dictionary>(std::move(d.accounts)),
                           (folder / base::kAccountsFile).string());
    } catch (const platform::IoError& e) {
      throw CliExit{2, text::toUtf8(e.message)};
    }
  });
}

}  // namespace zefir::cli
