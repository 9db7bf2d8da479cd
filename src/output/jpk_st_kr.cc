#include "output/jpk_st_kr.h"

#include <cmath>
#include <cstdio>
#include <fstream>

#include "output/export_folder.h"
#include "output/jpk_xml.h"
#include "register/change_documents.h"
#include "shell/settings_register.h"
#include "text/rounding.h"

namespace zefir::output {

namespace {

constexpr std::string_view kStNamespace = "http://jpk.mf.gov.pl/wzor/2024/04/24/04242/";
constexpr std::string_view kTypesNamespace =
    "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2022/01/05/eD/DefinicjeTypy/";
constexpr std::size_t kMaxValue = 256;
constexpr long double kGrosz = 0.005L;

// The tax method code of the depreciation method letter.
char methodCode(char MeUm) {
  switch (MeUm) {
    case 'D':
      return 'D';
    case 'J':
      return 'J';
    case 'T':
      return 'X';  // never charged
    case 'N':
    case 'B':
      return 'I';
    default:
      return 'L';  // L, P, blank: the linear rule
  }
}

// How often the method charges.
char frequencyCode(char MeUm) {
  switch (MeUm) {
    case 'J':
      return 'J';
    case 'T':
      return 'X';
    case 'B':
      return 'R';  // the year's charge is booked in December
    case 'N':
      return 'I';
    default:
      return 'M';
  }
}

// One basis's figures for the year, from the engine as of 31 December.
struct BasisFigures {
  bool held = false;
  bool removed = false;  // the gross value fell to 0 by liquidation
  long double initial = 0;
  long double change = 0;
  long double rate = 0;
  long double coef = 0;
  long double yearCharge = 0;
  long double accumulated = 0;
};

BasisFigures figuresOn(DepreciationEngine& engine, const AssetRegister& reg, int slot,
                       DayNumber yearEnd) {
  const WorkingRecord& wr = engine.compute(reg, slot, yearEnd);
  const AsOfSummary& s = wr.summary;
  BasisFigures f;
  const bool atStart = s.grossBO > kGrosz;
  f.held = atStart || s.increasesYTD > kGrosz;
  f.removed = s.decreasesYTD > kGrosz && s.grossBO + s.increasesYTD - s.decreasesYTD < kGrosz;
  f.initial = atStart ? s.grossBO : s.increasesYTD;
  f.change = (atStart ? s.increasesYTD : 0) - (f.removed ? 0 : s.decreasesYTD);
  f.rate = wr.classification.rate;
  f.coef = wr.classification.coef;
  f.yearCharge = s.chargeYTD;
  f.accumulated = s.accumDay + s.writtenOffYTD;
  return f;
}

std::string nonEmpty(std::string_view text) {
  return text.empty() ? std::string("BRAK") : std::string(text);
}

// The last liquidation entry dated within the year.
const ChangeEntry* removalEntry(const ParsedEntries& entries, int year) {
  const ChangeEntry* found = nullptr;
  for (const ChangeEntry& e : entries)
    if (changeFamily(e.C) == ChangeFamily::Decrease && e.D && text::yearOfDay(e.D) == year)
      found = &e;
  return found;
}

// A change of classification symbol dated within the year.
bool reclassified(const AssetRecord& a, int year) {
  for (int i = 1; i < kRateEntries; ++i)
    if (a.K[i].date && text::yearOfDay(a.K[i].date) == year && a.K[i].SKST != a.K[i - 1].SKST)
      return true;
  return false;
}

bool isIntangible(std::string_view symbol) {
  return text::upperCase(symbol).starts_with("WNIP");
}

std::string percent(long double rate) {
  return jpkAmount(rate);
}

char settingCode(const std::string& registerPath, std::string_view key, std::string_view allowed,
                 char fallback) {
  const std::string value = shell::readSetting(registerPath, "", key).text();
  if (value.size() == 1 && allowed.find(value[0]) != std::string_view::npos) return value[0];
  return fallback;
}

}  // namespace

StKrDefaults stKrDefaults(std::string_view baseFolder) {
  const std::string path = shell::baseRegisterPath(baseFolder);
  StKrDefaults d;
  d.acquisition = settingCode(path, "JpkStNab.xxx", "SDNWFI", d.acquisition);
  d.removal = settingCode(path, "JpkStWyk.xxx", "ASXKDNI", d.removal);
  return d;
}

JpkResult writeStKrFile(const ReportContext& ctx, const AssetRegister& reg,
                        const StKrRequest& request) {
  const std::string name =
      "JPK_ST_KR_" + std::to_string(request.year) + "_" + ctx.organisation.substr(0, 7) + ".XML";
  JpkResult result;
  result.path = (exportFolder(ctx, "JPK") / text::toUtf8(name)).string();
  std::ofstream out(result.path, std::ios::binary | std::ios::trunc);
  if (!out) return result;
  writeStKr(out, reg, request);
  out.close();
  result.written = !out.fail();
  return result;
}

std::string jpkAmount(long double value) {
  long double r = text::R(value);
  if (std::fabs(static_cast<double>(r)) < 0.005) r = 0;
  char out[64];
  std::snprintf(out, sizeof out, "%.2Lf", r);
  return out;
}

std::optional<StKrFields> stKrFields(const AssetRegister& reg, int slot, int year,
                                     const StKrDefaults& defaults, DepreciationEngine& tax,
                                     DepreciationEngine& balance) {
  const DayNumber yearEnd = text::dayFromDate(year, 12, 31);
  const AssetRecord& a = reg.slot(slot);
  if (!yearEnd || !a.DtOT || a.DtOT > yearEnd) return std::nullopt;
  const BasisFigures b = figuresOn(balance, reg, slot, yearEnd);
  const BasisFigures p = figuresOn(tax, reg, slot, yearEnd);  // the tax engine's record stays
  if (!p.held && !b.held) return std::nullopt;
  const WorkingRecord& wr = tax.result();

  StKrFields f;
  auto add = [&f](const char* name, std::string value) { f.emplace_back(name, std::move(value)); };
  add("E_1", nonEmpty(a.Symb));
  // Intangibles (the symbol WNIP, outside the classification) have their own date element.
  add(isIntangible(wr.classification.entry.SKST) ? "E_3" : "E_2",
      isoDate(a.DtZa ? a.DtZa : a.DtOT));
  add("E_4", isoDate(a.DtOT));
  add("E_5", nonEmpty(a.DdOT));
  add("E_6", std::string(1, defaults.acquisition));
  add("E_7", nonEmpty(a.Nazw));
  if (!wr.classification.entry.SKST.empty()) add("E_8", wr.classification.entry.SKST);
  add("E_9_1", std::string(1, methodCode(a.MeUm)));
  add("E_10A", percent(p.rate));
  add("E_10B", jpkAmount(a.MeUm == 'J' ? p.initial : p.initial * p.rate / 100));
  if (p.coef > 0 && std::fabs(static_cast<double>(p.coef - 1)) > 1e-9)
    add("E_11", percent(p.rate * p.coef));
  add("E_12", jpkAmount(p.initial));
  if (std::fabs(static_cast<double>(p.change)) >= 0.005) add("E_15", jpkAmount(p.change));
  if (a.WaUm > kGrosz) add("E_16", jpkAmount(a.WaUm));
  add("E_17", std::string(1, frequencyCode(a.MeUm)));
  add("E_19", jpkAmount(p.yearCharge));
  add("E_20", jpkAmount(p.accumulated));
  add("E_21", jpkAmount(b.initial));
  if (std::fabs(static_cast<double>(b.change)) >= 0.005) add("E_24", jpkAmount(b.change));
  const long double balanceRate = b.coef > 0 ? b.rate * b.coef : b.rate;
  add("E_25A", percent(balanceRate));
  add("E_25B", jpkAmount(a.MeUm == 'J' ? b.initial : b.initial * balanceRate / 100));
  add("E_26", jpkAmount(b.yearCharge));
  add("E_27", jpkAmount(b.accumulated));
  if (p.removed || b.removed) {
    const ChangeEntry* e = removalEntry(wr.entries, year);
    add("E_28", isoDate(e ? e->D : yearEnd));
    add("E_29", std::string(1, defaults.removal));
    add("E_30", nonEmpty(e ? std::string_view(e->K) : std::string_view()));
  }
  add("E_32", reclassified(a, year) ? "1" : "2");
  return f;
}

int writeStKr(std::ostream& out, const AssetRegister& reg, const StKrRequest& r) {
  XmlLines xml(out, kMaxValue);
  const CompanyData& c = r.company;
  xml.line(0, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
  xml.line(0, "<JPK xmlns=\"" + std::string(kStNamespace) + "\" xmlns:etd=\"" +
                  std::string(kTypesNamespace) + "\">");
  xml.tag(1, "Naglowek");
  xml.element(2, "KodFormularza", "JPK_ST", "kodSystemowy=\"JPK_ST_KR (1)\" wersjaSchemy=\"1-0\"");
  xml.element(2, "WariantFormularza", "1");
  xml.element(2, "CelZlozenia", std::to_string(r.purpose));
  xml.element(2, "DataWytworzeniaJPK", r.createdAt);
  xml.element(2, "RokDataOd", std::to_string(r.year) + "-01-01");
  xml.element(2, "RokDataDo", std::to_string(r.year) + "-12-31");
  xml.element(2, "DomyslnyKodWaluty", "PLN");
  xml.element(2, "KodUrzedu", c.KUr);
  xml.tag(1, "/Naglowek");
  xml.tag(1, "Podmiot1");
  xml.tag(2, "IdentyfikatorPodmiotu");
  xml.element(3, "etd:NIP", c.NIP);
  xml.element(3, "etd:PelnaNazwa", c.PNa);
  xml.tag(2, "/IdentyfikatorPodmiotu");
  xml.tag(2, "Adres");
  xml.tag(3, "AdresPol");
  const std::pair<const char*, const std::string*> address[] = {
      {"etd:KodKraju", &c.KKr}, {"etd:Wojewodztwo", &c.Woj}, {"etd:Powiat", &c.Pow},
      {"etd:Gmina", &c.Gmi},    {"etd:Ulica", &c.Uli},       {"etd:NrDomu", &c.NDo},
      {"etd:NrLokalu", &c.NLo}, {"etd:Miejscowosc", &c.Mie}, {"etd:KodPocztowy", &c.KPo}};
  for (auto [name, value] : address) {
    const bool optional = value == &c.Uli || value == &c.NLo;
    if (optional && *value == "BRAK") continue;
    xml.element(4, name, *value);
  }
  xml.tag(3, "/AdresPol");
  xml.tag(2, "/Adres");
  xml.tag(1, "/Podmiot1");
  DepreciationEngine tax(Basis::Tax), balance(Basis::Balance);
  int written = 0;
  for (int slot = 1; slot < reg.count(); ++slot) {
    const std::optional<StKrFields> fields =
        stKrFields(reg, slot, r.year, r.defaults, tax, balance);
    if (!fields) continue;
    xml.tag(1, "ST_KR");
    for (const auto& [name, value] : *fields) xml.element(2, name, value);
    xml.tag(1, "/ST_KR");
    ++written;
  }
  xml.line(0, "</JPK>");
  return written;
}

}  // namespace zefir::output
