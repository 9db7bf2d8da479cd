// The unit of the statistical sections and the rounding that keeps a
// section's rows adding up to its total in that unit.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zefir::operations {

// `T` thousands of złoty, `Z` whole złoty, anything else złoty and grosze.
enum class StatUnit { Thousands, Zloty, Grosze };
StatUnit statUnitOf(std::string_view typed);

// The amount in the unit: whole thousands or whole złoty (halves to the even
// one), or grosze.
long double inUnit(long double zloty, StatUnit unit);
// The text of an amount already in the unit: no decimals for thousands and
// złoty, two for grosze; full stops between thousands; 0 prints as "0".
std::string unitText(long double amount, StatUnit unit);

// Parts rounded to the unit so that they add up to the rounded total: the
// difference goes to the largest part (by its value before rounding; at
// equal values the later part).
struct UnitRounding {
  long double total = 0;
  std::vector<long double> parts;
  int largest = -1;  // the part that took the difference, -1 none
  long double difference = 0;
};
UnitRounding roundInUnit(long double total, std::span<const long double> parts, StatUnit unit);

}  // namespace zefir::operations
