// Reading and rewriting a settings register file.
//
// Replacing the register: the writer holds the register open exclusively
// while it writes the copy and renames it over the register (on Linux the
// rename replaces the file in one step, so readers never find it missing).
// A second writer may already have opened the old file by its name and be
// waiting for the lock; when it gets the lock it would copy the old entries
// and lose the first writer's. So the first writer, after the rename, puts a
// zero byte at the start of the old file, which no longer has a name; a text
// register never holds one, and an opener that finds it knows it holds a
// replaced file, lets it go and opens the register again. A register that
// starts with a zero byte while it still has its name was not replaced but
// damaged: it is reported at once and read as empty (every key its default),
// and the next write starts it anew, keeping the damaged file beside it.
#include "shell/settings_register_file.h"

#include <algorithm>
#include <set>

#include "platform/file_system.h"
#include "platform/open_retry.h"
#include "platform/paths.h"
#include "platform/shared_file.h"
#include "platform/status_line.h"
#include "shell/settings_register.h"
#include "text/codepage.h"

namespace zefir::shell {

namespace {

using platform::SharedFile;

constexpr std::string_view kReadTag = "aPulpit:zRej";
constexpr std::string_view kWriteTag = "aPulpit:wRej.2";
constexpr int kMissingWaits = 7;
constexpr const char* kDamagedCopySuffix = ".USZ";
constexpr int kMissingWaitMs = 333;

// A register longer than any file read whole is read up to that length.
std::string wholeText(const SharedFile& file) {
  std::string text(std::min(static_cast<std::size_t>(file.size()), platform::kMaxWholeFileBytes),
                   '\0');
  text.resize(file.readAt(0, text.data(), text.size()));
  return text;
}

bool isReplaced(const std::string& text) {
  return !text.empty() && text.front() == '\0';
}

// Opens the register with `mode` through the open retries and reads it; a
// replaced file counts as a failed attempt. A damaged one is open and read,
// with `damaged` set.
bool openAndRead(SharedFile& file, std::string_view path, platform::ShareMode mode,
                 platform::Creation creation, std::string_view tag, std::string& text,
                 bool& damaged) {
  damaged = false;
  return platform::retryOpen(path, tag, [&] {
    if (file.open(path, mode, creation) != platform::OpenError::None) return false;
    try {
      text = wholeText(file);
    } catch (const platform::IoError&) {
      file.close();
      return false;
    }
    if (!isReplaced(text)) return true;
    if (file.stillNamed()) return damaged = true;
    file.close();
    return false;
  });
}

// Waits for another writer's rename to finish (up to 7 x 333 ms).
bool registerExists(std::string_view path) {
  for (int wait = 0; wait < kMissingWaits && !platform::exists(path); ++wait)
    platform::sleepMs(kMissingWaitMs);
  return platform::exists(path);
}

std::string rewritten(const std::string& text, std::string_view suffix,
                      const std::vector<std::pair<std::string, std::string>>& entries) {
  std::set<std::string> keys;
  for (const auto& [key, value] : entries) keys.insert(lookupKey(key, suffix));
  std::string out;
  for (const std::string& line : registerLines(text)) {
    if (keys.count(keyNormalForm(line))) continue;
    out += line;
    out += "\r\n";
  }
  // A later entry of the same key wins, as with one write after another.
  for (size_t i = 0; i < entries.size(); ++i) {
    bool later = false;
    for (size_t j = i + 1; j < entries.size(); ++j)
      later = later || lookupKey(entries[j].first, suffix) == lookupKey(entries[i].first, suffix);
    if (later) continue;
    out += entryLine(entries[i].first, suffix, storableValue(entries[i].second));
    out += "\r\n";
  }
  out.resize(out.size() - 2);  // the last line has no line end
  return out;
}

Status notWritten(std::string_view path) {
  return Status::Error(text::fromUtf8("Nie zapisano ustawień w ") + std::string(path));
}

}  // namespace

std::string damagedRegisterMessage(std::string_view path) {
  return text::fromUtf8("Uszkodzony rejestr ustawień ") + std::string(path) +
         text::fromUtf8(": przyjęto wartości domyślne");
}

std::optional<std::string> readRegisterText(std::string_view path, bool* damaged) {
  if (damaged) *damaged = false;
  if (!platform::exists(path)) return std::string();
  SharedFile file;
  std::string text;
  bool broken = false;
  if (!openAndRead(file, path, platform::ShareMode::ReadDenyWrite, platform::Creation::OpenExisting,
                   kReadTag, text, broken))
    return platform::exists(path) ? std::nullopt : std::optional<std::string>(std::string());
  if (broken) {
    showStatus(damagedRegisterMessage(path), StatusKind::Error);
    if (damaged) *damaged = true;
    return std::string();
  }
  return text;
}

std::vector<std::string> registerLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

std::string lookupKey(std::string_view key, std::string_view suffix) {
  std::string full(key);
  if (key.find('.') == std::string_view::npos) full += suffix;
  return keyNormalForm(full);
}

std::map<std::string, std::string> registerEntries(std::string_view text) {
  std::map<std::string, std::string> entries;
  for (const std::string& line : registerLines(text)) {
    size_t equals = line.find('=');
    std::string normal = keyNormalForm(line);
    if (normal.empty() || equals == std::string::npos) continue;
    entries.emplace(normal, SettingValue(std::string_view(line).substr(equals + 1)).text());
  }
  return entries;
}

std::string storableValue(std::string_view value) {
  std::string out(value);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return SettingValue(out).text();
}

Status writeRegisterEntries(std::string_view path, std::string_view suffix,
                            const std::vector<std::pair<std::string, std::string>>& entries) {
  if (suffix.empty() || entries.empty()) return Status::Ok();
  std::optional<std::string> current = readRegisterText(path);
  if (current) {
    auto stored = registerEntries(*current);
    bool unchanged = true;
    for (const auto& [key, value] : entries) {
      auto it = stored.find(lookupKey(key, suffix));
      std::string now = it == stored.end() ? std::string() : it->second;
      unchanged = unchanged && now == storableValue(value);
    }
    if (unchanged) return Status::Ok();
  }
  bool exists = registerExists(path);
  if (!exists) platform::createFolder(platform::folderOf(path));
  SharedFile file;
  std::string text;
  bool damaged = false;
  if (!openAndRead(file, path, platform::ShareMode::Exclusive,
                   exists ? platform::Creation::OpenExisting : platform::Creation::OpenOrCreate,
                   kWriteTag, text, damaged))
    return notWritten(path);
  if (damaged) {
    // Kept for whoever wants to look at it; the register starts anew.
    (void)platform::writeWholeFile(std::string(path) + kDamagedCopySuffix, text);
    text.clear();
  }
  if (text.empty()) text = registerHeader(path);
  std::string copy = std::string(path) + std::string(suffix);
  if (!platform::writeWholeFile(copy, rewritten(text, suffix, entries)) ||
      !platform::renameFile(copy, path)) {
    (void)platform::removeFile(copy);
    return notWritten(path);
  }
  try {
    file.writeAt(0, "", 1);  // marks the old file as replaced (see above)
  } catch (const platform::IoError&) {
    // The old file is gone from the folder either way.
  }
  return Status::Ok();
}

}  // namespace zefir::shell
