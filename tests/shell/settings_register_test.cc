#include "shell/settings_register.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../platform/test_dir.h"
#include "platform/file_system.h"
#include "platform/shared_file.h"
#include "platform/status_line.h"
#include "shell/settings_register_file.h"
#include "text/codepage.h"

namespace zefir::shell {
namespace {

using testing::TempDir;

std::string contents(const std::string& path) {
  return platform::readWholeFile(path).value_or("<missing>");
}

// Waits and retries cost no time; the waits are counted.
class SettingsRegisterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::systemCalls().sleepMs = [](int ms) { waited_ms += ms; };
    waited_ms = 0;
  }
  std::string write(const std::string& name, const std::string& text) {
    std::string path = dir_.file(name);
    EXPECT_TRUE(platform::writeWholeFile(path, text));
    return path;
  }
  static inline int waited_ms = 0;
  platform::RestoreSystemCalls restore_;
  TempDir dir_;
};

TEST_F(SettingsRegisterTest, PerWorkstationKeysKeepWorkstationsApart) {
  std::string path = write("Zefir.BAL",
                           "\r\n  Rejestr.Zefir.BAL\r\n"
                           " KonOkien.006 = Arial;Bold;12\r\n"
                           " KonOkien.005 = Tahoma;----;9\r\n"
                           " FolderIE.xxx = C:\\Dane\\");
  SettingsRegister five;
  ASSERT_TRUE(five.load(path, ".005"));
  EXPECT_EQ(five.field("KonOkien", 1), "Tahoma");
  EXPECT_EQ(five.number("KonOkien", 3), 9);
  EXPECT_EQ(five.text("FolderIE.xxx"), "C:\\Dane\\");  // common to all workstations
  SettingsRegister six;
  ASSERT_TRUE(six.load(path, ".006"));
  EXPECT_EQ(six.field("KonOkien", 1), "Arial");
  SettingsRegister seven;
  ASSERT_TRUE(seven.load(path, ".007"));
  EXPECT_FALSE(seven.has("KonOkien"));
  EXPECT_EQ(seven.text("KonOkien"), "c Consolas;Bold;11;9;6;6;4;3;2");
  EXPECT_EQ(seven.text("FolderIE.xxx"), "C:\\Dane\\");
  EXPECT_EQ(readSetting(path, ".006", "KonOkien").field(2), "Bold");
}

TEST_F(SettingsRegisterTest, KeysMatchInNormalForm) {
  std::string path = write("Zefir.BAL",
                           " kon-okien.005 = Hand;made\r\n"
                           "  Dla kogo.005 =    Firma ABC\r\n"
                           " KonOkien.005 = second line of the key is not read\r\n"
                           "Just a header line\r\n");
  SettingsRegister reg;
  ASSERT_TRUE(reg.load(path, ".005"));
  EXPECT_EQ(reg.stored("KonOkien").text(), "Hand;made");  // the first line of a key wins
  EXPECT_EQ(reg.text("Dla kogo"), "Firma ABC");           // leading blanks dropped
  EXPECT_EQ(keyNormalForm(" kon-okien.005 = x"), "KONOKIEN.005");
  EXPECT_EQ(keyNormalForm("  Rejestr.#\\Zefir.BAL"), "REJESTR.ZEFI");
  // Only the first 20 characters hold the key.
  EXPECT_EQ(keyNormalForm(" abcdefghijklmnopqrstuvwxyz = 1"), "ABCDEFGHIJKL");
  EXPECT_EQ(keyNormalForm("                    KonOkien = 1"), "");
}

TEST_F(SettingsRegisterTest, EqualValueLeavesTheFileUntouched) {
  const std::string text = " KonOkien.005 = Arial;Bold";
  std::string path = write("Zefir.BAL", text);
  auto stamp = platform::fileStamp(path);
  SettingsRegister reg;
  ASSERT_TRUE(reg.load(path, ".005"));
  ASSERT_TRUE(reg.set("KonOkien", "Arial;Bold"));
  ASSERT_TRUE(writeSetting(path, ".005", "KonOkien", "  Arial;Bold"));
  ASSERT_TRUE(writeSetting(path, ".005", "SroE", ""));  // absent reads as empty
  EXPECT_EQ(contents(path), text);
  EXPECT_EQ(platform::fileStamp(path), stamp);
  EXPECT_FALSE(platform::exists(path + ".005"));
}

