#include "operations/catalogue_hooks.h"

#include "text/codepage.h"

namespace zefir::operations {

namespace {

bool isEmpty(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

// The Enter rules beyond the field's own check: fields that must not be left
// empty, and the asset form's dates and classification that open their F3
// window.
bool requiredButEmpty(const std::string& code, const FieldValues& values) {
  for (const char* c : {"MieJ", "BaAr", "SGRa", "TZGr", "SroE"})
    if (code == c) return isEmpty(values.text(code));
  if (code == "BaPo") return isEmpty(values.text("BaPo")) && isEmpty(values.text("BaZg"));
  return false;
}

}  // namespace

bool hookModuleIs(std::string_view hook, std::string_view module) {
  if (module == kCatalogueModule) return true;
  showStatus(std::string(hook) + text::fromUtf8(" ma być w bZestaw a nie w ") + std::string(module),
             StatusKind::Error);
  return false;
}

int nLeftTopRd(std::string_view module, int option, std::string* positionKey) {
  if (positionKey) positionKey->clear();
  if (!hookModuleIs("nLeftTopRd", module)) return -1;
  if (option >= 11 && option <= 64) {
    const OptionInfo* o = findOption(option);
    if (o && positionKey) *positionKey = o->positionKey;
  }
  return option >= 10 && option <= 65 ? 0 : -1;
}

int nieMaOpcji(std::string_view module, int option, const LayoutContext& context,
               std::vector<LayoutLine>* lines) {
  if (lines) lines->clear();
  if (!hookModuleIs("nieMaOpcji", module)) return -1;
  const OptionInfo* o = findOption(option);
  if (!o || !o->hasLayout()) return -1;
  if (lines) *lines = optionLayout(*o, context);
  return 0;
}

bool nDrukPanel(std::string_view module, int option) {
  if (!hookModuleIs("nDrukPanel", module)) return false;
  return option < 13 || option > 15;
}

int dokum2poA(std::string_view module, int option) {
  if (!hookModuleIs("Dokum2poA", module)) return -1;
  return option - 11;
}

bool nPowDoMenu(std::string_view module, int option, int focusIndex) {
  if (!hookModuleIs("nPowDoMenu", module)) return false;
  return option == 11 && focusIndex > 0;
}

bool nDlaOper(std::string_view module, int option) {
  if (!hookModuleIs("nDlaOper", module)) return false;
  return option == 85;
}

bool oznaczAqua(std::string_view module, const FieldInfo& field) {
  if (!hookModuleIs("OznaczAqua", module)) return false;
  return field.markedF3;
}

int nAutomEdit(std::string_view module, const FieldInfo& field, const FieldContext& context,
               std::string* text) {
  if (!hookModuleIs("nAutomEdit", module)) return -1;
  auto value = fieldDefault(field, context);
  if (!value) return -1;
  if (text) *text = *value;
  return 0;
}

bool bladPola(std::string_view module, const FieldInfo& field, std::string_view text,
              const FieldContext& context) {
  if (!hookModuleIs("BladPola", module)) return false;
  FieldVerdict v = checkField(field, text, context);
  if (!v.message.empty()) showStatus(v.message, v.kind);
  return !v.ok;
}

std::string noPickListText() {
  return "Tu F4 nie pracuje";
}

std::string f4ewF5Klik(std::string_view module, const FieldInfo& field) {
  if (!hookModuleIs("F4ewF5Klik", module)) return {};
  if (field.pickList.empty() && !field.summaryDepth)
    showStatus(noPickListText(), StatusKind::Notice);
  return field.pickList;
}

int f3orDbKlik(std::string_view module, const FieldInfo& field) {
  if (!hookModuleIs("F3orDbKlik", module)) return 0;
  return field.f3Window;
}

char patternSectionOf(const FieldInfo& field) {
  const char section = sectionOfSlot(field.f3Window);
  return patternWidth(section) > 0 ? section : 0;
}

int nOknoKr6(std::string_view module, const FieldInfo& field, std::string_view acceptedText,
             CardState& card, int* window) {
  *window = 0;
  if (!hookModuleIs("nOknoKr6", module)) return -1;
  const char section = patternSectionOf(field);
  if (section == 0) return -1;
  seedPatternList(section, acceptedText, card);
  *window = field.f3Window;
  return -1;
}

EnterStep enStNeGo(std::string_view module, const OptionInfo& option,
                   const std::vector<FieldPlacement>& inputs, int index, const FieldValues& values,
                   const FieldContext& context, const AssetRecord* loaded) {
  if (!hookModuleIs("EnStNeGo", module)) return {};
  if (index < 0 || index >= static_cast<int>(inputs.size())) return {};
  const std::string& code = inputs[index].code;
  const FieldInfo* field = findField(code);
  if (field) {
    FieldContext c = context;
    if (c.documentKind.empty()) c.documentKind = option.documentKind;
    if (c.documentSymbol.empty()) c.documentSymbol = values.text("SroJ");
    FieldVerdict v = checkField(*field, values.text(code), c);
    if (!v.message.empty()) showStatus(v.message, v.kind);
    if (!v.ok) return {};
  }
  if (requiredButEmpty(code, values)) {
    showStatus(fixHereText(), StatusKind::Error);
    return {};
  }
  if (code == "EDaZ" && loaded && loaded->DtZa == 0) return {0, 0, 69};
  if (code == "EDaO" && loaded && loaded->DtOT == 0) return {0, 0, 70};
  if (code == "EKST") return {0, 0, 72};
  int next = index + 1;
  // In the asset form and the classification editor the first field skips
  // the new-symbol field under it.
  if (index == 0 && (option.number == 11 || option.number == 55)) next = index + 2;
  if (next >= static_cast<int>(inputs.size())) return {2, 0, 0};
  return {1, next, 0};
}

}  // namespace zefir::operations
