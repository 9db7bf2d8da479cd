// The card's cells as the F3 window handles them one by one: the list F4
// opens on a cell, the kind cell's check, date cells completed when left or
// from today, and the purchase price converted at a picked exchange rate.
#include <algorithm>

#include "operations/asset_card.h"
#include "operations/pick_list.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"
#include "text/short_strings.h"

namespace zefir::operations {

namespace {

constexpr std::string_view kKinds = ".KK.KN.KP.KR.KS.KU.LT.MU.OO.OT.PA.PK.PT.UD.UU.WU.";

}  // namespace

int cardPickList(char section, std::string_view code, std::string_view rowKind) {
  if (code == "NaDz" || code == "DtZa" || code == "DtOT" || code == "KRDt" || code == "ZmDt")
    return 'D';
  if (code == "ZmCo") return 'z';
  if (code == "Klas") return 'q';
  if (code == "Opis" || code == "Dost") return 'Y';
  if (code == "CeZa") return 'A';  // an invoice in a foreign currency
  if (code == "WzoP") return kPatternFiles;
  if (code == "ZmKo") {
    if (rowKind == "MU") return 'm';
    if (rowKind == "OO") return 'o';
    if (rowKind.size() == 2 && rowKind[0] == 'K') return 'k';
    if (rowKind.empty() || rowKind == "F4") return -1;
    return ' ';  // a document's contractor: the code before the first blank
  }
  if (code == "Wzor") {
    switch (section) {
      case 'I':
        return 's';
      case 'J':
        return 'o';
      case 'K':
        return 'm';
      case 'L':
        return 'q';
      case 'M':
        return 'k';
      default:
        return -1;
    }
  }
  return -1;
}

std::string checkedKind(std::string_view kind) {
  const std::string k = text::upperCase(text::trimmed(kind));
  if (k.empty()) return k;
  if (k.size() != 2 || kKinds.find("." + k + ".") == std::string_view::npos) return "F4";
  return k;
}

std::string leaveDateCell(std::string_view text, DayNumber today, bool* error) {
  std::string t = text::trimmed(text);
  if (error) *error = false;
  if (t.empty()) return t;
  if (t.size() % 2 == 1) t = "0" + t;
  if (t.size() < 6) t += text::shortTextOfDay(today).substr(t.size());
  const DayNumber day = text::dayFromShortText(t);
  if (error && text::shortTextOfDay(day) != t) *error = true;
  return text::shortTextOfDay(day);
}

std::string completeFromToday(std::string_view text, int caret, int selectionEnd, DayNumber today) {
  const std::string digits = text::shortTextOfDay(today);
  caret = std::clamp(caret, 0, static_cast<int>(text.size()));
  selectionEnd = std::clamp(selectionEnd, caret, static_cast<int>(text.size()));
  std::string t(text.substr(0, caret));
  if (caret < static_cast<int>(digits.size())) t += digits.substr(caret);
  t += text.substr(selectionEnd);
  return t;
}

std::string amountAtRate(std::string_view amount, std::string_view rate) {
  const long double a = text::realFromText(text::trimmed(amount));
  const long double r = text::realFromText(text::trimmed(rate));
  if (a == 0 || r <= 0) return {};
  return text::plainRealText(a * r, 2);
}

}  // namespace zefir::operations
