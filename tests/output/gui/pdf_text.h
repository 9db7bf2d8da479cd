// The text of a PDF file as pdftotext reads it (pages end in form feeds).
#pragma once

#include <QProcess>
#include <QString>

inline QString pdfText(const QString& path) {
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!text.waitForFinished()) return QString();
  return QString::fromUtf8(text.readAllStandardOutput());
}
