// The keys of the parameter set's fields. Every field steps alike (the
// per-field step of the dialog's own keys): Up and Down check the field and
// move by one, staying at the first and the last; Enter checks it and asks
// the catalogue where to go; PgUp goes to the first field; PgDn and F10 run
// the option.
#include <QKeyEvent>
#include <QPushButton>

#include "dialogs/parameter_set_dialog.h"
#include "operations/asset_editor.h"
#include "operations/catalogue_hooks.h"
#include "output/gui/qt_text.h"
#include "shell/desktop_services.h"
#include "shell/settings_pages.h"
#include "shell/window_requests.h"
#include "text/dates.h"

namespace zefir::gui {

using output::cpText;
using output::qtText;

bool TFZestaw::eventFilter(QObject* watched, QEvent* event) {
  for (int i = 0; i < fieldCount(); ++i) {
    if (watched != inputs_[i].edit) continue;
    if (event->type() == QEvent::KeyPress) return fieldKey(i, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::MouseButtonDblClick) {
      f3Key(i);
      return true;
    }
    if (event->type() == QEvent::FocusIn && current_ != i) enterField(i);
    return false;
  }
  if (event->type() == QEvent::KeyPress && (watched == go_ || watched == cancel_)) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      static_cast<QPushButton*>(watched)->click();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TFZestaw::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      escape();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_PageDown:
    case Qt::Key_F10:
      go();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

bool TFZestaw::fieldKey(int index, QKeyEvent* event) {
  if (running_) {
    if (event->key() == Qt::Key_Escape) escape();
    return true;
  }
  if (pagingKey(index, event->key())) return true;
  if (editorKey(index, event->key())) return true;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      enterKey(index);
      return true;
    case Qt::Key_Up:
      if (leaveField(index) && index > 0) enterField(index - 1);
      return true;
    case Qt::Key_Down:
      if (leaveField(index) && index + 1 < fieldCount()) enterField(index + 1);
      return true;
    case Qt::Key_PageUp:
      if (leaveField(index)) enterField(0);
      return true;
    case Qt::Key_PageDown:
    case Qt::Key_F10:
      go();
      return true;
    case Qt::Key_Escape:
      escape();
      return true;
    case Qt::Key_F3:
      f3Key(index);
      return true;
    case Qt::Key_F4:
    case Qt::Key_F5:
      pickListKey(index, event->key() == Qt::Key_F4 ? 4 : 5);
      return true;
    case Qt::Key_F6:
    case Qt::Key_F7:
      repeatKey(index);
      return true;
    case Qt::Key_Plus:
      if (event->modifiers() & Qt::KeypadModifier) {
        repeatKey(index);
        return true;
      }
      return false;
    default:
      return false;
  }
}

void TFZestaw::enterField(int index) {
  if (index < 0 || index >= fieldCount()) return;
  // `ZapisAnul`: back in the asset's symbol, the asset is loaded again.
  if (index == 0 && current_ > 0 && editForm() && !keepEdits_) dropUnsavedEdits();
  current_ = index;
  Input& in = inputs_[index];
  if (in.edit->text().isEmpty() && in.info) {
    std::string text;
    if (operations::nAutomEdit(operations::kCatalogueModule, *in.info, fieldContext(), &text) == 0)
      in.edit->setText(qtText(text));
  }
  if (!in.edit->hasFocus()) in.edit->setFocus();
  in.edit->selectAll();
}

bool TFZestaw::leaveField(int index) {
  Input& in = inputs_[index];
  if (!in.info) return true;
  const operations::FieldContext context = fieldContext();
  const std::string text = cpText(in.edit->text());
  if (operations::bladPola(operations::kCatalogueModule, *in.info, text, context)) {
    enterField(index);
    return false;
  }
  bool badDate = false;
  const std::string done = operations::completedText(*in.info, text, context, &badDate);
  if (badDate) {
    showStatus(operations::badDateText(), StatusKind::Error);
    enterField(index);
    return false;
  }
  if (done != text) in.edit->setText(qtText(done));
  // A field left as it was filled writes nothing: its text may not read back
  // as the value it shows (a date past 2039 shows "  ??  ").
  if (editForm() && (text != cpText(in.previous) || in.placement.code == "SroX") &&
      !storeEditField(index, done)) {
    enterField(index);
    return false;
  }
  // What was typed is remembered at once, so it is back after Esc too;
  // settings are written only by Go.
  if (!shell::fieldSetting(in.placement.code, slot_)) rememberedValues()[in.rememberKey] = done;
  editorAccepted(index);
  return true;
}

void TFZestaw::enterKey(int index) {
  if (!leaveField(index)) return;
  operations::FieldValues values;
  std::vector<operations::FieldPlacement> placements;
  for (const Input& in : inputs_) {
    values.add(in.placement.code, cpText(in.edit->text()));
    placements.push_back(in.placement);
  }
  if (!option_ || !option_->hasLayout()) {
    // A settings page: Enter moves on, and on the last field runs.
    if (index + 1 < fieldCount())
      enterField(index + 1);
    else
      go();
    return;
  }
  // The asset form's dates open their card section while the edited asset
  // has no such date.
  const AssetRecord* edited = editForm() ? &operations::assetEditor().edited() : nullptr;
  const operations::EnterStep step = operations::enStNeGo(
      operations::kCatalogueModule, *option_, placements, index, values, fieldContext(), edited);
  if (step.answer == 1) {
    enterField(step.next);
  } else if (step.answer == 2) {
    go();
  } else if (step.f3Window != 0) {
    desktopServices().requestWindow(step.f3Window, 1);
  } else {
    enterField(index);
  }
}

void TFZestaw::f3Key(int index) {
  const Input& in = inputs_[index];
  current_ = index;  // the window's answer comes back into this field
  if (in.info && operations::patternSectionOf(*in.info) != 0) {
    // A selection field is accepted first; its pattern window starts from it.
    if (!leaveField(index)) return;
    int window = 0;
    (void)operations::nOknoKr6(operations::kCatalogueModule, *in.info, cpText(in.edit->text()),
                               operations::cardState(), &window);
    if (window != 0) desktopServices().requestWindow(window, 1);
    return;
  }
  const int window = in.info ? operations::f3orDbKlik(operations::kCatalogueModule, *in.info) : 0;
  if (window == 0) {
    showStatus(text::fromUtf8("Tu  F3  nie działa !"), StatusKind::Notice);
    return;
  }
  // The card works on the edited asset: what the field holds goes in first.
  if (editForm() && !leaveField(index)) return;
  desktopServices().requestWindow(window, 1);
}

void TFZestaw::pickListKey(int index, int key) {
  const Input& in = inputs_[index];
  current_ = index;  // the chosen key comes back into this field
  if (!in.info) {
    // A settings field: its list is the settings page's.
    if (shell::settingsPickList(in.placement.code) < 0) {
      showStatus(operations::noPickListText(), StatusKind::Notice);
      return;
    }
    shell::callPickList(slot_, 0, cpText(in.edit->text()), key, in.placement.code);
    return;
  }
  const std::string list = operations::f4ewF5Klik(operations::kCatalogueModule, *in.info);
  if (list.empty()) return;
  shell::callPickList(slot_, in.info->number, cpText(in.edit->text()), key, in.placement.code);
}

void TFZestaw::repeatKey(int index) {
  // The text from the cursor on is replaced by the same part of the value
  // the field opened with.
  QLineEdit* e = inputs_[index].edit;
  const int at = e->cursorPosition();
  e->setText(e->text().left(at) + inputs_[index].previous.mid(at));
  e->setCursorPosition(at);
}

void TFZestaw::onEdited(int index) {
  Input& in = inputs_[index];
  if (!in.info) return;
  const std::string text = cpText(in.edit->text());
  const std::string changed = operations::changedText(*in.info, text);
  if (changed != text) {
    const int at = in.edit->cursorPosition();
    in.edit->setText(qtText(changed));
    in.edit->setCursorPosition(at);
  }
  if (in.placement.code == "DaDo") {
    const DayNumber day = text::dayFromTypedText(text, today_);
    if (day != 0) showStatus(text::weekdayOfDay(day), StatusKind::Information);
  }
}

}  // namespace zefir::gui
