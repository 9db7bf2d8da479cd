// The dictionary editors' write-back: the grids compact their slots, cut
// keys to 20 and write the separator code; the classification editor
// removes, replaces and inserts in symbol order; both write only under the
// mark "#" and read back as written.
#include "operations/dictionary_editing.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../platform/test_dir.h"
#include "operations/operation_registry.h"
#include "platform/file_system.h"
#include "platform/status_line.h"
#include "platform/workstation_marks.h"
#include "register/base_files.h"
#include "text/codepage.h"

namespace zefir::operations {
namespace {

// Marks as the workstation table would give them, recorded; `refuse` plays
// another workstation holding the file.
class RecordingMarks : public WorkstationMarks {
 public:
  bool mark(char op, std::string_view file) override {
    marks.push_back(std::string(1, op) + std::string(file));
    if (refuse) showStatus(std::string(file) + text::fromUtf8(" zajęty (3)"), StatusKind::Error);
    return !refuse;
  }
  bool unmark() override {
    ++unmarks;
    return true;
  }
  std::vector<std::string> marks;
  int unmarks = 0;
  bool refuse = false;
};

class DictionaryEditing : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = dir_.path() + "/";
    setWorkstationMarks(&marks_);
    registerBuiltOperations();
  }
  void TearDown() override { setWorkstationMarks(nullptr); }

  RunOutcome run(int option, const FieldValues& values) {
    RunEnvironment env;
    env.assets = &reg_;
    env.baseFolder = folder_;
    return wykonaOpc(*findOption(option), values, env);
  }

  testing::TempDir dir_;
  std::string folder_;
  RecordingMarks marks_;
  AssetRegister reg_;
};

TEST_F(DictionaryEditing, GridWritesSlotsWithoutGapsKeysCutAndSeparator) {
  ASSERT_TRUE(reg_.places.add({"MAG", "magazyn"}).ok());
  ASSERT_TRUE(reg_.places.add({"BIURO", "biuro"}).ok());
  ASSERT_TRUE(reg_.places.add({"HALA", "hala"}).ok());
  ASSERT_TRUE(reg_.places.add({"POK", "pokój"}).ok());
  dictionaryGrid().load(reg_.places, DictionaryKind::Places);
  // The window as the dialog stores it: slot 2 emptied, a key over 20
  // characters, a description over 50, a colon in a description.
  FieldValues v;
  v.setAll("HMUS", {"MAG", "", "HALA", "POK", std::string(25, 'K')});
  v.setAll("HMUO", {"magazyn: parter", "biuro", "hala", std::string(60, 'd'), "nowy"});
  ASSERT_TRUE(run(56, v).status.ok());

  const std::string path = folder_ + "MiejscaU.MST";
  const std::string file = *platform::readWholeFile(path);
  EXPECT_EQ(file.substr(0, 22), "MAG" + std::string(17, ' ') + "\x04m");
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 4);
  Dictionary back;
  base::loadDictionary(back, path);
  ASSERT_EQ(back.count(), 5);
  EXPECT_EQ(back.entry(1).description, "magazyn: parter");
  EXPECT_EQ(back.entry(2).key, "HALA");
  EXPECT_EQ(back.entry(3).description, std::string(50, 'd'));
  EXPECT_EQ(back.entry(4).key, std::string(20, 'K'));
  // The register's dictionary and the grid hold the written entries, compacted.
  ASSERT_EQ(reg_.places.count(), 5);
  EXPECT_EQ(reg_.places.entry(2).key, "HALA");
  EXPECT_EQ(dictionaryGrid().slot(4).key, std::string(20, 'K'));
  EXPECT_EQ(dictionaryGrid().slot(5).key, "");
  EXPECT_EQ(marks_.marks, std::vector<std::string>{"#" + path});
  EXPECT_EQ(marks_.unmarks, 1);
}

