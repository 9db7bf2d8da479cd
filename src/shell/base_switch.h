// Option 18 (`Zmian`): another base of the base folder becomes the base in
// force. The desktop's register and journal move to it at once, the
// listings read it from then on, the workstation table shows it as this
// workstation's file ("!"), and the program register keeps its name at
// close (`DirxBaza`), so the next start opens it too.
#pragma once

#include <string_view>

#include "text/status.h"

namespace zefir::shell {

// Makes `name`.PST of the base folder the base in force and loads it. Refused,
// with the base in force unchanged, when the name is empty or no such base
// exists.
Status switchBaseInForce(std::string_view name);

// Registers the options the shell runs itself with the catalogue.
void registerShellOperations();

}  // namespace zefir::shell
