#include "shell/temp_folder.h"

#include <filesystem>
#include <system_error>

#include "platform/file_system.h"
#include "platform/paths.h"

namespace zefir::shell {

namespace fs = std::filesystem;

namespace {

std::string withoutTrailingSeparator(std::string folder) {
  while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder;
}

std::optional<std::string> firstLineOf(const std::string& path) {
  auto content = platform::readWholeFile(path);
  if (!content) return std::nullopt;
  std::string line = content->substr(0, content->find_first_of("\r\n"));
  if (line.empty()) return std::nullopt;
  return withoutTrailingSeparator(line);
}

// A candidate folder that may be created: only below a root that exists, so a
// missing drive is never made up.
bool accept(const std::string& folder, const std::string& suffix, bool create) {
  if (create && !platform::isFolder(folder)) {
    const std::string parent = platform::folderOf(folder);
    if (!parent.empty() && !platform::isFolder(parent)) return false;
    platform::createFolder(folder);
  }
  return platform::isFolder(folder) && probeTemporaryFolder(folder, suffix);
}

}  // namespace

bool probeTemporaryFolder(const std::string& folder, const std::string& suffix) {
  const std::string first = folder + "/{-!-}" + suffix;
  const std::string second = folder + "/{-!!-}" + suffix;
  if (!platform::writeWholeFile(first, "Z")) return false;
  if (!platform::renameFile(first, second)) {
    platform::removeFile(first);
    return false;
  }
  const auto back = platform::readWholeFile(second);
  platform::removeFile(second);
  return back && *back == "Z";
}

std::vector<std::string> temporaryFolderCandidates(const std::string& suffix) {
  std::vector<std::string> c;
  if (auto own = firstLineOf("#/Temp" + suffix)) c.push_back(*own);
  if (auto common = firstLineOf("#/Temp")) c.push_back(*common);
  c.push_back("E:\\Temp");
  c.push_back("D:\\Temp");
  c.push_back("C:\\Temp");
  return c;
}

std::optional<std::string> chooseTemporaryFolder(const std::string& suffix) {
  const auto candidates = temporaryFolderCandidates(suffix);
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const bool fixed = i + 3 >= candidates.size();  // the drive candidates are created
    if (accept(candidates[i], suffix, fixed)) return candidates[i];
  }
  for (char drive = 'C'; drive <= 'Z'; ++drive) {
    const std::string root = platform::driveRoot(drive);
    std::error_code ec;
    if (root.empty() || !fs::is_directory(root, ec)) continue;
    for (const auto& entry : fs::directory_iterator(root, ec)) {
      if (!entry.is_directory(ec)) continue;
      const std::string folder = entry.path().string() + "/Kosz";
      if (accept(folder, suffix, true)) return folder;
    }
  }
  return std::nullopt;
}

}  // namespace zefir::shell
