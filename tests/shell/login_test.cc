#include "shell/login.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/file_system.h"
#include "platform/shared_file.h"
#include "shell/shell_state.h"
#include "shell/workstation_table.h"
#include "shell_test_folder.h"
#include "text/codepage.h"

namespace zefir::shell {
namespace {

using testing::ProgramFolder;

std::string cp(const char* utf8) {
  return text::fromUtf8(utf8);
}

TEST(LoginFile, FieldsNumbersAndRightsLetters) {
  LoginEntry e = parseLoginLine("7,Jan,tajne,Księgowa,dane,Firma,ignored");
  EXPECT_EQ(e.workstation, 7);
  EXPECT_EQ(e.login, "Jan");
  EXPECT_EQ(e.password, "tajne");
  EXPECT_EQ(e.rights, 'K');
  EXPECT_EQ(e.baseFolder, "dane");
  EXPECT_EQ(e.baseName, "Firma");

  EXPECT_EQ(parseLoginLine("000,a,b,A").workstation, 0);
  EXPECT_EQ(parseLoginLine("197,a,b,A").workstation, 197);
  for (const char* bad : {"0x,a,b,A", "198,a,b,A", ",a,b,A", "0007,a,b,A", " 7,a,b,A"})
    EXPECT_EQ(parseLoginLine(bad).workstation, -1) << bad;
  // Only the four capital letters give rights; anything else, or nothing, is "W".
  for (const char* line : {"1,a,b,k", "1,a,b,X", "1,a,b", "1,a,b,"})
    EXPECT_EQ(parseLoginLine(line).rights, 'W') << line;
  // Only the first 80 characters of a clear-password line are read.
  EXPECT_EQ(parseLoginLine("1,a,b,O," + std::string(80, 'x')).baseFolder.size(), 80u - 8u);
}

TEST(LoginFile, LoginIsFoundInAnyLetterCaseOnUsableLinesOnly) {
  const std::string file = "0x,anna,zle,A\r\n12,ANNA,dobre,F\r\n3,piotr,p,O\n";
  auto e = findLogin(file, "Anna");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->workstation, 12);
  EXPECT_EQ(findLogin(file, "PIOTR")->rights, 'O');
  EXPECT_FALSE(findLogin(file, "pawel"));
  EXPECT_FALSE(findLogin("", "anna"));
  // Polish letters compare without regard to case too.
  EXPECT_TRUE(findLogin(cp("5,Łucja,x,A"), cp("łUCJA")));
}

TEST(LoginFile, ClearAndHashedPasswordsIgnoreLetterCase) {
  EXPECT_TRUE(passwordMatches("Tajne", "tAJNE"));
  EXPECT_TRUE(passwordMatches(cp("żółw"), cp("ŻÓŁW")));
  EXPECT_FALSE(passwordMatches("Tajne", "Tajne1"));
  EXPECT_FALSE(passwordMatches("Tajne", ""));

  const std::string hash = hashPassword(cp("Różne1"));
  ASSERT_TRUE(isHashedPassword(hash));
  EXPECT_EQ(hash.find(','), std::string::npos);  // it must stay one field
  EXPECT_NE(hashPassword(cp("Różne1")), hash);   // salted
  EXPECT_TRUE(passwordMatches(hash, cp("rÓŻNE1")));
  EXPECT_FALSE(passwordMatches(hash, cp("Różne2")));
  EXPECT_FALSE(passwordMatches(hash, hash));
  // A hashed line is read whole although longer than 80 characters.
  const auto e = findLogin("4,ewa," + hash + ",K,dane", "EWA");
  ASSERT_TRUE(e);
  EXPECT_TRUE(passwordMatches(e->password, cp("różne1")));
  EXPECT_EQ(e->baseFolder, "dane");
}

// A hash names its own cost, and the login file may hold a line the password
// page never wrote: a cost beyond bounds is refused without verifying (which
// would take hours or gigabytes), while the cost the page writes still works.
TEST(LoginFile, HashAskingForAnUnboundedCostIsRefusedUnverified) {
  const std::string hash = hashPassword("X");
  const std::size_t cost = hash.find("$m=");
  ASSERT_NE(cost, std::string::npos);
  const std::size_t costEnd = hash.find('$', cost + 1);
  auto withCost = [&](const std::string& c) {
    return hash.substr(0, cost + 1) + c + hash.substr(costEnd);
  };
  EXPECT_TRUE(passwordMatches(withCost(hash.substr(cost + 1, costEnd - cost - 1)), "x"));
  EXPECT_FALSE(passwordMatches(withCost("m=8.t=4000000000.p=1"), "x"));  // hours of passes
  EXPECT_FALSE(passwordMatches(withCost("m=4194304.t=1.p=1"), "x"));     // 4 GiB
  EXPECT_FALSE(passwordMatches(withCost("m=65536.t=2.p=64"), "x"));
  EXPECT_FALSE(passwordMatches(withCost("m=99999999999999999999999.t=2.p=1"), "x"));
  EXPECT_FALSE(passwordMatches(withCost("t=2.m=65536.p=1"), "x"));
}

TEST(LoginFile, PasswordPageHashesTheUsersFieldOnly) {
  ProgramFolder folder;
  const std::string before = "1,adam,stare,A,,,uwagi\r\n2,ewa,ewy,K\r\n";
  ProgramFolder::write(kLoginFile, before);

  // Refusals leave the file as it was.
  EXPECT_FALSE(changePassword(kLoginFile, "ADAM", "zle", "nowe", "nowe").ok());
  EXPECT_FALSE(changePassword(kLoginFile, "adam", "stare", "nowe", "inne").ok());
  EXPECT_FALSE(changePassword(kLoginFile, "adam", "stare", "", "").ok());
  EXPECT_FALSE(changePassword(kLoginFile, "adam", "stare", "a,b", "a,b").ok());
  EXPECT_FALSE(changePassword(kLoginFile, "nikt", "x", "nowe", "nowe").ok());
  EXPECT_EQ(ProgramFolder::read(kLoginFile), before);

  ASSERT_TRUE(changePassword(kLoginFile, "ADAM", "STARE", "Nowe", "Nowe").ok());
  const std::string after = ProgramFolder::read(kLoginFile);
  EXPECT_EQ(after.find("stare"), std::string::npos);
  EXPECT_NE(after.find("\r\n2,ewa,ewy,K\r\n"), std::string::npos);
  const auto adam = findLogin(after, "adam");
  ASSERT_TRUE(adam);
  EXPECT_TRUE(isHashedPassword(adam->password));
  EXPECT_TRUE(passwordMatches(adam->password, "nowe"));
  EXPECT_EQ(adam->rights, 'A');
  struct stat st {};
  ASSERT_EQ(::stat(kLoginFile, &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);

  // A hashed password is changed again through its hash.
  EXPECT_FALSE(changePassword(kLoginFile, "adam", "stare", "x", "x").ok());
  EXPECT_TRUE(changePassword(kLoginFile, "adam", "nowe", "trzecie", "trzecie").ok());
  EXPECT_TRUE(checkLogin(kLoginFile, "Adam", "TRZECIE", 0).ok);
}

class LoginCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::systemCalls().sleepMs = [](int ms) { waits().push_back(ms); };
    waits().clear();
  }
  static std::vector<int>& waits() {
    static std::vector<int> w;
    return w;
  }
  ProgramFolder folder_;
  platform::RestoreSystemCalls restore_;
};

