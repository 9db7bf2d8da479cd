#include "register/change_documents_split.h"

#include <algorithm>

#include "text/dates.h"
#include "text/rounding.h"

namespace zefir {

namespace {

// Rounding as text::R, without its text round trip.
inline long double R(long double x) {
  return text::R(x);
}

constexpr std::size_t kDecreaseNoteMax = 25;

bool isPlaceholder(const Holding& h) {
  return h.amount == kNoAmount;
}

bool isEmptyAmount(long double amount) {
  return amount != kNoAmount && (amount <= 0 || text::equalMoney(amount, 0));
}

bool refersTo(const ChangeEntry& e, std::uint8_t origin) {
  if (origin == 0) return false;
  return std::find(e.Z.begin(), e.Z.end(), origin) != e.Z.end();
}

bool hasReferences(const ChangeEntry& e) {
  return e.Z[0] != 0;
}

// Accounts and the subsidised part follow the books: an entry counts only when
// it is dated up to the end of the month before the as-of month (up to
// 1 January in January), the month whose books are closed.
bool isBookKind(std::string_view kind) {
  return kind == "UD" || (!kind.empty() && kind[0] == 'K');
}

class Splitter {
 public:
  Splitter(const AssetRecord& asset, DayNumber asOf) : asset_(asset) {
    const int year = text::yearOfDay(asOf);
    const int month = text::monthOfDayJanuaryZero(asOf);
    booksClosedBy_ = month <= 1 ? text::dayFromDate(year, 1, 1)
                                : static_cast<DayNumber>(text::dayFromDate(year, month, 1) - 1);
    // Entries before the opening balance's 1 January are already inside WaBr.
    openingDay_ = asset.RokP != 0 ? text::dayFromDate(asset.RokP, 1, 1) : 0;
    out_.gross = asset.WaBr;
    out_.quantity = quantityFromName(asset.Nazw);
  }

  // `ordinal`: the entry's number within its kind.
  void apply(const ChangeEntry& e, int ordinal, DayNumber date) {
    const ChangeFamily family = changeFamily(e.C);
    const bool amountsCount = date >= openingDay_;
    if (family == ChangeFamily::Increase) {
      if (amountsCount) increase(e, date);
    } else if (family == ChangeFamily::Decrease || family == ChangeFamily::Transfer) {
      if (amountsCount) decrease(e, date);
      out_.lastDecreaseKind = e.C;
      if (!e.K.empty()) out_.lastDecreaseNote = e.K.substr(0, kDecreaseNoteMax);
    } else if (family == ChangeFamily::Attribute) {
      if (kindApplies(e.C, date)) attribute(e, ordinal);
    }
  }

  AttributeSplit finish(std::string_view kindFilter);

 private:
  bool kindApplies(std::string_view kind, DayNumber date) const {
    return !isBookKind(kind) || date <= booksClosedBy_;
  }

  // The kinds among the holdings that a value change dated `date` reaches.
  std::vector<std::string> kindsReached(DayNumber date) const {
    std::vector<std::string> kinds;
    for (const Holding& h : out_.holdings)
      if (kindApplies(h.kind, date) && std::find(kinds.begin(), kinds.end(), h.kind) == kinds.end())
        kinds.push_back(h.kind);
    return kinds;
  }

  void increase(const ChangeEntry& e, DayNumber date) {
    const long double amount = e.hasAmount ? e.W : 0.0L;
    for (const std::string& kind : kindsReached(date)) {
      Holding* target = nullptr;
      for (Holding& h : out_.holdings)
        if (h.kind == kind && refersTo(e, h.origin)) {
          target = &h;
          break;
        }
      if (!target)
        for (Holding& h : out_.holdings)
          if (h.kind == kind) {
            target = &h;
            break;
          }
      target->amount = R(target->amount + amount);
    }
    out_.gross = text::round4(out_.gross + amount);
  }

  void decrease(const ChangeEntry& e, DayNumber date) {
    const long double amount = e.hasAmount ? e.W : out_.gross;
    for (const std::string& kind : kindsReached(date)) takeFrom(kind, amount, nullptr);
    long double& q = out_.quantity.quantity;
    if (out_.gross <= amount)
      q = 0;
    else if (out_.gross != 0)
      q = R((out_.gross - amount) * q / out_.gross);
    out_.gross = text::round4(out_.gross - amount);
  }

  // Takes `amount` from the holdings of `kind`: those `e` refers to first
  // (when given), then the rest in holding order.
  void takeFrom(std::string_view kind, long double amount, const ChangeEntry* e) {
    long double left = amount;
    auto takeOne = [&left](Holding& h) {
      if (R(left) <= 0) return;
      const long double take = std::min(R(h.amount), R(left));
      h.amount -= take;
      left -= take;
    };
    if (e)
      for (Holding& h : out_.holdings)
        if (h.kind == kind && refersTo(*e, h.origin)) takeOne(h);
    for (Holding& h : out_.holdings)
      if (h.kind == kind) takeOne(h);
  }