TEST_F(SettingsRegisterTest, WrittenEntryIsAppendedLastWithoutLineEnd) {
  const std::string before =
      "\r\n  Rejestr.Zefir.BAL\r\n GlebPods.005 = 0;1;3\r\n PokZlikw.006 = T";
  std::string path = write("Zefir.BAL", before);
  ASSERT_TRUE(writeSetting(path, ".005", "Dla kogo", "Firma X"));
  EXPECT_EQ(contents(path), before + "\r\n Dla kogo.005 = Firma X");
  // A key already there moves to the end with its new value; short keys are padded to 8.
  ASSERT_TRUE(writeSetting(path, ".005", "GlebPods", "1;1;1"));
  ASSERT_TRUE(writeSetting(path, ".005", "SroE", "A/1"));
  EXPECT_EQ(contents(path),
            "\r\n  Rejestr.Zefir.BAL\r\n PokZlikw.006 = T\r\n Dla kogo.005 = Firma X\r\n"
            " GlebPods.005 = 1;1;1\r\n     SroE.005 = A/1");
  EXPECT_FALSE(platform::exists(path + ".005"));  // the copy was renamed over the register
}

TEST_F(SettingsRegisterTest, EveryLineOfTheKeyIsReplacedAndOthersKeptWhole) {
  // A line longer than 80 characters (another workstation's entry) is copied whole.
  const std::string longLine = " FirmaNaz.006 = " + std::string(70, 'x');
  std::string path =
      write("Zefir.BAL", " kon-okien.005 = a\n" + longLine + "\n KonOkien.005 = b\n");
  SettingsRegister reg;
  ASSERT_TRUE(reg.load(path, ".005"));
  ASSERT_TRUE(reg.set("KonOkien", "c"));
  EXPECT_EQ(contents(path), longLine + "\r\n KonOkien.005 = c");
  EXPECT_EQ(reg.stored("KonOkien").text(), "c");
  EXPECT_EQ(readSetting(path, ".006", "FirmaNaz").text(), std::string(70, 'x'));
}

TEST_F(SettingsRegisterTest, ValuesAreCutAndCannotAddLines) {
  std::string path = write("Zefir.BAL", "");
  ASSERT_TRUE(writeSetting(path, ".005", "FirmaAdr", "ul. Polna 1\r\n KonOkien.005 = x"));
  EXPECT_EQ(readSetting(path, ".005", "KonOkien").text(), "");
  ASSERT_TRUE(writeSetting(path, ".005", "FirmaNaz", std::string(75, 'n')));
  EXPECT_EQ(readSetting(path, ".005", "FirmaNaz").text(), std::string(70, 'n'));
}

TEST_F(SettingsRegisterTest, NewRegisterGetsTheHeaderAfterWaitingForARename) {
  std::string path = dir_.path() + "/#/Zefir.BAL";
  ASSERT_TRUE(writeSetting(path, ".005", "KonOkien", "Arial"));
  EXPECT_EQ(waited_ms, 7 * 333);
  EXPECT_EQ(contents(path), "\r\n  Rejestr." + path + "\r\n KonOkien.005 = Arial");
  // A path written the Windows way names the same file.
  std::string windowsPath = dir_.path() + "\\#\\Zefir.BAL";
  ASSERT_TRUE(writeSetting(windowsPath, ".005", "KonPrint", "Arial;Bold"));
  EXPECT_EQ(readSetting(path, ".005", "KonPrint").text(), "Arial;Bold");
  EXPECT_EQ(readSetting(path, ".005", "KonOkien").text(), "Arial");
}

