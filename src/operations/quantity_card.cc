#include "operations/quantity_card.h"

#include <string>

#include "operations/listing_options.h"
#include "operations/listing_types.h"
#include "operations/operation_registry.h"
#include "text/codepage.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

struct CardGroup {
  std::string key;
  std::string label;
  std::string firstName;
  int count = 0;
  long double gross = 0;
  long double accum = 0;
};

void writeGroup(output::ReportBuffer& out, const CardGroup& g) {
  out.addRow({g.label, text::intText(g.count, 5), moneyCell(g.gross), moneyCell(g.accum)});
}

}  // namespace

bool runQuantityCard(const AssetRegister& reg, const QuantityCardParams& p,
                     output::ReportBuffer& out, const ListingControl& control) {
  out.beginReport("KIS", text::fromUtf8("Kartoteka ilościowa środków trwałych"), 1);
  out.addColumn('l', 60, "Symbol i nazwa", "grupy");
  out.addColumn('l', 5, text::fromUtf8("Ilość"));
  out.addColumn('p', 15, text::fromUtf8("Wartość OT"), "(inwentarzowa)");
  out.addColumn('p', 15, "Umorzenie", "dotychczasowe");
  out.endHeaders(fixedTableParameterLine(p.selection));

  CardGroup group, total;
  bool open = false;
  int liquidated = 0;
  const bool finished = walkTakenAssets(reg, p.selection, control, [&](const TakenAsset& t) {
    const AssetValues& v = t.values;
    // Nothing left on the day: liquidated (or transferred away) whole.
    if (v.gross == 0 && v.accum == 0) {
      ++liquidated;
      return;
    }
    const std::string_view symbol(t.wr.asset.Symb);
    const std::string key(symbol.substr(0, static_cast<std::size_t>(std::max(p.keyLength, 0))));
    const std::string name(std::string_view(t.wr.asset.Nazw));
    if (!open || key != group.key) {
      if (open) writeGroup(out, group);
      group = CardGroup{key, key + " " + name, name};
      open = true;
    } else if (name != group.firstName && group.label == group.key + " " + group.firstName) {
      group.label = group.key + " np.: " + group.firstName;
    }
    ++group.count;
    group.gross += v.gross;
    group.accum += v.accum;
    ++total.count;
    total.gross += v.gross;
    total.accum += v.accum;
  });
  if (!finished) return false;
  if (open) writeGroup(out, group);
  if (liquidated != 0) {
    out.addRule('.');
    out.addRow({"Zlikwidowane", text::intText(liquidated, 5)});
  }
  out.addRule('-');
  out.addRow({"RAZEM", text::intTextWithZero(total.count, 5), moneyCell(total.gross),
              moneyCell(total.accum)});
  return true;
}

void registerQuantityCardOperation() {
  registerOperation("Ilosc", [](OperationRun& run) {
    return runFixedTableOption(run, [&](const AssetRegister& reg, const ListingParams& lp,
                                        const FixedTableSelection& selection,
                                        const ListingControl& control) {
      const int depth = run.values.has("Pod7") ? lp.pod7 : listingEnvironment().settings.depths[2];
      runQuantityCard(reg, QuantityCardParams{selection, depth}, *run.report, control);
    });
  });
}

}  // namespace zefir::operations
