#include "shell/start_mode.h"

#include <cctype>

namespace zefir::shell {

std::string workstationSuffix(int workstation) {
  std::string digits = std::to_string(1000 + workstation);
  return "." + digits.substr(digits.size() - 3);
}

namespace {

// 1..197 written with digits only (leading zeros allowed), else 0.
int workstationNumber(std::string_view text) {
  if (text.empty() || text.size() > 3) return 0;
  int n = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
    n = n * 10 + (c - '0');
  }
  return n >= 1 && n <= 197 ? n : 0;
}

}  // namespace

StartMode startModeFrom(std::string_view firstArgument, bool loginFileExists) {
  StartMode m;
  if (int n = workstationNumber(firstArgument)) {
    m.mode = n;
    m.workstation = n;
    m.suffix = workstationSuffix(n);
    m.network = true;
    m.rights = 'A';
    return m;
  }
  m.showProgress = firstArgument == "00";
  if (loginFileExists) {
    // Nothing is written and nothing loaded until a login names the workstation;
    // until then only the login page and the menu may open.
    m.mode = kModeLoginStart;
    m.suffix.clear();
    m.rights = 'W';
  } else {
    m.mode = kModeNoLogin;
    m.suffix = ".xxx";
    m.rights = 'A';
  }
  if (firstArgument == "-o") {
    m.mode = kModeTest;
    m.rights = 'A';
  }
  return m;
}

}  // namespace zefir::shell
