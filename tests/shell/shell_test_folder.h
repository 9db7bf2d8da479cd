// A fresh program folder for one test: created under the system's temporary
// folder, made the current folder, and removed afterwards.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace zefir::shell::testing {

class ProgramFolder {
 public:
  ProgramFolder() {
    old_ = std::filesystem::current_path();
    char pattern[] = "/tmp/zefir-shell-XXXXXX";
    path_ = ::mkdtemp(pattern);
    std::filesystem::current_path(path_);
  }
  ~ProgramFolder() {
    std::filesystem::current_path(old_);
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

  static void write(const std::string& path, const std::string& content) {
    std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << content;
  }
  // The demo base's files into the current folder. The base files only: a
  // `make run` leaves settings and markers beside them.
  static void copyDemoBase() {
    for (const auto& entry : std::filesystem::directory_iterator(ZEFIR_DEMO_DIR))
      if (entry.is_regular_file()) std::filesystem::copy(entry.path(), entry.path().filename());
  }
  static std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::filesystem::path old_;
  std::filesystem::path path_;
};

}  // namespace zefir::shell::testing
