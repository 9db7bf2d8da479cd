#include "operations/operation_registry.h"

#include <algorithm>

#include "register/asset_register.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::operations {

namespace {

// An import runs only into a register of at most 4,999 assets: the register
// count (the end slot) must not be above 5,000.
constexpr int kImportRegisterCount = 5000;

std::map<int, Operation>& registry() {
  static std::map<int, Operation> operations;
  return operations;
}

const std::vector<std::string>& noValues() {
  static const std::vector<std::string> none;
  return none;
}

std::string dateOfField(const FieldValues& values, std::string_view code) {
  DayNumber day = text::dayFromShortText(values.text(code));
  return day == 0 ? std::string() : text::longTextOfDay(day);
}

RunOutcome refusedRun(const std::string& message) {
  showStatus(message, StatusKind::Error);
  return {Status::Error(message), FocusAfter::Stay};
}

}  // namespace

void FieldValues::set(std::string_view code, std::string text) {
  auto& v = values_[std::string(code)];
  v.clear();
  v.push_back(std::move(text));
}

void FieldValues::setAll(std::string_view code, std::vector<std::string> texts) {
  values_[std::string(code)] = std::move(texts);
}

void FieldValues::add(std::string_view code, std::string text) {
  values_[std::string(code)].push_back(std::move(text));
}

const std::string& FieldValues::text(std::string_view code) const {
  const std::vector<std::string>& v = all(code);
  static const std::string empty;
  return v.empty() ? empty : v.front();
}

const std::vector<std::string>& FieldValues::all(std::string_view code) const {
  auto it = values_.find(code);
  return it == values_.end() ? noValues() : it->second;
}

FieldValues withDefaults(const OptionInfo& option, FieldValues given, const FieldContext& context) {
  for (const FieldPlacement& p : inputFields(optionLayout(option))) {
    if (!given.text(p.code).empty()) continue;
    const FieldInfo* f = findField(p.code);
    if (!f) continue;
    if (auto text = fieldDefault(*f, context)) given.set(p.code, *text);
  }
  return given;
}

Status checkAndComplete(const OptionInfo& option, FieldValues& values,
                        const FieldContext& context) {
  FieldContext c = context;
  if (c.documentKind.empty()) c.documentKind = option.documentKind;
  if (c.documentSymbol.empty()) c.documentSymbol = values.text("SroJ");
  std::vector<std::string> seen;
  for (const FieldPlacement& p : inputFields(optionLayout(option))) {
    if (std::find(seen.begin(), seen.end(), p.code) != seen.end()) continue;
    seen.push_back(p.code);
    const FieldInfo* f = findField(p.code);
    if (!f || !values.has(p.code)) {
      // A field left out is checked as empty, so a required one is refused.
      if (f && !checkField(*f, "", c).ok) return Status::Error(fixHereText() + ": " + p.code);
      continue;
    }
    FieldValues completed;
    for (const std::string& text : values.all(p.code)) {
      FieldVerdict v = checkField(*f, text, c);
      if (!v.ok) return Status::Error(v.message + ": " + p.code);
      bool badDate = false;
      completed.add(p.code, completedText(*f, text, c, &badDate));
      if (badDate) return Status::Error(badDateText() + ": " + p.code);
    }
    values.setAll(p.code, completed.all(p.code));
  }
  return Status::Ok();
}

bool registerOperation(int optionNumber, Operation operation) {
  if (!findOption(optionNumber)) return false;
  registry()[optionNumber] = std::move(operation);
  return true;
}

bool registerOperation(std::string_view optionCode, Operation operation) {
  const OptionInfo* o = findOption(optionCode);
  return o && registerOperation(o->number, std::move(operation));
}

void clearOperations() {
  registry().clear();
}

bool hasOperation(int optionNumber) {
  return registry().count(optionNumber) != 0;
}

std::string periodText(const FieldValues& values) {
  std::string from = dateOfField(values, "DaOd");
  std::string to = dateOfField(values, "DaDo");
  if (!from.empty() && !to.empty()) return "od " + from + " do " + to;
  if (!to.empty()) return text::fromUtf8("na dzień ") + to;
  if (!from.empty()) return "od " + from;
  return {};
}

std::string notBuiltText(const OptionInfo& option) {
  return text::fromUtf8("Opcja ") + option.code + text::fromUtf8(" nie jest jeszcze zrobiona");
}

RunOutcome wykonaOpc(const OptionInfo& option, const FieldValues& values, RunEnvironment& env) {
  switch (option.operation) {
    case OperationKind::Nothing:
    case OperationKind::Settings:
      if (!hasOperation(option.number)) return {};
      break;
    case OperationKind::FocusLast:
      return {Status::Ok(), FocusAfter::LastField};
    case OperationKind::Import:
      if (env.assets && env.assets->count() > kImportRegisterCount)
        return refusedRun("Tylko do pustej bazy");
      break;
    default:
      break;
  }
  auto it = registry().find(option.number);
  if (it == registry().end()) {
    std::string message = notBuiltText(option);
    showStatus(message, StatusKind::Notice);
    return {Status::Error(message), FocusAfter::Stay};
  }
  output::ReportBuffer* report = option.reportBracket() ? env.report : nullptr;
  if (option.reportBracket() && !report) return refusedRun("Brak bufora raportu");
  OperationRun run{option, values, env.assets, env.baseFolder, env.today, env.outputCode, report};
  if (env.stopRequested) run.stopRequested = env.stopRequested;
  run.journal = env.journal;
  if (env.ask) run.ask = env.ask;
  if (env.choose) run.choose = env.choose;
  if (report && env.bracket) env.bracket->begin(periodText(values));
  Status status = it->second(run);
  if (report && env.bracket) env.bracket->end(*report, status);
  FocusAfter focus =
      option.operation == OperationKind::AssetEditing ? FocusAfter::FirstField : FocusAfter::Stay;
  return {std::move(status), focus};
}

}  // namespace zefir::operations
