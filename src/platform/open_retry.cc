#include "platform/open_retry.h"

#include <string>

#include "platform/status_line.h"

namespace zefir::platform {

bool retryOpen(std::string_view fileName, std::string_view callerTag,
               const std::function<bool()>& attempt) {
  if (attempt()) return true;
  for (int left = kOpenRetries; left > 0; --left) {
    systemCalls().sleepMs(systemCalls().randomInt(1, 99));
    std::string text = "@" + std::to_string(left) + " ";
    text += fileName;
    text += " z ";
    text += callerTag;
    showStatus(text, StatusKind::Error);
    if (attempt()) {
      showStatus("", StatusKind::Information);
      return true;
    }
  }
  showStatus("", StatusKind::Information);
  return false;
}

bool openWithRetry(SharedFile& file, std::string_view path, ShareMode mode, Creation creation,
                   std::string_view callerTag) {
  return retryOpen(path, callerTag,
                   [&] { return file.open(path, mode, creation) == OpenError::None; });
}

}  // namespace zefir::platform
