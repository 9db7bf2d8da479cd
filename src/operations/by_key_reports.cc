#include "operations/by_key_reports.h"

#include <algorithm>

#include "operations/listing_options.h"
#include "operations/listing_types.h"
#include "operations/operation_registry.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

struct KeyReport {
  ReportKey key;
  const char* option;
  const char* code;
  const char* title;
  const char* header1;
  const char* header2;
  const char* holdingKind;  // "" for the classification
  const char* masksField;
  const char* depthField;
};

const KeyReport kReports[] = {
    {ReportKey::Person, "WgOso", "WOO", "Raport według osób odpowiedzialnych", "Osoba",
     "odpowiedzialna", "OO", "OsoW", "PoOO"},
    {ReportKey::Place, "WgMie", "WMU", "Raport według miejsca użytkowania", "Miejsce",
     "użytkowania", "MU", "MieW", "PoMU"},
    {ReportKey::Classification, "WgKla", "WKS", "Raport według klasyfikacji środków trwałych",
     "KŚT", "", "", "KRSW", "PoKS"},
    {ReportKey::CostCentre, "WgMPK", "WKK", "Raport według miejsca powstawania kosztów",
     "miejsce powst.", "kosztów", "KK", "MPKW", "PoKo"},
};

const KeyReport& reportOf(ReportKey key) {
  for (const KeyReport& r : kReports)
    if (r.key == key) return r;
  return kReports[0];
}

struct KeyRow {
  std::string key;
  int slot = 0;
  long double amount = 0;
};

}  // namespace

bool runByKeyReport(const AssetRegister& reg, const ByKeyParams& given, output::ReportBuffer& out,
                    const ListingControl& control) {
  const KeyReport& r = reportOf(given.key);
  ByKeyParams p = given;
  p.selection.kindFilter = r.holdingKind;
  out.beginReport(r.code, text::fromUtf8(r.title), 1);
  out.addColumn('l', 20, text::fromUtf8(r.header1), text::fromUtf8(r.header2));
  out.addColumn('p', 4, "Lp");
  out.addColumn('l', 15, "Symbol", "inwentarzowy");
  out.addColumn('l', 40, "Nazwa");
  out.addColumn('c', 10, "Data", "OT");
  out.addColumn('p', 20, text::fromUtf8("Wartość OT"), "(inwentarzowa)");
  out.endHeaders(fixedTableParameterLine(p.selection));

  const SymbolMasks masks(p.keyMasks);
  const std::string unassigned = std::string("bez ") + r.holdingKind;
  std::vector<KeyRow> rows;
  const bool finished = walkTakenAssets(reg, p.selection, control, [&](const TakenAsset& t) {
    if (given.key == ReportKey::Classification) {
      const std::string kst(classificationOn(t.wr, p.selection.reportDay));
      if (t.values.gross != 0 && masks.matches(kst)) rows.push_back({kst, t.slot, t.values.gross});
      return;
    }
    for (const Holding& h : t.wr.split.holdings) {
      if (h.kind != r.holdingKind || h.amount == 0) continue;
      const std::string key = h.key.empty() ? unassigned : h.key;
      if (masks.matches(key)) rows.push_back({key, t.slot, h.amount});
    }
  });
  if (!finished) return false;
  // Key by key; within a key the assets stay in symbol order.
  std::stable_sort(rows.begin(), rows.end(),
                   [](const KeyRow& a, const KeyRow& b) { return a.key < b.key; });

  const auto groupOf = [&](const std::string& key) {
    return p.depth > 0 ? key.substr(0, static_cast<std::size_t>(p.depth)) : key;
  };
  long double groupSum = 0, total = 0;
  int number = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const KeyRow& row = rows[i];
    const bool newKey = i == 0 || row.key != rows[i - 1].key;
    if (newKey) number = 0;
    const AssetRecord& a = reg.slot(row.slot);
    out.addRow({newKey ? row.key : std::string(), text::intText(++number, 4),
                std::string(std::string_view(a.Symb)), std::string(std::string_view(a.Nazw)),
                text::longTextOfDay(a.DtOT), moneyCell(row.amount)});
    groupSum += row.amount;
    total += row.amount;
    if (i + 1 == rows.size() || groupOf(rows[i + 1].key) != groupOf(row.key)) {
      out.addRule('.');
      out.addRow({"", "", "", "Razem " + groupOf(row.key), "", moneyCell(groupSum)});
      groupSum = 0;
    }
  }
  out.addRule('-');
  out.addRow({"RAZEM", "", "", "", "", moneyCell(total)});
  return true;
}

void registerByKeyOperations() {
  for (const KeyReport& report : kReports)
    registerOperation(report.option, [&report](OperationRun& run) {
      if (!run.assets || !run.report) return Status::Error("Brak bazy lub bufora raportu");
      const ListingEnvironment& env = listingEnvironment();
      ListingParams lp;  // the masks and the day as the listings read them
      FieldTexts common;
      for (const char* code : {"SroW", "DaDo"})
        if (run.values.has(code)) common[code] = run.values.all(code);
      if (Status st = listingParams(common, env.settings, lp); !st) return st;
      ByKeyParams p;
      p.key = report.key;
      p.selection.masks = lp.masks;
      p.selection.reportDay = lp.reportDay;
      for (const std::string& m : run.values.all(report.masksField))
        if (!m.empty()) p.keyMasks.push_back(m);
      p.depth =
          std::max(0, static_cast<int>(text::intFromText(run.values.text(report.depthField))));
      const ListingControl control{run.stopRequested, env.progress};
      runByKeyReport(*run.assets, p, *run.report, control);
      run.report->endReport();
      return Status::Ok();
    });
}

}  // namespace zefir::operations
