// Services of the desktop that core code calls without knowing the windows:
// the yes/no question, progress messages and stopping with a message. The
// desktop installs the real ones; the defaults (zefir-cli, tests) answer
// "back", ignore progress and print the message.
#pragma once

#include <string>
#include <string_view>

namespace zefir {

enum class Answer { Yes = 0, No = 1, Back = 2 };

class DesktopServices {
 public:
  virtual ~DesktopServices() = default;
  // Asks the question (code page 1250, without its " ?"); `defaultAnswer` 'T'
  // makes yes the default, anything else no. Returns only after an answer.
  virtual Answer ask(std::string_view question, char defaultAnswer) = 0;
  // Lets the windows repaint; with the "00" start also shows the text.
  virtual void progress(std::string_view text) = 0;
  // Shows the text in a message box and ends the program.
  virtual void stop(std::string_view text) = 0;
  // Asks the desktop's timer to open the window of `slot` with `value` on a
  // fresh tick. The default does nothing.
  virtual void requestWindow(int /*slot*/, int /*value*/) {}
  // The login page's Go: when the login file accepts login and password this
  // desktop becomes the workstation it names. `message` receives the text for
  // the Go button. The default accepts nobody.
  virtual bool logIn(std::string_view /*login*/, std::string_view /*password*/,
                     std::string* /*message*/) {
    return false;
  }
};

DesktopServices& desktopServices();
void setDesktopServices(DesktopServices* services);  // nullptr restores the default

inline Answer askYesNo(std::string_view question, char defaultAnswer) {
  return desktopServices().ask(question, defaultAnswer);
}
inline void progressMessage(std::string_view text) {
  desktopServices().progress(text);
}

}  // namespace zefir
