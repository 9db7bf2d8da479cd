// The report types with one row per asset: the listing (WST) and the types
// that follow its frame with their own columns. Their group-end blocks are
// WST's: a rule, a subtotal row with the group key and a label, and for WST
// the lines of the change kinds.
#include <vector>

#include "operations/listing_types.h"
#include "register/classification_groups.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

using Totals = ListingTotals;
using Cells = std::vector<std::string>;
using Sum = long double (*)(const Totals&);

constexpr std::size_t kLabelMax = 50;

long double grossSum(const Totals& t) {
  return t.sums[Totals::Gross];
}
long double accumSum(const Totals& t) {
  return t.sums[Totals::Accum];
}
long double monthSum(const Totals& t) {
  return t.sums[Totals::Month];
}
long double liquidatedGross(const Totals& t) {
  return t.change(ListingChange::LT).gross;
}
long double liquidatedAccum(const Totals& t) {
  return t.change(ListingChange::LT).accum;
}

// A money column of the subtotal rows and the sum it shows.
struct MoneyColumn {
  int column;
  Sum sum;
};

std::string rateTimesCoefficient(const WorkingRecord& wr) {
  return text::plainRealText(wr.classification.rate * wr.classification.coef, 4);
}

std::string_view descriptionLine(const AssetRecord& a, int line) {
  const int i = line == 0 ? kOpisLines - 1 : std::clamp(line, 1, kOpisLines) - 1;
  return a.Opis[i];
}

std::string holdingKey(const WorkingRecord& wr, std::string_view kind) {
  for (const Holding& h : wr.split.holdings)
    if (h.kind == kind) return h.key;
  return {};
}

class AssetListing : public ListingType {
 public:
  AssetListing(ListingKind kind, int symbolColumn, int labelColumn, std::vector<MoneyColumn> money)
      : ListingType(kind),
        symbolColumn_(symbolColumn),
        labelColumn_(labelColumn),
        money_(std::move(money)) {}

  void groupEnd(ListingRun& run, GroupLevel level, const GroupTotals& g) override {
    if (level == GroupLevel::Inner) return;
    const bool middle = level == GroupLevel::Middle;
    const bool listed = g.totals.listed() != 0;
    if (middle && listed) run.out.addRule('.');
    if (!middle && listed && !run.blockOn(GroupLevel::Middle)) run.out.addRule('-');
    block(run, g.key, middle ? "synt." : "grupa", g);
    run.out.addRule(middle ? '-' : '=');
  }

  void finalBlock(ListingRun& run, const GroupTotals& g) override {
    if (g.totals.listed() != 0 && !run.blockOn(GroupLevel::Outer) &&
        !run.blockOn(GroupLevel::Middle))
      run.out.addRule('=');
    block(run, text::fromUtf8("ŚRODKI"), "RAZEM", g);
  }

 protected:
  Cells cells() const { return Cells(layout().columns.size()); }
  // The subtotal row, then the lines of the change kinds when the type has them.
  void block(ListingRun& run, const std::string& key, const char* word, const GroupTotals& g) {
    Cells c = cells();
    c[symbolColumn_] = key;
    std::string label = std::string(word) + " ";
    if (g.totals.listed() != 0) label += std::to_string(g.totals.listed()) + " poz. ";
    if (g.zeroValue() != 0) label += "( zerowych : " + std::to_string(g.zeroValue()) + " )";
    c[labelColumn_] = label.substr(0, kLabelMax);
    for (const MoneyColumn& m : money_) c[m.column] = moneyCell(m.sum(g.totals));
    run.out.addRow(c);
    changeLines(run, g);
  }
  virtual void changeLines(ListingRun&, const GroupTotals&) {}

  int symbolColumn_, labelColumn_;
  std::vector<MoneyColumn> money_;
};

// WST: number, symbol, name, acceptance date, rate x coefficient, KŚT, gross
// value, accumulated and monthly depreciation; below a row the increases,
// transfers and liquidations of the year, and below a subtotal every kind.
class AssetList : public AssetListing {
 public:
  AssetList()
      : AssetListing(ListingKind::WST, 1, 2, {{6, grossSum}, {7, accumSum}, {8, monthSum}}) {}

