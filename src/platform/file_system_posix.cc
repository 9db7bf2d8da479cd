// File-system helpers and clocks on Linux.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/shared_file.h"

namespace zefir::platform {

namespace {

// Day numbers count from 1 January 1920, 18,262 days before the Unix epoch
// (50 years, 13 of them leap years: 1920 to 1968).
constexpr long kEpochDay = 18263;

ClockReading readingOf(std::time_t t) {
  struct tm local;
  localtime_r(&t, &local);
  long long localSeconds = static_cast<long long>(t) + local.tm_gmtoff;
  long long days = localSeconds / 86400 - (localSeconds % 86400 < 0 ? 1 : 0);
  ClockReading r;
  r.day = static_cast<std::uint16_t>(days + kEpochDay);
  r.minutes = static_cast<std::uint16_t>(local.tm_hour * 60 + local.tm_min);
  return r;
}

}  // namespace

bool exists(std::string_view path) {
  struct stat st;
  return ::stat(nativePath(path).c_str(), &st) == 0;
}

bool isFolder(std::string_view path) {
  struct stat st;
  return ::stat(nativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool createFolder(std::string_view path) {
  std::string native = nativePath(path);
  while (native.size() > 1 && native.back() == '/') native.pop_back();
  if (native.empty()) return true;
  for (std::size_t i = 1; i <= native.size(); ++i) {
    if (i < native.size() && native[i] != '/') continue;
    std::string part = native.substr(0, i);
    if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return false;
  }
  return isFolder(path);
}

bool renameFile(std::string_view from, std::string_view to) {
  return ::rename(nativePath(from).c_str(), nativePath(to).c_str()) == 0;
}

bool removeFile(std::string_view path) {
  return ::unlink(nativePath(path).c_str()) == 0;
}

std::optional<std::int64_t> fileStamp(std::string_view path) {
  struct stat st;
  if (::stat(nativePath(path).c_str(), &st) != 0) return std::nullopt;
  return std::int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec;
}

std::optional<std::int64_t> fileSize(std::string_view path) {
  struct stat st;
  if (::stat(nativePath(path).c_str(), &st) != 0) return std::nullopt;
  return std::int64_t{st.st_size};
}

bool writeWholeFile(std::string_view path, std::string_view content) {
  std::FILE* f = std::fopen(nativePath(path).c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
  return (std::fclose(f) == 0) && ok;
}

bool replaceOwnerOnlyFile(std::string_view path, std::string_view content) {
  const std::string target = nativePath(path);
  const std::string temporary = target + "~";
  ::unlink(temporary.c_str());
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  const bool written = done == content.size() && ::fsync(fd) == 0;
  if (::close(fd) != 0 || !written || ::rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

bool readableByOthers(std::string_view path) {
  struct stat st {};
  return ::stat(nativePath(path).c_str(), &st) == 0 && (st.st_mode & (S_IRGRP | S_IROTH)) != 0;
}

std::optional<std::string> readWholeFile(std::string_view path) {
  const std::optional<std::int64_t> size = fileSize(path);
  if (size && static_cast<std::uint64_t>(*size) > kMaxWholeFileBytes) return std::nullopt;
  std::FILE* f = std::fopen(nativePath(path).c_str(), "rb");
  if (!f) return std::nullopt;
  std::string out;
  char buf[65536];
  std::size_t n;
  bool tooLong = false;
  while (!tooLong && (n = std::fread(buf, 1, sizeof buf, f)) > 0) {
    tooLong = out.size() + n > kMaxWholeFileBytes;
    if (!tooLong) out.append(buf, n);
  }
  bool ok = !tooLong && !std::ferror(f);
  std::fclose(f);
  if (!ok) return std::nullopt;
  return out;
}

void sleepMs(int ms) {
  systemCalls().sleepMs(ms);
}
int randomInt(int low, int high) {
  return systemCalls().randomInt(low, high);
}

std::vector<FolderEntry> listFolder(std::string_view path) {
  std::vector<FolderEntry> out;
  const std::string native = nativePath(path);
  DIR* dir = ::opendir(native.c_str());
  if (!dir) return out;
  while (const dirent* e = ::readdir(dir)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    struct stat st;
    if (::stat((native + "/" + name).c_str(), &st) != 0) continue;
    out.push_back(
        {name, S_ISDIR(st.st_mode), static_cast<std::int64_t>(st.st_size), readingOf(st.st_mtime)});
  }
  ::closedir(dir);
  std::sort(out.begin(), out.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
  return out;
}

ClockReading localClock() {
  return readingOf(std::time(nullptr));
}

ClockReading clockOfStamp(std::int64_t stamp) {
  return readingOf(static_cast<std::time_t>(stamp / 1000000000));
}

ClockReading sharedClock(std::string_view probePath) {
  if (probePath.empty()) return localClock();
  std::string native = nativePath(probePath);
  int fd = ::open(native.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return localClock();
  char one = '!';
  bool wrote = ::write(fd, &one, 1) == 1;
  struct stat st;
  bool stamped = wrote && ::fstat(fd, &st) == 0;
  ::close(fd);
  ::unlink(native.c_str());
  if (!stamped) return localClock();
  return readingOf(st.st_mtim.tv_sec);
}

std::vector<DriveInfo> fixedDrives() {
  std::vector<DriveInfo> drives;
  for (char letter = 'C'; letter <= 'Z'; ++letter) {
    std::string root = driveRoot(letter);
    struct statvfs vfs;
    if (::statvfs(root.c_str(), &vfs) != 0) continue;
    DriveInfo d;
    d.letter = letter;
    d.size = static_cast<std::int64_t>(vfs.f_blocks) * static_cast<std::int64_t>(vfs.f_frsize);
    d.free = static_cast<std::int64_t>(vfs.f_bavail) * static_cast<std::int64_t>(vfs.f_frsize);
    drives.push_back(d);
  }
  return drives;
}

}  // namespace zefir::platform
