#include "shell/login_file.h"

#include <sodium.h>

#include <algorithm>
#include <charconv>
#include <vector>

#include "platform/file_system.h"
#include "text/codepage.h"

namespace zefir::shell {

namespace {

constexpr std::string_view kHashPrefix = "$argon2id$";
constexpr std::size_t kLineLength = 80;

// The hash's own "," (between its parameters) would split the field; the
// login file holds them as ".", which the hash's alphabet never uses.
std::string storedHash(std::string hash) {
  for (char& c : hash)
    if (c == ',') c = '.';
  return hash;
}
std::string hashOfField(std::string_view field) {
  std::string hash(field);
  for (char& c : hash)
    if (c == '.') c = ',';
  return hash;
}

std::vector<std::string_view> splitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(line.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

// "0", "00", "000" up to "197"; anything else -1.
int workstationField(std::string_view text) {
  if (text.empty() || text.size() > 3) return -1;
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n <= 197 ? n : -1;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return text::upperCase(a) == text::upperCase(b);
}

// The lines of the file, each without its line end.
std::vector<std::string_view> lines(std::string_view content) {
  std::vector<std::string_view> out;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    std::string_view line = content.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    out.push_back(line);
    if (end == std::string_view::npos) break;
    content.remove_prefix(end + 1);
  }
  return out;
}

// The line with its password field replaced; the other fields as they were.
std::string withPassword(std::string_view line, std::string_view password) {
  const std::vector<std::string_view> f = splitFields(line);
  std::string out;
  for (std::size_t i = 0; i < std::max<std::size_t>(f.size(), 3); ++i) {
    if (i) out += ',';
    out += i == 2 ? password : i < f.size() ? f[i] : std::string_view();
  }
  return out;
}

// A hash names its own cost ("$argon2id$v=19$m=65536,t=2,p=1$..."), and
// verifying it spends that much memory and time. A line the password page
// did not write (damaged, or planted in the file) could ask for gigabytes or
// hours at every login; a cost beyond the moderate one, or more than one lane,
// is refused before the hash is verified.
bool hashCostBounded(std::string_view hash) {
  hash.remove_prefix(std::min(hash.size(), kHashPrefix.size()));
  const std::size_t params = hash.find('$');
  if (params == std::string_view::npos) return false;
  hash.remove_prefix(params + 1);
  unsigned long long m = 0, t = 0, p = 0;
  for (auto [key, value] : {std::pair{"m=", &m}, std::pair{"t=", &t}, std::pair{"p=", &p}}) {
    if (!hash.starts_with(key)) return false;
    hash.remove_prefix(2);
    const auto [end, error] = std::from_chars(hash.data(), hash.data() + hash.size(), *value);
    if (error != std::errc()) return false;
    hash.remove_prefix(static_cast<std::size_t>(end - hash.data()));
    if (!hash.empty() && (hash[0] == ',' || hash[0] == '$')) hash.remove_prefix(1);
  }
  return m <= crypto_pwhash_MEMLIMIT_MODERATE / 1024 && t <= crypto_pwhash_OPSLIMIT_MODERATE &&
         p == 1;
}

bool sodiumReady() {
  static const bool ready = sodium_init() >= 0;
  return ready;
}

}  // namespace

LoginEntry parseLoginLine(std::string_view line) {
  // A hashed password makes its line longer than the 80 characters of old.
  if (line.find(kHashPrefix) == std::string_view::npos) line = line.substr(0, kLineLength);
  const std::vector<std::string_view> f = splitFields(line);
  LoginEntry e;
  auto field = [&](std::size_t n) { return n <= f.size() ? std::string(f[n - 1]) : std::string(); };
  e.workstation = workstationField(field(1));
  e.login = field(2);
  e.password = field(3);
  const std::string rights = field(4);
  if (!rights.empty() && std::string_view("AKFO").find(rights[0]) != std::string_view::npos)
    e.rights = rights[0];
  e.baseFolder = field(5);
  e.baseName = field(6);
  return e;
}

std::optional<LoginEntry> findLogin(std::string_view content, std::string_view login) {
  for (std::string_view line : lines(content)) {
    LoginEntry e = parseLoginLine(line);
    if (e.workstation >= 0 && sameIgnoringCase(e.login, login)) return e;
  }
  return std::nullopt;
}

bool isHashedPassword(std::string_view field) {
  return field.substr(0, kHashPrefix.size()) == kHashPrefix;
}

std::string hashPassword(std::string_view password) {
  if (!sodiumReady()) return {};
  const std::string upper = text::upperCase(password);
  char out[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str_alg(out, upper.data(), upper.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                            crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13) != 0)
    return {};
  return storedHash(out);
}

bool passwordMatches(std::string_view field, std::string_view typed) {
  if (!isHashedPassword(field)) return sameIgnoringCase(field, typed);
  if (!sodiumReady()) return false;
  const std::string hash = hashOfField(field);
  if (!hashCostBounded(hash)) return false;
  const std::string upper = text::upperCase(typed);
  return crypto_pwhash_str_verify(hash.c_str(), upper.data(), upper.size()) == 0;
}

Status changePassword(const std::string& loginFilePath, std::string_view login,
                      std::string_view oldPassword, std::string_view newPassword,
                      std::string_view repeated) {
  const auto content = platform::readWholeFile(loginFilePath);
  if (!content) return Status::Error(text::fromUtf8("Błąd odczytu !\\Login.txt"));
  if (newPassword.empty()) return Status::Error(text::fromUtf8("Wpisz nowe hasło"));
  if (newPassword.find(',') != std::string_view::npos)
    return Status::Error(text::fromUtf8("Hasło nie może zawierać przecinka"));
  if (newPassword != repeated) return Status::Error(text::fromUtf8("Powtórzone hasło jest inne"));
  std::string out;
  bool changed = false;
  for (std::string_view line : lines(*content)) {
    LoginEntry e = parseLoginLine(line);
    if (!changed && e.workstation >= 0 && sameIgnoringCase(e.login, login)) {
      if (!passwordMatches(e.password, oldPassword))
        return Status::Error(text::fromUtf8("Błędne stare hasło"));
      const std::string hash = hashPassword(newPassword);
      if (hash.empty()) return Status::Error(text::fromUtf8("Nie mogę zmienić hasła"));
      out += withPassword(line, hash);
      changed = true;
    } else {
      out += line;
    }
    out += "\r\n";
  }
  if (!changed) return Status::Error(text::fromUtf8("Błędny login"));
  if (!platform::replaceOwnerOnlyFile(loginFilePath, out))
    return Status::Error(text::fromUtf8("Błąd zapisu !\\Login.txt"));
  return Status::Ok();
}

Status hashClearPasswords(const std::string& loginFilePath, int* hashed) {
  const auto content = platform::readWholeFile(loginFilePath);
  if (!content) return Status::Error(text::fromUtf8("Błąd odczytu !\\Login.txt"));
  std::string out;
  int count = 0;
  for (std::string_view line : lines(*content)) {
    const LoginEntry e = parseLoginLine(line);
    if (e.workstation >= 0 && !e.login.empty() && !isHashedPassword(e.password)) {
      const std::string hash = hashPassword(e.password);
      if (hash.empty()) return Status::Error(text::fromUtf8("Nie mogę zmienić hasła"));
      out += withPassword(line, hash);
      ++count;
    } else {
      out += line;
    }
    out += "\r\n";
  }
  if (!platform::replaceOwnerOnlyFile(loginFilePath, out))
    return Status::Error(text::fromUtf8("Błąd zapisu !\\Login.txt"));
  if (hashed) *hashed = count;
  return Status::Ok();
}

}  // namespace zefir::shell
