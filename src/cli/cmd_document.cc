// zefir-cli document OT|LT|PT BASEFOLDER SYMBOL LETTER [--copies CODES]
//                    --pdf OUT [--station N]
// Writes the document's copies as PDF pages, one per copy code in order,
// drawn by the same code as the document viewer.
#include <memory>

#include "cli/base_access.h"
#include "cli/commands.h"
#include "cli/report_output.h"
#include "operations/asset_documents.h"
#include "output/gui/document_painter.h"
#include "platform/paths.h"
#include "register/base_record.h"
#include "register/depreciation_engine.h"
#include "shell/document_company.h"
#include "shell/settings_register.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::cli {

namespace {

struct DocumentOptions {
  std::string kind, folder, symbol, letter, copies, pdf;
  int station = 1;
};

operations::DocumentCompany companyOf(const std::string& folder, int station) {
  shell::SettingsRegister settings;
  // A missing base register reads as its defaults.
  (void)settings.load(shell::baseRegisterPath(folder), base::workstationSuffix(station));
  return shell::documentCompany(settings);
}

void runDocument(const DocumentOptions& o) {
  if (o.kind != "OT" && o.kind != "LT" && o.kind != "PT")
    throw CliExit{1, "Błąd wywołania: rodzaj dokumentu OT, LT albo PT, nie " + o.kind};
  const std::string letter = text::toUtf8(text::upperCase(text::fromUtf8(o.letter)));
  if (letter.size() != 1 || letter[0] < 'A' || letter[0] > 'Z')
    throw CliExit{1, "Błąd wywołania: litera dokumentu A do Z, nie " + o.letter};

  const std::string path = basePath(o.folder);
  AssetRegister reg;
  loadExistingBase(path, reg);
  if (o.symbol.empty() || !findAsset(reg, o.symbol))
    throw CliExit{2, "Nie ma środka o symbolu " + o.symbol};
  const AssetRecord& asset = reg.currentRecord();
  operations::SelectedDocument doc;
  if (Status s = operations::selectDocument(asset, o.kind, letter[0], doc); !s)
    throw CliExit{2, text::toUtf8(s.message())};
  const std::string folder = platform::folderOf(path);
  const operations::DocumentCompany company = companyOf(folder, o.station);

  DepreciationEngine engine;
  const WorkingRecord& wr = engine.compute(asset, text::kLastTextDay);
  auto app = headlessApplication();
  const output::LogoImage logo = output::loadLogo(company.logoFile, folder);
  std::vector<output::DocumentCopy> copies;
  for (char code : operations::copyCodes(o.copies))
    copies.push_back(
        {operations::documentJobTitle(doc, asset.Symb, code), [&](output::DocumentCanvas& canvas) {
           operations::drawDocument(canvas, wr, doc, company, logo);
         }});
  if (!output::writeDocumentPdf(QString::fromStdString(o.pdf), copies))
    throw CliExit{2, "Nie można zapisać pliku " + o.pdf};
}

}  // namespace

void addDocumentCommand(CLI::App& app) {
  auto o = std::make_shared<DocumentOptions>();
  auto* cmd = app.add_subcommand("document", "Dokument OT, LT albo PT środka trwałego jako PDF");
  cmd->add_option("KIND", o->kind, "Rodzaj dokumentu: OT, LT albo PT")->required();
  cmd->add_option("BASEFOLDER", o->folder, "Folder bazy (albo plik .PST)")->required();
  cmd->add_option("SYMBOL", o->symbol, "Symbol środka trwałego")->required();
  cmd->add_option("LETTER", o->letter, "Litera dokumentu (A - pierwszy)")->required();
  cmd->add_option("--copies", o->copies, "Kody egzemplarzy, np. okl (o oryginał, k kopia)");
  cmd->add_option("--pdf", o->pdf, "Plik PDF")->required();
  cmd->add_option("--station", o->station, "Numer stanowiska dla ustawień bazy (1-197)")
      ->check(CLI::Range(1, 197));
  cmd->callback([o] { runDocument(*o); });
}

}  // namespace zefir::cli
