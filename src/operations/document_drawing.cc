// The drawing of one document copy. Positions are millimetres on the 184 mm
// wide drawing: the logo box and the header on top, the body of the kind
// below, each value in a box under its label.
#include <string>

#include "operations/asset_documents.h"
#include "operations/record_text.h"
#include "register/change_documents_split.h"
#include "register/depreciation_engine.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

using output::BoxAlign;
using output::DocumentCanvas;
using output::TextStyle;

// Two decimals; a value that does not apply is "n.dot.".
std::string amount(long double v) {
  std::string t = text::moneyText(v);
  t.erase(0, t.find_first_not_of(' '));
  return t.empty() ? "0,00" : t;
}
const char* const kNotApplicable = "n.dot.";

std::string rate(long double v) {
  const std::string t = text::plainRealText(v, 4);
  return t.empty() ? "0" : t;
}

class Sheet {
 public:
  explicit Sheet(DocumentCanvas& c) : c_(c) {}
  void text(double x, double y, double w, double h, std::string t, bool bold = false,
            BoxAlign align = BoxAlign::Left) {
    // Joined and described values bring blanks at their ends.
    t.erase(0, t.find_first_not_of(' '));
    t.erase(t.find_last_not_of(' ') + 1);
    if (t.empty()) return;
    output::textInBox(c_, x, w, y, h, t, TextStyle{bold, false, align});
  }
  // A framed box with a small label on top and the value under it.
  void field(double x, double y, double w, double h, const char* label, const std::string& value) {
    c_.frame(x, y, w, h);
    text(x + 1, y + 0.5, w - 2, 3.5, text::fromUtf8(label));
    text(x + 1, y + 4.5, w - 2, h - 5, value, true);
  }
  void labelled(double x, double y, double w, const std::string& label, const std::string& value) {
    text(x, y, w * 0.45, 5, label);
    text(x + w * 0.45, y, w * 0.55, 5, value, true);
  }
  DocumentCanvas& canvas() { return c_; }

 private:
  DocumentCanvas& c_;
};

void drawLogo(Sheet& s, const DocumentCompany& company, const output::LogoImage& logo) {
  const double x = 2, y = 4, w = 35, h = 28;
  if (logo.empty()) {
    s.text(x, y + 10, w, 8, text::fromUtf8("Nie ma ") + company.logoFile, false, BoxAlign::Centre);
    return;
  }
  // Scaled to the box keeping its proportions, centred along the shorter side.
  const double scale = std::min(w / logo.width, h / logo.height);
  const double pw = logo.width * scale, ph = logo.height * scale;
  s.canvas().picture(x + (w - pw) / 2, y + (h - ph) / 2, pw, ph, logo);
}

void drawHeader(Sheet& s, const SelectedDocument& doc, const DocumentCompany& company) {
  for (int i = 0; i < 6; ++i) s.text(40, 4 + i * 4.5, 70, 4.5, company.lines[i], i == 0);
  s.text(112, 4, 70, 8, doc.heading, true, BoxAlign::Centre);
  s.text(112, 13, 70, 6, doc.kind + " Numer " + doc.reference, true, BoxAlign::Centre);
  s.text(112, 20, 70, 6, "Data " + text::longTextOfDay(doc.entry.D), false, BoxAlign::Centre);
  s.canvas().frame(2, 34, 60, 22);
  s.text(4, 51, 56, 4, text::fromUtf8("pieczęć firmowa"), false, BoxAlign::Centre);
  s.text(66, 34, 116, 5, doc.referenceLine, false, BoxAlign::Right);
  s.canvas().line(0, 58, kDocumentWidth, 58, 0.4);
}

std::string description(const AssetRecord& a) {
  std::string t;
  for (const auto& l : a.Opis)
    if (!str(l).empty()) t += (t.empty() ? "" : " ") + str(l);
  return t;
}

void postingTable(Sheet& s, double y, const char* first, const char* second,
                  const std::string& date, const std::string& debit, const std::string& value,
                  const std::string& credit) {
  s.field(0, y, 30, 12, first, "");
  s.field(30, y, 30, 12, second, date);
  s.field(60, y, 40, 12, "Konto winien", debit);
  s.field(100, y, 44, 12, "Kwota", value);
  s.field(144, y, 40, 12, "Konto ma", credit);
}

