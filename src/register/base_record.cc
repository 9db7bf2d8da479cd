#include "register/base_record.h"

#include <algorithm>
#include <cstring>

#include "register/base_extended.h"
#include "register/base_values.h"
#include "text/codepage.h"

namespace zefir::base {

namespace {

// The nine Polish capital letters in Mazovia: Ą Ć Ę Ł Ń Ó Ś Ź Ż.
bool isMazoviaPolishCapital(unsigned char c) {
  switch (c) {
    case 0x8F:
    case 0x95:
    case 0x90:
    case 0x9C:
    case 0xA5:
    case 0xA3:
    case 0x98:
    case 0xA0:
    case 0xA1:
      return true;
    default:
      return false;
  }
}

bool isSymbolCharacter(unsigned char c) {
  if (c >= '0' && c <= '9') return true;
  if (c >= 'A' && c <= 'Z') return true;
  switch (c) {
    case ' ':
    case '&':
    case '+':
    case '-':
    case '.':
    case '/':
      return true;
    default:
      return isMazoviaPolishCapital(c);
  }
}

std::uint16_t get16(const BaseRecord& r, std::size_t at) {
  return static_cast<std::uint16_t>(r[at] | (r[at + 1] << 8));
}

void put16(BaseRecord& r, std::size_t at, std::uint16_t v) {
  r[at] = static_cast<unsigned char>(v & 0xFF);
  r[at + 1] = static_cast<unsigned char>(v >> 8);
}

// A short string field: its length byte is within the maximum.
bool lengthFits(const BaseRecord& r, std::size_t at, int max) {
  return r[at] <= max;
}

bool charactersAtLeastBlank(const BaseRecord& r, std::size_t at) {
  for (int i = 1; i <= r[at]; ++i)
    if (r[at + i] < ' ') return false;
  return true;
}

// The Mazovia to code page 1250 byte map, taken once from text::toWindows so
// the conversion stays in one place; the load converts every text in place
// with it instead of making a new string per field.
const std::array<char, 256>& windowsOfByte() {
  static const std::array<char, 256> map = [] {
    std::string all(256, '\0');
    for (int c = 0; c < 256; ++c) all[c] = static_cast<char>(c);
    std::string windows = text::toWindows(all);
    std::array<char, 256> bytes{};
    std::copy_n(windows.begin(), bytes.size(), bytes.begin());
    return bytes;
  }();
  return map;
}

// Converts a Mazovia short string into `out` (code page 1250): a std::string
// or an asset's text field, filled in place.
template <typename Field>
void readText(const BaseRecord& r, std::size_t at, int max, Field& out) {
  std::size_t n = std::min<std::size_t>(r[at], static_cast<std::size_t>(max));
  out.resize(n);
  const unsigned char* from = &r[at + 1];
  char* c = out.data();
  std::memcpy(c, from, n);
  // Most texts are plain ASCII, which both code pages share: only the eight
  // bytes at a time that hold a byte above 0x7F are looked at one by one.
  const char* map = windowsOfByte().data();
  for (std::size_t i = 0; i < n; i += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, from + i, std::min<std::size_t>(8, n - i));
    if ((word & 0x8080808080808080ULL) == 0) continue;
    for (std::size_t j = i; j < std::min(n, i + 8); ++j)
      if (from[j] >= 0x80) c[j] = map[from[j]];
  }
}

void writeText(BaseRecord& r, std::size_t at, int max, std::string_view windows) {
  std::string dos = text::toMazovia(windows);
  std::size_t n = std::min<std::size_t>(dos.size(), static_cast<std::size_t>(max));
  r[at] = static_cast<unsigned char>(n);
  std::memcpy(&r[at + 1], dos.data(), n);
}

// A damaged amount (see base_values.h) reads as 0.
long double getReal(const BaseRecord& r, std::size_t at) {
  const long double v = decodeExtended(&r[at]);
  return isDamagedAmount(v) ? 0 : v;
}
void putReal(BaseRecord& r, std::size_t at, long double v) {
  encodeExtended(v, &r[at]);
}

int maxSubIndex(RecordKind kind) {
  switch (kind) {
    case RecordKind::Description:
      return kDescriptionRecords;
    case RecordKind::Rate:
      return kRateEntries;
    case RecordKind::Changes:
      return kChangeRecords;
    default:
      return 0;
  }
}

RecordFault checkTexts(const BaseRecord& r, RecordKind kind) {
  using namespace main_data;
  switch (kind) {
    case RecordKind::Main:
      if (!lengthFits(r, kNazw, kNazwMax) || !lengthFits(r, kDdZa, kDdZaMax))
        return RecordFault::TextLength;
      if (!charactersAtLeastBlank(r, kNazw) || !charactersAtLeastBlank(r, kDdZa))
        return RecordFault::TextCharacter;
      if (r[kMeUm] != 0 && r[kMeUm] != ' ' && (r[kMeUm] < 'A' || r[kMeUm] > 'Z'))
        return RecordFault::Method;
      return RecordFault::None;
    case RecordKind::Second:
      if (!lengthFits(r, second_data::kNa2w, kNa2wMax) ||
          !lengthFits(r, second_data::kDost, kDostMax) ||
          !lengthFits(r, second_data::kDdOT, kDdOTMax))
        return RecordFault::TextLength;
      if (!charactersAtLeastBlank(r, second_data::kNa2w) ||
          !charactersAtLeastBlank(r, second_data::kDost))
        return RecordFault::TextCharacter;
      return RecordFault::None;
    case RecordKind::Description:
    case RecordKind::Changes:
      if (!lengthFits(r, pair_of_texts::kFirst, kOpisMax) ||
          !lengthFits(r, pair_of_texts::kSecond, kOpisMax))
        return RecordFault::TextLength;
      return RecordFault::None;
    case RecordKind::Rate:
      return lengthFits(r, rate::kSKST, kSKSTMax) ? RecordFault::None : RecordFault::TextLength;
    case RecordKind::Deletion:
      return RecordFault::None;
  }
  return RecordFault::Kind;
}

}  // namespace

