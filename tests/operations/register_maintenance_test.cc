// The register-maintenance options on a real base file: what each writes,
// what the base in force holds when read afresh from the disk, what its
// report lists and says, and that a refusal changes nothing.
#include "operations/register_maintenance.h"

#include <gtest/gtest.h>

#include "../register/base_test_util.h"
#include "platform/file_system.h"
#include "register/base_journal.h"
#include "register/change_entry.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::operations {
namespace {

// An asset accepted in 2019 without a value: nothing to depreciate.
AssetRecord zeroAsset(const std::string& symbol) {
  AssetRecord a = AssetRegister::emptyRecord();
  a.Symb = symbol;
  a.Nazw = "puste " + symbol;
  a.RokP = 2019;
  a.DtOT = text::dayFromDate(2019, 3, 1);
  return a;
}

class Maintenance : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = dir_.path() + "/";
    registerBuiltOperations();
  }

  // The base in force: Srodki.PST holding `assets`, loaded.
  void makeBase(const std::vector<AssetRecord>& assets) {
    writeBase("Srodki", assets);
    journal_ = std::make_unique<BaseJournal>(folder_ + "Srodki.PST");
    ASSERT_TRUE(journal_->load(reg_).ok());
  }
  void writeBase(const std::string& name, const std::vector<AssetRecord>& assets) {
    const std::string path = folder_ + name + ".PST";
    ASSERT_TRUE(writeNewJournal(path, path + ".tmp", assets, writeStampNow("", ".002")).ok());
  }
  // The symbols a base file holds, read afresh.
  std::vector<std::string> symbolsOf(const std::string& name) {
    AssetRegister reg;
    BaseJournal journal(folder_ + name + ".PST");
    EXPECT_TRUE(journal.load(reg).ok());
    std::vector<std::string> out;
    for (int i = 1; i < reg.count(); ++i) out.push_back(reg.symbolOf(i));
    return out;
  }
  Status run(const char* code, const FieldValues& values) {
    RunEnvironment env;
    env.assets = &reg_;
    env.baseFolder = folder_;
    env.today = text::dayFromDate(2026, 12, 7);
    env.report = &report_;
    env.journal = journal_.get();
    return wykonaOpc(*findOption(std::string_view(code)), values, env).status;
  }
  // The report's asset rows as "symbol|name".
  std::vector<std::string> listed() const {
    std::vector<std::string> out;
    for (int r = 1; r <= report_.rowCount(); ++r)
      if (!report_.isRule(r) && !report_.cell(r, 1).empty())
        out.push_back(std::string(report_.cell(r, 1)) + "|" + std::string(report_.cell(r, 2)));
    return out;
  }
  bool reportSays(const std::string& utf8) const {
    const std::string wanted = text::fromUtf8(utf8);
    for (int r = 1; r <= report_.rowCount(); ++r)
      if (!report_.isRule(r) && std::string(report_.cell(r, 2)).find(wanted) != std::string::npos)
        return true;
    return false;
  }

  testing::TempDir dir_;
  std::string folder_;
  AssetRegister reg_;
  std::unique_ptr<BaseJournal> journal_;
  output::ReportBuffer report_;
};

TEST_F(Maintenance, ZeroedAssetsGoToTheArchiveAndLeaveTheBase) {
  // P is not accepted yet: no value, but not zeroed either.
  AssetRecord pending = zeroAsset("P");
  pending.DtOT = 0;
  makeBase({testing::filledAsset("A1"), zeroAsset("Z1"), testing::filledAsset("B2"),
            zeroAsset("Z2"), pending});
  FieldValues v;
  v.set("BaAr", "AR071226");
  v.set("DaOd", "010126");
  ASSERT_TRUE(run("ZrzuZ", v).ok());
  EXPECT_EQ(symbolsOf("AR071226"), (std::vector<std::string>{"Z1", "Z2"}));
  EXPECT_EQ(symbolsOf("Srodki"), (std::vector<std::string>{"A1", "B2", "P"}));
  EXPECT_EQ(reg_.assetCount(), 3);
  EXPECT_EQ(report_.code(), "ZZA");
  EXPECT_EQ(listed()[0], "Z1|puste Z1");
  EXPECT_TRUE(reportSays("Usunięte z bazy: 2"));
  // The archive exists now: a second run is refused and writes nothing.
  const std::int64_t records = *platform::fileSize(folder_ + "Srodki.PST");
  EXPECT_FALSE(run("ZrzuZ", v).ok());
  EXPECT_EQ(*platform::fileSize(folder_ + "Srodki.PST"), records);
}

