#include "shell/workstation_table.h"

#include <gtest/gtest.h>

#include "platform/status_line.h"
#include "shell/workstations.h"
#include "shell_test_folder.h"
#include "text/codepage.h"

namespace zefir::shell {
namespace {

using testing::ProgramFolder;

WorkstationRecord station(int n) {
  WorkstationRecord r;
  r.number = n;
  return r;
}

TEST(WorkstationTable, RecordKeepsEveryFieldInItsTwoHundredFiftyBytes) {
  WorkstationRecord r = station(197);
  r.user = "KOWALSKI";
  r.uses[0] = {'#', "dane\\Srodki.PST"};
  r.uses[2] = {'+', std::string(30, 'x')};
  r.documents[4] = "OT 12/2026";
  r.file = "Srodki.PST";
  const std::string bytes = r.encode();
  ASSERT_EQ(bytes.size(), 250u);
  WorkstationRecord back = WorkstationRecord::decode(bytes);
  EXPECT_EQ(back.number, 197);
  EXPECT_EQ(back.user, "KOWALSKI");
  EXPECT_EQ(back.uses[0].mark, '#');
  EXPECT_EQ(back.uses[0].name, "dane\\Srodki.PST");
  EXPECT_EQ(back.uses[2].name, std::string(30, 'x'));
  EXPECT_EQ(back.documents[4], "OT 12/2026");
  EXPECT_EQ(back.file, "Srodki.PST");
  EXPECT_EQ(WorkstationRecord::decode(std::string(250, '\0')).user, "");
}

TEST(WorkstationTable, ReadersShareAFileAndAWriterExcludesThem) {
  WorkstationRecord other = station(3);
  WorkstationRecord own = station(5);
  EXPECT_EQ(applyMark(other, {own}, '+', "Srodki.PST"), "");
  EXPECT_EQ(applyMark(own, {other}, '+', "Srodki.PST"), "");  // reading never conflicts
  EXPECT_EQ(applyMark(own, {other}, '#', "Srodki.PST"), text::fromUtf8("Srodki.PST zajęty (3)"));
  EXPECT_EQ(own.uses[0].mark, '+');  // a refused mark changes nothing
  EXPECT_EQ(own.uses[1].mark, 0);
  EXPECT_EQ(applyMark(own, {other}, '#', "Osoby.OST"), "");  // another file is free

  WorkstationRecord a = station(1), b = station(2);
  EXPECT_EQ(applyMark(a, {b}, '@', "X"), "");
  EXPECT_NE(applyMark(b, {a}, '@', "X"), "");
  EXPECT_EQ(applyMark(b, {a}, '+', "X"), "");
  EXPECT_TRUE(marksConflict('+', '#'));
  EXPECT_FALSE(marksConflict('+', '@'));
}

TEST(WorkstationTable, UsersAndDocumentsAreTakenByOneWorkstationAtATime) {
  WorkstationRecord a = station(1), b = station(2);
  EXPECT_EQ(applyMark(a, {b}, '$', "NOWAK"), "");
  EXPECT_NE(applyMark(b, {a}, '$', "NOWAK"), "");
  EXPECT_EQ(applyMark(b, {a}, '$', ""), "");  // clearing the name never conflicts
  EXPECT_EQ(applyMark(a, {b}, 'D', "OT 1"), "");
  EXPECT_EQ(applyMark(b, {a}, 'D', "OT 1"), text::fromUtf8("OT 1 zajęty (1)"));
  EXPECT_EQ(applyMark(a, {b}, 'd', "OT 1"), "");
  EXPECT_EQ(applyMark(b, {a}, 'D', "OT 1"), "");
}

TEST(WorkstationTable, StackKeepsThreeNamesAndUnmarkingAPushedOutNameEnds) {
  WorkstationRecord own = station(4);
  for (const char* n : {"A", "B", "C", "D"}) ASSERT_EQ(applyMark(own, {}, '+', n), "");
  EXPECT_EQ(own.uses[0].name, "D");
  EXPECT_EQ(own.uses[2].name, "B");
  EXPECT_EQ(applyMark(own, {}, '-', "C"), "");
  EXPECT_EQ(own.uses[0].name, "D");
  EXPECT_EQ(own.uses[1].name, "B");
  EXPECT_EQ(own.uses[2].mark, 0);
  EXPECT_EQ(applyMark(own, {}, '-', "A"), "");  // pushed out long ago: removed
  EXPECT_EQ(applyMark(own, {}, '!', "Srodki.PST"), "");
  EXPECT_EQ(own.file, "Srodki.PST");
  EXPECT_EQ(applyMark(own, {}, 'x', "A"), text::fromUtf8("Zły x"));
}

TEST(WorkstationTable, ClearingARecordWithAUserSaysItWasRepeated) {
  WorkstationRecord own = station(6);
  own.user = "NOWAK";
  own.uses[0] = {'#', "Srodki.PST"};
  std::string notice;
  EXPECT_EQ(applyMark(own, {}, '?', "", &notice), "");
  EXPECT_EQ(notice, text::fromUtf8("Powtórzony Użytkownik"));
  EXPECT_EQ(own.user, "");
  EXPECT_EQ(own.uses[0].mark, 0);
  EXPECT_EQ(own.number, 6);
}

TEST(WorkstationTable, MarksOfTwoWorkstationsMeetInTheTableFile) {
  ProgramFolder folder;
  RememberingStatusLine status;
  setStatusLine(&status);
  ASSERT_TRUE(clearIdleWorkstations(kWorkstationTable, {}).ok());
  TableMarks three(kWorkstationTable, 3);
  TableMarks five(kWorkstationTable, 5);
  EXPECT_TRUE(three.mark('+', "Srodki.PST"));
  EXPECT_TRUE(five.mark('+', "Srodki.PST"));
  EXPECT_TRUE(five.unmark());
  EXPECT_FALSE(five.mark('#', "Srodki.PST"));
  EXPECT_EQ(status.last_text, text::fromUtf8("Srodki.PST zajęty (3)"));
  EXPECT_EQ(status.last_kind, StatusKind::Error);
  EXPECT_TRUE(three.unmark());
  EXPECT_TRUE(five.mark('#', "Srodki.PST"));
  EXPECT_TRUE(five.unmark());
  EXPECT_TRUE(five.unmark());  // nothing left to unmark
  const std::string table = ProgramFolder::read("!/!.!");
  ASSERT_EQ(table.size(), 50000u);
  EXPECT_EQ(WorkstationRecord::decode(std::string_view(table).substr(5 * 250, 250)).number, 5);
  setStatusLine(nullptr);
}

}  // namespace
}  // namespace zefir::shell
