#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "fuzz_target.h"
#include "platform/file_system.h"

namespace zefir::fuzz {

const std::string& scratchFolder() {
  // Never destroyed: the exit handler that removes the folder runs after
  // the statics are gone.
  static const std::string& folder = *new std::string([] {
    std::string tmpl = (std::filesystem::temp_directory_path() / "zefir-fuzz-XXXXXX").string();
    if (!::mkdtemp(tmpl.data()) || ::chdir(tmpl.c_str()) != 0) {
      std::perror("zefir-fuzz");
      std::abort();
    }
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(scratchFolder(), ec);
    });
    return tmpl;
  }());
  return folder;
}

std::string inputFile(std::string_view name, std::string_view bytes) {
  const std::string path = scratchFolder() + "/" + std::string(name);
  if (!platform::writeWholeFile(path, bytes)) std::abort();
  return path;
}

void removeInputFile(std::string_view name) {
  std::error_code ec;
  std::filesystem::remove(scratchFolder() + "/" + std::string(name), ec);
}

}  // namespace zefir::fuzz
