// The error log: failed assertions appended to `#/Zefir.BAD`, and the
// desktop's hidden error-report list written to a dated .LOG file.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "platform/assertion.h"  // errorLogLine

namespace zefir::shell {

// Appends the line and a line end to `logPath` (created when missing) and
// closes it, also when the write failed. Throws platform::IoError when the
// file cannot be opened or written, so the desktop shows it as an error.
void appendErrorLog(const std::string& logPath, std::string_view message, std::string_view file,
                    int line, std::uintptr_t address);

// The hidden list of error reports: "..." lines up to 10 at creation.
std::vector<std::string> initialErrorReportList();

// "2026-12-08~14-05.LOG" for that local time: the year with four digits.
std::string datedLogName(const std::tm& local);
// Writes the lines (code page 1250, one a line) to `path`. False on failure.
bool writeErrorReportList(const std::string& path, const std::vector<std::string>& lines);

}  // namespace zefir::shell
