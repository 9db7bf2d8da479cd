#include "output/gui/font_lookup.h"

#include <QFontDatabase>
#include <QStringList>
#include <map>
#include <string>

#include "output/gui/qt_text.h"

namespace zefir::output {

QString installedFamily(std::string_view setting) {
  static std::map<std::string, QString> found;
  auto it = found.find(std::string(setting));
  if (it != found.end()) return it->second;
  QString wanted = qtText(setting);
  if (wanted.size() > 2 && wanted[1] == QLatin1Char(' ')) wanted = wanted.mid(2);
  wanted = wanted.trimmed();
  QString family;
  const QStringList families = QFontDatabase::families();
  for (const QString& f : families)
    if (!wanted.isEmpty() && wanted.contains(f, Qt::CaseInsensitive) && f.size() > 2) family = f;
  if (family.isEmpty())
    family = families.contains(QStringLiteral("DejaVu Sans Mono"))
                 ? QStringLiteral("DejaVu Sans Mono")
                 : QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
  found.emplace(std::string(setting), family);
  return family;
}

QFont settingsFont(std::string_view name, std::string_view style, int size) {
  QFont font(installedFamily(name));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(size > 0 ? size : 10);
  font.setBold(style == "Bold");
  return font;
}

}  // namespace zefir::output
