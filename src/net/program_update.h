// The program's update from the maker's web site and the program file's
// self-check on the desktop's first timer tick.
//
// The update downloads the new program file beside the running one under the
// temporary name "1zefir", with the checksum file "zefir.sha256" published
// beside it on the site; only an HTTPS address is used, and the download is
// kept only when it is not much smaller than the running program and its
// SHA-256 matches. The caller then starts "1zefir" and ends. The new copy's
// self-check keeps the old program as "zefir.old", renames itself over
// "zefir" in one step and restarts under that name; the first start as
// "zefir" deletes "zefir.old". Anything refused leaves the running program
// and its folder as they were, with the reason in the status line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "net/download.h"
#include "text/status.h"

namespace zefir::net {

inline constexpr std::string_view kProgramFile = "zefir";
inline constexpr std::string_view kDownloadedProgramFile = "1zefir";
inline constexpr std::string_view kOldProgramFile = "zefir.old";
inline constexpr std::string_view kChecksumFile = "zefir.sha256";
// The download may be this much smaller than the running program.
inline constexpr std::int64_t kUpdateSizeTolerance = 88444;

struct UpdateRequest {
  std::string program_path;   // the running program's file; its folder receives the download
  std::string maker_address;  // the site's folder address; the file names are appended
  DownloadLimits limits;
};

// Downloads and checks the new program. On success returns the downloaded
// file's path after showing "Restart Zefir"; otherwise shows the reason (kind
// 0) and returns it as an error, with no downloaded file left behind.
[[nodiscard]] Status downloadUpdate(const UpdateRequest& request, std::string* downloaded);

// The SHA-256 of a file as 64 small hexadecimal digits; "" when unreadable.
std::string sha256OfFile(std::string_view path);

enum class SelfCheck {
  GoOn,     // the proper name (or renamed to it): work goes on
  Restart,  // the new copy is in place: start `restart` and end
  End,      // the old program could not be replaced: end; the next start tries again
};

struct SelfCheckResult {
  SelfCheck action = SelfCheck::GoOn;
  std::string restart;  // the program file to start
  // With GoOn: the running program's file after the check (renamed to
  // "zefir" when only its letter case differed), for a later update.
  std::string programFile;
};

// The first tick's check of the running program's file name.
SelfCheckResult checkProgramFile(std::string_view program_path);

}  // namespace zefir::net
