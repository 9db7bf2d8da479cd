// Polish letters across code pages 1250, Mazovia and 852, and the letter
// foldings built on them.
#include "text/codepage.h"

#include <array>
#include <cstdint>

namespace zefir::text {

namespace {

using Table = std::array<std::uint8_t, 18>;

// ą ć ę ł ń ó ś ż ź, then Ą Ć Ę Ł Ń Ó Ś Ż Ź.
constexpr Table kWindows = {0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3, 0x9C, 0xBF, 0x9F,
                            0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0xAF, 0x8F};
constexpr Table kMazovia = {0x86, 0x8D, 0x91, 0x92, 0xA4, 0xA2, 0x9E, 0xA7, 0xA6,
                            0x8F, 0x95, 0x90, 0x9C, 0xA5, 0xA3, 0x98, 0xA1, 0xA0};
constexpr Table kDos852 = {0xA5, 0x86, 0xA9, 0x88, 0xE4, 0xA2, 0x98, 0xBE, 0xAB,
                           0xA4, 0x8F, 0xA8, 0x9D, 0xE3, 0xE0, 0x97, 0xBD, 0x8D};
constexpr char kPlain[] = "acelnoszzACELNOSZZ";

// DOS characters besides the Polish letters (ä ö ü ß Ä Ö Ü §, and 0xFA, a
// middle dot, read as a blank) and their code page 1250 forms.
constexpr std::array<std::uint8_t, 9> kDosExtra = {0x84, 0x94, 0x81, 0xE1, 0x8E,
                                                   0x99, 0x9A, 0x15, 0xFA};
constexpr std::array<std::uint8_t, 9> kWindowsExtra = {0xE4, 0xF6, 0xFC, 0xDF, 0xC4,
                                                       0xD6, 0xDC, 0xA7, 0x20};

template <size_t N>
int indexIn(const std::array<std::uint8_t, N>& table, unsigned char c) {
  for (size_t i = 0; i < N; ++i)
    if (table[i] == c) return static_cast<int>(i);
  return -1;
}

// Byte-to-byte maps, built once from the tables above.
struct Maps {
  std::array<char, 256> toWindows{};
  std::array<char, 256> toMazovia{};
  std::array<char, 256> upper{};
  std::array<char, 256> plain{};
  Maps() {
    for (int c = 0; c < 256; ++c) {
      auto b = static_cast<unsigned char>(c);
      toWindows[c] = toMazovia[c] = upper[c] = plain[c] = static_cast<char>(b);
      // Mazovia and the DOS extras come before 852 where a byte is in both.
      if (int i = indexIn(kMazovia, b); i >= 0)
        toWindows[c] = static_cast<char>(kWindows[i]);
      else if (int e = indexIn(kDosExtra, b); e >= 0)
        toWindows[c] = static_cast<char>(kWindowsExtra[e]);
      else if (int d = indexIn(kDos852, b); d >= 0)
        toWindows[c] = static_cast<char>(kWindows[d]);
      // A blank stays a blank: only the DOS side reads 0xFA as one.
      if (int i = indexIn(kWindows, b); i >= 0)
        toMazovia[c] = static_cast<char>(kMazovia[i]);
      else if (int e = indexIn(kWindowsExtra, b); e >= 0 && e < 8)
        toMazovia[c] = static_cast<char>(kDosExtra[e]);
      if (c >= 'a' && c <= 'z') upper[c] = static_cast<char>(c - 'a' + 'A');
      if (int i = indexIn(kWindows, b); i >= 0 && i < 9)
        upper[c] = static_cast<char>(kWindows[i + 9]);
      // Memory holds 1250, so a byte that is a letter in both tables folds as 1250.
      if (int i = indexIn(kWindows, b); i >= 0)
        plain[c] = kPlain[i];
      else if (int m = indexIn(kMazovia, b); m >= 0)
        plain[c] = kPlain[m];
    }
  }
};

const Maps& maps() {
  static const Maps instance;
  return instance;
}

std::string mapped(std::string_view text, const std::array<char, 256>& map) {
  std::string out(text);
  for (char& c : out) c = map[static_cast<unsigned char>(c)];
  return out;
}

bool isPolishLetter(unsigned char c) {
  return indexIn(kWindows, c) >= 0;
}

}  // namespace

std::string toWindows(std::string_view dos) {
  return mapped(dos, maps().toWindows);
}
std::string toMazovia(std::string_view windows) {
  return mapped(windows, maps().toMazovia);
}
std::string upperCase(std::string_view text) {
  return mapped(text, maps().upper);
}
std::string plainLetters(std::string_view text) {
  return mapped(text, maps().plain);
}

std::string searchForm(std::string_view text, bool searchStarted) {
  return searchStarted ? upperCase(plainLetters(text)) : std::string(text);
}

std::string capitalised(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (!out.empty() && out[0] >= 'a' && out[0] <= 'z')
    out[0] = static_cast<char>(out[0] - 'a' + 'A');
  return out;
}

std::string xmlText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (size_t i = 0; i < text.size(); ++i) {
    auto c = static_cast<unsigned char>(text[i]);
    if (c == '"') {
      out += "&quot;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '&') {
      out += text.substr(i, 5) == "&amp;" ? "&" : "&amp;";
    } else if (isPolishLetter(c)) {
      out += toUtf8(std::string_view(&text[i], 1));
    } else if (c < 127 && (c >= 32 || c == '\t' || c == '\n' || c == '\r')) {
      // Control characters other than tab and line ends cannot appear in XML 1.0.
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace zefir::text
