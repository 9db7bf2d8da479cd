// A file opened with a Windows-like sharing mode.
//
// Workstations share the base folder the way Windows programs share files:
// each opener says what it will do (read, write) and what it lets others do
// at the same time. Linux has no sharing modes, so they are emulated between
// processes with open-file-description locks (fcntl F_OFD_SETLK) on lock
// bytes far beyond any data the program writes (offset 2^62):
//
//   read, write            held shared while the file is open with that access
//   deny-read, deny-write  held shared while the file is open denying it
//   append                 held exclusively around one append (see append())
//
// Lock state machine of one SharedFile:
//
//   Closed --open()--> Claimed: own bytes taken (shared, never blocks)
//   Claimed --another opener holds a conflicting byte--> release all, Closed
//                                                       (OpenError::Busy)
//   Claimed --no conflict--> Open
//   Open --close() / destructor / process death--> Closed (every byte released)
//
// Claiming before checking makes the open safe without a global lock: of two
// openers that race, the later claim is always seen by at least one check, so
// at most both fail (and retry), never both succeed.
// An open conflicts when another opener holds a byte that says "denies what I
// want to do" or "does what I deny". Read never conflicts with read.
//
// Why open-file-description locks and not classic POSIX locks: a classic lock
// belongs to the process, so a second descriptor of the same file in the same
// process would not see the first one's lock, and closing any descriptor of the
// file would silently drop all of them. An OFD lock belongs to the open file
// description: two opens in one process conflict exactly like two processes,
// and closing one does not disturb the other. The locks go away when the last
// descriptor of the description closes, which the kernel also does when the
// process dies, so a crashed workstation never leaves a file locked.
// Pitfall: a child made by fork() inherits the description and with it the
// locks; descriptors are opened close-on-exec, and a forked child should not
// keep an inherited SharedFile open.
//
// Paths may be written the Windows way (see paths.h); they are mapped before
// the open.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zefir::platform {

enum class ShareMode {
  // Read; others may read but not write (deny write). Used to load the base.
  ReadDenyWrite,
  // Read and write; everyone else may read and write too (deny none). Used to
  // append to the base.
  ReadWriteDenyNone,
  // Read and write; nobody else may open the file at all.
  Exclusive,
};

enum class Creation {
  OpenExisting,    // fail with NotFound when the file does not exist
  OpenOrCreate,    // create an empty file when it does not exist
  CreateTruncate,  // create, or empty an existing file (needs Exclusive to be safe)
};

enum class OpenError {
  None,
  Busy,      // another opener's sharing mode forbids this open (retry may help)
  NotFound,  // no such file or folder
  Denied,    // the file system refuses access
  Other,
};

// Thrown when reading or writing an open file fails; the message is Polish
// (code page 1250) and names the file.
struct IoError {
  std::string message;
};

// Move-only owner of one open file. Not shared between threads.
class SharedFile {
 public:
  SharedFile() = default;
  ~SharedFile() { close(); }
  SharedFile(SharedFile&& other) noexcept;
  SharedFile& operator=(SharedFile&& other) noexcept;
  SharedFile(const SharedFile&) = delete;
  SharedFile& operator=(const SharedFile&) = delete;

  // Opens `path` with `mode`. Never blocks on other openers. On failure the
  // file stays closed.
  [[nodiscard]] OpenError open(std::string_view path, ShareMode mode,
                               Creation creation = Creation::OpenExisting);
  bool isOpen() const { return fd_ >= 0; }
  // Releases the sharing locks and the descriptor. Safe on a closed file.
  void close();
  const std::string& path() const { return path_; }  // as given to open()
  // Whether the open file is still the one its path names: false once it has
  // been replaced (renamed over) or deleted since it was opened.
  bool stillNamed() const;

  // Current length in bytes. Throws IoError.
  std::int64_t size() const;
  // Reads up to n bytes at `offset`; returns the number read (less at the end
  // of the file). Throws IoError.
  std::size_t readAt(std::int64_t offset, void* buffer, std::size_t n) const;
  // Writes all n bytes at `offset`. Throws IoError.
  void writeAt(std::int64_t offset, const void* data, std::size_t n);
  // Writes n bytes at the end of the file and returns the offset written at.
  // When the length is not a multiple of `alignment`, zero bytes are written
  // first up to the next multiple, so a torn tail left by a writer that died
  // mid-write never shifts later data; `prepare`, when given, is told the
  // number of those zero bytes (0 when none) before the data is written, and
  // may still change the caller's data. Zeros and data go out in one write.
  // The size test and the write happen under the append lock byte held
  // exclusively, so appenders in several processes never write over one
  // another; it waits (blocks) only for another appender's single write.
  // Throws IoError.
  std::int64_t append(const void* data, std::size_t n, std::size_t alignment = 1,
                      const std::function<void(std::size_t padding)>& prepare = {});

  // Flushes written data to the file server / disk. Throws IoError.
  void sync();

 private:
  int fd_ = -1;
  std::string path_;
};

// The system calls SharedFile and the file helpers go through. Tests replace
// entries to inject faults (a lock that stays busy, a failing write) and must
// restore the table afterwards (RestoreSystemCalls does it on scope exit).
// Return values follow the system calls: -1 on failure, with the error number
// passed back through *error (an errno value).
struct SystemCalls {
  int (*open)(const char* path, int flags, int mode, int* error);
  int (*close)(int fd);
  // fcntl(fd, cmd, struct flock*) for the F_OFD_* commands.
  int (*lock)(int fd, int cmd, void* flock, int* error);
  long long (*pread)(int fd, void* buffer, std::size_t n, long long offset, int* error);
  long long (*pwrite)(int fd, const void* data, std::size_t n, long long offset, int* error);
  void (*sleepMs)(int ms);
  // A random integer in [low, high].
  int (*randomInt)(int low, int high);
};

SystemCalls& systemCalls();
const SystemCalls& realSystemCalls();

// Puts the real system calls back when it goes out of scope.
class RestoreSystemCalls {
 public:
  RestoreSystemCalls() : saved_(systemCalls()) {}
  ~RestoreSystemCalls() { systemCalls() = saved_; }

 private:
  SystemCalls saved_;
};

// errno value a lock call reports for "held by another opener" (EAGAIN).
int busyLockError();

}  // namespace zefir::platform