void drawOT(Sheet& s, const WorkingRecord& wr, const SelectedDocument& doc) {
  const AssetRecord& a = wr.asset;
  const long double grossBO = wr.summary.grossBO;
  s.field(0, 60, 120, 12, "Nazwa", str(a.Nazw) + " " + str(a.Na2w));
  s.field(120, 60, 64, 12, "Symbol", str(a.Symb));
  s.field(0, 72, 184, 12, "Charakterystyka", description(a));
  s.field(0, 84, 92, 12, "Dostawca / wykonawca", doc.ordinal == 0 ? str(a.Dost) : doc.entry.N);
  s.field(92, 84, 92, 12, "Dowód nabycia / dostawy",
          doc.ordinal == 0 ? str(a.DdZa) + " " + text::longTextOfDay(a.DtZa) : doc.entry.K);
  s.field(0, 96, 184, 12, "Miejsce użytkowania / przeznaczenia",
          describeHoldings(wr.split, "MU", grossBO));
  s.text(0, 110, 120, 5, text::fromUtf8("I. wartość z rozliczenia"), true);
  const std::string value = doc.entry.hasAmount ? amount(doc.entry.W) : kNotApplicable;
  s.labelled(4, 116, 130, text::fromUtf8("1. wartość nabycia lub wytworzenia"), value);
  s.labelled(4, 122, 130, text::fromUtf8("2. koszty nabycia lub wytworzenia"), kNotApplicable);
  s.labelled(4, 128, 130, text::fromUtf8("RAZEM (w złotych)"), value);
  s.labelled(0, 135, 134, text::fromUtf8("II. wartość szacunkowa"), kNotApplicable);
  s.field(0, 142, 120, 24, "Podpisy zespołu przyjmującego", "");
  s.field(120, 142, 64, 24, "Podpis osoby, której powierza się środek trwały", "");
  s.field(0, 166, 140, 12, "Uwagi", "");
  s.field(140, 166, 44, 12, "Liczba załączników", "");
  s.text(0, 181, 184, 6, text::fromUtf8("POLECENIE KSIĘGOWANIA"), true, BoxAlign::Centre);
  const RateEntry& k = rateEntryInForce(a, doc.entry.D);
  s.field(0, 188, 30, 12, "Stopa umorzenia", rate(k.StPo) + "%");
  s.field(30, 188, 30, 12, "Wsp.amortyzacji", rate(k.WsPo > 0 ? k.WsPo : 1));
  s.field(60, 188, 40, 12, "Symbol układu klasyfikacyjnego", str(k.SKST));
  s.field(100, 188, 40, 12, "Numer inwentarzowy", str(a.Symb));
  s.field(140, 188, 44, 12, "Stanowisko kosztów", describeCostAccounts(wr.split, grossBO));
  postingTable(s, 202, "Numer", "Data", text::longTextOfDay(doc.entry.D),
               describeHoldings(wr.split, "KS", grossBO), value,
               describeHoldings(wr.split, "KU", grossBO));
  s.field(0, 216, 92, 12, "Zaksięgowano dnia", "");
  s.field(92, 216, 92, 12, "Podpis", "");
}

