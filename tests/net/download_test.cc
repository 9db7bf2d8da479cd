#include "net/download.h"

#include <gtest/gtest.h>

#include "../platform/test_dir.h"
#include "local_server.h"
#include "platform/file_system.h"
#include "platform/status_line.h"

namespace zefir::net {
namespace {

using testing::LocalServer;

DownloadLimits quick() {
  DownloadLimits limits;
  limits.timeout_seconds = 5;
  limits.ca_file = testing::certificateFile();
  return limits;
}

// Every refused download keeps the file's old content and leaves no partial file.
void expectUntouched(const zefir::testing::TempDir& dir, const std::string& file) {
  EXPECT_EQ(platform::readWholeFile(file).value_or("?"), "old");
  EXPECT_FALSE(platform::exists(partialName(file)));
  (void)dir;
}

TEST(Download, CompleteTransferReplacesTheFileAndShowsTheName) {
  LocalServer server;
  server.serve("/a.csv", "new content");
  server.start();
  zefir::testing::TempDir dir;
  const std::string file = dir.file("a.csv");
  platform::writeWholeFile(file, "old");
  RememberingStatusLine line;
  setStatusLine(&line);
  const Status status = download(server.base() + "/a.csv", file, quick());
  setStatusLine(nullptr);
  ASSERT_TRUE(status.ok()) << status.message();
  EXPECT_EQ(platform::readWholeFile(file).value_or(""), "new content");
  EXPECT_FALSE(platform::exists(partialName(file)));
  EXPECT_EQ(line.last_text, "www=>" + file);
  EXPECT_EQ(line.last_kind, StatusKind::Information);
}

TEST(Download, FailuresLeaveTheOldFile) {
  LocalServer server;
  server.serveCut("/cut", std::string(1000, 'x'), 5000);
  server.serve("/big", std::string(5000, 'y'));
  server.redirect("/loop", "/loop");
  server.redirect("/to-plain", "http://127.0.0.1:1/x");
  server.start();
  zefir::testing::TempDir dir;
  const std::string file = dir.file("f");
  struct Case {
    const char* what;
    std::string url;
    std::int64_t max_bytes;
  };
  const Case cases[] = {
      {"missing page", server.base() + "/none", 1 << 20},
      {"connection dropped", server.base() + "/cut", 1 << 20},
      {"over the size limit", server.base() + "/big", 4096},
      {"endless redirects", server.base() + "/loop", 1 << 20},
      {"nobody listening", "http://127.0.0.1:1/x", 1 << 20},
      {"not a web address", "file:///etc/hostname", 1 << 20},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    platform::writeWholeFile(file, "old");
    DownloadLimits limits = quick();
    limits.max_bytes = c.max_bytes;
    const Status status = download(c.url, file, limits);
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.message().empty());
    expectUntouched(dir, file);
  }
}

TEST(Download, TlsIsVerifiedAndHttpsOnlyRefusesPlainHttp) {
  LocalServer secure(true);
  secure.serve("/p", "secret");
  secure.redirect("/down", "http://127.0.0.1:1/p");
  secure.start();
  LocalServer plain;
  plain.serve("/p", "plain");
  plain.start();
  zefir::testing::TempDir dir;
  const std::string file = dir.file("p");

  DownloadLimits strict = quick();
  strict.https_only = true;
  ASSERT_TRUE(download(secure.base() + "/p", file, strict).ok());
  EXPECT_EQ(platform::readWholeFile(file).value_or(""), "secret");

  platform::writeWholeFile(file, "old");
  EXPECT_FALSE(download(plain.base() + "/p", file, strict).ok());
  EXPECT_EQ(plain.requests(), 0);
  expectUntouched(dir, file);
  EXPECT_FALSE(download(secure.base() + "/down", file, strict).ok());
  expectUntouched(dir, file);

  // Without the test certificate among the trusted ones the server is refused.
  DownloadLimits untrusted = strict;
  untrusted.ca_file = dir.file("none.crt");
  platform::writeWholeFile(untrusted.ca_file, "");
  EXPECT_FALSE(download(secure.base() + "/p", file, untrusted).ok());
  expectUntouched(dir, file);
}

}  // namespace
}  // namespace zefir::net