TEST_F(SettingsRegisterTest, NothingIsWrittenWithoutASuffix) {
  std::string path = dir_.file("Zefir.BAL");
  SettingsRegister reg;
  ASSERT_TRUE(reg.load(path, ""));  // a missing register loads empty
  ASSERT_TRUE(reg.set("KonOkien", "Arial"));
  ASSERT_TRUE(writeSetting(path, "", "Dla kogo", "X"));
  EXPECT_FALSE(platform::exists(path));
  ASSERT_TRUE(reg.setSuffix(".003"));  // after a login
  ASSERT_TRUE(reg.set("KonOkien", "Arial"));
  EXPECT_EQ(readSetting(path, ".003", "KonOkien").text(), "Arial");
}

TEST_F(SettingsRegisterTest, LettersAreReadAsStored) {
  std::string path = write("Zefir.BAL",
                           " AmElGrMi.005 = X\r\n sAmBezCa.005 = D\r\n AmBilPod.005 = p\r\n"
                           " AmElGrMi.006 = G\r\n sAmBezCa.006 = A\r\n AmBilPod.006 = P\r\n"
                           " PokZlikw.006 = Tak");
  SettingsRegister five;
  ASSERT_TRUE(five.load(path, ".005"));
  EXPECT_EQ(five.letter("AmElGrMi"), 'E');
  EXPECT_EQ(five.letter("sAmBezCa"), 'C');
  EXPECT_EQ(five.letter("AmBilPod"), 'B');
  EXPECT_EQ(five.letter("PokZlikw"), 'N');  // default
  SettingsRegister six;
  ASSERT_TRUE(six.load(path, ".006"));
  EXPECT_EQ(six.letter("AmElGrMi"), 'G');
  EXPECT_EQ(six.letter("sAmBezCa"), 'A');
  EXPECT_EQ(six.letter("AmBilPod"), 'P');
  EXPECT_EQ(six.letter("PokZlikw"), 'T');
  EXPECT_FALSE(six.value("PokZlikw").yes(1));  // a field is "yes" only when it is "T"
}

TEST(SettingValues, FieldsTextsAndNumbers) {
  SettingValue v("  c Consolas;Bold;11;-5;x7y;;99999;8;9;10;11");
  EXPECT_EQ(v.text(), "c Consolas;Bold;11;-5;x7y;;99999;8;9;10;11");
  EXPECT_EQ(v.field(1), "c Consolas");
  EXPECT_EQ(v.number(1), 0);
  EXPECT_EQ(v.number(3), 11);
  EXPECT_EQ(v.number(4), -5);
  EXPECT_EQ(v.number(5), 7);  // the field's digits
  EXPECT_EQ(v.field(6), "");
  EXPECT_EQ(v.number(7), 0);   // does not fit 16 bits
  EXPECT_EQ(v.field(9), "9");  // the first nine fields are kept
  EXPECT_EQ(v.field(10), "");
  EXPECT_EQ(v.field(0), "");
  EXPECT_EQ(SettingValue("T;N").letter(), 'T');
  EXPECT_TRUE(SettingValue("T;N").yes(1));
  EXPECT_FALSE(SettingValue("T;N").yes(2));
  EXPECT_EQ(SettingValue().letter(), ' ');
}

TEST(SettingValues, DefaultsAndValuesOverThem) {
  EXPECT_EQ(defaultSettingValue("KonRapE0"), "c Consolas;----;10;CG;600;1");
  EXPECT_EQ(defaultSettingValue("Dla kogo"), "Zorza-Soft");
  EXPECT_EQ(defaultSettingValue("DatyBOBZ"), "010118;311218");
  EXPECT_EQ(defaultSettingValue("PodsKMOK"), "3;0;0;3");
  EXPECT_EQ(defaultSettingValue("NoSuchKy"), "");
  EXPECT_EQ(settingDefaults().at("KONPRINT").kind, RegisterKind::Program);
  EXPECT_EQ(settingDefaults().at("PLAMODZN").kind, RegisterKind::Base);
  SettingValue defaults("c Consolas;Bold;11;9");
  EXPECT_EQ(overDefaults(SettingValue("Arial;;12"), defaults).text(), "Arial;Bold;12;9");
  EXPECT_EQ(overDefaults(SettingValue(""), defaults).text(), defaults.text());
  EXPECT_EQ(overDefaults(SettingValue("a;b;c;d;e"), defaults).text(), "a;b;c;d;e");
}