RecordFault checkRecord(const BaseRecord& r) {
  int length = r[kSymb];
  if (length < 1 || length > kSymbMax) return RecordFault::SymbolLength;
  for (int i = 1; i <= length; ++i)
    if (!isSymbolCharacter(r[kSymb + i])) return RecordFault::SymbolCharacter;
  if (r[kKind] > 5) return RecordFault::Kind;
  auto kind = static_cast<RecordKind>(r[kKind]);
  int maxSub = maxSubIndex(kind);
  if (maxSub > 0 && (r[kSubIndex] < 1 || r[kSubIndex] > maxSub)) return RecordFault::SubIndex;
  return checkTexts(r, kind);
}

std::string faultText(RecordFault fault) {
  switch (fault) {
    case RecordFault::None:
      return "";
    case RecordFault::SymbolLength:
      return text::fromUtf8("zła długość symbolu");
    case RecordFault::SymbolCharacter:
      return text::fromUtf8("zły znak w symbolu");
    case RecordFault::Kind:
      return text::fromUtf8("zły rodzaj rekordu");
    case RecordFault::SubIndex:
      return text::fromUtf8("zły podindeks");
    case RecordFault::TextLength:
      return text::fromUtf8("za długi tekst");
    case RecordFault::TextCharacter:
      return text::fromUtf8("zły znak w tekście");
    case RecordFault::Method:
      return text::fromUtf8("zła metoda umorzenia");
    case RecordFault::PaddedTorn:
      return text::fromUtf8("rekord urwany, dopełniony zerami");
  }
  return "";
}

std::string workstationSuffix(int station) {
  std::string digits = std::to_string(1000 + station);
  return "." + digits.substr(digits.size() - 3);
}

