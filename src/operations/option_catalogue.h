// The option catalogue: every option of the menu (numbers 10 to 88) with its
// code, menu letters, caption, action caption and field layout, and every
// field with its behaviour (F3 window, pick list, default, check, pattern,
// letter case, completion). The tables are plain data kept in
// option_table.cc and field_table.cc, one row per option and per field;
// texts are code page 1250 here (the sources hold them in UTF-8 and convert
// once when the tables are first asked for).
//
// The catalogue is read-only and built on first use; the references it hands
// out stay valid for the whole run.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zefir::operations {

// ---------------------------------------------------------------------------
// Fields

// Kind of a laid-out field: an ordinary input field, or a cell of a
// dictionary-editor grid.
inline constexpr int kInputField = 2;
inline constexpr int kGridCell = 1;

// What `BladPola` (leaving a field) and `EnStNeGo` (Enter) reject.
enum class FieldCheck {
  None,
  AssetExists,     // the symbol must name an asset of the register
  DocumentOfKind,  // a document letter of the option's document kind
  Year2000To2039,  // Rok4
  Digit,           // one digit 0..9
  OneToThree,      // 1, 2 or 3
  LetterTZG,       // T, Z or G
  LetterEGM,       // E, G or M
  NewArchive,      // not empty, and no .PST of that name in the base folder
  NewBase,         // no .PST of that name in the base folder
};

// What `nAutomEdit` puts into an empty field when it is entered.
enum class FieldDefault {
  None,
  Text,            // the field's default text
  ArchiveOfToday,  // "Ar" and today's date as DDMMYY
  SummaryDepths,   // the dialog refreshes the summary-depth settings
};

// What `nUstawWzor` sets a field to when the dialog asks for its pattern.
enum class FieldPattern {
  None,           // no rule: the dialog keeps its own
  Text,           // the field's pattern text
  CurrentAsset,   // the symbol of the current asset
  LastFilter,     // the last description filter
  Today,          // today's date as DDMMYY
  SummaryDepths,  // the summary-depth refresh
};

// What `nUzupeEdit` does when a field is accepted.
enum class FieldCompletion {
  None,
  AssetSymbol,      // completes an asset symbol
  DocumentLetter,   // completes the document letter
  Year,             // completes the year ("21" -> "2021")
  Selection,        // the selection cut to 15 characters
  Date,             // completes a date to DDMMYY ("Błędna postać daty")
  YesNo,            // "T", or "N" when empty or negative
  FileName,         // drops the characters "*,./:;<=>?[\]|
  ClampDigit,       // 0..9
  ClampOneToThree,  // 1..3
  FirstLetterTZG,   // first letter of T Z G, else T
  FirstLetterBP,    // first letter of B P, else B
  FirstLetterEGM,   // first letter of E G M, else E
  AtMost16,         // a number of at most 16
  AtMost20,         // a number of at most 20
};

// How the dialog treats the letter case of a field's text. Both upper-case
// rules convert the text as it is typed; the second marks the fields that
// `nZmianEdit` converts itself (keeping the cursor where it was).
enum class LetterCase {
  Upper,          // shown (and kept) in upper case
  UpperOnChange,  // converted by `nZmianEdit` on every change
  Keep,           // kept as typed (`ZmieNaDuze`)
};

struct FieldInfo {
  int number = 0;     // 1..231; 0 for the display fields of the asset form
  std::string code;   // four letters ("" for a label alone)
  std::string label;  // the label it carries when a layout gives none
  int width = 0;      // characters; 0 makes a label without a box
  int f3Window = 0;   // the F3 window `F3orDbKlik` opens, 0 none
  // The pick list `F4ewF5Klik` opens: a list key letter ("s" assets, "D"
  // dates ...), a file extension (".PST": that file list of the base
  // folder), "MOS" for the list of sheet orders, or "" for none.
  std::string pickList;
  int pickVariant = 0;  // the list key when the list has a variant (140, 156, 143, 243)
  FieldDefault defaultRule = FieldDefault::None;
  std::string defaultText;
  FieldCheck check = FieldCheck::None;
  FieldPattern patternRule = FieldPattern::None;
  std::string patternText;
  LetterCase letterCase = LetterCase::Upper;
  FieldCompletion completion = FieldCompletion::None;
  bool display = false;       // a display field of the asset form (filled by the editor)
  bool markedF3 = false;      // marked by `OznaczAqua` as having an F3 window
  bool summaryDepth = false;  // fields 186..190: F4, default and check refresh the depths
};

