#include "operations/symbol_step.h"

#include "platform/status_line.h"
#include "text/codepage.h"

namespace zefir::operations {

namespace {

// Asks and remembers the answer; a cancel is not remembered.
char askRemembering(const SymbolQuestion& ask, std::string_view question, char& memory) {
  const char answer = ask(question, memory);
  if (answer == 'T' || answer == 'N') memory = answer;
  return answer;
}

}  // namespace

Status saveWithSymbolStep(BaseJournal& journal, AssetRegister& reg, EditState& state,
                          SymbolAnswers& answers, const SymbolQuestion& ask, std::string* outcome) {
  outcome->clear();
  const std::string symbol(state.edit.Symb);
  const std::string oldSymbol(state.loaded.Symb);
  if (symbol.empty()) {
    AssetRecord removed = AssetRegister::emptyRecord();
    if (Status s = journal.saveAsset(reg, state.loaded, removed); !s.ok()) return s;
    state.edit = removed;
    state.loaded = removed;
    *outcome = "Indeks skasowany";
    return Status::Ok();
  }
  if (symbol == oldSymbol) {
    if (Status s = journal.saveAsset(reg, state.loaded, state.edit); !s.ok()) return s;
    state.loaded = state.edit;
    return Status::Ok();
  }
  if (Status s = journal.readAppended(reg); !s.ok()) return s;
  const std::string cancelled = text::fromUtf8("Zaniechane");
  if (reg.exists(symbol)) {
    showStatus(text::fromUtf8("Istnieje indeks ") + symbol, StatusKind::Error);
    if (!askRemembering(ask, text::fromUtf8("Skasować poprzednią zawartość"),
                        answers.replaceExisting))
      return Status::Error(cancelled);
  }
  state.currentSymbol = symbol;
  if (!oldSymbol.empty() && reg.exists(oldSymbol)) {
    showStatus(text::fromUtf8("Co zrobić z indeksem ") + oldSymbol + " ?", StatusKind::Notice);
    const char answer = askRemembering(ask, text::fromUtf8("Skasować go "), answers.deleteOld);
    if (!answer) return Status::Error(cancelled);
    if (answer == 'T') {
      const AssetRecord old = reg.currentRecord();
      if (Status s = journal.saveAsset(reg, old, AssetRegister::emptyRecord()); !s.ok()) return s;
      *outcome = "Indeks zmieniony";
    } else {
      *outcome = "Indeks skopiowany";
    }
  }
  // The asset under the new symbol, as the register holds it now, takes every
  // edited value.
  const AssetRecord target =
      reg.exists(symbol) ? reg.currentRecord() : AssetRegister::emptyRecord();
  if (Status s = journal.saveAsset(reg, target, state.edit); !s.ok()) return s;
  state.loaded = state.edit;
  return Status::Ok();
}

}  // namespace zefir::operations
