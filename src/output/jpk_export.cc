#include "output/jpk_export.h"

#include <fstream>

#include "output/export_folder.h"
#include "output/jpk_xml.h"
#include "platform/paths.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::output {

namespace {

constexpr std::string_view kJpkNamespace = "http://jpk.mf.gov.pl/wzor/2016/03/09/0309";
constexpr std::string_view kTypesNamespace =
    "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/01/25/eD/DefinicjeTypy/";
constexpr std::size_t kMaxElementValue = 80;

DayNumber today() {
  const std::tm t = localNow();
  return text::dayFromDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
}

// A comment names the option that wrote the file. Its text never holds "--",
// which would end the comment early and spoil the file.
std::string commentLine(const ReportContext& ctx) {
  std::string body = "Zefir." + ctx.menuPosition + "  " + text::plainLetters(ctx.optionCaption) +
                     "  Zorza-Soft Zefir ver " + ctx.version;
  std::string safe;
  for (char c : body) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 127 || u < 32) continue;
    if (c == '-' && !safe.empty() && safe.back() == '-') safe += ' ';
    safe += c;
  }
  if (!safe.empty() && safe.back() == '-') safe += ' ';
  return " <!--  " + safe + "  -->";
}

void copySection(std::ofstream& out, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out << line << '\n';
  }
}

}  // namespace

JpkKind jpkKind(std::string_view menuPosition, char vatVariant) {
  if (menuPosition == "EA") return {"KR", "KR_", "", '1', {"ZOiS", "Dzie", "KoZa"}};
  if (menuPosition == "DD") return {"VAT", "VAT", std::string("_") + vatVariant, '4', {"SZWi"}};
  return {"NIC", "NIC", "", '0', {"ZOiS", "Dzie", "KoZa"}};
}

std::string jpkFileName(const JpkKind& kind, DayNumber lastDay, std::string_view organisation) {
  return "JPK_" + kind.fileCode + "_" + isoDate(lastDay).substr(0, 7) + "_" +
         std::string(organisation.substr(0, 7)) + kind.nameSuffix + ".XML";
}

std::string jpkTimeNow() {
  const std::tm t = localNow();
  char when[64];
  std::snprintf(when, sizeof when, "%04d-%02d-%02dT%02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1,
                t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
  return when;
}

JpkResult writeJpk(const ReportContext& ctx, const JpkRequest& request) {
  const JpkKind kind = jpkKind(ctx.menuPosition, ctx.vatVariant);
  const DayNumber last = request.lastDay ? request.lastDay : today();
  const DayNumber first = request.firstDay
                              ? request.firstDay
                              : text::dayFromDate(text::yearOfDay(last), text::monthOfDay(last), 1);
  JpkResult result;
  result.path =
      (exportFolder(ctx, "JPK") / text::toUtf8(jpkFileName(kind, last, ctx.organisation))).string();
  std::ofstream out(result.path, std::ios::binary | std::ios::trunc);
  if (!out) return result;

  XmlLines xml(out, kMaxElementValue);
  const std::string comment = commentLine(ctx);
  const CompanyData& c = request.company;
  xml.line(0, "<?xml version=\"1.0\" encoding=\"utf-8\"?>");
  xml.line(0, "<JPK xmlns=\"" + std::string(kJpkNamespace) + kind.namespaceDigit +
                  "/\" xmlns:P1=\"" + std::string(kTypesNamespace) + "\">");
  xml.line(0, comment);
  xml.tag(1, "Naglowek");
  xml.element(2, "KodFormularza", "JPK_" + kind.formCode,
              "kodSystemowy=\"JPK_" + kind.formCode + " (1)\" wersjaSchemy=\"1-0\"");
  xml.element(2, "WariantFormularza", "1");
  xml.element(2, "CelZlozenia", "1");
  xml.element(2, "DataWytworzeniaJPK",
              request.createdAt.empty() ? jpkTimeNow() : request.createdAt);
  xml.element(2, "DataOd", isoDate(first));
  xml.element(2, "DataDo", isoDate(last));
  xml.element(2, "DomyslnyKodWaluty", "PLN");
  xml.element(2, "KodUrzedu", c.KUr);
  xml.tag(1, "/Naglowek");
  xml.line(0, comment);
  xml.tag(1, "Podmiot1");
  xml.tag(2, "IdentyfikatorPodmiotu");
  xml.element(3, "P1:NIP", c.NIP);
  xml.element(3, "P1:PelnaNazwa", c.PNa);
  xml.element(3, "P1:REGON", c.Reg);
  xml.tag(2, "/IdentyfikatorPodmiotu");
  xml.tag(2, "AdresPodmiotu");
  const std::pair<const char*, const std::string*> address[] = {
      {"P1:KodKraju", &c.KKr}, {"P1:Wojewodztwo", &c.Woj}, {"P1:Powiat", &c.Pow},
      {"P1:Gmina", &c.Gmi},    {"P1:Ulica", &c.Uli},       {"P1:NrDomu", &c.NDo},
      {"P1:NrLokalu", &c.NLo}, {"P1:Miejscowosc", &c.Mie}, {"P1:KodPocztowy", &c.KPo},
      {"P1:Poczta", &c.Poc}};
  for (auto [name, value] : address) xml.element(3, name, *value);
  xml.tag(2, "/AdresPodmiotu");
  xml.tag(1, "/Podmiot1");
  xml.line(0, comment);
  for (std::size_t i = 0; i < kind.sections.size(); ++i) {
    if (i > 0) xml.line(0, comment);
    // Without a temporary folder there are no section files to look for.
    if (ctx.sectionPrefix.empty()) continue;
    copySection(out,
                platform::nativePath(ctx.sectionPrefix + kind.sections[i] + ctx.sectionSuffix));
  }
  xml.line(0, comment);
  xml.line(0, "</JPK>");
  out.close();
  result.written = !out.fail();
  return result;
}

}  // namespace zefir::output
