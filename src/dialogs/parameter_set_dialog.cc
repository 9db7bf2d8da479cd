#include "dialogs/parameter_set_dialog.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QListWidget>
#include <QPalette>
#include <QPrinterInfo>
#include <QPushButton>

#include "operations/asset_card.h"
#include "operations/catalogue_hooks.h"
#include "output/gui/font_lookup.h"
#include "output/gui/printer_choice.h"
#include "output/gui/qt_text.h"
#include "output/gui/report_window.h"
#include "platform/file_system.h"
#include "shell/base_loading.h"
#include "shell/settings_pages.h"
#include "shell/shell_state.h"
#include "shell/window_requests.h"

namespace zefir::gui {

using output::cpText;
using output::qtText;

namespace {

constexpr int kMostFields = 200;
constexpr int kGrowSteps = 7;
const char* const kConfirmRowUtf8 = "Enter, Wykonaj = TAK,  Esc, Anuluj = NIE";

// The layout values of `KonOkien`.
struct LayoutValues {
  int hMargin, hSpacing, vMargin, vSpacing, depth, spacing;
};

LayoutValues layoutValues() {
  const shell::SettingValue v = shell::desktopRegisters().program.value("KonOkien");
  return {v.number(4), v.number(5), v.number(6), v.number(7), v.number(8), v.number(9)};
}

const QString kLabelStyle = QStringLiteral("color: rgb(128, 0, 0);");
const QString kBoxStyle = QStringLiteral(
    "QLineEdit { background: rgb(238, 238, 238); color: black; border: 2px inset gray; }");
const QString kMarkedBoxStyle = QStringLiteral(
    "QLineEdit { background: rgb(200, 255, 255); color: black; border: 2px inset gray; }");
const QString kDisplayStyle = QStringLiteral(
    "QLineEdit { background: rgb(210, 208, 192); color: rgb(128, 0, 0); border: none; }");

}  // namespace

// The status line while the dialog is shown: every message goes on to the
// line that was in force and is mirrored in the dialog's message panel.
class TFZestaw::MirroringStatusLine : public StatusLine {
 public:
  explicit MirroringStatusLine(TFZestaw* dialog) : dialog_(dialog) {}
  void install() {
    if (installed_) return;
    previous_ = &statusLine();
    setStatusLine(this);
    installed_ = true;
  }
  void uninstall() {
    if (!installed_) return;
    if (&statusLine() == this) setStatusLine(previous_);
    installed_ = false;
  }
  void show(std::string_view text, StatusKind kind) override {
    ++count;
    if (previous_) previous_->show(text, kind);
    dialog_->message_->setText(qtText(text));
    dialog_->message_->setStyleSheet(kind == StatusKind::Error ? "color: rgb(192, 0, 0);"
                                                               : "color: black;");
  }
  int count = 0;

 private:
  TFZestaw* dialog_;
  StatusLine* previous_ = nullptr;
  bool installed_ = false;
};

TFZestaw::TFZestaw(QWidget* parent) : QWidget(parent) {
  setObjectName("TFZestaw");
  setWindowTitle(QString::fromUtf8("Zestaw parametrów"));
  setFocusPolicy(Qt::StrongFocus);
  // Labels and panels on the dialog's own colour.
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(0xD2, 0xD0, 0xC0));
  setPalette(p);
  message_ = new QLabel(this);
  message_->setObjectName("message");
  mirror_ = std::make_unique<MirroringStatusLine>(this);
  today_ = platform::localClock().day;
}

TFZestaw::~TFZestaw() {
  mirror_->uninstall();
}

std::map<std::string, std::string>& TFZestaw::rememberedValues() {
  static std::map<std::string, std::string> values;
  return values;
}

void TFZestaw::setPrinters(const QStringList& names) {
  printer_names_ = names;
  printers_given_ = true;
}

QLineEdit* TFZestaw::field(int index) const {
  return index >= 0 && index < fieldCount() ? inputs_[index].edit : nullptr;
}

QLineEdit* TFZestaw::field(const QString& code) const {
  for (const Input& in : inputs_)
    if (QString::fromStdString(in.placement.code) == code) return in.edit;
  return nullptr;
}

QString TFZestaw::fieldCode(int index) const {
  return index >= 0 && index < fieldCount() ? QString::fromStdString(inputs_[index].placement.code)
                                            : QString();
}

