#include "shell/gui/zefir_application.h"

#include <exception>

#include "platform/shared_file.h"
#include "platform/status_line.h"

namespace zefir::gui {

ZefirApplication::ZefirApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool ZefirApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    handleException(currentExceptionMessage());
    return false;
  }
}

std::string currentExceptionMessage() {
  try {
    throw;
  } catch (const platform::IoError& e) {
    return e.message;
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return {};
  }
}

void handleException(const std::string& message) {
  try {
    showStatus(message, StatusKind::Error);
  } catch (...) {
    // The status line itself failed; the program still goes on.
  }
}

}  // namespace zefir::gui