std::array<char, kStampWriterSize> writerIdentifier(std::string_view suffix) {
  std::array<char, kStampWriterSize> id{' ', ' ', ' '};
  for (std::size_t i = 0; i < id.size() && i + 1 < suffix.size(); ++i) id[i] = suffix[i + 1];
  return id;
}

RecordKind kindOf(const BaseRecord& r) {
  return static_cast<RecordKind>(r[kKind]);
}
int subIndexOf(const BaseRecord& r) {
  return r[kSubIndex];
}

bool followsPadding(const BaseRecord& r) {
  return (get16(r, kStampMinutes) & kAfterPaddingFlag) != 0;
}

void markFollowsPadding(BaseRecord& r) {
  put16(r, kStampMinutes, static_cast<std::uint16_t>(get16(r, kStampMinutes) | kAfterPaddingFlag));
}

WriteStamp stampOf(const BaseRecord& r) {
  WriteStamp s;
  s.day = get16(r, kStampDay);
  s.minutes = static_cast<std::uint16_t>(get16(r, kStampMinutes) & ~kStampMinuteFlags);
  for (std::size_t i = 0; i < kStampWriterSize; ++i)
    s.writer[i] = static_cast<char>(r[kStampWriter + i]);
  return s;
}

void setStamp(BaseRecord& r, const WriteStamp& s) {
  put16(r, kStampDay, s.day);
  put16(r, kStampMinutes, s.minutes);
  for (std::size_t i = 0; i < kStampWriterSize; ++i)
    r[kStampWriter + i] = static_cast<unsigned char>(s.writer[i]);
}

std::string symbolOf(const BaseRecord& r) {
  std::string s;
  readText(r, kSymb, kSymbMax, s);
  return s;
}

BaseRecord encodeRecord(const AssetRecord& a, RecordKind kind, int sub) {
  BaseRecord r{};
  writeText(r, kSymb, kSymbMax, a.Symb);
  r[kKind] = static_cast<unsigned char>(kind);
  switch (kind) {
    case RecordKind::Deletion:
      break;
    case RecordKind::Main: {
      using namespace main_data;
      writeText(r, kNazw, kNazwMax, a.Nazw);
      put16(r, kDtZa, a.DtZa);
      putReal(r, kCeZa, a.CeZa);
      writeText(r, kDdZa, kDdZaMax, a.DdZa);
      put16(r, kDtOT, a.DtOT);
      putReal(r, kWaOT, a.WaOT);
      r[kRokP] = (a.RokP > 1900 && a.RokP <= 2155) ? static_cast<unsigned char>(a.RokP - 1900) : 0;
      putReal(r, kWaBr, a.WaBr);
      putReal(r, kWaUm, a.WaUm);
      r[kMeUm] = static_cast<unsigned char>(a.MeUm);
      break;
    }
    case RecordKind::Second:
      writeText(r, second_data::kNa2w, kNa2wMax, a.Na2w);
      writeText(r, second_data::kDost, kDostMax, a.Dost);
      writeText(r, second_data::kDdOT, kDdOTMax, a.DdOT);
      break;
    case RecordKind::Description:
    case RecordKind::Changes: {
      r[kSubIndex] = static_cast<unsigned char>(sub);
      const auto* texts = kind == RecordKind::Description ? a.Opis.data() : a.Z.data();
      writeText(r, pair_of_texts::kFirst, kOpisMax, texts[2 * sub - 2]);
      writeText(r, pair_of_texts::kSecond, kOpisMax, texts[2 * sub - 1]);
      break;
    }
    case RecordKind::Rate: {
      r[kSubIndex] = static_cast<unsigned char>(sub);
      const RateEntry& k = a.K[sub - 1];
      writeText(r, rate::kSKST, kSKSTMax, k.SKST);
      put16(r, rate::kDate, k.date);
      putReal(r, rate::kStPo, k.StPo);
      putReal(r, rate::kWsPo, k.WsPo);
      putReal(r, rate::kStBi, k.StBi);
      putReal(r, rate::kWsBi, k.WsBi);
      break;
    }
  }
  return r;
}

