#include "cli/asset_json.h"

#include <cstdlib>
#include <limits>

#include "register/asset_register.h"
#include "register/base_record.h"
#include "text/codepage.h"

namespace zefir::cli {

namespace {

using base::RecordKind;

std::string utf8(std::string_view cp1250) {
  return text::toUtf8(cp1250);
}

// Money and rates as JSON numbers: the nearest double, printed by the JSON
// library with as many digits as it needs to read back the same double.
double number(long double v) {
  return static_cast<double>(v);
}

Json rateToJson(const RateEntry& k) {
  Json o;
  o["date"] = k.date;
  o["SKST"] = utf8(k.SKST);
  o["StPo"] = number(k.StPo);
  o["WsPo"] = number(k.WsPo);
  o["StBi"] = number(k.StBi);
  o["WsBi"] = number(k.WsBi);
  return o;
}

// Readers of one JSON value into one field. Each returns "" or what is wrong.
// A text longer than its field is refused, not cut.
template <typename Field>
std::string readText(const Json& v, Field& field) {
  if (!v.is_string()) return "oczekiwano tekstu";
  const auto& s = v.get_ref<const std::string&>();
  std::string converted = text::fromUtf8(s);
  if (text::toUtf8(converted) != s) return "znak spoza strony kodowej 1250";
  if constexpr (!std::is_same_v<Field, std::string>) {
    if (!Field::fits(converted))
      return "za długi tekst (najwyżej " + std::to_string(Field::kCapacity) + " znaków)";
  }
  field = converted;
  return "";
}

std::string readDay(const Json& v, DayNumber& field) {
  if (!v.is_number_integer() || v.get<long long>() < 0 ||
      v.get<long long>() > std::numeric_limits<DayNumber>::max())
    return "oczekiwano numeru dnia 0..65535";
  field = static_cast<DayNumber>(v.get<long long>());
  return "";
}

// A number equal to the field's value as dumped keeps the field's exact
// value; another number is read from its shortest decimal text, so 1500.1
// becomes the extended 1500.1, not the double nearest to it.
std::string readReal(const Json& v, long double& field) {
  if (!v.is_number()) return "oczekiwano liczby";
  if (v.get<double>() == number(field)) return "";
  field = std::strtold(v.dump().c_str(), nullptr);
  return "";
}

std::string readMethod(const Json& v, char& field) {
  std::string s;
  if (auto e = readText(v, s); !e.empty()) return e;
  if (s.size() > 1) return "oczekiwano jednej litery";
  field = s.empty() ? '\0' : s[0];
  return "";
}

template <typename Read>
std::string readList(const Json& v, std::size_t max, Read read) {
  if (!v.is_array()) return "oczekiwano listy";
  if (v.size() > max) return "za długa lista (najwyżej " + std::to_string(max) + ")";
  for (std::size_t i = 0; i < max; ++i)
    if (auto e = read(i, i < v.size() ? &v[i] : nullptr); !e.empty())
      return "pozycja " + std::to_string(i + 1) + ": " + e;
  return "";
}

std::string readRate(const Json& v, RateEntry& k) {
  if (!v.is_object()) return "oczekiwano obiektu";
  for (const auto& [key, value] : v.items()) {
    std::string e;
    if (key == "date")
      e = readDay(value, k.date);
    else if (key == "SKST")
      e = readText(value, k.SKST);
    else if (key == "StPo")
      e = readReal(value, k.StPo);
    else if (key == "WsPo")
      e = readReal(value, k.WsPo);
    else if (key == "StBi")
      e = readReal(value, k.StBi);
    else if (key == "WsBi")
      e = readReal(value, k.WsBi);
    else
      e = "nieznany klucz";
    if (!e.empty()) return key + ": " + e;
  }
  return "";
}

std::string readField(const std::string& key, const Json& v, AssetRecord& a) {
  if (key == "Nazw") return readText(v, a.Nazw);
  if (key == "DtZa") return readDay(v, a.DtZa);
  if (key == "CeZa") return readReal(v, a.CeZa);
  if (key == "DdZa") return readText(v, a.DdZa);
  if (key == "DtOT") return readDay(v, a.DtOT);
  if (key == "WaOT") return readReal(v, a.WaOT);
  if (key == "RokP") {
    if (!v.is_number_integer() || v.get<long long>() < 0 || v.get<long long>() > 65535)
      return "oczekiwano roku";
    a.RokP = static_cast<std::uint16_t>(v.get<long long>());
    return "";
  }
  if (key == "WaBr") return readReal(v, a.WaBr);
  if (key == "WaUm") return readReal(v, a.WaUm);
  if (key == "MeUm") return readMethod(v, a.MeUm);
  if (key == "Na2w") return readText(v, a.Na2w);
  if (key == "Dost") return readText(v, a.Dost);
  if (key == "DdOT") return readText(v, a.DdOT);
  // A list stands for the whole field: entries it leaves out become empty.
  if (key == "Opis")
    return readList(v, kOpisLines, [&](std::size_t i, const Json* e) {
      return e ? readText(*e, a.Opis[i]) : (a.Opis[i].clear(), std::string());
    });
  if (key == "K")
    return readList(v, kRateEntries, [&](std::size_t i, const Json* e) {
      return e ? readRate(*e, a.K[i]) : (a.K[i] = RateEntry{}, std::string());
    });
  if (key == "Z")
    return readList(v, kChangeEntries, [&](std::size_t i, const Json* e) {
      return e ? readText(*e, a.Z[i]) : (a.Z[i].clear(), std::string());
    });
  return "nieznany klucz";
}

// The name of the first field in which two records differ.
std::string firstDifference(const AssetRecord& a, const AssetRecord& b) {
  if (a.Symb != b.Symb) return "Symb";
  if (a.Nazw != b.Nazw) return "Nazw";
  if (a.DtZa != b.DtZa) return "DtZa";
  if (a.CeZa != b.CeZa) return "CeZa";
  if (a.DdZa != b.DdZa) return "DdZa";
  if (a.DtOT != b.DtOT) return "DtOT";
  if (a.WaOT != b.WaOT) return "WaOT";
  if (a.RokP != b.RokP || a.WaBr != b.WaBr || a.WaUm != b.WaUm) return "RokP";
  if (a.MeUm != b.MeUm) return "MeUm";
  if (a.Na2w != b.Na2w) return "Na2w";
  if (a.Dost != b.Dost) return "Dost";
  if (a.DdOT != b.DdOT) return "DdOT";
  for (int i = 0; i < kOpisLines; ++i)
    if (a.Opis[i] != b.Opis[i]) return "Opis " + std::to_string(i + 1);
  for (int i = 0; i < kRateEntries; ++i)
    if (!(a.K[i] == b.K[i])) return "K " + std::to_string(i + 1);
  for (int i = 0; i < kChangeEntries; ++i)
    if (a.Z[i] != b.Z[i]) return "Z " + std::to_string(i + 1);
  return "?";
}

}  // namespace

Json assetToJson(const AssetRecord& a) {
  Json o;
  o["Symb"] = utf8(a.Symb);
  o["Nazw"] = utf8(a.Nazw);
  o["DtZa"] = a.DtZa;
  o["CeZa"] = number(a.CeZa);
  o["DdZa"] = utf8(a.DdZa);
  o["DtOT"] = a.DtOT;
  o["WaOT"] = number(a.WaOT);
  o["RokP"] = a.RokP;
  o["WaBr"] = number(a.WaBr);
  o["WaUm"] = number(a.WaUm);
  o["MeUm"] = a.MeUm == '\0' ? std::string() : utf8(std::string(1, a.MeUm));
  o["Na2w"] = utf8(a.Na2w);
  o["Dost"] = utf8(a.Dost);
  o["DdOT"] = utf8(a.DdOT);
  o["Opis"] = Json::array();
  for (const auto& line : a.Opis) o["Opis"].push_back(utf8(line));
  o["K"] = Json::array();
  for (const auto& k : a.K) o["K"].push_back(rateToJson(k));
  o["Z"] = Json::array();
  for (const auto& z : a.Z) o["Z"].push_back(utf8(z));
  return o;
}

std::string applyAssetJson(const Json& object, AssetRecord& asset) {
  for (const auto& [key, value] : object.items()) {
    if (key == "Symb" || key == "delete") continue;
    if (auto e = readField(key, value, asset); !e.empty()) return key + ": " + e;
  }
  return "";
}

std::string checkStorable(const AssetRecord& asset) {
  // Every record the asset makes, stamped as a writer would stamp it, must
  // pass the check that replay makes, and replaying them must give the asset
  // back (nothing cut, no letter lost to Mazovia, RokP storable).
  const base::WriteStamp stamp{1, 0, base::writerIdentifier(".001")};
  AssetRecord replayed;
  auto replay = [&](RecordKind kind, int sub) -> std::string {
    auto record = base::encodeRecord(asset, kind, sub);
    base::setStamp(record, stamp);
    if (const auto fault = base::checkRecord(record); fault != base::RecordFault::None)
      return text::toUtf8(base::faultText(fault));
    base::applyRecord(record, replayed);
    return "";
  };
  std::string e = replay(RecordKind::Main, 0);
  if (e.empty()) e = replay(RecordKind::Second, 0);
  for (int s = 1; e.empty() && s <= base::kDescriptionRecords; ++s)
    e = replay(RecordKind::Description, s);
  for (int i = 1; e.empty() && i <= kRateEntries; ++i) e = replay(RecordKind::Rate, i);
  for (int s = 1; e.empty() && s <= base::kChangeRecords; ++s) e = replay(RecordKind::Changes, s);
  if (!e.empty()) return e;
  replayed.UmPo = asset.UmPo;
  if (!(replayed == asset))
    return firstDifference(asset, replayed) +
           ": nie zmieści się w rekordzie bazy (długość tekstu, znak spoza Mazovii albo rok)";
  return "";
}

std::string symbolFromJson(const Json& value, std::string& error) {
  // Refused when too long, with the symbol named: cut, it would name (and
  // overwrite or delete) another asset.
  std::string symbol;
  error = readText(value, symbol);
  if (error.empty() && symbol.empty()) error = "pusty symbol";
  if (error.empty())
    if (Status s = checkSymbolLength(symbol); !s) error = text::toUtf8(s.message());
  return error.empty() ? symbol : std::string();
}

}  // namespace zefir::cli
