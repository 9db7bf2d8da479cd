// SharedFile on Linux: sharing modes from open-file-description locks.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

#include "platform/paths.h"
#include "platform/shared_file.h"
#include "text/codepage.h"

namespace zefir::platform {

namespace {

// The lock bytes lie far beyond any data; a file never grows to them.
constexpr off_t kLockBase = off_t{1} << 62;
enum LockByte : off_t { kRead = 0, kWrite = 1, kDenyRead = 2, kDenyWrite = 3, kAppend = 4 };

int realOpen(const char* path, int flags, int mode, int* error) {
  int fd = ::open(path, flags, static_cast<mode_t>(mode));
  if (fd < 0) *error = errno;
  return fd;
}
int realClose(int fd) {
  return ::close(fd);
}
int realLock(int fd, int cmd, void* lock, int* error) {
  int r = ::fcntl(fd, cmd, static_cast<struct flock*>(lock));
  if (r < 0) *error = errno;
  return r;
}
long long realPread(int fd, void* buffer, std::size_t n, long long offset, int* error) {
  ssize_t r = ::pread(fd, buffer, n, static_cast<off_t>(offset));
  if (r < 0) *error = errno;
  return r;
}
long long realPwrite(int fd, const void* data, std::size_t n, long long offset, int* error) {
  ssize_t r = ::pwrite(fd, data, n, static_cast<off_t>(offset));
  if (r < 0) *error = errno;
  return r;
}
void realSleepMs(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
int realRandomInt(int low, int high) {
  thread_local std::mt19937 engine{std::random_device{}()};
  return std::uniform_int_distribution<int>(low, high)(engine);
}

const SystemCalls kReal{realOpen,   realClose,   realLock,     realPread,
                        realPwrite, realSleepMs, realRandomInt};
SystemCalls current = kReal;

struct flock lockRequest(short type, off_t byte) {
  struct flock l;
  std::memset(&l, 0, sizeof l);
  l.l_type = type;
  l.l_whence = SEEK_SET;
  l.l_start = kLockBase + byte;
  l.l_len = 1;
  l.l_pid = 0;  // required by the OFD commands
  return l;
}

// Takes a shared lock on `byte`; false when another opener holds it exclusively.
bool claim(int fd, off_t byte) {
  struct flock l = lockRequest(F_RDLCK, byte);
  int error = 0;
  return current.lock(fd, F_OFD_SETLK, &l, &error) == 0;
}

// True when an open file description other than fd's holds any lock on `byte`.
bool heldByOthers(int fd, off_t byte) {
  struct flock l = lockRequest(F_WRLCK, byte);
  int error = 0;
  if (current.lock(fd, F_OFD_GETLK, &l, &error) != 0) return true;  // cannot tell: busy
  return l.l_type != F_UNLCK;
}

struct Wants {
  bool write, denyRead, denyWrite;
};

Wants wantsOf(ShareMode mode) {
  switch (mode) {
    case ShareMode::ReadDenyWrite:
      return {false, false, true};
    case ShareMode::ReadWriteDenyNone:
      return {true, false, false};
    case ShareMode::Exclusive:
      return {true, true, true};
  }
  return {true, true, true};
}

// Claims this opener's bytes, then checks the others'. See the state machine
// in shared_file.h.
bool claimSharing(int fd, ShareMode mode) {
  Wants w = wantsOf(mode);
  std::vector<off_t> own{kRead};
  if (w.write) own.push_back(kWrite);
  if (w.denyRead) own.push_back(kDenyRead);
  if (w.denyWrite) own.push_back(kDenyWrite);
  for (off_t b : own)
    if (!claim(fd, b)) return false;
  // Others' access that I deny, and others' denials of my access.
  if (heldByOthers(fd, kDenyRead)) return false;  // I always read
  if (w.write && heldByOthers(fd, kDenyWrite)) return false;
  if (w.denyRead && heldByOthers(fd, kRead)) return false;
  if (w.denyWrite && heldByOthers(fd, kWrite)) return false;
  return true;
}

std::string ioMessage(const std::string& path, int error) {
  return text::fromUtf8("Błąd we/wy pliku ") + path + " (" + std::strerror(error) + ")";
}

OpenError openErrorOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return OpenError::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return OpenError::Denied;
    case EAGAIN:
    case EBUSY:
    case ETXTBSY:
      return OpenError::Busy;
    default:
      return OpenError::Other;
  }
}

}  // namespace

