// Go, Esc and the output choices of the parameter set.
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/parameter_set_dialog.h"
#include "net/program_update.h"
#include "operations/catalogue_hooks.h"
#include "operations/listing_options.h"
#include "output/gui/qt_text.h"
#include "output/report_buffer.h"
#include "output/report_context.h"
#include "shell/base_loading.h"
#include "shell/desktop_services.h"
#include "shell/desktop_settings.h"
#include "shell/gui/desktop_window.h"
#include "shell/login_file.h"
#include "shell/settings_pages.h"
#include "shell/shell_state.h"
#include "text/dates.h"

namespace zefir::gui {

using output::cpText;
using output::qtText;

QString TFZestaw::chosenPrinter() const {
  return printers_ ? printers_->currentData().toString() : QString();
}

namespace {

constexpr int kUpdateSlot = 80;  // F10 "Akt.Zefir"

// Downloads the new program beside this one and hands over to it; the new
// copy puts itself in place on its first tick. A refusal stays in the status line.
Status updateProgram() {
  net::UpdateRequest request;
  const shell::SettingsRegister& program = shell::desktopRegisters().program;
  request.program_path = shell::shellState().programFile;
  request.maker_address = program.text("AdrAktu.xxx");
  request.limits.ca_file = program.text("CertAktu.xxx");
  std::string downloaded;
  Status status = net::downloadUpdate(request, &downloaded);
  if (!status) return status;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* desktop = qobject_cast<TFPulpit*>(window)) {
      desktop->endForProgram(QString::fromLocal8Bit(downloaded.c_str()));
      return status;
    }
  return status;
}

}  // namespace

bool TFZestaw::storeFields(operations::FieldValues& values) {
  const operations::FieldContext context = fieldContext();
  for (int i = 0; i < fieldCount(); ++i) {
    if (inputs_[i].placement.display) continue;
    if (!leaveField(i)) return false;
    values.add(inputs_[i].placement.code, cpText(inputs_[i].edit->text()));
  }
  shell::ShellState& state = shell::shellState();
  Status stored =
      shell::storeSettingFields(values, slot_, shell::desktopRegisters(), state, carried_);
  if (!stored.ok()) showStatus(stored.message(), StatusKind::Error);
  if (values.has("DaOd")) state.fieldDaOd = text::dayFromShortText(values.text("DaOd"));
  if (values.has("DaDo")) state.fieldDaDo = text::dayFromShortText(values.text("DaDo"));
  return true;
}

namespace {

// What the report window's exports take from the run: the option's caption,
// the report's days and, for a listing as of 31 December, its year and the
// register, from which the "JPK" button writes the fixed-asset register file.
void noteReportForExports(const operations::OptionInfo& option,
                          const operations::FieldValues& values) {
  output::ReportContext& ctx = output::reportContext();
  ctx.optionCaption = option.caption;
  ctx.reportFrom = values.has("DaOd") ? text::dayFromShortText(values.text("DaOd")) : 0;
  ctx.reportTo = values.has("DaDo") ? text::dayFromShortText(values.text("DaDo")) : 0;
  const DayNumber day = ctx.reportTo;
  const bool yearEnd = day && text::monthOfDay(day) == 12 && text::dayOfMonth(day) == 31;
  ctx.registerFileYear =
      yearEnd && operations::findListingOption(option.code) ? text::yearOfDay(day) : 0;
  ctx.assetRegister = ctx.registerFileYear ? &shell::desktopRegister() : nullptr;
}

}  // namespace

void TFZestaw::go() {
  if (running_) return;
  const int row = output_list_ ? output_list_->currentRow() : 0;
  const operations::OutputChoice& c = choices_.at(std::max(0, row));
  runWith(c.code, qtText(c.text), chosenPrinter());
}

void TFZestaw::goPdf(bool original) {
  QString pdf;
  for (int i = 0; i < printers_->count(); ++i)
    if (printers_->itemData(i).toString().contains("PDF")) pdf = printers_->itemData(i).toString();
  runWith(original ? "o" : "e", original ? QString::fromUtf8("Oryginał") : "PDF", pdf);
}

