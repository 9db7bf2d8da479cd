#include "net/program_update.h"

#include <openssl/evp.h>

#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "platform/file_system.h"
#include "platform/status_line.h"
#include "text/codepage.h"
#include "text/short_strings.h"

namespace zefir::net {

namespace {

namespace fs = std::filesystem;

std::string folderOf(std::string_view path) {
  const auto parent = fs::path(path).parent_path().string();
  return parent.empty() ? std::string() : parent + "/";
}

std::string siteOf(std::string_view address) {
  auto rest =
      address.substr(address.find("://") == std::string_view::npos ? 0 : address.find("://") + 3);
  return std::string(rest.substr(0, rest.find('/')));
}

Status refuse(const std::string& message_utf8) {
  const std::string message = text::fromUtf8(message_utf8);
  showStatus(message, StatusKind::Error);
  return Status::Error(message);
}

// The checksum file's first word: "hex  zefir" as sha256sum writes it.
std::string expectedSum(std::string_view content) {
  std::string sum;
  for (char c : content) {
    if (std::isxdigit(static_cast<unsigned char>(c)) == 0) break;
    sum += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return sum.size() == 64 ? sum : std::string();
}

}  // namespace

std::string sha256OfFile(std::string_view path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(std::string(path).c_str(), "rb"),
                                                       std::fclose);
  if (!file) return "";
  std::unique_ptr<EVP_MD_CTX, void (*)(EVP_MD_CTX*)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
  if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1) return "";
  std::array<char, 65536> buffer;
  std::size_t read = 0;
  while ((read = std::fread(buffer.data(), 1, buffer.size(), file.get())) > 0)
    EVP_DigestUpdate(context.get(), buffer.data(), read);
  if (std::ferror(file.get())) return "";
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  EVP_DigestFinal_ex(context.get(), digest, &length);
  std::string hex;
  for (unsigned int i = 0; i < length; ++i) {
    char two[3];
    std::snprintf(two, sizeof two, "%02x", digest[i]);
    hex += two;
  }
  return hex;
}

Status downloadUpdate(const UpdateRequest& request, std::string* downloaded) {
  const std::string program(kProgramFile);
  if (!request.maker_address.starts_with("https://"))
    return refuse("Aktualizacja tylko przez https: " + request.maker_address);
  std::string address = request.maker_address;
  if (!address.ends_with("/")) address += "/";
  DownloadLimits limits = request.limits;
  limits.https_only = true;

  const std::string folder = folderOf(request.program_path);
  const std::string target = folder + std::string(kDownloadedProgramFile);
  const std::string sum_file = target + ".sha256";
  if (!download(address + std::string(kChecksumFile), sum_file, limits) ||
      !download(address + program, target, limits)) {
    platform::removeFile(sum_file);
    return refuse(siteOf(address) + " " + program + " niedostępny");
  }
  const std::string expected = expectedSum(platform::readWholeFile(sum_file).value_or(""));
  platform::removeFile(sum_file);

  const auto size = platform::fileSize(target).value_or(0);
  const auto running = platform::fileSize(request.program_path).value_or(0);
  if (size + kUpdateSizeTolerance < running) {
    platform::removeFile(target);
    return refuse("Za mały ściągnięty " + program);
  }
  if (expected.empty() || sha256OfFile(target) != expected) {
    platform::removeFile(target);
    return refuse("Suma kontrolna ściągniętego " + program + " się nie zgadza");
  }
  std::error_code ec;
  fs::permissions(target, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add, ec);
  if (ec) {
    platform::removeFile(target);
    return refuse("Nie można uruchomić " + target);
  }
  showStatus("Restart Zefir", StatusKind::Error);
  if (downloaded != nullptr) *downloaded = target;
  return Status::Ok();
}

SelfCheckResult checkProgramFile(std::string_view program_path) {
  const std::string name = fs::path(program_path).filename().string();
  const std::string folder = folderOf(program_path);
  const std::string proper = folder + std::string(kProgramFile);
  const std::string old = folder + std::string(kOldProgramFile);
  SelfCheckResult result;
  result.programFile = std::string(program_path);
  if (name == kProgramFile) {
    // The new program has started once: the old one is no longer needed.
    platform::removeFile(old);
    return result;
  }
  if (text::asciiLowerCase(name) == kProgramFile) {
    // Only the letter case differs. On a file system that tells the cases
    // apart a different "zefir" may stand beside it; that one is kept.
    if (!platform::exists(proper) && platform::renameFile(std::string(program_path), proper))
      result.programFile = proper;
    return result;
  }
  // Any name but the download's is a copy someone made: it never touches "zefir".
  if (text::asciiLowerCase(name) != kDownloadedProgramFile) return result;

  result.action = SelfCheck::End;
  if (platform::exists(proper)) {
    std::error_code ec;
    fs::remove(old, ec);
    fs::create_hard_link(proper, old, ec);
    if (ec) {
      ec.clear();
      fs::copy_file(proper, old, fs::copy_options::overwrite_existing, ec);
    }
    if (ec) return result;
  }
  // One rename: "zefir" is the old program or the new one, never missing.
  if (!platform::renameFile(std::string(program_path), proper)) return result;
  result.action = SelfCheck::Restart;
  result.restart = proper;
  return result;
}

}  // namespace zefir::net
