#include "operations/asset_card.h"

#include <algorithm>

#include "operations/pick_list.h"
#include "register/change_entry.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"
#include "text/short_strings.h"

namespace zefir::operations {

namespace {

constexpr int kChangeRowCells = 5;
constexpr int kChangeRowsShown = kCardCellMax / kChangeRowCells;  // 40
constexpr int kSpareRows = 5;

std::string cut(std::string_view s, int max) {
  return std::string(s.substr(0, std::min<std::size_t>(s.size(), max)));
}

std::string money(long double v) {
  return text::plainRealText(v, 2);
}
std::string rate(long double v) {
  return text::plainRealText(v, 4);
}
long double number(std::string_view s) {
  return text::realFromText(text::trimmed(s));
}
std::string dateText(DayNumber d) {
  return text::shortTextOfDay(d);
}
DayNumber dateOf(std::string_view s) {
  return text::dayFromShortText(text::trimmed(s));
}

std::string lp(int n) {
  return text::intText(n, 3);
}

int changeRows(const AssetRecord& a) {
  int last = 0;
  for (int i = 0; i < kChangeEntries; ++i)
    if (!a.Z[i].empty()) last = i + 1;
  return std::min(last + kSpareRows, kChangeRowsShown);
}

int patternIndex(char section) {
  return section - 'I';
}

// The pattern rows leave room for the `WzoP` cell after them.
int patternRows(const PatternList& list) {
  return std::min<int>(
      {static_cast<int>(list.patterns.size()) + kSpareRows, kPatternMax, kCardCellMax - 1});
}

// Sections B and N show the asset (the edited one, the original) as
// caption-only lines.
void addAssetNotes(CardLayout& l, const AssetRecord& a) {
  const auto line = [&l](const char* caption, const std::string& value) {
    l.notes.push_back(text::fromUtf8(caption) + "  " + value);
  };
  line("Symbol środka", a.Symb.str());
  line("Pełna nazwa", a.Nazw.str());
  line("Dodatkowy opis", a.Na2w.str());
  line("Data zakupu", dateText(a.DtZa));
  line("Data OT", dateText(a.DtOT));
  line("Przyjęta KŚT", a.K[0].SKST.str());
  line("Metoda umorzenia", std::string(1, a.MeUm));
  line("Wartość OT", money(a.WaOT));
}

// The references of a parsed entry as the text writes them ("1/2/").
std::string referencesOf(const ChangeEntry& e) {
  std::string r;
  for (std::uint8_t z : e.Z)
    if (z != 0) r += std::to_string(z) + "/";
  return r;
}

std::vector<std::string> changeCells(const AssetRecord& a, int rows) {
  std::vector<std::string> cells;
  const auto parsed = parseChangeEntries(a);
  for (int r = 0; r < rows; ++r) {
    const ChangeEntry& e = parsed[r];
    if (a.Z[r].empty()) {
      cells.insert(cells.end(), kChangeRowCells, std::string());
      continue;
    }
    cells.push_back(dateText(e.D));
    cells.push_back(e.C);
    cells.push_back(e.K);
    cells.push_back(e.hasAmount ? (e.W == 0 ? std::string("0") : money(e.W)) : std::string());
    cells.push_back(e.N);
  }
  return cells;
}

Status acceptChanges(const std::vector<std::string>& cells, CardState& state) {
  AssetRecord& a = state.edited;
  const int rows = static_cast<int>(cells.size()) / kChangeRowCells;
  const std::vector<std::string> before = changeCells(a, rows);
  const auto parsed = parseChangeEntries(a);
  auto written = a.Z;
  for (int r = 0; r < rows; ++r) {
    const auto at = cells.begin() + r * kChangeRowCells;
    if (std::equal(at, at + kChangeRowCells, before.begin() + r * kChangeRowCells)) continue;
    const bool blank = std::all_of(at, at + kChangeRowCells,
                                   [](const std::string& c) { return text::trimmed(c).empty(); });
    if (blank) {
      written[r].clear();
      continue;
    }
    const std::string kind = checkedKind(text::trimmed(at[1]));
    if (kind.empty() || kind == "F4")
      return Status::Error(text::fromUtf8("Wiersz ") + std::to_string(r + 1) +
                           text::fromUtf8(": wybierz rodzaj zmiany z listy [F4]"));
    ChangeRow row{text::trimmed(at[0]), kind,
                  text::trimmed(at[2]), text::trimmed(at[3]),
                  text::trimmed(at[4]), referencesOf(parsed[r])};
    const DayNumber day = dateOf(row.date);
    row.date = dateText(day);
    std::string entry = changeRowText(row);
    if (static_cast<int>(entry.size()) > kChangeEntryMax)
      return Status::Error(text::fromUtf8("Wiersz ") + std::to_string(r + 1) +
                           text::fromUtf8(": zapis zmiany dłuższy niż 50 znaków"));
    written[r] = std::move(entry);
  }
  a.Z = written;
  return Status::Ok();
}

void addField(CardLayout& l, const char* caption, const char* code, int width, bool date = false) {
  l.cells.push_back({text::fromUtf8(caption), code, width, date, 0});
}

}  // namespace

CardState& cardState() {
  static CardState state;
  return state;
}

char sectionOfSlot(int slot) {
  if (slot < 66 || slot > 78) return 0;
  return static_cast<char>('B' + (slot - 66));
}

int patternWidth(char section) {
  switch (section) {
    case 'I':
      return 15;
    case 'J':
    case 'K':
      return 16;
    case 'L':
      return 3;
    case 'M':
      return 20;
    default:
      return 0;
  }
}

CardLayout cardLayout(char section, const CardState& state) {
  CardLayout l;
  switch (section) {
    case 'B':
      l.title = text::trimmed(text::fromUtf8("Środek trwały ") + state.edited.Symb.str());
      addAssetNotes(l, state.edited);
      break;
    case 'N':
      l.title = text::trimmed(text::fromUtf8("Środek trwały przed zmianami ") +
                              state.original.Symb.str());
      addAssetNotes(l, state.original);
      break;
    case 'C':
      l.title = "Roczny plan amortyzacji";
      addField(l, "Analiza planu na dzień", "NaDz", 6, true);
      break;
    case 'D':
      l.title = text::fromUtf8("Metryczka, opis środka");
      for (int i = 1; i <= kOpisLines; ++i)
        l.cells.push_back({i < 10 ? "  " + std::to_string(i) : std::to_string(i), "Opis", 50});
      break;
    case 'E':
      l.title = "Informacje o zakupie";
      addField(l, "Data zakupu", "DtZa", 10, true);
      addField(l, "Cena zakupu", "CeZa", 15);
      addField(l, "Dowód zakupu", "DdZa", 15);
      addField(l, "Dostawca", "Dost", 40);
      break;
    case 'F':
      l.title = text::fromUtf8("Informacje o przyjęciu");
      addField(l, "Data OT", "DtOT", 10, true);
      addField(l, "Wartość OT", "WaOT", 15);
      addField(l, "Dowód OT", "DdOT", 15);
      addField(l, "Ewidencja od roku", "RokP", 4);
      addField(l, "Wartość brutto", "WaBr", 15);
      addField(l, "Wartość umorzenia", "WaUm", 15);
      break;
    case 'G':
      l.title = text::fromUtf8("Kartoteka zmian KŚT oraz stawek amortyzacji");
      l.gridHeader = {"Lp",
                      "od dnia",
                      text::fromUtf8("obowiązuje KŚT"),
                      text::fromUtf8("ze stawką"),
                      text::fromUtf8("i współcz."),
                      "st.bilans.",
                      text::fromUtf8("współcz.")};
      for (int r = 1; r <= kRateEntries; ++r) {
        l.cells.push_back({lp(r), "KRDt", 6, true, r});
        l.cells.push_back({"", "Klas", 16, false, r});
        for (const char* code : {"KRSP", "KRWP", "KRSB", "KRWB"})
          l.cells.push_back({"", code, 9, false, r});
      }
      break;
    case 'H': {
      l.title = text::fromUtf8("Lista zmian w stanie środka trwałego");
      l.gridHeader = {"Lp",
                      "Data",
                      "Co",
                      text::fromUtf8("Osoba/konto/kontrah."),
                      text::fromUtf8("Wartość"),
                      text::fromUtf8("Dowód")};
      const int rows = changeRows(state.edited);
      for (int r = 1; r <= rows; ++r) {
        l.cells.push_back({lp(r), "ZmDt", 6, true, r});
        l.cells.push_back({"", "ZmCo", 2, false, r});
        l.cells.push_back({"", "ZmKo", 20, false, r});
        l.cells.push_back({"", "ZmWa", 15, false, r});
        l.cells.push_back({"", "ZmND", 20, false, r});
      }
      break;
    }
    case 'I':
    case 'J':
    case 'K':
    case 'L':
    case 'M': {
      static const char* const titles[] = {"Wzór symboli środków", "Wzór osób odpowiedzialnych",
                                           "Wzór miejsc użytkowania", "Wzór Klasyfik.Śr.Trwałych",
                                           "Wzór miejsc powst.kosztów"};
      l.title = text::fromUtf8(titles[patternIndex(section)]);
      const int rows = patternRows(state.patterns[patternIndex(section)]);
      for (int r = 1; r <= rows; ++r)
        l.cells.push_back({text::twoDigits(r % 100), "Wzor", patternWidth(section), false, 0});
      addField(l, "Wczytaj z pliku", "WzoP", 25);
      break;
    }
    default:
      l.title = "F3 tu nie pracuje";
      break;
  }
  if (l.cells.size() > kCardCellMax) l.cells.resize(kCardCellMax);
  return l;
}

std::vector<std::string> fillCells(char section, const CardState& state) {
  const AssetRecord& a = state.edited;
  switch (section) {
    case 'C':
      return {dateText(state.planDay)};
    case 'D':
      return {a.Opis.begin(), a.Opis.end()};
    case 'E':
      return {dateText(a.DtZa), money(a.CeZa), a.DdZa, a.Dost};
    case 'F':
      return {dateText(a.DtOT), money(a.WaOT),
              a.DdOT,           a.RokP ? std::to_string(a.RokP) : std::string(),
              money(a.WaBr),    money(a.WaUm)};
    case 'G': {
      std::vector<std::string> cells;
      for (const RateEntry& k : a.K) {
        for (std::string s : {dateText(k.date), k.SKST.str(), rate(k.StPo), rate(k.WsPo),
                              rate(k.StBi), rate(k.WsBi)})
          cells.push_back(std::move(s));
      }
      return cells;
    }
    case 'H':
      return changeCells(a, changeRows(a));
    case 'I':
    case 'J':
    case 'K':
    case 'L':
    case 'M': {
      const PatternList& p = state.patterns[patternIndex(section)];
      std::vector<std::string> cells(patternRows(p) + 1);  // the last is `WzoP`
      std::copy_n(p.patterns.begin(), std::min(p.patterns.size(), cells.size() - 1), cells.begin());
      return cells;
    }
    default:
      return {};
  }
}

Status acceptCells(char section, const std::vector<std::string>& c, CardState& state) {
  const CardLayout layout = cardLayout(section, state);
  if (c.size() != layout.cells.size()) return Status::Error("F3 tu nie pracuje");
  AssetRecord& a = state.edited;
  switch (section) {
    case 'B':
    case 'N':
      break;  // nothing to copy back
    case 'C':
      state.planDay = dateOf(c[0]);
      break;
    case 'D':
      for (int i = 0; i < kOpisLines; ++i) a.Opis[i] = cut(c[i], kOpisMax);
      break;
    case 'E':
      a.DtZa = dateOf(c[0]);
      a.CeZa = number(c[1]);
      a.DdZa = cut(text::trimmed(c[2]), kDdZaMax);
      a.Dost = cut(c[3], kDostMax);
      break;
    case 'F':
      a.DtOT = dateOf(c[0]);
      a.WaOT = number(c[1]);
      a.DdOT = cut(text::trimmed(c[2]), kDdOTMax);
      a.RokP =
          static_cast<std::uint16_t>(std::clamp(text::intFromText(text::trimmed(c[3])), 0L, 2039L));
      a.WaBr = number(c[4]);
      a.WaUm = number(c[5]);
      break;
    case 'G':
      for (int r = 0; r < kRateEntries; ++r) {
        RateEntry& k = a.K[r];
        const std::string* row = &c[r * 6];
        k.date = dateOf(row[0]);
        k.SKST = cut(text::upperCase(text::trimmed(row[1])), kSKSTMax);
        k.StPo = number(row[2]);
        k.WsPo = number(row[3]);
        k.StBi = number(row[4]);
        k.WsBi = number(row[5]);
      }
      break;
    case 'H':
      return acceptChanges(c, state);
    case 'I':
    case 'J':
    case 'K':
    case 'L':
    case 'M': {
      PatternList& p = state.patterns[patternIndex(section)];
      const std::size_t rows = c.size() - 1;  // the last cell is `WzoP`
      std::vector<std::string> kept;
      for (std::size_t i = 0; i < rows; ++i) {
        const std::string t = text::upperCase(text::trimmed(c[i]));
        if (!t.empty()) kept.push_back(text::pattern(t, patternWidth(section)));
      }
      // Patterns beyond the rows the card shows are kept.
      for (std::size_t i = rows; i < p.patterns.size(); ++i) kept.push_back(p.patterns[i]);
      if (!text::trimmed(c[rows]).empty()) {
        std::vector<std::string> loaded;
        if (Status s = readPatternFile(c[rows], state.baseFolder, patternWidth(section), &loaded);
            !s.ok())
          return s;
        kept.insert(kept.end(), loaded.begin(), loaded.end());
      }
      if (kept.size() > kPatternMax) kept.resize(kPatternMax);
      p.patterns = kept;
      p.current = kept.size() == 1 ? kept[0]
                  : kept.empty()   ? std::string()
                                   : std::string(kSeveralPatterns);
      break;
    }
    default:
      return Status::Error("F3 tu nie pracuje");
  }
  return Status::Ok();
}

std::string changeRowText(const ChangeRow& row) {
  std::string t = row.kind + ":";
  if (!row.date.empty()) t += row.date + ",";
  t += row.key + ",";
  if (!row.amount.empty()) {
    const long double v = number(row.amount);
    t += (v == 0 ? std::string("0") : money(v)) + "z\xB3";
  }
  if (!row.references.empty()) {
    if (row.amount.empty()) t += ',';  // the empty amount field before them
    t += row.references;
  }
  if (!row.note.empty()) t += "," + row.note;
  return t;
}

}  // namespace zefir::operations
