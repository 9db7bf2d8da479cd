#include "register/base_files.h"

#include <algorithm>
#include <cstring>

#include "platform/file_system.h"
#include "platform/shared_file.h"
#include "register/base_record_layout.h"
#include "text/codepage.h"

namespace zefir::base {

namespace {

constexpr char kSeparator = '\x04';
constexpr std::size_t kLineMax = 250;
constexpr std::size_t kKeyMax = 20;
constexpr std::size_t kDescriptionMax = 50;
constexpr std::int64_t kGiB = std::int64_t{1} << 30;

// A short string at `at` of a KST record, from Mazovia; the length byte is
// kept within the field.
std::string kstText(const unsigned char* record, std::size_t at, std::size_t max) {
  std::size_t n = std::min<std::size_t>(record[at], max);
  return text::toWindows(std::string_view(reinterpret_cast<const char*>(record + at + 1), n));
}

void putKstText(unsigned char* record, std::size_t at, std::size_t max, const std::string& s) {
  std::string dos = text::toMazovia(s);
  std::size_t n = std::min(dos.size(), max);
  record[at] = static_cast<unsigned char>(n);
  std::memcpy(record + at + 1, dos.data(), n);
}

// A record's short string is sound when its length byte fits the field and
// none of its characters is a control character.
bool kstTextSound(const unsigned char* record, std::size_t at, std::size_t max) {
  if (record[at] > max) return false;
  for (std::size_t i = 1; i <= record[at]; ++i)
    if (record[at + i] < ' ') return false;
  return true;
}

// After the leading characters the key loses anyway, a line holds no control
// character but tabs and the separator.
bool dictionaryLineSound(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && static_cast<unsigned char>(line[i]) < '!') ++i;
  for (; i < line.size(); ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    if (c < ' ' && c != '\t' && c != kSeparator) return false;
  }
  return true;
}

// The file's content; nullopt when it is not there (no damage) or cannot be
// read (damage: a folder in its place, no permission).
std::optional<std::string> readSideFile(std::string_view path, ReadDamage& damage) {
  if (!platform::exists(path)) return std::nullopt;
  std::optional<std::string> content =
      platform::isFolder(path) ? std::nullopt : platform::readWholeFile(path);
  if (!content) damage.unreadable = true;
  return content;
}

}  // namespace

std::string sideFileTemporary(std::string_view path) {
  return std::string(path) + ".$$$";
}

void writeSideFile(std::string_view path, const std::string& content) {
  const std::string temporary = sideFileTemporary(path);
  const std::string refusal = text::fromUtf8("Nie mogę zapisać ") + std::string(path);
  {
    platform::SharedFile file;
    if (file.open(temporary, platform::ShareMode::Exclusive, platform::Creation::CreateTruncate) !=
        platform::OpenError::None)
      throw platform::IoError{refusal};
    try {
      file.writeAt(0, content.data(), content.size());
    } catch (...) {
      file.close();
      platform::removeFile(temporary);
      throw;
    }
  }
  if (!platform::renameFile(temporary, path)) {
    platform::removeFile(temporary);
    throw platform::IoError{refusal};
  }
}

std::string findBaseSideFile(std::string_view baseFolder, std::string_view fileName) {
  std::string name(fileName);
  for (const std::string& folder :
       {std::string(baseFolder), std::string("#\\"), std::string("!ST!\\"), std::string("!\\")}) {
    std::string candidate = folder + name;
    if (platform::exists(candidate)) return candidate;
  }
  return name;
}

std::string classificationTablePath(std::string_view baseFolder) {
  std::string path = findBaseSideFile(baseFolder, "KST");
  if (platform::exists(path)) return path;
  path = findBaseSideFile(baseFolder, "SETUP\\KST");
  if (platform::exists(path)) return path;
  return std::string(baseFolder) + "KST";
}

ReadDamage loadClassificationTable(ClassificationTable& table, std::string_view path) {
  table.clear();
  ReadDamage damage;
  std::optional<std::string> content = readSideFile(path, damage);
  if (!content) return damage;
  const auto* bytes = reinterpret_cast<const unsigned char*>(content->data());
  std::size_t records = content->size() / kst::kRecordSize;
  if (content->size() % kst::kRecordSize != 0) ++damage.lines;
  for (std::size_t i = 0; i < records; ++i) {
    const unsigned char* r = bytes + i * kst::kRecordSize;
    if (!kstTextSound(r, kst::kSymbol, 3) || !kstTextSound(r, kst::kName, 93)) {
      ++damage.lines;
      continue;
    }
    ClassificationEntry e{kstText(r, kst::kSymbol, 3), kstText(r, kst::kName, 93),
                          r[kst::kRate] | r[kst::kRate + 1] << 8};
    if (!table.add(std::move(e)).ok()) ++damage.lines;
  }
  return damage;
}

