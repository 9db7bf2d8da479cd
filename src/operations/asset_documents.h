// The acceptance, liquidation and transfer documents (OT, LT, PT) of one
// asset: which document a letter selects, the print job's title of each
// copy, and the drawing of one copy on a DocumentCanvas in millimetres.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output/document_canvas.h"
#include "register/change_entry.h"
#include "register/engine_working_record.h"
#include "text/status.h"

namespace zefir::operations {

inline constexpr double kDocumentWidth = 184;  // mm
inline constexpr double kDocumentTallest = 300;

struct SelectedDocument {
  std::string kind;  // "OT", "LT" or "PT"
  char letter = 'A';
  int ordinal = 0;            // the entry's slot 1..60; 0 for the record's own acceptance
  ChangeEntry entry;          // the document's date, key, amount and note
  std::string heading;        // "PRZYJĘCIE ŚRODKA TRWAŁEGO", ...
  std::string reference;      // `DdOT`, or the symbol when that is empty
  std::string referenceLine;  // the key, " z " and the date
};

// The document of `kind` that `letter` names: for OT, A is the record's own
// acceptance and B, C, ... its further OT entries; for LT and PT the entries
// of the kind from A. A letter past the last document of the kind is refused
// with a Polish message naming the kind and the letter, so that no other
// document is ever drawn in its place.
Status selectDocument(const AssetRecord& asset, std::string_view kind, char letter,
                      SelectedDocument& out);

// The print job's title of one copy: kind, "-", symbol, "-", letter and the
// copy's suffix ("-kopia" k, "-ko(2)" l, "-ko(3)" m, "-oryg" o, "-or-ko" p),
// every "/" made "-".
std::string documentJobTitle(const SelectedDocument& doc, std::string_view symbol, char copy);

// The copy codes of a setting: its letters in order, at most four, blanks
// skipped; an empty setting gives the one code "o".
std::vector<char> copyCodes(std::string_view setting);

// The organisation's data for the documents (`FLog`, `FNaz` to `FDo2`).
struct DocumentCompany {
  std::string logoFile;
  std::string lines[6];
};

// The drawing's height: stepping down from 300 mm by 10 mm (290 first) until
// it fits `pageHeight`; 0 when not even 10 mm fits.
double documentHeight(double pageHeight);

// Draws one copy: logo box, header, the body of the kind. `wr` is the asset
// as the engine computed it to the register's last day; `logo` the decoded
// logo (empty when it could not be loaded).
void drawDocument(output::DocumentCanvas& canvas, const WorkingRecord& wr,
                  const SelectedDocument& doc, const DocumentCompany& company,
                  const output::LogoImage& logo);

}  // namespace zefir::operations
