// Two workstations as two processes saving into one base through the edit
// form's save with its symbol step and the workstation table's marks: each
// save reads what the other appended, so neither loses the other's work and a
// rename decides on the register as the other left it.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "operations/symbol_step.h"
#include "platform/file_system.h"
#include "platform/status_line.h"
#include "platform/workstation_marks.h"
#include "register/base_journal.h"
#include "shell/start_mode.h"
#include "shell/workstation_table.h"
#include "shell/workstations.h"
#include "shell_test_folder.h"
#include "text/codepage.h"

namespace zefir::shell {
namespace {

using operations::EditState;
using operations::SymbolAnswers;
using testing::ProgramFolder;

constexpr const char* kBase = "Srodki.PST";

class LastStatus : public StatusLine {
 public:
  void show(std::string_view text, StatusKind) override { shown.emplace_back(text); }
  std::vector<std::string> shown;
};

// One workstation: its marks in the shared table, its journal and register.
struct Workstation {
  explicit Workstation(int number) : marks(kWorkstationTable, number), journal(kBase) {
    journal.setWorkstationSuffix(workstationSuffix(number));
    setWorkstationMarks(&marks);
  }
  ~Workstation() { setWorkstationMarks(nullptr); }
  bool load() { return journal.load(reg).ok(); }
  // The asset `symbol` as this workstation's register holds it (empty record
  // when there is none), loaded into an edit form.
  EditState edit(const std::string& symbol) {
    EditState state;
    state.loaded = reg.exists(symbol) ? reg.currentRecord() : AssetRegister::emptyRecord();
    state.edit = state.loaded;
    state.currentSymbol = symbol;
    return state;
  }
  // Saves through the symbol step answering `answer` to every question.
  Status save(EditState& state, char answer, std::vector<std::string>* asked = nullptr) {
    std::string outcome;
    return operations::saveWithSymbolStep(
        journal, reg, state, answers,
        [&](std::string_view question, char) {
          if (asked) asked->emplace_back(question);
          return answer;
        },
        &outcome);
  }

  TableMarks marks;
  BaseJournal journal;
  AssetRegister reg;
  SymbolAnswers answers;
};

// Another workstation in a child process, run one step at a time: step(i)
// lets the child run its i-th step and waits for its result.
class OtherWorkstation {
 public:
  explicit OtherWorkstation(int number, std::vector<std::function<bool(Workstation&)>> steps) {
    int go[2], done[2];
    if (::pipe(go) != 0 || ::pipe(done) != 0) return;
    child_ = ::fork();
    if (child_ == 0) {
      ::close(go[1]);
      ::close(done[0]);
      StartupMarker marker;
      bool ok = marker.create(markerPath("", workstationSuffix(number), true)) ==
                StartupMarker::Result::Created;
      Workstation self(number);
      for (auto& step : steps) {
        char byte = 0;
        if (::read(go[0], &byte, 1) != 1) ::_exit(1);
        ok = ok && step(self);
        byte = ok ? 'y' : 'n';
        (void)!::write(done[1], &byte, 1);
      }
      for (;;) ::pause();  // until killed, holding its marker
    }
    ::close(go[0]);
    ::close(done[1]);
    go_ = go[1];
    done_ = done[0];
  }
  ~OtherWorkstation() {
    if (child_ <= 0) return;
    kill();
    ::close(go_);
    ::close(done_);
  }
  bool started() const { return child_ > 0; }
  // Runs the child's next step; true when it and every step before succeeded.
  bool step() {
    char byte = 'g';
    if (::write(go_, &byte, 1) != 1 || ::read(done_, &byte, 1) != 1) return false;
    return byte == 'y';
  }
  void kill() {
    if (child_ <= 0 || killed_) return;
    ::kill(child_, SIGKILL);
    ::waitpid(child_, nullptr, 0);
    killed_ = true;
  }

