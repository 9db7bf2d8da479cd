// The asset edit form of option `EdiST`: the asset loaded into the form, the
// texts of its fields (`nZmien2poA`), what an accepted field writes into the
// edit record (`nEdit2zmie`), paging through the register (`nRollEditP`) and
// the save with its symbol step.
//
// The edit record and its loaded copy are the asset card's (cardState():
// `edited` and `original`), so what the card's sections change is what the
// form saves. Texts are code page 1250.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "operations/asset_card.h"
#include "operations/symbol_step.h"
#include "register/engine_working_record.h"

namespace zefir::operations {

// The steps of the paging keys in the symbol field: PgUp, PgDn, Up, Down.
inline constexpr int kPageUpStep = -10;
inline constexpr int kPageDownStep = 10;
inline constexpr int kLineUpStep = -1;
inline constexpr int kLineDownStep = 1;

class AssetEditor {
 public:
  explicit AssetEditor(CardState& card);

  // The basis the display fields are computed on, and the day whose year is
  // analysed while the card's plan day is not set.
  void setBasis(Basis basis) { basis_ = basis; }
  void setToday(DayNumber today) { today_ = today; }

  // Loads the asset of `symbol` (`SroE` accepted): the current symbol becomes
  // `symbol`, the edit record a copy of its slot (the empty record for an
  // unknown symbol), the display fields are computed for the analysis day,
  // and the loaded copy becomes a copy of the edit record.
  void load(AssetRegister& reg, std::string_view symbol);
  // `ZapisAnul`: the current asset loaded again, the unsaved edits dropped.
  void reload(AssetRegister& reg) { load(reg, std::string(symbol_)); }
  // Computes the display fields again from the edit record (after the card
  // changed it, or its plan day).
  void refresh(const AssetRegister& reg);

  const std::string& currentSymbol() const { return symbol_; }
  // The slot of the current asset when it was loaded, 0 for a new one.
  int position() const { return position_; }
  // 31 December of the analysis year: the card's plan day's year, else today's.
  DayNumber analysisDay() const;
  const AssetRecord& edited() const { return card_.edited; }
  const AssetRecord& loaded() const { return card_.original; }
  bool hasUnsavedEdits() const { return !(card_.edited == card_.original); }

  // `nEdit2zmie`: stores the accepted (completed) text of a field. A field
  // whose text is what it was given (`text`, cut to the field's width)
  // changes nothing, so a value the field cannot show whole (a rate of many
  // decimals) survives an untouched field. `SroE` with another symbol loads that asset: Reloaded
  // tells the form to fill every field again. Text typed into a display
  // field (`eMie`, the one the form lets the user enter) is Refused: the
  // place of use changes through an MU entry on the asset's card, so the
  // form shows refusedText() and puts the field's text back.
  enum class Stored { Nothing, Field, Reloaded, Refused };
  Stored store(AssetRegister& reg, std::string_view code, std::string_view text);

  // `nZmien2poA`: the field's text from the edited data, display fields
  // included; "" for a field the form does not have.
  std::string text(std::string_view code) const;
  // text() as the field's width lets it show.
  std::string shownText(std::string_view code) const;
  // The status line's message for a Refused field.
  static std::string refusedText(std::string_view code);

  // `nRollEditP` in `SroE`: the symbol `step` slots from where `typed` stands
  // in the register (the slot of the asset, or where it would stand),
  // clamped to slot 0 (the empty symbol) and the last asset. Nothing when
  // the register holds no asset.
  static std::optional<std::string> pagedSymbol(AssetRegister& reg, std::string_view typed,
                                                int step);

  // Saves the edit record with the symbol step (symbol_step.h); the current
  // symbol follows a copy or rename. The answers are remembered here for the
  // program's run.
  Status save(BaseJournal& journal, AssetRegister& reg, const SymbolQuestion& ask,
              std::string* outcome);
  const SymbolAnswers& answers() const { return answers_; }

 private:
  CardState& card_;
  std::string symbol_;
  int position_ = 0;
  Basis basis_ = Basis::Balance;
  DayNumber today_ = 0;
  SymbolAnswers answers_;
  std::map<std::string, std::string, std::less<>> display_;
};

// The program's edit form, over the asset card's state.
AssetEditor& assetEditor();

// The OT list of `eZwi` and the LT list of `eZmn` of a computed asset.
std::string acceptanceList(const WorkingRecord& wr);
std::string liquidationList(const WorkingRecord& wr);

// Registers the save of option 11 with the option catalogue: it saves the
// program's edit form through the run's journal and register.
void registerAssetEditingOperation();

}  // namespace zefir::operations
