#include "shell/error_log.h"

#include <cstdio>

#include "platform/paths.h"
#include "platform/shared_file.h"
#include "text/codepage.h"

namespace zefir::shell {

namespace {

std::string twoDigits(int n) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d", n % 100);
  return buf;
}

}  // namespace

void appendErrorLog(const std::string& logPath, std::string_view message, std::string_view file,
                    int line, std::uintptr_t address) {
  const std::string l = errorLogLine(message, file, line, address) + "\r\n";
  std::FILE* f = std::fopen(platform::nativePath(logPath).c_str(), "ab");
  if (!f) throw platform::IoError{text::fromUtf8("Błąd zapisu ") + logPath};
  const bool written = std::fwrite(l.data(), 1, l.size(), f) == l.size();
  const bool closed = std::fclose(f) == 0;
  if (!written || !closed) throw platform::IoError{text::fromUtf8("Błąd zapisu ") + logPath};
}

std::vector<std::string> initialErrorReportList() {
  return std::vector<std::string>(10, "...");
}

std::string datedLogName(const std::tm& local) {
  // The full year: a two-digit year read as 19yy would name this century's
  // files after the last one.
  return std::to_string(local.tm_year + 1900) + "-" + twoDigits(local.tm_mon + 1) + "-" +
         twoDigits(local.tm_mday) + "~" + twoDigits(local.tm_hour) + "-" + twoDigits(local.tm_min) +
         ".LOG";
}

bool writeErrorReportList(const std::string& path, const std::vector<std::string>& lines) {
  std::FILE* f = std::fopen(platform::nativePath(path).c_str(), "wb");
  if (!f) return false;
  bool ok = true;
  for (const std::string& l : lines) {
    const std::string out = l + "\r\n";
    ok = ok && std::fwrite(out.data(), 1, out.size(), f) == out.size();
  }
  return std::fclose(f) == 0 && ok;
}

}  // namespace zefir::shell
