#include "operations/field_rules.h"

#include <algorithm>
#include <cctype>

#include "operations/asset_documents.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "register/asset_register.h"
#include "register/change_documents.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::operations {

namespace {

std::string trimmed(std::string_view text) {
  std::size_t b = text.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  std::size_t e = text.find_last_not_of(' ');
  return std::string(text.substr(b, e - b + 1));
}

bool allDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

FieldVerdict refused() {
  return {false, fixHereText(), StatusKind::Error};
}

FieldVerdict newBaseName(std::string_view text, const FieldContext& c, bool mayBeEmpty) {
  std::string name = trimmed(text);
  if (name.empty()) return mayBeEmpty ? FieldVerdict{} : refused();
  if (existingBaseFile(c.baseFolder, name)) return refused();
  return {true, "Nie ma " + baseFilePath(c.baseFolder, name), StatusKind::Information};
}

int numberOf(std::string_view digits) {
  int n = 0;
  for (char ch : digits) n = std::min(n * 10 + (ch - '0'), 99999);
  return n;
}

std::string completedYear(std::string_view text) {
  std::string t = trimmed(text);
  if (!allDigits(t) || t.size() > 2) return t;
  int n = numberOf(t);
  return std::to_string(n >= 40 ? 1900 + n : 2000 + n);
}

bool oneOf(std::string_view text, std::string_view letters) {
  return text.size() == 1 && letters.find(text[0]) != std::string_view::npos;
}

std::string clamped(std::string_view text, int low, int high) {
  std::string t = trimmed(text);
  if (!allDigits(t)) return t;
  return std::to_string(std::clamp(numberOf(t), low, high));
}

std::string firstLetter(std::string_view text, std::string_view letters) {
  std::string t = text::upperCase(trimmed(text));
  if (!t.empty() && letters.find(t[0]) != std::string_view::npos) return t.substr(0, 1);
  return std::string(1, letters[0]);
}

// A document letter A..Z names a document of the kind when the asset has
// that many: a letter past the last would print a document other than the
// one asked for. For OT the asset's own acceptance is always document A.
bool hasDocument(AssetRegister& assets, const std::string& symbol, const std::string& kind,
                 std::string_view letter) {
  if (letter.size() != 1) return false;
  if (symbol.empty() || !assets.exists(text::upperCase(symbol))) return false;
  SelectedDocument document;
  return selectDocument(assets.currentRecord(), kind, letter[0], document).ok();
}

}  // namespace

std::optional<std::string> existingBaseFile(const std::string& folder, const std::string& name) {
  return platform::fileNameAnyCase(folder, name + ".PST");
}

std::string baseFilePath(const std::string& folder, const std::string& name) {
  std::string prefix = folder;
  if (!prefix.empty() && prefix.back() != '\\' && prefix.back() != '/') prefix += '\\';
  return prefix + name + ".PST";
}

std::string fixHereText() {
  return "Tu popraw";
}

std::string badDateText() {
  return text::fromUtf8("Błędna postać daty");
}

FieldVerdict checkField(const FieldInfo& field, std::string_view text, const FieldContext& c) {
  std::string t = text::upperCase(trimmed(text));
  switch (field.check) {
    case FieldCheck::None:
      return {};
    case FieldCheck::AssetExists:
      if (!c.assets) return {};
      return !t.empty() && c.assets->exists(t) ? FieldVerdict{} : refused();
    case FieldCheck::DocumentOfKind:
      if (c.documentExists)
        return c.documentExists(c.documentSymbol, t) ? FieldVerdict{} : refused();
      if (!c.assets) return {};
      return hasDocument(*c.assets, c.documentSymbol, c.documentKind, t) ? FieldVerdict{}
                                                                         : refused();
    case FieldCheck::Year2000To2039: {
      // The year is read as completed, so "21" stands for 2021.
      std::string year = completedYear(t);
      if (!allDigits(year)) return refused();
      int y = numberOf(year);
      return y >= 2000 && y <= 2039 ? FieldVerdict{} : refused();
    }
    case FieldCheck::Digit:
      return oneOf(t, "0123456789") ? FieldVerdict{} : refused();
    case FieldCheck::OneToThree:
      return oneOf(t, "123") ? FieldVerdict{} : refused();
    case FieldCheck::LetterTZG:
      return oneOf(t, "TZG") ? FieldVerdict{} : refused();
    case FieldCheck::LetterEGM:
      return oneOf(t, "EGM") ? FieldVerdict{} : refused();
    case FieldCheck::NewArchive:
      return newBaseName(text, c, false);
    case FieldCheck::NewBase:
      return newBaseName(text, c, true);
  }
  return {};
}

