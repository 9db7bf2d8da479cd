// Desktop services for dialog tests: questions answered yes, window requests
// kept instead of opening windows.
#pragma once

#include <utility>
#include <vector>

#include "shell/desktop_services.h"

namespace zefir::testing {

class RecordingServices : public DesktopServices {
 public:
  Answer ask(std::string_view, char) override { return Answer::Yes; }
  void progress(std::string_view) override {}
  void stop(std::string_view) override {}
  void requestWindow(int slot, int value) override { requests.emplace_back(slot, value); }
  std::vector<std::pair<int, int>> requests;
};

}  // namespace zefir::testing
