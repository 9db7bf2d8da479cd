// Desktop services for dialog tests: questions answered alike (yes unless
// told otherwise), window requests kept instead of opening windows.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "shell/desktop_services.h"

namespace zefir::testing {

class RecordingServices : public DesktopServices {
 public:
  Answer ask(std::string_view question, char) override {
    questions.emplace_back(question);
    return answer;
  }
  void progress(std::string_view) override {}
  void stop(std::string_view) override {}
  void requestWindow(int slot, int value) override { requests.emplace_back(slot, value); }
  std::vector<std::pair<int, int>> requests;
  Answer answer = Answer::Yes;         // the answer to every question
  std::vector<std::string> questions;  // as asked (code page 1250)
};

}  // namespace zefir::testing
