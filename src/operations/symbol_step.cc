#include "operations/symbol_step.h"

#include "platform/status_line.h"
#include "text/codepage.h"
#include "text/short_strings.h"

namespace zefir::operations {

namespace {

// Asks and remembers the answer; a cancel is not remembered.
char askRemembering(const SymbolQuestion& ask, std::string_view question, char& memory) {
  const char answer = ask(question, memory);
  if (answer == 'T' || answer == 'N') memory = answer;
  return answer;
}

const std::string& cancelledText() {
  static const std::string text = text::fromUtf8("Zaniechane");
  return text;
}

// The listed asset as the register holds it after what others appended.
Status loadListed(BaseJournal& journal, AssetRegister& reg, std::string_view symbol,
                  EditState& state) {
  if (Status s = journal.readAppended(reg); !s.ok()) return s;
  if (symbol.empty() || !reg.exists(symbol))
    return Status::Error(text::fromUtf8("Nie ma indeksu ") + std::string(symbol));
  state.edit = reg.currentRecord();
  state.loaded = state.edit;
  state.currentSymbol = std::string(symbol);
  return Status::Ok();
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
  const std::string& cancelled = cancelledText();
  if (reg.exists(symbol)) {
    showStatus(text::fromUtf8("Istnieje indeks ") + symbol, StatusKind::Error);
    if (!askRemembering(ask, text::fromUtf8("Skasować poprzednią zawartość"),
                        answers.replaceExisting))
      return Status::Error(cancelled);
  }
  state.currentSymbol = symbol;
  const bool oldExists = !oldSymbol.empty() && reg.exists(oldSymbol);
  bool deleteOld = false;
  if (oldExists) {
    showStatus(text::fromUtf8("Co zrobić z indeksem ") + oldSymbol + " ?", StatusKind::Notice);
    const char answer = askRemembering(ask, text::fromUtf8("Skasować go "), answers.deleteOld);
    if (!answer) return Status::Error(cancelled);
    deleteOld = answer == 'T';
  }
  // The asset under the new symbol, as the register holds it now, takes every
  // edited value. It is saved before the old asset is removed: a removal
  // refused or failed leaves a copy, while the other order could lose the
  // asset under both symbols when the second save is refused.
  const AssetRecord target =
      reg.exists(symbol) ? reg.currentRecord() : AssetRegister::emptyRecord();
  if (Status s = journal.saveAsset(reg, target, state.edit); !s.ok()) return s;
  state.loaded = state.edit;
  if (oldExists) *outcome = "Indeks skopiowany";
  if (deleteOld && reg.exists(oldSymbol)) {
    const AssetRecord old = reg.currentRecord();
    if (Status s = journal.saveAsset(reg, old, AssetRegister::emptyRecord()); !s.ok()) return s;
    *outcome = "Indeks zmieniony";
  }
  return Status::Ok();
}

Status deleteListedAsset(BaseJournal& journal, AssetRegister& reg, std::string_view symbol,
                         const SymbolQuestion& ask, std::string* outcome) {
  outcome->clear();
  EditState state;
  if (Status s = loadListed(journal, reg, symbol, state); !s.ok()) return s;
  showStatus(text::fromUtf8("Co zrobić z indeksem ") + std::string(symbol) + " ?",
             StatusKind::Notice);
  if (ask(text::fromUtf8("Skasować go "), 'N') != 'T') return Status::Error(cancelledText());
  state.edit.Symb = "";
  SymbolAnswers unused;
  return saveWithSymbolStep(journal, reg, state, unused, ask, outcome);
}

Status renameListedAsset(BaseJournal& journal, AssetRegister& reg, std::string_view symbol,
                         std::string_view newSymbol, SymbolAnswers& answers,
                         const SymbolQuestion& ask, std::string* outcome) {
  outcome->clear();
  const std::string target = text::upperCase(text::trimmed(newSymbol));
  if (target.empty()) return Status::Error(cancelledText());
  if (Status s = checkSymbolLength(target); !s.ok()) return s;
  EditState state;
  if (Status s = loadListed(journal, reg, symbol, state); !s.ok()) return s;
  if (target == symbol) return Status::Ok();
  state.edit.Symb = target;
  return saveWithSymbolStep(journal, reg, state, answers, ask, outcome);
}

}  // namespace zefir::operations
