#include "register/classification_groups.h"

#include <algorithm>

#include "text/codepage.h"

namespace zefir {

namespace {

// The record whose symbol is exactly `symb`, found without moving the
// register's current position (the caller is usually walking the register).
const AssetRecord* recordWithSymbol(const AssetRegister& reg, std::string_view symb) {
  int lo = 1, hi = reg.count();  // first slot not below symb, in [1, count]
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    if (std::string_view(reg.slot(mid).Symb) < symb)
      lo = mid + 1;
    else
      hi = mid;
  }
  if (lo < reg.count() && reg.slot(lo).Symb == symb) return &reg.slot(lo);
  return nullptr;
}

char groupCharacter(std::string_view key) {
  if (key.size() == 1) return key[0];
  if (key.size() == 3) {
    if (key.starts_with("02")) return 'W';
    if (key.starts_with("01")) return 'K';
  }
  return 0;
}

const char* builtInNameUtf8(char c) {
  switch (c) {
    case '0':
      return "GRUNTY";
    case '1':
      return "BUDYNKI i LOKALE oraz SpPrdoLoUż";
    case '2':
      return "OBIEKTY INŻYNIERII LĄDOWEJ i WODNEJ";
    case '3':
      return "KOTŁY i MASZYNY ENERGETYCZNE";
    case '4':
      return "MASZYNY, URZĄDZENIA i APARATY OgZa";
    case '5':
      return "MASZYNY, URZĄDZENIA i APARATY SPEC.";
    case '6':
      return "URZĄDZENIA TECHNICZNE";
    case '7':
      return "ŚRODKI TRANSPORTU";
    case '8':
      return "NARZĘDZIA, PRZYRZĄDY, RUCHOMOŚCI i...";
    case '9':
      return "INWENTARZ ŻYWY";
    case 'K':
      return "będzie w/g KŚT";
    case 'W':
      return "Wart. Niem. i Prawne";
    default:
      return "- - -";
  }
}

}  // namespace

std::string groupName(const AssetRegister& reg, std::string_view key) {
  if (key.empty()) return std::string("  ") + text::fromUtf8(builtInNameUtf8(0));
  std::string name;
  if (const AssetRecord* r = recordWithSymbol(reg, key))
    name = r->Nazw;
  else
    name = text::fromUtf8(builtInNameUtf8(groupCharacter(key)));
  std::string result = "  " + name;
  if (result.size() > kGroupNameMax) result.resize(kGroupNameMax);
  return result;
}

}  // namespace zefir
