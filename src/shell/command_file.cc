#include "shell/command_file.h"

namespace zefir::shell {

CommandLine classifyCommandLine(std::string_view line) {
  if (line.size() < 2) return {CommandLine::Skip};
  if (line.substr(0, 2) == "00" || line == "The End") return {CommandLine::End};
  if (line[0] == '@') {
    if (line[1] >= '1' && line[1] <= '9') return {CommandLine::Wait, line[1] - '0'};
    if (line[1] != 'x') return {CommandLine::Comment};
  }
  return {CommandLine::Stop};
}

}  // namespace zefir::shell
