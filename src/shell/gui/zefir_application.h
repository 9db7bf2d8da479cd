// The application object: its notify() is the desktop's exception handler,
// so an exception that reaches the message loop is shown in the status line
// as an error and the program goes on.
#pragma once

#include <QApplication>
#include <string>

namespace zefir::gui {

class ZefirApplication : public QApplication {
  Q_OBJECT

 public:
  ZefirApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// The message of an exception in flight (code page 1250); "" when it has none.
std::string currentExceptionMessage();
// Shows it in the status line as an error (kind 0); never throws.
void handleException(const std::string& message);

}  // namespace zefir::gui
