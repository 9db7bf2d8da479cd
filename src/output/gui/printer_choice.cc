#include "output/gui/printer_choice.h"

#include <QDir>

#include "output/gui/qt_text.h"

namespace zefir::output {

QStringList printerList(QStringList system) {
  system.removeAll(kZefirPdfPrinter);
  system.append(kZefirPdfPrinter);
  return system;
}

bool isPdfPrinter(const QString& name) {
  return name.contains(QStringLiteral("PDF"));
}

QString lastPdfPrinter(const QStringList& printers) {
  QString last;
  for (const QString& name : printers)
    if (isPdfPrinter(name)) last = name;
  return last;
}

QString pdfPrinterPath(const std::string& baseFolder, const QString& jobTitle) {
  QString base = qtText(baseFolder);
  base.replace(QLatin1Char('\\'), QLatin1Char('/'));
  QDir dir(base.isEmpty() ? QDir::currentPath() : base);
  dir.mkpath(QStringLiteral("PDF"));
  return dir.filePath(QStringLiteral("PDF/") + jobTitle + QStringLiteral(".pdf"));
}

}  // namespace zefir::output