TEST_F(DictionaryEditing, ScrolledWindowEditsItsOwnSlotsAndStopsAtBothEnds) {
  DictionaryGrid& grid = dictionaryGrid();
  grid.load(reg_.persons, DictionaryKind::Persons);
  EXPECT_FALSE(grid.scroll(-1));
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(grid.scroll(1));
  EXPECT_EQ(grid.top(), 21);
  EXPECT_EQ(grid.slotOfRow(11), 31);
  FieldValues v;
  v.setAll("HOOS", {"", "", "", "", "", "", "", "", "", "", "KOWALSKI"});
  ASSERT_TRUE(run(57, v).status.ok());
  // Slot 31 is the only entry, so it is written as the first.
  Dictionary back;
  base::loadDictionary(back, folder_ + "Osoby.OST");
  ASSERT_EQ(back.count(), 2);
  EXPECT_EQ(back.entry(1).key, "KOWALSKI");
  for (int i = 0; i < 2000; ++i) grid.scroll(1);
  EXPECT_EQ(grid.slotOfRow(kGridWindowRows), kDictionaryCapacity);
  EXPECT_FALSE(grid.scroll(1));
}

TEST_F(DictionaryEditing, RefusedMarkOrFailedWriteKeepsTheOldDictionary) {
  ASSERT_TRUE(reg_.accounts.add({"011", "Budynki"}).ok());
  const std::string path = folder_ + "Konta.KST";
  base::saveDictionary(reg_.accounts, path);
  const std::string before = *platform::readWholeFile(path);
  dictionaryGrid().load(reg_.accounts, DictionaryKind::Accounts);
  FieldValues v;
  v.setAll("HKoS", {"", "013"});
  marks_.refuse = true;
  EXPECT_FALSE(run(58, v).status.ok());
  EXPECT_EQ(*platform::readWholeFile(path), before);
  EXPECT_EQ(reg_.accounts.entry(1).key, "011");
  EXPECT_EQ(marks_.unmarks, 0);  // nothing was marked
  // A folder standing where the temporary file goes: the write fails.
  marks_.refuse = false;
  ASSERT_TRUE(platform::createFolder(base::sideFileTemporary(path)));
  EXPECT_FALSE(run(58, v).status.ok());
  EXPECT_EQ(*platform::readWholeFile(path), before);
  EXPECT_EQ(marks_.unmarks, 1);
}

TEST(ClassificationRate, DecimalClampedThenHundredths) {
  EXPECT_EQ(classificationRate("2.5"), 250);
  EXPECT_EQ(classificationRate("2,5"), 250);
  EXPECT_EQ(classificationRate("14.005"), 1401);
  EXPECT_EQ(classificationRate("-3"), 0);
  EXPECT_EQ(classificationRate("250"), 10000);
  EXPECT_EQ(classificationRate(""), 0);
  EXPECT_EQ(classificationRateText(250), "2.5");
  EXPECT_EQ(classificationRateText(2000), "20");
  EXPECT_EQ(classificationRate(classificationRateText(1401)), 1401);
}

class ClassificationEditing : public DictionaryEditing {
 protected:
  void SetUp() override {
    DictionaryEditing::SetUp();
    for (const char* s : {"010", "101", "491", "741"})
      ASSERT_TRUE(reg_.classification.add({s, std::string("grupa ") + s, 250}).ok());
  }
  FieldValues edit(const char* symbol, const char* renamed, const char* rate, const char* name) {
    FieldValues v;
    v.set("HKSE", symbol);
    v.set("HKSX", renamed);
    v.set("HKSS", rate);
    v.set("HKSO", name);
    return v;
  }
  std::vector<std::string> fileSymbols() {
    ClassificationTable back;
    base::loadClassificationTable(back, folder_ + "KST");
    std::vector<std::string> out;
    for (const ClassificationEntry& e : back.entries())
      out.push_back(e.symbol + "/" + std::to_string(e.rate) + "/" + e.name);
    return out;
  }
};

TEST_F(ClassificationEditing, UnchangedEntryWritesNothing) {
  ASSERT_TRUE(run(55, edit("491", "", "2.5", "grupa 491")).status.ok());
  EXPECT_FALSE(platform::exists(folder_ + "KST"));
  EXPECT_TRUE(marks_.marks.empty());
}

