// zefir-cli jpk-st BASEFOLDER --rok YYYY [--cel 1|2] --out FILE
// Writes the fixed-asset register file JPK_ST_KR for a financial year from
// the base's register, its Podmiot1.TXT and its settings register.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "cli/base_access.h"
#include "cli/commands.h"
#include "output/company_data.h"
#include "output/jpk_export.h"
#include "output/jpk_st_kr.h"

namespace zefir::cli {

namespace {

namespace fs = std::filesystem;

struct JpkStOptions {
  std::string base;
  int year = 0;
  int purpose = 1;
  std::string out;
};

void writeJpkSt(const JpkStOptions& o) {
  // BASEFOLDER, or the base file itself.
  fs::path folder = o.base, file = fs::path(o.base) / "Srodki.PST";
  if (fs::is_regular_file(o.base)) {
    file = o.base;
    folder = file.parent_path();
  }
  AssetRegister reg;
  loadExistingBase(file.string(), reg);
  output::StKrRequest request;
  request.year = o.year;
  request.purpose = o.purpose;
  request.createdAt = output::jpkTimeNow();
  request.company = output::readCompanyData(folder.string(), "#");
  request.defaults = output::stKrDefaults(folder.string());
  std::ofstream out(o.out, std::ios::binary | std::ios::trunc);
  if (!out) throw CliExit{2, "Nie można zapisać pliku " + o.out};
  const int assets = output::writeStKr(out, reg, request);
  if (!out.flush()) throw CliExit{2, "Nie można zapisać pliku " + o.out};
  std::cerr << "Środków w pliku: " << assets << "\n";
}

}  // namespace

void addJpkStCommand(CLI::App& app) {
  auto options = std::make_shared<JpkStOptions>();
  auto* cmd = app.add_subcommand("jpk-st", "Zapisuje plik JPK_ST_KR ewidencji środków trwałych");
  cmd->add_option("BASEFOLDER", options->base, "Folder bazy (albo plik .PST)")->required();
  cmd->add_option("--rok", options->year, "Rok obrotowy")
      ->required()
      ->check(CLI::Range(1940, 2039));
  cmd->add_option("--cel", options->purpose, "Cel złożenia: 1 pierwszy raz, 2 korekta")
      ->check(CLI::IsMember({1, 2}));
  cmd->add_option("--out", options->out, "Plik XML do zapisania")->required();
  cmd->callback([options] { writeJpkSt(*options); });
}

}  // namespace zefir::cli
