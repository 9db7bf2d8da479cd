// Values a record of the base can hold but no asset can have: amounts that
// are not numbers, infinite, or beyond any real amount, and opening years
// outside the register's calendar. Replay reads such a field as 0 (a year as
// no opening balance), keeps the rest of the record and reports it; saving
// refuses to write one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "register/base_record.h"

namespace zefir::base {

// Money, rates and coefficients above this magnitude are damage: no asset
// is worth a thousand trillion złoty.
inline constexpr long double kMaxAmount = 1e15L;
// An opening year's 1 January must be a day the register can write: day
// numbers start on 1 January 1920, which is day 0 and means "no date", and
// dates as six-digit texts end with 2039.
inline constexpr int kFirstOpeningYear = 1921;
inline constexpr int kLastOpeningYear = 2039;

bool isDamagedAmount(long double value);
// 0 (no opening balance) or kFirstOpeningYear .. kLastOpeningYear.
bool isValidOpeningYear(int year);

// The fields of a checked record whose stored values are damaged, by their
// names ("WaUm", "RokP", "StPo"); empty for a sound record. Only the fields
// replay reads count (WaBr and WaUm only with a valid opening year).
std::vector<std::string> damagedFields(const BaseRecord& record);
// damagedFields(record) is not empty; cheap enough for every record of a load.
bool hasDamagedValues(const BaseRecord& record);

// The first field of the asset that a save could not store soundly, or "".
std::string unstorableValue(const AssetRecord& asset);

// The base keeps no opening balance when RokP is 0: replay sets WaBr to WaOT
// and WaUm to 0. An asset built outside the editor is put in that form, so
// comparing it with the asset read back finds no change where there is none.
void asTheBaseKeepsIt(AssetRecord& asset);

}  // namespace zefir::base
