// Saving the asset edit form with its symbol step: an emptied symbol deletes
// the asset, the same symbol saves the changes, a new symbol copies or
// renames the asset after two questions whose answers are remembered.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "register/asset_record.h"
#include "register/asset_register.h"
#include "register/base_journal.h"
#include "text/status.h"

namespace zefir::operations {

// The asset being edited: the edit record and the copy taken when it was loaded.
struct EditState {
  AssetRecord edit;
  AssetRecord loaded;
  std::string currentSymbol;
};

// 'T' yes, 'N' no, 0 cancel. `defaultAnswer` is the answer given last time.
using SymbolQuestion = std::function<char(std::string_view question, char defaultAnswer)>;

// The defaults of "Skasować poprzednią zawartość" and "Skasować go ", kept
// for the program's run.
struct SymbolAnswers {
  char replaceExisting = 'N';
  char deleteOld = 'N';
};

// Saves `state.edit` through the journal. Each branch reads what the other
// workstations appended first, so a copy or rename decides on the register
// as they left it. Returns the status line's text of the step ("Indeks
// skasowany", "Indeks skopiowany", "Indeks zmieniony", or "" for a plain
// save); an error when a save was refused (nothing more is saved then) or
// the step was cancelled (nothing saved at all). A rename saves the asset
// under the new symbol before it removes the old one, so a refused second
// save leaves a copy ("Indeks skopiowany"), never no asset at all.
Status saveWithSymbolStep(BaseJournal& journal, AssetRegister& reg, EditState& state,
                          SymbolAnswers& answers, const SymbolQuestion& ask, std::string* outcome);

// Del on the editable asset list: "Co zrobić z indeksem <symbol> ?" and the
// question "Skasować go " (default no, so a stray Enter deletes nothing);
// yes deletes the asset through the journal as an emptied symbol does
// ("Indeks skasowany"), no or cancel leave it ("Zaniechane").
Status deleteListedAsset(BaseJournal& journal, AssetRegister& reg, std::string_view symbol,
                         const SymbolQuestion& ask, std::string* outcome);

// Ren on the editable asset list: the asset `symbol` saved under `newSymbol`
// by the symbol step, with its questions and answers. An empty or
// over-long new symbol, or an asset that is no longer there, is refused
// with nothing saved.
Status renameListedAsset(BaseJournal& journal, AssetRegister& reg, std::string_view symbol,
                         std::string_view newSymbol, SymbolAnswers& answers,
                         const SymbolQuestion& ask, std::string* outcome);

}  // namespace zefir::operations