TEST_F(Maintenance, SplitWritesBothPartsAndKeepsTheBase) {
  makeBase({testing::filledAsset("A1"), testing::filledAsset("A2"), testing::filledAsset("B1")});
  const std::int64_t before = *platform::fileSize(folder_ + "Srodki.PST");
  FieldValues v;
  v.set("SroW", "A*");
  v.set("BaZg", "SRZGOD");
  v.set("BaPo", "SRPOZOS");
  ASSERT_TRUE(run("WybST", v).ok());
  EXPECT_EQ(symbolsOf("SRZGOD"), (std::vector<std::string>{"A1", "A2"}));
  EXPECT_EQ(symbolsOf("SRPOZOS"), (std::vector<std::string>{"B1"}));
  EXPECT_EQ(*platform::fileSize(folder_ + "Srodki.PST"), before);
  EXPECT_EQ(listed(), (std::vector<std::string>{"A1|" + testing::filledAsset("A1").Nazw.str(),
                                                "A2|" + testing::filledAsset("A2").Nazw.str()}));
  EXPECT_TRUE(reportSays("Pozostałe zapisane do "));
  // Only the matching part, into a name that exists: refused.
  v.set("BaPo", "");
  EXPECT_FALSE(run("WybST", v).ok());
  v.set("BaZg", "");
  EXPECT_FALSE(run("WybST", v).ok());
}

TEST_F(Maintenance, ImportAddsNewAssetsAndNeverOverwrites) {
  makeBase({testing::filledAsset("A1")});
  AssetRecord other = testing::filledAsset("A1");
  other.Nazw = "inna nazwa";
  writeBase("INNA", {other, testing::filledAsset("C1"), testing::filledAsset("C2")});
  FieldValues v;
  v.set("NaIm", "INNA");
  ASSERT_TRUE(run("Impor", v).ok());
  EXPECT_EQ(symbolsOf("Srodki"), (std::vector<std::string>{"A1", "C1", "C2"}));
  ASSERT_TRUE(reg_.exists("A1"));
  EXPECT_NE(reg_.currentRecord().Nazw.str(), "inna nazwa");
  ASSERT_TRUE(reg_.exists("C2"));
  EXPECT_EQ(reg_.currentRecord().WaOT, testing::filledAsset("C2").WaOT);
  EXPECT_EQ(report_.code(), "IBS");
  EXPECT_TRUE(reportSays("Pominięte, bo są już w bazie: 1"));
  v.set("NaIm", "BRAK");
  EXPECT_FALSE(run("Impor", v).ok());
  v.set("NaIm", "SRODKI");  // the base in force itself
  EXPECT_FALSE(run("Impor", v).ok());
}

FieldValues renumbering(const char* group, const char* beginning, const char* digits,
                        const char* first, const char* last) {
  FieldValues v;
  v.set("GrST", group);
  v.set("GrNo", beginning);
  v.set("RCyf", digits);
  v.set("RBeg", first);
  v.set("REnd", last);
  return v;
}

TEST_F(Maintenance, RenumberingRenamesTheGroupInOrderUpToTheLastNumber) {
  makeBase({testing::filledAsset("G-1"), testing::filledAsset("G-2"), testing::filledAsset("G-3"),
            testing::filledAsset("X")});
  ASSERT_TRUE(run("Renum", renumbering("G-", "H", "3", "5", "6")).ok());
  EXPECT_EQ(symbolsOf("Srodki"), (std::vector<std::string>{"G-3", "H005", "H006", "X"}));
  ASSERT_TRUE(reg_.exists("H006"));
  EXPECT_EQ(reg_.currentRecord().Nazw.str(), testing::filledAsset("G-2").Nazw.str());
  EXPECT_EQ(report_.code(), "RGS");
  EXPECT_TRUE(reportSays("Zmienione symbole: 2"));
}

