#include "net/page_text.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/file_system.h"
#include "platform/status_line.h"
#include "text/codepage.h"
#include "text/short_strings.h"

namespace zefir::net {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\f';
}

// The few character references a page's plain text uses.
std::string withEntitiesDecoded(std::string_view text) {
  static constexpr std::pair<std::string_view, char> kEntities[] = {
      {"&nbsp;", ' '}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&amp;", '&'}};
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    bool decoded = false;
    for (const auto& [name, c] : kEntities)
      if (text.substr(i, name.size()) == name) {
        out += c;
        i += name.size();
        decoded = true;
        break;
      }
    if (!decoded) out += text[i++];
  }
  return out;
}

}  // namespace

bool isUtf8(std::string_view text) {
  bool high = false;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const int follow = c < 0x80             ? 0
                       : (c & 0xE0) == 0xC0 ? 1
                       : (c & 0xF0) == 0xE0 ? 2
                       : (c & 0xF8) == 0xF0 ? 3
                                            : -1;
    if (follow < 0 || i + follow >= text.size()) return false;
    for (int k = 1; k <= follow; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    high = high || follow > 0;
    i += follow + 1;
  }
  return high;
}

std::string windowsText(std::string_view downloaded) {
  if (downloaded.starts_with("\xEF\xBB\xBF")) downloaded.remove_prefix(3);
  return isUtf8(downloaded) ? text::fromUtf8(downloaded) : std::string(downloaded);
}

std::string pageText(std::string_view html) {
  if (html.empty()) return text::fromUtf8("2. Brak dostępu.");
  const std::string page = windowsText(html);
  const std::string lower = text::asciiLowerCase(page);
  auto body = lower.find("<body");
  while (body != std::string::npos && std::isalpha(static_cast<unsigned char>(lower[body + 5])))
    body = lower.find("<body", body + 5);  // "<bodyx" is another element
  const auto open_end = body == std::string::npos ? body : lower.find('>', body);
  if (open_end == std::string::npos) return text::fromUtf8("3. Błędnie ściągnięta informacja.");
  std::string text = page.substr(open_end + 1, lower.find("</body", open_end) - open_end - 1);
  text.erase(
      std::remove_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }),
      text.end());
  // Down to the first element that holds text: its leading tags go, and the
  // blanks between them that a browser would not show.
  for (;;) {
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    if (first == text.end() || *first != '<') break;
    const auto close = text.find('>', static_cast<std::size_t>(first - text.begin()));
    text.erase(0, close == std::string::npos ? text.size() : close + 1);
  }
  return withEntitiesDecoded(std::string_view(text).substr(0, text.find('<')));
}

std::string downloadedPageText(const Status& downloaded, std::string_view file) {
  if (!downloaded) {
    showStatus(downloaded.message(), StatusKind::Error);
    return text::fromUtf8("2. Brak dostępu.");
  }
  return pageText(platform::readWholeFile(file).value_or(""));
}

std::string readWebPage(std::string_view url, std::string_view file, const DownloadLimits& limits) {
  return downloadedPageText(download(url, file, limits), file);
}

}  // namespace zefir::net
