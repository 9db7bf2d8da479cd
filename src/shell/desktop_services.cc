#include "shell/desktop_services.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace zefir {

namespace {

class DefaultServices : public DesktopServices {
 public:
  Answer ask(std::string_view, char) override { return Answer::Back; }
  void progress(std::string_view) override {}
  void stop(std::string_view text) override {
    std::fprintf(stderr, "%s\n", std::string(text).c_str());
    std::exit(1);
  }
};

DefaultServices default_services;
DesktopServices* current_services = &default_services;

}  // namespace

DesktopServices& desktopServices() {
  return *current_services;
}
void setDesktopServices(DesktopServices* s) {
  current_services = s ? s : &default_services;
}

}  // namespace zefir
