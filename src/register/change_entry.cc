#include "register/change_entry.h"

#include <cctype>
#include <optional>

#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace zefir {

namespace {

constexpr std::size_t kFieldMax = 20;
constexpr char kZlLower[] = "z\xB3";  // "zł" in code page 1250

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// A letter of either case, Polish letters of code page 1250 included: "zł"
// followed by one is part of a word ("ZŁOTA"), not the currency.
bool isLetter(char c) {
  const auto u = static_cast<unsigned char>(c);
  return std::isalpha(u) || u >= 0x80;
}

// "zł" in any letter case at position i.
bool isZlAt(std::string_view s, std::size_t i) {
  if (i + 1 >= s.size()) return false;
  const char z = s[i], l = s[i + 1];
  return (z == 'z' || z == 'Z') && (l == '\xB3' || l == '\xA3');
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// The value of a text written as a number: an optional sign, digits with at
// most one decimal comma or point, blanks anywhere between ("1 500,50").
// Anything else is not a number.
std::optional<long double> numberIn(std::string_view s) {
  std::string compact;
  int digits = 0, points = 0, signs = 0;
  for (char c : trimmed(s)) {
    if (c == ' ') continue;
    if (isDigit(c)) {
      ++digits;
    } else if (c == ',' || c == '.') {
      if (++points > 1) return std::nullopt;
    } else if (c == '-' || c == '+') {
      if (!compact.empty() || signs++ > 0) return std::nullopt;
      if (c == '+') continue;
    } else {
      return std::nullopt;
    }
    compact += c;
  }
  if (digits == 0) return std::nullopt;
  return text::realFromText(compact);
}

// A field counts as a number when its numeric value is non-zero or it is empty.
bool countsAsNumber(std::string_view s) {
  if (trimmed(s).empty()) return true;
  const auto v = numberIn(s);
  return v && *v != 0;
}

// Removes "zł" wherever it follows a number (blanks may stand between) and is
// not the start of a word. Returns whether anything was removed.
bool removeZlAfterNumber(std::string& s) {
  bool removed = false;
  for (std::size_t i = 0; i + 1 < s.size();) {
    std::size_t before = i;
    while (before > 0 && s[before - 1] == ' ') --before;
    const bool afterNumber = before > 0 && isDigit(s[before - 1]);
    const bool inWord = i + 2 < s.size() && isLetter(s[i + 2]);
    if (isZlAt(s, i) && afterNumber && !inWord) {
      s.erase(i, 2);
      removed = true;
    } else {
      ++i;
    }
  }
  return removed;
}

// Cuts the text at the next comma: returns the part before it and drops it and
// the comma from `rest`.
std::string cutField(std::string_view& rest) {
  const auto comma = rest.find(',');
  std::string field(rest.substr(0, comma));
  rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
  return field;
}

std::string upperField(std::string_view s) {
  return text::upperCase(s.substr(0, std::min(s.size(), kFieldMax)));
}

// The amount: when "zł" follows with only a number between, the text up to
// it (the "zł" and one comma after it are dropped); otherwise the next field.
// A comma before the first digit closes an empty amount.
std::string cutAmount(std::string_view& rest) {
  bool digitSeen = false;
  for (std::size_t i = 0; i + 1 < rest.size(); ++i) {
    if (isZlAt(rest, i)) {
      const bool inWord = i + 2 < rest.size() && isLetter(rest[i + 2]);
      if (inWord || !numberIn(rest.substr(0, i))) break;
      std::string amount(rest.substr(0, i));
      rest.remove_prefix(i + 2);
      if (!rest.empty() && rest.front() == ',') rest.remove_prefix(1);
      return amount;
    }
    const char c = rest[i];
    digitSeen = digitSeen || isDigit(c);
    if (!(isDigit(c) || c == ' ' || c == '.' || c == '-' || c == '+' || (c == ',' && digitSeen)))
      break;
  }
  return cutField(rest);
}

// Step 2: the date. The entry is dated when characters 4-9 are a real DDMMYY
// day followed by a comma or by the end of the text; the date and its comma
// are then removed. A comma right after the colon is the empty date field.
DayNumber cutDate(std::string_view& rest) {
  if (!rest.empty() && rest.front() == ',') {
    rest.remove_prefix(1);
    return 0;
  }
  if (rest.size() < 6 || (rest.size() > 6 && rest[6] != ',')) return 0;
  const std::string_view digits = rest.substr(0, 6);
  for (char c : digits)
    if (!isDigit(c)) return 0;
  const DayNumber day = text::dayFromShortText(digits);
  if (day == 0 || text::shortTextOfDay(day) != digits) return 0;
  rest.remove_prefix(std::min<std::size_t>(rest.size(), 7));
  return day;
}

// Step 6: references "n/" while each stays within 1 .. earlierOfKind (and 60).
void cutReferences(std::string_view& rest, int earlierOfKind, ChangeEntry& e) {
  int taken = 0;
  while (taken < kChangeReferences) {
    std::size_t n = 0;
    while (n < rest.size() && n < 2 && isDigit(rest[n])) ++n;
    if (n == 0 || n >= rest.size() || rest[n] != '/') break;
    const int ref = std::stoi(std::string(rest.substr(0, n)));
    if (ref < 1 || ref > kChangeEntries || ref > earlierOfKind) break;
    e.Z[taken++] = static_cast<std::uint8_t>(ref);
    rest.remove_prefix(n + 1);
  }
  // "1/2/,NOTA": the comma closing the reference list is not an empty note.
  if (taken > 0 && !rest.empty() && rest.front() == ',') rest.remove_prefix(1);
}

bool isCorrection(const std::string& kind) {
  return kind == "PK" || kind == "PA";
}

}  // namespace

ChangeEntry parseChangeEntry(std::string_view text, int earlierOfKind) {
  ChangeEntry e;
  text = text.substr(0, std::min<std::size_t>(text.size(), kChangeEntryMax));
  if (text.size() < 3 || text[2] != ':') return e;

  std::string_view rest = text.substr(3);
  e.D = cutDate(rest);
  e.C = text::upperCase(text.substr(0, 2));
  e.K = upperField(cutField(rest));
  std::string amount = cutAmount(rest);
  cutReferences(rest, earlierOfKind, e);
  e.N = upperField(cutField(rest));

  // Step 8: the currency, and an amount written in the key's place.
  const bool keyHadZl = removeZlAfterNumber(e.K);
  removeZlAfterNumber(amount);
  e.J = kZlLower;
  const bool amountIsNumber = countsAsNumber(amount);
  const bool keyIsAmount =
      !e.K.empty() && countsAsNumber(e.K) &&
      (keyHadZl || !amountIsNumber || (isCorrection(e.C) && trimmed(amount).empty()));
  if (keyIsAmount) {
    if (!trimmed(amount).empty()) e.N = upperField(amount);
    amount = e.K;
    e.K.clear();
  } else if (!amountIsNumber) {
    e.N = upperField(amount);
    amount.clear();
  }
  if (!trimmed(amount).empty()) {
    e.W = *numberIn(amount);
    e.hasAmount = true;
  }
  return e;
}

std::array<ChangeEntry, kChangeEntries> parseChangeEntries(const AssetRecord& asset) {
  std::array<ChangeEntry, kChangeEntries> parsed;
  for (int i = 0; i < kChangeEntries; ++i) {
    int earlier = 0;
    const std::string_view text = asset.Z[i];
    if (text.size() >= 3 && text[2] == ':') {
      earlier = entriesOfKindBefore(parsed, i, text::upperCase(text.substr(0, 2)));
    }
    parsed[i] = parseChangeEntry(text, earlier);
  }
  return parsed;
}

int entriesOfKindBefore(const std::array<ChangeEntry, kChangeEntries>& parsed, int i,
                        std::string_view kind) {
  int count = 0;
  for (int j = 0; j < i && j < kChangeEntries; ++j)
    if (parsed[j].C == kind) ++count;
  return count;
}

std::string changeEntryDisplayText(const ChangeEntry& e) {
  auto ref = [](std::uint8_t z) { return z == 0 ? std::string() : std::to_string(z); };
  std::string raw = "D=" + text::longTextOfDay(e.D) + " C=" + e.C + " Z1=" + ref(e.Z[0]) +
                    " Z2=" + ref(e.Z[1]) + " Z3=" + ref(e.Z[2]) + " K=" + e.K +
                    " W=" + (e.hasAmount ? text::plainRealText(e.W, 2) : std::string()) +
                    " J=" + e.J + " N= " + e.N + " ";
  std::string out;
  for (char c : raw)
    if (!(c == ' ' && !out.empty() && out.back() == ' ')) out += c;
  // Every "=" followed by a blank gets the 0x9E mark the status panel expects.
  for (std::size_t i = 0; i + 1 < out.size(); ++i)
    if (out[i] == '=' && out[i + 1] == ' ') out.insert(i + 1, 1, '\x9E');
  return out;
}

}  // namespace zefir
