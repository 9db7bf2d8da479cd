// The settings registers: the program register `#\Zefir.BAL` (window and
// report layout, the base folder) and the base register, `Zefir.BAL` in the
// base folder (the organisation and its reports).
//
// A register is a text file in code page 1250, one entry a line:
//
//   " " + stored key + " = " + value        e.g. " KonOkien.005 = c Consolas;Bold;11"
//
// A key without "." is per workstation: the workstation suffix (".005") is
// appended, so every workstation keeps its own window settings in the shared
// file. A key with "." ("FolderIE.xxx") is common to all. Keys are compared in
// their normal form (see keyNormalForm), so hand-edited lines still match.
// Lines that match no key (the header) are kept as they are.
//
// Several workstations read and rewrite a register at once. A writer opens it
// exclusively, writes a full copy beside it (its name ends with the writer's
// suffix) with its entry moved to the end, and renames the copy over the
// register; every writer works from the file as the previous writer left it,
// so no entry is lost. Readers open it letting others only read. Locked files
// go through the open retry of platform/open_retry.h with the caller tags
// "aPulpit:zRej" (reading) and "aPulpit:wRej.2" (writing); each may block for
// up to about 11 s. No setting is written while the workstation suffix is
// empty (a login is pending).
#pragma once

#include <array>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/status.h"

namespace zefir::shell {

inline constexpr int kSettingFields = 9;
inline constexpr std::size_t kMaxSettingValue = 70;
inline constexpr std::size_t kMaxSettingField = 80;

// The program register, relative to the program folder.
inline constexpr std::string_view kProgramRegisterPath = "#\\Zefir.BAL";
// The base register: the base folder (empty for the program folder, with or
// without its final "\" or "/") followed by "Zefir.BAL".
std::string baseRegisterPath(std::string_view baseFolder);

// A value and its fields. Fields are separated by ";" (the first 9 are kept);
// each is kept as text and as a 16-bit integer (its digits read as a number,
// negative after a leading "-", 0 when it has none or does not fit).
class SettingValue {
 public:
  SettingValue() = default;
  // Leading blanks are dropped and the value is cut to 70 characters.
  explicit SettingValue(std::string_view text);

  const std::string& text() const { return text_; }
  bool empty() const { return text_.empty(); }
  // Field n, 1 to 9 ("" and 0 outside).
  const std::string& field(int n) const;
  int number(int n) const;
  // Field n equals "T".
  bool yes(int n) const { return field(n) == "T"; }
  // The value's first character, ' ' when empty (letters and "T"/"N" values).
  char letter() const { return text_.empty() ? ' ' : text_.front(); }

 private:
  std::string text_;
  std::array<std::string, kSettingFields> fields_;
  std::array<int, kSettingFields> numbers_{};
};

// The normal form of the key part of a line or of a key: the part before the
// first "=" within the first 20 characters, letters a-z upper-cased, every
// character other than A-Z, 0-9 and "." dropped, cut to 12 characters.
std::string keyNormalForm(std::string_view text);
// The key as stored: padded on the left to 8 characters, then the suffix when
// the key contains no ".".
std::string storedKey(std::string_view key, std::string_view suffix);
// " " + stored key + " = " + value.
std::string entryLine(std::string_view key, std::string_view suffix, std::string_view value);
// The first lines of a new register: an empty line and "  Rejestr." + path.
std::string registerHeader(std::string_view path);

// ---------------------------------------------------------------------------
// Defaults of the keys of both registers. Keys whose default depends on the
// screen, the day or the window (`PulpitWH`, `NaDz`, the position keys,
// "Zes-" and "Vie-" keys) have none here: the caller supplies it.

enum class RegisterKind { Program, Base };

struct SettingDefault {
  RegisterKind kind;
  std::string_view key;
  std::string_view value;  // code page 1250
};

// Every key with a fixed default, program register first.
const std::map<std::string, SettingDefault>& settingDefaults();  // by keyNormalForm(key)
// The default of `key` ("" when it has none).
std::string defaultSettingValue(std::string_view key);
// `value` with each empty field filled from `defaults` (the register's values
// are read "over their defaults"); an absent or empty value is the default.
SettingValue overDefaults(const SettingValue& value, const SettingValue& defaults);

// Letter rules, compared as stored (no case folding): `AmBilPod` "B" or "P",
// else "B"; `AmElGrMi` "E", "G" or "M", else "E"; `sAmBezCa` "A", "B" or "C",
// else "C". Other keys: the value's first character.
char settingLetter(std::string_view key, const SettingValue& value);

// ---------------------------------------------------------------------------
// One register as a workstation sees it: its entries are read once by load()
// and answered from memory; set() writes through to the file at once.
class SettingsRegister {
 public:
  SettingsRegister() = default;

  // Reads the register (with the open retries). A missing register loads
  // empty and is fine; a register locked through every retry also loads
  // empty (every key gives its default) and the result says so.
  Status load(std::string path, std::string suffix);
  // Changes the suffix (after a login); the entries are read again.
  Status setSuffix(std::string suffix);

  const std::string& path() const { return path_; }
  const std::string& suffix() const { return suffix_; }

  // The stored entry of `key` (this workstation's for a per-workstation key).
  bool has(std::string_view key) const;
  SettingValue stored(std::string_view key) const;
  // The stored entry over the key's default (`KonRapE1` defaults to "T" and
  // the values of `KonRapE0`).
  SettingValue value(std::string_view key) const;
  std::string text(std::string_view key) const { return value(key).text(); }
  const std::string field(std::string_view key, int n) const { return value(key).field(n); }
  int number(std::string_view key, int n) const { return value(key).number(n); }
  char letter(std::string_view key) const { return settingLetter(key, value(key)); }

  // Writes one entry to the file now. Nothing is written when the suffix is
  // empty or the register already holds the value. An error means the
  // register stayed locked through every retry or could not be replaced; the
  // file is then unchanged.
  Status set(std::string_view key, std::string_view value);
  // Several entries in one rewrite (as set() one after another, in order).
  Status set(std::initializer_list<std::pair<std::string_view, std::string_view>> entries);
  Status setAll(const std::vector<std::pair<std::string, std::string>>& entries);

 private:
  std::string path_;
  std::string suffix_;
  std::map<std::string, std::string> entries_;  // normal form -> value text
};

// Reading and writing single entries straight from and to a register file,
// without a loaded copy.
SettingValue readSetting(std::string_view path, std::string_view suffix, std::string_view key);
Status writeSetting(std::string_view path, std::string_view suffix, std::string_view key,
                    std::string_view value);

// ---------------------------------------------------------------------------
// The base folder and base name from the program register.
struct BaseLocation {
  std::string folder;      // "" (program folder) or ending in "\" or "/"
  std::string name;        // the main base file without ".PST" ("Srodki")
  std::string secondName;  // `sDirBaza` field 2: the settings pages' base name
};
// `DirxBaza` (doubled backslashes reduced to one) and `sDirBaza`.
BaseLocation baseLocation(const SettingsRegister& program);
// The `DirxBaza` value: folder, ";" and the name with every ";" made ",".
std::string dirxBazaValue(std::string_view folder, std::string_view name);

}  // namespace zefir::shell