TEST_F(LoginCheck, GoodLoginGivesTheWorkstationItsSettings) {
  ProgramFolder::write(kLoginFile,
                       "7,Kasia,Haslo,K,,\r\n9,Ola," + hashPassword("x") + ",O,biuro,Firma\r\n");
  LoginOutcome k = checkLogin(kLoginFile, "KASIA", "hASLO");
  ASSERT_TRUE(k.ok) << k.message;
  EXPECT_EQ(k.entry.workstation, 7);
  EXPECT_EQ(k.suffix, ".007");
  EXPECT_EQ(k.entry.rights, 'K');
  EXPECT_EQ(k.baseFolder, "");
  EXPECT_EQ(k.baseName, "Srodki");
  EXPECT_EQ(k.message, cp("Za chwilę dalszy ciąg programu ..."));
  LoginOutcome o = checkLogin(kLoginFile, "ola", "X");
  ASSERT_TRUE(o.ok);
  EXPECT_EQ(o.baseFolder, "biuro/");
  EXPECT_EQ(o.baseName, "Firma");
  EXPECT_TRUE(waits().empty());  // a good login does not wait
}

// A login file of hundreds of megabytes is no login file: it is not read
// into memory, and the page says it could not be read.
TEST_F(LoginCheck, AHugeLoginFileIsRefusedUnread) {
  ProgramFolder::write(kLoginFile, "7,Kasia,Haslo,K,,\r\n");
  std::filesystem::resize_file(kLoginFile, platform::kMaxWholeFileBytes + 1);
  const LoginOutcome k = checkLogin(kLoginFile, "KASIA", "hASLO");
  EXPECT_FALSE(k.ok);
  EXPECT_EQ(k.message, cp("Błąd odczytu !\\Login.txt"));
}

