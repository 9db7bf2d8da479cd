#include "operations/asset_description.h"
#include "operations/record_text.h"

#include <array>
#include <vector>

#include "operations/listing_options.h"
#include "operations/operation_registry.h"
#include "register/change_documents.h"
#include "register/change_entry.h"
#include "register/depreciation_engine.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

std::string trimmed(std::string s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Two decimals always: a description shows a zero as "0,00", not blank.
std::string amount(long double v) {
  const std::string t = trimmed(text::moneyText(v));
  return t.empty() ? "0,00" : t;
}

std::string marked(char mark, long double v) {
  return std::string("( ") + mark + " ) " + text::moneyText(v);
}

std::string rateText(long double rate) {
  const std::string t = text::plainRealText(rate, 4);
  return (t.empty() ? "0" : t) + "%";
}

std::string plain(long double v) {
  const std::string t = text::plainRealText(v, 4);
  return t.empty() ? "0" : t;
}

// The gross transfers out (PT) of the as-of year up to the as-of month: the
// engine's summary nets them against the increases.
long double transfersUpToDay(const WorkingRecord& wr) {
  YearChanges changes;
  placeYearChanges(wr.entries, wr.asset.DtOT, wr.asOfYear, wr.summary.grossBO, changes);
  long double sum = 0;
  for (int i = 0; i <= wr.asOfMonth; ++i) sum += changes.months[i].transfer;
  return text::R(sum);
}

}  // namespace

std::string methodName(char method) {
  switch (method) {
    case 'B':
      return text::fromUtf8("Budżetowa");
    case 'D':
      return text::fromUtf8("Degresywna");
    case 'J':
      return text::fromUtf8("Jednorazowa");
    case 'L':
      return text::fromUtf8("Liniowa");
    case 'N':
      return text::fromUtf8("Natychmiastowa");
    case 'P':
      return text::fromUtf8("Połówkowa");
    case 'T':
      return text::fromUtf8("Tereny, grunty i obiekty zabytkowe");
    default:
      return {};
  }
}

void writeAssetDescription(const AssetRecord& asset, DayNumber day, Basis basis,
                           std::string_view baseName, output::ReportBuffer& out) {
  DepreciationEngine engine(basis);
  const WorkingRecord& wr = engine.compute(asset, day);
  const AsOfSummary& s = wr.summary;

  out.beginReport("OST", text::fromUtf8("Opis środka trwałego"), 1);
  out.addColumn('l', 30, "opis");
  out.addColumn('l', 60, text::fromUtf8("zawartość"));
  out.endHeaders(std::string(baseName) + text::fromUtf8(" na dzień ") + text::longTextOfDay(day));
  auto line = [&out](std::string_view label, std::string_view value) {
    out.addRow({label, value});
  };

  line("Symbol inwentarzowy", str(asset.Symb));
  line("Opis", str(asset.Nazw));
  if (!str(asset.Na2w).empty()) line("", str(asset.Na2w));
  for (const auto& l : asset.Opis)
    if (!str(l).empty()) line("", str(l));

  line("Data zakupu", text::longTextOfDay(asset.DtZa));
  line(" - cena zakupu", amount(asset.CeZa));
  line(text::fromUtf8(" - dowód zakupu"), str(asset.DdZa));
  line(" - dostawca", str(asset.Dost));
  line(text::fromUtf8("Data przyjęcia"), text::longTextOfDay(asset.DtOT));
  line(text::fromUtf8(" - wartość OT"), amount(asset.WaOT));
  line(text::fromUtf8(" - dowód OT"), str(asset.DdOT));
  if (asset.RokP != 0) {
    line("W ewidencji od roku", std::to_string(asset.RokP));
    line(text::fromUtf8(" - wart.pocz.brutto"), amount(asset.WaBr));
    line(text::fromUtf8(" - wart.pocz.umorzenia"), amount(asset.WaUm));
  }

  // The tax pair of the entry in force; the balance pair has lines of its own.
  const RateEntry& k = rateEntryInForce(asset, day);
  line("Metoda umorzenia", methodName(asset.MeUm));
  line(text::fromUtf8(" - symbol KŚT"), str(k.SKST));
  line(" - stawka amort.", rateText(k.StPo));
  const long double coef = k.WsPo > 0 ? k.WsPo : 1.0L;
  if (!text::equalMoney(coef, 1.0L))
    line(text::fromUtf8(" - współ.amort."), rateText(k.StPo * coef));
  if (k.StBi != 0) line(" - stawka bilansowa", rateText(k.StBi));
  if (k.WsBi != 0) line(text::fromUtf8(" - współ.bilansowy"), plain(k.WsBi));

  const std::string year = std::to_string(wr.asOfYear);
  const long double transfers = transfersUpToDay(wr);
  out.addRule('-');
  line(text::fromUtf8("Wartość brutto na 1-sty-") + year, marked('+', s.grossBO));
  line(text::fromUtf8("Zwiększenia wartości brutto ~OT"), marked('~', s.increasesYTD + transfers));
  line(text::fromUtf8("Przeniesienia wartości brutto ~PT"), marked('~', transfers));
  line(text::fromUtf8("Zmniejszenia wartości brutto ~LT"), marked('=', s.decreasesYTD));
  line(text::fromUtf8("Wartość inwentarzowa"),
       text::moneyText(s.grossBO + s.increasesYTD - s.decreasesYTD));
  out.addRule('.');
  line(text::fromUtf8("Amortyzacja bieżąca"), marked('+', s.chargeYTD));
  line(text::fromUtf8("Amortyzacja doksięgowana ~PK"), marked('=', s.correctionsYTD));
  line("Amortyzacja zgodna z TFX", text::moneyText(s.chargeYTD + s.correctionsYTD));
  out.addRule('.');
  line("Umorzenie na 1-sty-" + year, marked('+', s.accumBO));
  line("Umorzenie = amortyzacji", marked('+', s.chargeYTD));
  line(text::fromUtf8("Umorzenie doksięgowane"), marked('~', s.correctionsYTD));
  line("Umorzenie przeniesione", marked('~', s.transferredYTD));
  line(text::fromUtf8("Umorzenie wyksięgowane"), marked('=', s.writtenOffYTD));
  line("Umorzenie do " + text::longTextOfDay(day), text::moneyText(s.accumDay));
  out.addRule('-');
  for (const auto& z : asset.Z)
    if (!str(z).empty()) line("", str(z));
  out.endReport();
}

