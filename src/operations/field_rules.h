// The per-field behaviour of the catalogue as functions of a field's text:
// the default put into an empty field (`nAutomEdit`), the check on leaving it
// or pressing Enter (`BladPola`, `EnStNeGo`), the completion when it is
// accepted (`nUzupeEdit`), the pattern value (`nUstawWzor`) and the letter
// case (`nZmianEdit`, `ZmieNaDuze`). All texts are code page 1250.
//
// A check works on the text as typed; the completion runs only after the
// check has accepted it (so "0" in `SGRa` is refused, not clamped to "1").
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "operations/option_catalogue.h"
#include "platform/status_line.h"
#include "register/asset_record.h"  // DayNumber

namespace zefir {
class AssetRegister;
}

namespace zefir::operations {

// What the rules need from the program around them. Every member may be left
// empty; a rule that needs a missing one accepts the text.
struct FieldContext {
  AssetRegister* assets = nullptr;  // `SroJ`, `SroE`: the register the symbol must be in
  std::string baseFolder;           // where the .PST files of `BaAr`, `BaZg`, `BaPo` are looked for
  DayNumber today = 0;
  std::string documentKind;  // "OT", "LT", "PT" (options 13..15)
  // `DokJ`: whether the asset `symbol` has a document `letter` of the kind;
  // when unset, the register's change entries answer.
  std::function<bool(std::string_view symbol, std::string_view letter)> documentExists;
  std::string documentSymbol;  // the symbol `DokJ` is checked against (the set's `SroJ`)
  std::string currentAsset;    // pattern of `SroJ`, `SroW`
  std::string lastFilter;      // pattern of `SroF`
};

// The message of every failed check.
std::string fixHereText();  // "Tu popraw"

// The base file `name`.PST in `folder` as the folder holds it, compared
// without regard to letter case (the names are typed in upper case, and on
// Windows "SRODKI.PST" is "Srodki.PST"); nullopt when there is none.
std::optional<std::string> existingBaseFile(const std::string& folder, const std::string& name);
// `folder` (a separator added when missing), `name` and ".PST".
std::string baseFilePath(const std::string& folder, const std::string& name);

struct FieldVerdict {
  bool ok = true;
  // A message to show even when the field is accepted ("Nie ma " + path for
  // a free archive name, an information); "Tu popraw" when refused.
  std::string message;
  StatusKind kind = StatusKind::Information;
};

// `BladPola`: the check of the field's table row.
FieldVerdict checkField(const FieldInfo& field, std::string_view text, const FieldContext& context);

// The text `nAutomEdit` puts into the empty field, or nullopt when the field
// has no rule (the summary-depth fields answer nullopt too: their refresh is
// the dialog's).
std::optional<std::string> fieldDefault(const FieldInfo& field, const FieldContext& context);

// `nUstawWzor`: the field's pattern value, or nullopt for no rule.
std::optional<std::string> fieldPattern(const FieldInfo& field, const FieldContext& context);

// `nUzupeEdit`: the accepted text completed or normalised. A date that cannot
// be read stays as typed and sets `dateError` ("Błędna postać daty").
std::string completedText(const FieldInfo& field, std::string_view text,
                          const FieldContext& context, bool* dateError = nullptr);
std::string badDateText();  // "Błędna postać daty"

// `nZmianEdit`'s conversion of the text after a change: upper case for every
// field that does not keep its letters as typed (`ZmieNaDuze`).
std::string changedText(const FieldInfo& field, std::string_view text);

}  // namespace zefir::operations
