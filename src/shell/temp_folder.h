// The desktop's temporary folder: the first candidate in which a probe file
// can be written, renamed and read back.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zefir::shell {

// Writes one character to folder + "/{-!-}" + suffix, renames it to
// "{-!!-}" + suffix, reads the character back and deletes the file.
bool probeTemporaryFolder(const std::string& folder, const std::string& suffix);

// The candidates in order: the first line of `#/Temp` + suffix, the first line
// of `#/Temp` (a trailing separator dropped), "E:\Temp", "D:\Temp", "C:\Temp".
std::vector<std::string> temporaryFolderCandidates(const std::string& suffix);

// The first accepted candidate; then, for every drive C..Z whose root exists,
// each folder of the root with "Kosz" added. Nothing when none is accepted.
std::optional<std::string> chooseTemporaryFolder(const std::string& suffix);

}  // namespace zefir::shell
