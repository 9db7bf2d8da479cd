// Base records as bytes: a base written by hand byte by byte, and the checks.
#include "register/base_record.h"

#include <gtest/gtest.h>

#include "base_test_util.h"
#include "platform/file_system.h"
#include "register/asset_register.h"
#include "register/base_extended.h"
#include "register/base_journal.h"

namespace zefir::base {
namespace {

using testing::putShort;
using testing::rawRecord;

void putDay(BaseRecord& r, std::size_t at, unsigned day) {
  r[at] = day & 0xFF;
  r[at + 1] = day >> 8;
}

std::string bytesOf(const std::vector<BaseRecord>& records) {
  std::string s;
  for (const auto& r : records) s.append(reinterpret_cast<const char*>(r.data()), r.size());
  return s;
}

// Symbol "ŚR-1" in Mazovia (Ś = 0x98), name "Łódź" (Ł 0x9C, ó 0xA2, ź 0xA6).
TEST(HandWrittenBase, LoaderReadsEveryFieldAtItsOffset) {
  const std::string symb = "\x98R-1";
  BaseRecord main = rawRecord(symb, 1);
  putShort(main, 18,
           "\x9C\xA2"
           "d\xA6");
  putDay(main, 59, 37000);
  encodeExtended(999.99L, &main[61]);
  putShort(main, 71, "FV/1");
  putDay(main, 87, 37001);
  encodeExtended(1500.25L, &main[89]);
  main[99] = 0;  // no opening balance: WaBr and WaUm below must be ignored
  encodeExtended(77.0L, &main[100]);
  encodeExtended(55.0L, &main[110]);
  main[120] = 'D';
  putDay(main, 121, 40000);  // write stamp day

  BaseRecord second = rawRecord(symb, 2);
  putShort(second, 18, "drugi");
  putShort(second, 59, "dostawca \x86");  // ą
  putShort(second, 100, "OT/7");

  BaseRecord opis = rawRecord(symb, 3, 2);  // Opis lines 3 and 4
  putShort(opis, 18, "linia 3");
  putShort(opis, 69, "linia 4");

  BaseRecord rate = rawRecord(symb, 4, 5);  // K[5]
  putShort(rate, 18,
           "8\xA1"
           "1");  // SKST "8Ż1"
  putDay(rate, 35, 37100);
  encodeExtended(20.0L, &rate[37]);
  encodeExtended(1.2L, &rate[47]);
  encodeExtended(10.0L, &rate[67]);
  encodeExtended(2.0L, &rate[77]);

  BaseRecord changes = rawRecord(symb, 5, 30);  // entries 59 and 60
  putShort(changes, 18, "MU:010121,POK 1");
  putShort(changes, 69, "OO:020121,NOWAK \x9E");  // ś

  // A second asset with an opening balance: byte 99 = 119 is 2019.
  BaseRecord other = rawRecord("B", 1);
  encodeExtended(10.0L, &other[89]);
  other[99] = 119;
  encodeExtended(8.0L, &other[100]);
  encodeExtended(3.0L, &other[110]);
  putDay(other, 121, 39000);

  testing::TempDir dir;
  std::string path = dir.file("Srodki.PST");
  ASSERT_TRUE(platform::writeWholeFile(path, bytesOf({main, second, opis, rate, changes, other})));
  AssetRegister reg;
  BaseJournal journal(path);
  ASSERT_TRUE(journal.load(reg).ok());
  EXPECT_EQ(journal.readPosition(), 6);
  ASSERT_EQ(reg.assetCount(), 2);
  EXPECT_EQ(reg.minWriteDay, 0);  // the unstamped-day records count as day 0
  EXPECT_EQ(reg.maxWriteDay, 40000);

  ASSERT_TRUE(reg.exists(text::fromUtf8("ŚR-1")));
  const AssetRecord& a = reg.currentRecord();
  EXPECT_EQ(a.Nazw, text::fromUtf8("Łódź"));
  EXPECT_EQ(a.DtZa, 37000);
  EXPECT_EQ(a.CeZa, 999.99L);
  EXPECT_EQ(a.DdZa, "FV/1");
  EXPECT_EQ(a.DtOT, 37001);
  EXPECT_EQ(a.WaOT, 1500.25L);
  EXPECT_EQ(a.RokP, 0);
  EXPECT_EQ(a.WaBr, 1500.25L);
  EXPECT_EQ(a.WaUm, 0);
  EXPECT_EQ(a.MeUm, 'D');
  EXPECT_EQ(a.Na2w, "drugi");
  EXPECT_EQ(a.Dost, text::fromUtf8("dostawca ą"));
  EXPECT_EQ(a.DdOT, "OT/7");
  EXPECT_EQ(a.Opis[2], "linia 3");
  EXPECT_EQ(a.Opis[3], "linia 4");
  EXPECT_EQ(a.Opis[0], "");
  EXPECT_EQ(a.K[4].SKST, text::fromUtf8("8Ż1"));
  EXPECT_EQ(a.K[4].date, 37100);
  EXPECT_EQ(a.K[4].StPo, 20.0L);
  EXPECT_EQ(a.K[4].WsPo, 1.2L);
  EXPECT_EQ(a.K[4].StBi, 10.0L);
  EXPECT_EQ(a.K[4].WsBi, 2.0L);
  EXPECT_EQ(a.Z[58], "MU:010121,POK 1");
  EXPECT_EQ(a.Z[59], text::fromUtf8("OO:020121,NOWAK ś"));

  ASSERT_TRUE(reg.exists("B"));
  EXPECT_EQ(reg.currentRecord().RokP, 2019);
  EXPECT_EQ(reg.currentRecord().WaBr, 8.0L);
  EXPECT_EQ(reg.currentRecord().WaUm, 3.0L);
}

TEST(HandWrittenBase, EncoderPutsFieldsAtTheSameOffsets) {
  AssetRecord a = testing::filledAsset(text::fromUtf8("ŻUK-9"));
  BaseRecord main = encodeRecord(a, RecordKind::Main);
  EXPECT_EQ(main[0], 5);
  EXPECT_EQ(main[1], 0xA1);  // Ż in Mazovia
  EXPECT_EQ(main[16], 1);
  EXPECT_EQ(main[99], 119);  // 2019
  EXPECT_EQ(decodeExtended(&main[89]), a.WaOT);
  EXPECT_EQ(main[120], 'L');
  BaseRecord rate = encodeRecord(a, RecordKind::Rate, 2);
  EXPECT_EQ(rate[17], 2);
  EXPECT_EQ(rate[18], a.K[1].SKST.size());
  EXPECT_EQ(rate[22], 0x98);  // Ś of "491Ś1" in Mazovia
  for (std::size_t i = 57; i < 67; ++i) EXPECT_EQ(rate[i], 0) << i;
  EXPECT_EQ(decodeExtended(&rate[77]), 1.5L);
}

TEST(RecordCheck, SymbolKindSubIndexTextsMethodAndStamp) {
  EXPECT_EQ(checkRecord(rawRecord("AZ09 &+-./\x8F\x95\x90\x9C\xA5", 0)), RecordFault::None);
  EXPECT_EQ(checkRecord(rawRecord("", 0)), RecordFault::SymbolLength);
  BaseRecord longSymbol = rawRecord("A", 0);
  longSymbol[0] = 16;
  EXPECT_EQ(checkRecord(longSymbol), RecordFault::SymbolLength);
  EXPECT_EQ(checkRecord(rawRecord("ab", 0)), RecordFault::SymbolCharacter);
  EXPECT_EQ(checkRecord(rawRecord("A\x86", 0)), RecordFault::SymbolCharacter);  // ą is lower case
  EXPECT_EQ(checkRecord(rawRecord("A", 6)), RecordFault::Kind);
  EXPECT_EQ(checkRecord(rawRecord("A", 3, 0)), RecordFault::SubIndex);
  EXPECT_EQ(checkRecord(rawRecord("A", 3, 6)), RecordFault::SubIndex);
  EXPECT_EQ(checkRecord(rawRecord("A", 4, 6)), RecordFault::SubIndex);
  EXPECT_EQ(checkRecord(rawRecord("A", 5, 30)), RecordFault::None);
  EXPECT_EQ(checkRecord(rawRecord("A", 5, 31)), RecordFault::SubIndex);

  BaseRecord main = rawRecord("A", 1);
  putShort(main, 18, "ok");
  main[120] = 'x';
  EXPECT_EQ(checkRecord(main), RecordFault::Method);
  main[120] = ' ';
  EXPECT_EQ(checkRecord(main), RecordFault::None);
  putShort(main, 71, "a\tb");
  EXPECT_EQ(checkRecord(main), RecordFault::TextCharacter);
  main[71] = 16;  // DdZa holds at most 15
  EXPECT_EQ(checkRecord(main), RecordFault::TextLength);

  BaseRecord second = rawRecord("A", 2);
  putShort(second, 59, "\x01");
  EXPECT_EQ(checkRecord(second), RecordFault::TextCharacter);
  // DdOT is not held to printable characters, only to its length.
  second = rawRecord("A", 2);
  putShort(second, 100, "\x01");
  EXPECT_EQ(checkRecord(second), RecordFault::None);
  BaseRecord changes = rawRecord("A", 5, 1);
  changes[69] = 51;
  EXPECT_EQ(checkRecord(changes), RecordFault::TextLength);

  // Stamps are not checked: a record without one is still replayed.
  BaseRecord unstamped = rawRecord("A", 1);
  unstamped[125] = unstamped[126] = unstamped[127] = 0;
  EXPECT_EQ(checkRecord(unstamped), RecordFault::None);
}

TEST(WriteStampFields, MinutesKeepTheAfterPaddingFlagApart) {
  BaseRecord r = rawRecord("A", 0);
  setStamp(r, {40000, 23 * 60 + 59, {'1', '9', '7'}});
  EXPECT_FALSE(followsPadding(r));
  markFollowsPadding(r);
  EXPECT_TRUE(followsPadding(r));
  EXPECT_EQ(stampOf(r), (WriteStamp{40000, 23 * 60 + 59, {'1', '9', '7'}}));
  EXPECT_EQ(r[123] | (r[124] << 8), 0x8000 | (23 * 60 + 59));
  EXPECT_EQ(r[121] | (r[122] << 8), 40000);
}

TEST(WriterIdentifier, SuffixDigitsAfterTheDot) {
  EXPECT_EQ(workstationSuffix(5), ".005");
  EXPECT_EQ(workstationSuffix(197), ".197");
  auto id = writerIdentifier(".005");
  EXPECT_EQ(std::string(id.begin(), id.end()), "005");
  id = writerIdentifier(".xxx");
  EXPECT_EQ(std::string(id.begin(), id.end()), "xxx");
  id = writerIdentifier("");
  EXPECT_EQ(std::string(id.begin(), id.end()), "   ");
}

}  // namespace
}  // namespace zefir::base