 private:
  pid_t child_ = -1;
  int go_ = -1, done_ = -1;
  bool killed_ = false;
};

class WorkstationSaves : public ::testing::Test {
 protected:
  void SetUp() override {
    ProgramFolder::copyDemoBase();
    setStatusLine(&status);
    ASSERT_TRUE(clearIdleWorkstations(kWorkstationTable, {}).ok());
    Workstation probe(9);
    ASSERT_TRUE(probe.load());
    ASSERT_GE(probe.reg.assetCount(), 2);
    first = probe.reg.symbolOf(1);
    second = probe.reg.symbolOf(2);
  }
  void TearDown() override { setStatusLine(nullptr); }

  static std::function<bool(Workstation&)> loading() {
    return [](Workstation& w) { return w.load(); };
  }
  // The child's step: a new asset `symbol` named `name`, saved.
  static std::function<bool(Workstation&)> creating(std::string symbol, std::string name) {
    return [symbol, name](Workstation& w) {
      EditState state = w.edit(symbol);
      state.edit.Symb = symbol;
      state.edit.Nazw = name;
      return w.save(state, 'T').ok();
    };
  }

  ProgramFolder folder;
  LastStatus status;
  std::string first, second;
};

TEST_F(WorkstationSaves, BothSavesArePresentAfterBothReload) {
  OtherWorkstation three(3, {loading(), creating("NOWY-3", "Od trzeciego"),
                             [](Workstation& w) {  // its reload
                               return w.load() && w.reg.exists("NOWY-3") &&
                                      w.reg.exists("NOWY-5") &&
                                      w.reg.currentRecord().Nazw.str() == "Od piatego";
                             }});
  ASSERT_TRUE(three.started());
  Workstation five(5);
  ASSERT_TRUE(five.load());
  ASSERT_TRUE(three.step());  // both loaded the same register
  const int before = five.reg.assetCount();
  ASSERT_TRUE(three.step());  // the other saved first; this register lags behind
  EXPECT_FALSE(five.reg.exists("NOWY-3"));

  EditState state = five.edit("NOWY-5");
  state.edit.Symb = "NOWY-5";
  state.edit.Nazw = "Od piatego";
  ASSERT_TRUE(five.save(state, 'T').ok());
  EXPECT_TRUE(five.reg.exists("NOWY-3"));  // read before its own save
  EXPECT_EQ(five.reg.assetCount(), before + 2);

  EXPECT_TRUE(three.step());
  Workstation reloaded(6);
  ASSERT_TRUE(reloaded.load());
  EXPECT_EQ(reloaded.reg.assetCount(), before + 2);
  ASSERT_TRUE(reloaded.reg.exists("NOWY-3"));
  EXPECT_EQ(reloaded.reg.currentRecord().Nazw.str(), "Od trzeciego");
}

TEST_F(WorkstationSaves, RenameOntoASymbolTheOtherCreatedMeanwhileAsksFirst) {
  OtherWorkstation three(3, {creating("CEL", "Stworzony obok")});
  ASSERT_TRUE(three.started());
  Workstation five(5);
  ASSERT_TRUE(five.load());
  EditState state = five.edit(first);
  const std::string name = state.loaded.Nazw.str();
  ASSERT_TRUE(three.step());
  ASSERT_FALSE(five.reg.exists("CEL"));  // not known here before the save

  // Cancel to the replacing question saves nothing.
  state.edit.Symb = "CEL";
  std::vector<std::string> asked;
  status.shown.clear();
  EXPECT_FALSE(five.save(state, 0, &asked).ok());
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], text::fromUtf8("Skasować poprzednią zawartość"));
  EXPECT_NE(std::find(status.shown.begin(), status.shown.end(), "Istnieje indeks CEL"),
            status.shown.end());
  Workstation unchanged(6);
  ASSERT_TRUE(unchanged.load());
  ASSERT_TRUE(unchanged.reg.exists("CEL"));
  EXPECT_EQ(unchanged.reg.currentRecord().Nazw.str(), "Stworzony obok");
  EXPECT_TRUE(unchanged.reg.exists(first));

