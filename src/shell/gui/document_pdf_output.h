// Until the document viewer's window exists, the desktop sends the
// documents of DruOT, DruLT and DruPT straight to Zefir's own PDF printer.
#pragma once

namespace zefir::gui {

// The copies are those saved for the document under "Vie-" and its kind
// (the original alone when nothing is saved); the file goes into the base
// folder's PDF/ named after the first copy's job title.
void installDocumentPdfOutput();

}  // namespace zefir::gui
