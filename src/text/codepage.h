// Polish letters across the three code pages the program meets: Windows 1250
// (in memory and on screen), DOS Mazovia (base, dictionary and classification
// files) and DOS 852 (imported text); plus UTF-8 at the program's edges
// (Qt, JSON, XML, XLSX, PDF). Every std::string in the program holds code page
// 1250 bytes unless its name says otherwise.
#pragma once

#include <string>
#include <string_view>

namespace zefir::text {

// Mazovia (and DOS 852, and the DOS extra characters) to code page 1250.
std::string toWindows(std::string_view dos);
// Code page 1250 to Mazovia.
std::string toMazovia(std::string_view windows);
// Code page 1250 to UTF-8 and back (characters 1250 cannot hold become '?').
std::string toUtf8(std::string_view cp1250);
std::string fromUtf8(std::string_view utf8);

// Polish lower-case letters (1250) and a-z become upper case.
std::string upperCase(std::string_view text);
// Polish letters in 1250 and in Mazovia become plain letters ("acelnoszzACELNOSZZ").
std::string plainLetters(std::string_view text);
// Plain letters, then upper case, once a search has started; else unchanged.
std::string searchForm(std::string_view text, bool searchStarted = true);
// Letters made lower case, then the first letter a-z made upper case.
std::string capitalised(std::string_view text);
// XML text: Polish letters as UTF-8, " < > & escaped (an existing "&amp;" kept),
// other characters from 127 up dropped.
std::string xmlText(std::string_view text);

}  // namespace zefir::text