TEST_F(ClassificationEditing, RenameRemovesTheOldAndInsertsInOrder) {
  ASSERT_TRUE(run(55, edit("491", "200", "30", "Komputery")).status.ok());
  const std::vector<std::string> expected{"010/250/grupa 010", "101/250/grupa 101",
                                          "200/3000/Komputery", "741/250/grupa 741"};
  EXPECT_EQ(fileSymbols(), expected);
  EXPECT_EQ(reg_.classification.count(), 5);
  EXPECT_EQ(marks_.marks, std::vector<std::string>{"#" + folder_ + "KST"});
  // Renaming onto an existing symbol replaces that entry.
  ASSERT_TRUE(run(55, edit("010", "741", "1.5", "Budynki")).status.ok());
  const std::vector<std::string> replaced{"101/250/grupa 101", "200/3000/Komputery",
                                          "741/150/Budynki"};
  EXPECT_EQ(fileSymbols(), replaced);
}

TEST_F(ClassificationEditing, NewSymbolInsertedSameSymbolReplaced) {
  ASSERT_TRUE(run(55, edit("000", "", "0", "Grunty")).status.ok());
  ASSERT_TRUE(run(55, edit("741", "", "120", "Samochody")).status.ok());
  const std::vector<std::string> expected{"000/0/Grunty", "010/250/grupa 010", "101/250/grupa 101",
                                          "491/250/grupa 491", "741/10000/Samochody"};
  EXPECT_EQ(fileSymbols(), expected);
}

TEST_F(ClassificationEditing, OverlongSymbolRefusedAndTableUnchanged) {
  EXPECT_FALSE(run(55, edit("491", "4910", "30", "x")).status.ok());
  EXPECT_EQ(reg_.classification.count(), 5);
  EXPECT_TRUE(reg_.classification.find("491"));
  EXPECT_FALSE(platform::exists(folder_ + "KST"));
}

// An emptied name deletes the group once the question is answered yes; no
// or cancel leave the table and its file as they were.
TEST_F(ClassificationEditing, EmptiedNameDeletesTheGroupAfterYesAndRewritesTheFile) {
  base::saveClassificationTable(reg_.classification, folder_ + "KST");
  std::vector<std::string> asked;
  char answer = 'N';
  auto runAnswering = [&](const FieldValues& values) {
    RunEnvironment env;
    env.assets = &reg_;
    env.baseFolder = folder_;
    env.choose = [&](std::string_view question, char defaultAnswer) {
      asked.push_back(text::toUtf8(question) + "/" + defaultAnswer);
      return answer;
    };
    return wykonaOpc(*findOption(55), values, env).status;
  };
  for (char refusal : {'N', char{0}}) {
    answer = refusal;
    EXPECT_FALSE(runAnswering(edit("491", "", "2.5", "  ")).ok());
  }
  EXPECT_EQ(asked, (std::vector<std::string>{"Skasować go /N", "Skasować go /N"}));
  EXPECT_EQ(fileSymbols().size(), 4u);
  EXPECT_TRUE(marks_.marks.empty());

  answer = 'T';
  ASSERT_TRUE(runAnswering(edit("491", "", "2.5", "")).ok());
  const std::vector<std::string> expected{"010/250/grupa 010", "101/250/grupa 101",
                                          "741/250/grupa 741"};
  EXPECT_EQ(fileSymbols(), expected);
  EXPECT_FALSE(reg_.classification.find("491"));
  EXPECT_EQ(marks_.marks, std::vector<std::string>{"#" + folder_ + "KST"});
  // Only the table is left in the folder: the temporary file took its name.
  int files = 0;
  for ([[maybe_unused]] const auto& f : std::filesystem::directory_iterator(folder_)) ++files;
  EXPECT_EQ(files, 1);

  // A symbol the table does not hold has nothing to delete: it is added.
  asked.clear();
  ASSERT_TRUE(runAnswering(edit("491", "", "2.5", "")).ok());
  EXPECT_TRUE(asked.empty());
  EXPECT_TRUE(reg_.classification.find("491"));
}

TEST_F(ClassificationEditing, PagingFindsByPrefixAndClamps) {
  const ClassificationTable& t = reg_.classification;
  EXPECT_EQ(classificationStep(t, "4", 1), "741");
  EXPECT_EQ(classificationStep(t, "49", -1), "101");
  EXPECT_EQ(classificationStep(t, "101", -10), "010");
  EXPECT_EQ(classificationStep(t, "101", 10), "741");
  EXPECT_EQ(classificationStep(ClassificationTable{}, "1", 1), "");
}

}  // namespace
}  // namespace zefir::operations