  void row(ListingRun& run, const WorkingRecord& wr, const AssetValues& v) override {
    const AssetRecord& a = wr.asset;
    run.out.addRow({text::intText(run.number, 5), a.Symb, a.Nazw, text::longTextOfDay(a.DtOT),
                    rateTimesCoefficient(wr), wr.classification.entry.SKST, moneyCell(v.gross),
                    moneyCell(v.accum), moneyCell(v.month)});
    for (ListingChange kind : {ListingChange::OT, ListingChange::PT, ListingChange::LT}) {
      const ChangeAmounts& c = v.change(kind);
      if (!c.any()) continue;
      const long double sign = kind == ListingChange::OT ? 1 : -1;
      run.out.addRow({"", "", "", "w tym kor.", kListingChangeCodes[static_cast<int>(kind)], "",
                      moneyCell(sign * c.gross), moneyCell(sign * c.accum),
                      moneyCell(sign * c.month)});
    }
  }

 protected:
  // The count of the listed assets with the kind, and after "/" that of the
  // zero-value ones (an asset liquidated whole) when there are any.
  void changeLines(ListingRun& run, const GroupTotals& g) override {
    for (int k = 0; k < kListingChanges; ++k) {
      const ListingChange kind = static_cast<ListingChange>(k);
      const int all = g.totals.changeCount(kind), zero = g.zero.changeCount(kind);
      if (all == 0) continue;
      const long double sign = kind == ListingChange::OT || kind == ListingChange::PK ? 1 : -1;
      const ChangeAmounts c = g.totals.change(kind);
      std::string count = std::to_string(all - zero);
      if (zero != 0) count += "/" + std::to_string(zero);
      run.out.addRow(
          {"", "w tym korekty",
           text::fromUtf8("związane z ") + kListingChangeCodes[k] + " : " + count + " poz.", "", "",
           "", moneyCell(sign * c.gross), moneyCell(sign * c.accum), moneyCell(sign * c.month)});
    }
  }
};

// TST and the lists after the register's maintenance (ZZA, IBS, RGS):
// number, symbol, name.
class PlateList : public AssetListing {
 public:
  explicit PlateList(ListingKind kind) : AssetListing(kind, 1, 2, {}) {}
  void row(ListingRun& run, const WorkingRecord& wr, const AssetValues&) override {
    run.out.addRow({text::intText(run.number, 5), wr.asset.Symb, wr.asset.Nazw});
  }
};

// PWS: two lines an asset; the second holds the name's second line, the
// purchase date, the KŚT symbol and the year's depreciation.
class FullList : public AssetListing {
 public:
  FullList() : AssetListing(ListingKind::PWS, 1, 2, {{5, grossSum}, {6, accumSum}}) {}
  void row(ListingRun& run, const WorkingRecord& wr, const AssetValues& v) override {
    const AssetRecord& a = wr.asset;
    run.out.addRow({text::intText(run.number, 5), a.Symb, a.Nazw, text::longTextOfDay(a.DtOT),
                    rateTimesCoefficient(wr), moneyCell(v.gross), moneyCell(v.accum), a.Opis[0]});
    run.out.addRow({"", "", a.Na2w, text::longTextOfDay(a.DtZa), wr.classification.entry.SKST,
                    moneyCell(v.chargeYTD), "", ""});
  }
};

// KST: the asset file; the second line holds the name's second line and the
// purchase document.
class AssetFile : public AssetListing {
 public:
  AssetFile() : AssetListing(ListingKind::KST, 1, 2, {{4, grossSum}, {6, accumSum}}) {}
  void row(ListingRun& run, const WorkingRecord& wr, const AssetValues& v) override {
    const AssetRecord& a = wr.asset;
    run.out.addRow({text::intText(run.number, 5), a.Symb, a.Nazw, text::longTextOfDay(a.DtOT),
                    moneyCell(v.gross), text::plainRealText(wr.classification.rate, 2),
                    moneyCell(v.accum)});
    run.out.addRow({"", "", a.Na2w, a.DdZa, "", "", ""});
  }
};

// The short listing: symbol, both names joined, each name, the chosen
// description line, gross value, accumulated depreciation and the quantity.
class ShortList : public AssetListing {
 public:
  ShortList() : AssetListing(ListingKind::WSTShort, 0, 1, {{5, grossSum}, {6, accumSum}}) {}
  void row(ListingRun& run, const WorkingRecord& wr, const AssetValues& v) override {
    const AssetRecord& a = wr.asset;
    std::string both = a.Nazw;
    if (!a.Na2w.empty()) both += " " + a.Na2w.str();
    run.out.addRow({a.Symb, both, a.Nazw, a.Na2w, descriptionLine(a, run.params.descriptionLine),
                    moneyCell(v.gross), moneyCell(v.accum), countCell(wr.split.quantity.quantity)});
  }
};

