// Work in a child process: its result comes back; its crash, hang or flood
// comes back as nothing, and the caller goes on.
#include "platform/isolated_run.h"

#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace zefir::platform {
namespace {

TEST(IsolatedRun, ResultComesBackAndFaultsOfTheChildComeBackAsNothing) {
  EXPECT_EQ(runIsolated([] { return std::string(100000, 'x'); }, 1 << 20, 10),
            std::string(100000, 'x'));
  EXPECT_EQ(runIsolated([] { return std::string(); }, 16, 10), std::string());

  EXPECT_EQ(runIsolated(
                [] {
                  ::raise(SIGSEGV);
                  return std::string("nie");
                },
                16, 10),
            std::nullopt);
  EXPECT_EQ(runIsolated([]() -> std::string { throw std::runtime_error("x"); }, 16, 10),
            std::nullopt);
  EXPECT_EQ(runIsolated([] { return std::string(100, 'x'); }, 99, 10), std::nullopt);
  EXPECT_EQ(runIsolated(
                [] {
                  for (;;) ::pause();
                  return std::string();
                },
                16, 1),
            std::nullopt);
}

}  // namespace
}  // namespace zefir::platform
