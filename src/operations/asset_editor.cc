#include "operations/asset_editor.h"

#include <algorithm>

#include "operations/field_rules.h"
#include "operations/operation_registry.h"
#include "platform/file_system.h"
#include "platform/status_line.h"
#include "register/change_documents_split.h"
#include "register/depreciation_engine.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"
#include "text/short_strings.h"

namespace zefir::operations {

namespace {

constexpr int kEditingOption = 11;

// The display fields of the months 01 to 12, in month order.
constexpr const char* kMonthFields[] = {"eSty", "eLut", "eMar", "eKwi", "eMaj", "eCze",
                                        "eLip", "eSie", "eWrz", "ePaz", "eLis", "eGru"};

// An amount to two decimals, "0,00" for zero.
std::string amountText(long double v) {
  const std::string t = text::trimmed(text::moneyText(v));
  return t.empty() ? "0,00" : t;
}

// A label and what follows it, or "" when there is nothing to follow.
std::string labelled(std::string_view label, std::string_view value) {
  return value.empty() ? std::string() : std::string(label) + std::string(value);
}

std::string rateText(long double v) {
  return text::plainRealText(v, 4);
}

// ", " and the entry's heading (its key, or its date for LT) and the amount
// in brackets when the entry gives one, for every entry of the kind.
std::string entryList(const WorkingRecord& wr, std::string_view kind, bool byDate) {
  std::string list;
  for (const ChangeEntry& e : wr.entries) {
    if (e.C != kind) continue;
    list += ", ";
    list += byDate ? text::trimmed(text::mediumTextOfDay(e.D)) : e.K;
    if (e.hasAmount) list += "(" + amountText(e.W) + "z\xB3)";
  }
  return list;
}

// Whether the asset had a value that liquidations took away by the analysis
// day: its gross value, and with it its net value, is gone. An asset that
// never had a value, or is only written off (net value zero, gross value
// still there), is not liquidated.
bool liquidated(const WorkingRecord& wr) {
  const AsOfSummary& s = wr.summary;
  const long double had = s.grossBO + s.increasesYTD;
  return had > 0 && text::equalMoney(had - s.decreasesYTD, 0);
}

std::string classificationName(const AssetRegister& reg, const std::string& symbol) {
  const ClassificationEntry* e = reg.classification.find(text::trimmed(symbol));
  return e ? text::trimmed(e->name) : std::string();
}

}  // namespace

std::string AssetEditor::shownText(std::string_view code) const {
  // What the field can show of its text: the rest is cut by its width.
  std::string shown = text(code);
  const FieldInfo* field = findField(code);
  if (field && field->width > 0 && static_cast<int>(shown.size()) > field->width)
    shown.resize(field->width);
  return shown;
}

std::string acceptanceList(const WorkingRecord& wr) {
  const std::string list = entryList(wr, "OT", false);
  return list.empty() ? list : list.substr(1);
}

std::string liquidationList(const WorkingRecord& wr) {
  const std::string list = (liquidated(wr) ? text::fromUtf8(", zlikwidowany") : std::string()) +
                           entryList(wr, "LT", true);
  return list.empty() ? list : list.substr(1);
}

AssetEditor::AssetEditor(CardState& card) : card_(card), today_(platform::localClock().day) {}

DayNumber AssetEditor::analysisDay() const {
  const DayNumber from = card_.planDay != 0 ? card_.planDay : today_;
  return text::dayFromDate(text::yearOfDay(from), 12, 31);
}

void AssetEditor::load(AssetRegister& reg, std::string_view symbol) {
  symbol_ = std::string(symbol);
  position_ = !symbol_.empty() && reg.exists(symbol_) ? reg.current() : 0;
  card_.edited = position_ != 0 ? reg.slot(position_) : AssetRegister::emptyRecord();
  refresh(reg);
  card_.original = card_.edited;
}

void AssetEditor::refresh(const AssetRegister& reg) {
  DepreciationEngine engine(basis_);
  const WorkingRecord& wr = engine.compute(card_.edited, analysisDay());
  const AssetRecord& a = wr.asset;
  const long double grossBO = wr.summary.grossBO;
  display_.clear();
  display_["eNaD"] = text::longTextOfDay(analysisDay());
  display_["eDos"] = labelled("dostawca ", text::trimmed(a.Dost.str()));
  if (a.DtZa != 0 || a.CeZa != 0)
    display_["eZak"] = "cena " + amountText(a.CeZa) + labelled(" ", text::trimmed(a.DdZa.str()));
  if (a.DtOT != 0 || a.WaOT != 0)
    display_["eDOT"] = text::fromUtf8("wartość ") + amountText(a.WaOT) +
                       labelled(" ", text::trimmed(a.DdOT.str()));
  if (a.RokP != 0) {
    display_["eOdR"] = "w ewidencji od " + std::to_string(a.RokP) + " r.";
    display_["eBru"] = "brutto " + amountText(a.WaBr);
    display_["eUmo"] = "umorz. " + amountText(a.WaUm);
  }
  display_["eOpK"] = classificationName(reg, wr.classification.entry.SKST.str());
  display_["eZwi"] = acceptanceList(wr);
  display_["eZmn"] = liquidationList(wr);
  display_["eOso"] = describeHoldings(wr.split, "OO", grossBO);
  display_["eMie"] = describeHoldings(wr.split, "MU", grossBO);
  display_["eKon"] = describeAccounts(wr.split, grossBO);
  for (int m = 1; m <= 12; ++m)
    display_[kMonthFields[m - 1]] = text::trimmed(text::moneyText(wr.months[m].charge));
}

AssetEditor::Stored AssetEditor::store(AssetRegister& reg, std::string_view code,
                                       std::string_view typed) {
  AssetRecord& a = card_.edited;
  if (code == "SroE") {
    if (typed == symbol_) return Stored::Nothing;
    load(reg, typed);
    return Stored::Reloaded;
  }
  if (code == "SroX") {
    // Always written: for a new asset the edit record's symbol is still
    // empty while the field shows the current symbol.
    if (a.Symb.str() == typed) return Stored::Nothing;
    a.Symb = std::string(typed);
    return Stored::Field;
  }
  if (typed == shownText(code)) return Stored::Nothing;
  const std::string t = text::trimmed(typed);
  if (code == "ENaz") {
    a.Nazw = std::string(typed);
  } else if (code == "ENa2") {
    a.Na2w = std::string(typed);
  } else if (code == "EDaZ") {
    a.DtZa = text::dayFromShortText(t);
  } else if (code == "EDaO") {
    a.DtOT = text::dayFromShortText(t);
  } else if (code == "EMeU") {
    a.MeUm = t.empty() ? ' ' : text::upperCase(t)[0];
  } else if (code == "EKST") {
    a.K[0].SKST = text::upperCase(t);
  } else if (code == "EStA") {
    a.K[0].StPo = text::realFromText(t);
  } else if (code == "EWsA") {
    a.K[0].WsPo = text::realFromText(t);
  } else {
    return display_.count(code) ? Stored::Refused : Stored::Nothing;
  }
  return Stored::Field;
}

std::string AssetEditor::refusedText(std::string_view code) {
  if (code == "eMie") return text::fromUtf8("Miejsce użytkowania zmienia wpis MU na karcie środka");
  return text::fromUtf8("Pole tylko do odczytu");
}

std::string AssetEditor::text(std::string_view code) const {
  const AssetRecord& a = card_.edited;
  if (code == "SroE" || code == "SroX") return symbol_;
  if (code == "ENaz") return a.Nazw.str();
  if (code == "ENa2") return a.Na2w.str();
  if (code == "EDaZ") return text::shortTextOfDay(a.DtZa);
  if (code == "EDaO") return text::shortTextOfDay(a.DtOT);
  if (code == "EMeU") return a.MeUm == ' ' || a.MeUm == 0 ? std::string() : std::string(1, a.MeUm);
  if (code == "EKST") return a.K[0].SKST.str();
  if (code == "EStA") return rateText(a.K[0].StPo);
  if (code == "EWsA") return rateText(a.K[0].WsPo);
  const auto it = display_.find(code);
  return it == display_.end() ? std::string() : it->second;
}

std::optional<std::string> AssetEditor::pagedSymbol(AssetRegister& reg, std::string_view typed,
                                                    int step) {
  if (reg.assetCount() == 0) return std::nullopt;
  const int at = std::clamp(reg.find(typed) + step, 0, reg.count() - 1);
  return reg.symbolOf(at);
}

Status AssetEditor::save(BaseJournal& journal, AssetRegister& reg, const SymbolQuestion& ask,
                         std::string* outcome) {
  // Neither a symbol to save under nor an asset to delete: an empty symbol
  // field over an empty form is refused before it could append a record
  // without a symbol.
  if (card_.edited.Symb.empty() && card_.original.Symb.empty()) {
    outcome->clear();
    return Status::Error(fixHereText());
  }
  EditState state{card_.edited, card_.original, symbol_};
  const Status s = saveWithSymbolStep(journal, reg, state, answers_, ask, outcome);
  card_.edited = state.edit;
  card_.original = state.loaded;
  symbol_ = state.currentSymbol;
  if (s.ok()) position_ = reg.exists(symbol_) ? reg.current() : 0;
  return s;
}

AssetEditor& assetEditor() {
  static AssetEditor editor(cardState());
  return editor;
}

void registerAssetEditingOperation() {
  registerOperation(kEditingOption, [](OperationRun& run) {
    if (!run.journal || !run.assets) return Status::Error(text::fromUtf8("Brak bazy danych"));
    std::string outcome;
    const Status s = assetEditor().save(*run.journal, *run.assets, run.choose, &outcome);
    if (!s.ok())
      showStatus(s.message(), StatusKind::Error);
    else if (!outcome.empty())
      showStatus(text::fromUtf8(outcome), StatusKind::Information);
    return s;
  });
}

}  // namespace zefir::operations
