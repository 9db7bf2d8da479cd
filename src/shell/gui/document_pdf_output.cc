#include "shell/gui/document_pdf_output.h"

#include <QDir>

#include "operations/document_options.h"
#include "output/document_viewer_model.h"
#include "output/gui/document_painter.h"
#include "output/gui/qt_text.h"
#include "platform/status_line.h"
#include "register/depreciation_engine.h"
#include "shell/desktop_settings.h"
#include "shell/document_company.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::gui {

namespace {

// The documents list originals and copies (kind 2 of the viewer).
constexpr int kDocumentCopiesKind = 2;

Status writeDocument(const operations::DocumentRequest& r) {
  const shell::SettingsRegister& base = shell::desktopRegisters().base;
  const operations::DocumentCompany company = shell::documentCompany(base);
  const std::vector<output::CopiesEntry> entries = output::copiesEntries(kDocumentCopiesKind);
  const std::string codes =
      entries[output::savedCopiesIndex(kDocumentCopiesKind,
                                       base.text(output::viewerKey(r.document.kind)))]
          .code;
  DepreciationEngine engine;
  const WorkingRecord wr = engine.compute(*r.asset, text::kLastTextDay);
  const output::LogoImage logo = output::loadLogo(company.logoFile, r.baseFolder);
  std::vector<output::DocumentCopy> copies;
  for (char code : operations::copyCodes(codes))
    copies.push_back({operations::documentJobTitle(r.document, r.asset->Symb, code),
                      [&](output::DocumentCanvas& canvas) {
                        operations::drawDocument(canvas, wr, r.document, company, logo);
                      }});
  const QString folder = QDir(output::qtText(r.baseFolder)).filePath(QStringLiteral("PDF"));
  QDir().mkpath(folder);
  const QString path = QDir(folder).filePath(output::qtText(copies.front().title) + ".pdf");
  if (!output::writeDocumentPdf(path, copies))
    return Status::Error(text::fromUtf8("Nie można zapisać ") + text::fromUtf8(path.toStdString()));
  showStatus(text::fromUtf8("Zapisano " + path.toStdString()), StatusKind::Information);
  return Status::Ok();
}

}  // namespace

void installDocumentPdfOutput() {
  operations::documentOutput() = writeDocument;
}

}  // namespace zefir::gui
