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

}  // namespace zefir::output
