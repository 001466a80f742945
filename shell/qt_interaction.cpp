#include <QDialog>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "shell/data_file_dialog.h"
#include "shell/user_interaction.h"

namespace tessaly::shell {

namespace {

std::optional<QString> run_file_dialog(QWidget* owner, DataFileDialogMode mode) {
  QFileDialog dialog(owner);
  configure_data_file_dialog(dialog, mode);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.front();
}

}  // namespace

std::optional<QString> QtInteraction::choose_open_path(QWidget* owner) {
  return run_file_dialog(owner, DataFileDialogMode::kOpen);
}

std::optional<QString> QtInteraction::choose_save_path(QWidget* owner) {
  return run_file_dialog(owner, DataFileDialogMode::kSave);
}

bool QtInteraction::choose_printer(QWidget* owner, QPrinter& printer) {
  QPrintDialog dialog(&printer, owner);
  // One page of the whole graph: no page range, no selection. Printing to a PDF file stays
  // offered, which is what a machine without a printer can do.
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  return dialog.exec() == QDialog::Accepted;
}

int QtInteraction::run_dialog(QDialog& dialog) {
  return dialog.exec();
}

void QtInteraction::show_message(QWidget* owner, const UserMessage& message) {
  QMessageBox box(message.icon, message.caption, message.text, QMessageBox::Ok, owner);
  if (!message.detail.isEmpty()) box.setDetailedText(message.detail);
  box.exec();
}

}  // namespace tessaly::shell
