// File helpers the desktop offers the rest of the program.
#pragma once

#include <string>
#include <string_view>

namespace zefir::shell {

// Flags of fileExists().
inline constexpr int kSayWhenMissing = 1;  // "Nie ma " + path (kind 0)
inline constexpr int kSayWhenPresent = 2;  // "0becny " + path (kind 0)

bool fileExists(std::string_view path, int flags = 0);

// The path with its extension (after the last "." of the file name) replaced
// by ".BAK"; a name without one gets ".BAK" added.
std::string backupPath(std::string_view path);

// Renames the file to its backup: an old backup is deleted first, then the
// file renamed, each tried up to 5 times while another opener holds the
// file. "Poszło" (kind 1) when an attempt had to be repeated.
bool backupByRenaming(std::string_view path);

}  // namespace zefir::shell
