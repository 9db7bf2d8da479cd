// Lines of a command file read while the menu is shown.
#pragma once

#include <string>
#include <string_view>

namespace zefir::shell {

struct CommandLine {
  enum Kind {
    Skip,     // fewer than 2 characters
    End,      // "00..." or "The End": end the program
    Wait,     // "@" and a digit: wait that many seconds
    Comment,  // "@" and another character but "x": ask the line as a question
    Stop,     // anything else: stop reading until the menu is shown again
  } kind = Skip;
  int seconds = 0;
};

CommandLine classifyCommandLine(std::string_view line);

}  // namespace zefir::shell
