#include "operations/pick_list.h"

#include <algorithm>

#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"
#include "text/short_strings.h"

namespace zefir::operations {

namespace {

bool containsWolne(std::string_view row) {
  return row.find("wolne") != std::string_view::npos;
}

}  // namespace

void PickList::setFilter(std::string_view filter) {
  filter_ = text::searchForm(filter);
}

void PickList::add(std::string row) {
  std::string form = text::searchForm(row);
  if (!filter_.empty() && form.find(filter_) == std::string::npos) return;
  if (containsWolne(row)) freeNumbers = true;
  rows_.push_back(std::move(row));
  forms_.push_back(std::move(form));
}

void PickList::finish() {
  if (rows_.empty()) add(filter_ + " \xD7 pusta lista");
  if (rows_.empty()) {  // the filter itself need not match its own row
    rows_.push_back(filter_ + " \xD7 pusta lista");
    forms_.push_back(text::searchForm(rows_.back()));
  }
  if (!sorted) return;
  std::vector<int> order(rows_.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(),
                   [this](int a, int b) { return rows_[a] < rows_[b]; });
  std::vector<std::string> rows, forms;
  rows.reserve(order.size());
  forms.reserve(order.size());
  for (int i : order) {
    rows.push_back(std::move(rows_[i]));
    forms.push_back(std::move(forms_[i]));
  }
  rows_.swap(rows);
  forms_.swap(forms);
}

std::string PickList::caption() const {
  return "    Lista F4 / F5    " + kind + text::intText(size(), 10) + " pozycji    [F4] wolne";
}

int PickList::rowAtOrAfter(std::string_view text) const {
  if (rows_.empty()) return 0;
  for (int i = 0; i < size(); ++i)
    if (std::string_view(rows_[i]) >= text) return i;
  return size() - 1;
}

int PickList::find(std::string_view search, int from, bool forward) const {
  const std::string pattern = text::searchForm(search);
  const int n = size();
  if (pattern.empty() || n == 0) return -1;
  for (int step = 1; step <= n; ++step) {
    const int i = (((forward ? from + step : from - step) % n) + n) % n;
    if (forms_[i].find(pattern) != std::string::npos) return i;
  }
  return -1;
}

int listKeyOf(std::string_view list, int variant) {
  if (variant != 0) return variant;
  if (list == ".PST") return 'Z';
  if (list == ".WZO") return kPatternFiles;
  if (list == ".XLS") return kSpreadsheetFiles;
  if (list == "MOS") return kSheetOrders;
  if (list.size() == 1) return static_cast<unsigned char>(list[0]);
  return -1;
}

std::string fileListExtension(std::string_view list) {
  if (list.size() == 4 && list[0] == '.') return std::string(list.substr(1));
  return {};
}

std::string textListFile(std::string_view code) {
  if (code == "ENa2" || code == "Opis") return "Opisy.TXT";
  if (code == "Dost") return "Dostawcy.TXT";
  if (code == "ZmKo") return "Kontrah.TXT";
  return {};
}

// The rate of a rate-file line: the word after the date (DD-MM-YYYY) and the
// day number. It is taken whole, as the line has it: a fixed six characters
// would cut the rates of the currencies quoted per 100 or 10000 units (six
// and eight decimals), and the currency's head before the date on its last
// line moves it.
std::string rateOfRow(std::string_view row) {
  std::size_t at = 0;
  while (at + 10 <= row.size() && !(row[at + 2] == '-' && row[at + 5] == '-')) ++at;
  if (at + 10 > row.size()) return {};
  std::string_view rest = row.substr(at + 10);
  for (int word = 0; word < 2; ++word) {
    const auto begin = rest.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    rest.remove_prefix(begin);
    const auto end = rest.find(' ');
    if (word == 1) return std::string(rest.substr(0, end));
    if (end == std::string_view::npos) return {};
    rest.remove_prefix(end);
  }
  return {};
}

PickResult acceptRow(int listKey, std::string_view row) {
  PickResult r;
  const auto cross = row.find(kRowSeparator);
  std::string key = std::string(row.substr(0, cross));
  if (cross != std::string_view::npos) r.description = text::trimmed(row.substr(cross + 1));
  if (listKey == ' ') {
    const auto blank = key.find(' ');
    if (blank != std::string::npos && blank > 0) key.resize(blank);
  }
  r.key = text::trimmed(key);
  if (listKey == 'D') {
    r.key = text::shortTextOfDay(static_cast<DayNumber>(text::intFromText(r.key)));
  } else if (listKey == 'A') {
    r.description = std::string(row);
    r.key = rateOfRow(row);
  }
  return r;
}

int digitMove(char digit, int current, int count) {
  if (count <= 0) return -1;
  int to = 0;
  switch (digit) {
    case '1':
      to = count - 1;
      break;
    case '2':
      to = current + 1;
      break;
    case '3':
      to = current + 10;
      break;
    case '4':
      to = current - 100;
      break;
    case '6':
      to = current + 100;
      break;
    case '7':
      to = 0;
      break;
    case '8':
      to = current - 1;
      break;
    case '9':
      to = current - 10;
      break;
    default:
      return -1;
  }
  return std::clamp(to, 0, count - 1);
}

std::string nextSymbol(std::string_view symbol) {
  std::string s(symbol);
  for (auto i = s.size(); i-- > 0;) {
    char& c = s[i];
    if (c == '9') {
      c = '0';
    } else if (c == 'Z') {
      c = 'A';
    } else {
      if ((c >= '0' && c < '9') || (c >= 'A' && c < 'Z')) ++c;
      break;
    }
  }
  return s;
}

namespace {

// Days from 1 March of year 0 in the proleptic Gregorian calendar.
long civilDays(int year, int month, int day) {
  const int y = month <= 2 ? year - 1 : year;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153L * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy;
}

}  // namespace

long calendarDayNumber(int year, int month, int day) {
  return civilDays(year, month, day) - civilDays(1920, 1, 1);
}

namespace {

std::string dayText(long day) {
  if (day == 0) return "010120";  // 1 January 1920 is day 0, which other texts show as no date
  return text::shortTextOfDay(static_cast<DayNumber>(day));
}

}  // namespace

std::string calendarAccept(int year, int month, int day) {
  const long n = calendarDayNumber(year, month, day);
  if (n < 0 || n > text::kLastTextDay) return {};
  return dayText(n);
}

std::string calendarDoubleClick(int year, int month, int day) {
  return dayText(std::clamp<long>(calendarDayNumber(year, month, day), 0, text::kLastTextDay));
}

}  // namespace zefir::operations
