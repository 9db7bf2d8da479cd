// The layers of the source tree: a lower layer never includes a higher one.
//
//   text      ← nothing of ours
//   platform  ← text
//   register  ← text, platform
//   output    ← text, platform, register, the settings register of shell
//   operations← the same and output (report generators write report buffers)
//   net       ← the same as operations
//   shell     ← every core folder
// Only shell, dialogs, cli and the gui/ folders include gui/ or dialogs/
// headers, and no core file includes Qt.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Include {
  std::string file;  // relative to src/
  int line = 0;
  std::string target;
  bool angled = false;
};

std::vector<Include> includesUnder(const fs::path& src) {
  static const std::regex include_re(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  std::vector<Include> out;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file()) continue;
    const auto ext = entry.path().extension().string();
    if (ext != ".h" && ext != ".cc" && ext != ".in") continue;
    std::ifstream in(entry.path());
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
      ++number;
      std::smatch m;
      if (std::regex_search(text, m, include_re))
        out.push_back({fs::relative(entry.path(), src).generic_string(), number, m[2].str(),
                       m[1].str() == "<"});
    }
  }
  return out;
}

// "register/base_files.h" -> "register"; "shell/gui/x.h" -> "shell/gui".
std::string folderOf(const std::string& path) {
  const auto first = path.find('/');
  if (first == std::string::npos) return "";
  const auto second = path.find('/', first + 1);
  if (second != std::string::npos && path.compare(first + 1, second - first - 1, "gui") == 0)
    return path.substr(0, second);
  return path.substr(0, first);
}

bool isGuiFolder(const std::string& folder) {
  return folder == "dialogs" || folder.ends_with("/gui");
}

// What each core folder may include besides itself.
const std::map<std::string, std::set<std::string>>& allowedFolders() {
  static const std::map<std::string, std::set<std::string>> allowed = {
      {"text", {}},
      {"platform", {"text"}},
      {"register", {"text", "platform"}},
      {"output", {"text", "platform", "register"}},
      {"operations", {"text", "platform", "register", "output"}},
      {"net", {"text", "platform", "register", "output", "operations"}},
      {"shell", {"text", "platform", "register", "output", "operations", "net"}},
  };
  return allowed;
}

// Headers of shell that the output, operations and net cores may use: the
// Qt-free settings register.
bool isSettingsRegister(const std::string& target) {
  return target.starts_with("shell/settings_register");
}

std::vector<std::string> layerViolations(const std::vector<Include>& includes) {
  std::vector<std::string> bad;
  for (const auto& inc : includes) {
    const std::string from = folderOf(inc.file);
    const std::string where = inc.file + ":" + std::to_string(inc.line) + " includes " + inc.target;
    if (inc.angled) {
      // Qt headers start with Q (QWidget, QtCore/...); the core never sees them.
      const bool qt = !inc.target.empty() && inc.target[0] == 'Q';
      if (qt && allowedFolders().contains(from)) bad.push_back(where + " (Qt in the core)");
      continue;
    }
    const std::string to = folderOf(inc.target);
    if (to.empty() || to == from) continue;
    if (isGuiFolder(to)) {
      const bool may = from == "shell" || from == "cli" || isGuiFolder(from);
      if (!may) bad.push_back(where + " (a window header outside the windows)");
      continue;
    }
    const auto rule = allowedFolders().find(from);
    if (rule == allowedFolders().end()) continue;  // cli, dialogs and gui/ may use the core
    if (rule->second.contains(to)) continue;
    if (to == "shell" && from != "register" && from != "platform" && from != "text" &&
        isSettingsRegister(inc.target))
      continue;
    bad.push_back(where);
  }
  return bad;
}

TEST(Layers, NoIncludeCrossesTheLayersTheWrongWay) {
  const auto bad = layerViolations(includesUnder(fs::path(ZEFIR_SOURCE_DIR) / "src"));
  std::string list;
  for (const auto& b : bad) list += "  " + b + "\n";
  EXPECT_TRUE(bad.empty()) << "includes against the layers:\n" << list;
}

TEST(Layers, TheRulesCatchWhatTheyForbid) {
  const std::vector<Include> samples = {
      {"text/dates.h", 1, "register/asset_record.h", false},
      {"platform/open_retry.cc", 1, "shell/status_line.h", false},
      {"register/base_reader.cc", 1, "shell/settings_register.h", false},
      {"register/base_reader.cc", 1, "output/report_buffer.h", false},
      {"output/report_buffer.cc", 1, "operations/options.h", false},
      {"operations/x.cc", 1, "dialogs/answer_dialog.h", false},
      {"output/report_view.cc", 1, "output/gui/report_window.h", false},
      {"register/x.cc", 1, "QString", true},
  };
  EXPECT_EQ(layerViolations(samples).size(), samples.size());

  const std::vector<Include> fine = {
      {"text/dates.h", 1, "text/day_number.h", false},
      {"register/base_reader.cc", 1, "platform/status_line.h", false},
      {"output/report_settings.h", 1, "shell/settings_register.h", false},
      {"operations/x.cc", 1, "output/report_buffer.h", false},
      {"shell/gui/desktop_window.cc", 1, "dialogs/answer_dialog.h", false},
      {"cli/cmd_render.cc", 1, "output/gui/report_print.h", false},
      {"output/gui/report_window.cc", 1, "QWidget", true},
      {"register/x.cc", 1, "string", true},
  };
  EXPECT_TRUE(layerViolations(fine).empty());
}

}  // namespace