TEST_F(SettingsRegisterTest, SecondReportWindowFollowsTheFirst) {
  std::string path = write("Zefir.BAL", " KonRapE0.001 = Courier;Bold;9;L;500;2");
  SettingsRegister reg;
  ASSERT_TRUE(reg.load(path, ".001"));
  EXPECT_EQ(reg.text("KonRapE1"), "T;Courier;Bold;9;L;500;2");
  EXPECT_EQ(reg.text("KonPrint"), "c Consolas;Bold");
}

TEST_F(SettingsRegisterTest, BaseLocationFromTheProgramRegister) {
  std::string path = write("Zefir.BAL", " DirxBaza.001 = Dane\\\\2024\\;Firma");
  SettingsRegister reg;
  ASSERT_TRUE(reg.load(path, ".001"));
  BaseLocation base = baseLocation(reg);
  EXPECT_EQ(base.folder, "Dane\\2024\\");
  EXPECT_EQ(base.name, "Firma");
  ASSERT_TRUE(reg.set("sDirBaza", "Archiwum;Stara"));
  base = baseLocation(reg);
  EXPECT_EQ(base.folder, "Archiwum\\");
  EXPECT_EQ(base.secondName, "Stara");
  EXPECT_EQ(dirxBazaValue("Dane\\", "A;B"), "Dane\\;A,B");
  EXPECT_EQ(baseRegisterPath("Dane\\"), "Dane\\Zefir.BAL");
  EXPECT_EQ(baseRegisterPath("Dane"), "Dane\\Zefir.BAL");
  EXPECT_EQ(baseRegisterPath(""), "Zefir.BAL");
  SettingsRegister empty;
  ASSERT_TRUE(empty.load(dir_.file("none.BAL"), ".001"));
  EXPECT_EQ(baseLocation(empty).folder, "");
  EXPECT_EQ(baseLocation(empty).name, "Srodki");
}

// Another workstation replaces the register between this writer's open of
// the file by its name and the moment it gets the lock: the writer must not
// copy the replaced file's entries over the other workstation's.
struct ReplaceDuringOpen {
  static inline std::string path;
  static inline int opensBeforeReplace = 0;
  static int open(const char* name, int flags, int mode, int* error) {
    int fd = platform::realSystemCalls().open(name, flags, mode, error);
    if (name == path && opensBeforeReplace > 0 && --opensBeforeReplace == 0) {
      EXPECT_TRUE(writeSetting(path, ".001", "KeyA", "a"));
    }
    return fd;
  }
};

TEST_F(SettingsRegisterTest, RegisterReplacedWhileOpeningIsOpenedAgain) {
  for (int opens : {1, 2}) {  // the reader's open, then the writer's
    ReplaceDuringOpen::path = write("Zefir.BAL", registerHeader("Zefir.BAL"));
    ReplaceDuringOpen::opensBeforeReplace = opens;
    platform::systemCalls().open = &ReplaceDuringOpen::open;
    ASSERT_TRUE(writeSetting(ReplaceDuringOpen::path, ".002", "KeyB", "b"));
    platform::systemCalls().open = platform::realSystemCalls().open;
    EXPECT_EQ(readSetting(ReplaceDuringOpen::path, ".001", "KeyA").text(), "a") << opens;
    EXPECT_EQ(readSetting(ReplaceDuringOpen::path, ".002", "KeyB").text(), "b") << opens;
  }
}

// Collects every status text while it is installed.
class CollectingStatusLine : public StatusLine {
 public:
  CollectingStatusLine() { setStatusLine(this); }
  ~CollectingStatusLine() override { setStatusLine(nullptr); }
  void show(std::string_view text, StatusKind) override { texts.emplace_back(text); }
  std::vector<std::string> texts;
};

