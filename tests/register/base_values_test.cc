// Values a record can hold but no asset can have: named, read as 0, reported,
// refused at the save, and never a reason for long computations.
#include "register/base_values.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "base_test_util.h"
#include "engine_test_support.h"
#include "platform/file_system.h"
#include "platform/status_line.h"
#include "register/base_extended.h"
#include "register/base_journal.h"
#include "register/depreciation_engine.h"
#include "text/rounding.h"

namespace zefir {
namespace {

using base::BaseRecord;
using base::RecordKind;
using testing::filledAsset;

constexpr long double kHuge = LDBL_MAX;  // about 1.19e4932
const long double kNaN = std::numeric_limits<long double>::quiet_NaN();
const long double kInf = std::numeric_limits<long double>::infinity();

BaseRecord stamped(BaseRecord r) {
  base::setStamp(r, {38000, 600, {'0', '0', '4'}});
  return r;
}

BaseRecord mainWith(const std::string& symb, std::size_t at, long double value) {
  BaseRecord r = stamped(base::encodeRecord(filledAsset(symb), RecordKind::Main));
  base::encodeExtended(value, &r[at]);
  return r;
}

BaseRecord mainWithYearByte(const std::string& symb, int byte) {
  BaseRecord r = stamped(base::encodeRecord(filledAsset(symb), RecordKind::Main));
  r[base::main_data::kRokP] = static_cast<unsigned char>(byte);
  return r;
}

TEST(DamagedValues, EachDamagedFieldOfARecordIsNamed) {
  using namespace base::main_data;
  EXPECT_EQ(base::damagedFields(mainWith("A", kWaUm, kNaN)), std::vector<std::string>{"WaUm"});
  EXPECT_EQ(base::damagedFields(mainWith("A", kCeZa, -kHuge)), std::vector<std::string>{"CeZa"});
  EXPECT_EQ(base::damagedFields(mainWith("A", kWaOT, 1.0000001e15L)),
            std::vector<std::string>{"WaOT"});
  EXPECT_TRUE(base::damagedFields(mainWith("A", kWaOT, -999999999999999.99L)).empty());
  EXPECT_EQ(base::damagedFields(mainWithYearByte("A", 10)), std::vector<std::string>{"RokP"});
  EXPECT_EQ(base::damagedFields(mainWithYearByte("A", 140)), std::vector<std::string>{"RokP"});
  EXPECT_TRUE(base::damagedFields(mainWithYearByte("A", 21)).empty());   // 1921
  EXPECT_TRUE(base::damagedFields(mainWithYearByte("A", 139)).empty());  // 2039
  // Without an opening year the opening amounts are not read: no damage.
  BaseRecord noYear = mainWith("A", kWaUm, kInf);
  noYear[kRokP] = 0;
  EXPECT_TRUE(base::damagedFields(noYear).empty());
  BaseRecord rate = stamped(base::encodeRecord(filledAsset("A"), RecordKind::Rate, 2));
  base::encodeExtended(kInf, &rate[base::rate::kStPo]);
  base::encodeExtended(kNaN, &rate[base::rate::kWsBi]);
  EXPECT_EQ(base::damagedFields(rate), (std::vector<std::string>{"StPo", "WsBi"}));
  EXPECT_TRUE(
      base::damagedFields(stamped(base::encodeRecord(filledAsset("A"), RecordKind::Main))).empty());
}

class DamagedBase : public ::testing::Test {
 protected:
  void SetUp() override { setStatusLine(&status); }
  void TearDown() override { setStatusLine(nullptr); }
  void write(const std::vector<BaseRecord>& records) {
    std::string bytes;
    for (const BaseRecord& r : records)
      bytes.append(reinterpret_cast<const char*>(r.data()), r.size());
    ASSERT_TRUE(platform::writeWholeFile(path, bytes));
  }
  testing::TempDir dir;
  std::string path = dir.file("Srodki.PST");
  RememberingStatusLine status;
};

TEST_F(DamagedBase, LoaderKeepsTheRecordsReadsDamagedFieldsAsZeroAndSaysSo) {
  BaseRecord rate = stamped(base::encodeRecord(filledAsset("A/3"), RecordKind::Rate, 1));
  base::encodeExtended(kHuge, &rate[base::rate::kStPo]);
  write({mainWith("A/1", base::main_data::kWaUm, kNaN), mainWithYearByte("A/2", 10),
         stamped(base::encodeRecord(filledAsset("A/3"), RecordKind::Main)), rate});
  AssetRegister reg;
  BaseJournal journal(path);
  ASSERT_TRUE(journal.load(reg).ok());
  ASSERT_EQ(reg.assetCount(), 3);
  const AssetRecord sound = filledAsset("X");
  EXPECT_EQ(reg.slot(1).WaUm, 0);
  EXPECT_EQ(reg.slot(1).WaBr, sound.WaBr);
  EXPECT_EQ(reg.slot(1).Nazw, filledAsset("A/1").Nazw);
  EXPECT_EQ(reg.slot(2).RokP, 0);  // a year outside the calendar: no opening balance
  EXPECT_EQ(reg.slot(2).WaBr, sound.WaOT);
  EXPECT_EQ(reg.slot(2).WaUm, 0);
  EXPECT_EQ(reg.slot(3).K[0].StPo, 0);
  EXPECT_EQ(reg.slot(3).K[0].WsPo, sound.K[0].WsPo);
  EXPECT_EQ(journal.damagedValues(),
            (std::vector<std::string>{"A/1 WaUm", "A/2 RokP", "A/3 StPo"}));
  EXPECT_EQ(status.last_kind, StatusKind::Error);
  EXPECT_NE(status.last_text.find(text::fromUtf8("Środków: 3")), std::string::npos);
  EXPECT_NE(status.last_text.find("A/1 WaUm, A/2 RokP, A/3 StPo"), std::string::npos)
      << status.last_text;

  // What another workstation appends is read the same way.
  BaseRecord later = mainWith("A/4", base::main_data::kCeZa, -kInf);
  std::string bytes = *platform::readWholeFile(path);
  bytes.append(reinterpret_cast<const char*>(later.data()), later.size());
  ASSERT_TRUE(platform::writeWholeFile(path, bytes));
  ASSERT_TRUE(journal.readAppended(reg).ok());
  ASSERT_TRUE(reg.exists("A/4"));
  EXPECT_EQ(reg.currentRecord().CeZa, 0);
  EXPECT_NE(status.last_text.find("A/4 CeZa"), std::string::npos) << status.last_text;
}

TEST_F(DamagedBase, SaveRefusesWhatReplayWouldReadAsDamaged) {
  AssetRegister reg;
  BaseJournal journal(path);
  ASSERT_TRUE(journal.load(reg).ok());
  auto saved = [&](auto change) {
    AssetRecord a = filledAsset("S");
    change(a);
    return journal.saveAsset(reg, AssetRegister::emptyRecord(), a);
  };
  EXPECT_FALSE(saved([](AssetRecord& a) { a.RokP = 1910; }).ok());
  EXPECT_FALSE(saved([](AssetRecord& a) { a.RokP = 2040; }).ok());
  EXPECT_FALSE(saved([](AssetRecord& a) { a.WaUm = kNaN; }).ok());
  EXPECT_FALSE(saved([](AssetRecord& a) { a.CeZa = 2e15L; }).ok());
  const Status rate = saved([](AssetRecord& a) { a.K[4].WsBi = kInf; });
  EXPECT_FALSE(rate.ok());
  EXPECT_NE(rate.message().find("WsBi"), std::string::npos);
  EXPECT_EQ(journal.recordsAppended(), 0);
  EXPECT_TRUE(saved([](AssetRecord& a) { a.RokP = 1921; }).ok());
  EXPECT_TRUE(saved([](AssetRecord& a) { a.RokP = 2039; }).ok());
}

// Whatever amounts reach the engine, a computation rounds them without
// writing thousands of digits: the work is counted, not timed.
TEST(DamagedValuesInTheEngine, HugeAmountsCostNoMoreWorkThanSmallOnes) {
  for (char method : std::string("BDJLNPT"))
    for (long double huge : {kHuge, -kHuge, 1e300L, kNaN, kInf}) {
      AssetRecord a = testing::makeAsset(testing::day(15, 3, 2019), 1000, method, 20,
                                         {"OT:150420,,500", "PK:010521,,100"});
      a.RokP = 2019;
      a.WaUm = huge;
      a.WaBr = huge;
      for (bool monthByMonth : {false, true}) {
        DepreciationEngine engine;
        engine.setMonthByMonth(monthByMonth);
        const unsigned long long before = text::detail::exactRoundingWork();
        (void)engine.compute(a, testing::day(31, 12, 2039));
        EXPECT_LT(text::detail::exactRoundingWork() - before, 2000u)
            << method << " " << static_cast<double>(huge);
      }
    }
  // Rounding leaves a value too large for a fraction as it is.
  EXPECT_EQ(text::R(kHuge), kHuge);
  EXPECT_EQ(text::R(-1e30L), -1e30L);
  EXPECT_EQ(text::R(kNaN), 0);
}

}  // namespace
}  // namespace zefir
