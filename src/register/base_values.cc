#include "register/base_values.h"

#include <cmath>

#include "register/base_extended.h"

namespace zefir::base {

namespace {

// A stored extended real whose exponent keeps it below 2^49 (about 5.6e14) is
// sound without decoding it.
constexpr int kSoundExponentBelow = 16383 + 49;

bool damagedAt(const BaseRecord& r, std::size_t at) {
  const int exponent = r[at + 8] | ((r[at + 9] & 0x7F) << 8);
  return exponent >= kSoundExponentBelow && isDamagedAmount(decodeExtended(&r[at]));
}

struct RealField {
  const char* name;
  std::size_t at;
};

constexpr RealField kMainAmounts[] = {{"CeZa", main_data::kCeZa}, {"WaOT", main_data::kWaOT}};
constexpr RealField kOpeningAmounts[] = {{"WaBr", main_data::kWaBr}, {"WaUm", main_data::kWaUm}};
constexpr RealField kRates[] = {
    {"StPo", rate::kStPo}, {"WsPo", rate::kWsPo}, {"StBi", rate::kStBi}, {"WsBi", rate::kWsBi}};

// Calls damaged(name) for every damaged field; stops when it returns true.
template <typename Damaged>
void forEachDamaged(const BaseRecord& r, Damaged damaged) {
  auto reals = [&](const auto& fields) {
    for (const RealField& f : fields)
      if (damagedAt(r, f.at) && damaged(f.name)) return true;
    return false;
  };
  switch (kindOf(r)) {
    case RecordKind::Main: {
      if (reals(kMainAmounts)) return;
      const int stored = r[main_data::kRokP];
      if (stored == 0) return;
      if (!isValidOpeningYear(stored + 1900)) {
        damaged("RokP");
        return;
      }
      reals(kOpeningAmounts);
      return;
    }
    case RecordKind::Rate:
      reals(kRates);
      return;
    default:
      return;
  }
}

}  // namespace

bool isDamagedAmount(long double value) {
  return !(std::fabs(value) <= kMaxAmount);  // NaN too
}

bool isValidOpeningYear(int year) {
  return year == 0 || (year >= kFirstOpeningYear && year <= kLastOpeningYear);
}

std::vector<std::string> damagedFields(const BaseRecord& r) {
  std::vector<std::string> out;
  forEachDamaged(r, [&](const char* name) {
    out.emplace_back(name);
    return false;
  });
  return out;
}

bool hasDamagedValues(const BaseRecord& r) {
  bool any = false;
  forEachDamaged(r, [&](const char*) { return any = true; });
  return any;
}

std::string unstorableValue(const AssetRecord& a) {
  if (!isValidOpeningYear(a.RokP)) return "RokP";
  // WaBr and WaUm are stored only with an opening year.
  const std::pair<const char*, long double> amounts[] = {{"CeZa", a.CeZa},
                                                         {"WaOT", a.WaOT},
                                                         {"WaBr", a.RokP ? a.WaBr : 0},
                                                         {"WaUm", a.RokP ? a.WaUm : 0}};
  for (const auto& [name, value] : amounts)
    if (isDamagedAmount(value)) return name;
  for (const RateEntry& k : a.K)
    for (const auto& [name, value] : {std::pair<const char*, long double>{"StPo", k.StPo},
                                      {"WsPo", k.WsPo},
                                      {"StBi", k.StBi},
                                      {"WsBi", k.WsBi}})
      if (isDamagedAmount(value)) return name;
  return "";
}

void asTheBaseKeepsIt(AssetRecord& asset) {
  if (asset.RokP == 0) {
    asset.WaBr = asset.WaOT;
    asset.WaUm = 0;
  }
}

}  // namespace zefir::base
