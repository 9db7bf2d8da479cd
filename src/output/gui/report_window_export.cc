// The report window's export buttons: "XLS" writes the marked rows into a
// workbook, with the From field showing the progress and "Zamknij"
// cancelling; "JPK" writes the audit file of the running option.
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

#include "output/gui/qt_text.h"
#include "output/gui/report_window.h"
#include "output/jpk_export.h"
#include "output/jpk_st_kr.h"
#include "output/report_context.h"
#include "output/xlsx_export.h"
#include "platform/status_line.h"
#include "shell/desktop_services.h"

namespace zefir::output {

namespace {

// The From field shows the row being written every this many rows, and the
// window takes its events ("Zamknij") then.
constexpr int kProgressStep = 100;

}  // namespace

bool TFRaport::exportProgress(int row) {
  if (row % kProgressStep == 0) {
    from_->setText(QString::number(row));
    QCoreApplication::processEvents();
  }
  return !buffer_.view.cancelRequested;
}

void TFRaport::exportXls() {
  ReportViewState& v = buffer_.view;
  if (v.to - v.from > kXlsxMaxSpan) {
    showStatus(text::fromUtf8("Więcej niż 100.000 wierszy"), StatusKind::Error);
    return;
  }
  const ReportContext& ctx = reportContext();
  const std::string path = xlsxExportPath(ctx, buffer_.code());
  const QString savedFrom = from_->text().left(7);
  setButtonsEnabled(false);
  close_->setEnabled(true);  // "Zamknij" cancels the export
  v.cancelRequested = false;
  v.busy = true;
  const XlsxOutcome outcome =
      writeXlsx(buffer_, v.from, v.to, path, xlsxTitles(ctx, xlsxStamp(ctx)),
                [this](int row) { return exportProgress(row); });
  v.busy = false;
  v.cancelRequested = false;
  from_->setText(savedFrom);
  setButtonsEnabled(true);
  const QString shown = QDir::toNativeSeparators(QString::fromStdString(path));
  if (outcome == XlsxOutcome::NotWritten) {
    lastXlsx_.clear();
    showStatus(text::fromUtf8("Nie można zapisać pliku ") + cpText(shown), StatusKind::Error);
    return;
  }
  lastXlsx_ = QString::fromStdString(path);
  showStatus(cpText(shown), StatusKind::Notice);
  emit xlsWritten(lastXlsx_);
  offerToOpen(lastXlsx_);
}

// The desktop's application for .xlsx files opens the workbook when the user
// wants it; without one the status line keeps naming the file written.
void TFRaport::offerToOpen(const QString& path) {
  if (askYesNo(text::fromUtf8("Otworzyć skoroszyt w arkuszu kalkulacyjnym"), 'T') != Answer::Yes)
    return;
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
    showStatus(cpText(QDir::toNativeSeparators(path)), StatusKind::Notice);
}

bool writesRegisterFile(const ReportContext& ctx) {
  return ctx.registerFileYear > 0 && ctx.assetRegister && ctx.menuPosition != "EA" &&
         ctx.menuPosition != "DD";
}

void TFRaport::exportJpk() {
  const ReportContext& ctx = reportContext();
  setButtonsEnabled(false);
  JpkResult result;
  if (writesRegisterFile(ctx)) {
    StKrRequest request;
    request.company = readCompanyData(ctx.baseFolder, "#");
    request.year = ctx.registerFileYear;
    request.createdAt = jpkTimeNow();
    request.defaults = stKrDefaults(ctx.baseFolder);
    result = writeStKrFile(ctx, *ctx.assetRegister, request);
  } else {
    JpkRequest request;
    request.company = readCompanyData(ctx.baseFolder, "#");
    request.firstDay = ctx.reportFrom;
    request.lastDay = ctx.reportTo;
    result = writeJpk(ctx, request);
  }
  setButtonsEnabled(true);
  const std::string shown = cpText(QDir::toNativeSeparators(QString::fromStdString(result.path)));
  if (!result.written) {
    showStatus("Zakazany " + shown, StatusKind::Error);
    return;
  }
  showStatus(shown + "  O.K.", StatusKind::Information);
  jpk_->setText(QStringLiteral("OK"));
  emit jpkWritten(QString::fromStdString(result.path));
}

}  // namespace zefir::output
