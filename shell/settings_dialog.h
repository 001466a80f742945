// A settings dialog ("DLG1" to "DLG3") built from its template: caption, group box, labels,
// edits and buttons at their places in dialog units, in the template's tab order, OK as the
// default button. It shows numbers and reads them back; which numbers is the caller's affair.
#pragma once

#include <QDialog>
#include <QFont>
#include <QRect>
#include <vector>

#include "programs/dialog_template.h"

class QLineEdit;

namespace tessaly::shell {

// The template's face, or a Japanese Gothic face where that one is missing, at its point size.
QFont dialog_font(const DialogTemplate& dialog);

// Pixels per four horizontal and per eight vertical dialog units: the font's average
// character width and its height.
struct DialogBaseUnits {
  int average_width;
  int height;
};
DialogBaseUnits dialog_base_units(const QFont& font);
QRect dialog_units_to_pixels(const DialogBaseUnits& units, int x, int y, int width, int height);

class SettingsDialog final : public QDialog {
 public:
  // Placed at the template's position relative to the owner's client area (anchor).
  SettingsDialog(const DialogTemplate& dialog, const text::Language& language, QWidget* owner,
                 QPoint anchor);

  int edit_count() const { return static_cast<int>(edits_.size()); }
  // Edit 3000 + index.
  QLineEdit* edit(int index) const { return edits_[static_cast<std::size_t>(index)]; }
  const DialogBaseUnits& base_units() const { return units_; }

  // Values shown the way "%g" writes them; count beyond the edits is ignored.
  void show_values(const double* values, int count);
  // The edits read as the C library's atof reads them, whatever the user's locale, stored as
  // absolute values.
  void read_values(double* values, int count) const;

 private:
  DialogBaseUnits units_;
  std::vector<QLineEdit*> edits_;
};

}  // namespace tessaly::shell
