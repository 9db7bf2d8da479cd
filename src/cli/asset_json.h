// An asset record as one JSON object, the form `zefir-cli dump` prints and
// `zefir-cli put` reads:
//
//   Symb Nazw DtZa CeZa DdZa DtOT WaOT RokP WaBr WaUm MeUm Na2w Dost DdOT
//   Opis (10 strings)
//   K (5 objects: date SKST StPo WsPo StBi WsBi)
//   Z (60 strings, "" for a free slot)
//
// Dates are day numbers, RokP an integer, money, rates and coefficients JSON
// numbers, texts UTF-8, MeUm a one-character string ("" for a zero byte).
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "register/asset_record.h"

namespace zefir::cli {

using Json = nlohmann::ordered_json;

Json assetToJson(const AssetRecord& asset);

// Sets the fields named in `object` (every key but "delete" and "Symb", which
// the caller handles); fields left out keep their values. A number equal to
// the field's value as assetToJson printed it keeps the exact 80-bit value,
// so a dumped asset reads back unchanged. Returns "" or what is wrong (UTF-8).
std::string applyAssetJson(const Json& object, AssetRecord& asset);

// Whether the asset can be stored in the base and read back unchanged: every
// record it makes passes the base's record check and replays to the same
// fields (text lengths, characters, Mazovia letters, the year of the opening
// balance). Returns "" or what is wrong (UTF-8).
std::string checkStorable(const AssetRecord& asset);

// A symbol from JSON (UTF-8) in code page 1250; "" with `error` set when it is
// not a string or does not convert.
std::string symbolFromJson(const Json& value, std::string& error);

}  // namespace zefir::cli
