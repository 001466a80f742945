#include "shell/data_file_dialog.h"

#include <QFileDialog>
#include <QStringList>

namespace tessaly::shell {

void configure_data_file_dialog(QFileDialog& dialog, DataFileDialogMode mode) {
  dialog.setWindowTitle(QStringLiteral("Select Data File"));
  // "*.*" stands for every file, as it does on the system the programs come from; on this
  // one it has to be spelled "*" or names without a dot would be hidden.
  dialog.setNameFilters({QStringLiteral("Data (*.dat)"), QStringLiteral("*.* (*)")});
  dialog.selectNameFilter(QStringLiteral("Data (*.dat)"));
  dialog.setDefaultSuffix(QStringLiteral("dat"));
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (mode == DataFileDialogMode::kOpen) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
  }
  dialog.selectFile(QString());
}

}  // namespace tessaly::shell
