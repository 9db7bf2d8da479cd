// The desktop's small rules, kept apart from its window: status colours, the
// clock text, the window-font lookup, the captions and the administrator's
// message file.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status_line.h"

namespace zefir::shell {

struct Rgb {
  std::uint8_t r, g, b;
  bool operator==(const Rgb&) const = default;
};

// Status bar colour of each kind: error FF BB 77, notice BB FF BB,
// information 77 BB FF.
Rgb statusColour(StatusKind kind);
// The idle colour: D2 D0 C0, or D8 E8 F8 in the compact layout.
Rgb idleColour(bool compact);
// The compact layout: the window font is "Bold" at size 10 or less.
bool compactLayout(std::string_view style, int size);

inline constexpr int kStatusBarHeight = 25;
inline constexpr int kIdleStatusBarHeight = 21;

// "31-12 12:00": day and month, a blank, hours and minutes.
std::string clockText(const std::tm& local);

// Status text after a load: the status text cut before its first three
// blanks, two blanks, the seconds and " s".
std::string loadTimeText(std::string_view status, double seconds);

// The desktop's caption while the loading panel is shown.
std::string loadingCaption(const std::string& baseFile, const std::string& reportText,
                           const std::string& suffix, const std::string& placement,
                           const std::string& rememberedBaseFolder,
                           const std::string& currentBaseFolder);

// The administrator's message to this workstation (`!/OdAdmina` + suffix):
// its first line (up to 80 characters); the file is deleted. Nothing when the
// file does not exist.
std::optional<std::string> takeAdminMessage(const std::string& suffix);

}  // namespace zefir::shell
