// File-system helpers, clocks, sleeping and random numbers: everything else
// the core needs from the operating system. Paths may be Windows paths (see
// paths.h). None of these throws; failures are the return values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zefir::platform {

bool exists(std::string_view path);  // file or folder
bool isFolder(std::string_view path);
// Creates the folder and any missing parents; true when it exists afterwards.
bool createFolder(std::string_view path);
bool renameFile(std::string_view from, std::string_view to);  // replaces `to`
bool removeFile(std::string_view path);
// Last-modification time stamp in nanoseconds since 1970, or nullopt when the
// file does not exist. Two loads of an unchanged file see the same stamp.
std::optional<std::int64_t> fileStamp(std::string_view path);
// Length in bytes, or nullopt.
std::optional<std::int64_t> fileSize(std::string_view path);
// Writes the whole file (created or emptied). True on success.
bool writeWholeFile(std::string_view path, std::string_view content);
// The files read whole are small texts (settings, logins, pages, sources for
// the import); a longer one is no file of ours, and reading it would take the
// memory of the program.
inline constexpr std::size_t kMaxWholeFileBytes = 256u << 20;
// Reads the whole file, or nullopt when it cannot be read or is longer than
// kMaxWholeFileBytes.
std::optional<std::string> readWholeFile(std::string_view path);
// Replaces the file with `content`, readable and writable by its owner only:
// written to `path` + "~" first and renamed over it, so a reader never sees
// it half-written. True on success.
bool replaceOwnerOnlyFile(std::string_view path, std::string_view content);
// Whether users other than the owner may read the file.
bool readableByOthers(std::string_view path);

void sleepMs(int ms);              // through systemCalls().sleepMs
int randomInt(int low, int high);  // through systemCalls().randomInt

// A clock reading as the base's write stamps hold it.
struct ClockReading {
  std::uint16_t day = 0;      // day number (days from 1 January 1920)
  std::uint16_t minutes = 0;  // hour * 60 + minute
};

// One entry of a folder listing ("." and ".." left out).
struct FolderEntry {
  std::string name;  // as the file system gives it
  bool folder = false;
  std::int64_t size = 0;
  ClockReading modified;  // local time
};
// The entries of a folder sorted by name; empty when it cannot be read.
std::vector<FolderEntry> listFolder(std::string_view path);
// The file `name` of `folder` ("" the current folder) as the file system
// spells it, letter case ignored, or nullopt when there is none: names are
// typed in upper case, and on Windows "SRODKI.PST" is "Srodki.PST".
std::optional<std::string> fileNameAnyCase(std::string_view folder, std::string_view name);

// The local clock.
ClockReading localClock();
// A file's time stamp (fileStamp) as a local clock reading.
ClockReading clockOfStamp(std::int64_t stamp);
// The file server's clock: creates `probePath`, writes one byte, reads the
// modification time the file system gave it (in local time), deletes the
// file. When the file cannot be created, the local clock. An empty path means
// the local clock.
ClockReading sharedClock(std::string_view probePath);

// A drive as the temporary-folder choice sees it.
struct DriveInfo {
  char letter = 'C';
  std::int64_t size = 0;  // bytes
  std::int64_t free = 0;  // bytes available
};
// The fixed drives in letter order: C: and every D: .. Z: whose root folder
// exists (see paths.h), with the size and free space of the file system that
// holds the root.
std::vector<DriveInfo> fixedDrives();

}  // namespace zefir::platform
