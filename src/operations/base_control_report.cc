#include "operations/base_control_report.h"

#include <map>

#include "operations/listing_options.h"
#include "operations/listing_selection.h"
#include "operations/operation_registry.h"
#include "register/asset_record.h"
#include "register/base_journal.h"
#include "register/journal_tally.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

constexpr std::string_view kControlTag = "bZestaw:Kontr";

std::string money(long double v) {
  return text::plainRealText(v, 2).empty() ? "0" : text::plainRealText(v, 2);
}

std::string dayText(DayNumber d) {
  return d == 0 ? std::string("-") : text::longTextOfDay(d);
}

std::string str(const auto& field) {
  return std::string(std::string_view(field));
}

// Cells 4 to 6: the record's content by its kind.
std::array<std::string, 3> content(const base::BaseRecord& r) {
  AssetRecord a;
  const int sub = base::subIndexOf(r);
  base::applyRecord(r, a);
  switch (base::kindOf(r)) {
    case base::RecordKind::Deletion:
      return {text::fromUtf8("usunięcie"), "", ""};
    case base::RecordKind::Main:
      return {str(a.Nazw),
              "Za: " + dayText(a.DtZa) + " " + money(a.CeZa) + " " + str(a.DdZa) +
                  " OT: " + dayText(a.DtOT) + " " + money(a.WaOT),
              "BO: " + std::to_string(a.RokP) + " " + money(a.WaBr) + " " + money(a.WaUm) + " " +
                  std::string(1, a.MeUm == 0 ? ' ' : a.MeUm)};
    case base::RecordKind::Second:
      return {str(a.Na2w), "Dost: " + str(a.Dost), "DdOT: " + str(a.DdOT)};
    case base::RecordKind::Description:
      if (sub >= 1 && 2 * sub <= kOpisLines)
        return {str(a.Opis[2 * sub - 2]), str(a.Opis[2 * sub - 1]), ""};
      break;
    case base::RecordKind::Rate:
      if (sub >= 1 && sub <= kRateEntries) {
        const RateEntry& k = a.K[sub - 1];
        return {"od " + dayText(k.date) + " " + str(k.SKST),
                "Pod: " + money(k.StPo) + " * " + text::plainRealText(k.WsPo, 4),
                "Bil: " + money(k.StBi) + " * " + text::plainRealText(k.WsBi, 4)};
      }
      break;
    case base::RecordKind::Changes:
      if (sub >= 1 && 2 * sub <= kChangeEntries)
        return {str(a.Z[2 * sub - 2]), str(a.Z[2 * sub - 1]), ""};
      break;
  }
  return {"", "", ""};
}

std::string stampText(const base::BaseRecord& r) {
  const base::WriteStamp s = base::stampOf(r);
  return text::longTextOfDay(s.day) + " " + text::twoDigits(s.minutes / 60) + ":" +
         text::twoDigits(s.minutes % 60) + " " + std::string(s.writer.begin(), s.writer.end());
}

}  // namespace

void runBaseControl(const std::string& baseFile, const std::vector<std::string>& typedMasks,
                    output::ReportBuffer& out) {
  out.beginReport("PROK", text::fromUtf8("Dokładna kontrola bazy danych"), 3);
  out.addColumn('l', 20, "Data.godzina.kto");
  out.addColumn('l', 15, text::fromUtf8("Symbol środka"), text::fromUtf8("trwałego"));
  out.addColumn('c', 5, "Nr/Lp");
  for (int i = 0; i < 3; ++i) out.addColumn('l', 50, "");
  std::string params = baseFile;
  if (!typedMasks.empty()) {
    params += text::fromUtf8(", środki:");
    for (const std::string& m : typedMasks) params += " " + m;
  }
  out.endHeaders(params);

  const SymbolMasks masks(typedMasks);
  base::JournalTally tally;
  std::map<std::string, long> skipped;
  long skippedTotal = 0, repaired = 0;
  const auto visit = [&](const ScannedRecord& s) {
    const base::BaseRecord& r = *s.bytes;
    std::string reason;
    const base::JournalTally::Verdict v = tally.add(r, s.fault, reason);
    if (v == base::JournalTally::Verdict::PaddedTorn) ++repaired;
    if (v == base::JournalTally::Verdict::Skipped) {
      ++skipped[reason];
      ++skippedTotal;
    }
    const std::string symbol = base::symbolOf(r);
    if (!masks.matches(symbol)) return;
    const std::string number =
        std::to_string(static_cast<int>(base::kindOf(r))) + "/" + std::to_string(s.index + 1);
    if (v != base::JournalTally::Verdict::Applied) {
      const std::string why = v == base::JournalTally::Verdict::PaddedTorn
                                  ? text::fromUtf8("urwany rekord (dopełniony)")
                                  : text::fromUtf8("pominięty: ") + reason;
      out.addRow({stampText(r), symbol, number, why});
      return;
    }
    const std::array<std::string, 3> c = content(r);
    out.addRow({stampText(r), symbol, number, c[0], c[1], c[2]});
  };
  // Another workstation's save holds the file for a moment: the open is
  // retried, the status line naming this report.
  const JournalScan scan = scanJournal(baseFile, visit, kControlTag);
  if (!scan.opened) {
    out.addRow({"", "", "", text::fromUtf8("Nie można otworzyć pliku ") + baseFile});
    return;
  }
  out.addRule('-');
  out.addRow({text::fromUtf8("Rekordów: ") + std::to_string(scan.records)});
  out.addRow({text::fromUtf8("Pominięte: ") + std::to_string(skippedTotal)});
  for (const auto& [reason, n] : skipped) out.addRow({"", "", std::to_string(n), reason});
  if (repaired != 0) out.addRow({text::fromUtf8("Naprawione urwane: ") + std::to_string(repaired)});
  if (scan.tornBytes > 0)
    out.addRow({text::fromUtf8("Urwany ostatni rekord: ") + std::to_string(scan.tornBytes) +
                text::fromUtf8(" bajtów")});
}

void registerBaseControlOperation() {
  registerOperation("Kontr", [](OperationRun& run) {
    if (!run.report) return Status::Error("Brak bufora raportu");
    std::vector<std::string> masks;
    for (const std::string& m : run.values.all("SroW"))
      if (!m.empty()) masks.push_back(m);
    const std::string& file = listingEnvironment().baseFile;
    if (file.empty()) return Status::Error(text::fromUtf8("Brak pliku bazy"));
    runBaseControl(file, masks, *run.report);
    run.report->endReport();
    return Status::Ok();
  });
}

}  // namespace zefir::operations