void applyRecord(const BaseRecord& r, AssetRecord& a) {
  int sub = r[kSubIndex];
  switch (kindOf(r)) {
    case RecordKind::Deletion:
      break;
    case RecordKind::Main: {
      using namespace main_data;
      readText(r, kSymb, kSymbMax, a.Symb);
      readText(r, kNazw, kNazwMax, a.Nazw);
      a.DtZa = get16(r, kDtZa);
      a.CeZa = getReal(r, kCeZa);
      readText(r, kDdZa, kDdZaMax, a.DdZa);
      a.DtOT = get16(r, kDtOT);
      a.WaOT = getReal(r, kWaOT);
      a.MeUm = static_cast<char>(r[kMeUm]);
      if (r[kRokP] == 0 || !isValidOpeningYear(r[kRokP] + 1900)) {
        a.RokP = 0;
        a.WaBr = a.WaOT;
        a.WaUm = 0;
      } else {
        a.RokP = static_cast<std::uint16_t>(r[kRokP] + 1900);
        a.WaBr = getReal(r, kWaBr);
        a.WaUm = getReal(r, kWaUm);
      }
      break;
    }
    case RecordKind::Second:
      readText(r, second_data::kNa2w, kNa2wMax, a.Na2w);
      readText(r, second_data::kDost, kDostMax, a.Dost);
      readText(r, second_data::kDdOT, kDdOTMax, a.DdOT);
      break;
    case RecordKind::Description:
    case RecordKind::Changes: {
      auto* texts = kindOf(r) == RecordKind::Description ? a.Opis.data() : a.Z.data();
      readText(r, pair_of_texts::kFirst, kOpisMax, texts[2 * sub - 2]);
      readText(r, pair_of_texts::kSecond, kOpisMax, texts[2 * sub - 1]);
      break;
    }
    case RecordKind::Rate: {
      RateEntry& k = a.K[sub - 1];
      readText(r, rate::kSKST, kSKSTMax, k.SKST);
      k.date = get16(r, rate::kDate);
      k.StPo = getReal(r, rate::kStPo);
      k.WsPo = getReal(r, rate::kWsPo);
      k.StBi = getReal(r, rate::kStBi);
      k.WsBi = getReal(r, rate::kWsBi);
      a.UmPo = 0;
      break;
    }
  }
}

namespace {

// Every cache line of the `size` bytes at `at`.
void prefetchBytes(const void* at, std::size_t size) {
  const char* p = static_cast<const char*>(at);
  for (std::size_t i = 0; i < size; i += 64) __builtin_prefetch(p + i, 1);
  __builtin_prefetch(p + size - 1, 1);
}

std::size_t bytesFrom(const void* first, const void* end) {
  return static_cast<std::size_t>(static_cast<const char*>(end) - static_cast<const char*>(first));
}

}  // namespace

void prefetchFields(const BaseRecord& r, const AssetRecord& a) {
  int sub = r[kSubIndex];
  switch (r[kKind]) {
    case static_cast<int>(RecordKind::Main):
      prefetchBytes(&a.Symb, bytesFrom(&a.Symb, &a.MeUm + 1));
      break;
    case static_cast<int>(RecordKind::Second):
      prefetchBytes(&a.Na2w, bytesFrom(&a.Na2w, &a.DdOT + 1));
      break;
    case static_cast<int>(RecordKind::Description):
      if (sub >= 1 && sub <= kDescriptionRecords)
        prefetchBytes(&a.Opis[2 * sub - 2], 2 * sizeof a.Opis[0]);
      break;
    case static_cast<int>(RecordKind::Rate):
      if (sub >= 1 && sub <= kRateEntries) prefetchBytes(&a.K[sub - 1], sizeof(RateEntry));
      break;
    case static_cast<int>(RecordKind::Changes):
      if (sub >= 1 && sub <= kChangeRecords) prefetchBytes(&a.Z[2 * sub - 2], 2 * sizeof a.Z[0]);
      break;
    default:
      break;
  }
}

}  // namespace zefir::base
