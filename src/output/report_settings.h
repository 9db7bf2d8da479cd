// The report window's and the printer's settings, read from the settings
// registers into reportContext(): `KonRapE0` and `KonRapE1` (the report
// window on the first and on the second monitor), `KonPrint` (the printer
// font) from the program register, `Dla kogo` from the base register.
#pragma once

#include "output/report_context.h"
#include "shell/settings_register.h"

namespace zefir::output {

void readReportSettings(const shell::SettingsRegister& program, const shell::SettingsRegister& base,
                        ReportContext& context);

}  // namespace zefir::output