void drawLT(Sheet& s, const WorkingRecord& wr, const SelectedDocument& doc) {
  const AssetRecord& a = wr.asset;
  const long double grossBO = wr.summary.grossBO;
  s.field(0, 60, 120, 12, "Nazwa", str(a.Nazw) + " " + str(a.Na2w));
  s.field(120, 60, 64, 12, "Symbol", str(a.Symb));
  s.field(0, 72, 92, 12, "Miejsce użytkowania", describeHoldings(wr.split, "MU", grossBO));
  s.field(92, 72, 92, 12, "Osoba odpowiedzialna", describeHoldings(wr.split, "OO", grossBO));
  s.canvas().frame(0, 86, 184, 60);
  s.text(2, 87, 180, 6, text::fromUtf8(" Orzeczenie komiaji likwidacyjnej"), true);
  s.text(2, 94, 180, 5,
         text::fromUtf8("Data rozpoczęcia likwidacji: ") + text::longTextOfDay(doc.entry.D));
  s.text(2, 100, 180, 5, doc.entry.K + " " + doc.entry.N);
  s.field(0, 110, 92, 24, "Komisja likwidacyjna", "");
  s.field(92, 110, 92, 24, "Decyzję komisji zatwierdzam", "");
  s.text(94, 135, 40, 5, "data");
  s.text(136, 135, 46, 5, "podpisy");
  s.text(94, 140, 88, 5, "Dyrektor", false, BoxAlign::Right);
  s.text(0, 150, 92, 5, text::fromUtf8("Wpłynęło dnia "));
  s.text(92, 150, 92, 5, text::fromUtf8("  podpis "));
  s.text(0, 156, 184, 5, "dotyczy " + doc.referenceLine);
  // The value leaving the register: the entry's amount, or without one the
  // whole value as the month before left it; and the depreciation written
  // off with it in its month.
  const DayNumber d = doc.entry.D;
  const int month = text::monthOfDayJanuaryZero(d);
  const DayNumber before = month == 0 ? d - 1 : text::dayFromDate(text::yearOfDay(d), month, 1) - 1;
  DepreciationEngine engine;
  const AsOfSummary prior = engine.compute(a, before).summary;
  const long double gross = doc.entry.hasAmount && doc.entry.W > 0
                                ? doc.entry.W
                                : prior.grossBO + prior.increasesYTD - prior.decreasesYTD;
  const long double accum = wr.months[month].writtenOff;
  postingTable(s, 164, "Numer dowodu", "Data księgowania", text::longTextOfDay(doc.entry.D),
               describeAccounts(wr.split, grossBO), amount(gross), "");
  s.labelled(100, 180, 84, " brutto", amount(gross));
  s.labelled(100, 186, 84, text::fromUtf8(" umorz."), amount(accum));
  s.text(100, 192, 84, 4, " ______________", false, BoxAlign::Right);
  s.labelled(100, 197, 84, " netto", amount(gross - accum));
}

void drawPT(Sheet& s, const WorkingRecord& wr, const SelectedDocument& doc) {
  const AssetRecord& a = wr.asset;
  s.text(0, 60, 184, 6, "Na podstawie: " + doc.entry.K);
  s.text(0, 67, 92, 6, text::fromUtf8("znak: ") + doc.entry.N);
  s.text(92, 67, 92, 6, "   z dnia: " + text::longTextOfDay(doc.entry.D));
  s.text(0, 75, 184, 6, text::fromUtf8("przekazuje się: ") + str(a.Nazw) + " " + str(a.Symb), true);
  const RateEntry& k = rateEntryInForce(a, doc.entry.D);
  s.field(0, 84, 92, 12, "Klasyfikacyja ŚT", str(k.SKST));
  s.field(92, 84, 92, 12, "Załączników", "");
  DepreciationEngine engine;
  const AsOfSummary after = engine.compute(a, doc.entry.D).summary;
  s.field(0, 98, 46, 12, "Wartość brutto",
          doc.entry.hasAmount ? amount(doc.entry.W) : kNotApplicable);
  s.field(46, 98, 46, 12, "Stawka", rate(k.StPo) + "%");
  s.field(92, 98, 46, 12, "Współczynnik", rate(k.WsPo > 0 ? k.WsPo : 1));
  s.field(138, 98, 46, 12, "Umorzenie przekazane", amount(after.transferredYTD));
  s.field(0, 114, 92, 30, "Przekazujący", "");
  s.field(92, 114, 92, 30, "Przyjmujący", "");
  s.text(2, 138, 88, 5, text::fromUtf8("(pieczęć, podpisy)"), false, BoxAlign::Centre);
  s.text(94, 138, 88, 5, text::fromUtf8("(pieczęć, podpisy)"), false, BoxAlign::Centre);
}

}  // namespace

void drawDocument(output::DocumentCanvas& canvas, const WorkingRecord& wr,
                  const SelectedDocument& doc, const DocumentCompany& company,
                  const output::LogoImage& logo) {
  Sheet s(canvas);
  drawLogo(s, company, logo);
  drawHeader(s, doc, company);
  // Places, persons and accounts as they stood on the document's day: by
  // the register's last day a liquidated asset holds none.
  DepreciationEngine engine;
  const WorkingRecord& onDay = engine.compute(wr.asset, doc.entry.D);
  if (doc.kind == "OT")
    drawOT(s, onDay, doc);
  else if (doc.kind == "LT")
    drawLT(s, onDay, doc);
  else if (doc.kind == "PT")
    drawPT(s, onDay, doc);
}

}  // namespace zefir::operations
