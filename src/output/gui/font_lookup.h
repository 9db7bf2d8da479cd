// Fonts named in the settings register ("c Consolas") found among the
// installed fonts.
#pragma once

#include <QFont>
#include <QString>
#include <string_view>

namespace zefir::output {

// The leading one-letter prefix and blank are dropped; the last installed
// family whose name occurs in the rest is used. Where none does (Consolas on
// Linux), a monospace font with Polish letters takes its place.
QString installedFamily(std::string_view setting);

// A font of the settings' name, style ("Bold" makes it bold) and size.
QFont settingsFont(std::string_view name, std::string_view style, int size);

}  // namespace zefir::output
