#include "output/report_context.h"

#include <string>

#include "platform/assertion.h"

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
  if (current_logger) {
    current_logger(unit, line, text);
    return;
  }
  // The program's assertion handler is the error log's writer (`#/Zefir.BAD`).
  assertionFailed(text, std::string(unit).c_str(), line);
}

int reportErrorsLogged() {
  return logged;
}

}  // namespace zefir::output