// Every field of the catalogue, in field-number order (display fields last).
const std::vector<FieldInfo>& fields();
// nullptr when there is no such field. A code names one field; several codes
// never share a number.
const FieldInfo* findField(int number);
const FieldInfo* findField(std::string_view code);

// ---------------------------------------------------------------------------
// Options

// One field as an option's layout places it.
struct FieldPlacement {
  std::string code;  // "" for a label alone
  int number = 0;    // 0 for a label alone and for display fields
  std::string label;
  int kind = kInputField;
  int width = 0;  // 0: a label without a box
  bool display = false;
};

// One line of a parameter set: one to four placements side by side.
using LayoutLine = std::vector<FieldPlacement>;

// The action button's captions, by action number.
inline constexpr const char* kActionCaptionsUtf8[] = {"Zamknij", "Zapisz", "Wykonaj", "Do pracy",
                                                      "Teraz"};
std::string actionCaption(int action);  // code page 1250, "" outside 0..4

// What `WykonaOpc` runs for an option.
enum class OperationKind {
  Nothing,       // 10, 65, 78: no layout and nothing to run
  Settings,      // 59, 87, 88: the dialog already stored the values; 81 saves
  FocusLast,     // 44 and the shell's pages: the focus moves to the last field
  AssetEditing,  // 11: then the focus goes back to the first field
  Editing,       // register maintenance without a report (22)
  Dictionary,    // 55..58: the dictionary is written back
  Document,      // 13..15: opens its own viewer, no report bracket
  Report,        // everything run inside the report bracket
  Import,        // 63, 64: refused when the register is not nearly empty
};

// Output kinds of an option (a bit set).
inline constexpr int kOutputCopies = 1;
inline constexpr int kOutputOriginal = 2;
inline constexpr int kOutputSaveOnly = 4;

struct OptionInfo {
  int number = 0;
  std::string code;        // menu code
  std::string letters;     // menu group letter and item letter ("DA")
  std::string caption;     // the menu caption
  int action = 2;          // action caption number
  std::string layoutText;  // the layout as the table writes it (see option_table.cc)
  OperationKind operation = OperationKind::Nothing;
  std::string reportCode;    // the report the operation makes ("KIS", "PA" ...), "" when not named
  std::string positionKey;   // the key the dialog's position is saved under
  std::string documentKind;  // "OT", "LT", "PT" for 13..15, else ""
  int outputKinds = 0;       // 0: the option only edits ("Zapis")
  std::string outputKey;     // "Zes-" + this keeps the chosen output entry
  bool printPanel = true;    // `nDrukPanel`
  bool hasLayout() const { return !layoutText.empty(); }
  bool reportBracket() const {
    return operation == OperationKind::Report || operation == OperationKind::Import;
  }
};

// Every option, in number order.
const std::vector<OptionInfo>& options();
const OptionInfo* findOption(int number);
// By menu code or position key ("PlanAm" and "PlanA" both find 47).
const OptionInfo* findOption(std::string_view code);

// What a layout needs from outside: the base folder (shown in the grid
// titles) and the classification file's name (option 55).
struct LayoutContext {
  std::string baseFolder;
  std::string classificationFile = "KST";
};

// The option's lines, in the order the parameter set lays them out. Empty for
// an option without a layout. Every placement of a field carries the field's
// number, width and kind from the field table and the label of its place.
std::vector<LayoutLine> optionLayout(const OptionInfo& option, const LayoutContext& context = {});
// The input fields of a layout in the order the focus visits them (labels
// and display fields left out).
std::vector<FieldPlacement> inputFields(const std::vector<LayoutLine>& lines);

}  // namespace zefir::operations
