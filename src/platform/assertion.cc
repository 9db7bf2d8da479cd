#include "platform/assertion.h"

#include <cstdio>
#include <mutex>
#include <string>

#include "text/codepage.h"

namespace zefir {

namespace {

AssertionHandler& handler() {
  static AssertionHandler h;
  return h;
}

// Work spread over several threads (platform/worker_pool.h) may fail checks
// at once; the handler (the error log's append) sees one failure at a time.
std::recursive_mutex& handlerMutex() {
  static std::recursive_mutex m;  // a handler that fails a check itself goes on
  return m;
}

}  // namespace

std::string errorLogLine(std::string_view message, std::string_view file, int line,
                         std::uintptr_t address) {
  std::string l = "  ";
  l += file;
  l += "  linia : " + std::to_string(line);
  l += "  adres : " + std::to_string(address);
  l += text::fromUtf8("  błąd : ");
  l += message;
  return l;
}

void setAssertionHandler(AssertionHandler h) {
  std::lock_guard lock(handlerMutex());
  handler() = std::move(h);
}

void assertionFailed(std::string_view message, const char* file, int line) {
  const auto address = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
  std::string_view name = file;
  if (auto cut = name.find_last_of("/\\"); cut != std::string_view::npos)
    name = name.substr(cut + 1);
  std::lock_guard lock(handlerMutex());
  if (handler()) {
    handler()(message, name, line, address);
  } else {
    std::string l = errorLogLine(message, name, line, address);
    std::fprintf(stderr, "%s\n", l.c_str());
  }
}

}  // namespace zefir
