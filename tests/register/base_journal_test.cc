// Saving and replaying the base journal.
#include "register/base_journal.h"

#include <gtest/gtest.h>

#include "base_test_util.h"
#include "platform/file_system.h"
#include "platform/status_line.h"
#include "platform/workstation_marks.h"
#include "register/base_replay.h"

namespace zefir {
namespace {

using base::BaseRecord;
using base::RecordKind;
using testing::filledAsset;
using testing::rawRecord;

class Journal : public ::testing::Test {
 protected:
  void SetUp() override {
    setStatusLine(&status);
    journal.setWorkstationSuffix(".005");
    ASSERT_TRUE(journal.load(reg).ok());
  }
  void TearDown() override { setStatusLine(nullptr); }

  // The journal's records as they lie in the file.
  std::vector<BaseRecord> records() {
    std::vector<BaseRecord> out;
    (void)scanJournal(path, [&](const ScannedRecord& r) { out.push_back(*r.bytes); });
    return out;
  }
  // A fresh register loaded from the file, as another workstation would.
  AssetRegister reloaded() {
    AssetRegister other;
    BaseJournal j(path);
    EXPECT_TRUE(j.load(other).ok());
    return other;
  }
  void save(const AssetRecord& before, const AssetRecord& after) {
    ASSERT_TRUE(journal.saveAsset(reg, before, after).ok());
  }

