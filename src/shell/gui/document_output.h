// Where the documents of DruOT, DruLT and DruPT go in the desktop: the
// preview ("Podgląd") opens them in the document viewer; an output of copies
// ("Oryginał + kopia", "2 kopie", ...) prints those copies at once on the
// viewer's current printer (Zefir's own PDF printer writes into the base
// folder's PDF/).
#pragma once

#include "operations/document_options.h"
#include "output/gui/document_viewer.h"

namespace zefir::gui {

// The viewer's document for a request: code and kind, the copies kind 2
// (originals and copies), an A4 page, and the drawing of its copies with the
// organisation's data and logo from the base register.
output::ViewerDocument viewerDocument(const operations::DocumentRequest& request);

void installDocumentOutput(output::TFViewer& viewer);

}  // namespace zefir::gui
