#include "shell/desktop_rules.h"

#include <cstdio>

#include "platform/file_system.h"
#include "text/codepage.h"

namespace zefir::shell {

Rgb statusColour(StatusKind kind) {
  switch (kind) {
    case StatusKind::Error:
      return {0xFF, 0xBB, 0x77};
    case StatusKind::Notice:
      return {0xBB, 0xFF, 0xBB};
    case StatusKind::Information:
      break;
  }
  return {0x77, 0xBB, 0xFF};
}

Rgb idleColour(bool compact) {
  return compact ? Rgb{0xD8, 0xE8, 0xF8} : Rgb{0xD2, 0xD0, 0xC0};
}

bool compactLayout(std::string_view style, int size) {
  return style == "Bold" && size <= 10;
}

std::string clockText(const std::tm& local) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d-%02d %02d:%02d", local.tm_mday, local.tm_mon + 1,
                local.tm_hour, local.tm_min);
  return buf;
}

std::string loadTimeText(std::string_view status, double seconds) {
  std::string_view head = status.substr(0, status.find("   "));
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", seconds);
  return std::string(head) + "  " + buf + " s";
}

std::string loadingCaption(const std::string& baseFile, const std::string& reportText,
                           const std::string& suffix, const std::string& placement,
                           const std::string& rememberedBaseFolder,
                           const std::string& currentBaseFolder) {
  const std::string gap(9, ' ');
  std::string c = gap + "Zefir";
  for (const std::string& piece :
       {text::fromUtf8("Zorza - Środki trwałe"), baseFile, reportText, "ID" + suffix, placement})
    c += gap + piece;
  if (rememberedBaseFolder != currentBaseFolder) c += std::string(7, ' ') + currentBaseFolder;
  return c;
}

std::optional<std::string> takeAdminMessage(const std::string& suffix) {
  const std::string path = "!/OdAdmina" + suffix;
  if (!platform::exists(path)) return std::nullopt;
  auto content = platform::readWholeFile(path);
  platform::removeFile(path);
  if (!content) return std::string();
  return content->substr(0, std::min(content->find_first_of("\r\n"), std::size_t{80}));
}

}  // namespace zefir::shell
