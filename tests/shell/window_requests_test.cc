#include "shell/window_requests.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "shell/desktop_services.h"

namespace zefir::shell {
namespace {

class RecordingServices : public DesktopServices {
 public:
  Answer ask(std::string_view, char) override { return Answer::Back; }
  void progress(std::string_view) override {}
  void stop(std::string_view) override {}
  void requestWindow(int slot, int value) override { requests.emplace_back(slot, value); }
  std::vector<std::pair<int, int>> requests;
};

TEST(WindowRequests, PickListAndF3ReturnToTheirCallerWithTheOutcome) {
  RecordingServices services;
  setDesktopServices(&services);
  callPickList(20, 3, "491", 5);
  EXPECT_EQ(pickListCall().callingSlot, 20);
  EXPECT_EQ(pickListCall().startText, "491");
  EXPECT_TRUE(pickListCall().search);
  returnFromPickList(true);
  callPickList(33, 1, "", 4);
  EXPECT_FALSE(pickListCall().search);
  returnFromPickList(false);
  returnFromF3(11, true);
  returnFromF3(11, false);
  setDesktopServices(nullptr);
  EXPECT_EQ(services.requests,
            (std::vector<std::pair<int, int>>{{6, 1}, {20, 5}, {6, 1}, {33, 4}, {11, 3}, {11, 2}}));
}

}  // namespace
}  // namespace zefir::shell
