#include "shell/desktop_settings.h"

#include <utility>

#include "shell/listing_settings.h"
#include "text/dates.h"

namespace zefir::shell {

DesktopRegisters& desktopRegisters() {
  static DesktopRegisters registers;
  return registers;
}

const std::vector<CarriedSetting>& carriedSettings() {
  using enum RegisterKind;
  static const std::vector<CarriedSetting> list = {
      {Program, "KonOkien"}, {Program, "KonRapE0"}, {Program, "KonRapE1"},  {Program, "KonPrint"},
      {Base, "DatyBOBZ"},    {Base, "GlebPods"},    {Base, "FolderIE.xxx"}, {Base, "SroE"},
      {Base, "HKSE"},        {Base, "NaDz"},        {Base, "PokZlikw"},     {Base, "PTjakLT"},
      {Base, "AmBilPod"},    {Base, "AmElGrMi"},    {Base, "sAmBezCa"},     {Base, "PodsKMOK"},
      {Base, "FirmaLog"},    {Base, "FirmaNaz"},    {Base, "FirmaNa2"},     {Base, "FirmaAdr"},
      {Base, "FirmaAd2"},    {Base, "FirmaDod"},    {Base, "FirmaDo2"},     {Base, "PlAmOdZn"},
  };
  return list;
}

namespace {

SettingsRegister& registerOf(DesktopRegisters& r, RegisterKind kind) {
  return kind == RegisterKind::Program ? r.program : r.base;
}

}  // namespace

std::string adjustedReportDates(std::string_view datyBOBZ, DayNumber daOd, DayNumber daDo) {
  const SettingValue dates(datyBOBZ);
  std::string opening = dates.field(1);
  std::string closing = dates.field(2);
  const std::string from = text::mediumTextOfDay(daOd);
  if (daOd != 0 && from.rfind("01-01-", 0) == 0) opening = text::shortTextOfDay(daOd);
  if (daOd != 0 && from.rfind("02-01-", 0) == 0) opening = text::shortTextOfDay(daOd - 1);
  if (daDo != 0 && text::mediumTextOfDay(daDo).rfind("31-12-", 0) == 0)
    closing = text::shortTextOfDay(daDo);
  return opening + ";" + closing;
}

void readStartSettings(DesktopRegisters& registers, ShellState& state, DesktopSettings& out,
                       const BaseLocation* loginBase) {
  const std::string& suffix = state.start.suffix;
  (void)registers.program.load(std::string(kProgramRegisterPath), suffix);
  const BaseLocation location = loginBase ? *loginBase : baseLocation(registers.program);
  state.baseFolder = location.folder;
  state.rememberedBaseFolder = location.folder;
  state.baseName = location.name.empty() ? "Srodki" : location.name;
  out.dirxFolder = registers.program.value("DirxBaza").field(1);
  (void)registers.base.load(baseRegisterPath(state.baseFolder), suffix);
  // The listings read the base's report settings when Go runs them.
  operations::listingEnvironment().settings = listingSettingsFrom(registers.base);
  operations::listingEnvironment().baseFile = state.mainBaseFile();

  if (std::string who = registers.base.text("Dla kogo"); !who.empty()) state.organisation = who;
  for (const CarriedSetting& s : carriedSettings()) {
    std::string v = registerOf(registers, s.kind).text(s.key);
    if (!v.empty()) out.values[s.key] = v;
  }
  const SettingValue font = registers.program.value("KonOkien");
  if (!font.field(1).empty()) state.windowFont.font = font.field(1);
  if (!font.field(2).empty()) state.windowFont.style = font.field(2);
  if (font.number(3) > 0) state.windowFont.size = font.number(3);

  const SettingValue lt = registers.program.stored("PulpitLT");
  if (lt.number(2) > 0) {
    out.hasDesktopPosition = true;
    out.left = lt.number(1);
    out.top = lt.number(2);
  }
  const SettingValue wh = registers.program.stored("PulpitWH");
  if (wh.number(1) > 0 && wh.number(2) > 0) {
    out.width = wh.number(1);
    out.height = wh.number(2);
  }
}

void writeCloseSettings(DesktopRegisters& registers, const ShellState& state,
                        const DesktopSettings& settings, int left, int top, int width, int height) {
  if (state.start.suffix.empty()) return;
  DesktopSettings adjusted = settings;
  adjusted.values["DatyBOBZ"] = adjustedReportDates(registers.base.value("DatyBOBZ").text(),
                                                    state.fieldDaOd, state.fieldDaDo);
  std::vector<std::pair<std::string, std::string>> program, base;
  for (const CarriedSetting& s : carriedSettings())
    if (auto it = adjusted.values.find(s.key); it != adjusted.values.end())
      (s.kind == RegisterKind::Program ? program : base).emplace_back(s.key, it->second);
  base.emplace_back("Dla kogo", state.organisation);
  program.emplace_back("DirxBaza", dirxBazaValue(settings.dirxFolder, state.baseName));
  program.emplace_back("PulpitLT", std::to_string(left) + ";" + std::to_string(top));
  program.emplace_back("PulpitWH", std::to_string(width) + ";" + std::to_string(height));
  (void)registers.program.setAll(program);
  (void)registers.base.setAll(base);
}

}  // namespace zefir::shell
