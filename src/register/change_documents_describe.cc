// The quantity split off an asset's name, and the texts that describe the
// attribute split on cards and in listings.
#include <array>
#include <cctype>

#include "register/change_documents_split.h"
#include "text/codepage.h"
#include "text/numbers.h"

namespace zefir {

namespace {

struct Unit {
  std::string_view text;
  long double precision;
};

// "m2" before "m", so a square-metre name is not read as metres.
constexpr std::array<Unit, 5> kUnits = {
    {{"szt", 1.0L}, {"kpl", 0.1L}, {"m2", 0.01L}, {"kg", 0.001L}, {"m", 0.01L}}};

bool endsWithNoCase(std::string_view s, std::string_view suffix) {
  if (s.size() < suffix.size()) return false;
  const std::string_view tail = s.substr(s.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(tail[i])) != suffix[i]) return false;
  return true;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool describedAmount(const Holding& h, long double gross, long double grossBO) {
  return h.amount > 0 && !text::equalMoney(h.amount, gross) && !text::equalMoney(h.amount, grossBO);
}

}  // namespace

QuantityFromName quantityFromName(std::string_view name) {
  QuantityFromName q;
  q.name = std::string(name);
  std::string_view s = name;
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  for (const Unit& unit : kUnits) {
    // Names are often typed in capitals ("KRZESŁA 12 SZT"): the unit is
    // recognised in either case and kept in its usual lower-case form.
    if (!endsWithNoCase(s, unit.text)) continue;
    std::size_t end = s.size() - unit.text.size();  // one past the number
    if (end > 0 && s[end - 1] == ' ') --end;
    if (end == 0 || !isDigit(s[end - 1])) return q;  // a unit without a number before it
    std::size_t begin = end;
    while (begin > 0 && (isDigit(s[begin - 1]) || s[begin - 1] == ',' || s[begin - 1] == '.'))
      --begin;
    while (begin < end && !isDigit(s[begin])) ++begin;  // a separator cannot lead
    // "0 szt" names the unit all the same; only the quantity is missing.
    const long double value = text::realFromText(s.substr(begin, end - begin));
    q.quantity = value > 0 ? value : 0;
    q.precision = unit.precision;
    q.unit = std::string(unit.text);
    std::string_view rest = s.substr(0, begin);
    while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
    q.name = std::string(rest);
    return q;
  }
  return q;
}

std::string describeHoldings(const AttributeSplit& split, std::string_view kind,
                             long double grossBO) {
  std::string s;
  for (const Holding& h : split.holdings) {
    if (h.kind != kind) continue;
    s += ", " + h.key;
    if (describedAmount(h, split.gross, grossBO))
      s += "(" + text::plainRealText(h.amount, 2) + text::fromUtf8("zł)");
  }
  if (!s.empty()) s.erase(0, 1);
  return s;
}

std::string describeCostAccounts(const AttributeSplit& split, long double grossBO) {
  for (const Holding& h : split.holdings)
    if (h.kind == "KK") return describeHoldings(split, "KK", grossBO);
  return describeHoldings(split, "KR", grossBO);
}

std::string describeAccounts(const AttributeSplit& split, long double grossBO) {
  return describeHoldings(split, "KS", grossBO) + " /" + describeHoldings(split, "KU", grossBO) +
         " /" + describeCostAccounts(split, grossBO);
}

}  // namespace zefir