QLineEdit* TFZestaw::displayField(const QString& code) const {
  const auto it = displays_.find(code.toStdString());
  return it == displays_.end() ? nullptr : it->second;
}

QStringList TFZestaw::labelTexts() const {
  QStringList texts;
  for (QWidget* w : widgets_)
    if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
  return texts;
}

void TFZestaw::openFor(int slot, int value) {
  if (value <= 1 || slot != slot_ || inputs_.empty()) build(slot);
  if (value == 5 && current_ >= 0) {
    // Back from the pick list with a choice: the field takes its key.
    inputs_[current_].edit->setText(qtText(shell::pickListAnswer().key));
    onEdited(current_);
  }
  if (value == 3 && editForm()) fillEditForm();  // the card changed the edited asset
  if (value == 3 && current_ >= 0 && inputs_[current_].info) {
    // Back from a selection-pattern window: the field shows the list's pattern.
    const char section = operations::sectionOfSlot(inputs_[current_].info->f3Window);
    if (operations::patternWidth(section) > 0)
      inputs_[current_].edit->setText(
          qtText(operations::cardState().patterns[section - 'I'].current));
  }
  emit showRequested(slot_);
  if (!isVisible()) show();
  if (value <= 1) grow();
  if (current_ >= 0)
    inputs_[current_].edit->setFocus();
  else if (go_)
    go_->setFocus();
}

void TFZestaw::clearFields() {
  for (QWidget* w : widgets_) w->deleteLater();
  for (QWidget* w : widgets_) w->hide();
  widgets_.clear();
  displays_.clear();
  inputs_.clear();
  choices_.clear();
  go_ = cancel_ = pdf_ = pdf_original_ = save_default_ = nullptr;
  output_panel_ = nullptr;
  output_list_ = nullptr;
  printers_ = nullptr;
  memo_ = nullptr;
  current_ = -1;
  message_->clear();
}

std::vector<operations::LayoutLine> TFZestaw::declaredLines() {
  if (shell::isSettingsPage(slot_)) return shell::settingsPageLayout(slot_);
  if (slot_ == 1)
    return {{{"Logi", 0, "Login", operations::kInputField, 12}},
            {{"Hasl", 0, cpText(QString::fromUtf8("Hasło")), operations::kInputField, 12}}};
  std::vector<operations::LayoutLine> lines;
  operations::LayoutContext context;
  context.baseFolder = shell::shellState().baseFolder;
  (void)operations::nieMaOpcji(operations::kCatalogueModule, slot_, context, &lines);
  return lines;
}

void TFZestaw::build(int slot) {
  resize(0, 0);
  clearFields();
  slot_ = slot;
  option_ = operations::findOption(slot);
  // The user sees the option's own caption, never the window's class name.
  setWindowTitle(option_ && !option_->caption.empty() ? qtText(option_->caption)
                                                      : QString::fromUtf8("Zestaw parametrów"));
  const shell::WindowFont& wf = shell::shellState().windowFont;
  setFont(output::settingsFont(wf.font, wf.style, wf.size));
  std::vector<operations::LayoutLine> lines = declaredLines();
  if (operations::inputFields(lines).empty() && !shell::isSettingsPage(slot_))
    lines.push_back({{"", 0, text::fromUtf8(kConfirmRowUtf8), operations::kInputField, 0}});
  layOut(lines);
  if (editForm()) loadEditForm();
  loadEditor();
  if (!inputs_.empty()) enterField(0);
}

QString TFZestaw::initialText(const Input& input) const {
  const std::string& code = input.placement.code;
  if (shell::fieldSetting(code, slot_))
    return qtText(
        shell::settingFieldText(shell::desktopRegisters(), shell::shellState(), code, slot_));
  auto it = rememberedValues().find(input.rememberKey);
  return it == rememberedValues().end() ? QString() : qtText(it->second);
}

