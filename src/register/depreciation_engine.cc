#include "register/depreciation_engine.h"

#include "register/engine_year_loop.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir {

long double effectiveRate(const RateEntry& k, Basis basis) {
  return (basis == Basis::Balance && k.WsBi > 0) ? k.StBi : k.StPo;
}

long double effectiveCoefficient(const RateEntry& k, Basis basis) {
  const long double coef = (basis == Basis::Balance && k.WsBi > 0) ? k.WsBi : k.WsPo;
  // A coefficient left at 0 was never filled in; the rate then applies as it
  // stands (a stopped asset is the T method's or a stop mark's business).
  return coef > 0 ? coef : 1.0L;
}

const RateEntry& rateEntryInForce(const AssetRecord& asset, DayNumber day) {
  for (int i = kRateEntries - 1; i >= 1; --i)
    if (asset.K[i].date != 0 && asset.K[i].date <= day) return asset.K[i];
  return asset.K[0];
}

void DepreciationEngine::setAsOf(DayNumber asOf) {
  if (asOf == lastAsOf_ && asOf != 0) return;
  lastAsOf_ = asOf;
  asOfYear_ = text::yearOfDay(asOf);
  asOfMonth_ = text::monthOfDayJanuaryZero(asOf);
}

const WorkingRecord& DepreciationEngine::compute(const AssetRegister& reg, int slot, DayNumber asOf,
                                                 std::string_view kindFilter) {
  if (slot <= 0 || slot >= reg.count()) {
    wr_ = WorkingRecord{};  // slot 0: an empty working record, nothing computed
    return wr_;
  }
  return compute(reg.slot(slot), asOf, kindFilter);
}

namespace {

// The results of the previous computation cleared in place: the working
// record is large, and rebuilding it for every asset of a listing would cost
// more than computing most assets.
void clearResults(WorkingRecord& wr) {
  for (int i = 0; i < wr.yearCount; ++i) wr.years[i] = YearEntry{};
  wr.yearCount = 0;
  wr.months = {};
  wr.summary = AsOfSummary{};
  wr.classification = ClassificationInForce{};
  wr.computed = false;
}

// Every entry read once, into the record's array: the earlier entries of the
// same kind counted as parseChangeEntries counts them, free slots skipped.
void parseEntriesInto(const AssetRecord& asset, ParsedEntries& parsed) {
  for (int i = 0; i < kChangeEntries; ++i) {
    const std::string_view text = asset.Z[i];
    if (text.empty()) {
      if (!parsed[i].empty()) parsed[i] = ChangeEntry{};
      continue;
    }
    int earlier = 0;
    if (text.size() >= 3 && text[2] == ':') {
      const std::string kind = text::upperCase(text.substr(0, 2));
      for (int j = 0; j < i; ++j)
        if (parsed[j].C == kind) ++earlier;
    }
    parsed[i] = parseChangeEntry(text, earlier);
  }
}

}  // namespace

const WorkingRecord& DepreciationEngine::compute(const AssetRecord& asset, DayNumber asOf,
                                                 std::string_view kindFilter) {
  setAsOf(asOf);
  clearResults(wr_);
  wr_.asset = asset;
  wr_.asOf = asOf;
  wr_.asOfYear = asOfYear_;
  wr_.asOfMonth = asOfMonth_;
  // Every entry is read once per computation; the years, the split and the
  // reports all use this one reading.
  parseEntriesInto(asset, wr_.entries);
  const engine::Preparation prep = engine::prepare(wr_);
  engine::runYears(wr_, prep, basis_, !monthByMonth_);
  wr_.classification.entry = rateEntryInForce(wr_.asset, text::dayFromDate(asOfYear_, 1, 1));
  wr_.classification.rate = effectiveRate(wr_.classification.entry, basis_);
  wr_.classification.coef = effectiveCoefficient(wr_.classification.entry, basis_);
  wr_.split = splitAttributes(asset, wr_.entries, asOf, kindFilter);
  wr_.computed = true;
  return wr_;
}

}  // namespace zefir
