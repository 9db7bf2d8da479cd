#include "net/program_update.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../platform/test_dir.h"
#include "local_server.h"
#include "platform/file_system.h"
#include "platform/status_line.h"
#include "text/codepage.h"

namespace zefir::net {
namespace {

namespace fs = std::filesystem;
using testing::LocalServer;

std::string sumOf(const std::string& content, const zefir::testing::TempDir& dir) {
  const std::string file = dir.file("sum-source");
  platform::writeWholeFile(file, content);
  const std::string sum = sha256OfFile(file);
  platform::removeFile(file);
  return sum;
}

TEST(Sha256, KnownDigests) {
  zefir::testing::TempDir dir;
  EXPECT_EQ(sumOf("abc", dir), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(sumOf(std::string(200000, 'a'), dir).size(), 64u);
  EXPECT_NE(sumOf(std::string(200000, 'a'), dir), sumOf(std::string(199999, 'a') + "b", dir));
  EXPECT_EQ(sha256OfFile(dir.file("none")), "");
}

class UpdateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = dir_.file("zefir");
    platform::writeWholeFile(program_, running_);
    setStatusLine(&line_);
  }
  void TearDown() override { setStatusLine(nullptr); }

  // Serves a program file and its checksum under /site/.
  void publish(LocalServer& server, const std::string& program, const std::string& sum) {
    server.serve("/site/zefir", program);
    server.serve("/site/zefir.sha256", sum + "  zefir\n");
  }
  Status update(const std::string& address, std::string* downloaded = nullptr) {
    UpdateRequest request;
    request.program_path = program_;
    request.maker_address = address;
    request.limits.timeout_seconds = 5;
    request.limits.ca_file = testing::certificateFile();
    return downloadUpdate(request, downloaded);
  }
  // Nothing beside the running program but the program itself.
  void expectUntouched() {
    EXPECT_EQ(platform::readWholeFile(program_).value_or(""), running_);
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir_.path())) {
      ++files;
      EXPECT_EQ(entry.path().filename(), "zefir");
    }
    EXPECT_EQ(files, 1);
    EXPECT_EQ(line_.last_kind, StatusKind::Error);
  }

  zefir::testing::TempDir dir_;
  std::string program_;
  const std::string running_ = std::string(100000, 'o');
  const std::string fresh_ = std::string(90000, 'n');
  RememberingStatusLine line_;
};

TEST_F(UpdateTest, AMatchingDownloadIsKeptUnderTheTemporaryName) {
  LocalServer server(true);
  publish(server, fresh_, sumOf(fresh_, dir_));
  server.start();
  std::string downloaded;
  const Status status = update(server.base() + "/site", &downloaded);
  ASSERT_TRUE(status.ok()) << status.message();
  EXPECT_EQ(downloaded, dir_.file("1zefir"));
  EXPECT_EQ(platform::readWholeFile(downloaded).value_or(""), fresh_);
  EXPECT_NE(fs::status(downloaded).permissions() & fs::perms::owner_exec, fs::perms::none);
  EXPECT_EQ(platform::readWholeFile(program_).value_or(""), running_);
  EXPECT_EQ(line_.last_text, "Restart Zefir");
  EXPECT_FALSE(platform::exists(dir_.file("1zefir.sha256")));
}

TEST_F(UpdateTest, EveryRefusedUpdateLeavesTheProgramAlone) {
  LocalServer secure(true);
  publish(secure, fresh_, sumOf(fresh_ + "x", dir_));  // a checksum of other content
  secure.serve("/small/zefir", std::string(1000, 's'));
  secure.serve("/small/zefir.sha256", sumOf(std::string(1000, 's'), dir_));
  secure.serveCut("/cut/zefir", fresh_.substr(0, 5000), fresh_.size());
  secure.serve("/cut/zefir.sha256", sumOf(fresh_, dir_));
  secure.serve("/nosum/zefir", fresh_);
  secure.start();
  LocalServer plain;
  publish(plain, fresh_, sumOf(fresh_, dir_));
  plain.start();

  struct Case {
    const char* what;
    std::string address;
    const char* reason;
  };
  const Case cases[] = {
      {"wrong checksum", secure.base() + "/site/", "Suma kontrolna"},
      {"too small", secure.base() + "/small/", "Za mały ściągnięty zefir"},
      {"connection dropped", secure.base() + "/cut/", "zefir niedostępny"},
      {"no checksum file", secure.base() + "/nosum/", "zefir niedostępny"},
      {"plain http", plain.base() + "/site/", "https"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Status status = update(c.address);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(line_.last_text.find(text::fromUtf8(c.reason)), std::string::npos)
        << text::toUtf8(line_.last_text);
    expectUntouched();
  }
  EXPECT_EQ(plain.requests(), 0);
}

TEST_F(UpdateTest, TheDownloadedProgramTakesOverOnItsFirstTick) {
  LocalServer server(true);
  publish(server, fresh_, sumOf(fresh_, dir_));
  server.start();
  std::string downloaded;
  ASSERT_TRUE(update(server.base() + "/site/", &downloaded).ok());
  // The new copy starts as "1zefir" and puts itself in place.
  const auto started = checkProgramFile(downloaded);
  ASSERT_EQ(started.action, SelfCheck::Restart);
  EXPECT_EQ(platform::readWholeFile(program_).value_or(""), fresh_);
  EXPECT_EQ(platform::readWholeFile(dir_.file("zefir.old")).value_or(""), running_);
  EXPECT_NE(fs::status(program_).permissions() & fs::perms::owner_exec, fs::perms::none);
  // Restarted as "zefir": the old program goes, nothing else is left.
  EXPECT_EQ(checkProgramFile(started.restart).action, SelfCheck::GoOn);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 1);
}

