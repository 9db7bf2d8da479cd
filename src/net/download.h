// Downloads over HTTP(S) through libcurl: one address to one file.
//
// The file is written under a temporary name beside it (the name followed by
// ".part") and renamed over the file only when the transfer completed: a
// failed, cut or oversized download never replaces what the file held. A call
// blocks for at most the time-out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/status.h"

namespace zefir::net {

struct DownloadLimits {
  long timeout_seconds = 60;  // the whole transfer, connection included
  std::int64_t max_bytes = 64 * 1024 * 1024;
  long max_redirects = 5;
  bool https_only = false;  // refuse plain HTTP, at the start and on redirects
  std::string ca_file;      // extra trusted certificates (PEM); empty: the system's
};

// The temporary name a download is written under.
std::string partialName(std::string_view file);

// Shows "www=>" and the file name (kind 2), then downloads `url` to `file`.
// TLS certificates and host names are always verified; an HTTP status from 400
// up is a failure. On failure the status holds a Polish reason and `file` is as
// it was.
[[nodiscard]] Status download(std::string_view url, std::string_view file,
                              const DownloadLimits& limits = {});
// The status text a download shows before it starts.
std::string downloadStatusText(std::string_view file);
// The same download without the status text, for a thread other than the
// status line's (the caller shows downloadStatusText itself).
[[nodiscard]] Status downloadQuietly(std::string_view url, std::string_view file,
                                     const DownloadLimits& limits = {});

}  // namespace zefir::net
