#include "operations/statistical_units.h"

#include "text/numbers.h"
#include "text/rounding.h"

namespace zefir::operations {

StatUnit statUnitOf(std::string_view typed) {
  const char c = typed.empty() ? ' ' : typed[0];
  if (c == 'T' || c == 't') return StatUnit::Thousands;
  if (c == 'Z' || c == 'z') return StatUnit::Zloty;
  return StatUnit::Grosze;
}

long double inUnit(long double zloty, StatUnit unit) {
  const long double grosze = text::R(zloty);
  switch (unit) {
    case StatUnit::Thousands:
      return text::nearestWhole(grosze / 1000) + 0.0L;
    case StatUnit::Zloty:
      return text::nearestWhole(grosze) + 0.0L;
    case StatUnit::Grosze:
      break;
  }
  return grosze;
}

std::string unitText(long double amount, StatUnit unit) {
  if (text::R(amount) == 0) return unit == StatUnit::Grosze ? "0,00" : "0";
  std::string t = text::moneyText(amount);
  const std::size_t first = t.find_first_not_of(' ');
  t.erase(0, first);
  if (unit != StatUnit::Grosze) t.resize(t.size() - 3);  // the ",00" of a whole amount
  return t;
}

UnitRounding roundInUnit(long double total, std::span<const long double> parts, StatUnit unit) {
  UnitRounding r;
  r.total = inUnit(total, unit);
  long double sum = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    r.parts.push_back(inUnit(parts[i], unit));
    sum += r.parts.back();
    if (r.largest < 0 || parts[i] > parts[r.largest] ||
        text::equalMoney(parts[i], parts[r.largest]))
      r.largest = static_cast<int>(i);
  }
  r.difference = text::R(r.total - sum);
  if (r.largest >= 0) r.parts[r.largest] = text::R(r.parts[r.largest] + r.difference);
  return r;
}

}  // namespace zefir::operations
