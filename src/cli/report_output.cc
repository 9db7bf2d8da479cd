#include "cli/report_output.h"

#include <fstream>
#include <iostream>

#include "cli/commands.h"
#include "output/gui/report_print.h"
#include "output/page_setup.h"
#include "output/report_context.h"
#include "output/report_json.h"
#include "output/report_text.h"
#include "output/xlsx_export.h"
#include "text/codepage.h"

namespace zefir::cli {

namespace {

// Qt's own notes (a missing runtime folder and the like) would bury the one
// line the command prints; only fatal messages stay.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
}

QString jobTitle(const output::ReportBuffer& buffer) {
  const output::ReportContext& ctx = output::reportContext();
  return QString::fromStdString(
      output::printJobTitle(ctx.menuPosition, buffer.code(), ctx.organisation));
}

void writeFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary);
  out << content;
  if (!out.flush()) throw CliExit{2, "Nie można zapisać pliku " + path};
}

}  // namespace

std::unique_ptr<QGuiApplication> headlessApplication() {
  qInstallMessageHandler(quietQt);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "zefir-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

int PdfPages::rowsPerPage(output::ReportBuffer& buffer, output::Orientation o) {
  return output::pdfRowsPerPage(buffer, o == output::Orientation::Landscape);
}

void writeReportJson(const output::ReportBuffer& buffer, const std::string& path) {
  writeFile(path, output::reportToJson(buffer));
}

void writeReportText(const output::ReportBuffer& buffer, int from, int to,
                     const std::string& path) {
  writeFile(path, text::toUtf8(output::renderText(buffer, from, to)));
}

void writeReportPdfFile(const output::ReportBuffer& buffer, bool landscape, int from, int to,
                        const std::string& path) {
  if (!output::writeReportPdf(buffer, landscape, QString::fromStdString(path), from, to,
                              output::currentPrintTexts(), jobTitle(buffer)))
    throw CliExit{2, "Nie można zapisać pliku " + path};
}

void writeReportXlsx(const output::ReportBuffer& buffer, int from, int to,
                     const std::string& path) {
  const output::ReportContext& ctx = output::reportContext();
  switch (
      output::writeXlsx(buffer, from, to, path, output::xlsxTitles(ctx, output::xlsxStamp(ctx)))) {
    case output::XlsxOutcome::TooManyRows:
      throw CliExit{2, "Więcej niż 100.000 wierszy"};
    case output::XlsxOutcome::NotWritten:
      throw CliExit{2, "Nie można zapisać pliku " + path};
    default:
      break;
  }
}

void runReportToFiles(const operations::OptionInfo& option, const operations::FieldValues& values,
                      const operations::FieldContext& context, const ReportFiles& files) {
  std::unique_ptr<QGuiApplication> app;
  PdfPages pages;
  output::ReportBuffer buffer;
  if (!files.pdf.empty()) {
    app = headlessApplication();
    buffer.setObserver(&pages);
  }
  operations::RunEnvironment env;
  env.assets = context.assets;
  env.baseFolder = context.baseFolder;
  env.today = context.today;
  env.report = &buffer;
  const operations::RunOutcome r = operations::wykonaOpc(option, values, env);
  if (!r.status) throw CliExit{1, text::toUtf8(r.status.message())};
  const int last = std::max(buffer.rowCount(), 1);
  if (!files.json.empty()) writeReportJson(buffer, files.json);
  if (!files.text.empty()) writeReportText(buffer, 1, last, files.text);
  if (!files.pdf.empty()) writeReportPdfFile(buffer, files.landscape, 1, last, files.pdf);
  if (!files.xlsx.empty()) writeReportXlsx(buffer, 1, last, files.xlsx);
}

}  // namespace zefir::cli
