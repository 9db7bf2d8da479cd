// What the report window and printing take from the rest of the program: the
// settings read at start-up (the report-window layouts and the printer font),
// the texts of the page footer, the running option's menu position, and the
// error log. The desktop fills it in; the defaults are those of a fresh
// settings register, so tests and zefir-cli need nothing else.
#pragma once

#include <string>
#include <string_view>

#include "text/day_number.h"

namespace zefir {
class AssetRegister;
}

namespace zefir::output {

// One report-window layout (settings `KonRapE0`, and `KonRapE1` for the
// second monitor).
struct ReportWindowLayout {
  std::string font = "c Consolas";
  std::string style = "----";
  int size = 10;
  std::string position = "CG";  // 'L' left edge, 'P' right edge, else centred
  int length = 600;             // window height
  int fromTop = 1;
};

struct ReportContext {
  ReportWindowLayout screen;             // KonRapE0
  ReportWindowLayout secondScreen;       // KonRapE1
  bool onSecondScreen = true;            // KonRapE1 field 1 ("T")
  std::string printFont = "c Consolas";  // KonPrint
  std::string printStyle = "Bold";
  std::string organisation = "Zorza-Soft";  // "Dla kogo"
  std::string secondOrganisation;           // the second organisation text ("" when not set)
  std::string menuPosition;     // two letters of the running option ("DA"); "" outside the menu
  std::string optionCaption;    // the running option's caption
  std::string workstationMark;  // this workstation's mark in stamps
  DayNumber reportFrom = 0;     // the running report's first and last day (0 when none)
  DayNumber reportTo = 0;
  char vatVariant = '1';      // the one-character variant in the VAT audit file's name
  std::string sectionPrefix;  // audit-file section files: folder and file prefix ("" none) ...
  std::string sectionSuffix;  // ... and the workstation's suffix around the section name
  // A listing as of 31 December names its year and the register here; the
  // "JPK" button then writes the fixed-asset register file JPK_ST_KR too.
  int registerFileYear = 0;
  const AssetRegister* assetRegister = nullptr;
  std::string baseFolder;    // PDF files go to its PDF folder; "" is the current folder
  std::string footerLeft;    // "" prints the current folder
  std::string footerCentre;  // the desktop's label text
  std::string version = "1.19";
};

ReportContext& reportContext();

// The error log as the report window uses it (unit, line, text). By default
// an entry goes to the program's assertion handler (the desktop's error log);
// a logger installed here takes its place. Entries are counted either way.
using ErrorLogger = void (*)(std::string_view unit, int line, std::string_view text);
void setReportErrorLogger(ErrorLogger logger);
void logReportError(std::string_view unit, int line, std::string_view text);
int reportErrorsLogged();

}  // namespace zefir::output
