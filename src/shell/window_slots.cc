#include "shell/window_slots.h"

#include <algorithm>

namespace zefir::shell {

namespace {

const char* const kOptionSlots[] = {
    "EdiST",  "OpiST",  "DruOT",  "DruLT",  "DruPT",  "InfST",  "Tabli",  "Zmian",  "Sorto",
    "WykaS",  "WykaP",  "EdiWZ",  "ZrzuZ",  "WybST",  "Impor",  "Renum",  "Karto",  "WykaD",
    "CaUmo",  "Zlikw",  "Nowop",  "Ilosc",  "Stell",  "WgNum",  "WgKla",  "WgOso",  "WgMie",
    "WgMPK",  "Ksieg",  "BZwZm",  "BZZPel", "BZZAna", "Plan12", "Zamkn",  "Kontr",  "SG_01",
    "PlanA",  "Miesie", "WarNet", "GrOpis", "Stawki", "ABiPo",  "RBiPo",  "PlAm12", "EditKR",
    "EditMU", "EditOO", "EditKK", "ZliAm",  "ArkSpi", "ArkPus", "KodKre", "ImpXls", "ImpDbf"};
static_assert(std::size(kOptionSlots) == 64 - 11 + 1);

const char* const kF3Slots[] = {"EdSTDz", "EdSTOp", "EdSTZa", "EdSTOT", "EdSTKR", "EdSTZm",
                                "F3SroW", "F3OsoW", "F3MieW", "F3KRSW", "F3MPKW"};
static_assert(std::size(kF3Slots) == 77 - 67 + 1);

}  // namespace

std::string slotName(int slot) {
  switch (slot) {
    case 1:
      return "LHa";
    case 2:
      return "FTP";
    case 3:
      return "Men";
    case 6:
      return "F45";
    case 7:
      return "Rap";
    case 8:
      return "Vie";
    case 80:
      return "AkWir";
    case 81:
      return "UsWir";
    case 82:
      return "UsOki";
    case 83:
      return "UsDru";
    case 85:
      return "ZmKat";
    case 86:
      return "ZmBaz";
    case 87:
      return "ZmHas";
    case 88:
      return "InDok";
    case 90:
      return "SzDbf";
    default:
      break;
  }
  if (slot >= 11 && slot <= 64) return kOptionSlots[slot - 11];
  if (slot >= 67 && slot <= 77) return kF3Slots[slot - 67];
  return {};
}

int slotOfName(const std::string& name) {
  for (int s = 0; s < kSlots; ++s)
    if (!name.empty() && slotName(s) == name) return s;
  return -1;
}

int openFlagSlot(int slot) {
  if (slot >= 10 && slot <= 65) return 4;
  if (slot >= 66 && slot <= 78) return 5;
  return slot;
}

void WindowTable::clear() {
  slots_.fill(WindowPosition{});
}

bool WindowTable::noteHidden(int slot, int& left, int& top) {
  left = std::max(left, 8);
  top = std::max(top, 0);
  WindowPosition& p = slots_.at(slot);
  const bool write = (p.top > 0 || top == 0) && (left != p.left || top != p.top || top == 0);
  p.left = left;
  p.top = top;
  slots_.at(openFlagSlot(slot)).open = true;
  return write;
}

Point placeWindow(Point asked, Point cascade, int random06, bool hasSaved, Point saved) {
  Point p = asked;
  if (asked.y <= 0) {
    const int c = 15 - 5 * random06;
    p = {cascade.x + c, cascade.y - c};
  }
  if (hasSaved && saved.y > 0) p = saved;
  return p;
}

}  // namespace zefir::shell