Status findAsset(AssetRegister& reg, std::string_view symbol, const AssetRecord*& asset) {
  if (symbol.empty() || !reg.exists(symbol))
    return Status::Error(text::fromUtf8("Nie ma środka o symbolu ") + std::string(symbol));
  asset = &reg.currentRecord();
  return Status::Ok();
}

void registerDescriptionOperations() {
  registerOperation("OpiST", [](OperationRun& run) {
    if (!run.assets || !run.report) return Status::Error("Brak bazy lub bufora raportu");
    const AssetRecord* asset = nullptr;
    if (Status st = findAsset(*run.assets, run.values.text("SroJ"), asset); !st) return st;
    // Left empty, the day is the base's closing day; typed, it must be a day.
    const std::string typed = run.values.text("DaDo");
    const DayNumber day =
        typed.empty() ? listingEnvironment().settings.closingDay : text::dayFromShortText(typed);
    if (day == 0) return Status::Error(text::fromUtf8("Tu popraw: DaDo (Błędna postać daty)"));
    std::string base = run.baseFolder;
    while (!base.empty() && (base.back() == '/' || base.back() == '\\')) base.pop_back();
    base = base.substr(base.find_last_of("/\\") + 1);
    writeAssetDescription(*asset, day, listingEnvironment().settings.basis, base, *run.report);
    return Status::Ok();
  });
  registerOperation("InfST", [](OperationRun& run) {
    if (!run.assets || !run.report) return Status::Error("Brak bazy lub bufora raportu");
    const AssetRecord* asset = nullptr;
    if (Status st = findAsset(*run.assets, run.values.text("SroJ"), asset); !st) return st;
    const long year = text::intFromText(run.values.text("Rok4"));
    if (year < 2000 || year > kLastComputedYear)
      return Status::Error(text::fromUtf8("Tu popraw: Rok4 (rok 2000 do 2039)"));
    writeFullAssetDescription(*asset, static_cast<int>(year), listingEnvironment().settings.basis,
                              *run.report);
    return Status::Ok();
  });
}

}  // namespace zefir::operations
