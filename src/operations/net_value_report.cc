#include "operations/net_value_report.h"

#include <array>
#include <string>
#include <vector>

#include "operations/listing_options.h"
#include "operations/listing_types.h"
#include "operations/operation_registry.h"
#include "text/codepage.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

// Gross value, month, at 1 January, of the year, in all, net value.
using NetAmounts = std::array<long double, 6>;

NetAmounts amountsOf(const AssetValues& v) {
  return {v.gross, v.month, v.accumBO, v.accum - v.accumBO, v.accum, v.gross - v.accum};
}

void add(NetAmounts& to, const NetAmounts& a) {
  for (std::size_t i = 0; i < a.size(); ++i) to[i] += a[i];
}

std::vector<std::string> cells(std::vector<std::string> lead, const NetAmounts& a) {
  for (long double v : a) lead.push_back(moneyCell(v));
  return lead;
}

void amountColumns(output::ReportBuffer& out) {
  out.addColumn('p', 15, text::fromUtf8("Wartość OT"));
  out.addColumn('p', 12, "Umorzenie", "miesi.");
  out.addColumn('p', 15, "Umorzenie", text::fromUtf8("początkowe"));
  out.addColumn('p', 15, "Umorzenie", text::fromUtf8("bieżące"));
  out.addColumn('p', 15, "Umorzenie", "dotychczasowe");
  out.addColumn('p', 15, text::fromUtf8("Wartość"), "netto");
}

struct NetGroup {
  std::string key;
  int count = 0;
  NetAmounts amounts{};
};

}  // namespace

std::string groupName(std::string_view key) {
  static const char* const names[10] = {"Tereny i dzierżawy",
                                        "Budynki",
                                        "Budowle",
                                        "Kotły i maszyny energetyczne",
                                        "Maszyny, urządzenia i aparaty ogólnego zastosowania",
                                        "Maszyny, urządzenia i aparaty specjalne branżowe",
                                        "Urządzenia techniczne",
                                        "Środki transportu",
                                        "Narzędzia, przyrządy, ruchomości i wyposażenie",
                                        "Wartości niematerialne i prawne"};
  if (key.empty() || key[0] < '0' || key[0] > '9') return text::fromUtf8("Pozostałe środki trwałe");
  return text::fromUtf8(names[key[0] - '0']);
}

bool runNetValueReport(const AssetRegister& reg, const NetValueParams& p, output::ReportBuffer& out,
                       const ListingControl& control) {
  out.beginReport("PWN", text::fromUtf8("Przeliczenie do wartości netto"), 2);
  if (p.byGroup) {
    out.addColumn('c', 10, "Grupa");
    out.addColumn('l', 40, "Nazwa");
  } else {
    out.addColumn('p', 5, "Lp.");
    out.addColumn('l', 15, "Symbol");
    out.addColumn('l', 40, "Nazwa");
  }
  amountColumns(out);
  out.endHeaders(fixedTableParameterLine(p.selection));

  NetAmounts total{}, liquidatedSum{};
  int number = 0, liquidated = 0, taken = 0;
  NetGroup group;
  bool open = false;
  const auto closeGroup = [&] {
    if (!open) return;
    out.addRow(cells({group.key, groupName(group.key) + " ( " + std::to_string(group.count) + " )"},
                     group.amounts));
    out.addRule('.');
  };
  const bool finished = walkTakenAssets(reg, p.selection, control, [&](const TakenAsset& t) {
    const NetAmounts a = amountsOf(t.values);
    add(total, a);
    ++taken;
    // Nothing left on the day: liquidated (or transferred away) whole.
    if (t.values.gross == 0) {
      ++liquidated;
      add(liquidatedSum, a);
      return;
    }
    const std::string_view symbol(t.wr.asset.Symb);
    if (!p.byGroup) {
      out.addRow(cells({text::intText(++number, 5), std::string(symbol),
                        std::string(std::string_view(t.wr.asset.Nazw))},
                       a));
      return;
    }
    const std::string key(symbol.substr(0, static_cast<std::size_t>(std::max(p.keyLength, 1))));
    if (!open || key != group.key) {
      closeGroup();
      group = NetGroup{key};
      open = true;
    }
    ++group.count;
    add(group.amounts, a);
  });
  if (!finished) return false;
  closeGroup();
  const std::size_t lead = p.byGroup ? 2 : 3;
  if (liquidated != 0) {
    out.addRule('.');
    std::vector<std::string> l(lead);
    l[lead - 1] = "Zlikwidowane " + std::to_string(liquidated);
    out.addRow(cells(l, liquidatedSum));
  }
  out.addRule('-');
  std::vector<std::string> r(lead);
  r[lead - 1] = "RAZEM " + std::to_string(taken);
  out.addRow(cells(r, total));
  return true;
}

void registerNetValueOperations() {
  for (const bool byGroup : {false, true})
    registerOperation(byGroup ? "GrOpis" : "WarNet", [byGroup](OperationRun& run) {
      return runFixedTableOption(
          run, [&](const AssetRegister& reg, const ListingParams& lp,
                   const FixedTableSelection& selection, const ListingControl& control) {
            const NetValueParams p{selection, byGroup, lp.pod1 != 0 ? lp.pod1 : 1};
            runNetValueReport(reg, p, *run.report, control);
          });
    });
}

}  // namespace zefir::operations
