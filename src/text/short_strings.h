// Padding, trimming and small helpers for the program's short strings.
#pragma once

#include <string>
#include <string_view>

namespace zefir::text {

// Leading and trailing blanks removed, runs of blanks reduced to one (input cut to 80).
std::string normalised(std::string_view text);
// Leading and trailing blanks removed (blanks inside kept).
std::string trimmed(std::string_view text);
std::string blanks(int count);                             // at most 250
std::string repeated(char c, int count);                   // at most 250
std::string fixedWidth(std::string_view text, int width);  // cut or padded right
// The first n characters; a negative n drops the last -n characters.
std::string leftPart(std::string_view text, int n);
// The ASCII letters made lower case, every other byte kept (file names,
// HTML tags).
std::string asciiLowerCase(std::string_view text);
char firstLetter(std::string_view text);  // ' ' for the empty text
char yesNoLetter(bool flag);              // 'T' or 'N'
// The character of `target` at c's place in `source`; `found` tells whether it
// was there (when not, c comes back unchanged).
char translate(char c, std::string_view source, std::string_view target, bool* found = nullptr);
// Each '*' becomes 25 '?' (any character), then cut to `length`.
std::string pattern(std::string_view text, int length);
// True when `text` matches a pattern made by pattern(): '?' matches any
// character, or none past the end of the text; other characters must be equal,
// and a text longer than the pattern does not match.
bool matchesPattern(std::string_view text, std::string_view pattern);

}  // namespace zefir::text