void TFZestaw::layOut(const std::vector<operations::LayoutLine>& lines) {
  const LayoutValues lv = layoutValues();
  QFont labelFont = font();
  labelFont.setPointSize(labelFont.pointSize() + 3);
  labelFont.setBold(true);
  const QFontMetrics fm(font());
  const QFontMetrics lfm(labelFont);
  const int rowHeight = std::max(fm.height(), lfm.height()) + 2 * lv.depth + lv.vSpacing;
  const int boxHeight = fm.height() + 2 * lv.depth;
  int y = lv.vMargin + 2;
  int right = 0;
  int declared = 0;
  for (const operations::LayoutLine& line : lines) {
    int x = lv.hMargin + 2;
    for (const operations::FieldPlacement& p : line) {
      if (++declared > kMostFields) break;
      if (!p.label.empty()) {
        auto* l = new QLabel(qtText(p.label), this);
        // A row-number label of a grid goes by its code; it follows the scroll.
        if (p.width == 0 && !p.code.empty()) l->setObjectName(QString::fromStdString(p.code));
        l->setFont(labelFont);
        l->setStyleSheet(kLabelStyle);
        l->adjustSize();
        l->move(x, y + (boxHeight - l->height()) / 2);
        l->show();
        widgets_.push_back(l);
        x += l->width() + lv.hSpacing;
      }
      if (p.width > 0 && !p.code.empty()) {
        auto* e = new QLineEdit(this);
        const int width = fm.horizontalAdvance('N') * (p.width + 2) + 2 * (lv.depth + lv.spacing);
        e->setGeometry(x, y, width, boxHeight);
        e->setObjectName(QString::fromStdString(p.code));
        if (p.code.rfind("Has", 0) == 0) e->setEchoMode(QLineEdit::Password);
        e->show();
        widgets_.push_back(e);
        x += width + lv.hSpacing;
        Input in;
        in.placement = p;
        in.info = operations::findField(p.code);
        in.edit = e;
        int repeats = 0;
        for (const Input& earlier : inputs_) repeats += earlier.placement.code == p.code;
        in.rememberKey = repeats == 0 ? p.code : p.code + "#" + std::to_string(repeats + 1);
        if (p.display) {
          e->setReadOnly(true);
          e->setFocusPolicy(Qt::NoFocus);
          e->setStyleSheet(kDisplayStyle);
          displays_[p.code] = e;
          continue;
        }
        const bool marked =
            in.info && operations::oznaczAqua(operations::kCatalogueModule, *in.info);
        e->setStyleSheet(marked ? kMarkedBoxStyle : kBoxStyle);
        e->setMaxLength(p.width);
        e->setToolTip(QString::fromStdString(p.code) +
                      " Zestaw: " + QString::number(inputs_.size() + 1));
        e->setText(initialText(in));
        in.previous = e->text();
        e->installEventFilter(this);
        const int index = static_cast<int>(inputs_.size());
        connect(e, &QLineEdit::textEdited, this, [this, index] { onEdited(index); });
        inputs_.push_back(std::move(in));
      }
    }
    right = std::max(right, x);
    y += rowHeight;
  }

  // The action buttons under the fields: Go fills the width left of "Anuluj".
  const int buttonHeight = 2 * fm.height() + lv.vSpacing + 4;
  const int narrow = static_cast<int>(2.2 * buttonHeight);
  const int left = lv.hMargin + 2;
  right = std::max(right, left + 3 * narrow);
  go_ = new QPushButton(this);
  QString caption = qtText(operations::actionCaption(option_ ? option_->action : 1));
  if (slot_ == 1) caption = QStringLiteral("Zaloguj");
  go_->setText(caption);
  go_->setObjectName("bGo");
  go_->setGeometry(left, y, right - left - narrow - lv.hSpacing, buttonHeight);
  connect(go_, &QPushButton::clicked, this, &TFZestaw::go);
  cancel_ = new QPushButton(QStringLiteral("Anuluj"), this);
  cancel_->setGeometry(right - narrow, y, narrow, buttonHeight);
  connect(cancel_, &QPushButton::clicked, this, &TFZestaw::escape);
  for (QPushButton* b : {go_, cancel_}) {
    b->show();
    b->installEventFilter(this);
    widgets_.push_back(b);
  }
  int bottom = y + buttonHeight + lv.vSpacing;

  const bool reportOption = option_ && option_->outputKinds != 0;
  choices_ = operations::outputChoices(reportOption ? option_->outputKinds : 0);
  const bool panel = reportOption && operations::nDrukPanel(operations::kCatalogueModule, slot_);
  if (panel) buildOutputPanel(right + lv.hSpacing, lv.vMargin + 2);
  int width = right + lv.hMargin;
  if (output_panel_) {
    width = output_panel_->geometry().right() + lv.hMargin;
    bottom = std::max(bottom, output_panel_->geometry().bottom() + lv.vSpacing);
  }
  message_->setGeometry(left, bottom, right - left, fm.height() + 4);
  message_->raise();
  setFixedSize(width, bottom + fm.height() + 4 + lv.vMargin);
}

