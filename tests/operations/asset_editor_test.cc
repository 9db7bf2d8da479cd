// The asset edit form without its window: loading an asset, what each field
// shows and writes, paging through the register and saving what the form and
// the card changed.
#include "operations/asset_editor.h"

#include <gtest/gtest.h>

#include "../register/base_test_util.h"
#include "../register/sample_assets.h"
#include "platform/file_system.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::operations {
namespace {

const DayNumber kToday = text::dayFromDate(2026, 12, 9);

std::string utf8(const std::string& cp1250) {
  return text::toUtf8(cp1250);
}

AssetRecord machine(const char* symb) {
  return testing::linearMachine(symb, "Tokarka");
}

class AssetEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.setToday(kToday);
    for (const char* s : {"A/1", "B/1", "C/1"}) add(machine(s));
  }
  void add(const AssetRecord& a) {
    ASSERT_FALSE(reg_.exists(a.Symb.str()));
    ASSERT_TRUE(reg_.insertAtCurrent().ok());
    reg_.currentRecord() = a;
  }
  std::string paged(const char* typed, int step) {
    return AssetEditor::pagedSymbol(reg_, typed, step).value_or("(nic)");
  }

  AssetRegister reg_;
  CardState card_;
  AssetEditor editor_{card_};
};

TEST_F(AssetEditorTest, LoadingCopiesTheSlotOrStartsANewAssetFromTheEmptyRecord) {
  editor_.load(reg_, "B/1");
  EXPECT_EQ(editor_.position(), 2);
  EXPECT_TRUE(editor_.edited() == reg_.slot(2));
  EXPECT_FALSE(editor_.hasUnsavedEdits());
  EXPECT_EQ(editor_.text("ENaz"), "Tokarka");
  EXPECT_EQ(editor_.text("EDaO"), "150625");
  EXPECT_EQ(editor_.text("EKST"), "491");
  EXPECT_EQ(editor_.text("EStA"), "10");
  EXPECT_EQ(editor_.text("EMeU"), "L");
  EXPECT_EQ(editor_.text("eNaD"), "31-12-2026");
  EXPECT_EQ(editor_.text("eOdR"), "w ewidencji od 2025 r.");
  EXPECT_EQ(editor_.text("eBru"), "brutto 1.200,00");
  EXPECT_EQ(editor_.text("eSty"), "10,00");  // 10 % a year of 1,200 in January
  EXPECT_EQ(editor_.text("eGru"), "10,00");

  // An unknown symbol: the empty record, while both symbol fields show the
  // symbol typed, so saving creates it.
  editor_.load(reg_, "NOWY");
  EXPECT_EQ(editor_.position(), 0);
  EXPECT_TRUE(editor_.edited() == AssetRegister::emptyRecord());
  EXPECT_EQ(editor_.text("SroX"), "NOWY");
  EXPECT_EQ(editor_.text("EWsA"), "");
  EXPECT_EQ(editor_.text("EMeU"), "");
  EXPECT_EQ(editor_.text("eSty"), "");
  EXPECT_EQ(editor_.text("eZmn"), "");  // never accepted: not "zlikwidowany"

  // The card's plan day names the analysis year.
  card_.planDay = text::dayFromDate(2025, 3, 1);
  editor_.load(reg_, "A/1");
  EXPECT_EQ(editor_.text("eNaD"), "31-12-2025");
  EXPECT_EQ(editor_.text("eSty"), "");  // accepted in June 2025
  EXPECT_EQ(editor_.text("eLip"), "10,00");
}

