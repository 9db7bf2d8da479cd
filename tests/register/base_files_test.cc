// The classification table, the dictionaries and the temporary folder.
#include "register/base_files.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "base_test_util.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/shared_file.h"
#include "platform/status_line.h"
#include "register/base_journal.h"

namespace zefir::base {
namespace {

DictionaryEntry parsed(std::string_view line) {
  DictionaryEntry e;
  EXPECT_TRUE(parseDictionaryLine(line, e)) << line;
  return e;
}

TEST(DictionaryLine, SeparatorsBlanksCutsAndMazovia) {
  // Leading blanks, key, blanks, colon: the key alone, the description as it stands.
  DictionaryEntry e = parsed("  201-01  : Rozrachunki z dostawcami");
  EXPECT_EQ(e.key, "201-01");
  EXPECT_EQ(e.description, " Rozrachunki z dostawcami");
  // Written by the program: code 4 separates, and a colon after it belongs to
  // the description (it must not turn into a code 4 there).
  e = parsed("POK 12\x04Pok\xA2j: parter");  // ó in Mazovia
  EXPECT_EQ(e.key, "POK 12");
  EXPECT_EQ(e.description, text::fromUtf8("Pokój: parter"));
  // A colon before code 4 is the separator; the code 4 stays in the description.
  e = parsed(
      "A:b\x04"
      "c");
  EXPECT_EQ(e.key, "A");
  EXPECT_EQ(e.description,
            "b\x04"
            "c");
  // Neither: all key. Tabs and other characters below "!" lead off too.
  e = parsed("\t KOWALSKI JAN  ");
  EXPECT_EQ(e.key, "KOWALSKI JAN");
  EXPECT_EQ(e.description, "");
  // Key to 20, description to 50, the line to 250 before anything else.
  e = parsed(std::string(25, 'K') + ":" + std::string(60, 'd'));
  EXPECT_EQ(e.key, std::string(20, 'K'));
  EXPECT_EQ(e.description, std::string(50, 'd'));
  DictionaryEntry none;
  EXPECT_FALSE(parseDictionaryLine(std::string(250, ' ') + ":late", none));
  EXPECT_FALSE(parseDictionaryLine("", none));
  EXPECT_FALSE(parseDictionaryLine("   : no key", none));
}

TEST(DictionaryFile, LinesSkippedWhenEmptyAndSavedFormReadsBack) {
  testing::TempDir dir;
  std::string path = dir.file("Konta.KST");
  ASSERT_TRUE(platform::writeWholeFile(path, "011:Budynki\r\n\r\n  :x\r\n013\x04Maszyny\n\x1A"));
  Dictionary d;
  loadDictionary(d, path);
  ASSERT_EQ(d.count(), 3);
  EXPECT_EQ(d.entry(1).key, "011");
  EXPECT_EQ(d.entry(2).description, "Maszyny");
  ASSERT_TRUE(d.add({text::fromUtf8("ŁÓDŹ"), text::fromUtf8("oddział: Łódź")}).ok());
  saveDictionary(d, path);
  // The key padded to 20, then the separator code 4.
  EXPECT_EQ(platform::readWholeFile(path)->substr(0, 33), std::string("011") +
                                                              std::string(17, ' ') +
                                                              "\x04"
                                                              "Budynki\r\n013");
  Dictionary back;
  loadDictionary(back, path);
  ASSERT_EQ(back.count(), 4);
  EXPECT_EQ(back.entry(3).key, text::fromUtf8("ŁÓDŹ"));
  EXPECT_EQ(back.entry(3).description, text::fromUtf8("oddział: Łódź"));
  loadDictionary(back, dir.file("missing"));
  EXPECT_EQ(back.count(), 1);
}

TEST(ClassificationFile, HundredByteRecordsBothWays) {
  testing::TempDir dir;
  std::string path = dir.file("KST");
  std::string file(200, '\0');
  file[0] = 3;
  file.replace(1, 3, "491");
  file[4] = 'x';  // the rate, low byte first: 1.2 %
  file[104] = 0x10;
  file[105] = 0x27;  // 100 %
  file[6] = 7;
  file.replace(7, 7, "Komputy");
  file[100] = 1;
  file[101] = '8';
  file[106] = 4;
  file.replace(107, 4,
               "\x9C\xA2"
               "dz");  // "Łódz"
  file += "partial";   // a torn last record is left out
  ASSERT_TRUE(platform::writeWholeFile(path, file));
  ClassificationTable t;
  loadClassificationTable(t, path);
  ASSERT_EQ(t.count(), 3);
  EXPECT_EQ(t.entry(1).symbol, "491");
  EXPECT_EQ(t.entry(1).name, "Komputy");
  EXPECT_EQ(t.entry(1).rate, 'x');
  EXPECT_EQ(t.entry(2).rate, 10000);
  EXPECT_EQ(t.entry(2).name, text::fromUtf8("Łódz"));
  saveClassificationTable(t, path);
  std::string saved = *platform::readWholeFile(path);
  ASSERT_EQ(saved.size(), 200u);
  EXPECT_EQ(saved.substr(4, 2), std::string("x\0", 2));
  EXPECT_EQ(saved.substr(104, 2), "\x10\x27");
  EXPECT_EQ(saved.substr(106, 5),
            "\x04\x9C\xA2"
            "dz");
}

// A write that stops halfway, and the process with it, as a machine going
// down mid-write would.
long long halfWriteThenDie(int fd, const void* data, std::size_t n, long long offset, int* error) {
  (void)platform::realSystemCalls().pwrite(fd, data, n / 2, offset, error);
  ::_exit(0);
}

long long failingWrite(int, const void*, std::size_t, long long, int* error) {
  *error = 28;  // ENOSPC
  return -1;
}

// Runs `save` in a child process whose first write is cut short.
template <typename Save>
void saveCutShort(Save save) {
  pid_t pid = ::fork();
  if (pid == 0) {
    platform::systemCalls().pwrite = halfWriteThenDie;
    save();
    ::_exit(3);  // the write was not cut
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0);
}

TEST(SideFileWrite, CutShortOrFailedWriteLeavesTheOldFileWhole) {
  testing::TempDir dir;
  const std::string places = dir.file("MiejscaU.MST");
  const std::string kst = dir.file("KST");
  Dictionary d;
  for (int i = 0; i < 40; ++i) ASSERT_TRUE(d.add({"POK" + std::to_string(i), "opis"}).ok());
  saveDictionary(d, places);
  ClassificationTable t;
  for (int i = 100; i < 140; ++i) ASSERT_TRUE(t.add({std::to_string(i), "grupa", 250}).ok());
  saveClassificationTable(t, kst);
  const std::string placesBefore = *platform::readWholeFile(places);
  const std::string kstBefore = *platform::readWholeFile(kst);

  Dictionary shorter;
  ASSERT_TRUE(shorter.add({"NOWY", "jeden"}).ok());
  ClassificationTable other;
  ASSERT_TRUE(other.add({"999", "inna", 0}).ok());
  saveCutShort([&] { saveDictionary(shorter, places); });
  saveCutShort([&] { saveClassificationTable(other, kst); });
  EXPECT_EQ(*platform::readWholeFile(places), placesBefore);
  EXPECT_EQ(*platform::readWholeFile(kst), kstBefore);

  {
    platform::RestoreSystemCalls restore;
    platform::systemCalls().pwrite = failingWrite;
    EXPECT_THROW(saveDictionary(shorter, places), platform::IoError);
    EXPECT_THROW(saveClassificationTable(other, kst), platform::IoError);
  }
  EXPECT_EQ(*platform::readWholeFile(places), placesBefore);
  EXPECT_EQ(*platform::readWholeFile(kst), kstBefore);
  // A failed write takes its temporary file away; the next save goes through.
  EXPECT_FALSE(platform::exists(sideFileTemporary(places)));
  saveDictionary(shorter, places);
  Dictionary back;
  loadDictionary(back, places);
  ASSERT_EQ(back.count(), 2);
  EXPECT_EQ(back.entry(1).key, "NOWY");
}

TEST(SideFiles, SearchOrderBaseFolderThenHashThenStThenBang) {
  testing::TempDir dir;
  char* old = ::getcwd(nullptr, 0);
  ASSERT_EQ(::chdir(dir.path().c_str()), 0);
  std::string base = "Baza\\";
  for (const char* f : {"Baza", "#", "!ST!", "!", "SETUP"}) ASSERT_TRUE(platform::createFolder(f));
  EXPECT_EQ(findBaseSideFile(base, "Osoby.OST"), "Osoby.OST");
  ASSERT_TRUE(platform::writeWholeFile("!/Osoby.OST", "a"));
  EXPECT_EQ(findBaseSideFile(base, "Osoby.OST"), "!\\Osoby.OST");
  ASSERT_TRUE(platform::writeWholeFile("!ST!/Osoby.OST", "a"));
  EXPECT_EQ(findBaseSideFile(base, "Osoby.OST"), "!ST!\\Osoby.OST");
  ASSERT_TRUE(platform::writeWholeFile("#/Osoby.OST", "a"));
  EXPECT_EQ(findBaseSideFile(base, "Osoby.OST"), "#\\Osoby.OST");
  ASSERT_TRUE(platform::writeWholeFile("Baza/Osoby.OST", "a"));
  EXPECT_EQ(findBaseSideFile(base, "Osoby.OST"), "Baza\\Osoby.OST");

  EXPECT_EQ(classificationTablePath(base), "Baza\\KST");  // none: where to save it
  ASSERT_TRUE(platform::createFolder("#\\SETUP"));
  ASSERT_TRUE(platform::writeWholeFile("#/SETUP/KST", ""));
  EXPECT_EQ(classificationTablePath(base), "#\\SETUP\\KST");
  ASSERT_TRUE(platform::writeWholeFile("!/KST", ""));
  EXPECT_EQ(classificationTablePath(base), "!\\KST");
  ASSERT_EQ(::chdir(old), 0);
  std::free(old);
}

TEST(TemporaryFolder, OnDriveCWithTheSuffixCreated) {
  testing::TempDir dir;
  platform::setDriveRoot('C', dir.path());
  std::string folder = chooseTemporaryFolder(".005");
  platform::setDriveRoot('C', "");
  // Other fixed drives (/mnt/d ...) are taken only when large and free enough.
  ASSERT_EQ(folder.substr(1), ":\\Wrzos-temp.005");
  if (folder[0] == 'C') {
    EXPECT_TRUE(platform::isFolder(dir.file("Wrzos-temp.005")));
  }
  EXPECT_EQ(temporaryBaseFile("C:\\Wrzos-temp.005", "Srodki"), "C:\\Wrzos-temp.005\\Srodki.7BT");
}

TEST(BaseLoad, ReadsTheSideFilesOfTheBaseFolder) {
  testing::TempDir dir;
  std::string folder = dir.path() + "/";
  ASSERT_TRUE(platform::writeWholeFile(folder + "MiejscaU.MST", "P1:Magazyn\r\n"));
  ASSERT_TRUE(platform::writeWholeFile(folder + "Osoby.OST", "NOWAK:Jan\r\nKOWAL:Ewa\r\n"));
  std::string kst(100, '\0');
  kst[0] = 1;
  kst[1] = '0';
  ASSERT_TRUE(platform::writeWholeFile(folder + "KST", kst));
  AssetRegister reg;
  BaseJournal journal(folder + "Srodki.PST");
  ASSERT_TRUE(journal.load(reg).ok());
  EXPECT_TRUE(platform::exists(folder + "Srodki.PST"));  // created empty
  EXPECT_EQ(reg.places.count(), 2);
  EXPECT_EQ(reg.persons.count(), 3);
  EXPECT_EQ(reg.accounts.count(), 1);
  EXPECT_EQ(reg.classification.count(), 2);
}

// A damaged file is read as far as it can be, and what it could not read is
// counted, not passed over in silence; a file that is not there is no damage.
TEST(DamagedSideFiles, UnreadableLinesAndRecordsAreCountedAndLeftOut) {
  testing::TempDir dir;
  std::string dict = dir.file("Osoby.OST");
  const char lines[] =
      "\x1A\r\n  KOWAL:Ewa\r\nNO\0WAK:Jan\r\nA:b\x01"
      "c\r\n\tX\tY:Z\r\n";
  ASSERT_TRUE(platform::writeWholeFile(dict, std::string(lines, sizeof lines - 1)));
  Dictionary d;
  ReadDamage damage = loadDictionary(d, dict);
  EXPECT_EQ(damage.lines, 2);
  EXPECT_FALSE(damage.unreadable);
  ASSERT_EQ(d.count(), 3);
  EXPECT_EQ(d.entry(1).key, "KOWAL");
  EXPECT_EQ(d.entry(2).key, "X\tY");

  std::string full;
  for (int i = 0; i < 1001; ++i) full += "K" + std::to_string(i) + ":x\r\n";
  ASSERT_TRUE(platform::writeWholeFile(dict, full));
  EXPECT_EQ(loadDictionary(d, dict).lines, 2);  // beyond the 999 entries
  EXPECT_FALSE(loadDictionary(d, dir.file("missing")).any());
  ASSERT_TRUE(platform::createFolder(dir.file("folder.MST")));
  damage = loadDictionary(d, dir.file("folder.MST"));
  EXPECT_TRUE(damage.unreadable);
  EXPECT_EQ(d.count(), 1);

  std::string kst(300, '\0');
  kst[0] = 1;
  kst[1] = '1';
  kst[100] = 9;  // a symbol of 9 characters in a field of 3
  kst[200] = 1;
  kst[201] = '2';
  kst[206] = 2;
  kst[207] = 'A';
  kst[208] = '\0';  // a control character in the name
  kst += "torn";
  std::string path = dir.file("KST");
  ASSERT_TRUE(platform::writeWholeFile(path, kst));
  ClassificationTable t;
  damage = loadClassificationTable(t, path);
  EXPECT_EQ(damage.lines, 3);
  ASSERT_EQ(t.count(), 2);
  EXPECT_EQ(t.entry(1).symbol, "1");
}

TEST(BaseLoad, DamagedSideFilesAreReportedOnceInTheStatusLine) {
  testing::TempDir dir;
  std::string folder = dir.path() + "/";
  ASSERT_TRUE(platform::writeWholeFile(
      folder + "Osoby.OST", std::string("NOWAK:Jan\r\nKO\0\0WAL:Ewa\r\nX\x02:y\r\n", 30)));
  ASSERT_TRUE(platform::createFolder(folder + "Konta.KST"));
  RememberingStatusLine status;
  setStatusLine(&status);
  AssetRegister reg;
  BaseJournal journal(folder + "Srodki.PST");
  ASSERT_TRUE(journal.load(reg).ok());
  setStatusLine(nullptr);
  EXPECT_EQ(reg.persons.count(), 2);
  ASSERT_EQ(journal.sideFileDamage().size(), 2u);
  EXPECT_EQ(status.last_kind, StatusKind::Error);
  EXPECT_EQ(status.last_text, text::fromUtf8("Środków: 0. Nieczytelne: ") + folder +
                                  "Osoby.OST (nieczytelne wiersze: 2); " + folder +
                                  "Konta.KST (plik nieczytelny)");
}

}  // namespace
}  // namespace zefir::base
