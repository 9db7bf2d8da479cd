// The asset card: the sections (C to M) in which the F3 window edits one part
// of the asset being edited, the plan's as-of day or a selection-pattern
// list. A section lays itself out as lines of cells, copies its part into the
// cells' texts and, on acceptance, copies the texts back. The edited asset
// stays beside its original here until the editing operation saves it.
// Texts are code page 1250.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "register/asset_record.h"
#include "text/status.h"

namespace zefir::operations {

inline constexpr int kCardCellMax = 200;
inline constexpr int kPatternMax = 1000;
// The current pattern of a list holding several: "……".
inline constexpr std::string_view kSeveralPatterns = "\x85\x85";

// One cell of a card section.
struct CardCell {
  std::string caption;  // the label before the cell ("" in a grid row)
  std::string code;     // the field code ("Opis", "ZmDt", ...)
  int width = 0;        // characters
  bool date = false;    // checked as a date when left
  int row = 0;          // grid row (1..), 0 for a captioned field
};

struct CardLayout {
  std::string title;                    // "F3 tu nie pracuje" when the section has none
  std::vector<std::string> gridHeader;  // column captions of a grid, empty otherwise
  std::vector<CardCell> cells;          // at most kCardCellMax
  // Caption-only lines (width 0), shown above the cells; sections B and N
  // show the asset with them and have no cells.
  std::vector<std::string> notes;
  bool works() const { return !cells.empty() || !notes.empty(); }
};

// A selection-pattern list (sections I to M).
struct PatternList {
  std::vector<std::string> patterns;
  std::string current;
};

// What the card edits.
struct CardState {
  AssetRecord original;
  AssetRecord edited;
  DayNumber planDay = 0;                  // the plan analysis's as-of day (C)
  std::array<PatternList, 5> patterns{};  // I symbols, J persons, K places, L KŚT, M cost centres
  std::string baseFolder;                 // where a pattern file named in `WzoP` is looked for
};
CardState& cardState();

// The section's letter of an F3 window slot (66 'B' .. 78 'N'), or 0.
char sectionOfSlot(int slot);
// The width of the patterns of section I..M, 0 for the other sections.
int patternWidth(char section);

// A field's text taken into the pattern list it opens: an empty list starts
// with it, so the card shows what the field held ("……", the mark of several
// patterns, and an empty text are not patterns).
void seedPatternList(char section, std::string_view fieldText, CardState& state);

// The patterns of a pattern file (`WzoP`, "Wczytaj z pliku"): a text file,
// one pattern a line, blank lines skipped; each line upper-cased and made a
// pattern of `width` like a typed one. A name without a folder is looked for
// in `baseFolder`, and one without an extension gets ".WZO". An unreadable
// file gives "Nie ma " and its path.
Status readPatternFile(std::string_view name, const std::string& baseFolder, int width,
                       std::vector<std::string>* patterns);

CardLayout cardLayout(char section, const CardState& state);
std::vector<std::string> fillCells(char section, const CardState& state);
// Copies the cells back. A change row with an unknown kind, or one whose text
// would not fit an entry, refuses the whole section: nothing is written and
// the status gives the row. A pattern section whose `WzoP` names a file adds
// the file's patterns after the typed ones; a file that cannot be read
// refuses the section the same way.
Status acceptCells(char section, const std::vector<std::string>& cells, CardState& state);

// The pick list (list key) of a card cell, -1 for none; the key cell of a
// change row takes the list its kind names (places, persons, accounts; the
// contractors' lines for the documents and the other kinds). The purchase
// price opens the exchange rates (A): the price typed in the invoice's
// currency becomes złote at the rate picked (amountAtRate). The text-line
// lists read the file textListFile() names for the cell.
int cardPickList(char section, std::string_view code, std::string_view rowKind);

// An amount in a foreign currency at a rate: złote with two decimals, "" when
// the amount is empty or 0 or the rate is not a positive number.
std::string amountAtRate(std::string_view amount, std::string_view rate);

// A change row written as entry text: kind, ":", date and "," when dated,
// key, ",", the amount and "zł" when given, references "n/", "," and the note.
struct ChangeRow {
  std::string date;  // DDMMYY or ""
  std::string kind;
  std::string key;
  std::string amount;  // as typed; "" for none
  std::string note;
  std::string references;  // "1/2/" as the entry had them
};
std::string changeRowText(const ChangeRow& row);
// The kind cell when left: upper case, or "F4" when it is not a known kind
// (an empty kind stays empty).
std::string checkedKind(std::string_view kind);

// A date cell when left: an odd length gets a leading "0", a short text is
// completed from today's DDMMYY; `error` is set when the result does not
// read back as itself ("Błędna postać daty"). The cell then holds the date
// text of the day read ("" for none).
std::string leaveDateCell(std::string_view text, DayNumber today, bool* error);
// F6/F7: the text before the caret, today's DDMMYY digits from the caret's
// position on, then the text after the selection.
std::string completeFromToday(std::string_view text, int caret, int selectionEnd, DayNumber today);

}  // namespace zefir::operations