std::optional<std::string> fieldDefault(const FieldInfo& field, const FieldContext& c) {
  switch (field.defaultRule) {
    case FieldDefault::Text:
      return field.defaultText;
    case FieldDefault::ArchiveOfToday:
      return "Ar" + text::shortTextOfDay(c.today);
    case FieldDefault::None:
    case FieldDefault::SummaryDepths:
      break;
  }
  return std::nullopt;
}

std::optional<std::string> fieldPattern(const FieldInfo& field, const FieldContext& c) {
  switch (field.patternRule) {
    case FieldPattern::Text:
      return field.patternText;
    case FieldPattern::CurrentAsset:
      return c.currentAsset;
    case FieldPattern::LastFilter:
      return c.lastFilter;
    case FieldPattern::Today:
      return text::shortTextOfDay(c.today);
    case FieldPattern::None:
    case FieldPattern::SummaryDepths:
      break;
  }
  return std::nullopt;
}

std::string completedText(const FieldInfo& field, std::string_view text, const FieldContext& c,
                          bool* dateError) {
  if (dateError) *dateError = false;
  switch (field.completion) {
    case FieldCompletion::None:
      return std::string(text);
    case FieldCompletion::AssetSymbol:
      return text::upperCase(trimmed(text)).substr(0, 15);
    case FieldCompletion::DocumentLetter:
      return text::upperCase(trimmed(text)).substr(0, 1);
    case FieldCompletion::Year:
      return completedYear(text);
    case FieldCompletion::Selection:
      return std::string(text.substr(0, 15));
    case FieldCompletion::Date: {
      std::string digits = text::typedDateDigits(text, c.today);
      if (digits.empty()) return {};
      DayNumber day = text::dayFromShortText(digits);
      if (day == 0 || day > text::kLastTextDay) {
        if (dateError) *dateError = true;
        return std::string(text);
      }
      return text::shortTextOfDay(day);
    }
    case FieldCompletion::YesNo: {
      std::string t = text::upperCase(trimmed(text));
      return t.empty() || t[0] == 'N' || t[0] == '-' ? "N" : "T";
    }
    case FieldCompletion::FileName: {
      std::string t;
      for (char ch : text)
        if (std::string_view("\"*,./:;<=>?[\\]|").find(ch) == std::string_view::npos) t += ch;
      return trimmed(t);
    }
    case FieldCompletion::ClampDigit:
      return clamped(text, 0, 9);
    case FieldCompletion::ClampOneToThree:
      return clamped(text, 1, 3);
    case FieldCompletion::FirstLetterTZG:
      return firstLetter(text, "TZG");
    case FieldCompletion::FirstLetterBP:
      return firstLetter(text, "BP");
    case FieldCompletion::FirstLetterEGM:
      return firstLetter(text, "EGM");
    case FieldCompletion::AtMost16:
      return clamped(text, 0, 16);
    case FieldCompletion::AtMost20:
      return clamped(text, 0, 20);
  }
  return std::string(text);
}

std::string changedText(const FieldInfo& field, std::string_view text) {
  if (field.letterCase == LetterCase::Keep) return std::string(text);
  return text::upperCase(text);
}

}  // namespace zefir::operations
