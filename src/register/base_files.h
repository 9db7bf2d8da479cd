// The files beside the main base: the classification table (KST), the three
// dictionaries, and the temporary folder.
//
// Search order for each of them, the first that exists being used: in the
// base folder; in "#\"; in "!ST!\"; in "!\" (these three relative to the
// current folder); else the bare file name. The classification table is
// "KST", then "SETUP\KST" in the same order; when neither exists its path
// (for a later save) is "KST" in the base folder.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "register/asset_register.h"

namespace zefir::base {

inline constexpr const char* kPlacesFile = "MiejscaU.MST";
inline constexpr const char* kPersonsFile = "Osoby.OST";
inline constexpr const char* kAccountsFile = "Konta.KST";

// The temporary file a classification table or dictionary is written to
// before it takes the file's name.
std::string sideFileTemporary(std::string_view path);
// Writes `content` to sideFileTemporary(path) and renames it over `path`
// only when complete, so a write that fails midway leaves the old file as it
// was. Throws platform::IoError.
void writeSideFile(std::string_view path, const std::string& content);

// The path used for `fileName` in the search order above.
std::string findBaseSideFile(std::string_view baseFolder, std::string_view fileName);
// The classification table's path (existing, or where it is to be saved).
std::string classificationTablePath(std::string_view baseFolder);

// What reading a dictionary or the classification table could not read: a
// file that is there (or a folder standing where it should be) but cannot be
// read, and the lines (records) left out as damaged or beyond the capacity.
// A file that is not there at all is no damage.
struct ReadDamage {
  bool unreadable = false;
  int lines = 0;
  bool any() const { return unreadable || lines > 0; }
};

// Empties `table` and reads every 100-byte record of the file; a file that
// cannot be opened leaves the table empty. A record whose length byte
// exceeds its field or whose text holds a control character, a torn last
// record, and entries beyond the table's capacity are left out and counted.
ReadDamage loadClassificationTable(ClassificationTable& table, std::string_view path);
// Writes the table as 100-byte records, the rate in bytes 4 and 5 (low byte
// first). Throws platform::IoError.
//
// Both writers below write the whole file under sideFileTemporary(path) and
// rename it over the file only when complete: a failed write throws and
// leaves the old file intact.
void saveClassificationTable(const ClassificationTable& table, std::string_view path);

// Reads one dictionary line (already without its line end): cut to 250
// characters, from Mazovia; the first colon or code 4, whichever comes first,
// ends the key (a colon after a code 4 stays in the description); a line
// with neither is all key. The key
// loses leading characters below "!" and trailing blanks and is cut to 20,
// the description to 50. Returns false for an empty key.
bool parseDictionaryLine(std::string_view line, DictionaryEntry& entry);
// Empties `dict` and reads the file's lines; a file that cannot be opened
// leaves it empty. A line holding a control character other than a tab or
// code 4 after its leading ones (a NUL in the key, say), and lines beyond
// 999 entries, are left out and counted.
ReadDamage loadDictionary(Dictionary& dict, std::string_view path);
// Writes the dictionary as the program writes it: one line per entry, the
// key padded with blanks (or cut) to 20 characters, the character with code
// 4, the description, in Mazovia with CR LF line ends.
// Throws platform::IoError.
void saveDictionary(const Dictionary& dict, std::string_view path);
// The three dictionaries of the base folder, in their search order. Returns
// the damage of each file that has some, by its path.
std::vector<std::pair<std::string, ReadDamage>> loadDictionaries(AssetRegister& reg,
                                                                 std::string_view baseFolder);
// "Osoby.OST (nieczytelne wiersze: 2)" or "KST (plik nieczytelny)" for each
// file, joined by "; " (code page 1250); "" when there is none.
std::string readDamageText(const std::vector<std::pair<std::string, ReadDamage>>& damage);

// The temporary folder: of drive C and every other fixed drive (see
// platform/paths.h) the last in letter order with at least 8 GiB size and
// 2 GiB free (C when none), then ":\Wrzos-temp" and the workstation suffix;
// created when missing. Returns the Windows form, e.g. "C:\Wrzos-temp.005".
std::string chooseTemporaryFolder(std::string_view workstationSuffix);
// The temporary file of a base: the base name with ".7BT" in that folder.
std::string temporaryBaseFile(std::string_view temporaryFolder, std::string_view baseName);

}  // namespace zefir::base
