// zefir-cli render BUFFER.json (--pdf OUT.pdf [--landscape] | --text OUT.txt | --xlsx OUT.xlsx)
//                  [--from N --to M]
// Prints a saved report buffer again: the same pages as the report window's
// printing, drawn headless, the plain-text form, or the report window's
// spreadsheet workbook.
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "cli/commands.h"
#include "cli/report_output.h"
#include "output/report_buffer.h"
#include "output/report_json.h"
#include "text/codepage.h"

namespace zefir::cli {

namespace {

struct RenderOptions {
  std::string buffer;
  std::string pdf;
  std::string text;
  std::string xlsx;
  bool landscape = false;
  int from = 0;
  int to = 0;
};

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw CliExit{2, "Nie można odczytać pliku " + path};
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

void render(const RenderOptions& o) {
  if (o.pdf.empty() + o.text.empty() + o.xlsx.empty() != 2)
    throw CliExit{1, "Podaj dokładnie jedno z --pdf, --text i --xlsx"};
  if (o.landscape && o.pdf.empty()) throw CliExit{1, "--landscape dotyczy tylko --pdf"};
  std::string json = readFile(o.buffer);
  auto app = headlessApplication();
  PdfPages pages;
  output::ReportBuffer buffer;
  buffer.setObserver(&pages);
  if (Status s = output::reportFromJson(json, buffer); !s.ok())
    throw CliExit{2, text::toUtf8(s.message()) + ": " + o.buffer};
  std::cerr << "Wierszy na str: " << buffer.view.rowsPortrait << " / " << buffer.view.rowsLandscape
            << "\n";
  const int last = std::max(buffer.rowCount(), 1);
  int from = std::clamp(o.from ? o.from : 1, 1, last);
  int to = std::clamp(o.to ? o.to : last, 1, last);
  if (from > to) std::swap(from, to);
  if (!o.xlsx.empty())
    writeReportXlsx(buffer, from, to, o.xlsx);
  else if (!o.text.empty())
    writeReportText(buffer, from, to, o.text);
  else
    writeReportPdfFile(buffer, o.landscape, from, to, o.pdf);
}

}  // namespace

void addRenderCommand(CLI::App& app) {
  auto options = std::make_shared<RenderOptions>();
  auto* cmd = app.add_subcommand("render", "Drukuje zapisany bufor raportu do PDF lub tekstu");
  cmd->add_option("buffer", options->buffer, "Bufor raportu (JSON)")->required();
  cmd->add_option("--pdf", options->pdf, "Plik PDF do zapisania");
  cmd->add_option("--text", options->text, "Plik tekstowy do zapisania");
  cmd->add_option("--xlsx", options->xlsx, "Skoroszyt XLSX do zapisania");
  cmd->add_flag("--landscape", options->landscape, "Strony poziome (pejzaż)");
  cmd->add_option("--from", options->from, "Pierwszy wiersz")->check(CLI::PositiveNumber);
  cmd->add_option("--to", options->to, "Ostatni wiersz")->check(CLI::PositiveNumber);
  cmd->callback([options] { render(*options); });
}

}  // namespace zefir::cli
