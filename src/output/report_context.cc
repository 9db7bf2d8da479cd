#include "output/report_context.h"

namespace zefir::output {

namespace {
ErrorLogger current_logger = nullptr;
int logged = 0;
}  // namespace

ReportContext& reportContext() {
  static ReportContext context;
  return context;
}

void setReportErrorLogger(ErrorLogger logger) {
  current_logger = logger;
}

void logReportError(std::string_view unit, int line, std::string_view text) {
  ++logged;
  if (current_logger) current_logger(unit, line, text);
}

int reportErrorsLogged() {
  return logged;
}

std::string printFontName(std::string_view setting) {
  return std::string(setting.size() > 2 ? setting.substr(2, 99) : std::string_view{});
}

}  // namespace zefir::output
