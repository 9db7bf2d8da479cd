// The day number: days counted from 1 January 1920 (day 0, a Thursday); 0
// also means "no date". Its text forms are in text/dates.h.
#pragma once

#include <cstdint>

namespace zefir {

using DayNumber = std::uint16_t;

}  // namespace zefir