void TFZestaw::buildOutputPanel(int x, int top) {
  output_panel_ = new QWidget(this);
  output_panel_->setObjectName("outputPanel");
  output_panel_->setAutoFillBackground(true);
  widgets_.push_back(output_panel_);
  const QFontMetrics fm(font());
  const int w = fm.horizontalAdvance('N') * 24;
  const int lineH = fm.height() + 8;
  output_list_ = new QListWidget(output_panel_);
  for (const operations::OutputChoice& c : choices_) output_list_->addItem(qtText(c.text));
  output_list_->setGeometry(0, 0, w, lineH * std::min<int>(choices_.size(), 6));
  const int stored = shell::desktopRegisters()
                         .program.value(operations::outputChoiceKey(option_->outputKey))
                         .number(1);
  output_list_->setCurrentRow(operations::rememberedChoice(stored, output_list_->count()));
  int y = output_list_->height() + 4;

  printers_ = new QComboBox(output_panel_);
  const QStringList names =
      output::printerList(printers_given_ ? printer_names_ : QPrinterInfo::availablePrinterNames());
  for (const QString& n : names) printers_->addItem(" " + n, n);
  const QString current = QPrinterInfo::defaultPrinterName();
  const int at = printers_->findData(current);
  printers_->setCurrentIndex(at >= 0 ? at : 0);
  printers_->setGeometry(0, y, w, lineH);
  y += lineH + 4;

  bool anyPdf = false;
  for (const QString& n : names) anyPdf = anyPdf || n.contains("PDF");
  auto button = [&](const QString& text, auto slot) {
    auto* b = new QPushButton(text, output_panel_);
    b->setGeometry(0, y, w, lineH);
    y += lineH + 2;
    connect(b, &QPushButton::clicked, this, slot);
    return b;
  };
  button(QString::fromUtf8("Podgląd"),
         [this] { runWith("p", QString::fromUtf8("Podgląd"), chosenPrinter()); });
  pdf_ = button(QStringLiteral("PDF"), [this] { goPdf(false); });
  pdf_original_ = button(QStringLiteral("PDF oryg."), [this] { goPdf(true); });
  pdf_->setEnabled(anyPdf);
  pdf_original_->setEnabled(anyPdf);
  button(QStringLiteral("Zapisz dokument"),
         [this] { runWith("z", QStringLiteral("Zapis tylko"), chosenPrinter()); });
  save_default_ =
      button(QString::fromUtf8("ZAPisz jako domyślne ->"), &TFZestaw::saveOutputAsDefault);
  output_panel_->setGeometry(x, top, w, y);
  output_panel_->show();
}

void TFZestaw::grow() {
  // The window grows to its size in equal steps, each one painted.
  const QSize full = size();
  setMinimumSize(0, 0);
  for (int i = 1; i <= kGrowSteps; ++i) {
    resize(full.width() * i / kGrowSteps, full.height() * i / kGrowSteps);
    repaint();
  }
  setFixedSize(full);
}

void TFZestaw::mirrorStatus() {
  mirror_->install();
}

int TFZestaw::statusCount() const {
  return mirror_->count;
}

void TFZestaw::showEvent(QShowEvent* event) {
  mirror_->install();
  QWidget::showEvent(event);
}

void TFZestaw::hideEvent(QHideEvent* event) {
  mirror_->uninstall();
  QWidget::hideEvent(event);
}

operations::FieldContext TFZestaw::fieldContext() const {
  operations::FieldContext c;
  c.assets = &shell::desktopRegister();
  if (c.assets->assetCount() == 0) c.assets = nullptr;  // no base loaded: symbols are not checked
  c.baseFolder = shell::shellState().baseFolder;
  c.today = today_;
  if (option_) c.documentKind = option_->documentKind;
  if (QLineEdit* s = field(QStringLiteral("SroJ"))) c.documentSymbol = cpText(s->text());
  c.currentAsset = shell::desktopRegisters().base.text("SroE");
  return c;
}

}  // namespace zefir::gui
