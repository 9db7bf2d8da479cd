// Option 18 switches the base in force: the desktop's register and journal
// move to the named base, the listings read it, and its report lists the
// new base's assets; an unknown name changes nothing.
#include "shell/base_switch.h"

#include <gtest/gtest.h>

#include "../register/base_test_util.h"
#include "operations/listing_options.h"
#include "operations/operation_registry.h"
#include "platform/workstation_marks.h"
#include "register/base_journal.h"
#include "shell/base_loading.h"
#include "shell/shell_state.h"
#include "shell/workstation_table.h"
#include "shell/workstations.h"
#include "shell_test_folder.h"
#include "text/codepage.h"

namespace zefir::shell {
namespace {

class BaseSwitch : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& [name, symbols] :
         {std::pair{"Srodki.PST", std::vector<std::string>{"A1"}},
          std::pair{"PLAN2027.PST", std::vector<std::string>{"B1", "B2"}}}) {
      std::vector<AssetRecord> assets;
      for (const std::string& s : symbols) assets.push_back(zefir::testing::filledAsset(s));
      ASSERT_TRUE(
          writeNewJournal(name, std::string(name) + ".tmp", assets, writeStampNow("", ".001"))
              .ok());
    }
    ShellState& state = shellState();
    state = ShellState();
    state.start.mode = 1;
    state.start.suffix = ".001";
    loadDesktopBase();
    ASSERT_EQ(desktopRegister().assetCount(), 1);
    operations::registerBuiltOperations();
    registerShellOperations();
  }
  void TearDown() override { shellState() = ShellState(); }

  operations::RunOutcome run(const char* name) {
    operations::FieldValues v;
    v.set("BazJ", name);
    operations::RunEnvironment env;
    env.assets = &desktopRegister();
    env.report = &report;
    env.journal = &desktopJournal();
    return operations::wykonaOpc(*operations::findOption(18), v, env);
  }

  testing::ProgramFolder folder;
  output::ReportBuffer report;
};

TEST_F(BaseSwitch, NamedBaseBecomesTheBaseInForceAndIsListed) {
  ASSERT_TRUE(clearIdleWorkstations(kWorkstationTable, {}).ok());
  TableMarks marks(kWorkstationTable, 1);
  setWorkstationMarks(&marks);
  // Typed in upper case, found as the folder spells it.
  ASSERT_TRUE(run("PLAN2027").status.ok());
  setWorkstationMarks(nullptr);
  const std::string table = testing::ProgramFolder::read(kWorkstationTable);
  EXPECT_EQ(WorkstationRecord::decode(std::string_view(table).substr(250, 250)).file,
            "PLAN2027.PST");
  EXPECT_EQ(shellState().baseName, "PLAN2027");
  EXPECT_EQ(desktopJournal().path(), "PLAN2027.PST");
  EXPECT_EQ(operations::listingEnvironment().baseFile, "PLAN2027.PST");
  ASSERT_EQ(desktopRegister().assetCount(), 2);
  EXPECT_EQ(desktopRegister().symbolOf(1), "B1");
  EXPECT_EQ(report.code(), "TST");
  EXPECT_EQ(report.cell(2, 1), "B2");
  EXPECT_EQ(report.cell(3, 2),
            text::fromUtf8("Obowiązuje plan PLAN2027.PST (poprzednio Srodki.PST)"));
  // A save now goes to the new base.
  AssetRecord loaded = desktopRegister().slot(1);
  AssetRecord edited = loaded;
  edited.Nazw = "zmieniony";
  ASSERT_TRUE(desktopJournal().saveAsset(desktopRegister(), loaded, edited).ok());
  AssetRegister reread;
  BaseJournal journal("PLAN2027.PST");
  ASSERT_TRUE(journal.load(reread).ok());
  ASSERT_TRUE(reread.exists("B1"));
  EXPECT_EQ(reread.currentRecord().Nazw.str(), "zmieniony");
}

TEST_F(BaseSwitch, UnknownOrEmptyNameChangesNothing) {
  for (const char* name : {"BRAK", "", "   "}) {
    EXPECT_FALSE(run(name).status.ok()) << name;
    EXPECT_EQ(shellState().baseName, "Srodki");
    EXPECT_EQ(desktopRegister().symbolOf(1), "A1");
  }
}

}  // namespace
}  // namespace zefir::shell
