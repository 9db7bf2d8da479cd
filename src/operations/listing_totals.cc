#include "operations/listing_totals.h"

#include "register/change_documents.h"
#include "text/dates.h"
#include "text/rounding.h"

namespace zefir::operations {

namespace {

// The value changes of the as-of year as the engine placed them: the
// acceptance in its month, then every dated entry of the year.
YearChanges asOfYearChanges(const WorkingRecord& wr) {
  YearChanges ch;
  const AssetRecord& a = wr.asset;
  if (a.DtOT != 0 && text::yearOfDay(a.DtOT) == wr.asOfYear && wr.asset.RokP <= wr.asOfYear)
    ch.months[text::monthOfDayJanuaryZero(a.DtOT)].increase = a.WaBr;
  placeYearChanges(wr.entries, a.DtOT, wr.asOfYear, wr.summary.grossBO, ch);
  return ch;
}

}  // namespace

AssetValues assetValues(const WorkingRecord& wr) {
  AssetValues v;
  const AsOfSummary& s = wr.summary;
  v.gross = wr.split.gross;
  v.accum = s.accumDay;
  v.month = s.chargeMonth;
  v.accumBO = s.accumBO;
  v.chargeYTD = s.chargeYTD;

  const YearChanges ch = asOfYearChanges(wr);
  ChangeAmounts& ot = v.changes[static_cast<int>(ListingChange::OT)];
  ChangeAmounts& pk = v.changes[static_cast<int>(ListingChange::PK)];
  ChangeAmounts& pt = v.changes[static_cast<int>(ListingChange::PT)];
  ChangeAmounts& lt = v.changes[static_cast<int>(ListingChange::LT)];
  ChangeAmounts& wu = v.changes[static_cast<int>(ListingChange::WU)];
  bool stopped = false;
  for (int i = 0; i <= wr.asOfMonth; ++i) {
    const MonthChanges& m = ch.months[i];
    ot.gross += m.increase;
    pt.gross += m.transfer;
    lt.gross += m.decrease;
    if (m.decrease != 0) v.liquidationMonth = i == 0 ? 1 : i;
    if (m.mark == 'W') stopped = true;
  }
  pk.accum = s.correctionsYTD;
  pk.month = ch.months[wr.asOfMonth].correction;
  pt.accum = s.transferredYTD;
  lt.accum = s.writtenOffYTD;
  lt.month = wr.months[wr.asOfMonth].writtenOff;
  for (ChangeAmounts* c : {&ot, &pt, &lt}) c->gross = text::R(c->gross);
  if (stopped) wu = {v.gross, v.accum, v.month};
  return v;
}

AssetValues periodValues(const WorkingRecord& wr, const WorkingRecord& opening) {
  AssetValues v = assetValues(wr);
  const AssetValues before = assetValues(opening);
  v.accumBO = before.accum;
  for (int c = 0; c < kListingChanges; ++c) {
    if (c == static_cast<int>(ListingChange::WU)) continue;  // a stop stands as it is
    v.changes[c].gross -= before.changes[c].gross;
    v.changes[c].accum -= before.changes[c].accum;
  }
  return v;
}

bool AssetValues::fullyDepreciated() const {
  return gross > 0 && (accum > gross || text::equalMoney(accum, gross));
}

ListingTotals ListingTotals::of(const AssetValues& v, bool listed) {
  ListingTotals t;
  t.counts[Listed] = listed ? 1 : 0;
  for (int c = 0; c < kListingChanges; ++c) {
    const ChangeAmounts& a = v.changes[c];
    if (!a.any()) continue;
    t.counts[FirstChange + c] = 1;
    t.sums[FirstChangeSum + 3 * c] = a.gross;
    t.sums[FirstChangeSum + 3 * c + 1] = a.accum;
    t.sums[FirstChangeSum + 3 * c + 2] = a.month;
  }
  if (v.fullyDepreciated()) t.counts[FullyDepreciated] = 1;
  if (v.month != 0) t.counts[ChargedInMonth] = 1;
  t.sums[Gross] = v.gross;
  t.sums[Accum] = v.accum;
  t.sums[Month] = v.month;
  t.sums[AccumBO] = v.accumBO;
  return t;
}

void ListingTotals::add(const ListingTotals& o) {
  for (int i = 0; i < kCounters; ++i)
    counts[i] = static_cast<std::uint16_t>(counts[i] + o.counts[i]);
  for (int i = 0; i < kSums; ++i) sums[i] += o.sums[i];
}

}  // namespace zefir::operations
