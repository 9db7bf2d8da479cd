// Runs the built zefir-cli on temporary folders for the command tests.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace zefir::cli_test {

namespace fs = std::filesystem;

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void writeFile(const fs::path& p, const std::string& content) {
  std::ofstream(p, std::ios::binary) << content;
}

// A fresh temporary folder, removed with the fixture.
class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = fs::temp_directory_path() / ("zefir-cli-test-" + std::to_string(rd()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path path(const std::string& name) const { return dir_ / name; }

  // zefir-cli with `args` (already quoted where needed), `input` on stdin.
  CliResult run(const std::string& args, const std::string& input = "") const {
    const fs::path in = dir_ / ".stdin", out = dir_ / ".stdout", err = dir_ / ".stderr";
    writeFile(in, input);
    const std::string command = std::string("'") + ZEFIR_CLI + "' " + args + " <'" + in.string() +
                                "' >'" + out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    CliResult r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = readFile(out);
    r.err = readFile(err);
    return r;
  }

  std::string quoted(const fs::path& p) const { return "'" + p.string() + "'"; }

  // The dump of a base as parsed JSON objects.
  std::vector<nlohmann::json> dump(const fs::path& base) const {
    const CliResult r = run("dump " + quoted(base));
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<nlohmann::json> assets;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
      assets.push_back(nlohmann::json::parse(line));
    return assets;
  }

  // A copy of the demo base's journal in the temporary folder.
  fs::path demoCopy(const std::string& name = "Srodki.PST") const {
    const fs::path copy = dir_ / name;
    fs::copy_file(fs::path(ZEFIR_DEMO_DIR) / "Srodki.PST", copy);
    return copy;
  }

 private:
  fs::path dir_;
};

}  // namespace zefir::cli_test
