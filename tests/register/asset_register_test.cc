#include "register/asset_register.h"

#include <gtest/gtest.h>

namespace zefir {
namespace {

TEST(AssetRegister, EmptyRegisterLookupLandsOnEndSlot) {
  AssetRegister reg;
  EXPECT_EQ(reg.count(), 1);
  EXPECT_EQ(reg.find("ANY"), 1);
  EXPECT_FALSE(reg.exists("ANY"));
  EXPECT_EQ(reg.slot(1).Symb, std::string(1, '\xFF'));
}

TEST(AssetRegister, PrefixSortsFirstAndBytesCompareUnsigned) {
  AssetRegister reg;
  for (const char* s : {"AB1", "AB", "\xA5Z", "ZZ"}) {  // \xA5 is Ą in code page 1250
    ASSERT_FALSE(reg.exists(s));
    ASSERT_TRUE(reg.insertAtCurrent().ok());
    reg.currentRecord().Symb = s;
  }
  ASSERT_EQ(reg.count(), 5);
  EXPECT_EQ(reg.symbolOf(1), "AB");
  EXPECT_EQ(reg.symbolOf(2), "AB1");
  EXPECT_EQ(reg.symbolOf(3), "ZZ");
  EXPECT_EQ(reg.symbolOf(4), "\xA5Z");
  EXPECT_TRUE(reg.exists("AB1"));
  EXPECT_EQ(reg.current(), 2);
  reg.deleteAtCurrent();
  EXPECT_EQ(reg.count(), 4);
  EXPECT_FALSE(reg.exists("AB1"));
}

// Cut to 15 characters, a longer symbol would name the asset it begins with.
TEST(AssetRegister, SymbolLongerThan15NeverMatchesTheAssetItBeginsWith) {
  AssetRegister reg;
  ASSERT_FALSE(reg.exists("ABCDEFGHIJKLMNO"));
  ASSERT_TRUE(reg.insertAtCurrent().ok());
  reg.currentRecord().Symb = "ABCDEFGHIJKLMNO";
  EXPECT_FALSE(reg.exists("ABCDEFGHIJKLMNOP"));
  EXPECT_EQ(reg.find("ABCDEFGHIJKLMNOP"), 2);  // after it, on the end slot
  EXPECT_TRUE(reg.exists("ABCDEFGHIJKLMNO"));
  EXPECT_TRUE(checkSymbolLength("ABCDEFGHIJKLMNO").ok());
  const Status refused = checkSymbolLength("ABCDEFGHIJKLMNOP");
  EXPECT_FALSE(refused.ok());
  EXPECT_NE(refused.message().find("ABCDEFGHIJKLMNOP"), std::string::npos);
}

TEST(AssetRegister, InsertBeyondCapacityIsRefusedAndNothingChanges) {
  AssetRegister reg;
  char buf[16];
  for (int i = 0; i < kMaxAssets; ++i) {
    std::snprintf(buf, sizeof buf, "S%05d", i);
    reg.find(buf);
    ASSERT_TRUE(reg.insertAtCurrent().ok());
    reg.currentRecord().Symb = buf;
  }
  EXPECT_EQ(reg.count(), kRegisterSlots - 1);
  reg.find("T");
  Status s = reg.insertAtCurrent();
  EXPECT_FALSE(s.ok());
  EXPECT_FALSE(s.message().empty());
  EXPECT_EQ(reg.count(), kRegisterSlots - 1);
  EXPECT_EQ(reg.symbolOf(reg.count()), std::string(1, '\xFF'));
}

TEST(Dictionary, RefusesThe1000thEntry) {
  Dictionary d;
  for (int i = 0; i < kDictionaryCapacity; ++i) ASSERT_TRUE(d.add({std::to_string(i), "x"}).ok());
  EXPECT_FALSE(d.add({"over", "x"}).ok());
  EXPECT_EQ(d.count(), 1000);
}

}  // namespace
}  // namespace zefir

namespace zefir {
namespace {

// A record is given out again once freed (a reload finds its memory in
// place), and the one given out starts as an empty record whatever the old
// one held, even when only default-initialised.
TEST(AssetRecordMemory, AFreedRecordIsReusedAndStartsEmpty) {
  auto full = std::make_unique<AssetRecord>();
  full->Symb = "ST/1";
  full->Nazw = "Tokarka uniwersalna z wyposażeniem";
  full->WaOT = 1234.5L;
  full->K[2] = RateEntry{100, "491", 20, 1, 10, 1};
  for (auto& z : full->Z) z = "MU:010120,HALA PRODUKCYJNA NR 2,100";
  const void* where = full.get();
  full.reset();
  auto fresh = std::make_unique_for_overwrite<AssetRecord>();
  EXPECT_EQ(static_cast<const void*>(fresh.get()), where);
  EXPECT_TRUE(*fresh == AssetRegister::emptyRecord());
  EXPECT_TRUE(fresh->Z[59].empty());
}

}  // namespace
}  // namespace zefir
