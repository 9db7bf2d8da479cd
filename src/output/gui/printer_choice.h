// The printers the report window and the document viewer offer: the
// system's, then Zefir's own PDF printer, which writes into the base folder's
// PDF/ folder.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace zefir::output {

// The name of Zefir's own PDF printer, offered after the system's printers.
inline const QString kZefirPdfPrinter = QStringLiteral("Zefir PDF");

// The system's printers then Zefir's own, so that "PDF" works on every machine.
QStringList printerList(QStringList system);

// A printer "PDF" may print on: its name contains "PDF".
bool isPdfPrinter(const QString& name);
// The last of them ("" when none).
QString lastPdfPrinter(const QStringList& printers);

// The file Zefir's own PDF printer writes for a job: the job title with
// ".pdf" in the PDF folder of the base folder (the current folder when none);
// the folder is made when missing.
QString pdfPrinterPath(const std::string& baseFolder, const QString& jobTitle);

}  // namespace zefir::output
