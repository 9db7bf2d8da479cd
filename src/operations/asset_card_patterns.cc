// The pattern lists' own steps: a selection field's pattern starting an empty
// list, and the patterns of a pattern file (`WzoP`).
#include "operations/asset_card.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "text/codepage.h"
#include "text/short_strings.h"

namespace zefir::operations {

void seedPatternList(char section, std::string_view fieldText, CardState& state) {
  const int width = patternWidth(section);
  if (width == 0) return;
  PatternList& p = state.patterns[section - 'I'];
  const std::string t = text::upperCase(text::trimmed(fieldText));
  if (!p.patterns.empty() || t.empty() || t == kSeveralPatterns) return;
  p.patterns = {text::pattern(t, width)};
  p.current = p.patterns[0];
}

Status readPatternFile(std::string_view name, const std::string& baseFolder, int width,
                       std::vector<std::string>* patterns) {
  std::string file = text::trimmed(name);
  if (platform::fileNameOf(file).find('.') == std::string::npos) file += ".WZO";
  std::string folder = platform::folderOf(file);
  if (folder.empty()) folder = baseFolder;
  const std::string found = platform::fileNameAnyCase(folder, platform::fileNameOf(file))
                                .value_or(platform::fileNameOf(file));
  const std::string path = platform::nativePath(folder + found);
  const auto content = platform::readWholeFile(path);
  if (!content) return Status::Error("Nie ma " + path);
  std::size_t start = 0;
  while (start < content->size()) {
    auto end = content->find('\n', start);
    if (end == std::string::npos) end = content->size();
    std::string_view raw = std::string_view(*content).substr(start, end - start);
    if (raw.ends_with('\r')) raw.remove_suffix(1);
    const std::string line = text::upperCase(text::trimmed(raw));
    if (!line.empty()) patterns->push_back(text::pattern(line, width));
    start = end + 1;
  }
  return Status::Ok();
}

}  // namespace zefir::operations
