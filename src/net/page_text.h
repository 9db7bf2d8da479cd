// Text downloaded from the web: its code page, and the text a web page shows.
#pragma once

#include <string>
#include <string_view>

#include "net/download.h"

namespace zefir::net {

// True when the text has bytes above 127 and all of them form UTF-8 sequences;
// code page 1250 text with Polish letters practically never does.
bool isUtf8(std::string_view text);

// Downloaded text in code page 1250, whether it came as UTF-8 or as 1250.
std::string windowsText(std::string_view downloaded);

// The text a page keeps as its result: the text of the first innermost element
// of its body, on one line. Without a body: "3. Błędnie ściągnięta informacja.";
// for an empty page: "2. Brak dostępu.". Code page 1250.
std::string pageText(std::string_view html);

// The result of a page downloaded into `file` with the outcome `downloaded`:
// its pageText; when the download failed, "2. Brak dostępu." with the reason
// in the status line (kind 0).
std::string downloadedPageText(const Status& downloaded, std::string_view file);

// Downloads `url` into `file` and returns downloadedPageText.
std::string readWebPage(std::string_view url, std::string_view file,
                        const DownloadLimits& limits = {});

}  // namespace zefir::net
