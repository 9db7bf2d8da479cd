#include "shell/desktop_timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/status_line.h"
#include "text/codepage.h"

namespace zefir::shell {
namespace {

class FakeHost : public DesktopHost {
 public:
  void everyTick() override { ++ticks; }
  void checkProgramName() override { log.push_back("name"); }
  void initialise() override {
    log.push_back("init");
    if (timer) timer->request(3, 1);
  }
  bool menuListEnabled() const override { return enabled; }
  bool mayOpenOptions() const override { return rights; }
  void openWindow(WindowKind kind, int slot, int value) override {
    log.push_back("open " + std::to_string(static_cast<int>(kind)) + " " + std::to_string(slot) +
                  " " + std::to_string(value));
  }
  void idleWatch() override { log.push_back("idle"); }

  DesktopTimer* timer = nullptr;
  bool enabled = true;
  bool rights = true;
  int ticks = 0;
  std::vector<std::string> log;
};

class DesktopTimerTest : public ::testing::Test {
 protected:
  void SetUp() override { setStatusLine(&status); }
  void TearDown() override { setStatusLine(nullptr); }
  RememberingStatusLine status;
  DesktopTimer timer;
  FakeHost host;
};

TEST_F(DesktopTimerTest, StartUpRunsNameCheckInitialisationAndOpensTheMenu) {
  host.timer = &timer;
  EXPECT_EQ(timer.interval(), 1000);
  EXPECT_EQ(timer.tick(host), 100);
  EXPECT_EQ(timer.tick(host), 12);  // initialisation requested the menu
  EXPECT_EQ(timer.tick(host), 123);
  EXPECT_EQ(timer.tick(host), 1234);
  EXPECT_EQ(timer.tick(host), 1234);
  EXPECT_EQ(host.log, (std::vector<std::string>{"name", "init", "open 2 3 1", "idle"}));
  EXPECT_EQ(host.ticks, 5);
}

TEST_F(DesktopTimerTest, RequestWaitsWhileTheMenuListIsDisabled) {
  timer.request(20, 1);
  host.enabled = false;
  EXPECT_EQ(timer.tick(host), 123);
  EXPECT_EQ(timer.tick(host), 123);
  EXPECT_TRUE(host.log.empty());
  host.enabled = true;
  EXPECT_EQ(timer.tick(host), 1234);
  EXPECT_EQ(host.log, (std::vector<std::string>{"open 1 20 1"}));
  EXPECT_FALSE(timer.hasRequest());
}

TEST_F(DesktopTimerTest, RequestMadeByTheOpeningWindowStaysPending) {
  class Chaining : public FakeHost {
   public:
    void openWindow(WindowKind kind, int slot, int value) override {
      FakeHost::openWindow(kind, slot, value);
      if (slot == 6) timer->request(20, 4);  // the pick list returns to its page
    }
  } chaining;
  chaining.timer = &timer;
  timer.request(6, 1);
  timer.tick(chaining);
  EXPECT_EQ(timer.tick(chaining), 12);
  EXPECT_TRUE(timer.hasRequest());
  EXPECT_EQ(timer.requestSlot(), 20);
  EXPECT_EQ(timer.requestValue(), 4);
}

TEST_F(DesktopTimerTest, SlotsOpenTheirWindowsOrSayTheFunctionIsNotReady) {
  EXPECT_EQ(windowKindOfSlot(1), WindowKind::ParameterSet);
  EXPECT_EQ(windowKindOfSlot(3), WindowKind::Menu);
  EXPECT_EQ(windowKindOfSlot(6), WindowKind::PickList);
  EXPECT_EQ(windowKindOfSlot(8), WindowKind::Viewer);
  EXPECT_EQ(windowKindOfSlot(65), WindowKind::ParameterSet);
  EXPECT_EQ(windowKindOfSlot(66), WindowKind::F3);
  EXPECT_EQ(windowKindOfSlot(77), WindowKind::F3);
  EXPECT_EQ(windowKindOfSlot(84), WindowKind::ParameterSet);
  EXPECT_EQ(windowKindOfSlot(7), WindowKind::None);
  for (int slot : {78, 79, 91}) {
    EXPECT_EQ(windowKindOfSlot(slot), WindowKind::NotReady);
    timer.request(slot, 1);
    timer.tick(host);
    timer.tick(host);
    EXPECT_EQ(status.last_text, "Funkcja w przygotowaniu");
  }
  EXPECT_TRUE(host.log.empty());
}

TEST_F(DesktopTimerTest, WithoutRightsOnlyLoginPagesAndMenuOpen) {
  host.rights = false;
  timer.request(20, 1);
  timer.tick(host);
  timer.tick(host);
  EXPECT_TRUE(host.log.empty());
  EXPECT_EQ(status.last_text, text::fromUtf8("Zaloguj się prawidłowo ponownie"));
  for (int slot : {1, 2, 3}) {
    timer.request(slot, 1);
    timer.tick(host);
    timer.tick(host);
  }
  EXPECT_EQ(host.log.size(), 3u);
}

TEST_F(DesktopTimerTest, CountdownFallsByOneEachTickAndStopsAtZero) {
  timer.countdown = 2;
  timer.tick(host);
  EXPECT_EQ(timer.countdown, 1);
  timer.tick(host);
  timer.tick(host);
  EXPECT_EQ(timer.countdown, 0);
}

}  // namespace
}  // namespace zefir::shell