  // Yes to both: the other's asset takes the edited values, the old one goes.
  asked.clear();
  ASSERT_TRUE(five.save(state, 'T', &asked).ok());
  EXPECT_EQ(asked.size(), 2u);
  Workstation reloaded(7);
  ASSERT_TRUE(reloaded.load());
  ASSERT_TRUE(reloaded.reg.exists("CEL"));
  EXPECT_EQ(reloaded.reg.currentRecord().Nazw.str(), name);
  EXPECT_FALSE(reloaded.reg.exists(first));
}

TEST_F(WorkstationSaves, RenameOfAnAssetTheOtherDeletedMeanwhileAsksNothingAboutIt) {
  OtherWorkstation three(3, {[this](Workstation& w) {
                           if (!w.load()) return false;
                           EditState state = w.edit(second);
                           state.edit.Symb = "";
                           return w.save(state, 'T').ok();
                         }});
  ASSERT_TRUE(three.started());
  Workstation five(5);
  ASSERT_TRUE(five.load());
  EditState state = five.edit(second);
  ASSERT_TRUE(three.step());
  state.edit.Symb = "PO-INNYM";
  std::vector<std::string> asked;
  ASSERT_TRUE(five.save(state, 'T', &asked).ok());
  EXPECT_TRUE(asked.empty());  // no "Skasować go ": the old asset is gone
  Workstation reloaded(6);
  ASSERT_TRUE(reloaded.load());
  EXPECT_TRUE(reloaded.reg.exists("PO-INNYM"));
  EXPECT_FALSE(reloaded.reg.exists(second));
}

TEST_F(WorkstationSaves, ASaveIsRefusedWhileTheOtherReadsAndGoesThroughAfter) {
  OtherWorkstation three(3, {[](Workstation& w) { return w.marks.mark('+', kBase); },
                             [](Workstation& w) { return w.marks.unmark(); }});
  ASSERT_TRUE(three.started());
  Workstation five(5);
  ASSERT_TRUE(five.load());
  ASSERT_TRUE(three.step());  // the other now reads the base
  EditState state = five.edit(first);
  state.edit.Nazw = "Po zmianie";
  const auto size = ProgramFolder::read(kBase).size();
  status.shown.clear();
  EXPECT_FALSE(five.save(state, 'T').ok());
  EXPECT_EQ(ProgramFolder::read(kBase).size(), size);  // nothing appended
  EXPECT_NE(std::find(status.shown.begin(), status.shown.end(),
                      std::string(kBase) + text::fromUtf8(" zajęty (3)")),
            status.shown.end());
  EXPECT_EQ(state.edit.Nazw.str(), "Po zmianie");  // the edit stays as edited

  ASSERT_TRUE(three.step());  // the other has finished reading
  ASSERT_TRUE(five.save(state, 'T').ok());
  Workstation reloaded(6);
  ASSERT_TRUE(reloaded.load());
  ASSERT_TRUE(reloaded.reg.exists(first));
  EXPECT_EQ(reloaded.reg.currentRecord().Nazw.str(), "Po zmianie");
}

TEST_F(WorkstationSaves, AKilledWritersMarkerIsClearedByTheNextCountAndSavesGoOn) {
  OtherWorkstation three(3, {[](Workstation& w) { return w.marks.mark('#', kBase); }});
  ASSERT_TRUE(three.started());
  Workstation five(5);
  ASSERT_TRUE(five.load());
  ASSERT_TRUE(three.step());  // killed below in the middle of its append
  three.kill();
  EditState state = five.edit(first);
  state.edit.Nazw = "Po awarii";
  EXPECT_FALSE(five.save(state, 'T').ok());  // its mark outlives it in the table
  EXPECT_TRUE(platform::exists("Kosz/!Prac-ST.003"));
  const WorkingWorkstations running = countWorkingWorkstations(markerFolder(""));
  EXPECT_EQ(running.count, 0);
  EXPECT_FALSE(platform::exists("Kosz/!Prac-ST.003"));
  ASSERT_TRUE(clearIdleWorkstations(kWorkstationTable, running).ok());
  EXPECT_TRUE(five.save(state, 'T').ok());
}

}  // namespace
}  // namespace zefir::shell