// SCU: the assets whose accumulated depreciation has reached the gross value.
class FullyDepreciated : public AssetListing {
 public:
  FullyDepreciated() : AssetListing(ListingKind::SCU, 1, 2, {{3, grossSum}}) {}
  bool takes(const ListingRun&, const WorkingRecord&, const AssetValues& v) const override {
    return v.fullyDepreciated();
  }
  void row(ListingRun& run, const WorkingRecord& wr, const AssetValues& v) override {
    run.out.addRow(
        {text::intText(run.number, 5), wr.asset.Symb, wr.asset.Nazw, moneyCell(v.gross)});
  }
};

// ZST: the assets liquidated in the report year, with the liquidated value,
// the depreciation written off with it and the month; an asset liquidated
// whole has no value left, so these are listed whatever their value.
class Liquidated : public AssetListing {
 public:
  Liquidated()
      : AssetListing(ListingKind::ZST, 1, 2, {{3, liquidatedGross}, {4, liquidatedAccum}}) {}
  bool takes(const ListingRun&, const WorkingRecord&, const AssetValues& v) const override {
    return v.change(ListingChange::LT).gross != 0;
  }
  bool listsZeroValue() const override { return true; }
  void row(ListingRun& run, const WorkingRecord& wr, const AssetValues& v) override {
    const ChangeAmounts& lt = v.change(ListingChange::LT);
    run.out.addRow({text::intText(run.number, 5), wr.asset.Symb, wr.asset.Nazw, moneyCell(lt.gross),
                    moneyCell(lt.accum), text::twoDigits(v.liquidationMonth)});
  }
};

// NST: the assets accepted in the period (from its first day, or from
// 1 January of the report year, to the report day).
class NewlyAccepted : public AssetListing {
 public:
  NewlyAccepted() : AssetListing(ListingKind::NST, 1, 2, {{3, grossSum}, {4, accumSum}}) {}
  bool takes(const ListingRun& run, const WorkingRecord& wr, const AssetValues&) const override {
    DayNumber from = run.params.periodStart;
    if (from == 0) from = text::dayFromDate(wr.asOfYear, 1, 1);
    return wr.asset.DtOT >= from;
  }
  void row(ListingRun& run, const WorkingRecord& wr, const AssetValues& v) override {
    run.out.addRow({text::intText(run.number, 5), wr.asset.Symb, wr.asset.Nazw, moneyCell(v.gross),
                    moneyCell(v.accum), text::longTextOfDay(wr.asset.DtOT)});
  }
};

// EXC: the statement for the spreadsheet: group digit, name, symbol, KŚT,
// acceptance date, values, the tax and balance rates, the source of
// financing (the key of the subsidised part) and the first description line.
class Statement : public AssetListing {
 public:
  Statement() : AssetListing(ListingKind::EXC, 3, 2, {{6, grossSum}, {7, accumSum}}) {}
  void row(ListingRun& run, const WorkingRecord& wr, const AssetValues& v) override {
    const AssetRecord& a = wr.asset;
    const RateEntry& k = wr.classification.entry;
    run.out.addRow({text::intText(run.number, 4), k.SKST.view().substr(0, 1), a.Nazw, a.Symb,
                    k.SKST, text::longTextOfDay(a.DtOT), moneyCell(v.gross), moneyCell(v.accum),
                    text::plainRealText(k.StPo, 2), text::plainRealText(k.StBi, 2),
                    holdingKey(wr, "UD"), a.Opis[0]});
  }
};

}  // namespace

std::string moneyCell(long double value) {
  return text::moneyText(value);
}

std::string countCell(long double value) {
  return text::plainRealText(value, 4);
}

std::unique_ptr<ListingType> makeAssetListing(ListingKind kind) {
  switch (kind) {
    case ListingKind::WST:
      return std::make_unique<AssetList>();
    case ListingKind::PWS:
      return std::make_unique<FullList>();
    case ListingKind::KST:
      return std::make_unique<AssetFile>();
    case ListingKind::WSTShort:
      return std::make_unique<ShortList>();
    case ListingKind::SCU:
      return std::make_unique<FullyDepreciated>();
    case ListingKind::ZST:
      return std::make_unique<Liquidated>();
    case ListingKind::NST:
      return std::make_unique<NewlyAccepted>();
    case ListingKind::EXC:
      return std::make_unique<Statement>();
    default:
      return std::make_unique<PlateList>(kind);
  }
}

}  // namespace zefir::operations
