// The open retry every shared file goes through (base journal, settings
// registers, login file, workstation table).
//
// A file held by another workstation is usually free again within
// milliseconds, so an open that fails is tried up to 110 further times, a
// random 1 to 99 ms apart. After each failed attempt the status line shows
// (kind 0, error) "@", the attempts left, a blank, the file name, " z " and the
// caller tag that names the operation, e.g. "@109 Srodki.PST z bZestaw:Dopisz".
// When the file opens after one or more failures, and after the last failure,
// the status line is set to "" (kind 2) so the "@" text does not linger.
//
// Blocks the calling thread for at most about 110 x 99 ms (about 11 s).
#pragma once

#include <functional>
#include <string_view>

#include "platform/shared_file.h"

namespace zefir::platform {

inline constexpr int kOpenRetries = 110;

// Runs `attempt` until it returns true, at most 1 + kOpenRetries times, with
// the waits and status texts above. `fileName` is the name shown (code page
// 1250). Returns whether an attempt succeeded. Waits through
// systemCalls().sleepMs and .randomInt, so tests can count them.
[[nodiscard]] bool retryOpen(std::string_view fileName, std::string_view callerTag,
                             const std::function<bool()>& attempt);

// SharedFile::open under retryOpen: every failed open is retried, since a file
// that another workstation is replacing (rename) may be missing for a moment.
// Callers that create a missing file pass Creation::OpenOrCreate; callers that
// can tell "missing" from "busy" beforehand check exists() first.
[[nodiscard]] bool openWithRetry(SharedFile& file, std::string_view path, ShareMode mode,
                                 Creation creation, std::string_view callerTag);

}  // namespace zefir::platform
