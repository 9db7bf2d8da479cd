// Values, keys and lines of a settings register.
#include "shell/settings_register.h"
#include "text/numbers.h"

namespace zefir::shell {

namespace {

const std::string kEmpty;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// A field's digits read as a number; a leading "-" makes it negative; 0 when
// there are none or the number does not fit 16 bits.
int numberOfField(std::string_view field) {
  std::string digits;
  size_t first = field.find_first_not_of(' ');
  if (first != std::string_view::npos && field[first] == '-') digits = "-";
  for (char c : field)
    if (isDigit(c)) digits += c;
  if (digits.size() > 6) return 0;
  return text::int16FromText(digits);
}

}  // namespace

std::string baseRegisterPath(std::string_view baseFolder) {
  std::string path(baseFolder);
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
  return path + "Zefir.BAL";
}

SettingValue::SettingValue(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  text = first == std::string_view::npos ? std::string_view() : text.substr(first);
  text_ = std::string(text.substr(0, kMaxSettingValue));
  std::string_view rest = text_;
  for (int i = 0; i < kSettingFields && !rest.empty(); ++i) {
    size_t end = rest.find(';');
    std::string_view field = rest.substr(0, end);
    fields_[i] = std::string(field.substr(0, kMaxSettingField));
    numbers_[i] = numberOfField(field);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
}

const std::string& SettingValue::field(int n) const {
  return n >= 1 && n <= kSettingFields ? fields_[n - 1] : kEmpty;
}

int SettingValue::number(int n) const {
  return n >= 1 && n <= kSettingFields ? numbers_[n - 1] : 0;
}

std::string keyNormalForm(std::string_view text) {
  text = text.substr(0, 20);
  text = text.substr(0, text.find('='));
  std::string out;
  for (char c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || isDigit(c) || c == '.') out += c;
    if (out.size() == 12) break;
  }
  return out;
}

std::string storedKey(std::string_view key, std::string_view suffix) {
  std::string stored(key);
  if (stored.size() < 8) stored.insert(0, 8 - stored.size(), ' ');
  if (key.find('.') == std::string_view::npos) stored += suffix;
  return stored;
}

std::string entryLine(std::string_view key, std::string_view suffix, std::string_view value) {
  return " " + storedKey(key, suffix) + " = " + std::string(value);
}

std::string registerHeader(std::string_view path) {
  return "\r\n  Rejestr." + std::string(path);
}

}  // namespace zefir::shell