  void attribute(const ChangeEntry& e, int ordinal) {
    long double amount = e.W;
    if (!e.hasAmount) {
      if (hasReferences(e)) {
        long double referenced = 0;
        for (const Holding& h : out_.holdings)
          if (h.kind == e.C && refersTo(e, h.origin)) referenced += h.amount;
        if (referenced > kNoAmount) amount = referenced;  // else the placeholder stays
      } else {
        amount = out_.gross;
      }
    }
    amount = std::min(amount, out_.gross);
    const bool kindHeld = std::any_of(out_.holdings.begin(), out_.holdings.end(),
                                      [&e](const Holding& h) { return h.kind == e.C; });
    if (!kindHeld && amount < out_.gross && !text::equalMoney(amount, out_.gross))
      append(Holding{e.C, "", 0, out_.gross, 1});  // the part not yet assigned
    takeFrom(e.C, amount, &e);
    append(
        Holding{e.C, e.K.substr(0, kHoldingKeyMax), static_cast<std::uint8_t>(ordinal), amount, 1});
    removeEmpty();
    recomputeShares();
  }

  void append(Holding h) {
    if (static_cast<int>(out_.holdings.size()) >= kMaxHoldings)
      out_.holdings.back() = std::move(h);
    else
      out_.holdings.push_back(std::move(h));
  }

  void removeEmpty() {
    std::erase_if(out_.holdings, [](const Holding& h) { return isEmptyAmount(h.amount); });
  }

  void recomputeShares() {
    const long double q = out_.quantity.quantity;
    for (Holding& h : out_.holdings)
      h.quantityShare = (q > 0 && out_.gross != 0) ? R(q * h.amount / out_.gross) : 1;
  }

  void fillPlaceholders();
  void foldSubsidisedParts();

  const AssetRecord& asset_;
  DayNumber booksClosedBy_ = 0;
  DayNumber openingDay_ = 0;
  AttributeSplit out_;
};

void Splitter::fillPlaceholders() {
  for (Holding& p : out_.holdings) {
    if (!isPlaceholder(p)) continue;
    long double others = 0;
    for (const Holding& h : out_.holdings)
      if (&h != &p && h.kind == p.kind && !isPlaceholder(h)) others += h.amount;
    if (others <= out_.gross) {
      p.amount = text::round4(out_.gross - others);
      continue;
    }
    p.amount = 0;
    long double excess = others - out_.gross;
    for (Holding& h : out_.holdings) {
      if (h.kind != p.kind || &h == &p || excess <= 0) continue;
      const long double take = std::min(h.amount, excess);
      h.amount -= take;
      excess -= take;
    }
  }
}

void Splitter::foldSubsidisedParts() {
  // The last non-empty KN or UD holding leaves the rest of the value on a KK
  // (cost) account; every other KN and UD holding goes.
  int kept = -1;
  for (int i = static_cast<int>(out_.holdings.size()) - 1; i >= 0; --i) {
    const Holding& h = out_.holdings[i];
    if ((h.kind == "KN" || h.kind == "UD") && !isEmptyAmount(h.amount)) {
      kept = i;
      break;
    }
  }
  if (kept >= 0) {
    Holding& h = out_.holdings[kept];
    h.kind = "KK";
    h.amount = out_.gross - h.amount;
  }
  std::erase_if(out_.holdings, [](const Holding& h) { return h.kind == "KN" || h.kind == "UD"; });
}

AttributeSplit Splitter::finish(std::string_view kindFilter) {
  fillPlaceholders();
  foldSubsidisedParts();
  removeEmpty();
  std::erase_if(out_.holdings, [](const Holding& h) { return isPlaceholder(h); });
  recomputeShares();
  if (!kindFilter.empty() && std::none_of(out_.holdings.begin(), out_.holdings.end(),
                                          [&](const Holding& h) { return h.kind == kindFilter; })) {
    // The whole value stands under "bez <kind>", so a listing by that kind
    // still shows the asset with its value and quantity.
    const long double q = out_.quantity.quantity;
    append(Holding{std::string(kindFilter), "bez " + std::string(kindFilter), 0, out_.gross,
                   q > 0 ? q : 1});
  }
  return std::move(out_);
}

}  // namespace

AttributeSplit splitAttributes(const AssetRecord& asset, const ParsedEntries& entries,
                               DayNumber asOf, std::string_view kindFilter) {
  Splitter splitter(asset, asOf);
  // An entry without a date happened when the one before it did; the first
  // one, with nothing before it, at the acceptance.
  DayNumber lastDate = asset.DtOT;
  for (int i = 0; i < kChangeEntries; ++i) {
    const ChangeEntry& e = entries[i];
    if (e.empty()) continue;
    if (e.D != 0) lastDate = e.D;
    if (lastDate > asOf) continue;
    // References count the entries of their own kind, and so do origins.
    splitter.apply(e, entriesOfKindBefore(entries, i, e.C) + 1, lastDate);
  }
  return splitter.finish(kindFilter);
}

}  // namespace zefir
