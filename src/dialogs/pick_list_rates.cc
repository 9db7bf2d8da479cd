// The exchange-rate refresh the desktop runs when list A opens. The network
// layer sits above the pick lists, so the window only gets it as a callback.
#include "dialogs/pick_list_window.h"
#include "net/rate_refresh.h"
#include "platform/file_system.h"
#include "shell/desktop_settings.h"
#include "shell/shell_state.h"
#include "text/dates.h"

namespace zefir::gui {

std::string desktopRateFile() {
  return net::rateFilePath(shell::shellState().programFolder,
                           text::yearOfDay(platform::localClock().day));
}

std::string refreshDesktopRates() {
  net::RateRefresh request;
  request.folder = shell::shellState().programFolder;
  const std::string source = shell::desktopRegisters().program.text("AdrNBP.xxx");
  if (!source.empty()) request.source = source;
  return net::refreshRates(request).rate_file;
}

}  // namespace zefir::gui
