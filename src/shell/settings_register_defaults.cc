// Defaults of the settings keys, the letter rules and the base location.
#include "shell/settings_register.h"

namespace zefir::shell {

namespace {

constexpr RegisterKind P = RegisterKind::Program;
constexpr RegisterKind B = RegisterKind::Base;

// 1 January 2018 and 31 December 2018 as DDMMYY texts.
constexpr SettingDefault kDefaults[] = {
    {P, "DirxBaza", ";Srodki"},
    {P, "sDirBaza", ""},
    {P, "KonOkien", "c Consolas;Bold;11;9;6;6;4;3;2"},
    {P, "KonRapE0", "c Consolas;----;10;CG;600;1"},
    {P, "KonRapE1", "T;c Consolas;----;10;CG;600;1"},
    {P, "KonPrint", "c Consolas;Bold"},
    {P, "AdrAktu.xxx", "https://zefir.example.pl/pobierz/"},
    {P, "CertAktu.xxx", ""},
    {P, "AdrNBP.xxx", "https://static.nbp.pl/dane/kursy/Archiwum/"},
    {B, "Dla kogo", "Zorza-Soft"},
    {B, "DatyBOBZ", "010118;311218"},
    {B, "GlebPods", "0;1;3"},
    {B, "FolderIE.xxx", ""},
    {B, "SroE", ""},
    {B, "HKSE", ""},
    {B, "NaDz", ""},
    {B, "PokZlikw", "N"},
    {B, "PTjakLT", "N"},
    {B, "AmBilPod", "B"},
    {B, "AmElGrMi", "E"},
    {B, "sAmBezCa", "C"},
    {B, "PodsKMOK", "3;0;0;3"},
    {B, "FirmaLog", ""},
    {B, "FirmaNaz", ""},
    {B, "FirmaNa2", ""},
    {B, "FirmaAdr", ""},
    {B, "FirmaAd2", ""},
    {B, "FirmaDod", ""},
    {B, "FirmaDo2", ""},
    {B, "PlAmOdZn", "1;2"},
};

char oneOf(char letter, std::string_view allowed, char otherwise) {
  return letter != ' ' && allowed.find(letter) != std::string_view::npos ? letter : otherwise;
}

}  // namespace

const std::map<std::string, SettingDefault>& settingDefaults() {
  static const std::map<std::string, SettingDefault> table = [] {
    std::map<std::string, SettingDefault> t;
    for (const SettingDefault& d : kDefaults) t.emplace(keyNormalForm(d.key), d);
    return t;
  }();
  return table;
}

std::string defaultSettingValue(std::string_view key) {
  const auto& table = settingDefaults();
  auto it = table.find(keyNormalForm(key));
  return it == table.end() ? std::string() : std::string(it->second.value);
}

SettingValue overDefaults(const SettingValue& value, const SettingValue& defaults) {
  if (value.empty()) return defaults;
  bool filled = false;
  int last = 0;
  for (int n = 1; n <= kSettingFields; ++n) {
    if (value.field(n).empty() && !defaults.field(n).empty()) filled = true;
    if (!value.field(n).empty() || !defaults.field(n).empty()) last = n;
  }
  if (!filled) return value;
  std::string text;
  for (int n = 1; n <= last; ++n) {
    if (n > 1) text += ';';
    text += value.field(n).empty() ? defaults.field(n) : value.field(n);
  }
  return SettingValue(text);
}

char settingLetter(std::string_view key, const SettingValue& value) {
  std::string normal = keyNormalForm(key);
  if (normal == "AMBILPOD") return oneOf(value.letter(), "BP", 'B');
  if (normal == "AMELGRMI") return oneOf(value.letter(), "EGM", 'E');
  if (normal == "SAMBEZCA") return oneOf(value.letter(), "ABC", 'C');
  return value.letter();
}

BaseLocation baseLocation(const SettingsRegister& program) {
  BaseLocation location;
  SettingValue dirx = program.value("DirxBaza");
  location.folder = dirx.field(1);
  for (size_t at = location.folder.find("\\\\"); at != std::string::npos;
       at = location.folder.find("\\\\", at + 1))
    location.folder.erase(at, 1);
  location.name = dirx.field(2);
  SettingValue sub = program.stored("sDirBaza");
  if (!sub.field(1).empty()) location.folder = sub.field(1).substr(0, 8) + "\\";
  location.secondName = sub.field(2).substr(0, 8);
  return location;
}

std::string dirxBazaValue(std::string_view folder, std::string_view name) {
  std::string value = std::string(folder) + ";";
  for (char c : name) value += c == ';' ? ',' : c;
  return value;
}

}  // namespace zefir::shell