TEST_F(Maintenance, RenumberingRefusedWithNothingSaved) {
  makeBase({testing::filledAsset("G-1"), testing::filledAsset("G-2"), testing::filledAsset("H2")});
  const std::int64_t before = *platform::fileSize(folder_ + "Srodki.PST");
  // G-2 would become H2, which exists; 10 does not fit one digit; digits
  // outside 1..9; the last number below the first; no new beginning; no such
  // group; a new symbol over 15 characters.
  for (const FieldValues& v :
       {renumbering("G-", "H", "1", "1", "5"), renumbering("G-", "H", "1", "9", "12"),
        renumbering("G-", "H", "0", "1", "5"), renumbering("G-", "H", "3", "5", "4"),
        renumbering("G-", "", "3", "1", "5"), renumbering("Q", "H", "3", "1", "5"),
        renumbering("G-", "ABCDEFGHIJKLM", "3", "1", "5")}) {
    EXPECT_FALSE(run("Renum", v).ok());
    EXPECT_EQ(*platform::fileSize(folder_ + "Srodki.PST"), before);
  }
}

// The dates of an asset's change entries in slot order ("" for an empty slot).
std::vector<DayNumber> changeDates(const AssetRecord& a) {
  std::vector<DayNumber> out;
  for (const ChangeEntry& e : parseChangeEntries(a))
    if (!e.empty()) out.push_back(e.D);
  return out;
}

TEST_F(Maintenance, ChangesSortedByDateUnlessReferencesNameThemByPlace) {
  AssetRecord mixed = zeroAsset("M");
  mixed.Z[0] = "OT:150320,FV 1,1500,00z\xB3";
  mixed.Z[1] = "MU:010119,POK 1";
  mixed.Z[3] = "MU:bez daty";
  mixed.Z[4] = "LT:010118,sprzedaz";
  AssetRecord referenced = mixed;
  referenced.Symb = "R";
  referenced.Z[5] = "MU:010421,POK 12,,1/";
  AssetRecord inOrder = zeroAsset("S");
  inOrder.Z[0] = "MU:010119,POK 1";
  inOrder.Z[1] = "MU:010120,POK 2";
  makeBase({mixed, referenced, inOrder});
  FieldValues v;
  v.set("TN_N", "N");
  const std::int64_t before = *platform::fileSize(folder_ + "Srodki.PST");
  ASSERT_TRUE(run("Sorto", v).ok());
  EXPECT_EQ(*platform::fileSize(folder_ + "Srodki.PST"), before);

  v.set("TN_N", "T");
  ASSERT_TRUE(run("Sorto", v).ok());
  AssetRegister reread;
  BaseJournal journal(folder_ + "Srodki.PST");
  ASSERT_TRUE(journal.load(reread).ok());
  ASSERT_TRUE(reread.exists("M"));
  const AssetRecord& m = reread.currentRecord();
  // The dated entries in date order in the slots the dated ones held; the
  // undated one and the free slot stay.
  EXPECT_EQ(m.Z[0].str(), "LT:010118,sprzedaz");
  EXPECT_EQ(m.Z[1].str(), "MU:010119,POK 1");
  EXPECT_EQ(m.Z[2].str(), "");
  EXPECT_EQ(m.Z[3].str(), "MU:bez daty");
  EXPECT_EQ(m.Z[4].str(), mixed.Z[0].str());
  ASSERT_TRUE(reread.exists("R"));
  EXPECT_EQ(changeDates(reread.currentRecord()), changeDates(referenced));
  EXPECT_EQ(listed(), std::vector<std::string>{"M|puste M"});
  EXPECT_TRUE(reportSays("Pominięte (zmiany z odwołaniami n/): 1"));
  // One save, of M's two changed records (entries 1-2 and 5-6) alone: R and
  // S are not saved; run again, nothing to do.
  const std::int64_t after = *platform::fileSize(folder_ + "Srodki.PST");
  EXPECT_EQ(after - before, 2 * 128);
  ASSERT_TRUE(run("Sorto", v).ok());
  EXPECT_EQ(*platform::fileSize(folder_ + "Srodki.PST"), after);
}

TEST_F(Maintenance, PatternEditorWritesTheTenLines) {
  FieldValues v;
  v.set("WzoN", "BIURO");
  v.setAll("WzoA", {"A1", " 49*", "", "KOMP?"});
  ASSERT_TRUE(run("EdiWZ", v).ok());
  EXPECT_EQ(*platform::readWholeFile(folder_ + "BIURO.WZO"),
            "A1\r\n49*\r\n\r\nKOMP?\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
  v.set("WzoN", "");
  EXPECT_FALSE(run("EdiWZ", v).ok());
}

}  // namespace
}  // namespace zefir::operations
