// Pick lists (F4 lists, F5 searches): the rows a field may take, each a key,
// " × " and a description, built by a provider chosen by a one-byte list key.
// The list window (dialogs/pick_list_window) shows a PickList; everything it
// decides besides drawing lives here: which rows a filter keeps, where a
// search or a typed digit moves, where the free asset numbers are, and what
// accepting a row hands back. Texts are code page 1250.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/day_number.h"

namespace zefir {
class AssetRegister;
struct AssetRecord;
}  // namespace zefir

namespace zefir::operations {

// The list keys beyond the letters.
inline constexpr int kAssetListEditable = 140;  // assets, with Del and Ren
inline constexpr int kSpreadsheetFiles = 143;
inline constexpr int kAssetListVariant = 156;
inline constexpr int kPatternFiles = 175;
inline constexpr int kSheetOrders = 243;

// The separator between key and description (code page 1250).
inline constexpr char kRowSeparator = '\xD7';

// What the computed providers read.
struct PickListSources {
  const AssetRegister* reg = nullptr;  // assets, dictionaries, classification
  const AssetRecord* asset = nullptr;  // the edited asset (document lists)
  std::string documentKind;            // "OT", "LT" or "PT" for list d
  std::string baseFolder;              // dictionaries, base files, logo files
  std::string programFolder;           // the folders that can hold a base
  std::string textFile;                // lists " " and Y
  std::string rateFile;                // the exchange-rate archive (list A)
  int screenHeight = 1024;
  int secondScreenHeight = 0;  // 0 when there is one monitor
};

class PickList {
 public:
  int listKey = 0;
  std::string kind;    // caption words
  std::string header;  // column header
  bool sorted = true;
  bool calendar = false;     // the date list shows a calendar beside the rows
  bool freeNumbers = false;  // a row contains "wolne": F4 searches them

  // Rows kept so far; the filter (search form) drops rows without it.
  const std::vector<std::string>& rows() const { return rows_; }
  int size() const { return static_cast<int>(rows_.size()); }
  void setFilter(std::string_view filter);
  const std::string& filter() const { return filter_; }
  void add(std::string row);
  // The step after the provider: the empty-list row, then sorting.
  void finish();
  // The caption: "    Lista F4 / F5    ", kind, count and the free-number hint.
  std::string caption() const;

  // The first row that sorts at or after `text`, else the last (0 when empty).
  int rowAtOrAfter(std::string_view text) const;
  // The next (or previous) row after `from` containing `search` (any case,
  // Polish letters as plain letters), wrapping round; -1 when none.
  int find(std::string_view search, int from, bool forward) const;

 private:
  std::vector<std::string> rows_;
  std::vector<std::string> forms_;  // rows_ in search form, for find()
  std::string filter_;              // search form
};

// A field's list as the catalogue names it ("s", "D", ".PST", "MOS", ...) and
// its variant (140, 156, 143, 243 or 0): the list key, or -1 for none.
int listKeyOf(std::string_view catalogueList, int variant);
// The extension a file list shows ("PST", "WZO", "XLS"), "" for the others.
std::string fileListExtension(std::string_view catalogueList);

// The text file of the base folder whose lines the lists " " and Y show for
// a field or card cell: typical descriptions ("Opisy.TXT") for the additional
// description and the description lines, suppliers ("Dostawcy.TXT") for the
// supplier, contractors ("Kontrah.TXT", a code, a blank, the name) for the
// key of a document's change row; "" for any other code.
std::string textListFile(std::string_view code);

// Builds the list `listKey` with `filter` (as typed; "" none).
PickList buildPickList(int listKey, const PickListSources& sources, std::string_view filter,
                       std::string_view extension = {});

// The result of accepting a row.
struct PickResult {
  std::string key;
  std::string description;
};
// For the exchange-rate list (A) the key is the row's rate (rateOfRow) and
// the description the whole row.
PickResult acceptRow(int listKey, std::string_view row);
std::string rateOfRow(std::string_view row);

// Typed digits move like the keypad: the new row, clamped to 0..count-1.
// Other characters give -1.
int digitMove(char digit, int current, int count);

// The symbol after `symbol` like an odometer: from the right "9" becomes "0"
// and "Z" becomes "A" and carry, another digit or capital goes up by one and
// ends the step, any other character ends it unchanged.
std::string nextSymbol(std::string_view symbol);

// The day number of a calendar date, unbounded (negative before 1920).
long calendarDayNumber(int year, int month, int day);
// Accepting the calendar: the date text DDMMYY, "" outside 1920..2039.
std::string calendarAccept(int year, int month, int day);
// A double click: the same, clamped to 1 January 1920 and 31 December 2039.
std::string calendarDoubleClick(int year, int month, int day);

}  // namespace zefir::operations
