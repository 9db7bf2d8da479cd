// The edit form's save with its symbol step, by two workstations on one base
// file: deletes, copies and renames decide on the register as the other
// workstation left it, and a cancel appends nothing.
#include "operations/symbol_step.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "../register/base_test_util.h"
#include "platform/file_system.h"
#include "platform/workstation_marks.h"
#include "text/codepage.h"

namespace zefir::operations {
namespace {

namespace fs = std::filesystem;

class SymbolStep : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/zefir-symbol-XXXXXX";
    dir_ = ::mkdtemp(pattern);
    path_ = (dir_ / "Srodki.PST").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  struct Workstation {
    explicit Workstation(const std::string& path) : journal(path) {}
    BaseJournal journal;
    AssetRegister reg;
    EditState state;
    SymbolAnswers answers;
    // Loads the asset as the edit form does.
    void load(const std::string& symbol) {
      state.edit = reg.exists(symbol) ? reg.currentRecord() : AssetRegister::emptyRecord();
      state.loaded = state.edit;
      state.currentSymbol = symbol;
    }
  };

  // Answers in turn; records each question and the default offered.
  SymbolQuestion answering(std::vector<char> answers) {
    return [this, answers, n = std::size_t{0}](std::string_view q, char def) mutable {
      asked_.push_back(text::toUtf8(q) + "/" + def);
      return n < answers.size() ? answers[n++] : char{0};
    };
  }

  std::int64_t fileSize() const { return platform::fileSize(path_).value_or(0); }

  fs::path dir_;
  std::string path_;
  std::vector<std::string> asked_;
  std::string outcome_;
};

TEST_F(SymbolStep, SameSymbolSavesOnlyTheChangeAndEmptySymbolDeletes) {
  Workstation one(path_);
  ASSERT_TRUE(one.journal.load(one.reg).ok());
  one.load("A/1");
  one.state.edit = testing::filledAsset("A/1");
  ASSERT_TRUE(
      saveWithSymbolStep(one.journal, one.reg, one.state, one.answers, answering({}), &outcome_)
          .ok());
  EXPECT_EQ(outcome_, "");
  EXPECT_TRUE(asked_.empty());
  const std::int64_t afterNew = fileSize();
  one.state.edit.Nazw = "Nowa nazwa";
  ASSERT_TRUE(
      saveWithSymbolStep(one.journal, one.reg, one.state, one.answers, answering({}), &outcome_)
          .ok());
  EXPECT_EQ(fileSize() - afterNew, 128);  // the main data's record only
  EXPECT_TRUE(one.state.loaded == one.state.edit);

  one.state.edit.Symb = "";
  ASSERT_TRUE(
      saveWithSymbolStep(one.journal, one.reg, one.state, one.answers, answering({}), &outcome_)
          .ok());
  EXPECT_EQ(outcome_, "Indeks skasowany");
  Workstation two(path_);
  ASSERT_TRUE(two.journal.load(two.reg).ok());
  EXPECT_FALSE(two.reg.exists("A/1"));
}

TEST_F(SymbolStep, RenameDecidesOnTheRegisterAsTheOtherWorkstationLeftIt) {
  Workstation one(path_), two(path_);
  ASSERT_TRUE(one.journal.load(one.reg).ok());
  one.load("X/1");
  one.state.edit = testing::filledAsset("X/1");
  ASSERT_TRUE(
      saveWithSymbolStep(one.journal, one.reg, one.state, one.answers, answering({}), &outcome_)
          .ok());
  ASSERT_TRUE(two.journal.load(two.reg).ok());

  // The second workstation takes X/2 after the first loaded its register.
  two.load("X/2");
  two.state.edit = testing::filledAsset("X/2");
  two.state.edit.Nazw = "Drugiego";
  ASSERT_TRUE(
      saveWithSymbolStep(two.journal, two.reg, two.state, two.answers, answering({}), &outcome_)
          .ok());

  one.state.edit.Symb = "X/2";
  one.state.edit.Nazw = "Pierwszego";
  ASSERT_TRUE(saveWithSymbolStep(one.journal, one.reg, one.state, one.answers,
                                 answering({'T', 'T'}), &outcome_)
                  .ok());
  EXPECT_EQ(asked_,
            (std::vector<std::string>{"Skasować poprzednią zawartość/N", "Skasować go /N"}));
  EXPECT_EQ(outcome_, "Indeks zmieniony");
  ASSERT_TRUE(two.journal.readAppended(two.reg).ok());
  for (AssetRegister* reg : {&one.reg, &two.reg}) {
    EXPECT_FALSE(reg->exists("X/1"));
    ASSERT_TRUE(reg->exists("X/2"));
    EXPECT_EQ(std::string(reg->currentRecord().Nazw), "Pierwszego");
  }
  // The answers are offered next time.
  EXPECT_EQ(one.answers.replaceExisting, 'T');
  EXPECT_EQ(one.answers.deleteOld, 'T');
}

TEST_F(SymbolStep, NoMakesACopyAndCancelAppendsNothing) {
  Workstation one(path_);
  ASSERT_TRUE(one.journal.load(one.reg).ok());
  one.load("K/1");
  one.state.edit = testing::filledAsset("K/1");
  ASSERT_TRUE(
      saveWithSymbolStep(one.journal, one.reg, one.state, one.answers, answering({}), &outcome_)
          .ok());

  one.state.edit.Symb = "K/2";
  ASSERT_TRUE(
      saveWithSymbolStep(one.journal, one.reg, one.state, one.answers, answering({'N'}), &outcome_)
          .ok());
  EXPECT_EQ(outcome_, "Indeks skopiowany");
  ASSERT_TRUE(one.reg.exists("K/1"));
  const AssetRecord original = one.reg.currentRecord();
  ASSERT_TRUE(one.reg.exists("K/2"));
  AssetRecord copy = one.reg.currentRecord();
  copy.Symb = "K/1";
  EXPECT_TRUE(copy == original);

  // K/2 onto the existing K/1: cancelled at the first question.
  const std::int64_t before = fileSize();
  one.state.edit.Symb = "K/1";
  asked_.clear();
  EXPECT_FALSE(
      saveWithSymbolStep(one.journal, one.reg, one.state, one.answers, answering({}), &outcome_)
          .ok());
  EXPECT_EQ(asked_.size(), 1u);
  EXPECT_EQ(fileSize(), before);
  EXPECT_EQ(one.answers.replaceExisting, 'N');  // a cancel is not remembered
}

// Allows every mark but the n-th append ("#"), as when another workstation
// starts reading between two saves of one step.
class RefusingNthAppend : public WorkstationMarks {
 public:
  explicit RefusingNthAppend(int n) : n_(n) {}
  bool mark(char op, std::string_view) override { return op != '#' || ++appends_ != n_; }
  bool unmark() override { return true; }

