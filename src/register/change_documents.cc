#include "register/change_documents.h"

#include "text/dates.h"
#include "text/numbers.h"

namespace zefir {

namespace {

constexpr std::size_t kLiquidationDocumentMax = 25;

bool inFamilyList(std::string_view list, std::string_view kind) {
  if (kind.size() != 2) return false;
  for (std::size_t i = 0; i + 3 < list.size(); i += 3)
    if (list[i + 1] == kind[0] && list[i + 2] == kind[1]) return true;
  return false;
}

// The amount an entry gives, or 0 when it gives none (the parser keeps its
// 1E-9 placeholder then, which must not reach the sums).
long double givenAmount(const ChangeEntry& e) {
  return e.hasAmount ? e.W : 0.0L;
}

// The whole current value in month slot `slot`: the gross value at 1 January
// with every change placed so far in slots 0..slot.
long double currentValue(const YearChanges& y, long double grossAtJanuary1, int slot) {
  long double value = grossAtJanuary1;
  for (int m = 0; m <= slot; ++m)
    value += y.months[m].increase - y.months[m].decrease - y.months[m].transfer;
  return value;
}

}  // namespace

ChangeFamily changeFamily(std::string_view kind) {
  if (kind == "OT" || kind == "OZ") return ChangeFamily::Increase;
  if (kind == "PT") return ChangeFamily::Transfer;
  if (inFamilyList(kValueKinds, kind)) return ChangeFamily::Decrease;
  if (inFamilyList(kStopResumeKinds, kind)) return ChangeFamily::StopResume;
  if (inFamilyList(kCorrectionKinds, kind)) return ChangeFamily::Correction;
  if (kind == "MU" || kind == "OO" || kind == "UD") return ChangeFamily::Attribute;
  if (kind.size() == 2 && kind[0] == 'K' &&
      std::string_view("KNPRSU").find(kind[1]) != std::string_view::npos)
    return ChangeFamily::Attribute;
  return ChangeFamily::None;
}

DayNumber placementDate(const ChangeEntry& e, DayNumber DtOT) {
  return e.D != 0 ? e.D : DtOT;
}

DatedEntries datedEntries(const ParsedEntries& entries, DayNumber DtOT) {
  DatedEntries out;
  for (const ChangeEntry& e : entries) {
    if (e.empty()) continue;
    const ChangeFamily family = changeFamily(e.C);
    if (family == ChangeFamily::None || family == ChangeFamily::Attribute) continue;
    const DayNumber date = placementDate(e, DtOT);
    if (date == 0) continue;
    out.items[out.count++] =
        DatedEntry{&e, family, text::yearOfDay(date), text::monthOfDayJanuaryZero(date)};
  }
  return out;
}

void placeYearChanges(const DatedEntries& entries, int year, long double grossAtJanuary1,
                      YearChanges& out) {
  for (int n = 0; n < entries.count; ++n) {
    const DatedEntry& d = entries.items[n];
    if (d.year != year) continue;
    const ChangeEntry& e = *d.entry;
    MonthChanges& month = out.months[d.slot];
    out.busy |= 1u << d.slot;
    switch (d.family) {
      case ChangeFamily::Increase:
        month.increase += givenAmount(e);
        break;
      case ChangeFamily::Decrease:
      case ChangeFamily::Transfer: {
        long double amount = givenAmount(e);
        // Without an amount the whole value the asset has at that point goes.
        if (amount == 0) amount = currentValue(out, grossAtJanuary1, d.slot);
        if (d.family == ChangeFamily::Decrease) {
          month.decrease += amount;
          if (!e.K.empty()) out.liquidationDocument = e.K.substr(0, kLiquidationDocumentMax);
        } else {
          month.transfer += amount;
        }
        out.leavingMonth = d.slot;
        break;
      }
      case ChangeFamily::StopResume:
        month.mark = e.C[0];
        break;
      case ChangeFamily::Correction:
        month.correction = givenAmount(e);
        if (e.C == "PA") month.mark = 'V';
        break;
      default:
        break;
    }
  }
}

void placeYearChanges(const ParsedEntries& entries, DayNumber DtOT, int year,
                      long double grossAtJanuary1, YearChanges& out) {
  placeYearChanges(datedEntries(entries, DtOT), year, grossAtJanuary1, out);
}

std::string nthDocument(const AssetRecord& asset, std::string_view kind, int n, int* ordinal) {
  int seen = 0;
  for (int i = 0; i < kChangeEntries; ++i) {
    const std::string_view z = asset.Z[i];
    if (z.size() < 3 || z[2] != ':') continue;
    // The kind is read the way the parser reads it: the first two letters, upper-cased.
    const std::string entryKind = parseChangeEntry(z.substr(0, 3), 0).C;
    if (entryKind != kind || ++seen != n) continue;
    if (ordinal) *ordinal = i + 1;
    return std::string(z.substr(3, kChangeEntryMax));
  }
  if (ordinal) *ordinal = 255;
  return {};
}

std::string firstOtDescription(const AssetRecord& asset) {
  // Shaped like the text of an entry after its "OT:", so printouts treat the
  // record's own acceptance like any later OT.
  std::string s = text::shortTextOfDay(asset.DtOT);
  (s += ',') += asset.Dost;
  s += ',' + text::plainRealText(asset.WaOT, 2);
  (s += ',') += asset.DdOT;
  (s += ',') += asset.DdZa;
  s += ',' + text::shortTextOfDay(asset.DtZa);
  return s;
}

}  // namespace zefir