void saveClassificationTable(const ClassificationTable& table, std::string_view path) {
  std::string content(table.entries().size() * kst::kRecordSize, '\0');
  auto* bytes = reinterpret_cast<unsigned char*>(content.data());
  for (std::size_t i = 0; i < table.entries().size(); ++i) {
    unsigned char* r = bytes + i * kst::kRecordSize;
    putKstText(r, kst::kSymbol, 3, table.entries()[i].symbol);
    putKstText(r, kst::kName, 93, table.entries()[i].name);
    const int rate = std::clamp(table.entries()[i].rate, 0, 0xFFFF);
    r[kst::kRate] = static_cast<unsigned char>(rate & 0xFF);
    r[kst::kRate + 1] = static_cast<unsigned char>(rate >> 8);
  }
  writeSideFile(path, content);
}

bool parseDictionaryLine(std::string_view line, DictionaryEntry& entry) {
  std::string text = text::toWindows(line.substr(0, kLineMax));
  // A colon separates only when it stands before any code 4: in a line the
  // program wrote, a colon after the code 4 is part of the description.
  std::size_t separator = std::min(text.find(':'), text.find(kSeparator));
  std::string key = text.substr(0, separator);
  std::string description =
      separator == std::string::npos ? std::string() : text.substr(separator + 1);
  std::size_t first = 0;
  while (first < key.size() && static_cast<unsigned char>(key[first]) < '!') ++first;
  key.erase(0, first);
  while (!key.empty() && key.back() == ' ') key.pop_back();
  if (key.size() > kKeyMax) key.resize(kKeyMax);
  if (description.size() > kDescriptionMax) description.resize(kDescriptionMax);
  if (key.empty()) return false;
  entry.key = std::move(key);
  entry.description = std::move(description);
  return true;
}

ReadDamage loadDictionary(Dictionary& dict, std::string_view path) {
  dict.clear();
  ReadDamage damage;
  std::optional<std::string> content = readSideFile(path, damage);
  if (!content) return damage;
  std::string_view rest(*content);
  while (!rest.empty()) {
    std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!dictionaryLineSound(line)) {
      ++damage.lines;
      continue;
    }
    DictionaryEntry entry;
    if (parseDictionaryLine(line, entry) && !dict.add(std::move(entry)).ok()) ++damage.lines;
  }
  return damage;
}

void saveDictionary(const Dictionary& dict, std::string_view path) {
  std::string content;
  for (const DictionaryEntry& e : dict.entries()) {
    std::string key = e.key.substr(0, kKeyMax);
    key.resize(kKeyMax, ' ');
    content += text::toMazovia(key) + kSeparator + text::toMazovia(e.description) + "\r\n";
  }
  writeSideFile(path, content);
}

std::vector<std::pair<std::string, ReadDamage>> loadDictionaries(AssetRegister& reg,
                                                                 std::string_view baseFolder) {
  std::vector<std::pair<std::string, ReadDamage>> damage;
  for (auto [dict, name] :
       {std::pair{&reg.places, kPlacesFile}, std::pair{&reg.persons, kPersonsFile},
        std::pair{&reg.accounts, kAccountsFile}}) {
    std::string path = findBaseSideFile(baseFolder, name);
    if (ReadDamage d = loadDictionary(*dict, path); d.any()) damage.emplace_back(path, d);
  }
  return damage;
}

std::string readDamageText(const std::vector<std::pair<std::string, ReadDamage>>& damage) {
  std::string out;
  for (const auto& [path, d] : damage) {
    if (!out.empty()) out += "; ";
    out += path;
    out += d.unreadable ? " (plik nieczytelny)"
                        : " (nieczytelne wiersze: " + std::to_string(d.lines) + ")";
  }
  return out;
}

std::string chooseTemporaryFolder(std::string_view workstationSuffix) {
  char letter = 'C';
  for (const platform::DriveInfo& d : platform::fixedDrives())
    if (d.size >= 8 * kGiB && d.free >= 2 * kGiB) letter = d.letter;
  std::string folder = std::string(1, letter) + ":\\Wrzos-temp" + std::string(workstationSuffix);
  platform::createFolder(folder);
  return folder;
}

std::string temporaryBaseFile(std::string_view temporaryFolder, std::string_view baseName) {
  return std::string(temporaryFolder) + "\\" + std::string(baseName) + ".7BT";
}

}  // namespace zefir::base