 private:
  int n_;
  int appends_ = 0;
};

TEST_F(SymbolStep, ARenameWhoseSecondSaveIsRefusedLeavesTheAssetUnderASymbol) {
  Workstation one(path_);
  ASSERT_TRUE(one.journal.load(one.reg).ok());
  one.load("R/1");
  one.state.edit = testing::filledAsset("R/1");
  ASSERT_TRUE(
      saveWithSymbolStep(one.journal, one.reg, one.state, one.answers, answering({}), &outcome_)
          .ok());
  RefusingNthAppend marks(2);
  setWorkstationMarks(&marks);
  one.state.edit.Symb = "R/2";
  EXPECT_FALSE(
      saveWithSymbolStep(one.journal, one.reg, one.state, one.answers, answering({'T'}), &outcome_)
          .ok());
  setWorkstationMarks(nullptr);
  // Read afresh: the asset is there, at worst under both symbols.
  Workstation other(path_);
  ASSERT_TRUE(other.journal.load(other.reg).ok());
  EXPECT_TRUE(other.reg.exists("R/2"));
  EXPECT_TRUE(other.reg.exists("R/1"));
  EXPECT_EQ(outcome_, "Indeks skopiowany");
}

TEST_F(SymbolStep, ListedAssetIsDeletedOnlyOnYesAndRenamedWithTheStepsQuestions) {
  Workstation one(path_), two(path_);
  ASSERT_TRUE(one.journal.load(one.reg).ok());
  for (const char* s : {"L/1", "L/2"}) {
    one.load(s);
    one.state.edit = testing::filledAsset(s);
    ASSERT_TRUE(
        saveWithSymbolStep(one.journal, one.reg, one.state, one.answers, answering({}), &outcome_)
            .ok());
  }
  ASSERT_TRUE(two.journal.load(two.reg).ok());

  // Del: asked with no as the default; no and cancel append nothing.
  const std::int64_t before = fileSize();
  EXPECT_FALSE(deleteListedAsset(one.journal, one.reg, "L/1", answering({'N'}), &outcome_).ok());
  EXPECT_FALSE(deleteListedAsset(one.journal, one.reg, "L/1", answering({}), &outcome_).ok());
  EXPECT_EQ(asked_, (std::vector<std::string>{"Skasować go /N", "Skasować go /N"}));
  EXPECT_EQ(fileSize(), before);
  ASSERT_TRUE(deleteListedAsset(one.journal, one.reg, "L/1", answering({'T'}), &outcome_).ok());
  EXPECT_EQ(outcome_, "Indeks skasowany");
  EXPECT_FALSE(one.reg.exists("L/1"));

  // Ren by the other workstation, which has not read the delete yet: a
  // symbol that is gone is refused rather than brought back.
  EXPECT_FALSE(renameListedAsset(two.journal, two.reg, "L/1", "L/9", two.answers, answering({'T'}),
                                 &outcome_)
                   .ok());
  EXPECT_FALSE(two.reg.exists("L/9"));
  asked_.clear();
  ASSERT_TRUE(renameListedAsset(two.journal, two.reg, "L/2", " l/3 ", two.answers, answering({'T'}),
                                &outcome_)
                  .ok());
  EXPECT_EQ(asked_, std::vector<std::string>{"Skasować go /N"});
  EXPECT_EQ(outcome_, "Indeks zmieniony");
  ASSERT_TRUE(one.journal.readAppended(one.reg).ok());
  EXPECT_FALSE(one.reg.exists("L/2"));
  ASSERT_TRUE(one.reg.exists("L/3"));
  AssetRecord renamed = one.reg.currentRecord();
  renamed.Symb = "L/2";
  EXPECT_TRUE(renamed == testing::filledAsset("L/2"));  // every value went along

  // No new symbol, or one over 15 characters, saves nothing.
  const std::int64_t after = fileSize();
  EXPECT_FALSE(
      renameListedAsset(one.journal, one.reg, "L/3", "  ", one.answers, answering({}), &outcome_)
          .ok());
  EXPECT_FALSE(renameListedAsset(one.journal, one.reg, "L/3", "L/3456789012345678", one.answers,
                                 answering({}), &outcome_)
                   .ok());
  EXPECT_EQ(fileSize(), after);
}

}  // namespace
}  // namespace zefir::operations
