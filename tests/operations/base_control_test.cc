// The database control on a base file that another workstation holds: it
// waits while the file is held and reads it once let go; a file held through
// every retry gives the one error row.
#include <gtest/gtest.h>

#include "../platform/test_dir.h"
#include "listing_test_support.h"
#include "operations/base_control_report.h"
#include "platform/open_retry.h"
#include "platform/shared_file.h"
#include "platform/status_line.h"
#include "register/base_journal.h"

namespace zefir::operations {
namespace {

class Statuses : public StatusLine {
 public:
  void show(std::string_view text, StatusKind) override { texts.emplace_back(text); }
  std::vector<std::string> texts;
};

platform::SharedFile* holder = nullptr;
int waits = 0;

class BaseControlHeld : public ::testing::Test {
 protected:
  void SetUp() override {
    AssetRegister reg;
    BaseJournal journal(path_);
    ASSERT_TRUE(journal.load(reg).ok());
    const AssetRecord a =
        listing_test::asset("401", "Tokarka", listing_test::day(15, 6, 2025), 1200, 10);
    ASSERT_TRUE(journal.saveAsset(reg, AssetRegister::emptyRecord(), a).ok());
    // Another workstation's save: nobody else may open the file meanwhile.
    ASSERT_EQ(held_.open(path_, platform::ShareMode::Exclusive), platform::OpenError::None);
    holder = &held_;
    waits = 0;
    setStatusLine(&status_);
  }
  void TearDown() override { setStatusLine(nullptr); }

  testing::TempDir dir_;
  std::string path_ = dir_.file("Srodki.PST");
  platform::SharedFile held_;
  platform::RestoreSystemCalls restore_;
  Statuses status_;
  output::ReportBuffer out_;
};

TEST_F(BaseControlHeld, WaitsForTheHolderAndThenListsTheRecords) {
  platform::systemCalls().sleepMs = [](int) {
    if (++waits == 3) holder->close();  // the save is done during the third wait
  };
  runBaseControl(path_, {}, out_);
  EXPECT_EQ(waits, 3);
  const std::vector<std::string> rows = listing_test::lines(out_);
  ASSERT_FALSE(rows.empty());
  EXPECT_NE(rows[0].find("|401|1/1|Tokarka|"), std::string::npos) << rows[0];
  for (const std::string& r : rows) EXPECT_EQ(r.find("Nie można"), std::string::npos) << r;
  // While it waited the status line named the file and this report.
  ASSERT_FALSE(status_.texts.empty());
  EXPECT_EQ(status_.texts[0], "@110 " + path_ + " z bZestaw:Kontr");
  EXPECT_EQ(status_.texts.back(), "");
}

TEST_F(BaseControlHeld, AFileHeldThroughEveryRetryGivesOneErrorRow) {
  platform::systemCalls().sleepMs = [](int) { ++waits; };
  runBaseControl(path_, {}, out_);
  EXPECT_EQ(waits, platform::kOpenRetries);
  EXPECT_EQ(listing_test::lines(out_),
            (std::vector<std::string>{"|||Nie można otworzyć pliku " + path_}));
}

}  // namespace
}  // namespace zefir::operations