class SelfCheckTest : public ::testing::Test {
 protected:
  std::string read(const std::string& name) {
    return platform::readWholeFile(dir_.file(name)).value_or("(none)");
  }
  zefir::testing::TempDir dir_;
};

TEST_F(SelfCheckTest, ALetterCaseNameIsOnlyRenamed) {
  platform::writeWholeFile(dir_.file("Zefir"), "program");
  const auto result = checkProgramFile(dir_.file("Zefir"));
  EXPECT_EQ(result.action, SelfCheck::GoOn);
  EXPECT_EQ(read("zefir"), "program");
  EXPECT_FALSE(platform::exists(dir_.file("Zefir")));
  // A later update goes beside the file under its new name.
  EXPECT_EQ(result.programFile, dir_.file("zefir"));
  // A "zefir" already there is another program: the file keeps its name.
  platform::writeWholeFile(dir_.file("ZEFIR"), "copy");
  EXPECT_EQ(checkProgramFile(dir_.file("ZEFIR")).programFile, dir_.file("ZEFIR"));
  EXPECT_EQ(read("zefir"), "program");
}

TEST_F(SelfCheckTest, TheDownloadReplacesTheProgramKeepingTheOldOneUntilItStarts) {
  platform::writeWholeFile(dir_.file("zefir"), "old");
  platform::writeWholeFile(dir_.file("1zefir"), "new");
  const auto result = checkProgramFile(dir_.file("1zefir"));
  EXPECT_EQ(result.action, SelfCheck::Restart);
  EXPECT_EQ(result.restart, dir_.file("zefir"));
  EXPECT_EQ(read("zefir"), "new");
  EXPECT_EQ(read("zefir.old"), "old");
  EXPECT_FALSE(platform::exists(dir_.file("1zefir")));
  // The restarted program under its proper name removes the old one.
  EXPECT_EQ(checkProgramFile(dir_.file("zefir")).action, SelfCheck::GoOn);
  EXPECT_FALSE(platform::exists(dir_.file("zefir.old")));
  EXPECT_EQ(read("zefir"), "new");
}

TEST_F(SelfCheckTest, WithoutAnOldProgramTheDownloadTakesItsName) {
  platform::writeWholeFile(dir_.file("1ZEFIR"), "new");
  const auto result = checkProgramFile(dir_.file("1ZEFIR"));
  EXPECT_EQ(result.action, SelfCheck::Restart);
  EXPECT_EQ(read("zefir"), "new");
}

TEST_F(SelfCheckTest, AnOldProgramThatCannotBeKeptEndsTheNewCopyUnrenamed) {
  fs::create_directories(dir_.file("zefir") + "/inside");  // not a file: cannot be kept or replaced
  platform::writeWholeFile(dir_.file("1zefir"), "new");
  EXPECT_EQ(checkProgramFile(dir_.file("1zefir")).action, SelfCheck::End);
  EXPECT_EQ(read("1zefir"), "new");
  EXPECT_TRUE(platform::isFolder(dir_.file("zefir")));
}

TEST_F(SelfCheckTest, OtherNamesTouchNothing) {
  platform::writeWholeFile(dir_.file("zefir"), "program");
  for (const char* name : {"zefir-test", "2zefir", "zefir.old"}) {
    SCOPED_TRACE(name);
    platform::writeWholeFile(dir_.file(name), "copy");
    EXPECT_EQ(checkProgramFile(dir_.file(name)).action, SelfCheck::GoOn);
    EXPECT_EQ(read("zefir"), "program");
    EXPECT_EQ(read(name), "copy");
  }
}

}  // namespace
}  // namespace zefir::net
