#include "net/download.h"

#include <curl/curl.h>

#include <cstdio>
#include <mutex>

#include "platform/file_system.h"
#include "platform/status_line.h"
#include "text/codepage.h"

namespace zefir::net {

namespace {

struct Sink {
  std::FILE* file = nullptr;
  std::int64_t written = 0;
  std::int64_t limit = 0;
  bool too_big = false;
};

std::size_t writeToSink(char* data, std::size_t size, std::size_t count, void* user) {
  auto* sink = static_cast<Sink*>(user);
  const std::size_t bytes = size * count;
  if (sink->written + static_cast<std::int64_t>(bytes) > sink->limit) {
    sink->too_big = true;
    return 0;  // curl ends the transfer with a write error
  }
  if (std::fwrite(data, 1, bytes, sink->file) != bytes) return 0;
  sink->written += static_cast<std::int64_t>(bytes);
  return bytes;
}

void initialiseCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::string reasonOf(CURLcode code, const Sink& sink, long http_status) {
  if (sink.too_big || code == CURLE_FILESIZE_EXCEEDED) return "plik za duży";
  switch (code) {
    case CURLE_OPERATION_TIMEDOUT:
      return "przekroczony czas";
    case CURLE_UNSUPPORTED_PROTOCOL:
      return "niedozwolony protokół";
    case CURLE_TOO_MANY_REDIRECTS:
      return "za dużo przekierowań";
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CONNECT_ERROR:
      return "błąd certyfikatu lub połączenia szyfrowanego";
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
      return "połączenie przerwane";
    case CURLE_HTTP_RETURNED_ERROR:
      return "błąd serwera " + std::to_string(http_status);
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
      return "brak połączenia";
    default:
      return "błąd pobierania (" + std::to_string(static_cast<int>(code)) + ")";
  }
}

}  // namespace

std::string partialName(std::string_view file) {
  return std::string(file) + ".part";
}

std::string downloadStatusText(std::string_view file) {
  return "www=>" + std::string(file);
}

Status download(std::string_view url, std::string_view file, const DownloadLimits& limits) {
  showStatus(downloadStatusText(file), StatusKind::Information);
  return downloadQuietly(url, file, limits);
}

Status downloadQuietly(std::string_view url, std::string_view file, const DownloadLimits& limits) {
  initialiseCurlOnce();
  const std::string part = partialName(file);
  Sink sink;
  sink.limit = limits.max_bytes;
  sink.file = std::fopen(part.c_str(), "wb");
  if (sink.file == nullptr) return Status::Error(text::fromUtf8("Nie można zapisać ") + part);

  CURL* curl = curl_easy_init();
  const std::string address(url);
  const char* protocols = limits.https_only ? "https" : "http,https";
  curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, protocols);
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, protocols);
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, limits.max_redirects);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!limits.ca_file.empty()) curl_easy_setopt(curl, CURLOPT_CAINFO, limits.ca_file.c_str());
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, limits.timeout_seconds);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, limits.timeout_seconds);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.max_bytes));
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, writeToSink);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
  const CURLcode code = curl_easy_perform(curl);
  long http_status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &http_status);
  curl_easy_cleanup(curl);

  const bool closed = std::fclose(sink.file) == 0;
  if (code != CURLE_OK || !closed) {
    platform::removeFile(part);
    return Status::Error(text::fromUtf8(address + ": " + reasonOf(code, sink, http_status)));
  }
  if (!platform::renameFile(part, file)) {
    platform::removeFile(part);
    return Status::Error(text::fromUtf8("Nie można zapisać ") + std::string(file));
  }
  return Status::Ok();
}

}  // namespace zefir::net
