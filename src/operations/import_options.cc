// Options 63 (`ImpXls`: `IXLP` version, `IXLZ` file) and 64 (`ImpDbf`:
// `IDBP` program, whose table is the file of that name).
#include <algorithm>

#include "operations/import_operations.h"
#include "operations/import_values.h"
#include "platform/status_line.h"
#include "text/codepage.h"

namespace zefir::operations::import {

namespace {

constexpr int kImportRegisterCount = 5000;

// The parameter set shows its fields in upper case: a version is the known
// one of that name in any letter case.
std::string knownVersion(const std::string& typed, const std::vector<std::string>& known) {
  for (const std::string& name : known)
    if (text::upperCase(name) == text::upperCase(typed)) return name;
  return typed;
}

// The option's run: a failure is said in the status line (the opening of the
// source says its own), never left for the dialog to call "Wykonane.".
Status runShown(ImportRequest& request, OperationRun& run) {
  Status s = runImport(request, run);
  if (!s && !request.sourceFailed) showStatus(s.message(), StatusKind::Error);
  return s;
}

Status runSheetImport(OperationRun& run) {
  std::vector<std::string> known = sheetVersions();
  known.insert(known.begin(), kAnalysisVersion);
  ImportRequest request{false, trimmed(run.values.text("IXLZ")),
                        knownVersion(trimmed(run.values.text("IXLP")), known)};
  if (request.version.empty()) request.version = kAnalysisVersion;
  return runShown(request, run);
}

Status runTableImport(OperationRun& run) {
  std::string program =
      knownVersion(trimmed(run.values.text("IDBP")), {kAnalysisVersion, kFirstLayoutProgram});
  if (program.empty()) program = kFirstLayoutProgram;
  // The analysis looks at the known table; the import reads the table named
  // by the program chosen.
  ImportRequest request{true, program == kAnalysisVersion ? kFirstLayoutProgram : program, program};
  return runShown(request, run);
}

}  // namespace

Status runImport(ImportRequest& request, OperationRun& run) {
  if (run.assets && run.assets->count() > kImportRegisterCount)
    return Status::Error("Tylko do pustej bazy");
  if (request.source.empty()) return Status::Error(text::fromUtf8("Podaj nazwę pliku źródłowego"));
  const bool analysis = request.version == kAnalysisVersion;
  if (!request.table && !analysis &&
      std::find(sheetVersions().begin(), sheetVersions().end(), request.version) ==
          sheetVersions().end())
    return Status::Error(text::fromUtf8("Nieznana wersja importu ") + request.version);
  const std::string path = sourcePath(run.baseFolder, request.source,
                                      request.table ? tableExtensions() : sheetExtensions());
  Workbook book;
  Status opened = openSource(path, request.table ? stemOf(path) : std::string(), book, run.ask);
  if (opened && book.sheets.empty())
    opened = Status::Error("Nie ma arkusza nazwanego \"" + stemOf(path) + "\"");
  if (!opened) {
    request.sourceFailed = true;
    if (request.table) showStatus("??? ImportDBF", StatusKind::Error);
    return opened;
  }
  if (analysis) {
    writeAnalysis(book, stemOf(path), *run.report);
    return Status::Ok();
  }
  if (!request.table)
    // The new base's records carry the clock every other save of the base
    // in force takes (the file server's, through the journal's probe).
    return importSheets(book, request.version, stemOf(path), run.baseFolder,
                        run.journal ? run.journal->writeStamp() : writeStampNow("", ".xxx"),
                        *run.report);
  if (!run.journal || !run.assets)
    return Status::Error(text::fromUtf8("Nie wybrano bazy: nic nie zapisano"));
  return importTable(book, request.version, *run.assets, *run.journal, *run.report,
                     run.stopRequested, run.today);
}

void registerImportOperations() {
  registerOperation(63, runSheetImport);
  registerOperation(64, runTableImport);
}

}  // namespace zefir::operations::import