TEST_F(AssetEditorTest, EachFieldWritesItsOwnPartOfTheEditRecord) {
  editor_.load(reg_, "A/1");
  using S = AssetEditor::Stored;
  EXPECT_EQ(editor_.store(reg_, "ENaz", "FREZARKA"), S::Field);
  EXPECT_EQ(editor_.store(reg_, "ENa2", "CNC"), S::Field);
  EXPECT_EQ(editor_.store(reg_, "EDaZ", "010525"), S::Field);
  EXPECT_EQ(editor_.store(reg_, "EDaO", ""), S::Field);
  EXPECT_EQ(editor_.store(reg_, "EMeU", "d"), S::Field);
  EXPECT_EQ(editor_.store(reg_, "EKST", "803"), S::Field);
  EXPECT_EQ(editor_.store(reg_, "EStA", "2,5"), S::Field);
  EXPECT_EQ(editor_.store(reg_, "EWsA", "1.2"), S::Field);
  const AssetRecord& a = editor_.edited();
  EXPECT_EQ(a.Nazw.str(), "FREZARKA");
  EXPECT_EQ(a.Na2w.str(), "CNC");
  EXPECT_EQ(a.DtZa, text::dayFromDate(2025, 5, 1));
  EXPECT_EQ(a.DtOT, 0);
  EXPECT_EQ(a.MeUm, 'D');
  // The first rate-history entry, the one the base stores as entry 1.
  EXPECT_EQ(a.K[0].SKST.str(), "803");
  EXPECT_EQ(a.K[0].StPo, 2.5L);
  EXPECT_EQ(a.K[0].WsPo, 1.2L);
  EXPECT_EQ(a.K[1], RateEntry{});
  EXPECT_EQ(editor_.store(reg_, "EMeU", ""), S::Field);
  EXPECT_EQ(editor_.edited().MeUm, ' ');
  // Text typed into a display field (eMie shows the places of the MU
  // entries) is refused, never taken silently; its text left as shown and a
  // field the form does not have write nothing.
  EXPECT_EQ(editor_.store(reg_, "eMie", "POKOJ 1"), S::Refused);
  EXPECT_EQ(editor_.store(reg_, "eOdR", "x"), S::Refused);
  EXPECT_EQ(editor_.store(reg_, "eMie", editor_.shownText("eMie")), S::Nothing);
  EXPECT_EQ(editor_.store(reg_, "XXXX", "x"), S::Nothing);
  EXPECT_EQ(editor_.edited().Na2w.str(), "CNC");
  // The loaded copy stays as it was loaded.
  EXPECT_EQ(editor_.loaded().Nazw.str(), "Tokarka");
  EXPECT_TRUE(editor_.hasUnsavedEdits());
}

TEST_F(AssetEditorTest, AnUntouchedFormChangesNothingEvenWhereAFieldCannotShowTheValue) {
  AssetRecord precise = machine("D/1");
  precise.K[0].StPo = 12.3456L;  // "12.35" in a field of five characters
  precise.MeUm = 0;
  add(precise);
  editor_.load(reg_, "D/1");
  for (const char* code : {"SroX", "ENaz", "EDaZ", "EDaO", "EMeU", "EKST", "EStA", "EWsA", "ENa2"})
    editor_.store(reg_, code, editor_.shownText(code));
  EXPECT_FALSE(editor_.hasUnsavedEdits());
  EXPECT_EQ(editor_.edited().K[0].StPo, 12.3456L);
}

TEST_F(AssetEditorTest, SymbolFieldReloadsOnlyForAnotherSymbol) {
  editor_.load(reg_, "A/1");
  editor_.store(reg_, "ENaz", "ZMIENIONA");
  EXPECT_EQ(editor_.store(reg_, "SroE", "A/1"), AssetEditor::Stored::Nothing);
  EXPECT_EQ(editor_.edited().Nazw.str(), "ZMIENIONA");
  EXPECT_EQ(editor_.store(reg_, "SroE", "C/1"), AssetEditor::Stored::Reloaded);
  EXPECT_EQ(editor_.currentSymbol(), "C/1");
  EXPECT_FALSE(editor_.hasUnsavedEdits());
  editor_.store(reg_, "ENaz", "ZNOWU");
  editor_.reload(reg_);
  EXPECT_EQ(editor_.edited().Nazw.str(), "Tokarka");
  EXPECT_EQ(editor_.currentSymbol(), "C/1");
  // The new symbol is written even when it is the one shown: a new asset's
  // record has none yet.
  editor_.load(reg_, "E/1");
  EXPECT_EQ(editor_.store(reg_, "SroX", "E/1"), AssetEditor::Stored::Field);
  EXPECT_EQ(editor_.edited().Symb.str(), "E/1");
}

TEST_F(AssetEditorTest, PagingStepsFromWhereTheTextStandsAndStopsAtBothEnds) {
  EXPECT_EQ(paged("A/1", kLineDownStep), "B/1");
  EXPECT_EQ(paged("C/1", kLineUpStep), "B/1");
  EXPECT_EQ(paged("C/1", kPageDownStep), "C/1");  // the last asset stays
  EXPECT_EQ(paged("C/1", kLineDownStep), "C/1");
  EXPECT_EQ(paged("A/1", kPageUpStep), "");  // before the first: the empty symbol
  EXPECT_EQ(paged("A/1", kLineUpStep), "");
  EXPECT_EQ(paged("", kLineDownStep), "A/1");
  EXPECT_EQ(paged("B", kLineDownStep), "C/1");  // "B" would stand where B/1 is
  EXPECT_EQ(paged("ZZZ", kLineUpStep), "C/1");
  AssetRegister empty;
  EXPECT_FALSE(AssetEditor::pagedSymbol(empty, "A", kLineDownStep));
}

