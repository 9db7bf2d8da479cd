#include "shell/settings_pages.h"

#include <map>

#include "text/codepage.h"

namespace zefir::shell {

namespace {

using enum RegisterKind;

struct Binding {
  const char* code;
  RegisterKind kind;
  const char* key;
  int field;
  int list = -1;  // the list F4 and F5 open on the field
};

const Binding kBindings[] = {
    // The window, report and printer pages (82, 83). F4 offers the fonts, their
    // style and size, the screen positions, the window lengths (the second
    // report window's up to the height of the second monitor) and yes/no for
    // the second window; the margins and spacings are plain numbers.
    {"OkFo", Program, "KonOkien", 1, 'F'},
    {"OkBo", Program, "KonOkien", 2, 'B'},
    {"OkWi", Program, "KonOkien", 3, 'C'},
    {"OkMx", Program, "KonOkien", 4},
    {"OkDx", Program, "KonOkien", 5},
    {"OkMy", Program, "KonOkien", 6},
    {"OkDy", Program, "KonOkien", 7},
    {"OkEz", Program, "KonOkien", 8},
    {"OkEm", Program, "KonOkien", 9},
    {"RaFo", Program, "KonRapE0", 1, 'F'},
    {"RaBo", Program, "KonRapE0", 2, 'B'},
    {"RaWi", Program, "KonRapE0", 3, 'C'},
    {"RaPo", Program, "KonRapE0", 4, 'P'},
    {"RaWy", Program, "KonRapE0", 5, 'Q'},
    {"RaMa", Program, "KonRapE0", 6},
    {"RzN2", Program, "KonRapE1", 1, 'T'},
    {"RzFo", Program, "KonRapE1", 2, 'F'},
    {"RzBo", Program, "KonRapE1", 3, 'B'},
    {"RzWi", Program, "KonRapE1", 4, 'C'},
    {"RzPo", Program, "KonRapE1", 5, 'P'},
    {"RzWy", Program, "KonRapE1", 6, 'O'},
    {"RzMa", Program, "KonRapE1", 7},
    {"PrFo", Program, "KonPrint", 1, 'F'},
    {"PrBo", Program, "KonPrint", 2, 'B'},
    // The base folder: the program folder's subfolders that hold a base.
    {"DirJ", Program, "DirxBaza", 1, 'K'},
    // The catalogue's settings options (59, 81, 88) and the remembered symbols.
    {"Zlik", Base, "PokZlikw", 1},
    {"AmBP", Base, "AmBilPod", 1},
    {"Dla", Base, "Dla kogo", 1},
    {"Pod1", Base, "GlebPods", 1},
    {"Pod3", Base, "GlebPods", 2},
    {"Pod7", Base, "GlebPods", 3},
    {"AEGM", Base, "AmElGrMi", 1},
    {"PTLT", Base, "PTjakLT", 1},
    {"PoKS", Base, "PodsKMOK", 1},
    {"PoMU", Base, "PodsKMOK", 2},
    {"PoOO", Base, "PodsKMOK", 3},
    {"PoKo", Base, "PodsKMOK", 4},
    {"LABC", Base, "sAmBezCa", 1},
    {"GrOd", Base, "PlAmOdZn", 1},
    {"GrZn", Base, "PlAmOdZn", 2},
    {"FLog", Base, "FirmaLog", 1},
    {"FNaz", Base, "FirmaNaz", 1},
    {"FNa2", Base, "FirmaNa2", 1},
    {"FAdr", Base, "FirmaAdr", 1},
    {"FAd2", Base, "FirmaAd2", 1},
    {"FDod", Base, "FirmaDod", 1},
    {"FDo2", Base, "FirmaDo2", 1},
    {"SroE", Base, "SroE", 1},
    {"HKSE", Base, "HKSE", 1},
};

bool basePage(int slot) {
  return slot == 85 || slot == 86 || slot == 89;
}

operations::FieldPlacement field(const char* code, const char* labelUtf8, int width) {
  operations::FieldPlacement p;
  p.code = code;
  p.label = text::fromUtf8(labelUtf8);
  p.width = width;
  return p;
}

operations::FieldPlacement label(const std::string& text) {
  operations::FieldPlacement p;
  p.label = text;
  return p;
}

SettingsRegister& registerOf(DesktopRegisters& r, RegisterKind kind) {
  return kind == Program ? r.program : r.base;
}
const SettingsRegister& registerOf(const DesktopRegisters& r, RegisterKind kind) {
  return kind == Program ? r.program : r.base;
}

// The value with field n (1..9) replaced, the other fields kept.
std::string withField(const SettingValue& value, int n, const std::string& text) {
  int last = n;
  for (int i = 1; i <= kSettingFields; ++i)
    if (!value.field(i).empty()) last = std::max(last, i);
  std::string out;
  for (int i = 1; i <= last; ++i) {
    if (i > 1) out += ';';
    out += i == n ? text : value.field(i);
  }
  return out;
}

bool carried(std::string_view key) {
  for (const CarriedSetting& s : carriedSettings())
    if (key == s.key) return true;
  return false;
}

}  // namespace

std::optional<FieldSetting> fieldSetting(std::string_view code, int slot) {
  if (code == "BazJ")
    return basePage(slot) ? std::optional<FieldSetting>({Program, "DirxBaza", 2}) : std::nullopt;
  for (const Binding& b : kBindings)
    if (code == b.code) return FieldSetting{b.kind, b.key, b.field};
  return std::nullopt;
}

int settingsPickList(std::string_view code) {
  for (const Binding& b : kBindings)
    if (code == b.code) return b.list;
  return -1;
}

bool isSettingsPage(int slot) {
  return slot == 82 || slot == 83 || basePage(slot) || slot == 87;
}

std::vector<operations::LayoutLine> settingsPageLayout(int slot) {
  switch (slot) {
    case 82:
      return {
          {field("OkFo", "Font", 20), field("OkWi", "", 2), field("OkBo", "", 8)},
          {field("OkMx", "Poziomy margines", 2), field("OkDx", "odstęp", 2)},
          {field("OkMy", "Pionowy margines", 2), field("OkDy", "odstęp", 2)},
          {field("OkEz", "Głębokość pola edycji", 2), field("OkEm", "odstęp", 2)},
          {field("RaFo", "Raporty", 20), field("RaWi", "", 2), field("RaBo", "", 8)},
          {field("RaPo", "Położenie", 2), field("RaMa", "od góry", 4), field("RaWy", "dług.", 4)},
          {field("RzN2", "Na 2", 1), field("RzFo", "", 20), field("RzBo", "", 8),
           field("RzWi", "", 2)},
          {field("RzPo", "Położenie", 2), field("RzMa", "od góry", 4), field("RzWy", "dług.", 4)},
      };
    case 83:
      return {{label(text::fromUtf8("Drukarka laserowa  "))},
              {field("PrFo", "Font", 20), field("PrBo", "bold", 8)}};
    case 85:
    case 89:
      return {{field("DirJ", "Katalog (folder) z bazą danych", 40)},
              {field("BazJ", "Baza danych w tym katalogu", 8)}};
    case 86:
      return {{field("BazJ", "Baza danych", 8)}};
    case 87:
      return {{field("HasS", "Wpisz stare hasło", 12)},
              {field("HasN", "Wpisz nowe hasło", 12)},
              {field("HasP", "Powtórz hasło", 12)}};
    default:
      return {};
  }
}

std::string settingFieldText(const DesktopRegisters& registers, const ShellState& state,
                             std::string_view code, int slot) {
  auto s = fieldSetting(code, slot);
  if (!s) return {};
  if (code == "BazJ") return state.baseName;
  return registerOf(registers, s->kind).value(s->key).field(s->field);
}

Status storeSettingFields(const operations::FieldValues& values, int slot,
                          DesktopRegisters& registers, ShellState& state,
                          DesktopSettings* carriedValues) {
  std::map<std::string, std::pair<RegisterKind, SettingValue>> changed;
  for (const auto& [code, texts] : values.entries()) {
    auto s = fieldSetting(code, slot);
    if (!s || texts.empty()) continue;
    std::string text = texts.front();
    if (code == "BazJ" && text.empty()) text = "Srodki";
    std::string key(s->key);
    auto it = changed.find(key);
    SettingValue current =
        it != changed.end() ? it->second.second : registerOf(registers, s->kind).value(key);
    changed[key] = {s->kind, SettingValue(withField(current, s->field, text))};
  }
  std::vector<std::pair<std::string, std::string>> program, base;
  for (const auto& [key, entry] : changed)
    (entry.first == Program ? program : base).emplace_back(key, entry.second.text());
  Status status = Status::Ok();
  if (!program.empty()) status = registers.program.setAll(program);
  if (!base.empty()) {
    Status b = registers.base.setAll(base);
    if (status.ok()) status = std::move(b);
  }
  for (const auto& [key, entry] : changed) {
    const SettingValue& v = entry.second;
    if (carriedValues && carried(key)) carriedValues->values[key] = v.text();
    if (key == "Dla kogo") state.organisation = v.text();
    if (key == "KonOkien") {
      if (!v.field(1).empty()) state.windowFont.font = v.field(1);
      if (!v.field(2).empty()) state.windowFont.style = v.field(2);
      if (v.number(3) > 0) state.windowFont.size = v.number(3);
    }
    if (key == "DirxBaza") {
      state.baseFolder = v.field(1);
      if (!state.baseFolder.empty() && state.baseFolder.back() != '\\' &&
          state.baseFolder.back() != '/')
        state.baseFolder += '\\';
      state.baseName = v.field(2).empty() ? "Srodki" : v.field(2);
      if (carriedValues) carriedValues->dirxFolder = v.field(1);
    }
  }
  return status;
}

}  // namespace zefir::shell
