// Assertions that log and go on: a failed check anywhere in the program is
// handed to the installed handler (the desktop's logger appends it to
// `#/Zefir.BAD`); the program is not stopped.
//
//   ZEFIR_ASSERT(row < rows, text::fromUtf8("Celowe wystąpienie błędu"));
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zefir {

// (message in code page 1250, source file name, line, code address)
using AssertionHandler = std::function<void(std::string_view message, std::string_view file,
                                            int line, std::uintptr_t address)>;

// One line of the error log, without its line end: two blanks, the file name,
// "  linia : " line, "  adres : " address, "  błąd : " message (code page 1250).
std::string errorLogLine(std::string_view message, std::string_view file, int line,
                         std::uintptr_t address);

// Installs the handler; an empty one restores the default, which writes the
// line to standard error.
void setAssertionHandler(AssertionHandler handler);

// Calls the handler with the file's name (without its folders) and the code
// address the assertion was called from.
[[gnu::noinline]] void assertionFailed(std::string_view message, const char* file, int line);

}  // namespace zefir

#define ZEFIR_ASSERT(condition, message)                                       \
  do {                                                                         \
    if (!(condition)) ::zefir::assertionFailed((message), __FILE__, __LINE__); \
  } while (false)
