#include "shell/settings_dialog.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <cmath>
#include <string>

#include "core/dialog_values.h"
#include "programs/dialog_template.h"

namespace tessaly::shell {

namespace {

// The template's face first, then the Gothic faces a Japanese desktop is likely to have.
const QStringList kGothicFallbacks = {
    QStringLiteral("MS PGothic"),  QStringLiteral("IPAPGothic"),
    QStringLiteral("IPAexGothic"), QStringLiteral("Noto Sans CJK JP"),
    QStringLiteral("VL PGothic"),  QStringLiteral("TakaoPGothic"),
    QStringLiteral("IPAGothic"),   QStringLiteral("Droid Sans Fallback"),
};

int scaled(int units, int base, int divisor) {
  return static_cast<int>(std::lround(static_cast<double>(units) * base / divisor));
}

QWidget* make_control(const DialogControl& control, const text::Language& language,
                      QDialog& dialog) {
  const QString text = QString::fromUtf8(text::localized(language, control.text));
  switch (control.kind) {
    case ControlKind::kDefaultButton:
    case ControlKind::kButton: {
      auto* button = new QPushButton(text, &dialog);
      const bool ok = control.id == 1;
      button->setDefault(control.kind == ControlKind::kDefaultButton);
      QObject::connect(button, &QPushButton::clicked, &dialog,
                       ok ? &QDialog::accept : &QDialog::reject);
      return button;
    }
    case ControlKind::kStatic: {
      auto* label = new QLabel(text, &dialog);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case ControlKind::kEdit: {
      auto* edit = new QLineEdit(&dialog);
      edit->setMaxLength(static_cast<int>(kEditTextLimit));
      return edit;
    }
    case ControlKind::kGroupBox:
      return new QGroupBox(text, &dialog);
  }
  return nullptr;
}

// "%g" as the programs' run-time library wrote it: the exponent with at least three digits.
QString edit_text(double value) {
  char text[kEditTextCapacity];
  format_edit_value(value, text);
  QString shown = QString::fromLatin1(text);
  const int e = shown.indexOf(QLatin1Char('e'));
  if (e < 0) return shown;
  const int digits = shown.size() - (e + 2);  // after the exponent's sign
  if (digits < 3) shown.insert(e + 2, QString(3 - digits, QLatin1Char('0')));
  return shown;
}

}  // namespace

QFont dialog_font(const DialogTemplate& dialog) {
  QFont font;
  QStringList families{QString::fromUtf8(dialog.font)};
  families += kGothicFallbacks;
  font.setFamilies(families);
  font.setPointSize(dialog.font_size);
  return font;
}

DialogBaseUnits dialog_base_units(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(letters + 26) / 52, metrics.height()};
}

QRect dialog_units_to_pixels(const DialogBaseUnits& units, int x, int y, int width, int height) {
  return QRect(scaled(x, units.average_width, 4), scaled(y, units.height, 8),
               scaled(width, units.average_width, 4), scaled(height, units.height, 8));
}

SettingsDialog::SettingsDialog(const DialogTemplate& dialog, const text::Language& language,
                               QWidget* owner, QPoint anchor)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      units_{} {
  setWindowTitle(QString::fromUtf8(text::localized(language, dialog.caption)));
  setFont(dialog_font(dialog));
  units_ = dialog_base_units(font());
  const QRect frame =
      dialog_units_to_pixels(units_, dialog.x, dialog.y, dialog.width, dialog.height);
  setFixedSize(frame.size());
  move(anchor + frame.topLeft());

  QWidget* previous_stop = nullptr;
  for (int i = 0; i < dialog.control_count; ++i) {
    const DialogControl& control = dialog.controls[i];
    QWidget* widget = make_control(control, language, *this);
    widget->setGeometry(
        dialog_units_to_pixels(units_, control.x, control.y, control.width, control.height));
    if (control.kind == ControlKind::kGroupBox) widget->lower();  // a frame behind the rest
    if (control.kind == ControlKind::kEdit) {
      const std::size_t slot = static_cast<std::size_t>(control.id - kFirstEditId);
      if (edits_.size() <= slot) edits_.resize(slot + 1, nullptr);
      edits_[slot] = static_cast<QLineEdit*>(widget);
    }
    const bool focusable = control.kind == ControlKind::kEdit ||
                           control.kind == ControlKind::kButton ||
                           control.kind == ControlKind::kDefaultButton;
    if (!focusable) continue;
    if (!control.tab_stop) {
      widget->setFocusPolicy(Qt::ClickFocus);
      continue;
    }
    widget->setFocusPolicy(Qt::StrongFocus);
    if (previous_stop) QWidget::setTabOrder(previous_stop, widget);
    previous_stop = widget;
  }
  if (!edits_.empty() && edits_.front()) edits_.front()->setFocus();
}

void SettingsDialog::show_values(const double* values, int count) {
  for (int i = 0; i < count && i < edit_count(); ++i) {
    edit(i)->setText(edit_text(values[i]));
  }
}

void SettingsDialog::read_values(double* values, int count) const {
  for (int i = 0; i < count && i < edit_count(); ++i) {
    values[i] = read_edit_value(edit(i)->text().toUtf8().constData());
  }
}

}  // namespace tessaly::shell
