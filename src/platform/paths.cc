#include "platform/paths.h"

#include <array>
#include <cctype>

#include "platform/file_system.h"
#include "text/codepage.h"

namespace zefir::platform {

namespace {

std::array<std::string, 26>& overriddenRoots() {
  static std::array<std::string, 26> roots;
  return roots;
}

int driveIndex(char letter) {
  char up = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  return (up >= 'A' && up <= 'Z') ? up - 'A' : -1;
}

bool isSeparator(char c) {
  return c == '\\' || c == '/';
}

std::string defaultRoot(int index) {
  if (index == 'C' - 'A') return "/tmp";
  return std::string("/mnt/") + static_cast<char>('a' + index);
}

}  // namespace

std::string driveRoot(char letter) {
  int i = driveIndex(letter);
  if (i < 0) return "";
  const std::string& set = overriddenRoots()[i];
  return set.empty() ? defaultRoot(i) : set;
}

void setDriveRoot(char letter, std::string root) {
  int i = driveIndex(letter);
  if (i >= 0) overriddenRoots()[i] = std::move(root);
}

std::string nativePath(std::string_view path) {
  std::string out;
  out.reserve(path.size() + 8);
  if (path.size() >= 2 && path[1] == ':' && driveIndex(path[0]) >= 0) {
    out = driveRoot(path[0]);
    while (!out.empty() && out.back() == '/') out.pop_back();
    out += '/';
    path.remove_prefix(2);
    while (!path.empty() && isSeparator(path.front())) path.remove_prefix(1);
  }
  for (char c : path) out += (c == '\\') ? '/' : c;
  return out;
}

std::string folderOf(std::string_view path) {
  auto cut = path.find_last_of("\\/");
  if (cut == std::string_view::npos) {
    if (path.size() >= 2 && path[1] == ':') return std::string(path.substr(0, 2));
    return "";
  }
  return std::string(path.substr(0, cut + 1));
}

std::string fileNameOf(std::string_view path) {
  auto cut = path.find_last_of("\\/");
  if (cut == std::string_view::npos) {
    if (path.size() >= 2 && path[1] == ':') return std::string(path.substr(2));
    return std::string(path);
  }
  return std::string(path.substr(cut + 1));
}

std::optional<std::string> fileNameAnyCase(std::string_view folder, std::string_view name) {
  const std::string wanted = text::upperCase(name);
  for (const FolderEntry& e : listFolder(folder.empty() ? std::string(".") : nativePath(folder)))
    if (!e.folder && text::upperCase(e.name) == wanted) return e.name;
  return std::nullopt;
}

}  // namespace zefir::platform