TEST_F(SettingsRegisterTest, LockedRegisterReadsAsDefaultsAndIsNotWritten) {
  const std::string text = " KonOkien.005 = Arial";
  std::string path = write("Zefir.BAL", text);
  CollectingStatusLine line;
  platform::SharedFile holder;
  ASSERT_EQ(holder.open(path, platform::ShareMode::Exclusive), platform::OpenError::None);
  SettingsRegister reg;
  EXPECT_FALSE(reg.load(path, ".005").ok());
  EXPECT_EQ(reg.text("KonOkien"), "c Consolas;Bold;11;9;6;6;4;3;2");
  EXPECT_EQ(line.texts.front(), "@110 " + path + " z aPulpit:zRej");
  EXPECT_EQ(line.texts.back(), "");
  line.texts.clear();
  EXPECT_FALSE(writeSetting(path, ".005", "KonOkien", "Tahoma").ok());
  EXPECT_NE(std::find(line.texts.begin(), line.texts.end(), "@1 " + path + " z aPulpit:wRej.2"),
            line.texts.end());
  holder.close();
  EXPECT_EQ(contents(path), text);
}

// A register that starts with a zero byte and still has its name was not
// replaced by another writer: it is damaged, reported at once without
// waiting, read as defaults, and written anew with the damaged copy kept.
TEST_F(SettingsRegisterTest, RegisterStartingWithAZeroByteIsDamagedNotBeingReplaced) {
  const std::string damaged = std::string(1, '\0') + " KonOkien.005 = Arial\r\n Dla kogo.005 = X";
  std::string path = write("Zefir.BAL", damaged);
  CollectingStatusLine line;
  SettingsRegister reg;
  EXPECT_FALSE(reg.load(path, ".005").ok());
  EXPECT_EQ(waited_ms, 0);
  EXPECT_EQ(reg.text("KonOkien"), "c Consolas;Bold;11;9;6;6;4;3;2");
  ASSERT_FALSE(line.texts.empty());
  EXPECT_EQ(line.texts.back(), damagedRegisterMessage(path));
  EXPECT_EQ(readSetting(path, ".005", "KonOkien").text(), "");
  EXPECT_EQ(waited_ms, 0);

  ASSERT_TRUE(writeSetting(path, ".005", "PulpitWH", "800;600"));
  EXPECT_EQ(waited_ms, 0);
  EXPECT_EQ(contents(path + ".USZ"), damaged);
  EXPECT_EQ(readSetting(path, ".005", "PulpitWH").text(), "800;600");
  EXPECT_EQ(contents(path).find('\0'), std::string::npos);
  EXPECT_TRUE(reg.load(path, ".005").ok());
}

// Two workstations closing at once: each writes its own keys into one register
// while the other does the same; every entry must survive.
TEST(SettingsRegisterProcesses, TwoWritersAtOnceLoseNothing) {
  TempDir dir;
  const std::string path = dir.file("Zefir.BAL");
  ASSERT_TRUE(platform::writeWholeFile(path, registerHeader(path)));
  constexpr int kKeys = 40;
  std::vector<pid_t> children;
  for (int station = 1; station <= 2; ++station) {
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      std::string suffix = ".00" + std::to_string(station);
      bool ok = true;
      for (int i = 0; i < kKeys; ++i) {
        std::string key = "Key" + std::to_string(i);
        ok = writeSetting(path, suffix, key, suffix + "-" + std::to_string(i)).ok() && ok;
        ok = writeSetting(path, suffix, "Common" + std::to_string(station) + ".x", key).ok() && ok;
      }
      _exit(ok ? 0 : 1);
    }
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  for (int station = 1; station <= 2; ++station) {
    std::string suffix = ".00" + std::to_string(station);
    SettingsRegister reg;
    ASSERT_TRUE(reg.load(path, suffix));
    for (int i = 0; i < kKeys; ++i)
      EXPECT_EQ(reg.text("Key" + std::to_string(i)), suffix + "-" + std::to_string(i));
    EXPECT_EQ(reg.text("Common" + std::to_string(station) + ".x"),
              "Key" + std::to_string(kKeys - 1));
  }
  std::string text = contents(path);
  EXPECT_EQ(text.find('\0'), std::string::npos);
  EXPECT_EQ(text.rfind("\r\n  Rejestr.", 0), 0u);  // the header stays first
}

}  // namespace
}  // namespace zefir::shell
