// Windows paths on Linux.
//
// Paths reach the program from settings, the login file and other shared
// files that Windows workstations also write, so a path may use "\" or "/"
// and may start with a drive letter. nativePath() maps them onto Linux:
//
//   "\" and "/"        both separate folders; the result uses "/".
//   "X:\rest" "X:/rest" a drive letter (either case) is replaced by that
//                       drive's root folder, see driveRoot(); "X:rest"
//                       (drive-relative) is taken as "X:\rest".
//   "\\server\share\x"  a UNC path is kept as "//server/share/x" (the share is
//                       expected to be mounted under that path, if at all).
//   anything else       relative to the current folder, or absolute on Linux.
//
// Drive roots: C: is the system temporary folder /tmp,
// because the program only ever uses C: for its temporary folder
// "C:\Wrzos-temp" + identifier. D: to Z: are /mnt/d to /mnt/z, the usual place
// for mounted Windows drives. Tests may set any root with setDriveRoot().
//
// Letter case: Linux file names are case-sensitive, Windows ones are not; the
// program's own names ("Srodki.PST", "KST") are always spelled alike, so no
// case folding is done.
#pragma once

#include <string>
#include <string_view>

namespace zefir::platform {

std::string nativePath(std::string_view path);

// Root folder of a drive letter ('A'..'Z', either case); "" for other chars.
std::string driveRoot(char letter);
// Overrides the root of one drive ("" restores the default).
void setDriveRoot(char letter, std::string root);

// The path with "/" and "\" both read as separators: folder part with its
// trailing separator ("" when none) and the file name.
std::string folderOf(std::string_view path);
std::string fileNameOf(std::string_view path);

}  // namespace zefir::platform