TEST_F(LoginCheck, FailuresWaitAndSayTheSameWhateverWasWrong) {
  ProgramFolder::write(kLoginFile,
                       "7,Kasia,Haslo,K\r\n0x,Basia,b,A\r\n8,Ela," + hashPassword("e") + ",A\r\n");
  const LoginOutcome wrongPassword = checkLogin(kLoginFile, "kasia", "haslo2", 700);
  const LoginOutcome wrongLogin = checkLogin(kLoginFile, "nikt", "Haslo", 700);
  const LoginOutcome unusableLine = checkLogin(kLoginFile, "basia", "b", 700);
  const LoginOutcome wrongHashed = checkLogin(kLoginFile, "ela", "f", 700);
  for (const LoginOutcome& o : {wrongPassword, wrongLogin, unusableLine, wrongHashed}) {
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.message, cp("Zły login lub hasło"));
  }
  EXPECT_EQ(waits(), (std::vector<int>{700, 700, 700, 700}));

  std::filesystem::remove(kLoginFile);
  const LoginOutcome missing = checkLogin(kLoginFile, "kasia", "Haslo", 700);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.message, cp("Błąd odczytu !\\Login.txt"));
}

TEST_F(LoginCheck, WorkstationEntersOnceAndTakesOverACrashedLoginMarker) {
  ProgramFolder::write(kLoginFile, "7,kasia,h,K\r\n");
  const LoginOutcome k = checkLogin(kLoginFile, "kasia", "h");
  ASSERT_TRUE(k.ok);
  // Left by a workstation 7 that crashed: nobody holds it.
  ProgramFolder::write(loginMarkerPath("", ".007"), "");
  StartupMarker first;
  ASSERT_TRUE(enterWorkstation(k, first).ok());
  EXPECT_TRUE(first.held());
  EXPECT_TRUE(platform::exists("Kosz"));
  const std::string table = ProgramFolder::read(kWorkstationTable);
  ASSERT_EQ(table.size(), 50000u);
  EXPECT_EQ(WorkstationRecord::decode(std::string_view(table).substr(7 * 250, 250)).file,
            loginMarkerPath("", ".007"));

  StartupMarker second;  // the same login at another desktop
  const Status again = enterWorkstation(k, second);
  EXPECT_EQ(again.message(), cp("Stanowisko .007 pracuje"));
  EXPECT_FALSE(second.held());
  first.release();
  EXPECT_TRUE(enterWorkstation(k, second).ok());
}

TEST_F(LoginCheck, RightsLetterDecidesWhetherOptionsOpen) {
  ProgramFolder::write(kLoginFile, "7,kasia,h,K,,\r\n8,wojtek,w,Widz,biuro,\r\n");
  ShellState state;
  state.start = startModeFrom("", true);
  state.baseFolder = "stary/";
  state.baseName = "Inna";
  applyLogin(checkLogin(kLoginFile, "KASIA", "H"), state);
  EXPECT_EQ(state.start.mode, 7);
  EXPECT_EQ(state.start.suffix, ".007");
  EXPECT_TRUE(state.start.network);
  EXPECT_TRUE(state.start.mayOpenOptions());
  EXPECT_EQ(state.mainBaseFile(), "Srodki.PST");  // the program folder's base

  applyLogin(checkLogin(kLoginFile, "wojtek", "w"), state);
  EXPECT_EQ(state.start.rights, 'W');
  EXPECT_FALSE(state.start.mayOpenOptions());
  EXPECT_EQ(state.mainBaseFile(), "biuro/Srodki.PST");
}

TEST(WaitingAtLogin, TwoWorkstationsWaitAtTheLoginPageTogether) {
  ProgramFolder folder;
  StartupMarker first, second;
  EXPECT_EQ(first.create(waitingMarkerPath("", 4101)), StartupMarker::Result::Created);
  EXPECT_EQ(second.create(waitingMarkerPath("", 4102)), StartupMarker::Result::Created);
  const WorkingWorkstations w = countWorkingWorkstations(markerFolder(""));
  EXPECT_EQ(w.count, 2);
  for (bool noted : w.working) EXPECT_FALSE(noted);
  first.release();
  EXPECT_EQ(countWorkingWorkstations(markerFolder("")).count, 1);
}

}  // namespace
}  // namespace zefir::shell