  testing::TempDir dir;
  std::string path = dir.file("Srodki.PST");
  RememberingStatusLine status;
  AssetRegister reg;
  BaseJournal journal{path};
};

TEST_F(Journal, EveryRecordKindRoundTripsThroughSaveAndReplay) {
  AssetRecord a = filledAsset(text::fromUtf8("ŚRODEK/1"));
  save(AssetRegister::emptyRecord(), a);
  // 1 main + 1 second + 5 description + 5 rate + the change records in use.
  std::vector<BaseRecord> written = records();
  ASSERT_EQ(written.size(), 1u + 1 + 5 + 5 + 9);
  for (const BaseRecord& r : written) {
    EXPECT_EQ(base::checkRecord(r), base::RecordFault::None);
    base::WriteStamp s = base::stampOf(r);
    EXPECT_EQ(std::string(s.writer.begin(), s.writer.end()), "005");
    EXPECT_GT(s.day, 37000);
  }
  EXPECT_EQ(status.last_text, "Zapisane na dysk");
  EXPECT_EQ(status.last_kind, StatusKind::Notice);
  // The saving register got the asset by replaying its own records.
  ASSERT_TRUE(reg.exists(a.Symb));
  EXPECT_EQ(reg.currentRecord(), a);
  AssetRegister other = reloaded();
  ASSERT_TRUE(other.exists(a.Symb));
  EXPECT_EQ(other.currentRecord(), a);
}

TEST_F(Journal, OnlyChangedKindsAreAppended) {
  AssetRecord a = filledAsset("A1");
  save(AssetRegister::emptyRecord(), a);
  std::size_t before = records().size();
  save(a, a);  // nothing changed
  EXPECT_EQ(records().size(), before);
  AssetRecord b = a;
  b.Opis[3] = "zmiana";     // line 4: description record 2
  b.Z[59] = "PT:010122,X";  // entry 60: change record 30
  save(a, b);
  std::vector<BaseRecord> all = records();
  ASSERT_EQ(all.size(), before + 2);
  EXPECT_EQ(base::kindOf(all[before]), RecordKind::Description);
  EXPECT_EQ(base::subIndexOf(all[before]), 2);
  EXPECT_EQ(base::kindOf(all[before + 1]), RecordKind::Changes);
  EXPECT_EQ(base::subIndexOf(all[before + 1]), 30);
  ASSERT_TRUE(reloaded().exists("A1"));
  EXPECT_EQ(reloaded().slot(1), b);
}

TEST_F(Journal, EmptiedSymbolAppendsExactlyOneDeletionRecord) {
  AssetRecord a = filledAsset("DEL");
  save(AssetRegister::emptyRecord(), a);
  std::size_t before = records().size();
  AssetRecord gone = a;
  gone.Symb.clear();
  gone.Nazw = "x";  // other edits do not matter once the symbol is gone
  save(a, gone);
  std::vector<BaseRecord> all = records();
  ASSERT_EQ(all.size(), before + 1);
  EXPECT_EQ(base::kindOf(all.back()), RecordKind::Deletion);
  EXPECT_EQ(base::symbolOf(all.back()), "DEL");
  EXPECT_FALSE(reg.exists("DEL"));
  EXPECT_EQ(reloaded().assetCount(), 0);
}

TEST_F(Journal, ChangedUmPoRewritesMainAndFirstRateRecordAndKind4ClearsIt) {
  AssetRecord a = filledAsset("U");
  save(AssetRegister::emptyRecord(), a);
  std::size_t before = records().size();
  AssetRecord b = a;
  b.UmPo = 5;
  save(a, b);
  std::vector<BaseRecord> all = records();
  ASSERT_EQ(all.size(), before + 2);
  EXPECT_EQ(base::kindOf(all[before]), RecordKind::Main);
  EXPECT_EQ(base::kindOf(all[before + 1]), RecordKind::Rate);
  EXPECT_EQ(base::subIndexOf(all[before + 1]), 1);

  ASSERT_TRUE(reg.exists("U"));
  reg.currentRecord().UmPo = 42;
  EXPECT_EQ(base::replayRecord(reg, all[before]), base::ReplayOutcome::Applied);  // kind 1
  EXPECT_EQ(reg.currentRecord().UmPo, 42);
  EXPECT_EQ(base::replayRecord(reg, all[before + 1]), base::ReplayOutcome::Applied);  // kind 4
  EXPECT_EQ(reg.currentRecord().UmPo, 0);
}

TEST_F(Journal, ReplayRulesLatestWinsDeleteRecreateBadSkippedUnknownRefused) {
  AssetRecord first = filledAsset("R");
  AssetRecord second = first;
  second.Nazw = "drugi";
  second.WaOT = 7;
  second.RokP = 0;
  BaseRecord bad = base::encodeRecord(first, RecordKind::Main);
  bad[16] = 9;  // no such kind
  base::setStamp(bad, {1, 1, {'0', '0', '1'}});
  std::vector<BaseRecord> log = {base::encodeRecord(first, RecordKind::Main),
                                 base::encodeRecord(first, RecordKind::Second),
                                 base::encodeRecord(first, RecordKind::Rate, 1),
                                 base::encodeRecord(first, RecordKind::Deletion),
                                 base::encodeRecord(second, RecordKind::Main),
                                 bad,
                                 base::encodeRecord(second, RecordKind::Description, 1)};
  AssetRegister r;
  std::vector<base::ReplayOutcome> outcomes;
  for (BaseRecord rec : log) {
    base::setStamp(rec, {100, 0, {'0', '0', '1'}});
    outcomes.push_back(base::replayRecord(r, rec));
  }
  EXPECT_EQ(outcomes[3], base::ReplayOutcome::Deleted);
  EXPECT_EQ(outcomes[5], base::ReplayOutcome::Skipped);
  ASSERT_TRUE(r.exists("R"));
  const AssetRecord& got = r.currentRecord();
  // Only the second kind-1 data and what came after it: the deleted asset's
  // second data and rates are gone.
  EXPECT_EQ(got.Nazw, "drugi");
  EXPECT_EQ(got.WaOT, 7);
  EXPECT_EQ(got.WaBr, 7);
  EXPECT_EQ(got.Na2w, "");
  EXPECT_EQ(got.K[0], RateEntry{});
  EXPECT_EQ(got.Opis[0], first.Opis[0]);
  EXPECT_EQ(got.Opis[2], "");

  // Kinds 2 to 5 for an asset not in the register are refused with a message.
  for (int kind = 2; kind <= 5; ++kind) {
    BaseRecord orphan = base::encodeRecord(filledAsset(text::fromUtf8("NIEMA-Ż")),
                                           static_cast<RecordKind>(kind), 1);
    base::setStamp(orphan, {100, 0, {'0', '0', '1'}});
    EXPECT_EQ(base::replayRecord(r, orphan), base::ReplayOutcome::UnknownAsset);
    EXPECT_EQ(status.last_text, "Brak rekordu 1 w " + text::fromUtf8("NIEMA-Ż"));
    EXPECT_EQ(status.last_kind, StatusKind::Error);
  }
  EXPECT_EQ(r.assetCount(), 1);
}

TEST_F(Journal, FullLoadGivesTheSameRegisterAsRecordByRecordReplay) {
  // Assets saved out of symbol order, one deleted and re-created, one deleted.
  for (const char* s : {"M", "B", "Z", "A", "Q"})
    save(AssetRegister::emptyRecord(), filledAsset(s));
  AssetRecord z = filledAsset("Z"), zGone = z;
  zGone.Symb.clear();
  save(z, zGone);
  AssetRecord b = filledAsset("B"), bGone = b;
  bGone.Symb.clear();
  save(b, bGone);
  AssetRecord b2 = filledAsset("B");
  b2.Nazw = "nowe B";
  save(AssetRegister::emptyRecord(), b2);

  AssetRegister byRecord;
  for (const BaseRecord& r : records()) (void)base::replayRecord(byRecord, r);
  AssetRegister loaded = reloaded();
  ASSERT_EQ(loaded.count(), byRecord.count());
  for (int i = 0; i <= loaded.count(); ++i) EXPECT_EQ(loaded.slot(i), byRecord.slot(i)) << i;
  EXPECT_EQ(loaded.assetCount(), 4);
  EXPECT_EQ(loaded.symbolOf(1), "A");
  EXPECT_EQ(loaded.nameOf(2), "nowe B");
  EXPECT_EQ(status.last_text, text::fromUtf8("Środków: 4"));
}

TEST_F(Journal, ReadsWhatAnotherWorkstationAppendedFromItsPosition) {
  BaseJournal other(path);
  other.setWorkstationSuffix(".002");
  AssetRegister otherReg;
  ASSERT_TRUE(other.load(otherReg).ok());
  ASSERT_TRUE(other.saveAsset(otherReg, AssetRegister::emptyRecord(), filledAsset("X")).ok());
  EXPECT_FALSE(reg.exists("X"));
  std::int64_t before = journal.readPosition();
  ASSERT_TRUE(journal.readAppended(reg).ok());
  EXPECT_GT(journal.readPosition(), before);
  ASSERT_TRUE(reg.exists("X"));
  EXPECT_EQ(reg.currentRecord(), filledAsset("X"));
  EXPECT_EQ(journal.readPosition(), static_cast<std::int64_t>(records().size()));
}

TEST_F(Journal, CaptionAfterFullLoadAndUnchangedFileIsNotReloaded) {
  save(AssetRegister::emptyRecord(), filledAsset("C1"));
  std::string caption;
  BaseJournal j(path);
  j.onCaption = [&](std::string_view c) { caption = std::string(c); };
  AssetRegister r;
  ASSERT_TRUE(j.load(r).ok());
  EXPECT_EQ(caption,
            "   Zorza-Zefir   Zorza-Systemy   " + path + "       1" + text::fromUtf8(" środków"));
  caption.clear();
  r.slot(1).Nazw = "w pamięci";  // the file is unchanged, so this stays
  ASSERT_TRUE(j.load(r).ok());
  EXPECT_EQ(caption, "");
  EXPECT_EQ(r.slot(1).Nazw, "w pamięci");
}

class RefusingMarks : public WorkstationMarks {
 public:
  bool mark(char op, std::string_view) override {
    marks += op;
    return false;
  }
  bool unmark() override { return true; }
  std::string marks;
};

TEST_F(Journal, RefusedMarkWritesNothingAndIsNotReportedAsSaved) {
  RefusingMarks marks;
  setWorkstationMarks(&marks);
  Status s = journal.saveAsset(reg, AssetRegister::emptyRecord(), filledAsset("N"));
  setWorkstationMarks(nullptr);
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(marks.marks, "+#");
  EXPECT_TRUE(records().empty());
  EXPECT_NE(status.last_text, "Zapisane na dysk");
}

// Records that carry no write stamp (a base made by another tool, or by hand)
// are replayed like any other, also when this program appends after them.
TEST_F(Journal, UnstampedRecordsAreReplayedAndAnAlignedAppendFlagsNothing) {
  std::string bytes;
  for (const char* symb : {"H1", "H2"}) {
    BaseRecord r = base::encodeRecord(filledAsset(symb), RecordKind::Main);
    bytes.append(reinterpret_cast<const char*>(r.data()), r.size());
  }
  ASSERT_TRUE(platform::writeWholeFile(path, bytes));
  AssetRegister r;
  BaseJournal j(path);
  ASSERT_TRUE(j.load(r).ok());
  EXPECT_EQ(r.assetCount(), 2);
  ASSERT_TRUE(j.saveAsset(r, AssetRegister::emptyRecord(), filledAsset("H3")).ok());
  EXPECT_FALSE(base::followsPadding(records()[2]));
  AssetRegister again = reloaded();
  EXPECT_EQ(again.assetCount(), 3);
  EXPECT_TRUE(again.exists("H2"));
}

// What replay would skip is refused at the save, so nothing is lost silently.
TEST_F(Journal, AssetThatCouldNotBeReplayedIsRefusedBeforeWriting) {
  AssetRecord a = filledAsset("Y");
  a.RokP = 2156;
  EXPECT_FALSE(journal.saveAsset(reg, AssetRegister::emptyRecord(), a).ok());
  a = filledAsset("abc");
  Status s = journal.saveAsset(reg, AssetRegister::emptyRecord(), a);
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(s.message(), text::fromUtf8("Nie zapisano abc: zły znak w symbolu"));
  a = filledAsset("OK");
  a.MeUm = 'l';
  EXPECT_FALSE(journal.saveAsset(reg, AssetRegister::emptyRecord(), a).ok());
  BaseJournal noBase;
  EXPECT_FALSE(noBase.saveAsset(reg, AssetRegister::emptyRecord(), filledAsset("OK")).ok());
  a = filledAsset("OK");
  a.Dost = "tab\there";
  EXPECT_FALSE(journal.saveAsset(reg, AssetRegister::emptyRecord(), a).ok());
  EXPECT_TRUE(records().empty());
}

// A writer that died mid-write left a torn record: replay keeps the whole
// records, skips the torn tail, and the next append pads it with zeros so the
// new records stay aligned; the padded slot carries no writer and is skipped.
TEST_F(Journal, TornTailIsSkippedAndPaddedOnAppend) {
  save(AssetRegister::emptyRecord(), filledAsset("T1"));
  std::string whole = *platform::readWholeFile(path);
  ASSERT_EQ(whole.size() % 128, 0u);
  // Half of a kind-1 record for a new asset, and half of one for T1 whose
  // zero-padded rest would wipe T1's values if it were replayed.
  for (std::size_t cut : {std::size_t{10}, std::size_t{64}, std::size_t{120}}) {
    AssetRecord t1 = filledAsset("T1");
    BaseRecord torn = base::encodeRecord(t1, RecordKind::Main);
    base::setStamp(torn, {1, 1, {'0', '0', '9'}});
    std::string file = whole + std::string(reinterpret_cast<const char*>(torn.data()), cut);
    ASSERT_TRUE(platform::writeWholeFile(path, file));

    BaseJournal j(path);
    j.setWorkstationSuffix(".003");
    AssetRegister r;
    ASSERT_TRUE(j.load(r).ok());
    EXPECT_EQ(j.readPosition(), static_cast<std::int64_t>(whole.size() / 128));
    ASSERT_TRUE(r.exists("T1"));
    EXPECT_EQ(r.currentRecord(), filledAsset("T1"));

    ASSERT_TRUE(j.saveAsset(r, AssetRegister::emptyRecord(), filledAsset("T2")).ok());
    std::string after = *platform::readWholeFile(path);
    ASSERT_EQ(after.size() % 128, 0u);
    EXPECT_EQ(after.substr(0, file.size()), file) << "nothing written is rewritten";
    EXPECT_EQ(after.substr(file.size(), whole.size() + 128 - file.size()),
              std::string(whole.size() + 128 - file.size(), '\0'));
    // The record after the padding says so, and the scan names the padded slot.
    std::vector<base::RecordFault> faults;
    (void)scanJournal(path, [&](const ScannedRecord& rec) { faults.push_back(rec.fault); });
    std::size_t padded = whole.size() / 128;
    ASSERT_GT(faults.size(), padded + 1);
    EXPECT_EQ(faults[padded], base::RecordFault::PaddedTorn);
    EXPECT_EQ(faults[padded + 1], base::RecordFault::None);
    EXPECT_TRUE(base::followsPadding(records()[padded + 1]));
    EXPECT_FALSE(base::followsPadding(records()[padded + 2]));
    AssetRegister again = reloaded();
    for (const AssetRegister* check : {&r, &again}) {
      ASSERT_EQ(check->assetCount(), 2) << "cut " << cut;
      EXPECT_EQ(check->slot(1), filledAsset("T1")) << "cut " << cut;
      EXPECT_EQ(check->slot(2), filledAsset("T2")) << "cut " << cut;
    }
    whole = *platform::readWholeFile(path);
  }
}

}  // namespace
}  // namespace zefir
