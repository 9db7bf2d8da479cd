// Options 63 (`ImpXls`) and 64 (`ImpDbf`): the import of spreadsheet
// workbooks and DBF tables, and its analysis variant.
//
// The source lies in the folder "DBF" of the base folder. The spreadsheet
// import writes a new base "Nowe.PST" there (written whole, then renamed in);
// the DBF import saves each row as an asset of the base in force, through
// the register's save, so a re-run finds the assets it saved before and
// appends only what differs. Each reports into the report buffer: `AP` for
// the analysis, `XU` for the spreadsheet import, `TST` for the DBF import;
// a row that cannot be imported is listed there with its row number and
// reason, and the import goes on.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "operations/import_source.h"
#include "operations/operation_registry.h"
#include "output/report_buffer.h"
#include "register/asset_register.h"
#include "register/base_journal.h"
#include "text/status.h"

namespace zefir::operations::import {

inline constexpr const char* kAnalysisVersion = "Analiza";
inline constexpr const char* kNewBaseName = "Nowe.PST";
inline constexpr const char* kNewBaseWorkName = "Nowe.tmp";

// The source folder of a base folder: base folder + "DBF/".
std::string sourceFolder(std::string_view baseFolder);
// The source file: `name` in the source folder, as given when it ends in one
// of `extensions`, else with the first extension (tried in order) whose file
// exists; a file whose name differs only in letter case when none is there
// as given; the name as given (with the first extension) when none exists.
std::string sourcePath(std::string_view baseFolder, std::string_view name,
                       const std::vector<std::string>& extensions);
inline const std::vector<std::string>& sheetExtensions() {
  static const std::vector<std::string> e{".xls", ".xlsx", ".ods", ".csv"};
  return e;
}
inline const std::vector<std::string>& tableExtensions() {
  static const std::vector<std::string> e{".dbf"};
  return e;
}

// Opens the source: the steps of the opening with their messages (status
// line, error colour), asking `retry` ("Spróbować ponownie") after a failure
// and reading again while it answers yes. `sheetName`, when given, must name
// a sheet ("Nie ma arkusza nazwanego " with the quoted name).
Status openSource(const std::string& path, std::string_view sheetName, Workbook& book,
                  const std::function<bool(std::string_view)>& retry);

// The analysis ("Analiza pliku " + file + ".XLS", `AP`).
void writeAnalysis(const Workbook& book, std::string_view fileName, output::ReportBuffer& report);

// The spreadsheet versions, in the pick list's order after "Analiza".
const std::vector<std::string>& sheetVersions();
// The columns a spreadsheet version reads (UTF-8; empty for another name).
const std::vector<std::string>& sheetVersionColumns(std::string_view version);
// The DBF program whose table is read by layout 1; any other name is layout 2.
inline constexpr const char* kFirstLayoutProgram = "Srodki";
// The fields the DBF import reads for a program (layout 1 or 2).
const std::vector<std::string>& tableLayoutFields(std::string_view program);
// The spreadsheet import ("Import z pliku " + file + ".XLS", `XU`) into
// `baseFolder` + "Nowe.PST", every record stamped with `stamp`. Refused
// before anything is written for an unknown version; a base that cannot be
// written is an error, and the old "Nowe.PST" (if any) stays as it was.
Status importSheets(const Workbook& book, std::string_view version, std::string_view fileName,
                    std::string_view baseFolder, const base::WriteStamp& stamp,
                    output::ReportBuffer& report);

// The DBF import ("Tabliczka środków trwałych", `TST`): layout 1 for
// "Srodki", layout 2 for any other name; each row saved through `journal`
// into `reg`. `stop` is polled between rows; a stop or a failed save ends
// the report with the rows saved and those not.
Status importTable(const Workbook& book, std::string_view program, AssetRegister& reg,
                   BaseJournal& journal, output::ReportBuffer& report,
                   const std::function<bool()>& stop, DayNumber today);

// One import as options 63 and 64 and `zefir-cli import` ask for it: the
// source's name in the source folder (extension optional), and the version
// ("Analiza", a spreadsheet version, or the DBF program: "Srodki" for layout
// 1, any other for layout 2). Refused with "Tylko do pustej bazy" when the
// register holds 5,000 assets or more. `sourceFailed` is set when the source
// could not be opened (the error is then the opening's message).
struct ImportRequest {
  bool table = false;  // a DBF table (option 64) rather than a workbook
  std::string source;
  std::string version;
  bool sourceFailed = false;
};
Status runImport(ImportRequest& request, OperationRun& run);

// Registers the operations of options 63 and 64.
void registerImportOperations();

}  // namespace zefir::operations::import
