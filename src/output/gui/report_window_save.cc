// The report window's "Zapisz": the buffer kept as JSON, to be printed again
// later with zefir-cli render.
#include <QDir>
#include <QFile>
#include <QFileDialog>

#include "output/gui/report_window.h"
#include "output/report_context.h"
#include "output/report_json.h"
#include "platform/status_line.h"
#include "text/codepage.h"

namespace zefir::output {

void TFRaport::saveBuffer() {
  const std::string& folder = reportContext().baseFolder;
  const QString suggested =
      QDir(QString::fromStdString(folder.empty() ? "." : folder))
          .filePath(QString::fromStdString(text::toUtf8(buffer_.code())) + QStringLiteral(".json"));
  const QString path =
      chooseSavePath_
          ? chooseSavePath_(suggested)
          : QFileDialog::getSaveFileName(this, QString::fromUtf8("Zapisz bufor raportu"), suggested,
                                         QString::fromUtf8("Bufor raportu (*.json)"));
  if (path.isEmpty()) return;
  const std::string where = text::fromUtf8(path.toStdString());
  QFile file(path);
  const QByteArray json = QByteArray::fromStdString(reportToJson(buffer_));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(json) != json.size() ||
      !file.flush()) {
    showStatus(text::fromUtf8("Nie można zapisać pliku ") + where, StatusKind::Error);
    return;
  }
  showStatus(text::fromUtf8("Zapisano bufor raportu: ") + where, StatusKind::Information);
}

}  // namespace zefir::output
