// Everything the shell asks of the user through a modal window: file names, a printer, a
// settings dialog and message boxes. The programs use QtInteraction; tests answer in its place.
#pragma once

#include <QMessageBox>
#include <QString>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace tessaly::shell {

struct UserMessage {
  QString text;
  QString caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString detail;  // the system's own words for a failure; shown on request
};

class UserInteraction {
 public:
  virtual ~UserInteraction() = default;

  // The chosen path, or nothing when the user cancelled.
  virtual std::optional<QString> choose_open_path(QWidget* owner) = 0;
  virtual std::optional<QString> choose_save_path(QWidget* owner) = 0;
  // False when the user cancelled; otherwise the printer is set up for the job.
  virtual bool choose_printer(QWidget* owner, QPrinter& printer) = 0;
  // Runs the dialog modally and returns its result (QDialog::Accepted or Rejected).
  virtual int run_dialog(QDialog& dialog) = 0;
  virtual void show_message(QWidget* owner, const UserMessage& message) = 0;
};

// The real thing: Qt's file dialog, print dialog and message boxes.
class QtInteraction final : public UserInteraction {
 public:
  std::optional<QString> choose_open_path(QWidget* owner) override;
  std::optional<QString> choose_save_path(QWidget* owner) override;
  bool choose_printer(QWidget* owner, QPrinter& printer) override;
  int run_dialog(QDialog& dialog) override;
  void show_message(QWidget* owner, const UserMessage& message) override;
};

}  // namespace tessaly::shell