void TFZestaw::runWith(const std::string& outputCode, const QString& outputText,
                       const QString& printer) {
  if (running_) return;
  mirrorStatus();
  operations::FieldValues values;
  if (!storeFields(values)) return;
  showStatus(text::fromUtf8("Proszę czekać"), StatusKind::Information);
  if (!printer.isEmpty()) emit printerChosen(printer);
  showStatus(text::fromUtf8("Wykonuję -> ") + cpText(outputText), StatusKind::Information);
  const int before = statusCount();

  if (slot_ == 1 || slot_ == 87) {  // the login and password pages act on the login file
    if (slot_ == 1) logIn(values);
    if (slot_ == 87) changePassword(values);
    return;
  }
  operations::RunOutcome outcome;
  if (option_) {
    running_ = true;
    stop_requested_ = false;
    operations::RunEnvironment env;
    env.assets = &shell::desktopRegister();
    env.baseFolder = shell::shellState().baseFolder;
    env.today = today_;
    env.outputCode = outputCode;
    env.report = &output::reportBuffer();
    env.bracket = this;
    env.stopRequested = [this] { return stop_requested_; };
    env.journal = &shell::desktopJournal();
    env.ask = [](std::string_view question) { return askYesNo(question, 'T') == Answer::Yes; };
    env.choose = [](std::string_view question, char defaultAnswer) {
      const Answer a = askYesNo(question, defaultAnswer);
      return a == Answer::Yes ? 'T' : a == Answer::No ? 'N' : char{0};
    };
    noteReportForExports(*option_, values);
    outcome = operations::wykonaOpc(*option_, values, env);
    running_ = false;
    editorAfterRun(values);
  } else if (slot_ == kUpdateSlot) {
    outcome.status = updateProgram();
  } else if (!shell::isSettingsPage(slot_)) {
    const std::string message = text::fromUtf8("Ta strona nie jest jeszcze zrobiona");
    showStatus(message, StatusKind::Notice);
    outcome.status = Status::Error(message);
  }
  // A run that said nothing itself is summed up here: its failure with the
  // reason it gave, in the error colour, else "Wykonane.".
  if (statusCount() == before) {
    if (outcome.status.ok())
      showStatus("Wykonane.", StatusKind::Information);
    else
      showStatus(outcome.status.message().empty() ? text::fromUtf8("Nie wykonano.")
                                                  : outcome.status.message(),
                 StatusKind::Error);
  }
  if (editForm()) afterEditFormSave(outcome.status);
  if (outcome.focus == operations::FocusAfter::FirstField) enterField(0);
  if (outcome.focus == operations::FocusAfter::LastField) enterField(fieldCount() - 1);
  keepEdits_ = false;
}

void TFZestaw::logIn(const operations::FieldValues& values) {
  std::string message;
  const bool ok = desktopServices().logIn(values.text("Logi"), values.text("Hasl"), &message);
  if (go_->toolTip().isEmpty()) go_->setToolTip(go_->text());
  go_->setText(qtText(message));
  go_->setStyleSheet(ok ? QString() : QStringLiteral("color: red"));
  if (!ok) return;
  shell::shellState().login = values.text("Logi");
  // Shown should the page be used again.
  go_->setText(QString::fromUtf8("Zły login lub hasło"));
  emit closeRequested(slot_);
  hide();
}

void TFZestaw::changePassword(const operations::FieldValues& values) {
  const shell::ShellState& s = shell::shellState();
  if (s.login.empty()) {
    showStatus(text::fromUtf8("Hasło zmienia się po zalogowaniu"), StatusKind::Error);
    return;
  }
  const Status changed = shell::changePassword(shell::kLoginFile, s.login, values.text("HasS"),
                                               values.text("HasN"), values.text("HasP"));
  showStatus(changed.ok() ? text::fromUtf8("Hasło zmienione") : changed.message(),
             changed.ok() ? StatusKind::Information : StatusKind::Error);
  for (const Input& in : inputs_) in.edit->clear();
  if (changed.ok()) enterField(0);
}

void TFZestaw::begin(const std::string& period) {
  // The fields stay as they are while the report runs; the memo over the
  // action button tells what is being made.
  for (const Input& in : inputs_) in.edit->setEnabled(false);
  memo_ = new QLabel(this);
  memo_->setObjectName("memo");
  memo_->setAutoFillBackground(true);
  memo_->setText(qtText(period));
  memo_->setGeometry(go_->geometry());
  memo_->show();
  memo_->repaint();
}

void TFZestaw::end(output::ReportBuffer&, const Status&) {
  if (memo_) {
    memo_->hide();
    memo_->deleteLater();
    memo_ = nullptr;
  }
  for (const Input& in : inputs_) in.edit->setEnabled(!in.placement.display);
}

void TFZestaw::escape() {
  if (running_) {
    stop_requested_ = true;
    return;
  }
  if (slot_ == 1) {  // leaving the login page ends the program
    desktopServices().stop(text::fromUtf8("Rezygnujesz ? Zapraszam następnym razem !"));
    return;
  }
  if (option_ && current_ > 0 &&
      operations::nPowDoMenu(operations::kCatalogueModule, slot_, current_)) {
    enterField(0);
    return;
  }
  emit closeRequested(slot_);
  hide();
}

void TFZestaw::saveOutputAsDefault() {
  if (!option_ || !output_list_) return;
  const int row = output_list_->currentRow();
  (void)shell::desktopRegisters().program.set(operations::outputChoiceKey(option_->outputKey),
                                              std::to_string(row + 1));
}

}  // namespace zefir::gui
