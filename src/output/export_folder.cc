#include "output/export_folder.h"

#include <string>

#include "platform/paths.h"

namespace zefir::output {

std::filesystem::path exportFolder(const ReportContext& context, std::string_view name) {
  namespace fs = std::filesystem;
  const std::string base = platform::nativePath(context.baseFolder);
  const fs::path folder = (base.empty() ? fs::current_path() : fs::path(base)) / name;
  std::error_code ignored;
  fs::create_directories(folder, ignored);
  return folder;
}

std::tm localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return t;
}

}  // namespace zefir::output
