// The login file `!/Login.txt`: one user a line (up to 80 characters),
// fields separated by ",": workstation number (0..197), login, password,
// rights letter, base folder, base name; further fields are not read.
//
// Passwords are compared without regard to letter case. A password field
// starting with "$argon2id$" holds a salted hash of the upper-cased password
// (the password page writes it, its "," written as "."; such a line may be
// longer than 80 characters); any other field is an old clear password,
// which keeps working until that user changes the password.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/status.h"

namespace zefir::shell {

inline constexpr const char* kLoginFile = "!/Login.txt";

struct LoginEntry {
  int workstation = -1;  // -1 when field 1 is not a number 0..197: never matches
  std::string login;
  std::string password;    // as written: a hash or a clear password
  char rights = 'W';       // "A", "K", "F" or "O"; anything else "W"
  std::string baseFolder;  // relative, without its separator; empty: program folder
  std::string baseName;    // empty: "Srodki"
};

LoginEntry parseLoginLine(std::string_view line);

// The first usable line whose login equals `login` (letter case ignored).
std::optional<LoginEntry> findLogin(std::string_view content, std::string_view login);

bool isHashedPassword(std::string_view field);
// The field the password page writes: a salted hash ("" when hashing fails).
std::string hashPassword(std::string_view password);
// Whether `typed` is the password of the field (hashed or clear).
bool passwordMatches(std::string_view field, std::string_view typed);

// The password page: checks the old password of `login`, that the new one is
// given, has no "," and equals its repetition, and rewrites the login file
// (owner-only) with the new password hashed; other lines stay as they are.
Status changePassword(const std::string& loginFilePath, std::string_view login,
                      std::string_view oldPassword, std::string_view newPassword,
                      std::string_view repeated);

// Turns an old login file into hashed form: every clear password of a usable
// line is replaced by its hash (owner-only, other lines as they are);
// `hashed` receives how many.
Status hashClearPasswords(const std::string& loginFilePath, int* hashed = nullptr);

}  // namespace zefir::shell
