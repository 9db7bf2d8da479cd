// Reading and rewriting a settings register file (see settings_register.h).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/status.h"

namespace zefir::shell {

// The register's text: "" when the file does not exist, nullopt when it
// stayed locked through every retry ("aPulpit:zRej"). A damaged register
// (its first byte zero while it still has its name) is reported in the
// status line at once and reads as "", with `damaged` set when given.
std::optional<std::string> readRegisterText(std::string_view path, bool* damaged = nullptr);
// "Uszkodzony rejestr ustawień " + path + ": przyjęto wartości domyślne".
std::string damagedRegisterMessage(std::string_view path);
// The register's lines (line ends removed; a final line end ends the last line).
std::vector<std::string> registerLines(std::string_view text);
// Each key's value by normal form; the first line of a key wins.
std::map<std::string, std::string> registerEntries(std::string_view text);
// The normal form `key` has in a register read with `suffix`.
std::string lookupKey(std::string_view key, std::string_view suffix);
// Rewrites the register with each entry (key, value) moved to the end with its
// value, in order, unless the register already holds all of them.
Status writeRegisterEntries(std::string_view path, std::string_view suffix,
                            const std::vector<std::pair<std::string, std::string>>& entries);
// A value as it is written: line breaks made blanks, leading blanks dropped,
// cut to 70 characters.
std::string storableValue(std::string_view value);

}  // namespace zefir::shell
