// Turning an option's layout text into lines of placed fields, and the
// layouts that depend on the base: the classification editor and the
// dictionary grids.
#include <string>

#include "operations/option_catalogue.h"
#include "text/codepage.h"

namespace zefir::operations {

namespace {

// The most entries a dictionary holds, shown under its grid.
constexpr int kDictionaryEntries = 999;
constexpr int kGridRows = 11;

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

FieldPlacement labelAlone(std::string label) {
  FieldPlacement p;
  p.label = std::move(label);
  return p;
}

// A field as the table describes it, with the label of its place.
FieldPlacement placed(std::string_view code, const std::string* label, int kind = kInputField) {
  FieldPlacement p;
  p.code = std::string(code);
  p.kind = kind;
  if (const FieldInfo* f = findField(code)) {
    p.number = f->number;
    p.width = f->width;
    p.display = f->display;
    p.label = label ? *label : f->label;
  } else if (label) {
    p.label = *label;
  }
  return p;
}

FieldPlacement placedItem(std::string_view item) {
  if (!item.empty() && item.front() == '=') return labelAlone(std::string(item.substr(1)));
  std::size_t colon = item.find(':');
  if (colon == std::string_view::npos) return placed(item, nullptr);
  std::string label(item.substr(colon + 1));
  return placed(item.substr(0, colon), &label);
}

std::vector<LayoutLine> parsedLayout(std::string_view layout) {
  std::vector<LayoutLine> lines;
  for (std::string_view line : split(layout, ';')) {
    LayoutLine l;
    for (std::string_view item : split(line, '+')) l.push_back(placedItem(item));
    lines.push_back(std::move(l));
  }
  return lines;
}

std::string folderPrefix(const std::string& baseFolder) {
  if (baseFolder.empty() || baseFolder.back() == '\\' || baseFolder.back() == '/')
    return baseFolder;
  return baseFolder + "\\";
}

std::vector<LayoutLine> classificationLayout(const LayoutContext& c) {
  std::string title = text::fromUtf8("Klasyfikacja ŚT ze zbioru ") + c.classificationFile + "." +
                      text::fromUtf8("   Podaj symbol KŚT");
  std::string hint = "gdy potrzebna jest zmiana symbolu";
  return {{placed("HKSE", &title)},
          {placed("HKSX", nullptr), labelAlone(hint)},
          {placed("HKSS", nullptr)},
          {placed("HKSO", nullptr)}};
}

struct Grid {
  const char* titleUtf8;
  const char* file;
  const char* symbol;
  const char* description;
};

std::vector<LayoutLine> gridLayout(const Grid& g, const LayoutContext& c) {
  std::vector<LayoutLine> lines;
  lines.push_back(
      {labelAlone(text::fromUtf8(g.titleUtf8) + folderPrefix(c.baseFolder) + g.file + " ]")});
  for (int i = 1; i <= kGridRows; ++i) {
    std::string number = std::to_string(i);
    FieldPlacement row = placed("LiPo", &number, kGridCell);
    lines.push_back(
        {row, placed(g.symbol, nullptr, kGridCell), placed(g.description, nullptr, kGridCell)});
  }
  lines.push_back(
      {labelAlone(text::fromUtf8(" Maksymalnie zapisów ") + std::to_string(kDictionaryEntries))});
  return lines;
}

}  // namespace

std::vector<LayoutLine> optionLayout(const OptionInfo& option, const LayoutContext& context) {
  const std::string& layout = option.layoutText;
  if (layout.empty()) return {};
  if (layout == "@KST") return classificationLayout(context);
  if (layout == "@MU")
    return gridLayout({" Lp      Symbol miejsca   Opis.. [ miejsca użytkowania ze zbioru ",
                       "MiejscaU.MST", "HMUS", "HMUO"},
                      context);
  if (layout == "@OO")
    return gridLayout({" Lp      Symbol osoby   Opis.. [ osoby odpowiedzialne ze zbioru ",
                       "Osoby.OST", "HOOS", "HOOO"},
                      context);
  if (layout == "@KK")
    return gridLayout(
        {" Lp      Symbol konta   Opis.. [ konta księgowe ze zbioru ", "Konta.KST", "HKoS", "HKoO"},
        context);
  return parsedLayout(layout);
}

std::vector<FieldPlacement> inputFields(const std::vector<LayoutLine>& lines) {
  std::vector<FieldPlacement> inputs;
  for (const LayoutLine& line : lines)
    for (const FieldPlacement& p : line)
      if (!p.code.empty() && !p.display && p.width > 0) inputs.push_back(p);
  return inputs;
}

}  // namespace zefir::operations
