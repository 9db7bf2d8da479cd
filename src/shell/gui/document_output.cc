#include "shell/gui/document_output.h"

#include <memory>

#include "output/document_viewer_model.h"
#include "register/depreciation_engine.h"
#include "shell/desktop_settings.h"
#include "shell/document_company.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::gui {

namespace {

// The documents list originals and copies (kind 2 of the viewer).
constexpr int kDocumentCopiesKind = 2;
// The page is A4, in millimetres.
constexpr double kPageWidth = 210, kPageHeight = 297;

// What every copy of one document is drawn from, computed once when the
// option runs.
struct DocumentSource {
  operations::SelectedDocument document;
  std::string symbol;
  operations::DocumentCompany company;
  WorkingRecord wr;
  output::LogoImage logo;
};

Status showOrPrint(output::TFViewer& viewer, const operations::DocumentRequest& r) {
  output::ViewerDocument doc = viewerDocument(r);
  if (r.outputCode == "p") {
    viewer.open(std::move(doc));
    return Status::Ok();
  }
  const bool printed =
      output::printDocumentCopies(viewer.currentPrinter(), doc.produce(r.outputCode),
                                  doc.baseFolder, viewer.calibration(), nullptr);
  return printed ? Status::Ok() : Status::Error(text::fromUtf8("Dokument nie wydrukowany"));
}

}  // namespace

output::ViewerDocument viewerDocument(const operations::DocumentRequest& r) {
  auto source = std::make_shared<DocumentSource>();
  source->document = r.document;
  source->symbol = std::string(std::string_view(r.asset->Symb));
  source->company = shell::documentCompany(shell::desktopRegisters().base);
  DepreciationEngine engine;
  source->wr = engine.compute(*r.asset, text::kLastTextDay);
  source->logo = output::loadLogo(source->company.logoFile, r.baseFolder);

  output::ViewerDocument doc;
  doc.settings.documentCode = r.document.kind;
  doc.settings.copiesKind = kDocumentCopiesKind;
  doc.settings.extentWidth = kPageWidth;
  doc.settings.extentHeight = kPageHeight;
  doc.baseFolder = r.baseFolder;
  doc.produce = [source](std::string_view codes) {
    std::vector<output::DocumentCopy> copies;
    for (char code : operations::copyCodes(codes))
      copies.push_back({operations::documentJobTitle(source->document, source->symbol, code),
                        [source](output::DocumentCanvas& canvas) {
                          operations::drawDocument(canvas, source->wr, source->document,
                                                   source->company, source->logo);
                        }});
    return copies;
  };
  return doc;
}

void installDocumentOutput(output::TFViewer& viewer) {
  operations::documentOutput() = [&viewer](const operations::DocumentRequest& r) {
    return showOrPrint(viewer, r);
  };
}

}  // namespace zefir::gui
