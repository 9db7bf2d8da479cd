// Writing a report buffer out from the command line: its JSON, its plain
// text, its printed pages as PDF (drawn headless, as the report window
// prints them), or its spreadsheet workbook. Shared by `render` and `report`.
#pragma once

#include <QGuiApplication>
#include <memory>
#include <string>

#include "operations/operation_registry.h"
#include "output/report_buffer.h"

namespace zefir::cli {

// Fonts and PDF writing need a GUI application but never a display.
std::unique_ptr<QGuiApplication> headlessApplication();

// Page set-up on the A4 pages the PDF is written on.
class PdfPages : public output::ReportObserver {
 public:
  int rowsPerPage(output::ReportBuffer& buffer, output::Orientation o) override;
};

// Each ends with status 2 (CliExit) when the file cannot be written.
void writeReportJson(const output::ReportBuffer& buffer, const std::string& path);
void writeReportText(const output::ReportBuffer& buffer, int from, int to, const std::string& path);
// Needs the headless application.
void writeReportPdfFile(const output::ReportBuffer& buffer, bool landscape, int from, int to,
                        const std::string& path);
// The report window's workbook; more than 100,001 rows end with status 2.
void writeReportXlsx(const output::ReportBuffer& buffer, int from, int to, const std::string& path);

// The files a report run writes; the empty ones are left out.
struct ReportFiles {
  std::string json, text, pdf, xlsx;
  bool landscape = false;
};

// Runs the report option with its checked values as Go runs it and writes
// the buffer to each file; a refused run ends with status 1 (CliExit).
void runReportToFiles(const operations::OptionInfo& option, const operations::FieldValues& values,
                      const operations::FieldContext& context, const ReportFiles& files);

}  // namespace zefir::cli
