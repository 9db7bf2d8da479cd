// The dictionary editors: the classification table (option 55) and the three
// grids of places, persons and accounts (options 56, 57, 58), and the
// write-back of each.
//
// Both files are rewritten whole under a temporary name and renamed over the
// old file only when complete (base_files.h), under the workstation mark "#"
// on the file: while another workstation holds a conflicting mark on it the
// write is refused with nothing changed. Otherwise the last workstation to
// write wins.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "register/asset_register.h"
#include "text/status.h"

namespace zefir::operations {

// ---------------------------------------------------------------------------
// Classification table

inline constexpr std::size_t kClassificationSymbolMax = 3;
inline constexpr std::size_t kClassificationNameMax = 93;

// A typed statutory rate in hundredths of a percent: read as a decimal,
// negative becomes 0, above 100 becomes 100, then times 100 rounded.
int classificationRate(std::string_view typed);
// The rate as the editor's field shows it ("2.5", "20", "0").
std::string classificationRateText(int rate);

// `HKSE` accepted: the entry with exactly that symbol, or an entry holding
// only the symbol when the table has none (the loaded copy of a new group).
ClassificationEntry classificationEntryFor(const ClassificationTable& table,
                                           std::string_view symbol);

// Steps 1 to 3 of the write-back in memory: nothing when `edited` equals
// `loaded`; else the loaded copy's entry is removed when the symbol changed,
// and `edited` replaces the entry of its symbol or is inserted where the
// symbol sorts; an `edited` with an empty symbol only removes the loaded
// copy's entry (the group is deleted). `changed` is false when nothing
// changed. A symbol longer than 3
// characters is refused (the file keeps 3, a cut one would name another group).
Status applyClassificationEdit(ClassificationTable& table, const ClassificationEntry& loaded,
                               const ClassificationEntry& edited, bool* changed);

// Step 4: writes the table to `path` (entries with an empty symbol left out)
// and compacts the table in memory the same way. Refused when the mark "#" on
// the file is refused; an input/output failure is returned with the old file
// intact.
Status writeBackClassification(ClassificationTable& table, const std::string& path);

// The paging keys in `HKSE`: the first entry whose symbol begins with
// `text`, moved by `step` and clamped to the table; "" for an empty table.
std::string classificationStep(const ClassificationTable& table, std::string_view text, int step);

// ---------------------------------------------------------------------------
// Dictionary grids

inline constexpr int kGridWindowRows = 11;
inline constexpr std::size_t kDictionaryKeyMax = 20;
inline constexpr std::size_t kDictionaryDescriptionMax = 50;

enum class DictionaryKind { Places, Persons, Accounts };

// The dictionary edited by a grid option (56 places, 57 persons, 58
// accounts); false for any other option.
bool dictionaryOfOption(int option, DictionaryKind* kind);
// Its file name (`MiejscaU.MST`, `Osoby.OST`, `Konta.KST`) and its cells'
// field codes (`HMUS`/`HMUO` ...).
const char* dictionaryFileName(DictionaryKind kind);
const char* dictionaryKeyCode(DictionaryKind kind);
const char* dictionaryDescriptionCode(DictionaryKind kind);
Dictionary& dictionaryIn(AssetRegister& reg, DictionaryKind kind);

// The grid's table: slots 1 to 999, any of them empty (an emptied key), and
// the window of 11 rows the grid shows, from slot top().
class DictionaryGrid {
 public:
  void load(const Dictionary& dict, DictionaryKind kind);
  DictionaryKind kind() const { return kind_; }
  bool loaded() const { return loaded_; }

  const DictionaryEntry& slot(int i) const { return slots_.at(i - 1); }
  // Sets a slot's key (cut to 20, trailing blanks dropped) or description
  // (cut to 50).
  void setKey(int i, std::string_view key);
  void setDescription(int i, std::string_view description);

  int top() const { return top_; }
  // `DokumZrol`: moves the window by `step` entries; false when it already
  // stands at that end (slot 1, or the last window ending at slot 999).
  bool scroll(int step);
  // Row r (1 .. 11) of the window is slot top() + r - 1.
  int slotOfRow(int row) const { return top_ + row - 1; }
  // The window's cells as the grid holds them: keys and descriptions of its
  // rows in order (what the dialog stores for the cell codes).
  void setWindow(const std::vector<std::string>& keys,
                 const std::vector<std::string>& descriptions);

  // Writes slots 1 to 999 in order, leaving out those with an empty key, to
  // `path`, and moves the entries down so that the slots end up without gaps;
  // `dict` becomes the written entries. Refused like the classification.
  Status writeBack(Dictionary& dict, const std::string& path);

 private:
  std::array<DictionaryEntry, kDictionaryCapacity> slots_{};
  DictionaryKind kind_ = DictionaryKind::Places;
  int top_ = 1;
  bool loaded_ = false;
};

// The grid the open dictionary option edits: loaded when the option opens,
// its window scrolled by the dialog, written back by `WykonaOpc`.
DictionaryGrid& dictionaryGrid();

// Registers options 55 to 58 with the catalogue. In option 55 an emptied
// name (`HKSO`) of a group the table holds deletes the group once "Skasować
// go " is answered yes; the table is then written back as after any edit.
void registerDictionaryOperations();

}  // namespace zefir::operations
