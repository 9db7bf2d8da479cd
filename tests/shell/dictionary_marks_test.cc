// The dictionary editors' write-back between two workstations: while one
// holds the dictionary file, the other's write is refused with the holder's
// number and leaves the file as it was; once released, it goes through.
#include <gtest/gtest.h>

#include "operations/dictionary_editing.h"
#include "platform/file_system.h"
#include "platform/status_line.h"
#include "platform/workstation_marks.h"
#include "register/base_files.h"
#include "shell/workstation_table.h"
#include "shell/workstations.h"
#include "shell_test_folder.h"
#include "text/codepage.h"

namespace zefir::shell {
namespace {

using testing::ProgramFolder;

TEST(DictionaryMarks, WriteRefusedWhileAnotherWorkstationHoldsTheFile) {
  ProgramFolder folder;
  RememberingStatusLine status;
  setStatusLine(&status);
  ASSERT_TRUE(clearIdleWorkstations(kWorkstationTable, {}).ok());
  TableMarks three(kWorkstationTable, 3);
  TableMarks five(kWorkstationTable, 5);
  setWorkstationMarks(&five);

  Dictionary persons;
  ASSERT_TRUE(persons.add({"NOWAK", "Anna"}).ok());
  base::saveDictionary(persons, base::kPersonsFile);
  const std::string before = ProgramFolder::read(base::kPersonsFile);
  operations::DictionaryGrid grid;
  grid.load(persons, operations::DictionaryKind::Persons);
  grid.setKey(2, "KOWALSKI");

  ASSERT_TRUE(three.mark('#', base::kPersonsFile));  // workstation 3 is writing it
  EXPECT_FALSE(grid.writeBack(persons, base::kPersonsFile).ok());
  EXPECT_EQ(status.last_text, text::fromUtf8("Osoby.OST zajęty (3)"));
  EXPECT_EQ(ProgramFolder::read(base::kPersonsFile), before);
  EXPECT_EQ(persons.count(), 2);

  ASSERT_TRUE(three.unmark());
  ASSERT_TRUE(grid.writeBack(persons, base::kPersonsFile).ok());
  EXPECT_EQ(persons.count(), 3);
  // Workstation 5 let the file go after writing: 3 may write it again.
  EXPECT_TRUE(three.mark('#', base::kPersonsFile));
  EXPECT_TRUE(three.unmark());
  setWorkstationMarks(nullptr);
  setStatusLine(nullptr);
}

}  // namespace
}  // namespace zefir::shell
