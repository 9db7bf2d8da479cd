// Where the report window's exports go and when they were made.
#pragma once

#include <ctime>
#include <filesystem>
#include <string_view>

#include "output/report_context.h"

namespace zefir::output {

// The subfolder `name` of the context's base folder (the current folder when
// none is set), created when missing; a folder that cannot be created shows
// when the file in it cannot be written.
std::filesystem::path exportFolder(const ReportContext& context, std::string_view name);

// The local time now.
std::tm localNow();

}  // namespace zefir::output