SystemCalls& systemCalls() {
  return current;
}
const SystemCalls& realSystemCalls() {
  return kReal;
}
int busyLockError() {
  return EAGAIN;
}

SharedFile::SharedFile(SharedFile&& other) noexcept
    : fd_(other.fd_), path_(std::move(other.path_)) {
  other.fd_ = -1;
}

SharedFile& SharedFile::operator=(SharedFile&& other) noexcept {
  if (this != &other) {
    close();
    fd_ = other.fd_;
    path_ = std::move(other.path_);
    other.fd_ = -1;
  }
  return *this;
}

OpenError SharedFile::open(std::string_view path, ShareMode mode, Creation creation) {
  close();
  std::string native = nativePath(path);
  int flags = O_CLOEXEC | (mode == ShareMode::ReadDenyWrite ? O_RDONLY : O_RDWR);
  if (creation != Creation::OpenExisting) flags |= O_CREAT;
  int error = 0;
  int fd = current.open(native.c_str(), flags, 0666, &error);
  if (fd < 0) return openErrorOf(error);
  if (!claimSharing(fd, mode)) {
    current.close(fd);  // drops every byte claimed above
    return OpenError::Busy;
  }
  // Emptying waits until the sharing check has passed, so a refused open
  // never destroys another opener's data.
  if (creation == Creation::CreateTruncate && ::ftruncate(fd, 0) != 0) {
    current.close(fd);
    return OpenError::Other;
  }
  fd_ = fd;
  path_ = std::string(path);
  return OpenError::None;
}

void SharedFile::close() {
  if (fd_ >= 0) current.close(fd_);
  fd_ = -1;
}

bool SharedFile::stillNamed() const {
  struct stat opened, named;
  if (fd_ < 0 || ::fstat(fd_, &opened) != 0 || ::stat(nativePath(path_).c_str(), &named) != 0)
    return false;
  return opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

std::int64_t SharedFile::size() const {
  struct stat st;
  if (::fstat(fd_, &st) != 0) throw IoError{ioMessage(path_, errno)};
  return st.st_size;
}

std::size_t SharedFile::readAt(std::int64_t offset, void* buffer, std::size_t n) const {
  auto* out = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < n) {
    int error = 0;
    long long r = current.pread(fd_, out + done, n - done, offset + done, &error);
    if (r < 0) {
      if (error == EINTR) continue;
      throw IoError{ioMessage(path_, error)};
    }
    if (r == 0) break;
    done += static_cast<std::size_t>(r);
  }
  return done;
}

void SharedFile::writeAt(std::int64_t offset, const void* data, std::size_t n) {
  const auto* in = static_cast<const char*>(data);
  std::size_t done = 0;
  while (done < n) {
    int error = 0;
    long long r = current.pwrite(fd_, in + done, n - done, offset + done, &error);
    if (r < 0) {
      if (error == EINTR) continue;
      throw IoError{ioMessage(path_, error)};
    }
    if (r == 0) throw IoError{ioMessage(path_, EIO)};
    done += static_cast<std::size_t>(r);
  }
}

std::int64_t SharedFile::append(const void* data, std::size_t n, std::size_t alignment,
                                const std::function<void(std::size_t padding)>& prepare) {
  struct flock l = lockRequest(F_WRLCK, kAppend);
  int error = 0;
  while (current.lock(fd_, F_OFD_SETLKW, &l, &error) != 0)
    if (error != EINTR) throw IoError{ioMessage(path_, error)};
  struct Unlock {
    int fd;
    ~Unlock() {
      struct flock u = lockRequest(F_UNLCK, kAppend);
      int e = 0;
      current.lock(fd, F_OFD_SETLK, &u, &e);
    }
  } unlock{fd_};
  std::int64_t end = size();
  std::size_t pad = 0;
  if (alignment > 1 && end % static_cast<std::int64_t>(alignment) != 0)
    pad = alignment - static_cast<std::size_t>(end % static_cast<std::int64_t>(alignment));
  if (prepare) prepare(pad);
  if (pad == 0) {
    writeAt(end, data, n);
    return end;
  }
  std::vector<char> buffer(pad, 0);
  const auto* bytes = static_cast<const char*>(data);
  buffer.insert(buffer.end(), bytes, bytes + n);
  writeAt(end, buffer.data(), buffer.size());
  return end + static_cast<std::int64_t>(pad);
}

void SharedFile::sync() {
  if (::fdatasync(fd_) != 0) throw IoError{ioMessage(path_, errno)};
}

}  // namespace zefir::platform
