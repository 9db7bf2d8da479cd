#include "output/report_settings.h"

namespace zefir::output {

namespace {

// Fields font; style; size; position; length; from top, starting at `first`.
ReportWindowLayout layoutFrom(const shell::SettingValue& v, int first) {
  ReportWindowLayout l;
  l.font = v.field(first);
  l.style = v.field(first + 1);
  l.size = v.number(first + 2);
  l.position = v.field(first + 3);
  l.length = v.number(first + 4);
  l.fromTop = v.number(first + 5);
  return l;
}

}  // namespace

void readReportSettings(const shell::SettingsRegister& program, const shell::SettingsRegister& base,
                        ReportContext& context) {
  context.screen = layoutFrom(program.value("KonRapE0"), 1);
  const shell::SettingValue second = program.value("KonRapE1");
  context.onSecondScreen = second.yes(1);
  context.secondScreen = layoutFrom(second, 2);
  const shell::SettingValue print = program.value("KonPrint");
  context.printFont = print.field(1);
  context.printStyle = print.field(2);
  context.organisation = base.value("Dla kogo").field(1);
}

}  // namespace zefir::output
