#include "operations/asset_documents.h"
#include "operations/record_text.h"

#include "register/change_documents.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::operations {

namespace {

std::string headingOf(std::string_view kind) {
  std::string h;
  if (kind == "OT")
    h = "PRZYJĘCIE";
  else if (kind == "LT")
    h = "LIKWIDACJA";
  else if (kind == "PT")
    h = "PRZEKAZANIE";
  else
    return "WYKON";
  return text::fromUtf8(h + " ŚRODKA TRWAŁEGO");
}

}  // namespace

Status selectDocument(const AssetRecord& asset, std::string_view kind, char letter,
                      SelectedDocument& out) {
  out = {};
  out.kind = std::string(kind);
  out.letter = letter;
  out.heading = headingOf(kind);
  out.reference = str(asset.DdOT).empty() ? str(asset.Symb) : str(asset.DdOT);
  const auto refused = [&] {
    return Status::Error(text::fromUtf8("Nie ma dokumentu ") + std::string(kind) +
                         text::fromUtf8(" o literze ") + std::string(1, letter));
  };
  if (letter < 'A' || letter > 'Z') return refused();
  int n = letter - 'A' + 1;
  if (kind == "OT" && n == 1) {
    out.entry.D = asset.DtOT;
    out.entry.C = "OT";
    out.entry.K = str(asset.DdOT);
    out.entry.W = asset.WaOT;
    out.entry.hasAmount = true;
    out.entry.N = str(asset.Dost);
  } else {
    if (kind == "OT") --n;
    (void)nthDocument(asset, kind, n, &out.ordinal);
    if (out.ordinal == 255) return refused();
    out.entry = parseChangeEntries(asset)[out.ordinal - 1];
    if (out.entry.D == 0) out.entry.D = asset.DtOT;
  }
  out.referenceLine = out.entry.K + " z " + text::longTextOfDay(out.entry.D);
  return Status::Ok();
}

std::string documentJobTitle(const SelectedDocument& doc, std::string_view symbol, char copy) {
  std::string title = doc.kind + "-" + std::string(symbol) + "-" + std::string(1, doc.letter);
  switch (copy) {
    case 'k':
      title += "-kopia";
      break;
    case 'l':
      title += "-ko(2)";
      break;
    case 'm':
      title += "-ko(3)";
      break;
    case 'o':
      title += "-oryg";
      break;
    case 'p':
      title += "-or-ko";
      break;
    default:
      break;
  }
  for (char& c : title)
    if (c == '/') c = '-';
  return title;
}

std::vector<char> copyCodes(std::string_view setting) {
  std::vector<char> codes;
  for (char c : setting)
    if (c != ' ' && c != ',' && codes.size() < 4) codes.push_back(c);
  if (codes.empty()) codes.push_back('o');
  return codes;
}

double documentHeight(double pageHeight) {
  for (double h = kDocumentTallest - 10; h >= 10; h -= 10)
    if (h <= pageHeight) return h;
  return 0;
}

}  // namespace zefir::operations
