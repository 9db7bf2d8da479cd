// Finding and opening the import's source.
#include <filesystem>

#include "operations/import_operations.h"
#include "platform/file_system.h"
#include "platform/status_line.h"
#include "text/codepage.h"

namespace zefir::operations::import {

namespace {

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

std::string sourceFolder(std::string_view baseFolder) {
  std::string folder(baseFolder);
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  return folder + "DBF/";
}

std::string sourcePath(std::string_view baseFolder, std::string_view name,
                       const std::vector<std::string>& extensions) {
  const std::string folder = sourceFolder(baseFolder);
  const std::string lowered = lower(name);
  std::vector<std::string> endings = extensions;  // what follows the name
  for (const std::string& ext : extensions)
    if (lowered.size() > ext.size() && lowered.ends_with(ext)) endings = {""};
  for (const std::string& ext : endings)
    for (const std::string& e : {ext, upper(ext)})
      if (platform::exists(folder + std::string(name) + e)) return folder + std::string(name) + e;
  // Any letter case: the parameter set shows its fields in upper case
  // ("MASZYNY.XLS"), and tables come as "Srodki.Dbf".
  std::error_code ec;
  for (const std::string& ext : endings)
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
      const std::string file = entry.path().filename().string();
      if (lower(file) == lowered + ext) return folder + file;
    }
  return folder + std::string(name) + endings.front();
}

Status openSource(const std::string& path, std::string_view sheetName, Workbook& book,
                  const std::function<bool(std::string_view)>& retry) {
  for (;;) {
    showStatus("Excel ---> " + stemOf(path) + " Otwieram i czytam", StatusKind::Information);
    Status s = readWorkbook(path, book);
    if (s && !sheetName.empty() && !book.sheet(sheetName))
      s = Status::Error("Nie ma arkusza nazwanego \"" + std::string(sheetName) + "\"");
    if (s) return s;
    showStatus(s.message(), StatusKind::Error);
    if (!retry || !retry(text::fromUtf8("Spróbować ponownie"))) return s;
  }
}

}  // namespace zefir::operations::import
