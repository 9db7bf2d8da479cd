#include "operations/document_options.h"

#include "operations/asset_description.h"
#include "operations/operation_registry.h"
#include "text/codepage.h"

namespace zefir::operations {

DocumentOutput& documentOutput() {
  static DocumentOutput output;
  return output;
}

void registerDocumentOperations() {
  for (const char* kind : {"OT", "LT", "PT"}) {
    registerOperation(std::string("Dru") + kind, [kind](OperationRun& run) {
      if (!run.assets) return Status::Error("Brak bazy");
      if (!documentOutput())
        return Status::Error(text::fromUtf8("Podgląd dokumentów jest niedostępny"));
      DocumentRequest request;
      if (Status st = findAsset(*run.assets, run.values.text("SroJ"), request.asset); !st)
        return st;
      const std::string letter = text::upperCase(run.values.text("DokJ"));
      if (Status st = selectDocument(*request.asset, kind, letter.size() == 1 ? letter[0] : '?',
                                     request.document);
          !st)
        return st;
      request.baseFolder = run.baseFolder;
      request.outputCode = run.outputCode;
      return documentOutput()(request);
    });
  }
}

}  // namespace zefir::operations
