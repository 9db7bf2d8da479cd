#include "shell/desktop_settings.h"

#include <algorithm>

namespace zefir::shell {

std::vector<std::string> settingFields(std::string_view value) {
  std::vector<std::string> fields;
  while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
  std::size_t start = 0;
  while (fields.size() < 9) {
    const std::size_t cut = value.find(';', start);
    fields.emplace_back(value.substr(start, cut == std::string_view::npos ? cut : cut - start));
    if (cut == std::string_view::npos) break;
    start = cut + 1;
  }
  return fields;
}

int settingNumber(const std::vector<std::string>& fields, int n) {
  if (n < 1 || n > static_cast<int>(fields.size())) return 0;
  int v = 0;
  bool any = false;
  for (char c : fields[n - 1])
    if (c >= '0' && c <= '9') {
      v = std::min(v * 10 + (c - '0'), 32767);
      any = true;
    }
  bool negative = !fields[n - 1].empty() && fields[n - 1].find('-') != std::string::npos;
  return any && negative ? -v : v;
}

const std::vector<CarriedSetting>& carriedSettings() {
  static const std::vector<CarriedSetting> list = {
      {Register::Program, "KonOkien"}, {Register::Program, "KonRapE0"},
      {Register::Program, "KonRapE1"}, {Register::Program, "KonPrint"},
      {Register::Base, "DatyBOBZ"},    {Register::Base, "GlebPods"},
      {Register::Base, "FolderIE.xxx"}, {Register::Base, "SroE"},
      {Register::Base, "HKSE"},        {Register::Base, "NaDz"},
      {Register::Base, "PokZlikw"},    {Register::Base, "PTjakLT"},
      {Register::Base, "AmBilPod"},    {Register::Base, "AmElGrMi"},
      {Register::Base, "sAmBezCa"},    {Register::Base, "PodsKMOK"},
      {Register::Base, "FirmaLog"},    {Register::Base, "FirmaNaz"},
      {Register::Base, "FirmaNa2"},    {Register::Base, "FirmaAdr"},
      {Register::Base, "FirmaAd2"},    {Register::Base, "FirmaDod"},
      {Register::Base, "FirmaDo2"},    {Register::Base, "PlAmOdZn"},
  };
  return list;
}

std::string normalBaseFolder(std::string_view folder) {
  std::string f;
  for (char c : folder) {
    const bool sep = c == '\\' || c == '/';
    if (sep && !f.empty() && (f.back() == '\\' || f.back() == '/')) continue;
    f += c;
  }
  if (!f.empty() && f.back() != '\\' && f.back() != '/') f += '\\';
  return f;
}

void readStartSettings(SettingsAccess& access, ShellState& state, DesktopSettings& out) {
  // Base folder and name; a subfolder setting names the folder instead.
  auto dirx = settingFields(access.read(Register::Program, "DirxBaza"));
  out.dirxFolder = normalBaseFolder(dirx.empty() ? "" : dirx[0]);
  state.baseFolder = out.dirxFolder;
  state.baseName = dirx.size() > 1 && !dirx[1].empty() ? dirx[1] : "Srodki";
  auto sdir = settingFields(access.read(Register::Program, "sDirBaza"));
  if (!sdir.empty() && !sdir[0].empty()) state.baseFolder = sdir[0].substr(0, 8) + "\\";
  state.rememberedBaseFolder = state.baseFolder;

  const std::string who = access.read(Register::Base, "Dla kogo");
  if (!who.empty()) state.organisation = who;

  for (const CarriedSetting& s : carriedSettings()) {
    std::string v = access.read(s.reg, s.key);
    if (!v.empty()) out.values[s.key] = v;
  }
  if (auto it = out.values.find("KonOkien"); it != out.values.end()) {
    auto f = settingFields(it->second);
    if (!f.empty() && !f[0].empty()) state.windowFont.font = f[0];
    if (f.size() > 1 && !f[1].empty()) state.windowFont.style = f[1];
    if (int size = settingNumber(f, 3); size > 0) state.windowFont.size = size;
  }

  auto lt = settingFields(access.read(Register::Program, "PulpitLT"));
  if (lt.size() >= 2 && settingNumber(lt, 2) > 0) {
    out.hasDesktopPosition = true;
    out.left = settingNumber(lt, 1);
    out.top = settingNumber(lt, 2);
  }
  auto wh = settingFields(access.read(Register::Program, "PulpitWH"));
  if (wh.size() >= 2 && settingNumber(wh, 1) > 0 && settingNumber(wh, 2) > 0) {
    out.width = settingNumber(wh, 1);
    out.height = settingNumber(wh, 2);
  }
}

void writeCloseSettings(SettingsAccess& access, const ShellState& state,
                        const DesktopSettings& settings, int left, int top, int width, int height) {
  for (const CarriedSetting& s : carriedSettings())
    if (auto it = settings.values.find(s.key); it != settings.values.end())
      access.write(s.reg, s.key, it->second);
  access.write(Register::Base, "Dla kogo", state.organisation);
  std::string name = state.baseName;
  std::replace(name.begin(), name.end(), ';', ',');
  access.write(Register::Program, "DirxBaza", settings.dirxFolder + ";" + name);
  access.write(Register::Program, "PulpitLT", std::to_string(left) + ";" + std::to_string(top));
  access.write(Register::Program, "PulpitWH",
               std::to_string(width) + ";" + std::to_string(height));
}

}  // namespace zefir::shell