TEST_F(AssetEditorTest, AcceptanceAndLiquidationListsNameTheirEntries) {
  AssetRecord a = machine("F/1");
  a.Z[0] = "OT:150625,FV 1";
  a.Z[1] = text::fromUtf8("OT:200725,FV 2,300zł");
  a.Z[2] = text::fromUtf8("LT:310826,PROTOKOL,1500zł");
  add(a);
  editor_.load(reg_, "F/1");
  EXPECT_EQ(utf8(editor_.text("eZwi")), " FV 1, FV 2(300,00zł)");
  // Liquidated whole in August: no net value left on the analysis day.
  EXPECT_EQ(utf8(editor_.text("eZmn")), " zlikwidowany, 31-08-26(1.500,00zł)");

  a = machine("G/1");
  a.Z[0] = text::fromUtf8("LT:310826,PROTOKOL,200zł");
  add(a);
  editor_.load(reg_, "G/1");
  EXPECT_EQ(utf8(editor_.text("eZmn")), " 31-08-26(200,00zł)");
  EXPECT_EQ(editor_.text("eZwi"), "");

  // Written off whole but still held: no net value, yet not liquidated.
  a = machine("H/1");
  a.DtOT = text::dayFromDate(2010, 1, 10);
  a.RokP = 2010;
  add(a);
  editor_.load(reg_, "H/1");
  EXPECT_EQ(editor_.text("eSty"), "");  // nothing left to depreciate
  EXPECT_EQ(editor_.text("eZmn"), "");
}

class AssetEditorSave : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_.file("Srodki.PST");
    journal_ = std::make_unique<BaseJournal>(path_);
    ASSERT_TRUE(journal_->load(reg_).ok());
    editor_.setToday(kToday);
  }
  std::int64_t fileSize() const { return platform::fileSize(path_).value_or(0); }
  Status save() {
    return editor_.save(
        *journal_, reg_, [](std::string_view, char) { return 'N'; }, &outcome_);
  }

  testing::TempDir dir_;
  std::string path_;
  std::unique_ptr<BaseJournal> journal_;
  AssetRegister reg_;
  CardState card_;
  AssetEditor editor_{card_};
  std::string outcome_;
};

TEST_F(AssetEditorSave, TheCardsEditsAreSavedAndAnUnchangedFormAppendsNothing) {
  // No symbol at all: nothing is appended.
  editor_.load(reg_, "");
  editor_.store(reg_, "ENaz", "BEZ SYMBOLU");
  EXPECT_FALSE(save().ok());
  EXPECT_EQ(fileSize(), 0);

  editor_.load(reg_, "N/1");
  editor_.store(reg_, "SroX", "N/1");
  editor_.store(reg_, "ENaz", "PILA");
  // The card's purchase section, as its window accepts it.
  ASSERT_TRUE(acceptCells('E', {"010326", "999,5", "FV 7", "HURT"}, card_).ok());
  ASSERT_TRUE(save().ok());
  EXPECT_GT(fileSize(), 0);
  BaseJournal other(path_);
  AssetRegister otherReg;
  ASSERT_TRUE(other.load(otherReg).ok());
  ASSERT_TRUE(otherReg.exists("N/1"));
  EXPECT_EQ(otherReg.currentRecord().Nazw.str(), "PILA");
  EXPECT_EQ(otherReg.currentRecord().CeZa, 999.5L);
  EXPECT_EQ(otherReg.currentRecord().Dost.str(), "HURT");
  EXPECT_EQ(editor_.position(), 1);

  const std::int64_t before = fileSize();
  ASSERT_TRUE(save().ok());
  EXPECT_EQ(fileSize(), before);

  // A rename follows the current symbol (the old one is asked about: no
  // keeps it, as a copy).
  editor_.store(reg_, "SroX", "N/2");
  ASSERT_TRUE(save().ok());
  EXPECT_EQ(outcome_, "Indeks skopiowany");
  EXPECT_EQ(editor_.currentSymbol(), "N/2");
  EXPECT_EQ(editor_.text("SroE"), "N/2");
  EXPECT_TRUE(reg_.exists("N/1"));
  EXPECT_TRUE(reg_.exists("N/2"));
}

}  // namespace
}  // namespace zefir::operations
