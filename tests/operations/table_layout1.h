// The fields of the other program's asset table in its first layout, as the
// import tests write such a table (DBF names, types and widths).
#pragma once

namespace zefir::import_test {

inline constexpr int kLayout1FieldCount = 19;
inline constexpr const char* kLayout1Names[kLayout1FieldCount] = {
    "NR_EWID", "UZYTK",     "M_UZYTK", "ROZDZIAL", "ZADANIE", "GRUPA",  "P_GRUPA",
    "RODZAJ",  "NAZWA",     "CHAR3",   "DAT_PROD", "DAT_NAB", "LIKWID", "DAT_ZAL",
    "STOPA",   "WART_POCZ", "UM_NAR",  "WART_INW", "WART_UM"};
inline constexpr char kLayout1Types[] = "CCCCCNNNCCDDCDNNNNN";
inline constexpr int kLayout1Widths[kLayout1FieldCount] = {32, 5, 5, 5, 3, 1,  1,  1,  32, 32,
                                                           8,  8, 1, 8, 6, 15, 15, 15, 15};
// Decimals: two for the numbers wider than one digit.
inline constexpr int layout1Decimals(int field) {
  return kLayout1Types[field] == 'N' && kLayout1Widths[field] > 1 ? 2 : 0;
}

}  // namespace zefir::import_test
